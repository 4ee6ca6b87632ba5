#include "replication/DestinoReplica.h"

#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/GroupedCommits.h"
#include "replication/CatalogoReplica.h"
#include "replication/VerificaCampos.h"
#include "session/ConectarBaseRemota.h"
#include "session/VerificaConexion.h"

#include <QCoreApplication>

#include <utility>

namespace {

constexpr QChar kPermitido = u'1';
// Columns an insert leaves to the target.
const QStringList kNoSeInsertan{"ID", "IMAGEN", "TRANSMISION", "RECEPCION", "OBSERVACIONES"};
constexpr char kSinConexion[] = "No se pudo conectar con la base de datos.";
constexpr char kSinFilaEscrita[] = "La base de datos no escribió la fila.";
constexpr char kSinTabla[] = "La base de datos no tiene la tabla ";
constexpr char kEmpezarTramo[] = "BEGIN TRANSACTION";
constexpr char kConfirmarTramo[] = "COMMIT TRANSACTION";

bool abierta(const DB_Dll& base) { return base.gCnn.State() == db::ado::adStateOpen; }

}  // namespace

DestinoReplica::DestinoReplica(DB_Dll& empresa, DatosDestino datos, DB_Dll& base)
    : empresa_(empresa), datos_(std::move(datos)), base_(base), heredada_(abierta(base))
{
}

bool DestinoReplica::Recibe(const QString& Tabla) const
{
    if (datos_.grupo) return datos_.grupo->ReplicaHabilitada(Tabla);
    const auto grupo = GrupoDeTablasTPV(Tabla);
    return grupo
           && (grupo->columnaExclusion.isEmpty()
               || !datos_.excluidas.contains(grupo->columnaExclusion, Qt::CaseInsensitive));
}

bool DestinoReplica::permite(int posicion) const
{
    return posicion < datos_.permisos.size() && datos_.permisos[posicion] == kPermitido;
}

// The provider's own error when there is one: a stale one cannot be left,
// since the list is cleared before each statement.
FalloReplica DestinoReplica::fallo(FalloReplica::Paso paso, const QString& sentencia, long numero,
                                   const QString& descripcion)
{
    FalloReplica resultado{paso, sentencia, numero, descripcion, false};
    const db::Errors& errores = base_.gCnn.errors();
    if (errores.Count() > 0) {
        const db::DbError& primero = errores.Item(0);
        resultado.numero = primero.NativeError != 0 ? primero.NativeError : primero.Number;
        resultado.descripcion = primero.Description;
        resultado.enlacePerdido = primero.NativeError == db::ErrorMap::LinkLostNative;
    }
    resultado.enlacePerdido = resultado.enlacePerdido || paso == FalloReplica::Paso::Conexion || !abierta(base_);
    caido_ = caido_ || resultado.enlacePerdido;
    return resultado;
}

// The link that answers whether a point of sale can be reached is the one
// its copies then take: one new link per target, not two.
std::optional<FalloReplica> DestinoReplica::Abrir()
{
    if (abierta(base_)) return std::nullopt;
    if (caido_) return fallo(FalloReplica::Paso::Conexion, {}, 0, kSinConexion);
    base_.gProveedor = DB_Dll::pSQLOLEDB;
    base_.gServidor = EsPuntoDeVenta() ? ObtieneIP(vb::Trim(datos_.servidor)) : datos_.servidor;
    base_.gDBName = datos_.base;
    base_.gUsuario = datos_.base;
    base_.gUserPassWord = datos_.base;
    base_.gCnn.errors().Clear();
    // As the point-of-sale link does, window events run before a point of sale is reached.
    if (EsPuntoDeVenta()) QCoreApplication::processEvents();
    base_.OpenServerADODB(false, db::ado::adUseClient, {}, false, false);
    const bool abrio = abierta(base_);
    if (EsPuntoDeVenta()) MarcarConexionTPV(empresa_, datos_.codigo, abrio);
    if (abrio) return std::nullopt;
    const db::Errors& errores = base_.gCnn.errors();
    const bool conTexto = EsPuntoDeVenta() && errores.Count() > 0;
    return fallo(FalloReplica::Paso::Conexion, {}, 0, conTexto ? errores.Item(0).Description : kSinConexion);
}

bool DestinoReplica::Reconectar()
{
    if (!heredada_ || !copiasDelTramo_.isEmpty()) return false;
    heredada_ = false;
    tramo_.reset();
    cerrar();
    caido_ = false;
    return true;
}

std::optional<FalloReplica> DestinoReplica::Ejecutar(FalloReplica::Paso paso, const QString& sentencia,
                                                     const QVector<Variant>& valores)
{
    base_.gCnn.errors().Clear();
    long filas = 0;
    if (valores.isEmpty()) {
        QString texto = sentencia;
        base_.EjecutaConsultaSQL(texto, filas);
        if (base_.gCnn.errors().Count() > 0) return fallo(paso, sentencia, 0, {});
    } else {
        try {
            base_.gCnn.Execute(sentencia, valores, filas);
        } catch (const ErrorVB& error) {
            return fallo(paso, sentencia, error.numero, error.descripcion);
        }
    }
    const bool debiaEscribir = paso == FalloReplica::Paso::Insercion || paso == FalloReplica::Paso::Actualizacion;
    if (debiaEscribir && filas == 0) return fallo(paso, sentencia, 0, kSinFilaEscrita);
    return std::nullopt;
}

std::optional<FalloReplica> DestinoReplica::Leer(const QString& sentencia, const QVector<Variant>& valores,
                                                 db::Recordset& filas)
{
    base_.gCnn.errors().Clear();
    long ignoradas = 0;
    try {
        filas = valores.isEmpty() ? base_.gCnn.Execute(sentencia) : base_.gCnn.Execute(sentencia, valores, ignoradas);
        heredada_ = false;
        return std::nullopt;
    } catch (const ErrorVB& error) {
        return fallo(FalloReplica::Paso::Lectura, sentencia, error.numero, error.descripcion);
    }
}

std::optional<FalloReplica> DestinoReplica::ColumnasInsertables(const QString& Tabla, QStringList& columnas)
{
    if (const auto leidas = columnas_.constFind(Tabla.toUpper()); leidas != columnas_.constEnd()) {
        columnas = *leidas;
        return std::nullopt;
    }
    base_.gCnn.errors().Clear();
    try {
        QString tipos;
        columnas = VerificaCampos(Tabla, base_, kNoSeInsertan, false, tipos).split(u',', Qt::SkipEmptyParts);
    } catch (const ErrorVB& error) {
        return fallo(FalloReplica::Paso::Lectura, {}, error.numero, error.descripcion);
    }
    if (columnas.isEmpty()) return fallo(FalloReplica::Paso::Lectura, {}, 0, kSinTabla + Tabla);
    columnas_.insert(Tabla.toUpper(), columnas);
    return std::nullopt;
}

std::optional<FalloReplica> DestinoReplica::EmpezarCopia()
{
    if (tramo_) return std::nullopt;
    base_.gCnn.errors().Clear();
    try {
        tramo_.emplace(base_.gCnn);
    } catch (const ErrorVB& error) {
        return fallo(FalloReplica::Paso::Actualizacion, kEmpezarTramo, error.numero, error.descripcion);
    }
    tramoDesde_ = clockNow();
    return std::nullopt;
}

void DestinoReplica::CopiaHecha(const SolicitudReplica& solicitud)
{
    if (!tramo_) return;
    copiasDelTramo_.append(solicitud);
    if (db::GroupedCommits::due(static_cast<int>(copiasDelTramo_.size()), tramoDesde_)) Confirmar();
}

void DestinoReplica::Confirmar()
{
    if (!tramo_) return;
    base_.gCnn.errors().Clear();
    try {
        tramo_->commit();
        tramo_.reset();
        copiasDelTramo_.clear();
    } catch (const ErrorVB& error) {
        FalloReplica falla = fallo(FalloReplica::Paso::Actualizacion, kConfirmarTramo, error.numero, error.descripcion);
        const QVector<SolicitudReplica> copias = Deshacer();
        falla.enlacePerdido = falla.enlacePerdido || caido_;
        if (perdido_)
            perdido_->copias += copias;  // an earlier loss not taken yet keeps its report
        else
            perdido_ = TramoPerdido{falla, copias};
    }
}

QVector<SolicitudReplica> DestinoReplica::Deshacer()
{
    if (!tramo_) return {};
    try {
        tramo_->rollback();
    } catch (const ErrorVB&) {
        // Drivers do not always say so when a statement meets a lost link
        // inside a transaction, but then the rollback cannot be sent either.
        caido_ = true;
    }
    tramo_.reset();
    return std::exchange(copiasDelTramo_, {});
}

std::optional<TramoPerdido> DestinoReplica::TomarPerdido() { return std::exchange(perdido_, std::nullopt); }

void DestinoReplica::Terminar()
{
    if (caido_) cerrar();
}

void DestinoReplica::cerrar()
{
    if (abierta(base_)) base_.gCnn.Close();
    base_.gOpenFlag = false;
}
