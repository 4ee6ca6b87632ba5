#include "session/FechaServidor.h"

#include "database/DB_Dll.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "session/Configuracion.h"
#include "session/Sesion.h"

QDateTime FechaServidor(DB_Dll& base)
{
    TrapErrores trap = TrapErrores::silencioso();
    db::Recordset fila;
    std::optional<QDateTime> fecha;
    (void)trap.paso([&] { base.AbrirRecordset("select  getDate() as fecha", fila, nullptr, 0, 1, -1); });
    (void)trap.paso([&] {
        if (fila.State() == db::ado::adStateClosed || fila.Bof()) return;
        const QString texto = fila.Fields("fecha").Value().toDateTime().toString("dd/MM/yyyy hh:mm:ss");
        fecha = vb::ParseDate(texto);
    });
    (void)trap.paso([&] {
        if (fecha) return;
        if (gSesion().gUtilizarFechaDia) fecha = vb::ParseDate(Cfg("FECHAOPERHASTA"));
        if (!fecha) fecha = QDateTime::currentDateTime();
    });
    (void)trap.paso([&] { base.CierraRecordset(fila); });
    return fecha.value_or(QDateTime::currentDateTime());
}
