#include "platform/os/PrivateProfile.h"

#include "platform/os/AnsiFile.h"

namespace os {

namespace {

QString unquoted(const QString& value)
{
    if (value.size() >= 2 && (value.front() == u'"' || value.front() == u'\'') && value.back() == value.front()) {
        return value.mid(1, value.size() - 2);
    }
    return value;
}

bool isSectionHeader(const QString& line) { return line.startsWith(u'['); }

QString sectionName(const QString& line)
{
    const auto close = line.indexOf(u']');
    return (close < 0 ? line.mid(1) : line.mid(1, close - 1)).trimmed();
}

}  // namespace

QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& defaultValue,
                          ProfileEncoding encoding)
{
    const auto lines = encoding == ProfileEncoding::Ansi ? readAnsiLines(path) : readUtf8OrAnsiLines(path);
    if (!lines) return defaultValue;

    const QString wantedSection = section.trimmed();
    const QString wantedKey = key.trimmed();
    bool inSection = false;
    bool sectionSeen = false;
    for (const QString& raw : *lines) {
        const QString line = raw.trimmed();
        if (isSectionHeader(line)) {
            if (sectionSeen) break;  // only the first matching section counts
            inSection = sectionName(line).compare(wantedSection, Qt::CaseInsensitive) == 0;
            sectionSeen = inSection;
            continue;
        }
        if (!inSection || line.startsWith(u';')) continue;
        const auto equals = line.indexOf(u'=');
        if (equals < 0) continue;
        if (line.left(equals).trimmed().compare(wantedKey, Qt::CaseInsensitive) == 0) {
            return unquoted(line.mid(equals + 1).trimmed());
        }
    }
    return defaultValue;
}

}  // namespace os
