#pragma once

#include <QList>
#include <QString>

#include <optional>
#include <utility>

namespace os {

// How the INI file's bytes are read: the suite's files are Windows-1252; the
// program's own are UTF-8, or Windows-1252 when not valid UTF-8.
enum class ProfileEncoding { Ansi, Utf8OrAnsi };

// An INI file as read: its sections and their keys, in the file's order.
class Profile {
public:
    // A key as the platform's private-profile read finds it: section and key
    // names ignore case and blanks around them, the first matching section
    // and the first matching key in it win, and a value keeps its text
    // without surrounding blanks or one pair of enclosing quotes. Nothing
    // when the section or the key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

private:
    friend std::optional<Profile> readProfile(const QString& path, ProfileEncoding encoding);

    struct Section {
        QString name;
        QList<std::pair<QString, QString>> keys;
    };
    QList<Section> sections_;
};

// The file at `path`; nothing when it cannot be read.
std::optional<Profile> readProfile(const QString& path, ProfileEncoding encoding = ProfileEncoding::Ansi);

// One key of the file, or `defaultValue` when the file, section or key is missing.
QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& defaultValue,
                          ProfileEncoding encoding = ProfileEncoding::Ansi);

}  // namespace os
