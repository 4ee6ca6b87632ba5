#include "database/TablasPropias.h"

#include "database/DB_Dll.h"
#include "platform/VbText.h"

#include <QSet>

namespace {

// The names of the database's tables, in capitals: one listing serves every table asked about.
QSet<QString> tablasDe(DB_Dll& base)
{
    QSet<QString> nombres;
    for (db::Recordset tablas = base.gCnn.OpenSchema(db::ado::adSchemaTables); !tablas.Eof(); tablas.MoveNext())
        nombres.insert(vb::Trim(tablas.Fields("TABLE_NAME").Value().textOrEmpty()).toUpper());
    return nombres;
}

}  // namespace

bool CrearTablasQueFaltan(DB_Dll& base, std::initializer_list<TablaPropia> tablas)
{
    QSet<QString> existentes;
    try {
        existentes = tablasDe(base);
    } catch (const ErrorVB&) {
        base.gCnn.errors().Clear();
        return false;
    }
    bool todas = true;
    for (const TablaPropia& tabla : tablas) {
        if (existentes.contains(QString(tabla.nombre).toUpper())) continue;
        db::Errors& errores = base.gCnn.errors();
        errores.Clear();
        base.EjecutaConsultaSQL(tabla.definicion);
        for (const char* indice : tabla.indices)
            if (indice && errores.Count() == 0) base.EjecutaConsultaSQL(indice);
        todas = todas && errores.Count() == 0;
        errores.Clear();
    }
    return todas;
}
