#include "platform/os/AnsiFile.h"
#include "session/RegistroTiempos.h"
#include "support/ProgramTest.h"

#include <QDir>

class RegistroTiemposTest : public ProgramTest {
protected:
    QString archivo() const { return QDir(programFolder()).filePath(kArchivoTiempos); }
};

TEST_F(RegistroTiemposTest, ACheckpointLineHasDateTextElapsedAndDetail)
{
    const QDateTime momento(QDate(2026, 3, 7), QTime(8, 5, 9));
    EXPECT_EQ(LineaTiempo(momento, "VerificaConexion fin", 1.23456F, {}),
              "2026-03-07 08:05:09 | PERF | VerificaConexion fin | 1.235s");
    EXPECT_EQ(LineaTiempo(momento, "VerificaConexion inicio", std::nullopt, "UltimoValor=Falso"),
              "2026-03-07 08:05:09 | PERF | VerificaConexion inicio | UltimoValor=Falso");
    EXPECT_EQ(LineaTiempo(momento, "VerificaConexion CfgMasUsadas", 0.0F, "   "),
              "2026-03-07 08:05:09 | PERF | VerificaConexion CfgMasUsadas | 0.000s");
}

TEST_F(RegistroTiemposTest, SwitchedOnEachCheckpointAppendsALine)
{
    EscribirTiempo("uno", -1, "detalle");
    EscribirTiempo("dos", SegundosDelDia(), {});
    const std::optional<QStringList> lineas = os::readAnsiLines(archivo());
    ASSERT_TRUE(lineas.has_value());
    ASSERT_EQ(lineas->size(), 2);
    EXPECT_TRUE(os::readAnsiFile(archivo())->endsWith("0.000s\r\n")) << "each line ends with CR LF";
    EXPECT_TRUE(lineas->at(0).endsWith(" | PERF | uno | detalle"));
    EXPECT_TRUE(lineas->at(1).endsWith(" | PERF | dos | 0.000s")) << lineas->at(1).toStdString();
}

TEST_F(RegistroTiemposTest, SwitchedOffNothingIsWritten)
{
    static_assert(!kRegistrarTiempos, "the start-up records no times unless switched on by hand");
    RegistraTiempo("VerificaConexion inicio", SegundosDelDia(), "UltimoValor=Falso");
    EXPECT_FALSE(QFile::exists(archivo()));
}

TEST(TiempoTranscurrido, BelowAHundredthIsZeroAndMidnightAddsADay)
{
    EXPECT_EQ(TiempoTranscurrido(SegundosDelDia()), 0.0F);
    const float ayer = TiempoTranscurrido(SegundosDelDia() + 10);
    EXPECT_GT(ayer, 86380.0F);
    EXPECT_LE(ayer, 86390.0F);
}
