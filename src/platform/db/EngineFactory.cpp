#include "platform/db/EngineFactory.h"

#include "platform/VbText.h"
#include "platform/db/ConnectionString.h"
#include "platform/db/DbErrors.h"
#include "platform/db/SqliteEngine.h"
#include "platform/os/PrivateProfile.h"
#include "platform/os/System.h"

#include <QDir>

namespace db {

namespace {

QString registryPath()
{
    return os::findFileIgnoringCase(os::programFolder(), kServerRegistryFile);
}

QString registryValue(const QString& server, const QString& key)
{
    return vb::Trim(os::readProfileString(registryPath(), vb::Trim(server), key, {}));
}

QString folderOf(const QString& server)
{
    const QString folder = registryValue(server, "carpeta");
    return QDir(os::programFolder()).absoluteFilePath(folder.isEmpty() ? QString(".") : folder);
}

[[noreturn]] void serverNotFound(const QString& server)
{
    throw EngineFailure{Situation::ServerNotFound,
                        "[DBNETLIB][ConnectionOpen (Connect()).]El servidor \"" + vb::Trim(server)
                            + "\" no existe o se ha denegado el acceso.",
                        {}, 0};
}

}  // namespace

std::unique_ptr<Engine> openEngine(const ConnectionString& text)
{
    if (text.isAccess()) {
        throw EngineFailure{Situation::DatabaseNotFound,
                            "Las bases de datos de Microsoft Access no están disponibles en este equipo.", {}, 0};
    }
    if (text.isOracle()) {
        throw EngineFailure{Situation::ServerNotFound,
                            "No hay un controlador de Oracle configurado: falta la entrada [ORACLE] con "
                            "cadena= en " + QString(kServerRegistryFile) + ".",
                            {}, 0};
    }
    const QString server = text.server();
    const QString engine = registryValue(server, "motor");
    if (vb::SameText(engine, "sqlite")) return std::make_unique<SqliteEngine>(folderOf(server), text.database());
    serverNotFound(server);
}

}  // namespace db
