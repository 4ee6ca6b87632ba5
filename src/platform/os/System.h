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
// Folder of an installed program's own files inside the user's data folder.
inline constexpr char kUserFolderName[] = "equivalencias";

// The program folder of this process (see programFolderFor); without a trailing separator.
QString programFolder();
// The program folder of an executable in `executableFolder`: EQUIV_CARPETA
// when set; else that folder, when the program runs where it was built or
// copied and may write there; else, for an installed program or a folder it
// cannot write to, the user's own folder (userProgramFolder).
QString programFolderFor(const QString& executableFolder);
// $XDG_DATA_HOME/equivalencias, by default ~/.local/share/equivalencias.
QString userProgramFolder();
// Where a package puts the template files of a new program folder, for an
// executable installed in `executableFolder` (<prefix>/share/... beside
// <prefix>/bin). The folder exists only for an installed program.
QString templateFolderFor(const QString& executableFolder);
// Creates `folder` when missing and copies into it the templates of
// `templateFolder` that it lacks; files already there are left as they are.
void prepareProgramFolder(const QString& folder, const QString& templateFolder);
// The folder of this process's executable.
QString executableFolder();
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
