#include "support/ProgramTest.h"
#include "suitesupport/QvDialogoArchivo.h"

using QvDialogoArchivoTest = ProgramTest;

TEST_F(QvDialogoArchivoTest, GivesTheChosenPathOrSaysItWasCancelled)
{
    QvDialogoArchivo dialogo;
    dialogo.setTitulo("Buscar Base de Datos");
    dialogo.setFiltro("Base de Datos de Microsoft Access |*.MDB");

    operador->answerOpenFile(QString("/datos/empresa.mdb"));
    EXPECT_TRUE(dialogo.Mostrar());
    EXPECT_EQ(dialogo.NombreArchivo(), "/datos/empresa.mdb");
    EXPECT_FALSE(dialogo.Cancelado());

    operador->answerOpenFile(std::nullopt);
    EXPECT_FALSE(dialogo.Mostrar());
    EXPECT_TRUE(dialogo.Cancelado());
    EXPECT_EQ(dialogo.NombreArchivo(), "");
    ASSERT_EQ(operador->boxes().size(), 2);
    EXPECT_EQ(operador->boxes()[0].title, "Buscar Base de Datos");
}
