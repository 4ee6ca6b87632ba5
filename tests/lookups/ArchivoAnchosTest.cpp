#include "lookups/ArchivoAnchos.h"
#include "support/ProgramTest.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QFile>

// The column-width file CONSULTASLEN.VTX, byte by byte.
class ArchivoAnchosTest : public ProgramTest {
protected:
    QString path() const { return QDir(programFolder()).filePath("CONSULTASLEN.VTX"); }
    QByteArray bytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    ArchivoAnchos archivo() const { return ArchivoAnchos(programFolder()); }
};

TEST_F(ArchivoAnchosTest, AnEntryIsTwoQuotedFieldsInWindows1252EndedByCrLf)
{
    GrabarAnchosConsulta("V_TA_DEPÓSITO", "1529.188|1575.081|");
    EXPECT_EQ(bytes(), QByteArray("\"V_TA_DEP\xD3"
                                  "SITO\",\"1529.188|1575.081|\"\r\n"));
    EXPECT_EQ(archivo().AnchosDe("v_ta_depósito"), "1529.188|1575.081|");
}

TEST_F(ArchivoAnchosTest, SavingTwiceLeavesOneEntryLastAndKeepsTheOthersInOrder)
{
    writeProgramFile("CONSULTASLEN.VTX", "\"A\",\"1|\"\r\n\"B\",\"2|\"\r\n\"C\",\"3|\"\r\n");
    GrabarAnchosConsulta("b", "20|");
    GrabarAnchosConsulta("B", "21|");
    EXPECT_EQ(bytes(), QByteArray("\"A\",\"1|\"\r\n\"C\",\"3|\"\r\n\"B\",\"21|\"\r\n"));
    EXPECT_FALSE(QFile::exists(QDir(programFolder()).filePath("CONSULTASLEN.AUX")));
}

TEST_F(ArchivoAnchosTest, TheLastEntryOfATableWinsWhenTheFileHoldsSeveral)
{
    writeProgramFile("CONSULTASLEN.VTX", "\"A\",\"1|\"\r\n\"a\",\"2|\"\r\n");
    EXPECT_EQ(archivo().AnchosDe("A"), "2|");
    EXPECT_FALSE(archivo().AnchosDe("B").has_value());
}

TEST_F(ArchivoAnchosTest, ARewriteThatFailsLeavesTheFileAsItWas)
{
    writeProgramFile("CONSULTASLEN.VTX", "\"A\",\"1|\"\r\n");
    // The temporary file cannot be written where a folder of its name stands.
    ASSERT_TRUE(QDir(programFolder()).mkdir("CONSULTASLEN.AUX"));
    EXPECT_FALSE(archivo().Grabar("B", "2|"));
    GrabarAnchosConsulta("A", "9|");
    EXPECT_EQ(bytes(), QByteArray("\"A\",\"1|\"\r\n"));
}

TEST_F(ArchivoAnchosTest, WidthsAreReadWithEitherSeparatorAndAMalformedOneIsSkipped)
{
    const QVector<std::optional<double>> widths = ArchivoAnchos::Piezas("1529.188|1575,5|abc||10|");
    ASSERT_EQ(widths.size(), 5);
    EXPECT_DOUBLE_EQ(*widths[0], 1529.188);
    EXPECT_DOUBLE_EQ(*widths[1], 1575.5);
    EXPECT_FALSE(widths[2].has_value());
    EXPECT_FALSE(widths[3].has_value());
    EXPECT_DOUBLE_EQ(*widths[4], 10);
}

TEST_F(ArchivoAnchosTest, WidthsAreWrittenAsSinglePrecisionNumbersWithAPoint)
{
    EXPECT_EQ(ArchivoAnchos::Texto({1529.1875, 659.49438, 1440}), "1529.188|659.4944|1440|");
}
