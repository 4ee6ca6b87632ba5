#pragma once

#include "platform/Service.h"
#include "platform/db/ServerList.h"

namespace db {

// Where a connection that opens finds the servers its text may name: the
// program installs its registry as a Service, read again at each opening so
// that a server registered meanwhile is found. Without one, no server is
// listed.
class ServerDirectory {
public:
    virtual ~ServerDirectory() = default;
    virtual ServerList servers() const = 0;
};

// The installed directory's list, or an empty one.
inline ServerList currentServers()
{
    const ServerDirectory* directory = Service<ServerDirectory>::find();
    return directory ? directory->servers() : ServerList{};
}

}  // namespace db
