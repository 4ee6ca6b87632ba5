#include "platform/db/ServerList.h"

#include "platform/VbText.h"
#include "platform/os/System.h"

#include <QDir>

namespace db {

ServerList ServerList::read(const QString& folder, const QString& fileName)
{
    ServerList list;
    list.profile_ = os::readProfile(os::findFileIgnoringCase(folder, fileName), os::ProfileEncoding::Utf8OrAnsi);
    list.base_ = folder;
    list.fileName_ = fileName;
    return list;
}

QString ServerList::value(const QString& server, const QString& key) const
{
    if (!profile_) return {};
    return vb::Trim(profile_->value(vb::Trim(server), key).value_or(QString()));
}

QString ServerList::engine(const QString& server) const { return value(server, "motor"); }

QString ServerList::folder(const QString& server) const
{
    const QString folder = value(server, "carpeta");
    return QDir(base_).absoluteFilePath(folder.isEmpty() ? QString(".") : folder);
}

QString ServerList::odbcText(const QString& server) const { return value(server, "cadena"); }

}  // namespace db
