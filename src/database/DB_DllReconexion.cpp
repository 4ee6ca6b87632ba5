#include "database/DB_Dll.h"

#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"

#include <array>

// Noticing that the connection is gone and getting it back.

namespace {

constexpr std::array kNumerosDePerdida{db::ErrorMap::ObjectClosed, db::ErrorMap::ConnectionUnusable,
                                       db::ErrorMap::LinkLostNumber};
constexpr int kTiempoReconexion = 5;
constexpr int kTiempoComandoReconexion = 10;

bool esPerdida(long numero)
{
    return std::find(kNumerosDePerdida.begin(), kNumerosDePerdida.end(), numero) != kNumerosDePerdida.end();
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
    if (Silencioso()) return tratarEnSilencio(error, contador);
    switch (TratarPerdidaConexion(error.numero, contador, rutina)) {
    case Perdida::Reconectado: return Respuesta::Reintentar;
    case Perdida::Cerrar: return Respuesta::Salir;
    case Perdida::NoEsPerdida: break;
    }
    return manejo_->TratarError(error, rutina);
}

DB_Dll::Perdida DB_Dll::TratarPerdidaConexion(long NumeroError, int& Intentos, const QString& Rutina)
{
    if (!esPerdida(NumeroError)) return Perdida::NoEsPerdida;
    if (Intentos < kReconexionesAntesDePreguntar) {
        ++Intentos;
        if (ReintentaConectar()) {
            Intentos = 0;
            return Perdida::Reconectado;
        }
    }
    switch (manejo_->PerdidaDeConexion(enlace(Rutina), [this] { return ReintentaConectar(); })) {
    case Respuesta::Reintentar: Intentos = 0; return Perdida::Reconectado;
    case Respuesta::Salir: return Perdida::Cerrar;
    case Respuesta::Seguir: break;
    }
    return Perdida::NoEsPerdida;
}

Respuesta DB_Dll::tratarEnSilencio(const ErrorVB& error, int& contador)
{
    if (esPerdida(error.numero) && ++contador < kReintentosSilenciosos && ReintentaConectar())
        return Respuesta::Reintentar;
    throw error;
}
