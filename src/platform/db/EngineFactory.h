#pragma once

#include "platform/db/Engine.h"

#include <memory>

namespace db {

class ConnectionString;

// The server registry in the program folder: one section per server name,
// "motor=sqlite" with "carpeta=<folder>" for a folder of SQLite databases.
inline constexpr char kServerRegistryFile[] = "servidores.ini";

// Opens the database that a connection text names, on the engine its server
// is registered with. Throws EngineFailure.
std::unique_ptr<Engine> openEngine(const ConnectionString& text);

}  // namespace db
