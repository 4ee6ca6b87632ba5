#include "platform/db/tsql/TsqlDialect.h"

#include "platform/db/tsql/SqlTokenizer.h"
#include "platform/db/tsql/TsqlBatch.h"
#include "platform/db/tsql/TsqlClauses.h"
#include "platform/db/tsql/TsqlConcatenation.h"
#include "platform/db/tsql/TsqlControlStatements.h"
#include "platform/db/tsql/TsqlExistsCondition.h"
#include "platform/db/tsql/TsqlNames.h"
#include "platform/db/tsql/TsqlProcedureCall.h"
#include "platform/db/tsql/TsqlTextComparison.h"
#include "platform/db/tsql/TsqlTop.h"
#include "platform/db/tsql/UntranslatableConstruct.h"

#include <QSet>

namespace db {

namespace {

const QSet<QString> kDataStatements = {"SELECT", "INSERT", "UPDATE", "DELETE", "CREATE", "ALTER", "DROP", "WITH"};

void requireDataStatement(const SqlToken& first)
{
    const bool known =
        first.isSymbol(u"(") || (first.kind == SqlToken::Kind::Word && kDataStatements.contains(first.text.toUpper()));
    if (!known) refuseConstruct("statement " + first.text);
}

}  // namespace

QStringList TsqlDialect::translate(const QString& batch, const QString& database) const
{
    QStringList translated;
    for (const TokenList& statement : splitBatch(SqlTokenizer::tokenize(batch))) {
        if (const auto text = translateStatement(statement, database)) translated << *text;
    }
    return translated;
}

std::optional<QString> TsqlDialect::translateStatement(const TokenList& statement, const QString& database) const
{
    TokenList tokens = statement.trimmed();
    if (tokens.isBlank()) return std::nullopt;
    if (isProcedureCall(tokens)) tokens = procedureCallAsQuery(tokens);
    refuseSessionObjects(tokens);
    if (tokens[0].isWord(u"SET")) {
        requireDroppableSetOption(tokens);
        return std::nullopt;
    }
    if (isTransactionStatement(tokens)) return transactionStatement(tokens);
    if (tokens[0].isWord(u"IF"))
        tokens = foldExistsCondition(tokens);
    else
        requireDataStatement(tokens[0]);
    rewriteClauses(tokens, database);
    return tokens.text();
}

// "+" is judged by the T-SQL names of the functions around it, so renaming comes
// after it; marking compared literals comes last, since "+" is judged by them too.
void TsqlDialect::rewriteClauses(TokenList& statement, const QString& database) const
{
    dropNationalPrefixes(statement);
    removeTableHints(statement);
    reduceObjectNames(statement, database);
    quoteBracketedNames(statement, [this](const QString& name) { return quotedName(name); });
    addFromToDelete(statement);
    moveTopToLimit(statement);
    rewriteAdditions(statement, additionFunction());
    adaptFunctionCalls(statement, renamedFunctions());
    compareTextsWithoutCase(statement, [this](const SqlToken& literal) { return comparedLiteral(literal); });
    adaptToEngine(statement);
}

QString TsqlDialect::quotedName(const QString& name) const
{
    return '"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + '"';
}

void TsqlDialect::adaptToEngine(TokenList&) const {}

}  // namespace db
