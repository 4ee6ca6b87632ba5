#pragma once

#include "platform/db/ServerDirectory.h"

// The program's server registry: servidores.ini in the program folder, read
// again each time a connection opens; main() installs it.
inline constexpr char kArchivoServidores[] = "servidores.ini";

class ServidoresDelPrograma : public db::ServerDirectory {
public:
    db::ServerList servers() const override;
};
