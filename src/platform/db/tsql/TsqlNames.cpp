#include "platform/db/tsql/TsqlNames.h"

#include "platform/db/tsql/UntranslatableConstruct.h"

namespace db {

namespace {

constexpr QStringView kOwner = u"dbo";

// One dotted name: the positions of its pieces, -1 for a piece left empty ("db..T").
struct DottedName {
    std::vector<int> pieces;
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
            name.pieces.push_back(next);
            name.end = next + 1;
        } else if (next < tokens.size() && tokens[next].isSymbol(u".")) {
            name.pieces.push_back(-1);
            name.end = next;
        } else {
            break;
        }
    }
    return name;
}

QString pieceText(const TokenList& tokens, const DottedName& name, size_t piece)
{
    const int position = name.pieces[piece];
    return position < 0 ? QString() : unquoted(tokens[position]);
}

bool isDefaultOwner(const QString& piece) { return piece.compare(kOwner, Qt::CaseInsensitive) == 0; }
bool isOwnerPlace(const QString& piece) { return piece.isEmpty() || isDefaultOwner(piece); }

// How many leading tokens of the name go (pieces and their dots).
int leadingTokensToDrop(const TokenList& tokens, const DottedName& name, int first, const QString& database)
{
    const auto text = [&](size_t piece) { return pieceText(tokens, name, piece); };
    const QString whole = tokens.slice(first, name.end).text();
    if (name.pieces.size() >= 4 && isOwnerPlace(text(2))) refuseConstruct("linked-server name " + whole);
    if (name.pieces.size() >= 3 && isOwnerPlace(text(1))) {
        if (text(0).compare(database, Qt::CaseInsensitive) != 0) refuseConstruct("name in another database " + whole);
        return name.pieces[2] - first;
    }
    if (name.pieces.size() >= 2 && isDefaultOwner(text(0))) return name.pieces[1] - first;
    return 0;
}

}  // namespace

void reduceObjectNames(TokenList& statement, const QString& database)
{
    for (int i = 0; i < statement.size(); ++i) {
        const bool startsName = statement[i].isName() && (i == 0 || !statement[i - 1].isSymbol(u"."));
        if (!startsName) continue;
        const DottedName name = dottedNameAt(statement, i);
        if (name.pieces.size() < 2) continue;
        statement.erase(i, i + leadingTokensToDrop(statement, name, i, database));
    }
}

void quoteBracketedNames(TokenList& statement, const std::function<QString(const QString&)>& quoted)
{
    for (int i = 0; i < statement.size(); ++i) {
        SqlToken& token = statement[i];
        if (token.kind == SqlToken::Kind::QuotedName && token.text.startsWith(u'[')) {
            token.text = quoted(unquoted(token));
        }
    }
}

}  // namespace db
