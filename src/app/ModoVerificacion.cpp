#include "app/ModoVerificacion.h"

#include "app/DialogosDeConsola.h"
#include "database/DB_Dll.h"
#include "equivalences/InformeVerificacion.h"
#include "platform/ErrorVB.h"
#include "platform/db/Recordset.h"
#include "session/BasesDeDatos.h"
#include "session/ParametrosSesion.h"
#include "session/VerificaConexion.h"

#include <QTextStream>

#include <cstdio>

namespace {
// A start-up that gives up must not read as "nothing found".
constexpr int kSinVerificacion = 2;
}  // namespace

int VerificarDesdeConsola(const QString& lineaComando)
{
    FijarLineaComandoProceso(lineaComando);
    Service<Dialogs>::install(std::make_unique<DialogosDeConsola>());
    QTextStream salida(stdout);
    try {
        QString conexion;
        if (!VerificaConexion(false, {}, conexion, db::ado::adUseClient)) return kSinVerificacion;
        return ImprimirVerificacion(gBaseDatos(), salida);
    } catch (const ErrorVB& error) {
        QTextStream(stderr) << error.descripcion << '\n';
        return kSinVerificacion;
    }
}
