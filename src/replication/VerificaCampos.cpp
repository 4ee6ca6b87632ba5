#include "replication/VerificaCampos.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"

QString VerificaCampos(const QString& Tabla, DB_Dll& Destino, const QStringList& Excluidos, bool Corchetes,
                       QString& Tipos)
{
    db::Recordset esquema =
        Destino.gCnn.OpenSchema(db::ado::adSchemaColumns, {Destino.gDBName, {}, vb::Trim(Tabla), {}});
    QStringList columnas;
    QStringList tipos;
    for (; !esquema.Eof(); esquema.MoveNext()) {
        const QString nombre = esquema.Fields("COLUMN_NAME").Value().textOrEmpty();
        if (Excluidos.contains(vb::Trim(nombre), Qt::CaseInsensitive)) continue;
        columnas.append(Corchetes ? "[" + nombre + "]" : nombre);
        tipos.append(esquema.Fields("DATA_TYPE").Value().textOrEmpty());
    }
    Tipos = tipos.join(u',');
    return columnas.join(u',');
}
