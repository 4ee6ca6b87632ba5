#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// "SELECT [DISTINCT] TOP n ..." becomes "SELECT [DISTINCT] ... LIMIT n", the
// LIMIT closing that same SELECT (a subquery's ends before its ")"). TOP (n) is
// read like TOP n, and TOP 100 PERCENT, which keeps every row, is just dropped.
// Refused: other PERCENT values, WITH TIES, a count that is not a number, TOP
// in a SELECT joined by UNION/EXCEPT/INTERSECT, and TOP after INSERT, UPDATE or DELETE.
void moveTopToLimit(TokenList& statement);

}  // namespace db
