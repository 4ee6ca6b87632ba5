#include "commandbar/ModUtilVexBar.h"

#include "commandbar/BarThemes.h"
#include "commandbar/IconFiles.h"
#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/CommandLine.h"
#include "platform/os/PrivateProfile.h"
#include "platform/os/System.h"
#include "suitesupport/QvIni.h"
#include "suitesupport/QvSistema.h"

#include <QStringList>

#include <optional>

namespace ModUtilVexBar {

namespace {

// The platform's profile read fills a buffer of this many characters, its
// terminating null included.
constexpr int kProfileBuffer = 1024;
constexpr int kShortestSectionLine = 3;
constexpr double kStyleLimit = 100;
const QString kDefault = QStringLiteral("DEFAULT");
const QString kDefaultFont = QStringLiteral("Segoe UI");
const QString kStylesKey = QStringLiteral("Styles");
const QString kStylesSuffix = QStringLiteral("STYLES");
const QString kLastResortStyle = QStringLiteral("4");
const QString kImageSubfolder = QStringLiteral("img_menu/");

QString SettingsPath(const QString& file)
{
    if (file.contains(u'/') || file.contains(u'\\')) return file;
    return os::findFileIgnoringCase(os::programFolder(), file);
}

// The leading number of a text; nothing when it overflows.
std::optional<double> LeadingNumber(const QString& text)
{
    try {
        return vb::Val(text);
    } catch (const ErrorVB&) {
        return std::nullopt;
    }
}

bool HoldsStyleNumber(const QString& value)
{
    if (vb::IsBlank(value)) return false;
    const std::optional<double> number = LeadingNumber(value);
    return number && *number >= 0 && *number < kStyleLimit;
}

QString FirstStylesSection(const QString& file)
{
    const std::optional<QStringList> lines = os::readAnsiLines(SettingsPath(file));
    if (!lines) return {};
    for (const QString& raw : *lines) {
        const QString line = vb::Trim(raw);
        if (line.size() < kShortestSectionLine || !line.startsWith(u'[') || !line.endsWith(u']')) continue;
        const QString section = line.mid(1, line.size() - 2);
        if (section.toUpper().endsWith(kStylesSuffix)) return section;
    }
    return {};
}

QString UpperOr(const QString& given, const QString& present)
{
    const QString trimmed = vb::Trim(given);
    return (trimmed.isEmpty() ? present : trimmed).toUpper();
}

}  // namespace

QString ReadIniValue(const QString& file, const QString& section, const QString& key, const QString& defaultValue)
{
    if (vb::IsBlank(file)) return defaultValue;
    const QString value = os::readProfileString(SettingsPath(file), section, key, {}).left(kProfileBuffer - 1);
    return value.isEmpty() ? defaultValue : value;
}

QString BarUserName()
{
    const QString user = vb::Trim(os::userName());
    return user.isEmpty() ? kDefault : user;
}

QString BarDbName()
{
    const QString fromCommandLine = CommandLineValue(os::processCommandLine(), QStringLiteral("@dbname"));
    if (!fromCommandLine.isEmpty()) return fromCommandLine;
    for (const char* variable : {"KTQ_DBNAME", "GDBNAME", "DBNAME"}) {
        const QString value = vb::Trim(os::environment(variable));
        if (!value.isEmpty()) return value;
    }
    return kDefault;
}

QString CommandLineValue(const QString& line, const QString& key)
{
    const QString text = vb::Trim(line);
    const qsizetype found = text.indexOf(key, 0, Qt::CaseInsensitive);
    if (key.isEmpty() || found < 0) return {};
    QString value = vb::Trim(text.mid(found + key.size()));
    if (!value.startsWith(u'=')) return {};
    value = vb::Trim(value.mid(1).section(u';', 0, 0));
    if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"')) value = value.mid(1, value.size() - 2);
    return vb::Trim(value);
}

int ThemeFromSettings(const QString& user, const QString& db)
{
    const QString u = UpperOr(user, BarUserName());
    const QString d = UpperOr(db, BarDbName());
    const QString section = FindStylesSection(kSettingsFile, u, d);
    QString value = section.isEmpty() ? QString() : vb::Trim(ReadIniValue(kSettingsFile, section, kStylesKey, {}));
    if (value.isEmpty()) {
        const QString systemUser = QvSistema::NombreUsuarioSistema().toUpper();
        value = QvIni::LeerIni(kSettingsFile, systemUser + kStylesKey, kStylesKey, QStringLiteral("0"));
    }
    if (value.isEmpty()) value = vb::Trim(ReadIniValue(kSettingsFile, "UtilVexBar_" + d, "Estilo", {}));
    if (value.isEmpty()) value = kLastResortStyle;
    const std::optional<double> style = LeadingNumber(value);
    return style ? BarThemes::FromStyleNumber(*style) : BarThemes::kDefault;
}

QString FindStylesSection(const QString& file, const QString& user, const QString& db)
{
    const QString u = vb::Trim(user).toUpper();
    const QString d = vb::Trim(db).toUpper();
    const QString c = vb::Trim(os::computerName()).toUpper();
    QStringList candidates;
    if (!u.isEmpty()) candidates << u;
    if (!u.isEmpty() && !c.isEmpty()) candidates << c + "|" + u;
    if (!u.isEmpty() && !d.isEmpty()) candidates << u + "_" + d;
    if (!u.isEmpty() && !d.isEmpty() && !c.isEmpty()) candidates << c + "|" + u + "_" + d;
    if (!d.isEmpty()) candidates << d + "_" + d;
    for (const QString& candidate : candidates) {
        const QString section = candidate + kStylesKey;
        if (HoldsStyleNumber(ReadIniValue(file, section, kStylesKey, {}))) return section;
    }
    return FirstStylesSection(file);
}

QString CaptionFontName()
{
    const QString section = BarUserName().toUpper() + "_" + BarDbName().toUpper() + "Font";
    const QString name = vb::Trim(ReadIniValue(kSettingsFile, section, QStringLiteral("Font"), kDefaultFont));
    return name.isEmpty() ? kDefaultFont : name;
}

QString SystemImageFolder()
{
    const QString system =
        ReadIniValue(kSettingsFile, QStringLiteral("QuroGestion"), QStringLiteral("PathSistema"), os::programFolder());
    return IconFiles::WithTrailingSeparator(system) + kImageSubfolder;
}

}  // namespace ModUtilVexBar
