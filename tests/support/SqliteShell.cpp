#include "support/SqliteShell.h"

#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

ShellRun runSqliteShell(const QStringList& arguments, const QByteArray& input)
{
    const QString shell = QStandardPaths::findExecutable("sqlite3");
    if (shell.isEmpty()) {
        ADD_FAILURE() << "the sqlite3 shell is installed by the Makefile";
        return {};
    }
    QProcess process;
    process.start(shell, arguments);
    process.write(input);
    process.closeWriteChannel();
    EXPECT_TRUE(process.waitForFinished(60000)) << "the shell did not end";
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}
