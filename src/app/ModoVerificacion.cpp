#include "app/ModoVerificacion.h"

#include "app/DialogosDeConsola.h"
#include "database/DB_Dll.h"
#include "equivalences/InformeVerificacion.h"
#include "platform/ErrorVB.h"
#include "platform/db/Recordset.h"
#include "platform/os/ProcessExit.h"
#include "session/ParametrosSesion.h"
#include "session/VerificaConexion.h"

#include <QTextStream>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kSinVerificacion = 2;

// The start-up ends the program when it cannot sign in; here that must not
// read as "nothing found".
class SalidaSinVerificacion : public ProcessExit {
public:
    [[noreturn]] void exit(int) override { std::exit(kSinVerificacion); }
};

}  // namespace

int VerificarDesdeConsola(const QString& lineaComando)
{
    FijarLineaComandoProceso(lineaComando);
    Service<Dialogs>::install(std::make_unique<DialogosDeConsola>());
    Service<ProcessExit>::install(std::make_unique<SalidaSinVerificacion>());
    QTextStream salida(stdout);
    try {
        QString conexion;
        VerificaConexion(false, {}, conexion, db::ado::adUseClient);
        return ImprimirVerificacion(gBaseDatos(), salida);
    } catch (const ErrorVB& error) {
        QTextStream(stderr) << error.descripcion << '\n';
        return kSinVerificacion;
    }
}
