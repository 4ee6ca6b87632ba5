#include "commandbar/IconFiles.h"

#include "platform/VbText.h"
#include "platform/os/FolderListing.h"
#include "platform/os/System.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

namespace {

const QString kImageSubfolder = QStringLiteral("img_menu");

bool FolderExists(const QString& folder) { return !folder.isEmpty() && QFileInfo(folder).isDir(); }

// The first existing image sub-folder of a base folder.
QString ImageSubfolderOf(const QString& base)
{
    if (base.isEmpty()) return {};
    const QString root = IconFiles::WithTrailingSeparator(base);
    for (const QString& sub : {kImageSubfolder, "imagenes/" + kImageSubfolder, "images/" + kImageSubfolder}) {
        if (FolderExists(root + sub)) return root + sub + u'/';
    }
    return {};
}

QString ExecutableFolder() { return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString(); }

}  // namespace

IconFiles IconFiles::Find(const os::FolderListing& folder, const QString& key)
{
    const QString stem = vb::Trim(key).toUpper();
    return {folder.findFile(stem + ".png"), folder.findFile(stem + "_over.png"), folder.findFile(stem + "_dis.png")};
}

QString IconFiles::ResolveImageFolder(const QString& imageFolder)
{
    const QString configured = WithTrailingSeparator(imageFolder);
    if (FolderExists(configured)) return configured;
    // The program folder may be set apart from the executable's, and it is
    // where the suite keeps img_menu: sub-folders of both come before either
    // bare folder.
    const QString programFolder = os::programFolder();
    const QStringList bases{ExecutableFolder(), programFolder};
    for (const QString& base : bases) {
        const QString found = ImageSubfolderOf(base);
        if (!found.isEmpty()) return found;
    }
    for (const QString& base : bases) {
        if (FolderExists(base)) return WithTrailingSeparator(base);
    }
    return programFolder.isEmpty() ? QString() : WithTrailingSeparator(programFolder) + kImageSubfolder + u'/';
}

QString IconFiles::WithTrailingSeparator(const QString& folder)
{
    const QString trimmed = vb::Trim(folder);
    if (trimmed.isEmpty() || trimmed.endsWith(u'/')) return trimmed;
    return trimmed + u'/';
}
