#pragma once

#include "platform/db/tsql/TokenList.h"

#include <vector>

namespace db {

// Cuts the tokens of a T-SQL batch into its statements by the rule stated in
// Dialect.h. Separators (";", the splitting line breaks, GO lines) are dropped;
// statements come back untrimmed and possibly blank.
std::vector<TokenList> splitBatch(const TokenList& batch);

}  // namespace db
