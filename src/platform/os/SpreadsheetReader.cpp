#include "platform/os/SpreadsheetReader.h"

#include "platform/os/AnsiFile.h"
#include "platform/os/CsvText.h"
#include "platform/os/XlsxSheet.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace os {

namespace {

QVector<QStringList> csvRows(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) throw unreadableSpreadsheet(path, file.errorString());
    return CsvText::parse(fromUtf8OrAnsi(file.readAll()));
}

bool isBlank(const QStringList& row)
{
    return std::all_of(row.cbegin(), row.cend(), [](const QString& cell) { return cell.isEmpty(); });
}

void dropTrailingBlankRows(QVector<QStringList>& rows)
{
    while (!rows.isEmpty() && isBlank(rows.last())) rows.removeLast();
}

}  // namespace

QVector<QStringList> SpreadsheetReader::read(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists()) throw unreadableSpreadsheet(path, QStringLiteral("no existe"), ErroresVB::ArchivoNoEncontrado);
    const QString extension = file.suffix().toLower();
    if (extension != u"xlsx" && extension != u"csv") {
        throw unreadableSpreadsheet(path, QStringLiteral("solo se leen planillas .xlsx o .csv"),
                                    ErroresVB::ArgumentoNoValido);
    }
    QVector<QStringList> rows = extension == u"xlsx" ? XlsxSheet(path).rows() : csvRows(path);
    dropTrailingBlankRows(rows);
    return rows;
}

ErrorVB unreadableSpreadsheet(const QString& path, const QString& reason, long number)
{
    return ErrorVB(number, QStringLiteral("No se puede leer el archivo %1: %2").arg(path, reason),
                   QStringLiteral("SpreadsheetReader"));
}

}  // namespace os
