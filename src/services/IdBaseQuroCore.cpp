#include "services/IdBaseQuroCore.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "platform/os/AnsiFile.h"
#include "platform/ui/Dialogs.h"
#include "services/ModQuroCore.h"
#include "session/Configuracion.h"

#include <QStringList>

#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr char kClave[] = "QUROCORE_IDBASE";
constexpr char kTituloPregunta[] = "QuroCore - Falta un dato de configuracion";
// Where the operator gets help with the identifier.
constexpr char kTelefonoSoporte[] = "0800-555-7876";

QString Pregunta()
{
    return QString("Este equipo todavia no tiene configurado el Id de base de QuroCore SaaS.") + os::kCrLf + os::kCrLf
           + "Es el numero que identifica esta base en QURO_CENTRAL (Admin > Bases dentro de QuroCore)." + os::kCrLf
           + os::kCrLf + "Si no lo sabes, consultale al administrador del sistema o escribinos por WhatsApp al "
           + kTelefonoSoporte + ".";
}

// A whole number from 1 to the largest 32-bit one; nothing otherwise.
std::optional<qint32> IdentificadorValido(double numero)
{
    if (numero < 1 || numero > std::numeric_limits<qint32>::max() || numero != std::floor(numero)) return {};
    return static_cast<qint32>(numero);
}

// Runs one statement; the database's reason when it refused it, else empty.
// The statement runner reports failures only through the connection's error
// list, so the list is emptied first and read afterwards.
QString FallaAlEjecutar(DB_Dll& base, QString sentencia)
{
    base.gCnn.errors().Clear();
    base.EjecutaConsultaSQL(std::move(sentencia));
    return base.gCnn.errors().Count() == 0 ? QString() : base.gCnn.errors().Item(0).Description;
}

bool GuardarIdBase(DB_Dll& base, qint32 id)
{
    const QString valor = QString::number(id);
    const QStringList sentencias{
        QString("IF NOT EXISTS(SELECT 1 FROM TA_CONFIGURACION WHERE CLAVE = '") + kClave + "') "
            + "INSERT INTO TA_CONFIGURACION (GRUPO, CLAVE, VALOR) VALUES ('DATOS', '" + kClave + "', '" + valor + "')",
        "UPDATE TA_CONFIGURACION SET VALOR = '" + valor + "' WHERE CLAVE = '" + kClave + "'",
    };
    QString falla = base.gCnn.State() == db::ado::adStateOpen ? QString() : "La base de datos no esta abierta.";
    for (qsizetype i = 0; i < sentencias.size() && falla.isEmpty(); ++i) falla = FallaAlEjecutar(base, sentencias[i]);
    if (falla.isEmpty()) return true;
    MsgBox("No se pudo guardar el Id de base." + QString(os::kCrLf) + falla, vb::vbCritical, kTituloQuroCore);
    return false;
}

}  // namespace

QString IdBaseQuroCore() { return vb::Trim(Cfg(kClave, "DATOS")); }

bool PedirIdBase(DB_Dll& base)
{
    const QString respuesta = vb::Trim(InputBox(Pregunta(), kTituloPregunta));
    if (respuesta.isEmpty()) {
        MsgBox(QString("No se configuro el Id de base.") + os::kCrLf
                   + "Consultale al administrador del sistema o escribinos por WhatsApp al " + kTelefonoSoporte
                   + " para poder abrir este modulo.",
               vb::vbInformation, kTituloQuroCore);
        return false;
    }
    const std::optional<double> numero = vb::ParseNumber(respuesta);
    if (!numero) {
        MsgBox(QString("El Id de base tiene que ser un numero.") + os::kCrLf
                   + "Consultale al administrador del sistema o escribinos por WhatsApp al " + kTelefonoSoporte + ".",
               vb::vbExclamation, kTituloQuroCore);
        return false;
    }
    const std::optional<qint32> id = IdentificadorValido(*numero);
    if (!id) {
        MsgBox("El Id de base no es valido.", vb::vbExclamation, kTituloQuroCore);
        return false;
    }
    return GuardarIdBase(base, *id);
}
