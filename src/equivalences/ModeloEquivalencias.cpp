#include "equivalences/ModeloEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/NumeroEscrito.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "suitesupport/QvFunciones.h"

#include <algorithm>

// The entered values, the record being edited and the two lists.

namespace {

constexpr int kLargoCoeficiente = 25;
// With a fixed article, emptying the fields keeps the article and its unit.
constexpr int kPrimeroSinArticulo = 2;

}  // namespace

ModeloEquivalencias::ModeloEquivalencias(DB_Dll& base, Replicacion& replicacion)
    : base_(base), replicacion_(replicacion), codigos_(base), TablaActiva_(kTablaEquivalencias), valores_(Campos().size())
{
}

// The one place where a field meets the names the database and the window's
// bound controls know it by.
const QVector<ModeloEquivalencias::DefinicionCampo>& ModeloEquivalencias::Campos()
{
    static const QVector<DefinicionCampo> campos{
        {Campo::IdArticulo, "IdArticulo", "V_ma_articulos", "IdArticulo", kAnchoArticulo, Pestana::Equivalencias},
        {Campo::IdUnidad, "IdUnidad", "V_ta_unidad", "IdUnidad", kAnchoUnidad, Pestana::Equivalencias},
        {Campo::IdUnidad_Equiv, "IdUnidad_Equiv", "V_ta_unidad", "IDunidad", kAnchoUnidad, Pestana::Equivalencias},
        {Campo::Coeficiente, "Coeficiente", "", "", kLargoCoeficiente, Pestana::Equivalencias},
        {Campo::IdUnidad2, "IdUnidad2", "V_ta_unidad", "IDunidad", kAnchoUnidad, Pestana::Especiales},
        {Campo::IdUnidad_Equiv2, "IdUnidad_Equiv2", "V_ta_unidad", "IDunidad", kAnchoUnidad, Pestana::Especiales},
        {Campo::Coeficiente2, "Coeficiente2", "", "", kLargoCoeficiente, Pestana::Especiales},
    };
    return campos;
}

int ModeloEquivalencias::Indice(Campo campo)
{
    const QVector<DefinicionCampo>& campos = Campos();
    const auto definicion =
        std::ranges::find_if(campos, [campo](const DefinicionCampo& d) { return d.campo == campo; });
    return static_cast<int>(definicion - campos.begin());
}

const ModeloEquivalencias::DefinicionCampo& ModeloEquivalencias::Definicion(Campo campo)
{
    return Campos().at(Indice(campo));
}

std::optional<ModeloEquivalencias::Campo> ModeloEquivalencias::campoDeColumna(const QString& columna)
{
    for (const DefinicionCampo& definicion : Campos()) {
        if (vb::SameText(columna, definicion.dataField)) return definicion.campo;
    }
    return std::nullopt;
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

QString ModeloEquivalencias::Valor(Campo campo) const { return valores_.at(Indice(campo)); }

void ModeloEquivalencias::setValor(Campo campo, const QString& valor) { valores_[Indice(campo)] = valor; }

void ModeloEquivalencias::cambiarValor(Campo campo, const QString& valor)
{
    QString& actual = valores_[Indice(campo)];
    if (actual == valor) return;
    actual = valor;
    emit valorCambiado(campo, valor);
}

// --- records and lists ----------------------------------------------------------------------

void ModeloEquivalencias::Inicializa()
{
    modo_ = Modo::Consulta;
    TablaActiva_ = kTablaEquivalencias;
    codigos_.Olvidar();
    AbrirRecordset(TablaActiva_);
    const QVector<DefinicionCampo>& campos = Campos();
    for (int i = ArticuloFijo_ ? kPrimeroSinArticulo : 0; i < campos.size(); ++i) cambiarValor(campos[i].campo, {});
    otrosCoeficientes_ = 0;
}

// The record set is kept open: additions and updates are written through it.
void ModeloEquivalencias::AbrirRecordset(const QString& tabla)
{
    equivalenciaCargada_.reset();
    base_.AbrirRecordset("SELECT TOP 1 * FROM " + tabla, RegistroActual, nullptr, db::ado::adOpenDynamic,
                         db::ado::adLockOptimistic, -1, true);
}

void ModeloEquivalencias::FijarArticulo(const QString& codigo)
{
    ArticuloFijo_ = !vb::IsBlank(codigo);
    ArticuloExterno = codigoArticulo(codigo);
    if (ArticuloFijo_) cambiarValor(Campo::IdArticulo, vb::Trim(ArticuloExterno));
}

void ModeloEquivalencias::LeerUnidadDelArticuloFijo()
{
    db::Recordset fila = base_.gCnn.Execute("SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = '"
                                            + ComillasDobladas(ArticuloExterno) + "'");
    cambiarValor(Campo::IdUnidad, QvFunciones::ValorATexto(fila.Fields("IdUnidad").Value()));
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
            if (!trap.paso([&] { fila[c] = valorEscrito(registros.Fields(columnas[c].campo).Value()); })) {
                return filas;
            }
        }
        if (!trap.paso([&] { registros.MoveNext(); })) return filas;
    }
    return filas;
}

bool ModeloEquivalencias::CargarFilaPorId(const QString& id)
{
    equivalenciaCargada_.reset();
    if (!base_.ExisteEnTabla(kTablaEquivalencias, id, "ID", &RegistroActual, 3, {}, false)) return false;
    for (const Campo clave : {Campo::IdArticulo, Campo::IdUnidad, Campo::IdUnidad_Equiv}) {
        cambiarValor(clave, vb::Trim(RegistroActual.Fields(Definicion(clave).dataField).Value().textOrEmpty()));
    }
    return true;
}

void ModeloEquivalencias::LiberarRegistro()
{
    equivalenciaCargada_.reset();
    base_.CierraRecordset(RegistroActual);
}

// The record is kept updatable: the save writes into it.
bool ModeloEquivalencias::cargarEquivalencia(const QString& condicion)
{
    equivalenciaCargada_.reset();
    const bool hallada = base_.ExisteEnTabla(kTablaEquivalencias, {}, "Codigo", &RegistroActual, 8, condicion, false);
    equivalenciaCargada_ = condicion;
    equivalenciaHallada_ = hallada;
    return hallada;
}

// The save checks every field once more. While the key is the one its own
// check loaded, that row is still the record: reading it again would cost a
// round trip and tell nothing a concurrent addition does not already raise
// as a duplicate key, which the save turns into an update.
bool ModeloEquivalencias::equivalenciaDeLaClave(const QString& condicion)
{
    if (Grabando_ && equivalenciaCargada_ == condicion && RegistroActual.State() == db::ado::adStateOpen)
        return equivalenciaHallada_;
    return cargarEquivalencia(condicion);
}

QString ModeloEquivalencias::condicionPorArticulo() const
{
    return " IDARTICULO = '" + ComillasDobladas(codigoArticulo(Valor(Campo::IdArticulo))) + "' AND "
           + condicionDelPar(codigoUnidad(Valor(Campo::IdUnidad)), codigoUnidad(Valor(Campo::IdUnidad_Equiv)));
}

// Edit mode, with every field the record holds shown as stored.
void ModeloEquivalencias::CargarCampos()
{
    modo_ = Modo::Modificacion;
    if (RegistroActual.State() != db::ado::adStateOpen || RegistroActual.Bof() || RegistroActual.Eof()) return;
    for (int i = 0; i < RegistroActual.FieldCount(); ++i) {
        db::Field columna = RegistroActual.Fields(i);
        if (const auto campo = campoDeColumna(columna.Name()))
            cambiarValor(*campo, vb::Trim(valorEscrito(columna.Value())));
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
    cambiarValor(Campo::Coeficiente2, vb::Trim(valorEscrito(coeficientes.Fields("COEFICIENTE").Value())));
    for (coeficientes.MoveNext(); !coeficientes.Eof(); coeficientes.MoveNext()) {
        otrosCoeficientes_ += static_cast<int>(coeficientes.Fields("FILAS").Value().toLong());
    }
}
