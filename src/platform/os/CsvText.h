#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

namespace os {

// Comma-separated text as spreadsheets write it (RFC 4180): fields in double
// quotes may hold separators, line breaks and doubled quotes; records end in
// CR LF or LF.
class CsvText {
public:
    // The separator of the first line: ";" when it has one outside quotes,
    // else a tab, else ","; ";" when it has none of them. ";" goes first
    // because Spanish spreadsheets write decimal commas in ";" files.
    static QChar separatorOf(QStringView text);

    // The records of the text; a blank line is a record without fields.
    static QVector<QStringList> parse(QStringView text);

    // The rows separated by ";", each ended by CR LF, quoted where a field
    // would otherwise be read back differently by parse().
    static QString format(const QVector<QStringList>& rows);
};

}  // namespace os
