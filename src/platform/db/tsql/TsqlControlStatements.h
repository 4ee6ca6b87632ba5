#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// Statements that steer the session rather than touch data. Both take a
// trimmed statement and refuse the forms that have no counterpart.

// SET NOCOUNT ON/OFF only changes what SQL Server reports, so it is dropped;
// any other SET option is refused.
void requireDroppableSetOption(const TokenList& statement);

// BEGIN/COMMIT/ROLLBACK TRAN[SACTION] as "BEGIN TRANSACTION", "COMMIT TRANSACTION"
// or "ROLLBACK TRANSACTION", texts that the other engines share.
bool isTransactionStatement(const TokenList& statement);
QString transactionStatement(const TokenList& statement);

}  // namespace db
