#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// "EXEC[UTE] name [@parameter =] value, ..." runs a stored procedure of the
// suite. The other engines have no procedures: each offers a table function
// of the procedure's name, which takes the values in the order written.
//   EXEC dbo.sp1_getCfg @Campo = 'TEMA'  ->  SELECT * FROM dbo.sp1_getCfg('TEMA')
// Values are text literals, numbers (a sign allowed) or NULL. Refused: a
// variable as a value, OUTPUT parameters, and a kept return status (EXEC @r = ...).
bool isProcedureCall(const TokenList& statement);
TokenList procedureCallAsQuery(const TokenList& statement);

}  // namespace db
