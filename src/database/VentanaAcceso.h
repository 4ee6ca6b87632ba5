#pragma once

#include "platform/Service.h"

#include <QString>

#include <memory>

// What the login window is filled with and what the operator typed in it.
struct DatosAcceso {
    QString dbName;
    QString servidor;
    QString usuario;
    QString password;
    int plataforma = 0;  // 0 SQL Server, 1 Oracle
};

// The login window as the database class asks for connection parameters;
// installed as a Service, none means the parameters cannot be asked for.
class VentanaAcceso {
public:
    virtual ~VentanaAcceso() = default;
    // Shows the window modally with `datos`; true when the operator accepted
    // ("Conectar"), with `datos` holding what was typed.
    virtual bool Mostrar(DatosAcceso& datos) = 0;
};
