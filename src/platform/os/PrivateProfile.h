#pragma once

#include <QString>

namespace os {

// How the INI file's bytes are read: the suite's files are Windows-1252; the
// program's own are UTF-8, or Windows-1252 when not valid UTF-8.
enum class ProfileEncoding { Ansi, Utf8OrAnsi };

// Reads one key of an INI file as the platform's private-profile read does:
// section and key names ignore case and blanks around them, the first
// matching section and the first matching key in it win, a value keeps its
// text without surrounding blanks or one pair of enclosing quotes, and a
// missing file, section or key gives `defaultValue`.
QString readProfileString(const QString& path, const QString& section, const QString& key, const QString& defaultValue,
                          ProfileEncoding encoding = ProfileEncoding::Ansi);

}  // namespace os
