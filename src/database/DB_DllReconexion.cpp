#include "database/DB_Dll.h"

#include "database/VentanaReconexion.h"
#include "platform/ProgramEnd.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/ui/Dialogs.h"
#include "vendor/QvFunciones.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <array>
#include <cmath>

// Noticing that the connection is gone and getting it back.

namespace {

constexpr std::array kNumerosDePerdida{db::ErrorMap::ObjectClosed, db::ErrorMap::ConnectionUnusable,
                                       db::ErrorMap::LinkLostNumber};
constexpr int kIntentosPorSerie = 10;
constexpr int kPausaEntreIntentosMs = 500;
constexpr int kTiempoReconexion = 5;
constexpr int kTiempoComandoReconexion = 10;

void dejarCorrerEventos() { QCoreApplication::processEvents(); }

void esperar(int milisegundos)
{
    QEventLoop espera;
    QTimer::singleShot(milisegundos, &espera, &QEventLoop::quit);
    espera.exec();
}

}  // namespace

bool DB_Dll::AsegurarConexion()
{
    TrapErrores trap("AsegurarConexion", [this](const ErrorVB& error, const QString& rutina) {
        return tratarFalloConPerdida(error, contadorAsegurarConexion_, rutina);
    });
    const bool siguio = trap.paso([&] {
        if (gCnn.State() != db::ado::adStateOpen) gCnn.Open(gConnString, "", "", -1);
    });
    if (!siguio) return false;
    gOpenFlag = gCnn.State() == db::ado::adStateOpen;
    return gOpenFlag;
}

bool DB_Dll::ReintentaConectar()
{
    gOpenFlag = false;
    QString cadena = gConnString;
    if (gCnn.State() != db::ado::adStateClosed) (void)TrapErrores::silencioso().paso([&] { gCnn.Close(); });
    try {
        if (cadena.isEmpty()) cadena = gCnn.ConnectionString();
        if (cadena.isEmpty()) return false;
        if (!vb::ContainsText(cadena, "Connect Timeout=")) cadena += ";Connect Timeout=5";
        gCnn.setConnectionTimeout(kTiempoReconexion);
        gCnn.setCommandTimeout(kTiempoComandoReconexion);
        gCnn.Open(cadena, "", "", -1);
        gOpenFlag = gCnn.State() == db::ado::adStateOpen;
    } catch (const ErrorVB&) {
        gOpenFlag = false;
    }
    return gOpenFlag;
}

Respuesta DB_Dll::tratarFalloConPerdida(const ErrorVB& error, int& contador, const QString& rutina)
{
    if (silenciosa()) return tratarEnSilencio(error, contador);
    // Once the program is ending, a failure only leaves: nobody is asked any more.
    if (programEndRequested()) return Respuesta::Salir;
    switch (TratarPerdidaConexion(error.numero, contador, rutina)) {
    case Perdida::Reconectado: return Respuesta::Reintentar;
    case Perdida::Cerrar: requestProgramEnd(); return Respuesta::Salir;
    case Perdida::NoEsPerdida: break;
    }
    return QvFunciones::TratarError(error, rutina);
}

DB_Dll::Perdida DB_Dll::TratarPerdidaConexion(long NumeroError, int& Intentos, const QString& Rutina)
{
    const bool esPerdida =
        std::find(kNumerosDePerdida.begin(), kNumerosDePerdida.end(), NumeroError) != kNumerosDePerdida.end();
    if (!esPerdida) return Perdida::NoEsPerdida;
    if (Intentos < kReconexionesAntesDePreguntar) {
        ++Intentos;
        if (ReintentaConectar()) {
            Intentos = 0;
            return Perdida::Reconectado;
        }
    }
    // Another failure is already asking: this one takes the ordinary way.
    if (preguntaPerdidaVisible_) return Perdida::NoEsPerdida;
    preguntaPerdidaVisible_ = true;
    const int respuesta =
        MsgBox("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (" + gServidor + ") " + "\r\n\r\n"
                   + "¿Querés que intentemos reconectar (Sí) " + "\r\n" + "o cerrar la aplicación (No)?",
               vb::vbYesNo + vb::vbCritical, "Conexión a la base de datos");
    preguntaPerdidaVisible_ = false;
    if (respuesta != vb::vbYes) return Perdida::Cerrar;
    if (!ReconectarConVentana(kIntentosPorSerie, Rutina)) return Perdida::Cerrar;
    Intentos = 0;
    return Perdida::Reconectado;
}

bool DB_Dll::ReconectarConVentana(int Intentos, const QString& Rutina)
{
    VentanaReconexion* ventana = Service<VentanaReconexion>::find();
    const bool reconectado = seriesDeReconexion(ventana, Intentos, Rutina);
    if (ventana) ventana->Ocultar();
    return reconectado;
}

// Series of attempts until one reconnects or the operator cancels; without a
// window to cancel in, one series only.
bool DB_Dll::seriesDeReconexion(VentanaReconexion* ventana, int Intentos, const QString& Rutina)
{
    for (;;) {
        if (ventana) ventana->Empezar(Rutina, gDBName);
        dejarCorrerEventos();
        for (int i = 1; i <= Intentos; ++i) {
            if (ventana && (ventana->Cancelar() || ventana->Reintentar())) break;
            if (ventana) ventana->Avanzar(static_cast<int>(std::lround(i * 100.0 / Intentos)), i == Intentos);
            dejarCorrerEventos();
            if (ReintentaConectar()) return true;
            esperar(kPausaEntreIntentosMs);
            dejarCorrerEventos();
        }
        if (!ventana || ventana->Cancelar()) return false;
        if (gOpenFlag) return true;
        Intentos = kIntentosPorSerie;
    }
}

Respuesta DB_Dll::tratarEnSilencio(const ErrorVB& error, int& contador)
{
    const bool perdida =
        std::find(kNumerosDePerdida.begin(), kNumerosDePerdida.end(), error.numero) != kNumerosDePerdida.end();
    if (perdida && ++contador < kReintentosSilenciosos && ReintentaConectar()) return Respuesta::Reintentar;
    throw error;
}
