#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// "(a LIKE 'p' OR b.c LIKE 'p')", one pattern looked for in several columns as
// the search boxes ask, becomes "(function('p', a, b.c))": a scan then calls
// the engine's LIKE once per row instead of once per column. Only a whole
// parenthesised group of plain columns and one literal pattern is joined, so
// that nothing around it (an AND, a NOT) changes what it applies to.
void joinLikesOfOnePattern(TokenList& statement, const QString& function);

}  // namespace db
