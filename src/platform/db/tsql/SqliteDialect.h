#pragma once

#include "platform/db/tsql/TsqlDialect.h"

namespace db {

// T-SQL for SQLite. ISNULL becomes IFNULL (in SQLite "x ISNULL" is an operator);
// LEFT, RIGHT and the "+" of unknown terms go to the functions that
// registerTsqlFunctions adds, which also provides GETDATE, LEN, DATALENGTH,
// CHARINDEX and SUBSTRING under their T-SQL names.
class SqliteDialect : public TsqlDialect {
protected:
    const FunctionNames& renamedFunctions() const override;
    QString additionFunction() const override;
    // The literal COLLATE NOCASE, the comparison registerTsqlFunctions gives T-SQL's meaning.
    TokenList comparedLiteral(const SqlToken& literal) const override;
    // One pattern looked for in several columns is matched in one call.
    void adaptToEngine(TokenList& statement) const override;
};

}  // namespace db
