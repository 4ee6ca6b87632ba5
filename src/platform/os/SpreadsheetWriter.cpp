#include "platform/os/SpreadsheetWriter.h"

#include "platform/ErrorVB.h"
#include "platform/os/CsvText.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <xlsxwriter.h>

#include <memory>

namespace os {

namespace {

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};

[[noreturn]] void fail(const QString& path, const QString& reason)
{
    throw ErrorVB(ErroresVB::ErrorDeAccesoARuta, QStringLiteral("No se puede escribir el archivo %1: %2").arg(path, reason),
                  QStringLiteral("SpreadsheetWriter"));
}

void check(const QString& path, lxw_error result)
{
    if (result != LXW_NO_ERROR) fail(path, QString::fromUtf8(lxw_strerror(result)));
}

void writeXlsx(const QString& path, const QVector<QStringList>& rows)
{
    std::unique_ptr<lxw_workbook, WorkbookCloser> workbook(workbook_new(QFile::encodeName(path).constData()));
    if (!workbook) fail(path, QStringLiteral("no se puede crear el libro"));
    lxw_worksheet* sheet = workbook_add_worksheet(workbook.get(), nullptr);
    for (int row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < rows[row].size(); ++column) {
            // An empty text stays an empty cell, as the reader gives it back.
            if (rows[row][column].isEmpty()) continue;
            const QByteArray text = rows[row][column].toUtf8();
            check(path, worksheet_write_string(sheet, static_cast<lxw_row_t>(row), static_cast<lxw_col_t>(column),
                                               text.constData(), nullptr));
        }
    }
    check(path, workbook_close(workbook.release()));
}

void writeCsv(const QString& path, const QVector<QStringList>& rows)
{
    QSaveFile file(path);
    const QByteArray bytes = "\xEF\xBB\xBF" + CsvText::format(rows).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        fail(path, file.errorString());
    }
}

}  // namespace

void SpreadsheetWriter::write(const QString& path, const QVector<QStringList>& rows)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"xlsx") writeXlsx(path, rows);
    else if (extension == u"csv") writeCsv(path, rows);
    else fail(path, QStringLiteral("solo se escriben planillas .xlsx o .csv"));
}

}  // namespace os
