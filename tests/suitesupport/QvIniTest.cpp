#include "support/ProgramTest.h"
#include "suitesupport/QvIni.h"

using QvIniTest = ProgramTest;

TEST_F(QvIniTest, BareNamesAreReadFromTheProgramFolderWhateverTheirCase)
{
    writeProgramFile("DU000ra.INI", "[QuroGestion]\r\nAplicarSkinMDI=SI\r\n");
    EXPECT_EQ(QvIni::LeerIni("du000ra.ini", "quroGestion", "aplicarskinmdi", "NO"), "SI");
    EXPECT_EQ(QvIni::LeerIni("du000ra.ini", "QuroGestion", "PathSistema", "defecto"), "defecto");
    EXPECT_EQ(QvIni::LeerIni("otro.ini", "QuroGestion", "AplicarSkinMDI", "NO"), "NO");
}
