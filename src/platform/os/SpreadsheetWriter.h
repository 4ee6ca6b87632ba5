#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

namespace os {

// Writes rows of texts to a spreadsheet file whose format follows its
// extension (case ignored), so that SpreadsheetReader reads them back as they
// were: .xlsx, every cell a text on the first sheet (an empty text is no cell,
// so a row's trailing empty texts do not come back); .csv, UTF-8 with a byte
// order mark (so that spreadsheets take it for UTF-8), ";" between fields and
// CR LF after each row. The file is replaced.
// Failures raise ErrorVB naming the file.
class SpreadsheetWriter {
public:
    static void write(const QString& path, const QVector<QStringList>& rows);
};

}  // namespace os
