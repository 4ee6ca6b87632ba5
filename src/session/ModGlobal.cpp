#include "session/ModGlobal.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "session/RegistroFallas.h"
#include "session/TextoABooleano.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

namespace {

constexpr int kLargoMaximoDeCodigo = 29;

// One line per error, "<native> : <description>" and CR LF; with several,
// every one but the last.
QString lineasDeError(const db::Errors& errores)
{
    const int cuantas = errores.Count() == 1 ? 1 : errores.Count() - 1;
    QString lineas;
    for (int i = 0; i < cuantas; ++i) {
        lineas += QString::number(errores.Item(i).NativeError) + " : " + errores.Item(i).Description + "\r\n";
    }
    return lineas;
}

}  // namespace

void AsignarCampo(db::Recordset& registro, const QString& campo, const QString& valor)
{
    db::Field destino = registro.Fields(QString(campo).remove(u'[').remove(u']'));
    const int tipo = destino.Type();
    if (ADOText(tipo)) {
        const long largo = destino.DefinedSize();
        const QString texto =
            largo > kLargoMaximoDeCodigo ? vb::Trim(valor) : QvFunciones::FormatoCodigo(valor, static_cast<int>(largo));
        destino.setValue(vb::IsBlank(texto) ? Variant::null() : Variant(texto));
    } else if (ADONumeric(tipo)) {
        destino.setValue(SQLValue(valor, "@"));
    } else if (ADOBoolean(tipo)) {
        QString texto = valor;
        destino.setValue(TextoABooleano(texto, true));
    } else if (ADOCurrency(tipo)) {
        destino.setValue(SQLValue(QvFunciones::TextoAMoneda(valor), "@"));
    } else if (adodate(tipo)) {
        const auto fecha = vb::ParseDate(valor);
        destino.setValue(fecha ? Variant(*fecha) : Variant::null());
    } else {
        destino.setValue(valor);
    }
}

void GActualizarDatoScript(DB_Dll& base, const QStringList& Sentencias, bool& HuboError, long& CodigoError,
                           bool OmitirAvisoDuplicado, bool OmitirAvisoRelacion, QString& ScriptEjecutado,
                           QString& MensajeError, bool MostrarMensaje)
{
    HuboError = false;
    TrapErrores trap("GActualizarDatoScript", [](const ErrorVB& error, const QString& rutina) {
        return QvFunciones::TratarError(error, rutina);
    });

    QString unidas;
    for (const QString& sentencia : Sentencias) {
        if (!vb::IsBlank(sentencia)) unidas += "\r" + sentencia;
    }
    if (unidas.isEmpty()) return;

    const QString script = "BEGIN TRANSACTION \r\r" + unidas + "\r";
    ScriptEjecutado = script;
    // The error list is read afterwards: what an earlier statement left there is not the script's.
    base.gCnn.errors().Clear();
    (void)TrapErrores::silencioso().paso([&] { base.EjecutaConsultaSQL(script); });

    long numero = 0;
    QString mensaje;
    if (!trap.paso([&] {
            db::Errors& errores = base.gCnn.errors();
            if (errores.Count() == 0) return;
            numero = errores.Item(0).NativeError;
            HuboError = true;
            mensaje = lineasDeError(errores);
            MensajeError = mensaje;
            if ((OmitirAvisoDuplicado && numero == db::ErrorMap::DuplicateKeyNative)
                || (OmitirAvisoRelacion && numero == db::ErrorMap::ConstraintConflictNative)) {
                MensajeError = errores.Item(0).Description;
                mensaje.clear();
            }
            errores.Clear();
        })) {
        return;
    }

    if (HuboError) {
        (void)TrapErrores::silencioso().paso([&] { base.EjecutaConsultaSQL("ROLLBACK TRANSACTION"); });
        if (!trap.paso([&] {
                QString proceso = os::executableName();
                GrabarErrorAux(base, script, proceso, numero, mensaje);
            })) {
            return;
        }
        if (!vb::IsBlank(mensaje) && MostrarMensaje) MsgBox(mensaje, vb::vbCritical, "Aviso al Operador!");
    } else if (!trap.paso([&] { base.EjecutaConsultaSQL("COMMIT TRANSACTION"); })) {
        return;
    }
    CodigoError = numero;
}
