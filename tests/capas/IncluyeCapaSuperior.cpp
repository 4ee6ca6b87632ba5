// Compiled as part of the database layer, this file must not build: the
// database class is found, the session above it is not.
#include "database/DB_Dll.h"
#include "session/Sesion.h"
