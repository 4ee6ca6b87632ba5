#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// Small clause-level rewrites of a statement, each leaving literals alone.

// Variables (@name) and temporary tables or Access dates (#...) have no
// counterpart outside SQL Server: refused.
void refuseSessionObjects(const TokenList& statement);

// N'text' is plain 'text' elsewhere.
void dropNationalPrefixes(TokenList& statement);

// Locking hints such as "with(nolock)" are removed, blanks before them included;
// the other engines read without blocking anyway. Hints that change results
// (INDEX, FORCESEEK ...) are refused.
void removeTableHints(TokenList& statement);

// "DELETE <table> WHERE ..." gets the FROM that the other engines require.
// "DELETE <table> FROM <join>" and "DELETE TOP" are refused.
void addFromToDelete(TokenList& statement);

}  // namespace db
