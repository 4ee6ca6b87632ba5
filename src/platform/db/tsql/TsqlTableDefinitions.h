#pragma once

#include "platform/db/tsql/TokenList.h"

namespace db {

// SQL Server's table definitions (CREATE and ALTER), as the other engines
// take them.

// Whether the statement defines or changes a table.
bool definesTables(const TokenList& statement);

// Gives every text column ("varchar(n)" and its kin) the collation, so that
// the engine compares its values without regard to case, as SQL Server does.
void collateTextColumns(TokenList& statement, const QString& collation);

// A column the database numbers, "int IDENTITY(1,1)": PostgreSQL's own
// identity column.
void identityAsGenerated(TokenList& statement);
// The same on SQLite: the column must be the primary key, which becomes the
// row id, "integer PRIMARY KEY AUTOINCREMENT", never reusing a number.
void identityAsRowId(TokenList& statement);

}  // namespace db
