#pragma once

class DB_Dll;

// What empresa.sql runs on PostgreSQL so that a search for a text anywhere in
// an article's description or code reads only the articles that may hold it:
// the extension pg_trgm, shipped with PostgreSQL, and trigram indexes of both
// columns folded by TSQL_LIKE_FOLD. It gives up quietly, leaving nothing,
// where the server lacks the extension or the login may not create it.
extern const char kIndicesTrigramas[];

// On a company on PostgreSQL, makes what a company made before them lacks:
// the folding function of compat.sql, which a LIKE on a column calls, and the
// trigram indexes; on other engines it does nothing. The first build of the
// indexes reads every article, however long it takes. Without them the
// searches read the table, as before, and the next sign-in tries again.
// False when something is still missing.
bool CrearIndicesTrigramas(DB_Dll& base);
