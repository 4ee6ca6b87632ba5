#pragma once

#include <QString>

// What the program asks the operating system: names, environment, folders.
namespace os {

// Environment variable that names the program folder instead of the
// executable's own folder (tests and the demo set-up use it).
inline constexpr char kProgramFolderVariable[] = "EQUIV_CARPETA";

QString environment(const QString& name);
QString computerName();
// The signed-on user: USERNAME, else USER, else LOGNAME.
QString userName();
// TEMP, TMP, TMPDIR, then /tmp; without a trailing separator.
QString tempFolder();
// EQUIV_CARPETA when set, else the executable's folder; without a trailing separator.
QString programFolder();
// The executable's name without folder and extension.
QString executableName();
// The executable's full path.
QString executablePath();
// The signed-on user's desktop folder (XDG), without a trailing separator.
QString desktopFolder();
// `folder`/`name`, matching an existing file whose name differs only in case;
// the plain joined path when there is none.
QString findFileIgnoringCase(const QString& folder, const QString& name);
QString joinPath(const QString& folder, const QString& name);

}  // namespace os
