#pragma once

#include <QString>

// A setting's text as a Boolean. Without `PorDefectoVerdadero` only "TRUE",
// "VERDADERO", "-1", "1", "SI" and "S" are true; with it, everything but
// "FALSE", "FALSO", "0", "NO" and "N". Case is ignored. An empty `Texto`
// becomes "0" in the caller's variable.
bool TextoABooleano(QString& Texto, bool PorDefectoVerdadero = false);
