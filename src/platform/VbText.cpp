#include "platform/VbText.h"

#include "platform/ErrorVB.h"

#include <QRegularExpression>
#include <QStringList>

#include <cmath>

namespace vb {

namespace {

constexpr QChar kBlank = u' ';

int firstNonBlank(const QString& s)
{
    int i = 0;
    while (i < s.size() && s[i] == kBlank) ++i;
    return i;
}

int endOfNonBlank(const QString& s)
{
    int i = s.size();
    while (i > 0 && s[i - 1] == kBlank) --i;
    return i;
}

void requireNonNegative(int value)
{
    if (value < 0) throw ErroresVB::argumentoNoValido();
}

}  // namespace

QString Trim(const QString& s)
{
    const int begin = firstNonBlank(s);
    return s.mid(begin, std::max(0, endOfNonBlank(s) - begin));
}

QString LTrim(const QString& s) { return s.mid(firstNonBlank(s)); }

QString RTrim(const QString& s) { return s.left(endOfNonBlank(s)); }

bool IsBlank(const QString& s) { return firstNonBlank(s) == s.size(); }

QString Left(const QString& s, int length)
{
    requireNonNegative(length);
    return s.left(length);
}

QString Right(const QString& s, int length)
{
    requireNonNegative(length);
    return s.right(length);
}

QString Mid(const QString& s, int start)
{
    if (start < 1) throw ErroresVB::argumentoNoValido();
    return s.mid(start - 1);
}

QString Mid(const QString& s, int start, int length)
{
    if (start < 1) throw ErroresVB::argumentoNoValido();
    requireNonNegative(length);
    return s.mid(start - 1, length);
}

int InStr(const QString& s, const QString& find, int start, Qt::CaseSensitivity cs)
{
    if (start < 1) throw ErroresVB::argumentoNoValido();
    if (start > s.size() + 1) return 0;
    if (find.isEmpty()) return start <= s.size() ? start : 0;
    return static_cast<int>(s.indexOf(find, start - 1, cs)) + 1;
}

int InStrText(const QString& s, const QString& find, int start) { return InStr(s, find, start, Qt::CaseInsensitive); }

int InStrRev(const QString& s, const QString& find, Qt::CaseSensitivity cs)
{
    if (find.isEmpty()) return s.size();
    return static_cast<int>(s.lastIndexOf(find, -1, cs)) + 1;
}

QString Replace(const QString& s, const QString& find, const QString& with, Qt::CaseSensitivity cs)
{
    if (find.isEmpty()) return s;
    QString result = s;
    return result.replace(find, with, cs);
}

QString ReplaceText(const QString& s, const QString& find, const QString& with)
{
    return Replace(s, find, with, Qt::CaseInsensitive);
}

bool SameText(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool ContainsText(const QString& s, const QString& find) { return s.contains(find, Qt::CaseInsensitive); }

double Val(const QString& s)
{
    QString compact;
    compact.reserve(s.size());
    for (QChar c : s) {
        if (c != kBlank && c != u'\t' && c != u'\n') compact.append(c);
    }
    static const QRegularExpression leadingNumber(QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?"));
    const auto match = leadingNumber.match(compact);
    if (!match.hasMatch()) return 0.0;
    QString number = match.captured(0);
    number.replace(u'd', u'e').replace(u'D', u'e');
    const double value = number.toDouble();
    if (!std::isfinite(value)) throw ErroresVB::desbordamiento();
    return value;
}

namespace {

// Digits grouped by thousands: "1", "12", "123", "1.234", "12.345.678".
bool validGrouping(const QStringList& groups)
{
    if (groups.first().isEmpty() || groups.first().size() > 3) return false;
    for (qsizetype i = 1; i < groups.size(); ++i) {
        if (groups[i].size() != 3) return false;
    }
    return true;
}

std::optional<QString> withoutThousands(const QString& integerPart, QChar separator)
{
    if (!integerPart.contains(separator)) return integerPart;
    const QStringList groups = integerPart.split(separator);
    if (!validGrouping(groups)) return std::nullopt;
    return groups.join(QString());
}

}  // namespace

std::optional<double> ParseNumber(const QString& text)
{
    QString s = Trim(text);
    QString sign;
    if (s.startsWith(u'-') || s.startsWith(u'+')) {
        sign = s.left(1);
        s = s.mid(1);
    }
    static const QRegularExpression shape(QStringLiteral("^[0-9.,]*[0-9][0-9.,]*$"));
    if (!shape.match(s).hasMatch()) return std::nullopt;

    const int dots = static_cast<int>(s.count(u'.'));
    const int commas = static_cast<int>(s.count(u','));
    QChar decimal;
    if (dots > 0 && commas > 0) {
        decimal = s.lastIndexOf(u'.') > s.lastIndexOf(u',') ? u'.' : u',';
    } else if (dots == 1 || commas == 1) {
        decimal = dots == 1 ? u'.' : u',';
    }
    QChar thousands = decimal == u'.' ? u',' : u'.';
    if (decimal.isNull()) thousands = dots > 1 ? u'.' : u',';

    QString integerPart = s;
    QString fraction;
    if (!decimal.isNull()) {
        if (s.count(decimal) != 1) return std::nullopt;
        const auto at = s.indexOf(decimal);
        integerPart = s.left(at);
        fraction = s.mid(at + 1);
    }
    if (integerPart.isEmpty() && fraction.isEmpty()) return std::nullopt;
    std::optional<QString> digits = integerPart.isEmpty() ? QString("0") : withoutThousands(integerPart, thousands);
    if (!digits) return std::nullopt;
    bool ok = false;
    const double value = (sign + *digits + "." + (fraction.isEmpty() ? QString("0") : fraction)).toDouble(&ok);
    if (!ok) return std::nullopt;
    return value;
}

QString NumberText(double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        return QString::number(static_cast<qint64>(value));
    }
    QString text = QString::number(value, 'g', 15);
    text.replace(u'e', u'E');
    return text;
}

namespace {

QDateTime withTwoDigitYearPivot(QDateTime value)
{
    // Two-digit years 00-29 are this century, 30-99 the last one.
    if (value.date().year() < 1930) value = value.addYears(100);
    return value;
}

}  // namespace

std::optional<QDateTime> ParseDate(const QString& text)
{
    const QString s = Trim(text);
    if (s.isEmpty()) return std::nullopt;
    static const QStringList fullYear{"d/M/yyyy H:mm:ss",
                                      "d/M/yyyy H:mm",
                                      "d/M/yyyy",
                                      "d-M-yyyy H:mm:ss",
                                      "d-M-yyyy",
                                      "yyyy-MM-dd HH:mm:ss.zzz",
                                      "yyyy-MM-dd HH:mm:ss",
                                      "yyyy-MM-ddTHH:mm:ss",
                                      "yyyy-MM-dd HH:mm",
                                      "yyyy-MM-dd",
                                      "yyyyMMdd"};
    for (const QString& format : fullYear) {
        const QDateTime value = QDateTime::fromString(s, format);
        if (value.isValid()) return value;
    }
    static const QStringList shortYear{"d/M/yy H:mm:ss", "d/M/yy H:mm", "d/M/yy"};
    for (const QString& format : shortYear) {
        const QDateTime value = QDateTime::fromString(s, format);
        if (value.isValid()) return withTwoDigitYearPivot(value);
    }
    return std::nullopt;
}

bool IsDate(const QString& s) { return ParseDate(s).has_value(); }

QString DateText(const QDateTime& value)
{
    if (value.time() == QTime(0, 0)) return value.toString("dd/MM/yyyy");
    return value.toString("dd/MM/yyyy HH:mm:ss");
}

}  // namespace vb
