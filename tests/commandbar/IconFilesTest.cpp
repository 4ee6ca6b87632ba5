#include "commandbar/IconFiles.h"
#include "platform/os/FolderListing.h"
#include "support/ProgramTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

class IconFilesTest : public ProgramTest {
protected:
    void Touch(const QString& path) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    QString ProgramPath(const QString& name) const { return programFolder() + "/" + name; }
};

}  // namespace

TEST_F(IconFilesTest, FindsTheThreeFilesOfAKeyIgnoringTheCaseOfTheirNames)
{
    Touch(ProgramPath("nuevo.PNG"));
    Touch(ProgramPath("NUEVO_over.png"));
    const IconFiles files = IconFiles::Find(os::FolderListing(programFolder() + "/"), " Nuevo ");
    EXPECT_EQ(files.normal, ProgramPath("nuevo.PNG"));
    EXPECT_EQ(files.hover, ProgramPath("NUEVO_over.png"));
    EXPECT_TRUE(files.disabled.isEmpty());
    EXPECT_TRUE(IconFiles::Find(os::FolderListing(programFolder()), "BORRAR").normal.isEmpty());
}

TEST_F(IconFilesTest, AnExistingImageFolderIsTakenAsGiven)
{
    ASSERT_TRUE(QDir(programFolder()).mkpath("iconos"));
    EXPECT_EQ(IconFiles::ResolveImageFolder(ProgramPath("iconos")), ProgramPath("iconos/"));
    EXPECT_EQ(IconFiles::ResolveImageFolder(ProgramPath("iconos/")), ProgramPath("iconos/"));
}

TEST_F(IconFilesTest, WithoutAnImageFolderTheProgramFoldersImgMenuIsFound)
{
    ASSERT_FALSE(QDir(QCoreApplication::applicationDirPath() + "/img_menu").exists());
    ASSERT_TRUE(QDir(programFolder()).mkpath("imagenes/img_menu"));
    EXPECT_EQ(IconFiles::ResolveImageFolder(ProgramPath("no-existe")), ProgramPath("imagenes/img_menu/"));
    ASSERT_TRUE(QDir(programFolder()).mkpath("img_menu"));
    EXPECT_EQ(IconFiles::ResolveImageFolder(""), ProgramPath("img_menu/"));
}

TEST_F(IconFilesTest, WithoutAnyImageSubfolderTheExecutablesFolderIsUsed)
{
    EXPECT_EQ(IconFiles::ResolveImageFolder(""), QCoreApplication::applicationDirPath() + "/");
}

TEST(IconFiles, TrailingSeparatorIsEnsuredAndBlankStaysEmpty)
{
    EXPECT_EQ(IconFiles::WithTrailingSeparator("/a/b"), "/a/b/");
    EXPECT_EQ(IconFiles::WithTrailingSeparator("/a/b/"), "/a/b/");
    EXPECT_EQ(IconFiles::WithTrailingSeparator("   "), "");
}
