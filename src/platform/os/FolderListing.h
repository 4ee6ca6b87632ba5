#pragma once

#include <QHash>
#include <QString>

namespace os {

// The files of one folder, listed once and then looked up by name with the
// case of the name ignored: a folder searched for many names is read once.
class FolderListing {
public:
    explicit FolderListing(const QString& folder);

    // The path of the file called `name`, the one spelt exactly so first;
    // empty when the folder holds no such file.
    QString findFile(const QString& name) const;

private:
    QString folder_;
    QHash<QString, QString> byExactName_;
    QHash<QString, QString> byLowerCaseName_;
};

}  // namespace os
