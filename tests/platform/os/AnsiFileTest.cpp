#include "platform/os/AnsiFile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST(AnsiFile, WritesAndReadsWindows1252)
{
    EXPECT_EQ(os::toAnsi("ñáó€Ü"), QByteArray("\xF1\xE1\xF3\x80\xDC"));
    EXPECT_EQ(os::fromAnsi("\xF1\xE1\xF3\x80\xDC"), QString("ñáó€Ü"));
    EXPECT_EQ(os::toAnsi("a漢b"), QByteArray("a?b"));
}

TEST(AnsiFile, AppendCreatesThenAddsAndLinesSplitOnAnyEnd)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("log.txt");
    EXPECT_FALSE(os::readAnsiFile(path).has_value());
    ASSERT_TRUE(os::appendAnsiText(path, "uno\r\n"));
    ASSERT_TRUE(os::appendAnsiText(path, "dós\r\n"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("uno\r\nd\xF3s\r\n"));
    EXPECT_EQ(os::readAnsiLines(path), QStringList({"uno", "dós"}));

    ASSERT_TRUE(os::writeAnsiFile(path, "a\nb\rc"));
    EXPECT_EQ(os::readAnsiLines(path), QStringList({"a", "b", "c"}));
}

TEST(AnsiFile, AFileForItsOwnerOnlyIsCreatedAndKeptAt0600)
{
    const auto mode = [](const QString& path) {
        struct stat status {};
        return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0777u;
    };
    QTemporaryDir dir;
    const QString created = dir.filePath("created.txt");
    ASSERT_TRUE(os::appendAnsiText(created, "secret\r\n", os::Readers::OwnerOnly));
    EXPECT_EQ(mode(created), 0600u);

    const QString older = dir.filePath("older.txt");
    ASSERT_TRUE(os::appendAnsiText(older, "one\r\n"));
    ASSERT_EQ(::chmod(QFile::encodeName(older).constData(), 0644), 0);
    ASSERT_TRUE(os::appendAnsiText(older, "two\r\n", os::Readers::OwnerOnly));
    EXPECT_EQ(mode(older), 0600u) << "a file written before with wider rights is narrowed";
    EXPECT_EQ(os::readAnsiLines(older), QStringList({"one", "two"}));
}
