#include "equivalences/FrmEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/TextField.h"
#include "vendor/QvCampos.h"
#include "vendor/QvFunciones.h"

#include <QLabel>

// The equivalences recorded for one article and the generic ones, and the
// window's reset.

namespace {

struct Columna {
    const char* encabezado;
    int anchoEnX;
    const char* campo;
};

const QVector<Columna>& columnasPorArticulo()
{
    static const QVector<Columna> columnas{
        {"ID", 0, "Id"},
        {"IDArticulo", 0, "IdArticulo"},
        {"Unidad", 6, "IdUnidad"},
        {"Descripción", 20, "Descripcion"},
        {"Unidad Eq.", 8, "IdUnidad_Equiv"},
        {"Descripción", 20, "DescripcionEquiv"},
        {"Coeficiente", 10, "Coeficiente"},
    };
    return columnas;
}

// The generic grid shows the same columns without the two hidden keys.
const QVector<Columna>& columnasEspeciales()
{
    static const QVector<Columna> columnas = columnasPorArticulo().mid(2);
    return columnas;
}

const QVector<Columna>& columnasDe(const FlexGrid& grilla, const FlexGrid& porArticulo)
{
    return &grilla == &porArticulo ? columnasPorArticulo() : columnasEspeciales();
}

}  // namespace

void FrmEquivalencias::Inicializa()
{
    EnAlta_ = false;
    EnBaja_ = false;
    EnModificacion_ = false;
    TablaActiva = "S_TA_EQUIV";
    AbrirRecordset(TablaActiva);
    QvCampos::LimpiarCampos(*this, ArticuloFijo_ ? 2 : 0);
    QvCampos::PrepararCampos(Txtfields, TablaActiva, gBaseDatos().gCnn.ConnectionString());
    InicializaGrid();
    LblEj->setText({});
    LblEj2->setText({});
    otrosCoeficientes_ = 0;
    mostrarDescripciones();
    if (ArticuloFijo_) CargarEquivDelArticulo(campo("IdArticulo").text());
    DetalleOn(false);
}

void FrmEquivalencias::AbrirRecordset(const QString& tabla)
{
    gBaseDatos().AbrirRecordset("SELECT TOP 1 * FROM " + tabla, RegistroActual, nullptr, db::ado::adOpenDynamic,
                                db::ado::adLockOptimistic, -1, true);
}

void FrmEquivalencias::FijarArticulo(const QString& codigo)
{
    ArticuloExterno = codigo;
    ArticuloFijo_ = !vb::IsBlank(ArticuloExterno);
    ArticuloExterno = codigoArticulo(ArticuloExterno);
    if (!ArticuloFijo_) return;
    TextField& articulo = campo("IdArticulo");
    articulo.setEnabled(false);
    articulo.setText(vb::Trim(ArticuloExterno));
    db::Recordset fila = gBaseDatos().gCnn.Execute("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = '"
                                                   + ComillasDobladas(ArticuloExterno) + "'");
    campo("IdUnidad").setText(QvFunciones::ValorATexto(fila.Fields("IdUnidad").Value()));
    VerRelacion();
}

namespace {

void prepararGrilla(FlexGrid& grilla, const QVector<Columna>& columnas, const std::function<int(int)>& anchoDeX)
{
    grilla.Clear();
    grilla.setCols(static_cast<int>(columnas.size()));
    grilla.setRows(2);
    for (int c = 0; c < columnas.size(); ++c) {
        grilla.setTextMatrix(0, c, columnas[c].encabezado);
        grilla.setColWidth(c, anchoDeX(columnas[c].anchoEnX));
    }
}

}  // namespace

void FrmEquivalencias::InicializaGrid()
{
    prepararGrilla(*MSFlexGrid1, columnasPorArticulo(), [this](int x) { return anchoDeX(x); });
}

void FrmEquivalencias::InicializaGrid2()
{
    prepararGrilla(*MSFlexGrid2, columnasEspeciales(), [this](int x) { return anchoDeX(x); });
}

void FrmEquivalencias::CargarEquivDelArticulo(const QString& IdArticulo)
{
    InicializaGrid();
    const QString codigo = codigoArticulo(IdArticulo);
    const QString sentencia =
        QString(" SELECT S_TA_EQUIV.ID, S_TA_EQUIV.IDARTICULO,V_MA_ARTICULOS.DESCRIPCION AS DESCRARTICULO, "
                "S_TA_EQUIV.IDUNIDAD,V_TA_Unidad.Descripcion AS Descripcion,S_TA_EQUIV.IDUNIDAD_EQUIV, ")
        + " V_TA_Unidad1.Descripcion AS DescripcionEquiv, S_TA_EQUIV.COEFICIENTE FROM S_TA_EQUIV LEFT OUTER JOIN "
          "V_TA_Unidad ON S_TA_EQUIV.IDUNIDAD = V_TA_Unidad.IdUnidad LEFT OUTER JOIN "
        + " V_TA_Unidad V_TA_Unidad1 ON S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad LEFT OUTER Join "
          "V_MA_ARTICULOS ON S_TA_EQUIV.IdArticulo = V_MA_ARTICULOS.IdArticulo"
        + " WHERE (S_TA_EQUIV.IDARTICULO = '" + ComillasDobladas(codigo) + "') ";
    llenarGrilla(*MSFlexGrid1, sentencia, "CargarEquivDelArticulo");
}

void FrmEquivalencias::CargarEquivEspecial()
{
    InicializaGrid2();
    const QString sentencia =
        QString("SELECT dbo.S_TA_EQUIV.IDUNIDAD, ") + "dbo.V_TA_Unidad.Descripcion AS Descripcion, "
        + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, " + "V_TA_Unidad1.Descripcion AS DescripcionEquiv, "
        + "dbo.S_TA_EQUIV.COEFICIENTE " + "FROM dbo.S_TA_EQUIV INNER JOIN " + "dbo.V_TA_Unidad ON "
        + "dbo.S_TA_EQUIV.IDUNIDAD = dbo.V_TA_Unidad.IdUnidad INNER " + " Join " + "dbo.V_TA_Unidad V_TA_Unidad1 ON "
        + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad " + "Where (dbo.S_TA_EQUIV.ParaTodos = 1) "
        + "GROUP BY dbo.S_TA_EQUIV.IDUNIDAD, " + "dbo.V_TA_Unidad.Descripcion, " + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, "
        + "V_TA_Unidad1.Descripcion , dbo.S_TA_EQUIV.COEFICIENTE ";
    llenarGrilla(*MSFlexGrid2, sentencia, "CargarEquivEspecial");
}

// One grid line per row, in the database's order. A missing value (a unit
// no longer in V_TA_UNIDAD) shows as an empty cell.
void FrmEquivalencias::llenarGrilla(FlexGrid& grilla, const QString& sentencia, const QString& rutina)
{
    const QVector<Columna>& columnas = columnasDe(grilla, *MSFlexGrid1);
    TrapErrores trap(rutina, QvFunciones::TratarError);
    db::Recordset filas;
    if (!trap.paso([&] { gBaseDatos().AbrirRecordset(sentencia, filas, nullptr, 0, 1, -1, true); })) return;
    if (filas.State() == db::ado::adStateClosed || filas.Bof()) return;
    while (!filas.Eof()) {
        const int fila = grilla.Rows() - 1;
        for (int c = 0; c < columnas.size(); ++c) {
            if (!trap.paso(
                    [&] { grilla.setTextMatrix(fila, c, filas.Fields(columnas[c].campo).Value().textOrEmpty()); })) {
                return;
            }
        }
        if (!trap.paso([&] { filas.MoveNext(); })) return;
        if (!filas.Eof()) grilla.setRows(grilla.Rows() + 1);
    }
}
