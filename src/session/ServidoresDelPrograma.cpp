#include "session/ServidoresDelPrograma.h"

#include "platform/os/System.h"

db::ServerList ServidoresDelPrograma::servers() const
{
    return db::ServerList::read(os::programFolder(), kArchivoServidores);
}
