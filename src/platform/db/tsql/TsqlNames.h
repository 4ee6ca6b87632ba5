#pragma once

#include "platform/db/tsql/TokenList.h"

#include <functional>

namespace db {

// Dotted object names reduced to what one database of the other engines knows:
// "dbo.T" and "dbo.T.C" lose the owner, and "<database>.dbo.T" or
// "<database>..T" lose database and owner when <database> is `database` (case
// ignored). A name in another database, or on a linked server
// (server.database.dbo.T), is refused.
void reduceObjectNames(TokenList& statement, const QString& database);

// [name] becomes the engine's quoted name, by default "name".
void quoteBracketedNames(TokenList& statement, const std::function<QString(const QString&)>& quoted);

}  // namespace db
