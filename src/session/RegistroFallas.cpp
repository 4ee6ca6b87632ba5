#include "session/RegistroFallas.h"

#include "database/ArmadoSentencias.h"
#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "session/FechaServidor.h"
#include "session/Sesion.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/QvSistema.h"

#include <QDateTime>

namespace {

constexpr int kLargoDescripcionError = 250;
constexpr int kLargoTexto = 255;
constexpr int kLargoLote = 25;
constexpr int kLargoCuenta = 15;

// Between single quotes; quotes inside are doubled so that no text can end the
// value early (a user name typed at sign-in reaches this statement).
void agregar(ListaCampos& campos, const QString& columna, const QString& valor) { campos.append({columna, valor}); }

QString tipoDeAccion(bool Alta, bool Modificacion, bool EsError)
{
    if (EsError) return "'ER'";
    if (Alta) return "'A'";
    return Modificacion ? "'M'" : "'B'";
}

}  // namespace

void GrabarErrorAux(DB_Dll& base, const QString& sql, QString& Proceso, long NumeroError, const QString& Descripcion)
{
    TrapErrores trap = TrapErrores::silencioso();
    db::Recordset fila;
    (void)trap.paso([&] {
        base.AbrirRecordset("select  top 1 * from AUX_ERR  with(nolock) ", fila, nullptr, db::ado::adOpenDynamic,
                            db::ado::adLockOptimistic);
    });
    (void)trap.paso([&] { fila.AddNew(); });
    (void)trap.paso([&] {
        if (Proceso.isEmpty()) Proceso = os::executableName();
    });
    (void)trap.paso([&] { fila.Fields("Proceso").setValue(Proceso); });
    (void)trap.paso([&] { fila.Fields("fecha").setValue(QDateTime::currentDateTime().toString("dd/MM/yy hh:mm")); });
    (void)trap.paso([&] { fila.Fields("Error").setValue(qint64(NumeroError)); });
    (void)trap.paso(
        [&] { fila.Fields("Descripcion").setValue(QvFunciones::TextoMaximo(Descripcion, kLargoDescripcionError)); });
    (void)trap.paso([&] { fila.Fields("sql").setValue(sql); });
    (void)trap.paso([&] { fila.Fields("PC").setValue(QvSistema::NombreEquipo()); });
    (void)trap.paso([&] { fila.Fields("Usuario").setValue(gSesion().gUsuarioLogeado); });
    (void)trap.paso([&] { fila.Update(); });
    (void)trap.paso([&] { base.CierraRecordset(fila); });
}

void RegistrarAccion(DB_Dll& base, const QString& TC, const QString& IdComprobante, const QString& IdComplemento,
                     bool Alta, bool Modificacion, bool, const QString& Descripcion, const QString& Cuenta,
                     bool EsError)
{
    TrapErrores trap = TrapErrores::silencioso();
    (void)trap.paso([&] {
        const Sesion& sesion = gSesion();
        ListaCampos campos;
        agregar(campos, "TC", EntreComillas(QvFunciones::FormatoCodigo(vb::Trim(TC), 4)));
        agregar(campos, "IdComprobante", EntreComillas(IdComprobante));
        agregar(campos, "IdComplemento", IdComplemento.isEmpty() ? QString("0") : IdComplemento);
        agregar(campos, "Tipo_accion", tipoDeAccion(Alta, Modificacion, EsError));
        agregar(campos, "FECHAHORA", EntreComillas(vb::DateText(FechaServidor(base))));
        agregar(campos, "Usuario", EntreComillas(sesion.gUsuarioLogeado));
        agregar(campos, "PC", EntreComillas(QvSistema::NombreEquipo()));
        agregar(campos, "SYSTEMUSER", EntreComillas(vb::Trim(QvFunciones::TextoMaximo(Descripcion, kLargoTexto))));
        agregar(campos, "Proceso",
                EntreComillas(QvFunciones::TextoMaximo(
                    vb::Trim(os::executableName()) + " " + sesion.gParametroAdicional, kLargoTexto)));
        agregar(campos, "ProcesoLote", EntreComillas(vb::Trim(QvFunciones::TextoMaximo(QString(), kLargoLote))));
        agregar(campos, "Cuenta", EntreComillas(QvFunciones::TextoMaximo(vb::Trim(Cuenta), kLargoCuenta)));
        QString sentencia = " INSERT INTO V_MV_CPTEACCIONES ";
        ArmarValoresInsert(sentencia, campos, true);
        base.EjecutaConsultaSQL(sentencia);
    });
}
