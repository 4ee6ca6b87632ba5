#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// Text helpers with the semantics the suite's code was written against:
// positions are 1-based, "blank" means the space character only, and a
// position that cannot exist raises error 5 like the original runtime.
namespace vb {

QString Trim(const QString& s);
QString LTrim(const QString& s);
QString RTrim(const QString& s);
bool IsBlank(const QString& s);

QString Left(const QString& s, int length);
QString Right(const QString& s, int length);
QString Mid(const QString& s, int start);
QString Mid(const QString& s, int start, int length);

// 1-based position of `find` in `s` from `start`, 0 when absent.
int InStr(const QString& s, const QString& find, int start = 1, Qt::CaseSensitivity cs = Qt::CaseSensitive);
int InStrText(const QString& s, const QString& find, int start = 1);  // case ignored
int InStrRev(const QString& s, const QString& find, Qt::CaseSensitivity cs = Qt::CaseSensitive);

QString Replace(const QString& s, const QString& find, const QString& with, Qt::CaseSensitivity cs = Qt::CaseSensitive);
QString ReplaceText(const QString& s, const QString& find, const QString& with);  // case ignored

bool SameText(const QString& a, const QString& b);  // equal, case ignored
bool ContainsText(const QString& s, const QString& find);

// The leading-number rule: the number at the start of the text with "." as the
// decimal separator; blanks, tabs and line feeds inside it are skipped, and a
// text that does not start with a number gives 0.
double Val(const QString& s);

// A whole text read as a number, as an operator types it: blanks around it,
// an optional sign, and "." or "," as decimal separator. When both appear,
// the last one is the decimal separator and the other groups thousands.
std::optional<double> ParseNumber(const QString& s);

// Number as text the way the suite shows it: "." decimal, no exponent below
// 1E15, at most 15 significant digits, no trailing zeros.
QString NumberText(double value);

// Day-first dates as typed on the workstation ("31/12/2025", "31/12/25 10:30")
// and ISO dates as the databases return them.
std::optional<QDateTime> ParseDate(const QString& s);
bool IsDate(const QString& s);
QString DateText(const QDateTime& value);  // "dd/MM/yyyy", plus " hh:mm:ss" when there is a time

}  // namespace vb
