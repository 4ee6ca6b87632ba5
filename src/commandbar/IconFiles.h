#pragma once

#include <QString>

namespace os {
class FolderListing;
}

// Where an item's icon files are found: for key K in image folder F, the
// files K.png, K_over.png (under the mouse or active) and K_dis.png
// (disabled). File names are matched ignoring case.
class IconFiles {
public:
    QString normal;
    QString hover;
    QString disabled;

    // The files of `key` that exist in a listed image folder; a missing one stays empty.
    static IconFiles Find(const os::FolderListing& folder, const QString& key);

    // The image folder: `imageFolder` when it exists; otherwise the first
    // existing img_menu, imagenes/img_menu or images/img_menu under the
    // executable's folder, then under the program folder; then the
    // executable's folder itself, then the program folder; otherwise the
    // program folder's img_menu. Always with a trailing "/"; empty only when
    // no folder name can be made.
    static QString ResolveImageFolder(const QString& imageFolder);

    // `folder` with a trailing "/" ensured; a blank text stays empty.
    static QString WithTrailingSeparator(const QString& folder);
};
