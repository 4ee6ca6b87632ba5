#include "platform/os/AnsiFile.h"
#include "session/BasesRegistradas.h"
#include "support/ProgramTest.h"
#include "suitesupport/QvFunciones.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

class BasesRegistradasTest : public ProgramTest {
protected:
    QString ruta() const { return QDir(programFolder()).filePath("BASES.TXT"); }
    QByteArray bytes() const
    {
        QFile archivo(ruta());
        return archivo.open(QIODevice::ReadOnly) ? archivo.readAll() : QByteArray();
    }
};

TEST_F(BasesRegistradasTest, AConnectionIsNamedByDatabaseAndServerWithoutPort)
{
    EXPECT_EQ(BasesRegistradas::NombreConexion(" emp01 ", "srv1:1433"), "EMP01 / SRV1");
    EXPECT_EQ(BasesRegistradas::NombreConexion("Emp", "srv1\\quro"), "EMP / SRV1\\QURO");
    EXPECT_EQ(BasesRegistradas::ServidorSinPuerto(" srv1 :1433"), "SRV1");
}

TEST_F(BasesRegistradasTest, RecordsAreAppendedInTheSuitesFormat)
{
    const BasesRegistradas bases;
    EXPECT_FALSE(bases.existe());
    EXPECT_FALSE(bases.conexiones().has_value());
    bases.agregar({" EMP01 / SRV1 ", "emp01", "emp01", "emp01", "srv1:1433 "});
    bases.agregar({"PAÑOL / SRV2", "Pañol", "Pañol", "Pañol", "srv2"});
    const QByteArray esperado = "EMP01 / SRV1,emp01,emp01," + QvFunciones::Encriptar("emp01").toLatin1()
                                + ",srv1:1433\r\n" + "PA\xD1OL / SRV2,Pa\xF1ol,Pa\xF1ol,"
                                + QvFunciones::Encriptar("Pañol").toLatin1() + ",srv2\r\n";
    EXPECT_EQ(bytes(), esperado) << "Windows-1252, CR LF, fields trimmed, the password encoded";

    const auto conexiones = bases.conexiones();
    ASSERT_TRUE(conexiones.has_value());
    ASSERT_EQ(conexiones->size(), 2);
    EXPECT_EQ(conexiones->at(1).nombre, "PAÑOL / SRV2");
    EXPECT_EQ(conexiones->at(1).password, "Pañol");
    EXPECT_EQ(conexiones->at(0).servidor, "srv1:1433");
}

TEST_F(BasesRegistradasTest, AFileWhoseLastLineIsOpenGetsALineBreakFirst)
{
    writeProgramFile("BASES.TXT", "A / B,a,a,x,b");
    BasesRegistradas().agregar({"C / D", "c", "c", "c", "d"});
    EXPECT_EQ(bytes(), "A / B,a,a,x,b\r\nC / D,c,c," + QvFunciones::Encriptar("c").toLatin1() + ",d\r\n");
}

TEST_F(BasesRegistradasTest, ReadingFollowsTheSequentialInputRules)
{
    writeProgramFile("bases.txt", "  \"X / Y\" , x,x,"
                                      + QvFunciones::Encriptar("x") + ",y\r\n\r\n"
                                      "Z / W,z\r\nz," + QvFunciones::Encriptar("z") + ",w\r\n"
                                      "INCOMPLETO,i\r\n");
    const BasesRegistradas bases;
    EXPECT_TRUE(bases.ruta().endsWith("bases.txt")) << "the file is found whatever its case";
    const auto conexiones = bases.conexiones();
    ASSERT_TRUE(conexiones.has_value());
    ASSERT_EQ(conexiones->size(), 2) << "five fields make a record across lines; a short last one is left out";
    EXPECT_EQ(conexiones->at(0).nombre, "X / Y");
    EXPECT_EQ(conexiones->at(0).base, "x");
    EXPECT_EQ(conexiones->at(1).nombre, "Z / W");
    EXPECT_EQ(conexiones->at(1).login, "z");
    EXPECT_EQ(conexiones->at(1).password, "z");
    EXPECT_EQ(conexiones->at(1).servidor, "w");
}

TEST_F(BasesRegistradasTest, NamesAreFoundTrimmedAndWithTheirCase)
{
    writeProgramFile("BASES.TXT", "EMP01 / SRV1,emp01,emp01,x,srv1\r\n");
    const BasesRegistradas bases;
    ASSERT_TRUE(bases.buscar("  EMP01 / SRV1 ").has_value());
    EXPECT_EQ(bases.buscar("EMP01 / SRV1")->servidor, "srv1");
    EXPECT_FALSE(bases.buscar("emp01 / srv1").has_value());
}

TEST_F(BasesRegistradasTest, TheFileOfAnotherProgramFolderCanBeNamed)
{
    QTemporaryDir otra;
    ASSERT_TRUE(os::writeAnsiFile(otra.filePath("bases.txt"), "X / Y,x,x,x,y\r\n"));
    const BasesRegistradas bases = BasesRegistradas::EnCarpeta(otra.path());
    EXPECT_EQ(bases.ruta(), otra.filePath("bases.txt")) << "found whatever its case";
    ASSERT_TRUE(bases.conexiones().has_value());
    EXPECT_EQ(bases.conexiones()->size(), 1);
    EXPECT_FALSE(BasesRegistradas().existe()) << "the program folder's own is another file";
}

TEST_F(BasesRegistradasTest, TheFileIsCreatedReadableByItsOwnerOnly)
{
    BasesRegistradas().agregar({"EMP01 / SRV1", "emp01", "emp01", "emp01", "srv1"});
    struct stat datos {};
    ASSERT_EQ(::stat(QFile::encodeName(ruta()).constData(), &datos), 0);
    EXPECT_EQ(datos.st_mode & 0777, 0600u) << "its passwords are only encoded";
}
