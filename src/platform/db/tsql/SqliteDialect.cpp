#include "platform/db/tsql/SqliteDialect.h"

#include "platform/db/engines/SqliteFunctions.h"

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

std::unique_ptr<Dialect> makeSqliteDialect() { return std::make_unique<SqliteDialect>(); }

}  // namespace db
