#include "database/DB_Dll.h"

#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "suitesupport/TratamientoErrores.h"

// Looking at the structure of the open database and adding a missing column.

namespace {

// Walks a schema list for a row whose column `columna` names `nombre`.
bool listaNombra(db::Recordset& lista, const QString& columna, const QString& nombre)
{
    for (; !lista.Eof(); lista.MoveNext()) {
        if (vb::SameText(vb::Trim(lista.Fields(columna).Value().textOrEmpty()), vb::Trim(nombre))) return true;
    }
    return false;
}

}  // namespace

void DB_Dll::AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                      const Variant& ValorDefault)
{
    TrapErrores trap("errAddField", [this](const ErrorVB& error, const QString& rutina) {
        return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
    });
    (void)trap.paso([&] {
        const QString nulos = PermiteNulos ? " Null " : " Not Null ";
        const QString porDefecto = ValorDefault.isEmpty() ? QString()
                                                          : " CONSTRAINT DF_" + vb::Trim(Tabla) + "_" + vb::Trim(Campo)
                                                                + " DEFAULT (" + ValorDefault.toText() + ")";
        EjecutaConsultaSQL("ALTER TABLE dbo." + Tabla + " ADD " + Campo + " " + Tipo + nulos + porDefecto);
    });
}

bool DB_Dll::ExisteTablaDB(const QString& Tabla)
{
    TrapErrores trap("VerificaCampos", [this](const ErrorVB& error, const QString& rutina) {
        return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
    });
    bool existe = false;
    (void)trap.paso([&] {
        db::Recordset tablas = gCnn.OpenSchema(db::ado::adSchemaTables);
        existe = listaNombra(tablas, "TABLE_NAME", Tabla);
    });
    return existe;
}

bool DB_Dll::ExisteCampoDB(const QString& Tabla, const QString& Campo)
{
    if (vb::ContainsText(gProveedor, "ORACLE")) return true;
    TrapErrores trap("VerificaCampos", [this](const ErrorVB& error, const QString& rutina) {
        return RespuestaDelBoton(TratamientoErrores(error, kBotonesTratamiento, rutina));
    });
    bool existe = false;
    (void)trap.paso([&] {
        db::Recordset columnas = gCnn.OpenSchema(db::ado::adSchemaColumns, {gDBName, {}, Tabla, {}});
        existe = listaNombra(columnas, "COLUMN_NAME", Campo);
    });
    return existe;
}

bool DB_Dll::VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar, const QString& Tipo,
                        bool PermiteNulos, const Variant& ValorDefault)
{
    if (ExisteTablaDB(Tabla) && !ExisteCampoDB(Tabla, Campo) && Agregar) {
        AddField(Tabla, Campo, Tipo, PermiteNulos, ValorDefault);
    }
    return true;
}
