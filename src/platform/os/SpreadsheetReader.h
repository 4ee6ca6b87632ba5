#pragma once

#include "platform/ErrorVB.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace os {

// The rows of a spreadsheet file as texts, chosen by the file's extension
// (case ignored): the first worksheet of an .xlsx workbook, or a .csv file
// (separator ";", "," or tab, taken from its first line; UTF-8 with or
// without a byte order mark, or Windows-1252 when not valid UTF-8).
// Rows keep their place: a row or cell left empty in the file is an empty
// row or an empty text; empty rows at the end are dropped.
// Failures (a missing file, a file that is not a workbook, a workbook
// without sheets, an unknown extension) raise ErrorVB naming the file.
class SpreadsheetReader {
public:
    static QVector<QStringList> read(const QString& path);
};

// "No se puede leer el archivo <path>: <reason>".
ErrorVB unreadableSpreadsheet(const QString& path, const QString& reason, long number = ErroresVB::ErrorDeAccesoARuta);

}  // namespace os
