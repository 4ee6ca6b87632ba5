#include "platform/ErrorVB.h"
#include "platform/os/SpreadsheetReader.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>
#include <zip.h>

#include <gtest/gtest.h>

#include <utility>

namespace {

using Rows = QVector<QStringList>;

QString writeBytes(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << path.toStdString();
    return path;
}

// A zip made member by member, for workbooks laid out as libxlsxwriter never does.
QString writeZip(const QTemporaryDir& dir, const QString& name, const QList<std::pair<QString, QByteArray>>& members)
{
    const QString path = dir.filePath(name);
    zipFile zip = zipOpen64(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    EXPECT_NE(zip, nullptr);
    for (const auto& [memberName, content] : members) {
        EXPECT_EQ(zipOpenNewFileInZip(zip, memberName.toUtf8().constData(), nullptr, nullptr, 0, nullptr, 0, nullptr,
                                      Z_DEFLATED, Z_DEFAULT_COMPRESSION),
                  ZIP_OK);
        EXPECT_EQ(zipWriteInFileInZip(zip, content.constData(), static_cast<unsigned>(content.size())), ZIP_OK);
        EXPECT_EQ(zipCloseFileInZip(zip), ZIP_OK);
    }
    EXPECT_EQ(zipClose(zip, nullptr), ZIP_OK);
    return path;
}

}  // namespace

TEST(SpreadsheetReader, ReadsOnlyTheFirstSheetOfAWorkbookWithEachCellInItsPlace)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("equivalencias.xlsx");
    lxw_workbook* workbook = workbook_new(QFile::encodeName(path).constData());
    lxw_worksheet* first = workbook_add_worksheet(workbook, "Equivalencias");
    lxw_worksheet* second = workbook_add_worksheet(workbook, "Otra");
    lxw_format* bold = workbook_add_format(workbook);
    format_set_bold(bold);

    worksheet_write_string(first, 0, 0, "Artículo", nullptr);
    worksheet_write_string(first, 0, 1, "Unidad", nullptr);
    char head[] = "Coef";
    char tail[] = "iciente";
    lxw_rich_string_tuple boldPart{bold, head};
    lxw_rich_string_tuple plainPart{nullptr, tail};
    lxw_rich_string_tuple* runs[] = {&boldPart, &plainPart, nullptr};
    worksheet_write_rich_string(first, 0, 2, runs, nullptr);
    worksheet_write_string(first, 1, 0, "A1", nullptr);
    worksheet_write_string(first, 1, 1, "KG", nullptr);
    worksheet_write_number(first, 1, 2, 2.5, nullptr);
    worksheet_write_boolean(first, 1, 4, 1, nullptr);
    worksheet_write_formula_num(first, 3, 0, "=C2*2", nullptr, 5);
    worksheet_write_number(first, 3, 2, 1e-5, nullptr);
    worksheet_write_blank(first, 5, 0, bold);
    worksheet_write_string(second, 0, 0, "no se lee", nullptr);
    ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);

    EXPECT_EQ(os::SpreadsheetReader::read(path), Rows({{"Artículo", "Unidad", "Coeficiente"},
                                                       {"A1", "KG", "2.5", "", "Verdadero"},
                                                       {},
                                                       {"5", "", "1E-05"}}));
}

TEST(SpreadsheetReader, FindsTheFirstSheetThroughTheWorkbooksRelationships)
{
    QTemporaryDir dir;
    const QByteArray workbook =
        R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"
             xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>
             <sheet name="Datos" sheetId="2" r:id="rId7"/><sheet name="Vieja" sheetId="1" r:id="rId1"/>
           </sheets></workbook>)";
    const QByteArray relations =
        R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">
             <Relationship Id="rId1" Target="worksheets/sheet1.xml"/>
             <Relationship Id="rId7" Target="/xl/worksheets/datos.xml"/></Relationships>)";
    const QByteArray strings =
        R"(<sst><si><t>KG</t></si><si><r><t xml:space="preserve">Ñan </t></r><r><t>dú</t></r><rPh><t>x</t></rPh></si></sst>)";
    // Rows and cells without references follow the previous ones.
    const QByteArray sheet =
        R"(<worksheet><sheetData>
             <row><c t="s"><v>1</v></c><c t="inlineStr"><is><r><t>en </t></r><r><t>línea</t></r></is></c></row>
             <row r="3"><c r="B3" t="s"><v>0</v></c><c t="b"><v>0</v></c></row>
           </sheetData></worksheet>)";
    const QString path = writeZip(dir, "libro.XLSX",
                                  {{"xl/workbook.xml", workbook},
                                   {"xl/_rels/workbook.xml.rels", relations},
                                   {"xl/sharedStrings.xml", strings},
                                   {"xl/worksheets/sheet1.xml", "<worksheet><sheetData><row r=\"1\"><c r=\"A1\" "
                                                                "t=\"inlineStr\"><is><t>no</t></is></c></row>"
                                                                "</sheetData></worksheet>"},
                                   {"xl/worksheets/datos.xml", sheet}});

    EXPECT_EQ(os::SpreadsheetReader::read(path), Rows({{"Ñan dú", "en línea"}, {}, {"", "KG", "Falso"}}));
}

TEST(SpreadsheetReader, CsvSeparatorIsTheFirstLinesSemicolonElseTabElseComma)
{
    QTemporaryDir dir;
    const auto read = [&](const QByteArray& bytes) { return os::SpreadsheetReader::read(writeBytes(dir, "h.csv", bytes)); };
    EXPECT_EQ(read("A1;2,5;3,5\r\nB2;1,25;0\r\n"), Rows({{"A1", "2,5", "3,5"}, {"B2", "1,25", "0"}}));
    EXPECT_EQ(read("A1\t2,5\nB2\t1;5\n"), Rows({{"A1", "2,5"}, {"B2", "1;5"}}));
    EXPECT_EQ(read("\"x;y\",z\nw;v,u\n"), Rows({{"x;y", "z"}, {"w;v", "u"}}));
    EXPECT_EQ(os::SpreadsheetReader::read(writeBytes(dir, "MAYUSCULAS.CSV", "a;b")), Rows({{"a", "b"}}));
}

TEST(SpreadsheetReader, CsvQuotesHoldSeparatorsQuotesAndLineBreaks)
{
    QTemporaryDir dir;
    const QString path =
        writeBytes(dir, "q.csv", "\"a;b\";\"di \"\"x\"\"\";\"l1\r\nl2\"\r\n\r\nfin;\nsin \"comillas\";\"\"\r\n;;\r\n\r\n");
    EXPECT_EQ(os::SpreadsheetReader::read(path),
              Rows({{"a;b", "di \"x\"", "l1\r\nl2"}, {}, {"fin", ""}, {"sin \"comillas\"", ""}}));
}

TEST(SpreadsheetReader, CsvIsUtf8WithOrWithoutBomElseWindows1252)
{
    QTemporaryDir dir;
    const Rows expected{{"Ñandú", "1"}};
    EXPECT_EQ(os::SpreadsheetReader::read(writeBytes(dir, "bom.csv", "\xEF\xBB\xBF\xC3\x91" "and\xC3\xBA;1")), expected);
    EXPECT_EQ(os::SpreadsheetReader::read(writeBytes(dir, "utf8.csv", "\xC3\x91" "and\xC3\xBA;1")), expected);
    EXPECT_EQ(os::SpreadsheetReader::read(writeBytes(dir, "ansi.csv", "\xD1" "and\xFA;1")), expected);
}

TEST(SpreadsheetReader, FailuresAreErrorVBNamingTheFile)
{
    QTemporaryDir dir;
    const auto failure = [](const QString& path) {
        try {
            os::SpreadsheetReader::read(path);
        } catch (const ErrorVB& error) {
            EXPECT_TRUE(error.descripcion.startsWith("No se puede leer el archivo " + path + ": "))
                << error.descripcion.toStdString();
            return error;
        }
        ADD_FAILURE() << "read " << path.toStdString();
        return ErrorVB();
    };
    EXPECT_EQ(failure(dir.filePath("falta.xlsx")).numero, ErroresVB::ArchivoNoEncontrado);
    EXPECT_EQ(failure(writeBytes(dir, "texto.xlsx", "A1;KG\r\n")).numero, ErroresVB::ErrorDeAccesoARuta);
    EXPECT_TRUE(failure(writeZip(dir, "vacio.xlsx", {{"otro.txt", "x"}})).descripcion.contains("ninguna hoja"));
    EXPECT_TRUE(failure(writeZip(dir, "roto.xlsx", {{"xl/worksheets/sheet1.xml", "<worksheet><row>"}}))
                    .descripcion.contains("dañada"));
    EXPECT_EQ(failure(writeBytes(dir, "hoja.ods", "x")).numero, ErroresVB::ArgumentoNoValido);
}
