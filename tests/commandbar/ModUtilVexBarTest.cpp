#include "commandbar/ModUtilVexBar.h"
#include "platform/os/CommandLine.h"
#include "platform/os/System.h"
#include "support/ProgramTest.h"

#include <QFile>

#include <array>

namespace {

constexpr std::array<const char*, 6> kVariables{"USERNAME", "USER", "LOGNAME", "KTQ_DBNAME", "GDBNAME", "DBNAME"};

// User JPEREZ on data base EMPRESA, with none of the bar's variables set
// beyond the user's name.
class BarSettings : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            saved_[i] = qgetenv(kVariables[i]);
            qunsetenv(kVariables[i]);
        }
        qputenv("USERNAME", "jperez");
        os::setProcessCommandLine("; @server=SRV1; @dbname=EMPRESA; @usuario=ADMIN;");
    }
    void TearDown() override
    {
        for (std::size_t i = 0; i < kVariables.size(); ++i) {
            if (saved_[i].isNull())
                qunsetenv(kVariables[i]);
            else
                qputenv(kVariables[i], saved_[i]);
        }
        os::setProcessCommandLine({});
        ProgramTest::TearDown();
    }
    // A settings file of "[section] Styles=value" pairs, in order.
    void WriteStyles(const QList<QPair<QString, QString>>& sections) const
    {
        QString text;
        for (const auto& [section, value] : sections) text += "[" + section + "]\r\nStyles=" + value + "\r\n";
        writeProgramFile("du000ra.ini", text);
    }
    static QString Computer() { return os::computerName().toUpper(); }
    static int Theme() { return ModUtilVexBar::ThemeFromSettings({}, {}); }

private:
    std::array<QByteArray, kVariables.size()> saved_;
};

}  // namespace

TEST_F(BarSettings, TheUsersSectionsAreTriedFromTheWidestToTheNarrowest)
{
    QList<QPair<QString, QString>> sections{{Computer() + "|JPEREZ_EMPRESAStyles", "3"}};
    WriteStyles(sections);
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("du000ra.ini", "JPEREZ", "EMPRESA"),
              Computer() + "|JPEREZ_EMPRESAStyles");
    EXPECT_EQ(Theme(), 4);
    sections.prepend({"JPEREZ_EMPRESAStyles", "0"});
    WriteStyles(sections);
    EXPECT_EQ(Theme(), 1);
    sections.prepend({Computer() + "|JPEREZStyles", "4"});
    WriteStyles(sections);
    EXPECT_EQ(Theme(), 5);
    sections.append(QPair<QString, QString>("JPEREZStyles", "2"));
    WriteStyles(sections);
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("du000ra.ini", "jperez", "empresa"), "JPEREZStyles");
    EXPECT_EQ(Theme(), 3);
    EXPECT_EQ(ModUtilVexBar::ThemeFromSettings("otro", "empresa"), 5) << "another user takes the file's first section";
}

TEST_F(BarSettings, OnlyStylesFrom0To99Count)
{
    WriteStyles({{"JPEREZStyles", "150"}, {"JPEREZ_EMPRESAStyles", "7"}});
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("du000ra.ini", "JPEREZ", "EMPRESA"), "JPEREZ_EMPRESAStyles");
    EXPECT_EQ(Theme(), 2);
    WriteStyles({{"JPEREZStyles", "-1"}, {"JPEREZ_EMPRESAStyles", ""}, {"EMPRESA_EMPRESAStyles", "1"}});
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("du000ra.ini", "JPEREZ", "EMPRESA"), "EMPRESA_EMPRESAStyles");
    EXPECT_EQ(Theme(), 2);
}

TEST_F(BarSettings, WithoutASectionOfItsOwnTheFirstStylesSectionOfTheFileServes)
{
    writeProgramFile("du000ra.ini",
                     "[QuroGestion]\r\nPathSistema=/opt\r\n[ab]\r\n[ANA_EMP02Styles]\r\nStyles=2\r\n"
                     "[LUISStyles]\r\nStyles=3\r\n");
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("du000ra.ini", "JPEREZ", "EMPRESA"), "ANA_EMP02Styles");
    EXPECT_EQ(Theme(), 3);
    EXPECT_EQ(ModUtilVexBar::FindStylesSection("no-existe.ini", "JPEREZ", "EMPRESA"), "");
}

TEST_F(BarSettings, AUserNameOutsideAsciiIsFoundInTheSuitesEncoding)
{
    qputenv("USERNAME", QString("muñoz").toUtf8());
    WriteStyles({{"MUÑOZStyles", "3"}});
    QFile file(programFolder() + "/du000ra.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("MU\xD1OZ")) << "the file holds Windows-1252 bytes";
    EXPECT_EQ(Theme(), 4);
}

TEST_F(BarSettings, ABlankStyleFallsBackToTheBarsOwnSectionAndThenToStyle4)
{
    EXPECT_EQ(Theme(), 1) << "without a settings file the system user's style reads as 0";
    writeProgramFile("du000ra.ini", "[JPEREZStyles]\r\nStyles=\r\n[UtilVexBar_EMPRESA]\r\nEstilo= 3 \r\n");
    EXPECT_EQ(Theme(), 4);
    writeProgramFile("du000ra.ini", "[JPEREZStyles]\r\nStyles=\r\n");
    EXPECT_EQ(Theme(), 5);
    writeProgramFile("du000ra.ini", "[JPEREZStyles]\r\nStyles=9e999\r\n");
    EXPECT_EQ(Theme(), 2) << "a number too large for the program is no style";
}

TEST_F(BarSettings, UserAndDataBaseComeFromTheSystemTheCommandLineAndTheEnvironment)
{
    qputenv("USERNAME", " ana ");
    EXPECT_EQ(ModUtilVexBar::BarUserName(), "ana");
    qunsetenv("USERNAME");
    EXPECT_EQ(ModUtilVexBar::BarUserName(), "DEFAULT");
    EXPECT_EQ(ModUtilVexBar::BarDbName(), "EMPRESA");
    os::setProcessCommandLine("; @server=SRV1; @DBNAME = \" EMP01 \" ; @usuario=ADMIN;");
    EXPECT_EQ(ModUtilVexBar::BarDbName(), "EMP01");
    os::setProcessCommandLine("; @dbname EMP01;");
    qputenv("DBNAME", "tercera");
    qputenv("GDBNAME", " segunda ");
    EXPECT_EQ(ModUtilVexBar::BarDbName(), "segunda");
    qputenv("KTQ_DBNAME", "primera");
    EXPECT_EQ(ModUtilVexBar::BarDbName(), "primera");
    for (const char* variable : {"KTQ_DBNAME", "GDBNAME", "DBNAME"}) qunsetenv(variable);
    EXPECT_EQ(ModUtilVexBar::BarDbName(), "DEFAULT");
    EXPECT_EQ(ModUtilVexBar::CommandLineValue("@dbname=EMP;", ""), "");
    EXPECT_EQ(ModUtilVexBar::CommandLineValue("@dbname=EMP", "@dbname"), "EMP");
}

TEST_F(BarSettings, ValuesAreReadFromABareFileNameInTheProgramFolder)
{
    EXPECT_EQ(ModUtilVexBar::CaptionFontName(), "Segoe UI");
    EXPECT_EQ(ModUtilVexBar::SystemImageFolder(), programFolder() + "/img_menu/");
    writeProgramFile("DU000RA.INI", "[Uno]\r\nClave= valor \r\nVacia=\r\nLarga=" + QString(1500, u'x')
                                        + "\r\n[JPEREZ_EMPRESAFont]\r\nFont= DejaVu Serif \r\n[QuroGestion]\r\n"
                                          "PathSistema=/opt/quro\r\n");
    EXPECT_EQ(ModUtilVexBar::CaptionFontName(), "DejaVu Serif");
    EXPECT_EQ(ModUtilVexBar::SystemImageFolder(), "/opt/quro/img_menu/");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue("du000ra.ini", "uno", "CLAVE", "d"), "valor");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue(programFolder() + "/DU000RA.INI", "Uno", "Clave", "d"), "valor");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue("du000ra.ini", "Uno", "Vacia", "d"), "d");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue("du000ra.ini", "Uno", "Falta", "d"), "d");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue("  ", "Uno", "Clave", "d"), "d");
    EXPECT_EQ(ModUtilVexBar::ReadIniValue("du000ra.ini", "Uno", "Larga", "d").size(), 1023);
}
