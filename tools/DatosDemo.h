#pragma once

#include <QString>

// The demo set-up of the program folder: a server "LOCAL" (SQLite, folder
// "datos") with a company database, two point-of-sale databases and the
// statistics database, filled with realistic master data, and the company
// registered in BASES.TXT for the login window. The same seed always gives
// the same data.
struct OpcionesDemo {
    QString carpeta;  // the program folder
    int articulos = 3000;
    bool reemplazar = false;  // rebuild databases that already exist
};

inline constexpr char kServidorDemo[] = "LOCAL";
inline constexpr char kEmpresaDemo[] = "EMPRESA_DEMO";
inline constexpr char kUsuarioDemo[] = "ADMIN";
inline constexpr char kClaveDemo[] = "quro";

// Returns the number of databases written (0 when all were there already).
int crearDatosDemo(const OpcionesDemo& opciones);

// The connection text of the demo company, signed in as its own login.
QString conexionDemo();
