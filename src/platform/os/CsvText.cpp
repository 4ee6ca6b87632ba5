#include "platform/os/CsvText.h"

namespace os {

namespace {

constexpr QChar kQuote = u'"';
constexpr QChar kSemicolon = u';';
constexpr QChar kTab = u'\t';
constexpr QChar kComma = u',';

bool isLineEnd(QChar c) { return c == u'\r' || c == u'\n'; }

void skipLineEnd(QStringView text, qsizetype& at)
{
    if (at < text.size() && text[at] == u'\r') ++at;
    if (at < text.size() && text[at] == u'\n') ++at;
}

// One field from `at`, which is left on what follows it (a separator, a line
// end or the end of the text).
QString readField(QStringView text, qsizetype& at, QChar separator)
{
    QString field;
    if (at < text.size() && text[at] == kQuote) {
        for (++at; at < text.size(); ++at) {
            if (text[at] != kQuote) {
                field += text[at];
            } else if (at + 1 < text.size() && text[at + 1] == kQuote) {
                field += kQuote;
                ++at;
            } else {
                ++at;
                break;
            }
        }
    }
    // Text after a closing quote is kept, as spreadsheets do with such lines.
    while (at < text.size() && text[at] != separator && !isLineEnd(text[at])) field += text[at++];
    return field;
}

QStringList readRecord(QStringView text, qsizetype& at, QChar separator)
{
    QStringList record;
    if (isLineEnd(text[at])) {
        skipLineEnd(text, at);
        return record;
    }
    for (;;) {
        record << readField(text, at, separator);
        if (at >= text.size() || text[at] != separator) break;
        ++at;
    }
    skipLineEnd(text, at);
    return record;
}

QString firstLineOutsideQuotes(QStringView text)
{
    QString outside;
    bool inQuotes = false;
    for (const QChar c : text) {
        if (c == kQuote) inQuotes = !inQuotes;
        else if (!inQuotes && isLineEnd(c)) break;
        else if (!inQuotes) outside += c;
    }
    return outside;
}

bool needsQuotes(const QString& field)
{
    // A comma or a tab is quoted too, so that a first line without ";" is not
    // taken for a file with another separator.
    for (const QChar c : field) {
        if (c == kQuote || c == kSemicolon || c == kComma || c == kTab || isLineEnd(c)) return true;
    }
    return false;
}

QString quoted(const QString& field) { return kQuote + QString(field).replace(kQuote, QStringLiteral("\"\"")) + kQuote; }

QString formatRow(const QStringList& row)
{
    // A row of one empty field would read back as a blank line.
    if (row.size() == 1 && row.first().isEmpty()) return QStringLiteral("\"\"");
    QStringList fields;
    fields.reserve(row.size());
    for (const QString& field : row) fields << (needsQuotes(field) ? quoted(field) : field);
    return fields.join(kSemicolon);
}

}  // namespace

QChar CsvText::separatorOf(QStringView text)
{
    const QString firstLine = firstLineOutsideQuotes(text);
    for (const QChar candidate : {kSemicolon, kTab, kComma}) {
        if (firstLine.contains(candidate)) return candidate;
    }
    return kSemicolon;
}

QVector<QStringList> CsvText::parse(QStringView text)
{
    const QChar separator = separatorOf(text);
    QVector<QStringList> records;
    qsizetype at = 0;
    while (at < text.size()) records << readRecord(text, at, separator);
    return records;
}

QString CsvText::format(const QVector<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) text += formatRow(row) + QStringLiteral("\r\n");
    return text;
}

}  // namespace os
