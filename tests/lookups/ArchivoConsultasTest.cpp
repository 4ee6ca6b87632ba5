#include "lookups/ArchivoConsultas.h"
#include "lookups/Lib_ClsCons3.h"
#include "lookups/ModConsultas.h"
#include "platform/os/System.h"
#include "session/Sesion.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>

namespace {

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// The lookup definition file, byte by byte, and what the catalogue reads from it.
class ArchivoConsultasTest : public ProgramTest {
protected:
    void SetUp() override
    {
        ProgramTest::SetUp();
        DescartarConsulta();
        gConsulta().gRutaMascaraConsultas = definitions();
    }
    void TearDown() override
    {
        DescartarConsulta();
        ProgramTest::TearDown();
    }

    QString definitions() const { return QDir(programFolder()).filePath("consultas.vtx"); }

    static RegistroConsulta record(const QString& table, const QString& columns, const QString& condition = {})
    {
        return RegistroConsulta{"TITULO", table, columns, condition};
    }

    // The SELECT list and first column ColumnasConsulta gives for `table`.
    static QStringList columnsOf(const QString& table)
    {
        QString columns;
        QString first;
        ColumnasConsulta(table, columns, first);
        return {columns, first};
    }
};

TEST_F(ArchivoConsultasTest, ARecordIs1202BytesOfPaddedWindows1252FieldsEndedByCrLf)
{
    ArchivoConsultas(definitions())
        .Agregar({RegistroConsulta{"Artículos", "V_MA_ARTICULOS", "|DESCRIPCIÓN|", "X = 'ñ'"}});

    const QByteArray bytes = bytesOf(definitions());
    ASSERT_EQ(bytes.size(), 1202);
    EXPECT_EQ(bytes.left(100), QByteArray("Art\xED"
                                          "culos")
                                   .leftJustified(100, ' '));
    EXPECT_EQ(bytes.mid(100, 100), QByteArray("V_MA_ARTICULOS").leftJustified(100, ' '));
    EXPECT_EQ(bytes.mid(200, 500), QByteArray("|DESCRIPCI\xD3"
                                              "N|")
                                       .leftJustified(500, ' '));
    EXPECT_EQ(bytes.mid(700, 500), QByteArray("X = '\xF1'").leftJustified(500, ' '));
    EXPECT_EQ(bytes.right(2), QByteArray("\r\n"));
    EXPECT_EQ(ArchivoConsultas(definitions()).Registros().front().Titulo.trimmed(), "Artículos");
}

TEST_F(ArchivoConsultasTest, ATextLongerThanItsFieldIsCutToTheField)
{
    ArchivoConsultas(definitions()).Agregar({record(QString(120, u'T'), "|A|")});
    const QByteArray bytes = bytesOf(definitions());
    ASSERT_EQ(bytes.size(), 1202);
    EXPECT_EQ(bytes.mid(100, 100), QByteArray(100, 'T'));
    EXPECT_EQ(bytes.mid(200, 3), "|A|");
}

TEST_F(ArchivoConsultasTest, NewRecordsFollowTheLastWholeRecordAndAnEmptyFileGetsRecordOne)
{
    writeProgramFile("consultas.vtx", "");
    const ArchivoConsultas archivo(definitions());
    archivo.Agregar({record("T1", "|A|")});
    EXPECT_EQ(archivo.Registros().size(), 1);
    QFile file(definitions());
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("half a record");
    file.close();
    archivo.Agregar({record("T2", "|B|")});
    EXPECT_EQ(bytesOf(definitions()).size(), 2 * 1202) << "the broken tail is written over";
    EXPECT_EQ(archivo.Registros().size(), 2);
    EXPECT_TRUE(archivo.Registros()[1].EsDe("t2"));
}

TEST_F(ArchivoConsultasTest, KeysMatchTrimmedIgnoringCaseTheFirstMatchWinsAndUnwrittenRecordsMatchNothing)
{
    const ArchivoConsultas archivo(definitions());
    archivo.Agregar({record("V_TA_Tareas", "|PRIMERO|"), record("v_ta_tareas", "|SEGUNDO|")});
    EXPECT_EQ(archivo.Buscar("  V_TA_TAREAS ")->Columnas.trimmed(), "|PRIMERO|");

    RegistroConsulta unwritten = RegistroConsulta::Decodificado(QByteArray(1202, '\0'));
    EXPECT_FALSE(unwritten.EsDe(""));
    EXPECT_FALSE(archivo.Buscar("V_MA_ARTICULOS").has_value());
}

TEST_F(ArchivoConsultasTest, TheThreeSpellingsOfTheDefinitionFileAreOneFile)
{
    writeProgramFile("CONSULTAS.VTX", "");
    EXPECT_EQ(ArchivoConsultas(definitions()).Ruta(), QDir(programFolder()).filePath("CONSULTAS.VTX"));
    CrearConsultaDefecto("v_mv_tropa");
    EXPECT_EQ(QDir(programFolder()).entryList({"*.vtx", "*.VTX"}, QDir::Files).size(), 2)
        << "the definitions and the widths, one file each";
    EXPECT_TRUE(ArchivoConsultas(definitions()).Buscar("V_MV_TROPA").has_value());
}

TEST_F(ArchivoConsultasTest, TheDefaultsAreTheElevenRecordsInTheirOrder)
{
    CrearArchivoConsultas();
    const QVector<RegistroConsulta> records = ArchivoConsultas(definitions()).Registros();
    ASSERT_EQ(records.size(), 11);
    EXPECT_EQ(bytesOf(definitions()).size(), 11 * 1202);
    const QStringList tables{"V_MA_ARTICULOS",  "VT_CLIENTES",        "VT_PROVEEDORES",      "MA_CONTACTOS",
                             "V_TA_VENDEDORES", "V_TA_TECNICOS",      "V_MA_MANTENIMIENTOS", "MA_CUENTAS",
                             "V_TA_Tareas",     "V_TA_UnidadNegocio", "V_TA_DEPOSITO"};
    for (int i = 0; i < tables.size(); ++i) EXPECT_EQ(records[i].Tabla.trimmed(), tables[i]);
    EXPECT_EQ(records[0].Titulo.trimmed(), "ARTICULOS");
    EXPECT_EQ(records[0].Columnas.trimmed(), "|DESCRIPCION|IDARTICULO|");
    EXPECT_EQ(records[3].Columnas.trimmed(), "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|");
    EXPECT_TRUE(records[10].Condicion.trimmed().isEmpty());
}

TEST_F(ArchivoConsultasTest, ATropaDefaultIsWrittenOnceWithItsWidthsAndNothingForOtherTables)
{
    CrearConsultaDefecto("V_MA_ARTICULOS");
    EXPECT_FALSE(QFile::exists(definitions()));
    CrearConsultaDefecto("V_MV_TROPA_STOCK");
    const QVector<RegistroConsulta> records = ArchivoConsultas(definitions()).Registros();
    ASSERT_EQ(records.size(), 1);
    EXPECT_EQ(records[0].Titulo.trimmed(), "TROPA_STOCK");
    EXPECT_EQ(records[0].Columnas.trimmed(), "|idTropa|categoria|secuencia|lado|kg|comprador|fecha|idPlanilla|id|");
    EXPECT_EQ(bytesOf(QDir(programFolder()).filePath("CONSULTASLEN.VTX")),
              "\"V_MV_TROPA_STOCK\",\"1354.115|1079.327|1004.539|659.4944|1603.976|1575.081|1679.898|419.8328|"
              "419.8328|\"\r\n");
}

TEST_F(ArchivoConsultasTest, ColumnsComeFromTheRecordAndTheArticleViewsNameTheirTable)
{
    EXPECT_EQ(columnsOf("V_MA_ARTICULOS"), (QStringList{"*", ""})) << "no definition file";
    CrearArchivoConsultas();
    EXPECT_EQ(columnsOf("v_ma_articulos"),
              (QStringList{"V_MA_ARTICULOS.DESCRIPCION,V_MA_ARTICULOS.IDARTICULO", "V_MA_ARTICULOS.DESCRIPCION"}));
    EXPECT_EQ(columnsOf("VT_CLIENTES"), (QStringList{"RAZON_SOCIAL,CODIGO,CONTACTO", "RAZON_SOCIAL"}));
    EXPECT_EQ(columnsOf("V_TA_UNIDAD"), (QStringList{"*", ""})) << "no record of its own";
}

TEST_F(ArchivoConsultasTest, TheStockViewTakesTheArticleRecordWithItsDepositColumns)
{
    CrearArchivoConsultas();
    EXPECT_EQ(columnsOf("STK_MA_ARTICULOS"),
              (QStringList{"STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito",
                           "STK_MA_ARTICULOS.DESCRIPCION"}));
    gSesion().gMostrarStockenConsultas = true;
    EXPECT_EQ(columnsOf("STK_MA_ARTICULOS")[0],
              "STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito,Stock,PuntoPedido");

    ArchivoConsultas(definitions()).Agregar({record("STK_MA_ARTICULOS", "|IDARTICULO|")});
    gSesion().gMostrarStockenConsultas = false;
    EXPECT_EQ(columnsOf("STK_MA_ARTICULOS")[0], "STK_MA_ARTICULOS.DESCRIPCION,STK_MA_ARTICULOS.IDARTICULO,Deposito")
        << "the article record comes first in the file";
}

TEST_F(ArchivoConsultasTest, AStockRecordOfItsOwnIsUsedWithoutDepositColumnsAndOneColumnIsItsOwnFirst)
{
    ArchivoConsultas(definitions())
        .Agregar({record("STK_MA_ARTICULOS", "|IDARTICULO|"), record("V_MA_ARTICULOS", "|X|")});
    EXPECT_EQ(columnsOf("STK_MA_ARTICULOS"),
              (QStringList{"STK_MA_ARTICULOS.IDARTICULO", "STK_MA_ARTICULOS.IDARTICULO"}));
}
