#pragma once

#include "platform/db/tsql/TokenList.h"

#include <QHash>

namespace db {

// Upper-case T-SQL function name -> the name of the engine function to call.
using FunctionNames = QHash<QString, QString>;

// Renames the calls of functions the engine spells otherwise, and refuses
// calls of T-SQL functions that no engine here offers (CONVERT, DATEADD ...).
void adaptFunctionCalls(TokenList& statement, const FunctionNames& renamed);

}  // namespace db
