#include "codesearch/AltaDirecta.h"

#include "codesearch/ReglasBusqueda.h"
#include "database/TextoSQL.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/Connection.h"
#include "platform/os/AnsiFile.h"
#include "platform/ui/Dialogs.h"
#include "suitesupport/QvFunciones.h"

#include <QDateTime>
#include <QStringList>

#include <cmath>

namespace {

const QString kTitulo = QStringLiteral("Aviso al operador");
constexpr int kCondicionesIva = 8;
constexpr int kAnchoCondicion = 4;

// The input rows a new sales or purchase motive gets: the table its first
// row is read from, the table written, the code column and the columns copied.
struct TablaEntradas {
    const char* motivo;
    const char* plantilla;
    const char* destino;
    QStringList columnas;  // the code, the VAT condition, then the copied ones
};

const TablaEntradas kVentas{
    "V_TA_MotivoVta", "SELECT top 1 * FROM V_TA_Input_Ventas order by idMotivoVta asc", "[dbo].[V_TA_Input_Ventas]",
    QStringList{"IdMotivoVta",  "CondIva",      "Repuestos",     "Servicios",     "Otros",           "V_DFI_CTAVTA",
                "V_DFI_IMPINT", "V_DFI_PERCIB", "V_DFI_PERCIVA", "V_DFI_PERCGAN", "V_DFI_DESCUENTO", "C_CFI_CTACPRA",
                "C_CFI_IMPINT", "C_CFI_PERCIB", "C_CFI_PERCIVA", "C_CFI_PERCGAN", "C_CFI_DESCUENTO", "PG_DESCUENTO",
                "PG_RETGAN",    "PG_RETIB",     "PG_RETIVA",     "PG_ANTICIPOS",  "CB_DESCUENTO",    "CB_RETGAN",
                "CB_RETIB",     "CB_RETIVA",    "CB_ANTICIPOS",  "DFI_IVARI",     "DFI_IVARNI",      "COSTO_MERCADERIA",
                "V_DFI_IMPITC"}};

const TablaEntradas kCompras{
    "V_TA_MotivoCpra", "SELECT top 1 * FROM V_TA_Input_compras order by idMotivoCpra asc", "V_TA_Input_Compras",
    QStringList{"IdMotivoCpra",    "CondIva",       "Repuestos",    "Servicios",    "Otros",         "V_DFI_CTAVTA",
                "V_DFI_IMPINT",    "C_CFI_CTACPRA", "C_CFI_IMPINT", "C_CFI_PERCIB", "C_CFI_PERCIVA", "C_CFI_PERCGAN",
                "C_CFI_DESCUENTO", "PG_DESCUENTO",  "PG_RETGAN",    "PG_RETIB",     "PG_RETIVA",     "PG_ANTICIPOS",
                "CB_DESCUENTO",    "CB_RETGAN",     "CB_RETIB",     "CB_RETIVA",    "CB_ANTICIPOS",  "CFI_IVARI",
                "CFI_IVARNI",      "C_CFI_IMPITC",  "CFI_IVARI1",   "CFI_IVARI2"}};

const TablaEntradas* entradasDe(const QString& tabla)
{
    for (const TablaEntradas* entradas : {&kVentas, &kCompras}) {
        if (vb::SameText(tabla, entradas->motivo)) return entradas;
    }
    return nullptr;
}

// A copied value: quoted text, or NULL where the first row has none.
QString valorCopiado(const Variant& valor) { return valor.isNull() ? "NULL" : EntreComillas(valor.textOrEmpty()); }

}  // namespace

AltaDirecta::AltaDirecta(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& cuenta)
    : conexion_(conexion), config_(config), cuenta_(vb::Trim(cuenta))
{
}

std::optional<QString> AltaDirecta::Agregar(const QString& texto)
{
    // Any failure is told with the statement that failed, and the add ends.
    TrapErrores trap("imgMas_Click", [this](const ErrorVB&, const QString&) {
        avisarFallo();
        return Respuesta::Salir;
    });
    bool existe = false;
    if (!trap.paso([&] { existe = detalleExistente(texto); })) return std::nullopt;
    if (existe) {
        MsgBox(kDetalleExistente, vb::vbExclamation, kTitulo);
        return std::nullopt;
    }
    std::optional<QString> codigo;
    if (!trap.paso([&] { codigo = proximoCodigo(); })) return std::nullopt;
    if (!codigo) {
        avisarFallo();
        return std::nullopt;
    }
    bool agregado = false;
    const QString descripcion = QvFunciones::TextoMaximo(texto, kLargoDescripcion);
    if (!trap.paso([&] { agregado = insertar(*codigo, descripcion); })) return std::nullopt;
    if (!agregado) {
        avisarFallo();
        return std::nullopt;
    }
    if (!trap.paso([&] { copiarEntradas(*codigo); })) return std::nullopt;
    return codigo;
}

bool AltaDirecta::detalleExistente(const QString& descripcion)
{
    const QString& columna = config_.campoDescripcion;
    sentencia_ = "SELECT " + columna + " FROM " + config_.tabla + " where ltrim(rtrim(" + columna
                 + ")) = " + EntreComillas(descripcion) + " ";
    db::Recordset filas = conexion_.Execute(sentencia_);
    return filas.State() == db::ado::adStateOpen && !filas.Eof();
}

// Nothing when the next number would need more characters than the width.
std::optional<QString> AltaDirecta::proximoCodigo()
{
    const QString& columna = config_.campoCodigo;
    sentencia_ = "SELECT MAX(" + columna + ") as " + columna + " FROM " + config_.tabla + " where (left(" + columna
                 + ",1) = ' ' or left(" + columna + ",1) = '9') ";
    db::Recordset filas = conexion_.Execute(sentencia_);
    const bool hayMaximo = filas.State() == db::ado::adStateOpen && !filas.Eof() && !filas.Fields(0).Value().isNull();
    const double siguiente = hayMaximo ? std::floor(vb::Val(filas.Fields(0).Value().toText())) + 1 : 1;
    const QString numero = QString::number(static_cast<qint64>(siguiente));
    if (numero.size() > config_.anchoCodigo) return std::nullopt;
    return numero.rightJustified(config_.anchoCodigo, u' ');
}

bool AltaDirecta::insertar(const QString& codigo, const QString& descripcion)
{
    sentencia_ = sentenciaAlta(codigo, descripcion);
    long afectadas = 0;
    conexion_.Execute(sentencia_, afectadas);
    return afectadas > 0;
}

QString AltaDirecta::sentenciaAlta(const QString& codigo, const QString& descripcion) const
{
    const QString inicio = "INSERT INTO " + config_.tabla + "(" + config_.campoCodigo + "," + config_.campoDescripcion;
    const QString valores = EntreComillas(codigo) + "," + EntreComillas(descripcion);
    if (ReglasBusqueda::EsTablaMantenimientos(config_.tabla))
        return inicio + ", CUENTA) VALUES (" + valores + "," + EntreComillas(cuenta_) + ")";
    if (vb::SameText(config_.tabla, "V_TA_Cpra_Vta")) {
        const QString hoy = QDateTime(QDate::currentDate(), QTime(0, 0)).toString(Qt::ISODate);
        return inicio + ",CantidadDias,HabilitadoPara,DtoMaximo,FechaHora_Grabacion) VALUES (" + valores
               + ",1,'VC',100," + EntreComillas(hoy) + ")";
    }
    return inicio + ") VALUES (" + valores + ")";
}

void AltaDirecta::copiarEntradas(const QString& codigo)
{
    const TablaEntradas* entradas = entradasDe(config_.tabla);
    if (!entradas) return;
    sentencia_ = entradas->plantilla;
    db::Recordset plantilla = conexion_.Execute(sentencia_);
    if (plantilla.State() != db::ado::adStateOpen || plantilla.Eof()) return;
    QStringList copiados;
    for (const QString& columna : entradas->columnas.mid(2))
        copiados << valorCopiado(plantilla.Fields(columna).Value());
    QStringList filas;
    for (int condicion = 1; condicion <= kCondicionesIva; ++condicion) {
        const QString iva = QString::number(condicion).rightJustified(kAnchoCondicion, u' ');
        filas << "INSERT INTO " + QString(entradas->destino) + " (" + entradas->columnas.join(", ") + ") VALUES ("
                     + EntreComillas(codigo) + ", " + EntreComillas(iva) + ", " + copiados.join(", ") + ")";
    }
    sentencia_ = filas.join(os::kCrLf);
    conexion_.Execute(sentencia_);
}

void AltaDirecta::avisarFallo() const
{
    MsgBox(kErrorAlta + os::kCrLf + config_.tabla + os::kCrLf + sentencia_, vb::vbCritical, kTitulo);
}
