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

bool sameName(const QString& a, const QString& b) { return a.compare(b.trimmed(), Qt::CaseInsensitive) == 0; }

}  // namespace

std::optional<QString> Profile::value(const QString& section, const QString& key) const
{
    for (const Section& candidate : sections_) {
        if (!sameName(candidate.name, section)) continue;
        // Only the first matching section counts.
        for (const auto& [name, value] : candidate.keys) {
            if (sameName(name, key)) return value;
        }
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Profile> readProfile(const QString& path, ProfileEncoding encoding)
{
    const auto lines = encoding == ProfileEncoding::Ansi ? readAnsiLines(path) : readUtf8OrAnsiLines(path);
    if (!lines) return std::nullopt;
    Profile profile;
    for (const QString& raw : *lines) {
        const QString line = raw.trimmed();
        if (isSectionHeader(line)) {
            profile.sections_.append({sectionName(line), {}});
            continue;
        }
        if (profile.sections_.isEmpty() || line.startsWith(u';')) continue;
        const auto equals = line.indexOf(u'=');
        if (equals < 0) continue;
        profile.sections_.last().keys.append({line.left(equals).trimmed(), unquoted(line.mid(equals + 1).trimmed())});
    }
    return profile;
}

QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& defaultValue,
                          ProfileEncoding encoding)
{
    const auto profile = readProfile(path, encoding);
    if (!profile) return defaultValue;
    return profile->value(section, key).value_or(defaultValue);
}

}  // namespace os
