#include "platform/os/FolderListing.h"

#include "platform/os/System.h"

#include <QDir>

namespace os {

FolderListing::FolderListing(const QString& folder) : folder_(folder)
{
    if (folder.isEmpty()) return;
    for (const QString& name : QDir(folder).entryList(QDir::Files | QDir::Hidden)) {
        byExactName_.insert(name, name);
        byLowerCaseName_.insert(name.toLower(), name);
    }
}

QString FolderListing::findFile(const QString& name) const
{
    QString found = byExactName_.value(name);
    if (found.isEmpty()) found = byLowerCaseName_.value(name.toLower());
    return found.isEmpty() ? QString() : joinPath(folder_, found);
}

}  // namespace os
