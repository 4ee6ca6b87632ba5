#include "session/BasesDeDatos.h"

#include "database/DB_Dll.h"
#include "session/ManejoInteractivo.h"

DB_Dll& gBaseDatos()
{
    static DB_Dll baseDatos(std::make_unique<ManejoInteractivo>());
    return baseDatos;
}

DB_Dll& gBaseDatosVX()
{
    static DB_Dll estadisticas(std::make_unique<ManejoInteractivo>());
    return estadisticas;
}
