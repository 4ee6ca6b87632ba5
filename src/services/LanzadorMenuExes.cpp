#include "services/LanzadorMenuExes.h"

#include "services/MenuExes.h"

void LanzadorMenuExes::MenuExes(QString& Programa, QString& Parametro, qint32& Resultado)
{
    ::MenuExes(base_, Programa, Parametro, Resultado);
}
