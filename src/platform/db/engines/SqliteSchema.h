#pragma once

#include <QString>
#include <QStringList>

namespace db {

// Creates a SQLite database file from schema scripts, replacing a file that
// nothing has open (and the journal and log an old one left beside it), then
// gives every table the checks that SQL Server makes by itself: a text longer
// than its varchar(n) and a text in a numeric column are refused, with the
// messages SqliteEngine recognises.
void createSqliteDatabase(const QString& path, const QStringList& scripts);

}  // namespace db
