#include "session/VerificaConexion.h"

#include "database/DB_Dll.h"
#include "database/IndicesTrigramas.h"
#include "database/TextoSQL.h"
#include "platform/ProgramEnd.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/VbColor.h"
#include "session/BasesDeDatos.h"
#include "session/Configuracion.h"
#include "session/ConsultasArranque.h"
#include "session/ParametrosSesion.h"
#include "session/RegistroFallas.h"
#include "session/RegistroTiempos.h"
#include "session/Sesion.h"
#include "session/ValidacionUsuario.h"
#include "session/VentanaAcceso.h"
#include "suitesupport/QvAplicacion.h"
#include "suitesupport/QvFunciones.h"

#include <QFileInfo>

namespace {

constexpr char kTituloCartel[] = "Conectando Base de Datos";
constexpr char kArchivoAyuda[] = "htmlhelp/zavevirevav.chm";
constexpr qint16 kTiempoEsperaPorDefecto = 45;
constexpr long kLecturaSinConfirmar = 256;
constexpr int kIntentos = 3;

QString& archivoAyuda()
{
    static QString archivo;
    return archivo;
}

QString comoTexto(bool valor) { return valor ? "Verdadero" : "Falso"; }

bool conexionAbierta(const DB_Dll& base) { return base.gCnn.State() == db::ado::adStateOpen; }

// The database class knows the session only through these fields.
void darSesionABase(DB_Dll& base)
{
    const Sesion& sesion = gSesion();
    base.gUsuarioLogeado = sesion.gUsuarioLogeado;
    base.gPasswordUsuario = sesion.gPasswordUsuario;
    base.gConfidencialidad = sesion.gConfidencialidad;
}

// How the sequence gives up, from whichever step, to VerificaConexion.
struct InicioAbandonado {};

// The sequence of one start-up. Every step runs under one treatment: error 5
// skips the step, any other gives the start-up up without a word; so does
// the end of the program, asked for during a step.
class SecuenciaInicio {
public:
    SecuenciaInicio(bool ultimoValor, const QString& lineaComando, QString& connString, long cursor)
        : ultimoValor_(ultimoValor),
          lineaComando_(lineaComando),
          connString_(connString),
          cursor_(cursor),
          trap_("VerificaConexion", [this](const ErrorVB& error, const QString&) { return tratarError(error); })
    {
    }
    // However the start-up ends, its banner goes.
    ~SecuenciaInicio() { cerrarCartel(); }
    SecuenciaInicio(const SecuenciaInicio&) = delete;
    SecuenciaInicio& operator=(const SecuenciaInicio&) = delete;

    void ejecutar()
    {
        inicio_ = SegundosDelDia();
        RegistraTiempo("VerificaConexion inicio", inicio_, "UltimoValor=" + comoTexto(ultimoValor_));
        paso([this] { mostrarCartel(); });
        paso([this] { prepararCarpeta(); });
        paso([] {
            gSesion().gColorFondoFoco = vb::vbWhite;
            gSesion().gColorTextoFoco = vb::vbBlack;
        });
        QString linea;
        paso([&] {
            linea = LineaComandoInicio(ultimoValor_, lineaComando_);
            LeerSeccionEquipo();
        });
        bool conectar = !gBaseDatos().gOpenFlag;
        if (conectar) paso([&] { parametros_ = InterpretarLineaComando(linea, connString_); });
        for (;;) {
            if (conectar) abrirBases();
            prepararSesion();
            paso([this] { buscarPasswordGuardada(); });
            // A validation that fails half-way refuses the user.
            bool valido = false;
            paso([&] { valido = UsuarioValido(gBaseDatos(), gSesion().gUsuarioLogeado, gSesion().gPasswordUsuario); });
            if (valido) break;
            RegistraTiempo("VerificaConexion UsuarioValido fallo", inicio_, "Usuario=" + gSesion().gUsuarioLogeado);
            std::optional<bool> reconectar;
            paso([&] {
                MsgBox("El usuario o clave en la base de datos es incorrecto!\r\nIntentelo nuevamente", vb::vbCritical,
                       "Atencion!");
                reconectar = reintentarAcceso();
            });
            if (!reconectar) throw InicioAbandonado{};
            if (!*reconectar) break;
            conectar = true;
        }
        terminar();
    }

private:
    void paso(const std::function<void()>& accion)
    {
        // The treatment either goes on or gives up.
        (void)trap_.paso(accion);
        if (programEndRequested()) throw InicioAbandonado{};
    }

    Respuesta tratarError(const ErrorVB& error)
    {
        cerrarCartel();
        if (error.numero == ErroresVB::ArgumentoNoValido) return Respuesta::Seguir;
        throw InicioAbandonado{};
    }

    void mostrarCartel()
    {
        if (ConsultasArranque* consultas = Service<ConsultasArranque>::find()) {
            consultas->MostrarCartel(gBaseDatos().gDBName, kTituloCartel,
                                     {"Iniciando Aplicacion", os::executableName(), "Espere por favor"});
        }
    }

    void prepararCarpeta()
    {
        carpeta_ = QvFunciones::AgregarBarra(os::programFolder());
        archivoAyuda() = carpeta_ + kArchivoAyuda;
    }

    // Steps 8 to 13: the company database from the parameters, then the statistics one.
    void abrirBases()
    {
        DB_Dll& base = gBaseDatos();
        RegistraTiempo("VerificaConexion parametros", inicio_,
                       "Server=" + parametros_.servidor + " Db=" + parametros_.dbName
                           + " Usuario=" + parametros_.usuario + " UsuarioLogeado=" + gSesion().gUsuarioLogeado);
        paso([&] {
            base.gUsuario = parametros_.dbName;
            base.gDBName = parametros_.dbName;
            base.gUserPassWord = parametros_.dbName;
        });
        paso([&] { base.gServidor = ObtieneIP(parametros_.servidor); });
        RegistraTiempo("VerificaConexion ObtieneIP", inicio_,
                       "Servidor=" + parametros_.servidor + " IP=" + base.gServidor);
        const bool pideParametros = vb::IsBlank(parametros_.servidor) || vb::IsBlank(parametros_.usuario);
        darSesionABase(base);
        paso([&] { base.OpenServerADODB(pideParametros, cursor_, connString_, true, true); });
        RegistraTiempo("VerificaConexion OpenServerADODB", inicio_, "OpenFlag=" + comoTexto(base.gOpenFlag));
        if (!conexionAbierta(base)) throw InicioAbandonado{};
        paso([] { VerificaConexionVX(); });
        RegistraTiempo("VerificaConexion VerificaConexionVX", inicio_);
        paso([&] {
            base.gCnn.setCommandTimeout(gSesion().gTiempoEsperaComando);
            base.gCnn.setIsolationLevel(kLecturaSinConfirmar);
        });
        // Before the first LIKE, which on PostgreSQL needs the folding function.
        paso([&] { (void)CrearIndicesTrigramas(base); });
    }

    // Step 14: what the open company database gives the session.
    void prepararSesion()
    {
        DB_Dll& base = gBaseDatos();
        if (base.gDBName.isEmpty()) return;
        paso([&] {
            gSesion().gCadenaDSN = "DSN=" + base.gDBName + "; UID=" + base.gUsuario + "; PWD=" + base.gUserPassWord;
        });
        paso([this] { QvAplicacion::FijarCarpeta(carpeta_); });
        paso([&] { base.gCnn.setDefaultDatabase(base.gDBName); });
        paso([&] { prepararConsultas(base); });
        paso([&] { base.gCnn.setDefaultDatabase(base.gDBName); });
        paso([this] { CfgMasUsadas(carpeta_); });
        darSesionABase(base);
        RegistraTiempo("VerificaConexion CfgMasUsadas", inicio_);
    }

    static void prepararConsultas(const DB_Dll& base)
    {
        if (ConsultasArranque* consultas = Service<ConsultasArranque>::find())
            consultas->PrepararConsultas(base.gConnString);
    }

    static void cerrarCartel()
    {
        if (ConsultasArranque* consultas = Service<ConsultasArranque>::find()) consultas->CerrarCartel();
    }

    // Step 15: the marker "* *" stands for the password stored for the user.
    static void buscarPasswordGuardada()
    {
        Sesion& sesion = gSesion();
        if (sesion.gPasswordUsuario != kMarcaPassword) return;
        DB_Dll& base = gBaseDatos();
        db::Recordset fila;
        base.AbrirRecordset("Select * from ta_usuarios  with(nolock)  where Nombre = '"
                                + ComillasDobladas(sesion.gUsuarioLogeado) + "'",
                            fila);
        if (fila.State() == db::ado::adStateOpen && !fila.Eof()) {
            sesion.gPasswordUsuario = QvFunciones::Desencriptar(fila.Fields("Password").Value().textOrEmpty());
        }
        base.CierraRecordset(fila);
    }

    // Step 18: up to three tries in the login window. True when the database
    // must be opened again on the server and database typed; false when the
    // user typed is valid on the open one.
    bool reintentarAcceso()
    {
        Sesion& sesion = gSesion();
        DB_Dll& base = gBaseDatos();
        for (int intento = 1; intento <= kIntentos; ++intento) {
            DatosAcceso datos{base.gDBName, base.gServidor, sesion.gUsuarioLogeado, sesion.gPasswordUsuario, 0};
            VentanaAcceso* ventana = Service<VentanaAcceso>::find();
            if (!ventana || !ventana->Mostrar(datos)) throw InicioAbandonado{};
            if (UsuarioValido(base, sesion.gUsuarioLogeado, sesion.gPasswordUsuario)) {
                if (vb::SameText(datos.dbName, base.gDBName) && vb::SameText(datos.servidor, base.gServidor)) {
                    return false;
                }
                parametros_.servidor = datos.servidor;
                parametros_.dbName = datos.dbName;
                return true;
            }
            MsgBox("Usuario o Clave incorrecta", vb::vbInformation, "Atencion");
            RegistrarAccion(base, {}, {}, "0", true, false, false, "Intento de inicio de sesion fallido", {}, false);
        }
        MsgBox("Demasiados intentos para iniciar sesion!\r\nComuniquese con el administrador de sistemas",
               vb::vbCritical, "Atencion!");
        throw InicioAbandonado{};
    }

    void terminar()
    {
        RegistraTiempo("VerificaConexion UsuarioValido ok", inicio_, "Usuario=" + gSesion().gUsuarioLogeado);
        paso([] { RegistraIngresoTarea(gBaseDatos()); });
        RegistraTiempo("VerificaConexion RegistraIngresoTarea", inicio_);
        cerrarCartel();
        RegistraTiempo("VerificaConexion fin", inicio_);
    }

    bool ultimoValor_;
    QString lineaComando_;
    QString& connString_;
    long cursor_;
    TrapErrores trap_;
    float inicio_ = 0;
    QString carpeta_;
    ParametrosConexion parametros_;
};

}  // namespace

bool VerificaConexion(bool UltimoValor, const QString& LineaComando, QString& ConnString, long lCursor)
{
    try {
        SecuenciaInicio(UltimoValor, LineaComando, ConnString, lCursor).ejecutar();
        return true;
    } catch (const InicioAbandonado&) {
        return false;
    }
}

void VerificaConexionVX()
{
    Sesion& sesion = gSesion();
    const DB_Dll& base = gBaseDatos();
    DB_Dll& estadisticas = gBaseDatosVX();
    TrapErrores trap = TrapErrores::silencioso();
    const auto paso = [&trap](const std::function<void()>& accion) { (void)trap.paso(accion); };

    sesion.gTiempoEsperaComando = kTiempoEsperaPorDefecto;
    paso([&] {
        if (conexionAbierta(estadisticas)) estadisticas.gCnn.Close();
    });
    paso([&] {
        estadisticas.gProveedor = DB_Dll::pSQLOLEDB;
        estadisticas.gServidor = base.gServidor;
        estadisticas.gDBName = kBaseEstadisticas;
        estadisticas.gUsuario = kBaseEstadisticas;
        estadisticas.gUserPassWord = kClaveEstadisticas;
        estadisticas.OpenServerADODB(false, db::ado::adUseClient, {}, true, false);
    });
    if (conexionAbierta(estadisticas)) {
        paso([&] { estadisticas.gCnn.setDefaultDatabase(kBaseEstadisticas); });
        paso([&] {
            QString auxiliar;
            const double segundos = vb::Val(CfgVX("TimeOut", auxiliar));
            if (segundos < INT16_MIN || segundos > INT16_MAX) throw ErroresVB::desbordamiento();
            sesion.gTiempoEsperaComando = static_cast<qint16>(segundos);
        });
        if (sesion.gTiempoEsperaComando == 0) {
            paso([] { GrabaCfgVX("TimeOut", 0, {}, false, "BaseDeDatos", true); });
        }
    }
    if (sesion.gTiempoEsperaComando == 0) sesion.gTiempoEsperaComando = kTiempoEsperaPorDefecto;
}

QString ObtieneIP(const QString& Servidor)
{
    QString servidor = Servidor;
    const qsizetype barra = servidor.indexOf(u'/');
    if (barra >= 0) servidor = servidor.mid(barra + 1);
    const qsizetype dosPuntos = servidor.indexOf(u':');
    if (dosPuntos >= 0) servidor = servidor.left(dosPuntos);
    return servidor;
}

QString ArchivoAyuda() { return archivoAyuda(); }
