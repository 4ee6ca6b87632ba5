#include "services/ModQuroCore.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "services/IdBaseQuroCore.h"
#include "services/Navegador.h"
#include "services/TextoURL.h"
#include "session/Sesion.h"

#include <QHostAddress>
#include <QUrl>

#include <utility>

namespace {

constexpr char kRutaTicket[] = "/api/vb6/auth-ticket";
constexpr char kRutaConsumo[] = "/vb6/consume?t=";
constexpr int kEstadoFaltaIdBase = 428;
constexpr int kLargoRespuestaMostrada = 500;
constexpr char kClaveOculta[] = "********";

// A line of a message: its text followed by CR LF.
QString Linea(const QString& texto) { return texto + os::kCrLf; }

QString DatoFaltante(const DatosQuroCore& datos)
{
    const std::pair<bool, const char*> controles[] = {
        {datos.BaseURL.isEmpty(), "Falta serverBaseUrl."},
        {datos.Modulo.isEmpty(), "Falta modulo."},
        {vb::IsBlank(datos.Servidor), "Falta servidor SQL."},
        {vb::IsBlank(datos.BaseDatos), "Falta base de datos."},
        {vb::IsBlank(datos.UsuarioSql), "Falta usuario SQL."},
        {vb::IsBlank(datos.ClaveSql), "Falta clave SQL."},
        {vb::IsBlank(datos.UsuarioSistema), "Falta usuario del sistema."},
        {vb::IsBlank(datos.ClaveSistema), "Falta clave del sistema."},
    };
    for (const auto& [falta, mensaje] : controles) {
        if (falta) return mensaje;
    }
    return {};
}

// Credentials go only where nobody on the way can read them: over https, or
// to this computer itself.
bool DestinoSeguro(const QString& baseUrl)
{
    const QUrl url(baseUrl);
    if (url.scheme() == "https") return true;
    if (url.scheme() != "http") return false;
    const QString host = url.host();
    return host.compare("localhost", Qt::CaseInsensitive) == 0 || QHostAddress(host).isLoopback();
}

QString MensajeDestinoInseguro(const QString& baseUrl)
{
    return Linea("No se enviaron las claves a QuroCore: la direccion no es segura.") + Linea("URL base: " + baseUrl)
           + "Las claves solo viajan por https, o a un servicio de este mismo equipo.";
}

QByteArray Formulario(const DatosQuroCore& datos)
{
    QString formulario =
        "servidor=" + CodificarURL(datos.Servidor) + "&baseDatos=" + CodificarURL(datos.BaseDatos)
        + "&usuarioSql=" + CodificarURL(datos.UsuarioSql) + "&passwordSql=" + CodificarURL(datos.ClaveSql)
        + "&usuarioSistema=" + CodificarURL(datos.UsuarioSistema)
        + "&passwordSistema=" + CodificarURL(datos.ClaveSistema) + "&modulo=" + CodificarURL(datos.Modulo);
    if (!vb::IsBlank(datos.NombreSesion)) formulario += "&nombreSesion=" + CodificarURL(datos.NombreSesion);
    if (!vb::IsBlank(datos.IdBase)) formulario += "&idBaseCentral=" + CodificarURL(datos.IdBase);
    return formulario.toLatin1();
}

// The portal's own text may echo what it was sent: the passwords, as typed or
// as encoded in the form, are hidden before anyone sees it.
QString SinClaves(QString texto, const DatosQuroCore& datos)
{
    for (const QString& clave : {datos.ClaveSql, datos.ClaveSistema}) {
        if (vb::IsBlank(clave)) continue;
        texto.replace(clave, kClaveOculta);
        texto.replace(CodificarURL(clave), kClaveOculta);
    }
    return texto;
}

QString Pista(int estado)
{
    switch (estado) {
    case 400:
        return "La solicitud llego a QuroCore, pero algun dato enviado no es valido. Revisar nombres de campos y "
               "modulo.";
    case 401:
    case 403:
        return "QuroCore rechazo las credenciales o permisos. Revisar usuario/clave del sistema y credenciales SQL.";
    case 404:
        return "No existe el endpoint en esa URL. Revisar serverBaseUrl, puerto y que QuroCore tenga publicado POST "
               "/api/vb6/auth-ticket.";
    case 405: return "El endpoint existe, pero no acepta POST. Revisar la ruta /api/vb6/auth-ticket en QuroCore.";
    case kEstadoFaltaIdBase:
        return "Falta configurar Cfg(\"QUROCORE_IDBASE\") en este equipo (Id de la base en QURO_CENTRAL).";
    default:
        if (estado >= 500 && estado <= 599)
            return "QuroCore recibio la solicitud pero fallo del lado servidor. Revisar logs de QuroCore.";
        return "Revisar respuesta HTTP y logs de QuroCore.";
    }
}

QString NombreSesion() { return os::executableName() + "|" + gSesion().gUsuarioLogeado + "|" + os::computerName(); }

DatosQuroCore DatosDeLaSesion(const DB_Dll& base, const QString& url)
{
    const Sesion& sesion = gSesion();
    return {UrlBase(url),       ModuloDeUrl(url),       base.gServidor,          base.gDBName,   base.gUsuario,
            base.gUserPassWord, sesion.gUsuarioLogeado, sesion.gPasswordUsuario, NombreSesion(), IdBaseQuroCore()};
}

}  // namespace

TiemposEspera& TiemposEsperaQuroCore()
{
    static TiemposEspera tiempos;
    return tiempos;
}

bool AbrirQuroCore(DB_Dll& base, const QString& Programa, bool MostrarErrores)
{
    const QString url = UrlDeModoApp(Programa);
    if (url.isEmpty() || !vb::ContainsText(url, "directo=1") || UrlBase(url).isEmpty() || ModuloDeUrl(url).isEmpty())
        return false;

    bool preguntado = false;
    for (;;) {
        bool faltaIdBase = false;
        QString mensaje;
        if (AbrirModuloQuroCore(DatosDeLaSesion(base, url), faltaIdBase, mensaje)) return true;
        if (!faltaIdBase || preguntado) {
            if (MostrarErrores) MsgBox(mensaje, vb::vbCritical, kTituloQuroCore);
            return true;
        }
        preguntado = true;
        if (!PedirIdBase(base)) return true;
    }
}

bool AbrirModuloQuroCore(DatosQuroCore datos, bool& FaltaIdBase, QString& Mensaje)
{
    FaltaIdBase = false;
    datos.BaseURL = vb::Trim(datos.BaseURL);
    if (datos.BaseURL.endsWith(u'/')) datos.BaseURL.chop(1);
    datos.Modulo = vb::Trim(datos.Modulo);
    Mensaje = DatoFaltante(datos);
    if (!Mensaje.isEmpty()) return false;

    const QString ticket = PedirTicketQuroCore(datos, FaltaIdBase, Mensaje);
    if (ticket.isEmpty()) {
        if (Mensaje.isEmpty()) Mensaje = "QuroCore no devolvio ticket.";
        return false;
    }
    const QString pagina = datos.BaseURL + kRutaConsumo + CodificarURL(ticket);
    if (AbrirEdgeModoApp(pagina)) return true;
    Mensaje = Linea("No se pudo abrir QuroCore en modo app de Edge.") + Linea("URL: " + pagina) + "Comando: msedge "
              + kOpcionModoApp + pagina;
    return false;
}

QString PedirTicketQuroCore(const DatosQuroCore& datos, bool& FaltaIdBase, QString& Mensaje)
{
    const QString url = datos.BaseURL + kRutaTicket;
    if (!DestinoSeguro(datos.BaseURL)) {
        Mensaje = MensajeDestinoInseguro(datos.BaseURL);
        return {};
    }
    const RespuestaHttp respuesta = EnviarFormulario(url, Formulario(datos), TiemposEsperaQuroCore());
    if (respuesta.estado == 0) {
        Mensaje = Linea("No se pudo solicitar el ticket a QuroCore.") + Linea("URL: " + url)
                  + Linea("Modulo: " + datos.Modulo) + Linea("Base: " + datos.Servidor + " / " + datos.BaseDatos)
                  + "Detalle: " + SinClaves(respuesta.falla, datos);
        return {};
    }
    const QString cuerpo = QString::fromUtf8(respuesta.cuerpo).trimmed();
    if (respuesta.estado >= 200 && respuesta.estado <= 299) return cuerpo;
    FaltaIdBase = respuesta.estado == kEstadoFaltaIdBase;
    Mensaje = ExplicarErrorTicket(respuesta.estado, url, datos, SinClaves(cuerpo, datos));
    return {};
}

QString ExplicarErrorTicket(int Estado, const QString& URL, const DatosQuroCore& datos, const QString& Respuesta)
{
    QString texto = Linea("No se pudo obtener el ticket de QuroCore.") + Linea({})
                    + Linea("HTTP: " + QString::number(Estado)) + Linea("URL llamada: " + URL)
                    + Linea("URL base: " + datos.BaseURL) + Linea("Modulo: " + datos.Modulo)
                    + Linea("Servidor/Base SQL: " + datos.Servidor + " / " + datos.BaseDatos)
                    + Linea("Usuario sistema: " + datos.UsuarioSistema) + Linea({}) + "Pista: " + Pista(Estado);
    if (!vb::IsBlank(Respuesta))
        texto += QString(os::kCrLf) + os::kCrLf + "Respuesta QuroCore:" + os::kCrLf
                 + Respuesta.left(kLargoRespuestaMostrada);
    return texto;
}
