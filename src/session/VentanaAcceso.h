#pragma once

#include "database/ManejoFallos.h"
#include "platform/Service.h"

// The login window as the program asks for connection parameters; installed
// as a Service, none means the parameters cannot be asked for.
class VentanaAcceso {
public:
    virtual ~VentanaAcceso() = default;
    // Shows the window modally with `datos`; true when the operator accepted
    // ("Conectar"), with `datos` holding what was typed.
    virtual bool Mostrar(DatosAcceso& datos) = 0;
};
