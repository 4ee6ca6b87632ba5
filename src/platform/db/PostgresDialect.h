#pragma once

#include "platform/db/TsqlDialect.h"

namespace db {

// T-SQL for PostgreSQL, whose schema gives text columns the case-insensitive
// collation "ci" and whose compat.sql adds LEN, DATALENGTH, GETDATE, CHARINDEX
// and TSQL_ADD. ISNULL becomes COALESCE; a compared literal loses its
// trailing blanks, which SQL Server ignores in comparisons; LIKE becomes a
// case-insensitive ILIKE under a deterministic collation, since PostgreSQL
// cannot match patterns under "ci"; [names] are quoted in lower case, the
// case of the unquoted names the schema creates; table definitions get
// PostgreSQL's names for SQL Server's types, text ones with the collation "ci".
class PostgresDialect : public TsqlDialect {
protected:
    const FunctionNames& renamedFunctions() const override;
    QString additionFunction() const override;
    TokenList comparedLiteral(const SqlToken& literal) const override;
    QString quotedName(const QString& name) const override;
    void adaptToEngine(TokenList& statement) const override;
};

}  // namespace db
