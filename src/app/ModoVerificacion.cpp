#include "app/ModoVerificacion.h"

#include "app/DialogosDeConsola.h"
#include "app/EntradaDeConsola.h"
#include "database/DB_Dll.h"
#include "platform/ErrorVB.h"
#include "session/OpcionesPrograma.h"

#include <QTextStream>

#include <cstdio>

namespace {

// A start-up that gives up must not read as "nothing found".
constexpr int kSinVerificacion = 2;

}  // namespace

int VerificarDesdeConsola(DB_Dll& empresa, const QString& lineaComando, FormatoInforme formato)
{
    try {
        if (!EntrarDesdeConsola(lineaComando)) return kSinVerificacion;
        QTextStream salida(stdout);
        const qsizetype hallazgos = ImprimirVerificacion(empresa, salida, formato);
        if (hallazgos == 0) return 0;
        AvisarEnConsola(QString::number(hallazgos) + (hallazgos == 1 ? " hallazgo." : " hallazgos."));
        return 1;
    } catch (const ErrorVB& error) {
        AvisarEnConsola(UnaLinea(error.descripcion));
        return kSinVerificacion;
    }
}
