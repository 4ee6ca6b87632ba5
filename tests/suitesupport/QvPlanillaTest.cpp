#include "platform/ErrorVB.h"
#include "support/DatabaseTest.h"
#include "suitesupport/QvPlanilla.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace {

// One member of the .xlsx archive, as text.
QString member(const QString& archive, const QString& name)
{
    QProcess unzip;
    unzip.start("unzip", {"-p", archive, name});
    unzip.waitForFinished();
    return QString::fromUtf8(unzip.readAllStandardOutput());
}

}  // namespace

class QvPlanillaTest : public EveryEngineTest {};

TEST_P(QvPlanillaTest, WritesTitleHeaderAndTypedCellsThenOpensTheFile)
{
    seed(
        {"INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
         "VALUES ('A2', 'KG', 'GR', 1000, 1)",
         "INSERT INTO S_TA_EQUIV (IDARTICULO, IDUNIDAD, IDUNIDAD_EQUIV, COEFICIENTE, PARATODOS) "
         "VALUES ('A1', 'CJ', 'UN', 12.5, NULL)"});
    const QString path =
        QvPlanilla::ExportarPlanilla("SELECT * FROM S_TA_EQUIV ORDER BY IDARTICULO", connectionText(), "Velmora");

    EXPECT_TRUE(QFileInfo(path).fileName().startsWith("Velmora_"));
    EXPECT_EQ(QFileInfo(path).absolutePath(), tempFolder());
    EXPECT_EQ(escritorio->opened, QStringList{path});

    const QString strings = member(path, "xl/sharedStrings.xml");
    for (const char* text : {"Velmora", "ID", "IDARTICULO", "IDUNIDAD", "IDUNIDAD_EQUIV", "COEFICIENTE", "PARATODOS",
                             "A1", "CJ", "UN", "A2", "KG", "GR"}) {
        // PostgreSQL names result columns in lower case.
        EXPECT_TRUE(strings.contains(QString("<t>%1</t>").arg(text), Qt::CaseInsensitive)) << text;
    }
    const QString sheet = member(path, "xl/worksheets/sheet1.xml");
    EXPECT_TRUE(sheet.contains(QRegularExpression("<c r=\"E4\"[^>]*><v>12.5</v></c>"))) << sheet.toStdString();
    EXPECT_TRUE(sheet.contains(QRegularExpression("<c r=\"E5\"[^>]*><v>1000</v></c>")));
    EXPECT_TRUE(sheet.contains(QRegularExpression("<c r=\"F5\"[^>]*><v>1</v></c>")));
    EXPECT_FALSE(sheet.contains("r=\"F4\"")) << "a Null leaves the cell empty";
    EXPECT_TRUE(sheet.contains(QRegularExpression("<c r=\"A1\"[^>]*t=\"s\"")));
    EXPECT_TRUE(member(path, "xl/workbook.xml").contains("name=\"Velmora\""));
}

TEST_P(QvPlanillaTest, AStatementWithoutRowsIsAFailureForTheCaller)
{
    EXPECT_THROW(QvPlanilla::ExportarPlanilla("SELECT * FROM NO_EXISTE", connectionText(), "X"), ErrorVB);
    EXPECT_TRUE(escritorio->opened.isEmpty());
}

ON_EVERY_ENGINE(QvPlanillaTest);
