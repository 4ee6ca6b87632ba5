#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The sqlite3 shell as an administrator runs it on a company file: SQLite
// alone, with nothing of the program registered.
struct ShellRun {
    int exitCode = -1;
    QByteArray output;
    QString errors;
};

// Runs the shell with `arguments` (the file first, then commands), giving it
// `input` as what is typed; fails the test when the shell is not installed.
ShellRun runSqliteShell(const QStringList& arguments, const QByteArray& input = {});
