#include "platform/db/tsql/TsqlExistsCondition.h"

#include "platform/db/tsql/SqlTokenizer.h"
#include "platform/db/tsql/UntranslatableConstruct.h"

namespace db {

namespace {

// Position of `word` outside parentheses from `from` on; size() when absent.
int topLevelWord(const TokenList& tokens, int from, QStringView word)
{
    for (int i = from; i < tokens.size(); ++i) {
        if (tokens[i].isSymbol(u"("))
            i = tokens.closingParenthesis(i);
        else if (tokens[i].isWord(word))
            return i;
    }
    return tokens.size();
}

TokenList insertSelectingValues(const TokenList& insert, const TokenList& condition)
{
    const int values = topLevelWord(insert, 0, u"VALUES");
    if (values == insert.size()) refuseConstruct("IF EXISTS before INSERT ... SELECT");
    const int open = insert.nextSignificant(values + 1);
    if (open == insert.size() || !insert[open].isSymbol(u"(")) refuseConstruct("INSERT ... VALUES without a row");
    const int close = insert.closingParenthesis(open);
    if (insert.nextSignificant(close + 1) != insert.size()) refuseConstruct("IF EXISTS before a multi-row INSERT");

    TokenList folded = insert.slice(0, values);
    folded.append(SqlToken::word("SELECT"));
    folded.append(SqlToken::blank());
    folded.append(insert.slice(open + 1, close).trimmed());
    folded.append(SqlTokenizer::tokenize(" WHERE "));
    folded.append(condition);
    return folded;
}

TokenList restrictedByCondition(const TokenList& statement, const TokenList& condition)
{
    const int where = topLevelWord(statement, 0, u"WHERE");
    if (where == statement.size()) {
        TokenList folded = statement;
        folded.append(SqlTokenizer::tokenize(" WHERE "));
        folded.append(condition);
        return folded;
    }
    TokenList folded = statement.slice(0, where + 1);
    folded.append(SqlToken::blank());
    folded.append(condition);
    folded.append(SqlTokenizer::tokenize(" AND ("));
    folded.append(statement.slice(where + 1, statement.size()).trimmed());
    folded.append(SqlToken::symbol(")"));
    return folded;
}

}  // namespace

TokenList foldExistsCondition(const TokenList& ifStatement)
{
    int i = ifStatement.nextSignificant(ifStatement.nextSignificant(0) + 1);
    const bool negated = i < ifStatement.size() && ifStatement[i].isWord(u"NOT");
    if (negated) i = ifStatement.nextSignificant(i + 1);
    if (i >= ifStatement.size() || !ifStatement[i].isWord(u"EXISTS")) refuseConstruct("IF without EXISTS");
    const int open = ifStatement.nextSignificant(i + 1);
    if (open >= ifStatement.size() || !ifStatement[open].isSymbol(u"(")) refuseConstruct("IF EXISTS without a query");
    const int close = ifStatement.closingParenthesis(open);

    const TokenList body = ifStatement.slice(close + 1, ifStatement.size()).trimmed();
    if (topLevelWord(body, 0, u"ELSE") < body.size()) refuseConstruct("IF ... ELSE");

    TokenList condition = SqlTokenizer::tokenize(negated ? "NOT EXISTS " : "EXISTS ");
    condition.append(ifStatement.slice(open, close + 1));

    if (body.wordFollows(0, u"INSERT")) return insertSelectingValues(body, condition);
    if (body.wordFollows(0, u"UPDATE") || body.wordFollows(0, u"DELETE")) return restrictedByCondition(body, condition);
    refuseConstruct(body.wordFollows(0, u"BEGIN") ? QStringLiteral("IF ... BEGIN block")
                                                  : QStringLiteral("IF before this statement"));
}

}  // namespace db
