#include "session/ConectarBaseRemota.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "session/Configuracion.h"
#include "session/FechaServidor.h"
#include "session/VerificaConexion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QCoreApplication>

namespace {

constexpr char kRutina[] = "Conexion Base Remota";
constexpr char kPuertoSinIntento[] = "3306";
constexpr int kTiempoComando = 360;
constexpr int kAnchoCodigoTPV = 4;

// The keys of one set of the central server's settings in the statistics database.
struct ClavesCentral {
    const char* servidor;
    const char* base;
    const char* usuario;
    const char* password;
};
constexpr ClavesCentral kPrimerJuego{"grServer", "grdbname", "gruser", "grpass"};
constexpr ClavesCentral kSegundoJuego{"grServer1", "grdbname1", "gruser1", "grpass1"};

void cerrarRemota()
{
    DB_Dll& remota = gBaseRemota();
    if (remota.gCnn.State() == db::ado::adStateOpen) remota.gCnn.Close();
}

bool abrirRemota(const QString& servidor, const QString& base, const QString& usuario, const QString& password)
{
    DB_Dll& remota = gBaseRemota();
    remota.gProveedor = DB_Dll::pSQLOLEDB;
    remota.gServidor = ObtieneIP(vb::Trim(servidor));
    remota.gDBName = vb::Trim(base);
    remota.gUsuario = vb::Trim(usuario);
    remota.gUserPassWord = vb::Trim(password);
    QCoreApplication::processEvents();
    remota.OpenServerADODB(false, db::ado::adUseClient, {}, true, false);
    if (remota.gCnn.State() != db::ado::adStateOpen) return false;
    remota.gCnn.setDefaultDatabase(remota.gDBName);
    remota.gCnn.setCommandTimeout(kTiempoComando);
    return true;
}

// The point of sale as reached or not; the time of a failed attempt is the
// company server's. The code is a quoted literal, whatever it holds.
void marcarConexion(DB_Dll& empresa, const QString& CodigoTPV, bool conectado)
{
    if (vb::IsBlank(CodigoTPV)) return;
    const QString donde = " WHERE CODIGO = " + EntreComillas(QvFunciones::FormatoCodigo(CodigoTPV, kAnchoCodigoTPV));
    if (conectado) {
        empresa.EjecutaConsultaSQL("UPDATE V_TA_TPV SET CONECTADO = 1" + donde);
        return;
    }
    empresa.EjecutaConsultaSQL("UPDATE V_TA_TPV SET CONECTADO = 0, ULTIMA_DETECCION = "
                               + EntreComillas(vb::DateText(FechaServidor(empresa))) + donde);
}

// A setting of the central server; a blank one is written with its default, which is used.
QString ajusteCentral(const char* clave, const QString& porDefecto)
{
    QString auxiliar;
    const QString valor = vb::Trim(CfgVX(clave, auxiliar));
    if (!valor.isEmpty()) return valor;
    GrabaCfgVX(clave, porDefecto);
    return porDefecto;
}

QString servidorCentral(const ClavesCentral& claves)
{
    QString auxiliar;
    return vb::Trim(CfgVX(claves.servidor, auxiliar));
}

// The first set: a public name of the central server, or none, stands for its address.
QString servidorDelPrimerJuego()
{
    const QString servidor = servidorCentral(kPrimerJuego);
    const bool nombrePublico = vb::SameText(servidor, ServidorCentral::kNombrePublico1)
                               || vb::SameText(servidor, ServidorCentral::kNombrePublico2);
    if (!servidor.isEmpty() && !nombrePublico) return servidor;
    GrabaCfgVX(kPrimerJuego.servidor, ServidorCentral::kDireccion);
    return ServidorCentral::kDireccion;
}

// The second set: without a server the backup name is written, the address used.
QString servidorDelSegundoJuego()
{
    const QString servidor = servidorCentral(kSegundoJuego);
    if (!servidor.isEmpty()) return servidor;
    GrabaCfgVX(kSegundoJuego.servidor, ServidorCentral::kNombrePublicoRespaldo);
    return ServidorCentral::kDireccion;
}

bool abrirCentral(const ClavesCentral& claves, const QString& servidor)
{
    const QString base = ajusteCentral(claves.base, ServidorCentral::kBase);
    const QString usuario = ajusteCentral(claves.usuario, ServidorCentral::kBase);
    const QString password = ajusteCentral(claves.password, ServidorCentral::kPassword);
    return abrirRemota(servidor, base, usuario, password);
}

TrapErrores trapRemota()
{
    return TrapErrores(kRutina, [](const ErrorVB& error, const QString& rutina) {
        if (error.numero == db::ErrorMap::ObjectClosed) return Respuesta::Seguir;
        return RespuestaDelBoton(TratamientoErrores(error, vb::vbRetryCancel, rutina));
    });
}

}  // namespace

void MarcarConexionTPV(DB_Dll& empresa, const QString& CodigoTPV, bool conectado)
{
    TrapErrores trap = trapRemota();
    (void)trap.paso([&] { marcarConexion(empresa, CodigoTPV, conectado); });
}

DB_Dll& gBaseRemota()
{
    static DB_Dll remota;
    return remota;
}

bool ConectarBaseRemota(DB_Dll& empresa, const QString& Servidor, const QString& DbName, const QString& Usuario,
                        const QString& Password, const QString& CodigoTPV, const QString& Puerto, bool)
{
    if (vb::Trim(Puerto) == kPuertoSinIntento) return false;
    TrapErrores trap = trapRemota();
    bool abierta = false;
    if (!trap.paso([] { cerrarRemota(); })) return false;
    if (!vb::IsBlank(Servidor)) {
        if (!trap.paso([&] { abierta = abrirRemota(Servidor, DbName, Usuario, Password); })) return false;
        if (!trap.paso([&] { marcarConexion(empresa, CodigoTPV, abierta); })) return false;
        return abierta;
    }
    if (!trap.paso([&] { abierta = abrirCentral(kPrimerJuego, servidorDelPrimerJuego()); })) return false;
    if (abierta) return true;
    if (!trap.paso([&] { abierta = abrirCentral(kSegundoJuego, servidorDelSegundoJuego()); })) return false;
    return abierta;
}
