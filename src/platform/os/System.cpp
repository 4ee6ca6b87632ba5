#include "platform/os/System.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>

namespace os {

QString environment(const QString& name) { return qEnvironmentVariable(name.toLocal8Bit().constData()); }

QString computerName() { return QSysInfo::machineHostName(); }

QString userName()
{
    for (const char* variable : {"USERNAME", "USER", "LOGNAME"}) {
        const QString value = environment(variable);
        if (!value.isEmpty()) return value;
    }
    return {};
}

QString tempFolder()
{
    for (const char* variable : {"TEMP", "TMP", "TMPDIR"}) {
        const QString value = environment(variable);
        if (!value.isEmpty()) return QDir::cleanPath(value);
    }
    return "/tmp";
}

QString programFolder() { return programFolderFor(executableFolder()); }

QString programFolderFor(const QString& executableFolder)
{
    const QString configured = environment(kProgramFolderVariable);
    if (!configured.isEmpty()) return QDir::cleanPath(QDir(configured).absolutePath());
    // An installed program never writes beside its executable, not even
    // where it could (as root, or on a writable /usr).
    const bool installed = QFileInfo(templateFolderFor(executableFolder)).isDir();
    if (!installed && QFileInfo(executableFolder).isWritable()) return executableFolder;
    return userProgramFolder();
}

QString userProgramFolder()
{
    return joinPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation), kUserFolderName);
}

QString templateFolderFor(const QString& executableFolder)
{
    return QDir::cleanPath(joinPath(executableFolder, EQUIV_PLANTILLAS_DESDE_BIN));
}

void prepareProgramFolder(const QString& folder, const QString& templateFolder)
{
    QDir().mkpath(folder);
    const QDir templates(templateFolder);
    for (const QString& name : templates.entryList(QDir::Files)) {
        const QString copy = findFileIgnoringCase(folder, name);
        if (QFileInfo::exists(copy) || !QFile::copy(templates.filePath(name), copy)) continue;
        // The package's files are read-only; the user's copies are the user's to change.
        QFile::setPermissions(copy, QFile::permissions(copy) | QFileDevice::WriteOwner);
    }
}

QString executableFolder()
{
    if (QCoreApplication::instance()) return QCoreApplication::applicationDirPath();
    return QFileInfo(QFile::symLinkTarget("/proc/self/exe")).absolutePath();
}

QString executablePath()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationFilePath()
                                        : QFile::symLinkTarget("/proc/self/exe");
}

QString executableName() { return QFileInfo(executablePath()).completeBaseName(); }

QString desktopFolder() { return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation)); }

QString joinPath(const QString& folder, const QString& name)
{
    if (folder.isEmpty()) return name;
    return folder.endsWith(u'/') ? folder + name : folder + u'/' + name;
}

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    const QString exact = joinPath(folder, name);
    if (QFileInfo::exists(exact)) return exact;
    const QStringList entries = QDir(folder).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return joinPath(folder, entry);
    }
    return exact;
}

}  // namespace os
