#include "suitesupport/TratamientoErrores.h"

#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "suitesupport/QvSistema.h"

#include <QDateTime>

namespace {

// What tells the two copies of the treatment apart.
struct Copia {
    QString finTitulo;
    QString respondio;
    QString nombreSi;
    QString rutaLog;
};

QString carpetaTemporalDelLog()
{
    for (const char* variable : {"TEMP", "TMP"}) {
        const QString carpeta = os::environment(variable);
        if (!carpeta.isEmpty()) return carpeta;
    }
    return QvSistema::CarpetaTemporal();
}

QString nombreBoton(int respuesta, const Copia& copia)
{
    switch (respuesta) {
    case vb::vbRetry: return "Reintentar";
    case vb::vbIgnore: return "Ignorar";
    case vb::vbAbort: return "Abortar";
    case vb::vbCancel: return "Cancelar";
    case vb::vbYes: return copia.nombreSi;
    case vb::vbNo: return "No";
    default: return {};
    }
}

QString lineaLog(const QString& rutina, const QString& mensaje, int respuesta, const Copia& copia)
{
    const QString textoRutina = rutina.isEmpty() ? QString() : vb::Trim(" - " + rutina);
    return QDateTime::currentDateTime().toString("MM-dd-yyyy hh:mm:ss") + " Rutina: " + textoRutina + " Mensaje "
           + mensaje + copia.respondio + nombreBoton(respuesta, copia) + os::kCrLf;
}

int tratar(const ErrorVB& error, int botones, const QString& rutina, const Copia& copia)
{
    if (!error.hayError()) return 0;
    const QString mensaje =
        "Ha ocurrido el Siguiente Error (" + QString::number(error.numero) + ") " + vb::Trim(error.descripcion);
    const QString textoRutina = rutina.isEmpty() ? QString() : " - " + rutina;
    const int respuesta = MsgBox(mensaje, botones, error.fuente + textoRutina + copia.finTitulo);
    // A log that cannot be written is skipped: the answer still counts.
    os::appendAnsiText(copia.rutaLog, lineaLog(rutina, mensaje, respuesta, copia));
    return respuesta;
}

}  // namespace

int TratamientoErrores(const ErrorVB& CodErr, int Botones, const QString& Rutina)
{
    const Copia modulo{" Aviso al operador!!! - 2 ", " Respondio : ", "Si",
                       os::joinPath(carpetaTemporalDelLog(), kArchivoLogErrores)};
    return tratar(CodErr, Botones, Rutina, modulo);
}

int TratamientoErroresBaseDatos(const ErrorVB& CodErr, int Botones, const QString& Rutina,
                                const QString& ArchivoErrores)
{
    const QString ruta =
        ArchivoErrores.isEmpty() ? os::joinPath(os::programFolder(), kArchivoLogErrores) : ArchivoErrores;
    const Copia baseDatos{" Aviso al operador!!! - 5 ", " Respondió : ", "Sí", ruta};
    return tratar(CodErr, Botones, Rutina, baseDatos);
}
