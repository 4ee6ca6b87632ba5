#include "lookups/MotorConsultas.h"

MotorConsultas& gMotorConsultas()
{
    static MotorConsultas motor;
    return motor;
}
