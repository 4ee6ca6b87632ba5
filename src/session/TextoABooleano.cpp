#include "session/TextoABooleano.h"

#include "platform/VbText.h"

#include <QStringList>

bool TextoABooleano(QString& Texto, bool PorDefectoVerdadero)
{
    static const QStringList falsos{"FALSE", "FALSO", "0", "NO", "N"};
    static const QStringList verdaderos{"TRUE", "VERDADERO", "-1", "1", "SI", "S"};
    if (Texto.isEmpty()) Texto = "0";
    if (PorDefectoVerdadero) return !falsos.contains(Texto, Qt::CaseInsensitive);
    return verdaderos.contains(Texto, Qt::CaseInsensitive);
}
