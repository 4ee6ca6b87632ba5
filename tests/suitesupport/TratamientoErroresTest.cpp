#include "platform/os/AnsiFile.h"
#include "support/ProgramTest.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

const ErrorVB kTypeMismatch(13, " Type mismatch ", "Equivalencias");

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class TratamientoErroresTest : public ProgramTest {
protected:
    QString logTemporal() const { return QDir(tempFolder()).filePath("VXERR.LOG"); }

    // The log's only line, split into its time stamp and the rest.
    std::pair<QDateTime, QByteArray> unicaLinea(const QString& path) const
    {
        const QByteArray bytes = bytesOf(path);
        EXPECT_TRUE(bytes.endsWith("\r\n"));
        EXPECT_EQ(bytes.count("\r\n"), 1) << bytes.toStdString();
        return {QDateTime::fromString(QString::fromLatin1(bytes.left(19)), "MM-dd-yyyy hh:mm:ss"), bytes.mid(19)};
    }
};

TEST_F(TratamientoErroresTest, ShowsTheErrorLogsTheAnswerAndReturnsIt)
{
    operador->answer(5);
    EXPECT_EQ(TratamientoErrores(kTypeMismatch, 18, "Cfg"), 5);

    ASSERT_EQ(operador->boxes().size(), 1);
    EXPECT_EQ(operador->boxes()[0].prompt, "Ha ocurrido el Siguiente Error (13) Type mismatch");
    EXPECT_EQ(operador->boxes()[0].title, "Equivalencias - Cfg Aviso al operador!!! - 2 ");
    EXPECT_EQ(operador->boxes()[0].buttons, 18);

    const auto [momento, resto] = unicaLinea(logTemporal());
    EXPECT_TRUE(momento.isValid());
    EXPECT_LE(std::abs(momento.secsTo(QDateTime::currentDateTime())), 120);
    EXPECT_EQ(resto,
              " Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (13) Type mismatch Respondio : Ignorar\r\n");
}

TEST_F(TratamientoErroresTest, WithoutRoutineTheTitleAndLineHaveNoRoutineText)
{
    operador->answer(3);
    EXPECT_EQ(TratamientoErrores(kTypeMismatch), 3);
    EXPECT_EQ(operador->boxes()[0].title, "Equivalencias Aviso al operador!!! - 2 ");
    EXPECT_EQ(operador->boxes()[0].buttons, kBotonesTratamiento);
    EXPECT_EQ(unicaLinea(logTemporal()).second,
              " Rutina:  Mensaje Ha ocurrido el Siguiente Error (13) Type mismatch Respondio : Abortar\r\n");
}

TEST_F(TratamientoErroresTest, NoPendingErrorShowsAndWritesNothing)
{
    EXPECT_EQ(TratamientoErrores(ErrorVB(), 18, "Cfg"), 0);
    EXPECT_TRUE(operador->boxes().isEmpty());
    EXPECT_FALSE(QFile::exists(logTemporal()));
}

TEST_F(TratamientoErroresTest, OkOnlyLeavesTheButtonNameEmpty)
{
    operador->answer(1);
    EXPECT_EQ(TratamientoErrores(kTypeMismatch, 0, "X"), 1);
    EXPECT_TRUE(unicaLinea(logTemporal()).second.endsWith(" Respondio : \r\n"));
}

TEST_F(TratamientoErroresTest, LogFolderIsTempThenTmpThenTheLibrarysFolder)
{
    QTemporaryDir temp, tmp;
    qputenv("TEMP", temp.path().toLocal8Bit());
    qputenv("TMP", tmp.path().toLocal8Bit());
    operador->answer(5);
    TratamientoErrores(kTypeMismatch, 18, "A");
    EXPECT_TRUE(QFile::exists(temp.filePath("VXERR.LOG")));

    qputenv("TEMP", "");
    operador->answer(5);
    TratamientoErrores(kTypeMismatch, 18, "B");
    EXPECT_TRUE(QFile::exists(tmp.filePath("VXERR.LOG")));

    qputenv("TMP", "");
    operador->answer(5);
    TratamientoErrores(kTypeMismatch, 18, "C");
    EXPECT_TRUE(QFile::exists(logTemporal()));  // TMPDIR, what the library gives
}

TEST_F(TratamientoErroresTest, EveryTreatedErrorAppendsOneLine)
{
    operador->answer(4);
    operador->answer(7);
    TratamientoErrores(kTypeMismatch, 18, "Uno");
    TratamientoErrores(ErrorVB(94, "Uso no válido de Null", "Equivalencias"), 4, "Dos");
    const QByteArray bytes = bytesOf(logTemporal());
    EXPECT_EQ(bytes.count("\r\n"), 2);
    EXPECT_TRUE(bytes.contains(
        " Rutina: - Uno Mensaje Ha ocurrido el Siguiente Error (13) Type mismatch Respondio : Reintentar\r\n"));
    EXPECT_TRUE(bytes.endsWith(
        " Rutina: - Dos Mensaje Ha ocurrido el Siguiente Error (94) Uso no v\xE1lido de Null Respondio : No\r\n"));
}

TEST_F(TratamientoErroresTest, TheDatabaseCopyWritesAccentsIntoTheProgramFolder)
{
    operador->answer(6);
    EXPECT_EQ(TratamientoErroresBaseDatos(kTypeMismatch, 4 + 16, "Cfg", ""), 6);
    EXPECT_EQ(operador->boxes()[0].title, "Equivalencias - Cfg Aviso al operador!!! - 5 ");
    EXPECT_FALSE(QFile::exists(logTemporal()));
    EXPECT_EQ(unicaLinea(QDir(programFolder()).filePath("VXERR.LOG")).second,
              " Rutina: - Cfg Mensaje Ha ocurrido el Siguiente Error (13) Type mismatch Respondi\xF3 : S\xED\r\n");
}

TEST_F(TratamientoErroresTest, TheDatabaseCopyHonoursItsErrorFile)
{
    const QString archivo = QDir(tempFolder()).filePath("errores-db.log");
    operador->answer(5);
    TratamientoErroresBaseDatos(kTypeMismatch, 18, "", archivo);
    EXPECT_EQ(unicaLinea(archivo).second,
              " Rutina:  Mensaje Ha ocurrido el Siguiente Error (13) Type mismatch Respondi\xF3 : Ignorar\r\n");
    EXPECT_EQ(TratamientoErroresBaseDatos(ErrorVB(), 18, "", archivo), 0);
}

TEST_F(TratamientoErroresTest, TheLibrarysTratarErrorIsTheSameTreatment)
{
    operador->answer(4);
    EXPECT_EQ(QvFunciones::TratarError(kTypeMismatch, "AbrirRecordset"), Respuesta::Reintentar);
    EXPECT_EQ(operador->boxes()[0].title, "Equivalencias - AbrirRecordset Aviso al operador!!! - 2 ");
    EXPECT_EQ(operador->boxes()[0].buttons, 18);
    EXPECT_TRUE(unicaLinea(logTemporal()).second.endsWith(" Respondio : Reintentar\r\n"));
}
