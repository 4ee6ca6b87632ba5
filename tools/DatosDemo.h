#pragma once

#include <QString>

// The demo set-up of the program folder: a server "LOCAL" (SQLite, folder
// "datos") with a company database, two point-of-sale databases and the
// statistics database, filled with realistic master data, and the company
// registered in BASES.TXT for the login window. The same seed always gives
// the same data.
//
// Given a server of servidores.ini reached through ODBC (PostgreSQL), the
// same databases are made there instead, each with its login as the program
// signs in: the database's name, with that name as password (the statistics
// database's password is the suite's own).
struct OpcionesDemo {
    QString carpeta;  // the program folder
    int articulos = 3000;
    bool reemplazar = false;  // rebuild databases that already exist
    // Given empty, so that an initialisation may leave them out.
    QString servidor = {};       // an ODBC server of servidores.ini; empty for LOCAL
    QString administrador = {};  // a login of that server that may create logins and databases
    QString claveAdministrador = {};
};

inline constexpr char kServidorDemo[] = "LOCAL";
inline constexpr char kEmpresaDemo[] = "EMPRESA_DEMO";
inline constexpr char kUsuarioDemo[] = "ADMIN";
inline constexpr char kClaveDemo[] = "quro";

// Returns the number of databases written (0 when all were there already).
int crearDatosDemo(const OpcionesDemo& opciones);

// The connection text of the demo company, signed in as its own login.
QString conexionDemo();
