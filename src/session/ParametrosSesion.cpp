#include "session/ParametrosSesion.h"

#include "platform/VbText.h"
#include "platform/os/CommandLine.h"
#include "platform/ui/Dialogs.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvIni.h"
#include "suitesupport/QvSistema.h"

#include <QStringList>

#include <cmath>

namespace {

constexpr char kCajaPorDefecto[] = "1";
constexpr char kUsuarioPorDefecto[] = "Veltrix";
constexpr char kPasswordPorDefecto[] = "trebolo";

bool tieneParametro(const QString& linea, const QString& clave) { return vb::InStrText(linea, clave) > 0; }

QString leerUltimaConexion(const QString& seccion, const QString& clave, const QString& porDefecto)
{
    return QvIni::LeerIni(kArchivoIni, seccion, clave, porDefecto);
}

QString sinBarras(const QString& valor) { return QvFunciones::Reemplazar(valor, "|", ""); }

}  // namespace

QString ParametroLinea(const QString& linea, const QString& clave)
{
    const int posicion = vb::InStrText(linea, clave);
    if (posicion == 0) return {};
    const int inicioValor = posicion + static_cast<int>(clave.size());
    const int puntoYComa = vb::InStr(linea, ";", posicion);
    const QString crudo =
        puntoYComa == 0 ? vb::Mid(linea, inicioValor) : vb::Mid(linea, inicioValor, puntoYComa - inicioValor);
    return vb::Trim(QvFunciones::Reemplazar(crudo, "=", ""));
}

QString LineaComandoProceso() { return os::processCommandLine(); }

void FijarLineaComandoProceso(const QString& linea) { os::setProcessCommandLine(linea); }

QString NombreEquipoUsuario()
{
    return QvSistema::NombreEquipo().toUpper() + "|" + QvSistema::NombreUsuarioSistema().toUpper();
}

QString LineaUltimaConexion()
{
    const QString seccion = NombreEquipoUsuario() + "BaseDeDatos";
    const QString servidor = leerUltimaConexion(seccion, "Servidor", {});
    const QString dbName = leerUltimaConexion(seccion, "DbName", {});
    const QString usuario =
        QvFunciones::Desencriptar(leerUltimaConexion(seccion, "Usuario", QvFunciones::Encriptar(kUsuarioPorDefecto)));
    const QString password = QvFunciones::Desencriptar(
        leerUltimaConexion(seccion, "UserPassWord", QvFunciones::Encriptar(kPasswordPorDefecto)));
    return "@server=" + sinBarras(servidor) + "; @dbname= " + sinBarras(dbName) + "; @usuario= " + sinBarras(usuario)
           + "; @Password= " + sinBarras(password) + "; @ParametroAdicional=; @Caja=1;quro@";
}

QString LineaComandoInicio(bool UltimoValor, const QString& LineaComando)
{
    const QString linea = LineaComando.isEmpty() ? LineaComandoProceso() : LineaComando;
    if (vb::IsBlank(linea) && UltimoValor) return LineaUltimaConexion();
    return linea;
}

void LeerSeccionEquipo()
{
    Sesion& sesion = gSesion();
    QString seccion = NombreEquipoUsuario();
    if (vb::Trim(seccion).size() > kLargoSeccionEquipo) seccion = seccion.left(kLargoSeccionEquipo);
    sesion.gSeccionEquipo = seccion;
    sesion.gFlatToolbars = QvIni::LeerNumeroIni(kArchivoIni, seccion, "FlatToolbars", "1");
}

ParametrosConexion InterpretarLineaComando(const QString& linea, QString& ConnString)
{
    Sesion& sesion = gSesion();
    ParametrosConexion conexion;
    sesion.gParametroAdicional = ParametroLinea(linea, "@ParametroAdicional");
    sesion.gMenu = ParametroLinea(linea, "@Menu");
    conexion.servidor = ParametroLinea(linea, "@Server");
    conexion.dbName = ParametroLinea(linea, "@DbName");
    conexion.usuario = ParametroLinea(linea, "@Usuario");
    conexion.password = ParametroLinea(linea, "@Password");
    sesion.gCaja = tieneParametro(linea, "@Caja") ? ParametroLinea(linea, "@Caja") : kCajaPorDefecto;

    sesion.gPasswordUsuario = vb::SameText(conexion.password, conexion.dbName) ? kMarcaPassword : conexion.password;

    const QString usuarioLogeado = ParametroLinea(linea, "@UsuarioLogeado");
    sesion.gUsuarioLogeado = vb::IsBlank(usuarioLogeado) ? vb::Trim(conexion.usuario) : usuarioLogeado;

    const QString servidor = vb::Trim(conexion.servidor);
    if (servidor.startsWith(u'#')) {
        conexion.servidor = servidor.mid(1);
        if (ConnString.isEmpty()) {
            ConnString = "Provider=OraOLEDB.Oracle.1;Data Source=" + conexion.dbName + ";User Id=" + conexion.usuario
                         + ";Password=" + conexion.password + ";";
        }
    }
    return conexion;
}
