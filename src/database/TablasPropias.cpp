#include "database/TablasPropias.h"

#include "database/DB_Dll.h"

bool CrearTablasQueFaltan(DB_Dll& base, std::initializer_list<TablaPropia> tablas)
{
    bool todas = true;
    for (const TablaPropia& tabla : tablas) {
        if (base.ExisteTablaDB(tabla.nombre)) continue;
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
