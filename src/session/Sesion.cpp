#include "session/Sesion.h"

Sesion& gSesion()
{
    static Sesion sesion;
    return sesion;
}
