#include "platform/os/FolderListing.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FolderListing, IsReadOnceAndFindsFilesIgnoringCaseTheExactSpellingFirst)
{
    QTemporaryDir dir;
    for (const char* name : {"nuevo.PNG", "NUEVO_over.png", "nuevo_over.png"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("BORRAR.png"));
    const os::FolderListing listing(dir.path());
    QFile later(dir.filePath("GRABAR.png"));
    ASSERT_TRUE(later.open(QIODevice::WriteOnly));
    EXPECT_EQ(listing.findFile("NUEVO.png"), dir.filePath("nuevo.PNG"));
    EXPECT_EQ(listing.findFile("NUEVO_over.png"), dir.filePath("NUEVO_over.png"));
    EXPECT_EQ(listing.findFile("nuevo_over.png"), dir.filePath("nuevo_over.png"));
    EXPECT_EQ(listing.findFile("BORRAR.png"), "") << "a folder is no file";
    EXPECT_EQ(listing.findFile("GRABAR.png"), "") << "made after the listing";
    EXPECT_EQ(os::FolderListing(dir.filePath("no-existe")).findFile("NUEVO.png"), "");
}
