#include "services/MenuExes.h"

#include "database/DB_Dll.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/Desktop.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "services/ModQuroCore.h"
#include "services/Navegador.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

namespace {

constexpr QLatin1String kPrefijoShell("shell:");
constexpr char kServicioLocal[] = "http://localhost:5055/";
constexpr char kTituloAtencion[] = "Atencion";

// " ; @server=...; ...;" as the suite's programs read their command line
// (the leading blank parts it from the program's name).
QString TextoParametrosSesion(const DB_Dll& base, const QString& Parametro)
{
    const Sesion& sesion = gSesion();
    return " ; @server=" + base.gServidor + "; @dbname=" + base.gDBName + "; @usuario=" + sesion.gUsuarioLogeado
           + "; @Password=" + sesion.gPasswordUsuario + "; @ParametroAdicional=" + Parametro
           + "; quro@ ; @UsuarioLogeado = " + sesion.gUsuarioLogeado + "; @Caja=" + sesion.gCaja + ";";
}

QString SinPrefijoShell(const QString& Programa)
{
    const QString programa = vb::Trim(Programa);
    return programa.startsWith(kPrefijoShell, Qt::CaseInsensitive) ? vb::Trim(programa.mid(kPrefijoShell.size()))
                                                                   : programa;
}

bool EsComandoEdge(const QString& programa)
{
    return vb::SameText(programa, "msedge") || programa.startsWith("msedge ", Qt::CaseInsensitive);
}

bool EsRuta(const QString& programa) { return programa.contains(u'/') && !programa.contains("://"); }

// The host part of the database server: "SRV01\SQLEXPRESS" gives "SRV01".
QString HostDelServidor(const QString& servidor) { return servidor.section(u'/', 0, 0).section(u'\\', 0, 0); }

void AbrirComandoEdge(DB_Dll& base, const QString& comando, qint32& Resultado)
{
    if (AbrirQuroCore(base, comando, true) || AbrirEnEdge(comando)) {
        Resultado = 1;
        return;
    }
    MsgBox("No se pudo abrir Microsoft Edge." + QString(os::kCrLf) + comando, vb::vbCritical, kTituloAtencion);
}

void AbrirServicioLocal(const DB_Dll& base, QString& Programa)
{
    Programa = vb::ReplaceText(Programa, kPrefijoShell, "");
    Programa = vb::ReplaceText(Programa, "localhost", HostDelServidor(base.gServidor));
    AbrirURL(Programa);
}

// Starts the program detached with the session's parameter text as its one
// argument; the process id. A program that does not start is a run-time
// error, which names the program but never its arguments (the password).
qint32 IniciarConSesion(const QString& ruta, const QString& parametrosSesion)
{
    const qint64 tarea = Service<Desktop>::get().startProgram(ruta, {parametrosSesion.mid(1)});
    if (tarea == 0) throw ErrorVB(ErroresVB::ArchivoNoEncontrado, "No se pudo iniciar el programa " + ruta);
    return static_cast<qint32>(tarea);
}

}  // namespace

void MenuExes(DB_Dll& base, QString& Programa, QString& Parametro, qint32& Resultado)
{
    const qsizetype blanco = Parametro.indexOf(u' ');
    if (blanco >= 0) Parametro = Parametro.mid(blanco + 1);
    const QString parametrosSesion = TextoParametrosSesion(base, Parametro);
    const QString programa = SinPrefijoShell(Programa);

    if (EsComandoEdge(programa)) {
        AbrirComandoEdge(base, programa, Resultado);
        return;
    }
    if (!EsRuta(programa) && vb::ContainsText(Programa, kServicioLocal)) {
        AbrirServicioLocal(base, Programa);
        Resultado = 1;
        return;
    }
    const QString ruta = EsRuta(programa) ? programa : os::findFileIgnoringCase(os::programFolder(), programa);
    TrapErrores trap("MenuExes", QvFunciones::TratarError);
    if (!trap.paso([&] { Resultado = IniciarConSesion(ruta, parametrosSesion); })) return;
    if (Resultado == 0)
        MsgBox("Opcion no Implementada!\rComuniquese con su proveedor de sistemas", vb::vbCritical, kTituloAtencion);
}

void AbrirURL(const QString& URL)
{
    const QString direccion = vb::Trim(URL);
    if (direccion.isEmpty()) {
        MsgBox("URL vacia", vb::vbExclamation);
        return;
    }
    if (!Service<Desktop>::get().openDocument(direccion))
        MsgBox("No se pudo abrir la URL: " + direccion, vb::vbCritical);
}
