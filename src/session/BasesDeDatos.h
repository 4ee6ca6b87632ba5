#pragma once

#include "database/DB_Dll.h"

// The company database and the statistics database (VX_ESTADISTICAS) of the
// running program, both asking the operator about their failures. main()
// makes them and keeps them while it runs; the start-up and the settings
// module find them through gBaseDatos() and gBaseDatosVX(), everything else
// is handed the one it works on.
class BasesDeDatos {
public:
    BasesDeDatos();
    ~BasesDeDatos();
    BasesDeDatos(const BasesDeDatos&) = delete;
    BasesDeDatos& operator=(const BasesDeDatos&) = delete;

    DB_Dll empresa;
    DB_Dll estadisticas;

private:
    BasesDeDatos* anteriores_;
};

// The databases of the BasesDeDatos made last; without one, a fault of the
// program, raised as std::logic_error.
DB_Dll& gBaseDatos();
DB_Dll& gBaseDatosVX();
