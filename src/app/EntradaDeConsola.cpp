#include "app/EntradaDeConsola.h"

#include "app/DialogosDeConsola.h"
#include "platform/VbText.h"
#include "platform/db/Recordset.h"
#include "session/OpcionesPrograma.h"
#include "session/ParametrosSesion.h"
#include "session/VerificaConexion.h"

#include <QStringList>

namespace {

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

bool EntrarDesdeConsola(const QString& lineaComando)
{
    const QString faltan = FaltanParametros(lineaComando);
    if (!faltan.isEmpty()) {
        AvisarEnConsola(faltan);
        return false;
    }
    FijarLineaComandoProceso(lineaComando);
    auto dialogos = std::make_unique<DialogosDeConsola>();
    const DialogosDeConsola& avisos = *dialogos;
    Service<Dialogs>::install(std::move(dialogos));
    QString conexion;
    if (VerificaConexion(false, {}, conexion, db::ado::adUseClient)) return true;
    if (avisos.escritos() == 0) AvisarEnConsola("No se pudo entrar en la base de la empresa.");
    return false;
}
