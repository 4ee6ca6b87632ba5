#include "support/ProgramTest.h"
#include "suitesupport/QvAplicacion.h"
#include "suitesupport/QvSistema.h"

using QvSistemaTest = ProgramTest;

TEST_F(QvSistemaTest, OpensTheTargetWithoutItsQuotes)
{
    EXPECT_TRUE(QvSistema::AbrirConSistema("\"/tmp/planilla.xlsx\"", 1));
    EXPECT_EQ(escritorio->opened, QStringList{"/tmp/planilla.xlsx"});
}

TEST_F(QvSistemaTest, NamesAndFoldersComeFromTheSystem)
{
    const QByteArray saved = qgetenv("USERNAME");
    qputenv("USERNAME", "jperez");
    EXPECT_EQ(QvSistema::NombreUsuarioSistema(), "jperez");
    if (saved.isNull())
        qunsetenv("USERNAME");
    else
        qputenv("USERNAME", saved);
    EXPECT_EQ(QvSistema::CarpetaTemporal(), tempFolder());
    EXPECT_FALSE(QvSistema::NombreEquipo().isEmpty());
    QvAplicacion::FijarCarpeta("/opt/quro/");
    EXPECT_EQ(QvAplicacion::Carpeta(), "/opt/quro/");
}
