#include "platform/db/tsql/TsqlTop.h"

#include "platform/db/tsql/SqlTokenizer.h"
#include "platform/db/tsql/UntranslatableConstruct.h"

namespace db {

namespace {

constexpr QStringView kKeepEveryRow = u"100";

struct TopClause {
    int top = 0;  // position of TOP
    int end = 0;  // position after the count (and PERCENT)
    QString count;
    bool percent = false;
};

bool isTopAt(const TokenList& tokens, int i) { return i < tokens.size() && tokens[i].isWord(u"TOP"); }

// Position of the TOP that follows the SELECT at `select`, or -1.
int topOfSelect(const TokenList& tokens, int select)
{
    int i = tokens.nextSignificant(select + 1);
    if (i < tokens.size() && (tokens[i].isWord(u"DISTINCT") || tokens[i].isWord(u"ALL")))
        i = tokens.nextSignificant(i + 1);
    return isTopAt(tokens, i) ? i : -1;
}

TopClause readTop(const TokenList& tokens, int top)
{
    TopClause clause{top, 0, {}, false};
    int i = tokens.nextSignificant(top + 1);
    const bool parenthesised = i < tokens.size() && tokens[i].isSymbol(u"(");
    if (parenthesised) i = tokens.nextSignificant(i + 1);
    if (i >= tokens.size() || tokens[i].kind != SqlToken::Kind::Number) refuseConstruct("TOP with an expression");
    clause.count = tokens[i].text;
    clause.end = i + 1;
    if (parenthesised) {
        const int close = tokens.nextSignificant(clause.end);
        if (close >= tokens.size() || !tokens[close].isSymbol(u")")) refuseConstruct("TOP with an expression");
        clause.end = close + 1;
    }
    clause.percent = tokens.wordFollows(clause.end, u"PERCENT");
    if (clause.percent) clause.end = tokens.nextSignificant(clause.end) + 1;
    if (clause.percent && clause.count != kKeepEveryRow) refuseConstruct("TOP " + clause.count + " PERCENT");
    if (tokens.wordFollows(clause.end, u"WITH")) refuseConstruct("TOP ... WITH TIES");
    return clause;
}

// Position where the SELECT whose TOP is at `from` ends: its closing ")" or the end.
int endOfSelect(const TokenList& tokens, int from)
{
    for (int i = from; i < tokens.size(); ++i) {
        const SqlToken& token = tokens[i];
        if (token.isSymbol(u"("))
            i = tokens.closingParenthesis(i);
        else if (token.isSymbol(u")"))
            return i;
        else if (token.isWord(u"UNION") || token.isWord(u"EXCEPT") || token.isWord(u"INTERSECT"))
            refuseConstruct("TOP in a SELECT joined by " + token.text.toUpper());
    }
    return tokens.size();
}

void refuseTopOutsideSelect(const TokenList& tokens, int i)
{
    const SqlToken& verb = tokens[i];
    const bool writes = verb.isWord(u"INSERT") || verb.isWord(u"UPDATE") || verb.isWord(u"DELETE");
    if (writes && isTopAt(tokens, tokens.nextSignificant(i + 1))) refuseConstruct(verb.text.toUpper() + " TOP");
}

void moveToEnd(TokenList& tokens, const TopClause& clause)
{
    if (!clause.percent) {
        const int last = tokens.previousSignificant(endOfSelect(tokens, clause.end));
        tokens.insert(last + 1, SqlTokenizer::tokenize(" LIMIT " + clause.count));
    }
    tokens.erase(clause.top, tokens.nextSignificant(clause.end));
}

}  // namespace

void moveTopToLimit(TokenList& statement)
{
    for (int i = 0; i < statement.size(); ++i) {
        refuseTopOutsideSelect(statement, i);
        if (!statement[i].isWord(u"SELECT")) continue;
        const int top = topOfSelect(statement, i);
        if (top >= 0) moveToEnd(statement, readTop(statement, top));
    }
}

}  // namespace db
