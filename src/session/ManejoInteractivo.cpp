#include "session/ManejoInteractivo.h"

#include "platform/ProgramEnd.h"
#include "platform/db/DbErrors.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "session/VentanaAcceso.h"
#include "session/frmReconectar.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kIntentosPorSerie = 10;
constexpr int kPausaEntreIntentosMs = 500;
constexpr char kCR[] = "\r";
constexpr char kCRLF[] = "\r\n";

void dejarCorrerEventos() { QCoreApplication::processEvents(); }

void esperar(int milisegundos)
{
    QEventLoop espera;
    QTimer::singleShot(milisegundos, &espera, &QEventLoop::quit);
    espera.exec();
}

QString preguntaDeApertura(const db::DbError& primero, const EnlaceBase& enlace, const QString& usuario)
{
    return " Estado de Sql: " + primero.SQLState + kCR + "Numero de Error: " + QString::number(primero.Number) + kCR
           + "Descripcion: " + primero.Description + kCR + "Codigo Nativo: " + QString::number(primero.NativeError)
           + kCR + kCRLF + "Nombre de Proceso: " + os::executableName() + kCR + kCRLF + kCRLF
           + "1. Verifique el Usuario, contraseña y base de datos" + kCRLF
           + "2. Verifique el nombre del servidor, quizas necesite agregarle el nombre de la instancia, por ejemplo : "
           + enlace.servidor + "\\QUROVEX" + kCRLF + "3. Verifique si el inicio de sesion para el usuario " + usuario
           + " existe" + kCRLF + kCRLF + kCRLF + " - Desea Intentarlo Nuevamente??? ";
}

}  // namespace

ManejoInteractivo::ManejoInteractivo() = default;
ManejoInteractivo::~ManejoInteractivo() = default;

int ManejoInteractivo::TratamientoErrores(const ErrorVB& error, int botones, const QString& rutina,
                                          const QString& archivoErrores)
{
    if (programEndRequested()) return 0;
    return TratamientoErroresBaseDatos(error, botones, rutina, archivoErrores);
}

Respuesta ManejoInteractivo::TratarError(const ErrorVB& error, const QString& rutina)
{
    if (programEndRequested()) return Respuesta::Salir;
    return QvFunciones::TratarError(error, rutina);
}

Respuesta ManejoInteractivo::FalloDeBusqueda(const ErrorVB& error)
{
    if (programEndRequested()) return Respuesta::Salir;
    return RespuestaDelBoton(MsgBox(error.descripcion, vb::vbAbortRetryIgnore + vb::vbCritical, "Aviso al Operador"));
}

void ManejoInteractivo::FalloDeSentencia(const ErrorVB& error)
{
    if (!programEndRequested()) MsgBox(error.descripcion, vb::vbCritical, "Aviso al operador!!!");
}

void ManejoInteractivo::SinConexion()
{
    if (!programEndRequested())
        MsgBox("No hay conexión con el servidor. Intentá de nuevo en unos segundos.", vb::vbExclamation);
}

bool ManejoInteractivo::ReintentarApertura(const ErrorVB& error, const db::Errors& errores, const EnlaceBase& enlace,
                                           const QString& usuario)
{
    if (errores.Count() == 0) {
        MsgBox(error.descripcion);
        return false;
    }
    return MsgBox(preguntaDeApertura(errores.Item(0), enlace, usuario), vb::vbYesNo + vb::vbCritical,
                  " Error de Conexion a Base de Datos")
           == vb::vbYes;
}

bool ManejoInteractivo::PedirParametros(DatosAcceso& datos)
{
    VentanaAcceso* ventana = Service<VentanaAcceso>::find();
    return ventana && ventana->Mostrar(datos);
}

Respuesta ManejoInteractivo::PerdidaDeConexion(const EnlaceBase& enlace, const std::function<bool()>& reconectar)
{
    if (programEndRequested()) return Respuesta::Salir;
    // Another failure is already asking: this one takes the ordinary way.
    if (preguntaPerdidaVisible_) return Respuesta::Seguir;
    preguntaPerdidaVisible_ = true;
    const int respuesta =
        MsgBox("SE PERDIÓ LA CONEXION CON EL SERVIDOR. (" + enlace.servidor + ") " + "\r\n\r\n"
                   + "¿Querés que intentemos reconectar (Sí) " + "\r\n" + "o cerrar la aplicación (No)?",
               vb::vbYesNo + vb::vbCritical, "Conexión a la base de datos");
    preguntaPerdidaVisible_ = false;
    if (respuesta != vb::vbYes || !reconectarConVentana(enlace, reconectar)) {
        cerrarPrograma();
        return Respuesta::Salir;
    }
    return Respuesta::Reintentar;
}

bool ManejoInteractivo::ReintentarTrasPerdida(const EnlaceBase& enlace)
{
    if (programEndRequested()) return false;
    const QString pregunta = QString("\r\n\r\n\r\n") + "Se perdio la conexion con la base de datos " + enlace.base
                             + "\r\n" + " Servidor " + enlace.servidor + "\r\n\r\n"
                             + "Elija SI para reintentar conectarse" + "\r\n" + "Elija NO para cerrar la aplicacion"
                             + "\r\n\r\n\r\n";
    if (MsgBox(pregunta, vb::vbYesNo + vb::vbCritical, "AVISO AL OPERADOR") == vb::vbYes) return true;
    return cerrarPrograma();
}

std::optional<QString> ManejoInteractivo::ElegirArchivo(const QString& titulo, const QString& filtro)
{
    return Service<Dialogs>::get().openFile(titulo, filtro);
}

QString ManejoInteractivo::PedirClave() { return InputBox("ingrese el password:", "Password Access"); }

void ManejoInteractivo::FalloDeArchivo(const ErrorVB& error)
{
    MsgBox(QString::number(error.numero) + "  " + error.descripcion, vb::vbCritical);
}

void ManejoInteractivo::DespuesDeLeer() { dejarCorrerEventos(); }

bool ManejoInteractivo::reconectarConVentana(const EnlaceBase& enlace, const std::function<bool()>& reconectar)
{
    ventanaReconexion_ = std::make_unique<frmReconectar>();
    frmReconectar& ventana = *ventanaReconexion_;
    bool reconectado = false;
    for (int intentos = kIntentosPorSerie; !reconectado;) {
        ventana.Empezar(enlace.rutina, enlace.base);
        dejarCorrerEventos();
        for (int i = 1; i <= intentos && !reconectado; ++i) {
            if (ventana.Cancelar() || ventana.Reintentar()) break;
            ventana.Avanzar(static_cast<int>(std::lround(i * 100.0 / intentos)), i == intentos);
            dejarCorrerEventos();
            reconectado = reconectar();
            if (reconectado) break;
            esperar(kPausaEntreIntentosMs);
            dejarCorrerEventos();
        }
        if (ventana.Cancelar()) break;
    }
    ventanaReconexion_.reset();
    return reconectado;
}

// The operator chose to close the program rather than wait for its server.
bool ManejoInteractivo::cerrarPrograma()
{
    requestProgramEnd();
    return false;
}
