#include "platform/db/TsqlNames.h"

#include "platform/db/UntranslatableConstruct.h"

namespace db {

namespace {

// One dotted name: the positions of its parts, -1 for a part left empty ("db..T").
struct DottedName {
    std::vector<int> parts;
    int end = 0;  // position after the name
};

QString unquoted(const SqlToken& token)
{
    if (token.kind != SqlToken::Kind::QuotedName) return token.text;
    const QString close = token.text.right(1);
    return token.text.mid(1, token.text.size() - 2).replace(close + close, close);
}

DottedName dottedNameAt(const TokenList& tokens, int first)
{
    DottedName name{{first}, first + 1};
    while (name.end < tokens.size() && tokens[name.end].isSymbol(u".")) {
        const int next = name.end + 1;
        if (next < tokens.size() && tokens[next].isName()) {
            name.parts.push_back(next);
            name.end = next + 1;
        } else if (next < tokens.size() && tokens[next].isSymbol(u".")) {
            name.parts.push_back(-1);
            name.end = next;
        } else {
            break;
        }
    }
    return name;
}

QString partText(const TokenList& tokens, const DottedName& name, size_t part)
{
    const int position = name.parts[part];
    return position < 0 ? QString() : unquoted(tokens[position]);
}

bool isOwner(const QString& part) { return part.isEmpty() || part.compare(u"dbo", Qt::CaseInsensitive) == 0; }

// How many leading tokens of the name go (parts and their dots).
int leadingTokensToDrop(const TokenList& tokens, const DottedName& name, int first, const QString& database)
{
    const auto text = [&](size_t part) { return partText(tokens, name, part); };
    const QString whole = tokens.slice(first, name.end).text();
    if (name.parts.size() >= 4 && isOwner(text(2))) refuseConstruct("linked-server name " + whole);
    if (name.parts.size() >= 3 && isOwner(text(1))) {
        if (text(0).compare(database, Qt::CaseInsensitive) != 0) refuseConstruct("name in another database " + whole);
        return name.parts[2] - first;
    }
    if (name.parts.size() >= 2 && text(0).compare(u"dbo", Qt::CaseInsensitive) == 0) return name.parts[1] - first;
    return 0;
}

}  // namespace

void reduceObjectNames(TokenList& statement, const QString& database)
{
    for (int i = 0; i < statement.size(); ++i) {
        const bool startsName = statement[i].isName() && (i == 0 || !statement[i - 1].isSymbol(u"."));
        if (!startsName) continue;
        const DottedName name = dottedNameAt(statement, i);
        if (name.parts.size() < 2) continue;
        statement.erase(i, i + leadingTokensToDrop(statement, name, i, database));
    }
}

void quoteBracketedNames(TokenList& statement)
{
    for (int i = 0; i < statement.size(); ++i) {
        SqlToken& token = statement[i];
        if (token.kind == SqlToken::Kind::QuotedName && token.text.startsWith(u'[')) {
            token.text = '"' + unquoted(token).replace(u'"', QStringLiteral("\"\"")) + '"';
        }
    }
}

}  // namespace db
