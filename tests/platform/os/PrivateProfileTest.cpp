#include "platform/os/AnsiFile.h"
#include "platform/os/PrivateProfile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

class PrivateProfile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(os::writeAnsiFile(path,
                                      "[General]\r\n"
                                      "Clave=primero\r\n"
                                      "[ pc01|jperez ]\r\n"
                                      "  FlatToolbars =  2  \r\n"
                                      "flattoolbars=3\r\n"
                                      "; Comentario=no\r\n"
                                      "Cita=\"  con blancos \"\r\n"
                                      "Igual=a=b\r\n"
                                      "Acento=Peñarol\r\n"
                                      "Vacia=\r\n"
                                      "[PC01|JPEREZ]\r\n"
                                      "SoloEnLaSegunda=x\r\n"));
    }

    QString read(const QString& section, const QString& key) const
    {
        return os::readProfileString(path, section, key, "defecto");
    }

    QTemporaryDir dir;
    QString path = dir.filePath("du000ra.ini");
};

TEST_F(PrivateProfile, NamesIgnoreCaseAndBlanks)
{
    EXPECT_EQ(read("PC01|JPEREZ", "FLATTOOLBARS"), "2");
    EXPECT_EQ(read("general", "clave"), "primero");
}

TEST_F(PrivateProfile, FirstOccurrenceWins)
{
    EXPECT_EQ(read("pc01|jperez", "FlatToolbars"), "2");
    EXPECT_EQ(read("pc01|jperez", "SoloEnLaSegunda"), "defecto");
}

TEST_F(PrivateProfile, ValuesKeepTheirTextWithoutEnclosingQuotes)
{
    EXPECT_EQ(read("pc01|jperez", "Cita"), "  con blancos ");
    EXPECT_EQ(read("pc01|jperez", "Igual"), "a=b");
    EXPECT_EQ(read("pc01|jperez", "Acento"), "Peñarol");
    EXPECT_EQ(read("pc01|jperez", "Vacia"), "");
}

TEST_F(PrivateProfile, MissingFileSectionOrKeyGivesTheDefault)
{
    EXPECT_EQ(os::readProfileString(dir.filePath("no.ini"), "General", "Clave", "d"), "d");
    EXPECT_EQ(read("Otra", "Clave"), "defecto");
    EXPECT_EQ(read("General", "Falta"), "defecto");
    EXPECT_EQ(read("pc01|jperez", "Comentario"), "defecto");
}
