#include "replication/FilasReplica.h"

#include "platform/VbText.h"

FilasReplica FilasReplica::de(db::Recordset& filas)
{
    FilasReplica leidas;
    if (filas.State() != db::ado::adStateOpen) return leidas;
    for (int i = 0; i < filas.FieldCount(); ++i) {
        db::Field campo = filas.Fields(i);
        leidas.columnas.append(campo.Name());
        leidas.tipos.append({campo.Type(), campo.DefinedSize()});
    }
    for (; !filas.Eof(); filas.MoveNext()) {
        QVector<Variant> fila;
        fila.reserve(filas.FieldCount());
        for (int i = 0; i < filas.FieldCount(); ++i) fila.append(filas.Fields(i).Value());
        leidas.valores.append(std::move(fila));
    }
    return leidas;
}

int FilasReplica::indice(const QString& columna) const
{
    for (int i = 0; i < columnas.size(); ++i) {
        if (vb::SameText(columnas[i], columna)) return i;
    }
    return -1;
}
