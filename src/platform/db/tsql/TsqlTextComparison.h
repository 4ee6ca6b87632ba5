#pragma once

#include "platform/db/tsql/TokenList.h"

#include <functional>

namespace db {

// Whether the token is a comparison operator (=, <>, !=, <, >, <=, >=).
bool isComparison(const SqlToken& token);

// SQL Server compares texts without regard to case wherever they stand; other
// engines do so only where a column's own type or collation says so, and an
// expression such as LTRIM(RTRIM(col)) loses it. Every text literal on either
// side of a comparison operator is replaced by what `compared` makes of it
// (for example the literal followed by " COLLATE NOCASE"). The "=" of an
// UPDATE's SET list assigns and compares nothing: its value stays as it is.
void compareTextsWithoutCase(TokenList& statement, const std::function<TokenList(const SqlToken&)>& compared);

}  // namespace db
