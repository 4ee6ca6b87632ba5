#include "platform/db/tsql/SqliteDialect.h"

#include "platform/db/engines/SqliteFunctions.h"
#include "platform/db/tsql/TsqlLikeAny.h"
#include "platform/db/tsql/TsqlTableDefinitions.h"

namespace db {

const FunctionNames& SqliteDialect::renamedFunctions() const
{
    static const FunctionNames renamed = {
        {"ISNULL", "IFNULL"},
        {"LEFT", LeftFunction},
        {"RIGHT", RightFunction},
    };
    return renamed;
}

QString SqliteDialect::additionFunction() const { return AddFunction; }

TokenList SqliteDialect::comparedLiteral(const SqlToken& literal) const
{
    return {literal, SqlToken::blank(), SqlToken::word("COLLATE"), SqlToken::blank(), SqlToken::word("NOCASE")};
}

void SqliteDialect::adaptToEngine(TokenList& statement) const
{
    if (definesTables(statement)) {
        collateTextColumns(statement, QStringLiteral("NOCASE"));
        identityAsRowId(statement);
    }
    joinLikesOfOnePattern(statement, LikeAnyFunction);
}

std::unique_ptr<Dialect> makeSqliteDialect() { return std::make_unique<SqliteDialect>(); }

}  // namespace db
