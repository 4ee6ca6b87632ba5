#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// Folds "IF [NOT] EXISTS (query) statement" into the statement itself, since
// the other engines have no IF outside procedures:
//   IF NOT EXISTS (q) INSERT INTO t (c) VALUES (v)
//     -> INSERT INTO t (c) SELECT v WHERE NOT EXISTS (q)
//   IF EXISTS (q) UPDATE t SET ... [WHERE w]
//     -> UPDATE t SET ... WHERE EXISTS (q) [AND (w)]        (DELETE alike)
// Any other IF (no EXISTS, BEGIN blocks, ELSE, INSERT ... SELECT) is refused.
TokenList foldExistsCondition(const TokenList& ifStatement);

}  // namespace db
