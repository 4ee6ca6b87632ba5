#pragma once

#include <QString>
#include <QStringList>

// A program shortcut on the user's desktop: a freedesktop desktop entry.
namespace os {

struct DesktopShortcut {
    QString name;             // shown under the icon; also the file's name
    QString program;          // full path of the program started
    QStringList arguments;    // each handed to the program as one argument
    QStringList environment;  // "NAME=value" pairs set for the program
    QString icon;             // full path of the icon file
};

// The desktop folder + name + ".desktop".
QString desktopShortcutPath(const QString& name);
// The entry's Exec value: `env` with the environment when there is one, then
// the program and its arguments, each quoted and escaped as the format asks.
QString desktopExecLine(const DesktopShortcut& shortcut);
// Writes the entry (UTF-8, executable, so desktops trust it), creating the
// desktop folder when missing; false when it cannot be written.
bool writeDesktopShortcut(const QString& path, const DesktopShortcut& shortcut);

}  // namespace os
