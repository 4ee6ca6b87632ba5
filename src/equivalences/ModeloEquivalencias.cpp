#include "equivalences/ModeloEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "suitesupport/QvFunciones.h"

#include <stdexcept>

// The entered values, the record being edited and the two lists.

namespace {

constexpr char kTabla[] = "S_TA_EQUIV";
constexpr int kLargoCoeficiente = 25;
// With a fixed article, emptying the fields keeps the article and its unit.
constexpr int kPrimeroSinArticulo = 2;

}  // namespace

ModeloEquivalencias::ModeloEquivalencias(DB_Dll& base, Replicacion& replicacion)
    : base_(base), replicacion_(replicacion), TablaActiva_(kTabla), valores_(Campos().size())
{
}

const QVector<ModeloEquivalencias::Campo>& ModeloEquivalencias::Campos()
{
    static const QVector<Campo> campos{
        {"IdArticulo", "V_ma_articulos", kAnchoArticulo, Pestana::Equivalencias},
        {"IdUnidad", "V_ta_unidad", kAnchoUnidad, Pestana::Equivalencias},
        {"IdUnidad_Equiv", "V_ta_unidad", kAnchoUnidad, Pestana::Equivalencias},
        {"Coeficiente", "", kLargoCoeficiente, Pestana::Equivalencias},
        {"IdUnidad2", "V_ta_unidad", kAnchoUnidad, Pestana::Especiales},
        {"IdUnidad_Equiv2", "V_ta_unidad", kAnchoUnidad, Pestana::Especiales},
        {"Coeficiente2", "", kLargoCoeficiente, Pestana::Especiales},
    };
    return campos;
}

const QVector<ModeloEquivalencias::Columna>& ModeloEquivalencias::ColumnasPorArticulo()
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
const QVector<ModeloEquivalencias::Columna>& ModeloEquivalencias::ColumnasEspeciales()
{
    static const QVector<Columna> columnas = ColumnasPorArticulo().mid(2);
    return columnas;
}

// --- what is entered ----------------------------------------------------------------------

int ModeloEquivalencias::indice(const QString& dataField)
{
    const QVector<Campo>& campos = Campos();
    for (int i = 0; i < campos.size(); ++i) {
        if (vb::SameText(vb::Trim(dataField), campos[i].dataField)) return i;
    }
    throw std::invalid_argument("no field is bound to " + dataField.toStdString());
}

QString ModeloEquivalencias::Valor(const QString& dataField) const { return valores_.at(indice(dataField)); }

void ModeloEquivalencias::setValor(const QString& dataField, const QString& valor)
{
    valores_[indice(dataField)] = valor;
}

void ModeloEquivalencias::cambiarValor(const QString& dataField, const QString& valor)
{
    QString& actual = valores_[indice(dataField)];
    if (actual == valor) return;
    actual = valor;
    emit valorCambiado(Campos().at(indice(dataField)).dataField, valor);
}

// --- records and lists ----------------------------------------------------------------------

void ModeloEquivalencias::Inicializa()
{
    modo_ = Modo::Consulta;
    TablaActiva_ = kTabla;
    AbrirRecordset(TablaActiva_);
    const QVector<Campo>& campos = Campos();
    for (int i = ArticuloFijo_ ? kPrimeroSinArticulo : 0; i < campos.size(); ++i) cambiarValor(campos[i].dataField, {});
    otrosCoeficientes_ = 0;
}

// The record set is kept open: additions and updates are written through it.
void ModeloEquivalencias::AbrirRecordset(const QString& tabla)
{
    base_.AbrirRecordset("SELECT TOP 1 * FROM " + tabla, RegistroActual, nullptr, db::ado::adOpenDynamic,
                         db::ado::adLockOptimistic, -1, true);
}

void ModeloEquivalencias::FijarArticulo(const QString& codigo)
{
    ArticuloFijo_ = !vb::IsBlank(codigo);
    ArticuloExterno = codigoArticulo(codigo);
    if (ArticuloFijo_) cambiarValor("IdArticulo", vb::Trim(ArticuloExterno));
}

void ModeloEquivalencias::LeerUnidadDelArticuloFijo()
{
    db::Recordset fila = base_.gCnn.Execute("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = '"
                                            + ComillasDobladas(ArticuloExterno) + "'");
    cambiarValor("IdUnidad", QvFunciones::ValorATexto(fila.Fields("IdUnidad").Value()));
}

void ModeloEquivalencias::CargarEquivDelArticulo(const QString& IdArticulo)
{
    const QString sentencia =
        QString(" SELECT S_TA_EQUIV.ID, S_TA_EQUIV.IDARTICULO,V_MA_ARTICULOS.DESCRIPCION AS DESCRARTICULO, "
                "S_TA_EQUIV.IDUNIDAD,V_TA_Unidad.Descripcion AS Descripcion,S_TA_EQUIV.IDUNIDAD_EQUIV, ")
        + " V_TA_Unidad1.Descripcion AS DescripcionEquiv, S_TA_EQUIV.COEFICIENTE FROM S_TA_EQUIV LEFT OUTER JOIN "
          "V_TA_Unidad ON S_TA_EQUIV.IDUNIDAD = V_TA_Unidad.IdUnidad LEFT OUTER JOIN "
        + " V_TA_Unidad V_TA_Unidad1 ON S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad LEFT OUTER Join "
          "V_MA_ARTICULOS ON S_TA_EQUIV.IdArticulo = V_MA_ARTICULOS.IdArticulo"
        + " WHERE (S_TA_EQUIV.IDARTICULO = '" + ComillasDobladas(codigoArticulo(IdArticulo)) + "') ";
    emit equivalenciasDelArticulo(leerFilas(sentencia, ColumnasPorArticulo(), "CargarEquivDelArticulo"));
}

void ModeloEquivalencias::CargarEquivEspecial()
{
    const QString sentencia =
        QString("SELECT dbo.S_TA_EQUIV.IDUNIDAD, ") + "dbo.V_TA_Unidad.Descripcion AS Descripcion, "
        + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, " + "V_TA_Unidad1.Descripcion AS DescripcionEquiv, "
        + "dbo.S_TA_EQUIV.COEFICIENTE " + "FROM dbo.S_TA_EQUIV INNER JOIN " + "dbo.V_TA_Unidad ON "
        + "dbo.S_TA_EQUIV.IDUNIDAD = dbo.V_TA_Unidad.IdUnidad INNER " + " Join " + "dbo.V_TA_Unidad V_TA_Unidad1 ON "
        + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV = V_TA_Unidad1.IdUnidad " + "Where (dbo.S_TA_EQUIV.ParaTodos = 1) "
        + "GROUP BY dbo.S_TA_EQUIV.IDUNIDAD, " + "dbo.V_TA_Unidad.Descripcion, " + "dbo.S_TA_EQUIV.IDUNIDAD_EQUIV, "
        + "V_TA_Unidad1.Descripcion , dbo.S_TA_EQUIV.COEFICIENTE ";
    emit equivalenciasEspeciales(leerFilas(sentencia, ColumnasEspeciales(), "CargarEquivEspecial"));
}

// One line per row, in the database's order. A missing value (a unit no
// longer in V_TA_UNIDAD) reads as an empty cell. A failure the operator does
// not get past leaves the lines read so far.
ModeloEquivalencias::Filas ModeloEquivalencias::leerFilas(const QString& sentencia, const QVector<Columna>& columnas,
                                                          const QString& rutina) const
{
    TrapErrores trap(rutina, QvFunciones::TratarError);
    Filas filas;
    db::Recordset registros;
    if (!trap.paso([&] { base_.AbrirRecordset(sentencia, registros, nullptr, 0, 1, -1, true); })) return filas;
    if (registros.State() == db::ado::adStateClosed || registros.Bof()) return filas;
    while (!registros.Eof()) {
        QStringList& fila = filas.emplace_back(columnas.size(), QString());
        for (int c = 0; c < columnas.size(); ++c) {
            if (!trap.paso([&] { fila[c] = registros.Fields(columnas[c].campo).Value().textOrEmpty(); })) {
                return filas;
            }
        }
        if (!trap.paso([&] { registros.MoveNext(); })) return filas;
    }
    return filas;
}

bool ModeloEquivalencias::CargarFilaPorId(const QString& id)
{
    if (!base_.ExisteEnTabla(kTabla, id, "ID", &RegistroActual, 3, {}, false)) return false;
    for (const char* clave : {"IdArticulo", "IdUnidad", "IdUnidad_Equiv"}) {
        cambiarValor(clave, vb::Trim(RegistroActual.Fields(clave).Value().textOrEmpty()));
    }
    return true;
}

void ModeloEquivalencias::LiberarRegistro() { base_.CierraRecordset(RegistroActual); }

// The record is kept updatable: the save writes into it.
bool ModeloEquivalencias::cargarEquivalencia(const QString& condicion)
{
    return base_.ExisteEnTabla(kTabla, {}, "Codigo", &RegistroActual, 8, condicion, false);
}

QString ModeloEquivalencias::condicionPorArticulo() const
{
    return " IDARTICULO = '" + ComillasDobladas(codigoArticulo(Valor("IdArticulo"))) + "' AND "
           + condicionDelPar(codigoUnidad(Valor("IdUnidad")), codigoUnidad(Valor("IdUnidad_Equiv")));
}

// Edit mode, with every field the record holds shown as stored.
void ModeloEquivalencias::CargarCampos()
{
    modo_ = Modo::Modificacion;
    if (RegistroActual.State() != db::ado::adStateOpen || RegistroActual.Bof() || RegistroActual.Eof()) return;
    for (int i = 0; i < RegistroActual.FieldCount(); ++i) {
        db::Field columna = RegistroActual.Fields(i);
        for (const Campo& campo : Campos()) {
            if (vb::SameText(campo.dataField, columna.Name())) {
                cambiarValor(campo.dataField, vb::Trim(QvFunciones::ValorATexto(columna.Value())));
            }
        }
    }
}

// A generic pair's rows may differ where an article was saved later with its
// own value: the coefficient shown is the one most of them carry.
void ModeloEquivalencias::cargarCoeficienteEspecial(const QString& unidad, const QString& equivalente)
{
    db::Recordset coeficientes;
    base_.AbrirRecordset("SELECT COEFICIENTE, COUNT(*) AS FILAS FROM S_TA_EQUIV WHERE ParaTodos = 1 AND "
                             + condicionDelPar(unidad, equivalente)
                             + " GROUP BY COEFICIENTE ORDER BY COUNT(*) DESC, COEFICIENTE",
                         coeficientes);
    if (coeficientes.State() != db::ado::adStateOpen || coeficientes.Eof()) return;
    cambiarValor("Coeficiente2", vb::Trim(QvFunciones::ValorATexto(coeficientes.Fields("COEFICIENTE").Value())));
    for (coeficientes.MoveNext(); !coeficientes.Eof(); coeficientes.MoveNext()) {
        otrosCoeficientes_ += static_cast<int>(coeficientes.Fields("FILAS").Value().toLong());
    }
}
