#include "app/ModoVerificacion.h"

#include "app/DialogosDeConsola.h"
#include "database/DB_Dll.h"
#include "platform/ErrorVB.h"
#include "platform/VbText.h"
#include "platform/db/Recordset.h"
#include "session/OpcionesPrograma.h"
#include "session/ParametrosSesion.h"
#include "session/VerificaConexion.h"

#include <QTextStream>

#include <cstdio>

namespace {

// A start-up that gives up must not read as "nothing found".
constexpr int kSinVerificacion = 2;

// Without a window no one can type what the command line lacks.
QString FaltanParametros(const QString& linea)
{
    QStringList faltan;
    for (const char* clave : {"@server", "@dbname", "@usuario"})
        if (vb::IsBlank(ParametroLinea(linea, clave))) faltan.append(clave);
    if (faltan.isEmpty()) return {};
    return "La línea de la suite no dice " + faltan.join(", ") + "; sin ventana no se pueden pedir.";
}

}  // namespace

int VerificarDesdeConsola(DB_Dll& empresa, const QString& lineaComando, FormatoInforme formato)
{
    const QString faltan = FaltanParametros(lineaComando);
    if (!faltan.isEmpty()) {
        AvisarEnConsola(faltan);
        return kSinVerificacion;
    }
    FijarLineaComandoProceso(lineaComando);
    auto dialogos = std::make_unique<DialogosDeConsola>();
    const DialogosDeConsola& avisos = *dialogos;
    Service<Dialogs>::install(std::move(dialogos));
    try {
        QString conexion;
        if (!VerificaConexion(false, {}, conexion, db::ado::adUseClient)) {
            if (avisos.escritos() == 0) AvisarEnConsola("No se pudo entrar en la base de la empresa.");
            return kSinVerificacion;
        }
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
