#include "platform/os/DesktopShortcut.h"

#include "platform/os/System.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace os {

namespace {

// An argument of the Exec key: quoted when it holds anything but plain
// characters, with '"', '`', '$' and '\' escaped inside the quotes.
QString execArgument(const QString& argument)
{
    static const QString plain = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789/._-+,:@=";
    const bool needsQuotes =
        argument.isEmpty() || std::any_of(argument.begin(), argument.end(), [](QChar c) { return !plain.contains(c); });
    QString text = argument;
    text.replace(u'%', "%%");
    if (!needsQuotes) return text;
    QString quoted;
    for (const QChar c : text) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') quoted += u'\\';
        quoted += c;
    }
    return '"' + quoted + '"';
}

// A string value of a desktop entry escapes its own backslashes and line breaks.
QString entryValue(const QString& value)
{
    QString escaped = value;
    escaped.replace(u'\\', "\\\\").replace(u'\n', "\\n").replace(u'\r', "\\r").replace(u'\t', "\\t");
    return escaped;
}

}  // namespace

QString desktopShortcutPath(const QString& name) { return joinPath(desktopFolder(), name + ".desktop"); }

QString desktopExecLine(const DesktopShortcut& shortcut)
{
    QStringList words;
    if (!shortcut.environment.isEmpty()) words << "env" << shortcut.environment;
    words << shortcut.program << shortcut.arguments;
    QStringList quoted;
    for (const QString& word : words) quoted << execArgument(word);
    return quoted.join(u' ');
}

bool writeDesktopShortcut(const QString& path, const DesktopShortcut& shortcut)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    const QString entry = "[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=" + entryValue(shortcut.name) + "\n"
                          "Exec=" + entryValue(desktopExecLine(shortcut)) + "\n"
                          "Icon=" + entryValue(shortcut.icon) + "\n"
                          "Terminal=false\n";
    file.write(entry.toUtf8());
    if (!file.commit()) return false;
    return QFile::setPermissions(
        path, QFile::permissions(path) | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther);
}

}  // namespace os
