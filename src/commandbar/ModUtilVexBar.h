#pragma once

#include <QString>

// The command bar's settings in the suite's shared settings file: the
// theme chosen per user, data base and workstation, the caption font and the
// suite's image folder. Reads never fail: what is missing or unreadable
// gives the default.
namespace ModUtilVexBar {

inline constexpr char kSettingsFile[] = "du000ra.ini";

// One key of a settings file; a bare file name is taken in the program
// folder (its case ignored), and a blank name or an empty value gives the default.
QString ReadIniValue(const QString& file, const QString& section, const QString& key, const QString& defaultValue);

// The signed-on user, trimmed; "DEFAULT" when there is none.
QString BarUserName();
// The data base of the command line's "@dbname", else of the variables
// KTQ_DBNAME, GDBNAME or DBNAME; "DEFAULT" when none names one.
QString BarDbName();
// The value after `key` (case ignored) in a command line: the text after
// "=" up to ";", trimmed and without enclosing double quotes; empty when
// the key is missing or no "=" follows it.
QString CommandLineValue(const QString& line, const QString& key);

// The theme 1 ... 5 for a user and a data base (blank: the present ones).
int ThemeFromSettings(const QString& user, const QString& db);
// The first section of `file` that holds the user's style: by user, by
// workstation and user, by user and data base, by workstation, user and
// data base, by data base; else the file's first "...Styles" section.
// Empty when there is none.
QString FindStylesSection(const QString& file, const QString& user, const QString& db);

// The caption font of the present user and data base; "Segoe UI" by default.
QString CaptionFontName();
// The suite's image folder: "img_menu" under the suite's system folder,
// or under the program folder when the settings name none.
QString SystemImageFolder();

}  // namespace ModUtilVexBar
