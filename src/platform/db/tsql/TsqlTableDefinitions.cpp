#include "platform/db/tsql/TsqlTableDefinitions.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

#include <QStringList>

namespace db {

namespace {

bool isTextType(const SqlToken& token)
{
    static const QStringList text{"VARCHAR", "NVARCHAR", "CHAR", "NCHAR", "TEXT", "NTEXT"};
    return token.kind == SqlToken::Kind::Word && text.contains(token.text.toUpper());
}

// The last position of a type that starts at `type`: its size in parentheses, when given.
int endOfType(const TokenList& statement, int type)
{
    const int next = statement.nextSignificant(type + 1);
    return next < statement.size() && statement[next].isSymbol(u"(") ? statement.closingParenthesis(next) : type;
}

// The first "IDENTITY(...)" at or after `from`: its word and closing parenthesis; -1 when none.
std::pair<int, int> nextIdentity(const TokenList& statement, int from)
{
    for (int i = from; i < statement.size(); ++i) {
        if (!statement[i].isWord(u"IDENTITY")) continue;
        const int open = statement.nextSignificant(i + 1);
        if (open < statement.size() && statement[open].isSymbol(u"(")) return {i, statement.closingParenthesis(open)};
    }
    return {-1, -1};
}

// The end of the column definition that holds `inside`: its comma or the table's closing parenthesis.
int endOfColumn(const TokenList& statement, int inside)
{
    for (int i = inside; i < statement.size(); ++i) {
        if (statement[i].isSymbol(u"("))
            i = statement.closingParenthesis(i);
        else if (statement[i].isSymbol(u",") || statement[i].isSymbol(u")"))
            return i;
    }
    return statement.size();
}

}  // namespace

bool definesTables(const TokenList& statement)
{
    const int first = statement.nextSignificant(0);
    return first < statement.size() && (statement[first].isWord(u"CREATE") || statement[first].isWord(u"ALTER"));
}

void collateTextColumns(TokenList& statement, const QString& collation)
{
    const TokenList collated{SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(),
                             SqlToken::word(collation)};
    for (int i = 0; i < statement.size(); ++i) {
        if (!isTextType(statement[i])) continue;
        const int end = endOfType(statement, i);
        statement.insert(end + 1, collated);
        i = end + collated.size();
    }
}

void identityAsGenerated(TokenList& statement)
{
    for (auto [first, last] = nextIdentity(statement, 0); first >= 0;
         std::tie(first, last) = nextIdentity(statement, first + 1)) {
        statement.replace(first, last + 1,
                          {SqlToken::word("GENERATED"), SqlToken::blank(), SqlToken::word("BY"), SqlToken::blank(),
                           SqlToken::word("DEFAULT"), SqlToken::blank(), SqlToken::word("AS"), SqlToken::blank(),
                           SqlToken::word("IDENTITY")});
    }
}

void identityAsRowId(TokenList& statement)
{
    for (auto [first, last] = nextIdentity(statement, 0); first >= 0;
         std::tie(first, last) = nextIdentity(statement, first)) {
        const int type = statement.previousSignificant(first);
        const int end = endOfColumn(statement, last + 1);
        int key = -1;
        for (int i = last + 1; i < end; ++i) {
            if (statement[i].isWord(u"PRIMARY") && statement.wordFollows(i + 1, u"KEY"))
                key = statement.nextSignificant(i + 1);
        }
        if (type < 0 || key < 0) refuseConstruct("IDENTITY without PRIMARY KEY");
        statement.insert(key + 1, {SqlToken::blank(), SqlToken::word("AUTOINCREMENT")});
        statement.erase(statement[first - 1].isSpace() ? first - 1 : first, last + 1);
        statement[type].text = QStringLiteral("integer");
    }
}

}  // namespace db
