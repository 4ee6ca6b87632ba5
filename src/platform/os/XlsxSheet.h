#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVector>

namespace os {

// The first worksheet of an .xlsx workbook as texts. Each cell goes to the
// row and column its reference names, so gaps stay empty texts; shared and
// inline strings (rich-text runs joined) are resolved, Booleans read
// "Verdadero"/"Falso", numbers and the cached results of formulas keep the
// text the file stores ("2.5", "1E-3").
// Failures raise ErrorVB naming the file.
class XlsxSheet {
public:
    explicit XlsxSheet(QString path);

    QVector<QStringList> rows() const;

private:
    QVector<QStringList> cells(const QByteArray& sheet, const QStringList& strings) const;
    [[noreturn]] void fail(const QString& reason) const;

    QString path_;
};

}  // namespace os
