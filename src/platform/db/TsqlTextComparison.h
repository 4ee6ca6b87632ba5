#pragma once

#include "platform/db/TokenList.h"

namespace db {

// SQL Server compares texts without regard to case wherever they stand; other
// engines do so only where a column's own type or collation says so, and an
// expression such as LTRIM(RTRIM(col)) loses it. Every text literal on either
// side of a comparison operator gets `marker` after it (for example
// " COLLATE NOCASE"), which carries the comparison the suite expects.
void compareTextsWithoutCase(TokenList& statement, const TokenList& marker);

}  // namespace db
