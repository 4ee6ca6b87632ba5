#include "platform/os/XlsxSheet.h"

#include "platform/Variant.h"
#include "platform/os/SpreadsheetReader.h"

#include <QDir>
#include <QFile>
#include <QXmlStreamReader>

#include <unzip.h>

#include <memory>
#include <optional>
#include <utility>

namespace os {

namespace {

using namespace Qt::StringLiterals;

const QString kWorkbook = QStringLiteral("xl/workbook.xml");
const QString kWorkbookRelations = QStringLiteral("xl/_rels/workbook.xml.rels");
const QString kSharedStrings = QStringLiteral("xl/sharedStrings.xml");
const QString kUsualFirstSheet = QStringLiteral("xl/worksheets/sheet1.xml");

// Excel's limits; a reference past them is not a cell.
constexpr int kMaxRows = 1048576;
constexpr int kMaxColumns = 16384;

struct CellPlace {
    int row = 0;
    int column = 0;
};

constexpr int kIgnoreCase = 2;

struct ArchiveCloser {
    void operator()(void* archive) const { unzClose(archive); }
};
using Archive = std::unique_ptr<void, ArchiveCloser>;

// A member of the archive; nothing when it is missing or damaged.
std::optional<QByteArray> member(const Archive& archive, const QString& name)
{
    if (unzLocateFile(archive.get(), name.toUtf8().constData(), kIgnoreCase) != UNZ_OK) return std::nullopt;
    if (unzOpenCurrentFile(archive.get()) != UNZ_OK) return std::nullopt;
    QByteArray content;
    char buffer[16384];
    int read = 0;
    while ((read = unzReadCurrentFile(archive.get(), buffer, sizeof buffer)) > 0) content.append(buffer, read);
    // Closing is where a member whose checksum does not match shows.
    const bool closed = unzCloseCurrentFile(archive.get()) == UNZ_OK;
    if (read < 0 || !closed) return std::nullopt;
    return content;
}

// The relationship id of the workbook's first <sheet>; its attribute is
// namespaced, and the namespace differs between transitional and strict files.
QString firstSheetId(const QByteArray& workbook)
{
    QXmlStreamReader xml(workbook);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"sheet") continue;
        for (const QXmlStreamAttribute& attribute : xml.attributes()) {
            if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty()) return attribute.value().toString();
        }
    }
    return {};
}

// The archive member a workbook relationship points at; targets are relative
// to xl/ unless they start with "/".
QString relationshipTarget(const QByteArray& relations, const QString& id)
{
    QXmlStreamReader xml(relations);
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement() || xml.name() != u"Relationship") continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value("Id"_L1) != id) continue;
        const QString target = attributes.value("Target"_L1).toString();
        return target.startsWith(u'/') ? target.mid(1) : QDir::cleanPath(QStringLiteral("xl/") + target);
    }
    return {};
}

// At an <si> or <is>: the text of its <t>, rich-text runs joined, phonetic hints left out.
QString readStringItem(QXmlStreamReader& xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t") text += xml.readElementText();
        else if (xml.name() == u"r") text += readStringItem(xml);
        else xml.skipCurrentElement();
    }
    return text;
}

QStringList sharedStrings(const QByteArray& table)
{
    QStringList strings;
    QXmlStreamReader xml(table);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == u"si") strings << readStringItem(xml);
    }
    return strings;
}

bool isColumnLetter(QChar c) { return c.toUpper() >= u'A' && c.toUpper() <= u'Z'; }

// "C7" as row 6, column 2.
std::optional<CellPlace> placeOf(QStringView reference)
{
    qsizetype at = 0;
    int column = 0;
    for (; at < reference.size() && isColumnLetter(reference[at]); ++at) {
        column = column * 26 + (reference[at].toUpper().unicode() - u'A' + 1);
        if (column > kMaxColumns) return std::nullopt;
    }
    bool isNumber = false;
    const int row = reference.mid(at).toInt(&isNumber);
    if (column == 0 || !isNumber || row < 1 || row > kMaxRows) return std::nullopt;
    return CellPlace{row - 1, column - 1};
}

// At a <c>: its text; nothing when it names a shared string the workbook lacks.
std::optional<QString> cellText(QXmlStreamReader& xml, const QStringList& strings)
{
    const QString type = xml.attributes().value("t"_L1).toString();
    QString value;
    QString inlineText;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"v") value = xml.readElementText();
        else if (xml.name() == u"is") inlineText = readStringItem(xml);
        else xml.skipCurrentElement();
    }
    if (type == u"inlineStr") return inlineText;
    if (type == u"b") return Variant(value.trimmed() == u"1").toText();
    if (type != u"s") return value;
    bool isIndex = false;
    const int index = value.toInt(&isIndex);
    if (!isIndex || index < 0 || index >= strings.size()) return std::nullopt;
    return strings[index];
}

void put(QVector<QStringList>& rows, CellPlace place, const QString& text)
{
    if (text.isEmpty()) return;
    if (rows.size() <= place.row) rows.resize(place.row + 1);
    QStringList& cells = rows[place.row];
    while (cells.size() <= place.column) cells << QString();
    cells[place.column] = text;
}

// The archive member of the first worksheet, or the usual one when the
// workbook does not say.
QString firstSheetMember(const Archive& archive)
{
    const auto workbook = member(archive, kWorkbook);
    const auto relations = member(archive, kWorkbookRelations);
    if (!workbook || !relations) return kUsualFirstSheet;
    const QString target = relationshipTarget(*relations, firstSheetId(*workbook));
    return target.isEmpty() ? kUsualFirstSheet : target;
}

int rowNumberOf(const QXmlStreamReader& xml, int previous)
{
    bool isNumber = false;
    const int row = xml.attributes().value("r"_L1).toInt(&isNumber);
    return isNumber && row >= 1 && row <= kMaxRows ? row - 1 : previous + 1;
}

}  // namespace

XlsxSheet::XlsxSheet(QString path) : path_(std::move(path)) {}

QVector<QStringList> XlsxSheet::rows() const
{
    const Archive archive(unzOpen64(QFile::encodeName(path_).constData()));
    if (!archive) fail(QStringLiteral("no es un libro .xlsx (no se puede abrir como zip)"));
    const auto sheet = member(archive, firstSheetMember(archive));
    if (!sheet) fail(QStringLiteral("el libro no tiene ninguna hoja que se pueda leer"));
    const auto strings = member(archive, kSharedStrings);
    return cells(*sheet, strings ? sharedStrings(*strings) : QStringList());
}

QVector<QStringList> XlsxSheet::cells(const QByteArray& sheet, const QStringList& strings) const
{
    QVector<QStringList> rows;
    QXmlStreamReader xml(sheet);
    CellPlace next{-1, 0};
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        if (xml.name() == u"row") {
            next = {rowNumberOf(xml, next.row), 0};
        } else if (xml.name() == u"c") {
            const QString reference = xml.attributes().value("r"_L1).toString();
            const CellPlace place = placeOf(reference).value_or(next);
            if (place.row < 0) fail(QStringLiteral("la hoja tiene una celda fuera de toda fila"));
            const auto text = cellText(xml, strings);
            if (!text) fail(QStringLiteral("la celda %1 remite a un texto que el libro no tiene").arg(reference));
            put(rows, place, *text);
            next = {place.row, place.column + 1};
        }
    }
    if (xml.hasError()) fail(QStringLiteral("la hoja está dañada (%1)").arg(xml.errorString()));
    return rows;
}

void XlsxSheet::fail(const QString& reason) const { throw unreadableSpreadsheet(path_, reason); }

}  // namespace os
