#include "platform/os/System.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Sets environment variables for one test and puts them back afterwards.
class Environment {
public:
    void set(const char* name, const QByteArray& value)
    {
        if (!saved_.contains(name)) saved_.insert(name, qgetenv(name));
        if (value.isNull())
            qunsetenv(name);
        else
            qputenv(name, value);
    }
    ~Environment()
    {
        for (auto it = saved_.cbegin(); it != saved_.cend(); ++it) {
            if (it.value().isNull())
                qunsetenv(it.key().constData());
            else
                qputenv(it.key().constData(), it.value());
        }
    }

private:
    QHash<QByteArray, QByteArray> saved_;
};

}  // namespace

TEST(System, TempFolderTriesTempTmpTmpdirThenSlashTmp)
{
    Environment env;
    env.set("TEMP", "/a");
    env.set("TMP", "/b");
    env.set("TMPDIR", "/c");
    EXPECT_EQ(os::tempFolder(), "/a");
    env.set("TEMP", QByteArray());
    EXPECT_EQ(os::tempFolder(), "/b");
    env.set("TMP", QByteArray());
    EXPECT_EQ(os::tempFolder(), "/c");
    env.set("TMPDIR", QByteArray());
    EXPECT_EQ(os::tempFolder(), "/tmp");
}

TEST(System, UserNameFallsBackToUserAndLogname)
{
    Environment env;
    env.set("USERNAME", "jperez");
    env.set("USER", "otro");
    EXPECT_EQ(os::userName(), "jperez");
    env.set("USERNAME", QByteArray());
    EXPECT_EQ(os::userName(), "otro");
    env.set("USER", QByteArray());
    env.set("LOGNAME", "tercero");
    EXPECT_EQ(os::userName(), "tercero");
}

TEST(System, ProgramFolderCanBeNamedByTheEnvironment)
{
    Environment env;
    QTemporaryDir dir;
    env.set(os::kProgramFolderVariable, dir.path().toLocal8Bit());
    EXPECT_EQ(os::programFolder(), dir.path());
    env.set(os::kProgramFolderVariable, QByteArray());
    EXPECT_EQ(os::programFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(os::executableName(), "tests_platform");
}

TEST(System, SuiteFilesAreFoundWhateverTheirCase)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("DU000ra.INI"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    EXPECT_EQ(os::findFileIgnoringCase(dir.path(), "du000ra.ini"), dir.filePath("DU000ra.INI"));
    EXPECT_EQ(os::findFileIgnoringCase(dir.path(), "bases.txt"), dir.filePath("bases.txt"));
    EXPECT_FALSE(os::computerName().isEmpty());
}
