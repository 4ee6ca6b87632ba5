#include "platform/os/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
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
    EXPECT_EQ(os::programFolder(), QCoreApplication::applicationDirPath()) << "run where it was built";
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

namespace {

// An installed program's folders: <prefix>/bin and the package's templates
// under <prefix>/share.
struct InstalledLayout {
    QTemporaryDir prefix;
    QString bin() const { return prefix.filePath("bin"); }
    QString templates() const { return os::templateFolderFor(bin()); }
    InstalledLayout()
    {
        QDir().mkpath(bin());
        QDir().mkpath(templates());
    }
};

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

TEST(System, TheTemplatesOfAnInstalledProgramAreInItsPrefixsShareFolder)
{
    EXPECT_EQ(os::templateFolderFor("/usr/bin"), "/usr/share/equivalencias/plantilla");
    EXPECT_EQ(os::templateFolderFor("/opt/quro/bin"), "/opt/quro/share/equivalencias/plantilla");
}

TEST(System, AnInstalledProgramKeepsItsFilesInTheUsersDataFolder)
{
    Environment env;
    const InstalledLayout installed;
    QTemporaryDir home;
    env.set(os::kProgramFolderVariable, QByteArray());
    env.set("HOME", home.path().toLocal8Bit());
    env.set("XDG_DATA_HOME", QByteArray());
    EXPECT_EQ(os::programFolderFor(installed.bin()), home.filePath(".local/share/equivalencias"))
        << "even where it could write beside its executable";

    env.set("XDG_DATA_HOME", home.filePath("datos").toLocal8Bit());
    EXPECT_EQ(os::programFolderFor(installed.bin()), home.filePath("datos/equivalencias"));

    env.set(os::kProgramFolderVariable, home.filePath("elegida").toLocal8Bit());
    EXPECT_EQ(os::programFolderFor(installed.bin()), home.filePath("elegida")) << "the variable still wins";
}

TEST(System, APreparedProgramFolderGetsTheTemplatesItLacksAndKeepsItsOwnFiles)
{
    const InstalledLayout installed;
    writeFile(QDir(installed.templates()).filePath("du000ra.ini"), "[QuroGestion]\r\nAplicarSkinMDI=NO\r\n");
    writeFile(QDir(installed.templates()).filePath("servidores.ini"), "; plantilla\n");
    QFile::setPermissions(QDir(installed.templates()).filePath("du000ra.ini"),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    QTemporaryDir home;
    const QString folder = home.filePath("datos/equivalencias");
    QDir().mkpath(folder);
    writeFile(QDir(folder).filePath("SERVIDORES.INI"), "[LOCAL]\nmotor=sqlite\n");

    os::prepareProgramFolder(folder, installed.templates());

    EXPECT_EQ(readFile(QDir(folder).filePath("du000ra.ini")), "[QuroGestion]\r\nAplicarSkinMDI=NO\r\n");
    EXPECT_TRUE(QFile::permissions(QDir(folder).filePath("du000ra.ini")) & QFileDevice::WriteOwner)
        << "the user's copy is the user's to change";
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), (QStringList{"du000ra.ini", "SERVIDORES.INI"}));
    EXPECT_EQ(readFile(QDir(folder).filePath("SERVIDORES.INI")), "[LOCAL]\nmotor=sqlite\n");

    writeFile(QDir(folder).filePath("du000ra.ini"), "[QuroGestion]\r\nAplicarSkinMDI=SI\r\n");
    os::prepareProgramFolder(folder, installed.templates());
    EXPECT_EQ(readFile(QDir(folder).filePath("du000ra.ini")), "[QuroGestion]\r\nAplicarSkinMDI=SI\r\n");
}

TEST(System, AProgramFolderThatIsNotThereIsCreated)
{
    QTemporaryDir home;
    const QString folder = home.filePath(".local/share/equivalencias");
    os::prepareProgramFolder(folder, home.filePath("sin-plantillas"));
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(QDir(folder).isEmpty());
}
