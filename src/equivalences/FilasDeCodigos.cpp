#include "equivalences/FilasDeCodigos.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"
#include "platform/db/Recordset.h"
#include "suitesupport/QvFunciones.h"

namespace {

FilasDeCodigos::Fila filaDe(db::Recordset& registro)
{
    FilasDeCodigos::Fila fila;
    for (int i = 0; i < registro.FieldCount(); ++i) {
        db::Field columna = registro.Fields(i);
        fila.insert(columna.Name().toUpper(), columna.Value());
    }
    return fila;
}

}  // namespace

const std::optional<FilasDeCodigos::Fila>& FilasDeCodigos::Leer(int campo, const QString& tabla, const QString& clave,
                                                              const QString& codigo)
{
    const QString buscado = vb::Trim(codigo);
    const auto leida = leidas_.constFind(campo);
    if (leida != leidas_.constEnd() && vb::SameText(leida->tabla, tabla) && leida->codigo == buscado)
        return leida->fila;
    db::Recordset registro;
    const bool existe = base_.ExisteEnTabla(tabla, buscado, clave, &registro, 8, {}, true);
    // Closed, the record set says the read failed rather than found nothing.
    if (registro.State() != db::ado::adStateOpen) {
        leidas_.remove(campo);
        return ninguna_;
    }
    return leidas_.insert(campo, {tabla, buscado, existe ? std::optional(filaDe(registro)) : std::nullopt})->fila;
}

Variant FilasDeCodigos::Valor(const std::optional<Fila>& fila, const QString& columna)
{
    if (!fila) return Variant::null();
    return fila->value(vb::Trim(columna).toUpper(), Variant::null());
}

QString FilasDeCodigos::Texto(const std::optional<Fila>& fila, const QString& columna)
{
    return QvFunciones::ValorATexto(Valor(fila, columna));
}
