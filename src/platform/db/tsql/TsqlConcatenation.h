#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// T-SQL "+" joins texts and adds numbers; the other engines join texts with
// "||". Every chain of terms joined by "+" is judged by its terms:
//   - a text term (a literal, a text function such as LTRIM, LEFT or REPLACE,
//     ISNULL/COALESCE/NULLIF/CASE giving texts, CAST to a character type, a
//     parenthesised text) and no number term: every "+" becomes "||";
//   - only terms of unknown type (columns, other functions): the chain becomes
//     nested calls of `additionFunction`, which joins or adds row by row;
//   - a number term, or a "-" in the chain: "+" stays.
void rewriteAdditions(TokenList& statement, const QString& additionFunction);

// Whether the T-SQL function (its name in upper case) gives a text.
bool isTextFunction(const QString& name);

}  // namespace db
