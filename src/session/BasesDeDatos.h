#pragma once

class DB_Dll;

// The company database the program works on: the process-wide instance,
// created on first use, which asks the operator about its failures.
DB_Dll& gBaseDatos();
// The statistics database (VX_ESTADISTICAS), which start-up opens beside it.
DB_Dll& gBaseDatosVX();
