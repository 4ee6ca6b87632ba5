#include "replication/GrabacionReplica.h"

#include "database/DB_Dll.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/os/System.h"
#include "platform/ui/Dialogs.h"
#include "replication/CatalogoReplica.h"
#include "replication/CondicionReplica.h"
#include "replication/ConexionesDestino.h"
#include "replication/CopiaDeFilas.h"
#include "replication/FalloReplica.h"
#include "replication/FilasReplica.h"
#include "session/RegistroFallas.h"
#include "suitesupport/QvFunciones.h"
#include "suitesupport/TratamientoErrores.h"

#include <algorithm>

namespace {

constexpr char kRutina[] = "ActualizaGEmpresas";
constexpr char kPuntosDeVenta[] =
    "SELECT * FROM V_TA_TPV  with(nolock)  WHERE INTERNET = 0 AND BAJA = 0 ORDER BY CODIGO ";
constexpr char kTodoPermitido[] = "111";
constexpr char kCRLF[] = "\r\n";
constexpr char kSinConexionEnLaGrabacion[] = "Sin conexión durante la grabación.";

bool unaTablaYOperacion(const QVector<SolicitudReplica>& tramo)
{
    return std::all_of(tramo.begin(), tramo.end(), [&](const SolicitudReplica& s) {
        return s.Operacion == tramo.first().Operacion && vb::SameText(s.Tabla, tramo.first().Tabla);
    });
}

QString texto(db::Recordset& fila, const char* columna) { return vb::Trim(fila.Fields(columna).Value().textOrEmpty()); }

DatosDestino puntoDeVenta(db::Recordset& fila)
{
    DatosDestino datos;
    datos.tipo = kDestinoTPV;
    datos.codigo = fila.Fields("codigo").Value().textOrEmpty();
    datos.descripcion = texto(fila, "Descripcion");
    datos.servidor = texto(fila, "Server");
    datos.base = texto(fila, "Dbname");
    datos.permisos = kTodoPermitido;
    for (const QString& columna : ColumnasDeExclusion()) {
        const Variant marca = fila.Fields(columna).Value();
        if (!marca.isNull() && marca.toBool()) datos.excluidas.append(columna);
    }
    return datos;
}

QString nombreDe(const DatosDestino& datos)
{
    if (datos.tipo == kDestinoTPV) return "el Punto de ventas " + datos.descripcion;
    return "la base de datos del grupo " + datos.base;
}

QString quedaPendiente(const DatosDestino& datos)
{
    return kCRLF + QString("La copia para ") + nombreDe(datos) + " queda pendiente y se enviará más adelante.";
}

}  // namespace

// What a request copies: a table the key catalogue knows, an operation that
// copies, and a condition that picks rows; never a whole table.
struct GrabacionReplica::Copia {
    QString tabla;
    QStringList claves;
    CondicionLigada condicion;
    // The company's rows, read when the first target needs them.
    std::optional<FilasReplica> empresa;
    std::optional<FalloReplica> lecturaFallida;
};

std::optional<GrabacionReplica::Copia> GrabacionReplica::copiaDe(const SolicitudReplica& solicitud)
{
    if (solicitud.Operacion < 1 || solicitud.Operacion > 3) return std::nullopt;
    Copia copia;
    copia.tabla = vb::Trim(TablaSinMarcaAdmin(solicitud.Tabla));
    copia.claves = CamposClave(copia.tabla);
    if (copia.claves.isEmpty()) return std::nullopt;
    copia.condicion.texto = CondicionReplica(solicitud.Condicion, copia.claves, solicitud.Claves);
    if (copia.condicion.texto.isEmpty()) return std::nullopt;
    return copia;
}

// Nothing when the stretch's rows cannot be named by one condition: its
// requests are then copied one by one.
std::optional<GrabacionReplica::Copia> GrabacionReplica::copiaDelTramo(const QVector<SolicitudReplica>& tramo)
{
    auto copia = copiaDe(tramo.first());
    if (!copia) return std::nullopt;
    auto condicion = CondicionDelTramo(copia->claves, tramo);
    if (!condicion) return std::nullopt;
    copia->condicion = std::move(*condicion);
    return copia;
}

GrabacionReplica::GrabacionReplica(DB_Dll& base, ConexionesDestino& conexiones)
    : base_(base), conexiones_(conexiones), pendientes_(base)
{
    leerDestinos();
    QStringList claves;
    for (const auto& destino : destinos_) claves.append(ConexionesDestino::Clave(destino->Datos()));
    conexiones_.QuedarseCon(claves);
}

void GrabacionReplica::agregarDestino(DatosDestino datos)
{
    DB_Dll& conexion = conexiones_.De(datos);
    destinos_.push_back(std::make_unique<DestinoReplica>(base_, std::move(datos), conexion));
}

// A save that ended by an error still commits what its targets took.
GrabacionReplica::~GrabacionReplica()
{
    if (terminada_) return;
    try {
        Terminar();
    } catch (...) {
        // Nothing may leave a destructor; Terminar has reported what it could.
    }
}

void GrabacionReplica::leerDestinos()
{
    TrapErrores trap(
        kRutina, [](const ErrorVB& error, const QString& rutina) { return QvFunciones::TratarError(error, rutina); });
    db::Recordset puntos;
    base_.AbrirRecordset(kPuntosDeVenta, puntos);
    while (puntos.State() == db::ado::adStateOpen && !puntos.Eof()) {
        if (!trap.paso([&] {
                DatosDestino datos = puntoDeVenta(puntos);
                if (!datos.servidor.isEmpty() && !datos.base.isEmpty()) agregarDestino(std::move(datos));
            })) {
            return;
        }
        puntos.MoveNext();
    }
    AjustesGrupo ajustes;
    if (!trap.paso([&] { ajustes = AjustesGrupo::Leer(); })) return;
    if (!ajustes.habilitada || ajustes.servidor.isEmpty() || ajustes.base.isEmpty()) return;
    agregarDestino(DatosDestino{kDestinoGrupo, {}, {}, ajustes.servidor, ajustes.base, ajustes.tipos, {}, ajustes});
}

QStringList GrabacionReplica::Destinos(const QString& Tabla) const
{
    QStringList nombres;
    for (const auto& destino : destinos_)
        if (destino->Recibe(vb::Trim(TablaSinMarcaAdmin(Tabla)))) nombres.append(nombreDe(destino->Datos()));
    return nombres;
}

void GrabacionReplica::Replicar(const SolicitudReplica& solicitud)
{
    if (auto copia = copiaDe(solicitud)) replicar(*copia, {solicitud});
}

void GrabacionReplica::ReplicarTramo(const QVector<SolicitudReplica>& tramo)
{
    if (tramo.size() > 1 && unaTablaYOperacion(tramo)) {
        // A stretch no target takes costs nothing more.
        if (Destinos(tramo.first().Tabla).isEmpty()) return;
        if (auto copia = copiaDelTramo(tramo)) {
            replicar(*copia, tramo);
            return;
        }
    }
    for (const SolicitudReplica& solicitud : tramo) Replicar(solicitud);
}

void GrabacionReplica::replicar(Copia& copia, const QVector<SolicitudReplica>& solicitudes)
{
    for (const auto& destino : destinos_) {
        if (!destino->Recibe(copia.tabla)) continue;
        recuperar(*destino);
        if (destino->Caido()) {
            for (const SolicitudReplica& solicitud : solicitudes)
                conservar(*destino, solicitud, kSinConexionEnLaGrabacion);
            continue;
        }
        if (auto falla = copiar(*destino, copia, true)) {
            // Rolled back before any box: a stretch a failure spoilt must not be committed then.
            const QVector<SolicitudReplica> deshechas = destino->Deshacer();
            falla->enlacePerdido = falla->enlacePerdido || destino->Caido();
            registrar(*destino, *falla);
            for (const SolicitudReplica& deshecha : deshechas) conservar(*destino, deshecha, falla->descripcion);
            for (const SolicitudReplica& solicitud : solicitudes) conservar(*destino, solicitud, falla->descripcion);
            continue;
        }
        for (const SolicitudReplica& solicitud : solicitudes) destino->CopiaHecha(solicitud);
        recuperar(*destino);
    }
}

int GrabacionReplica::ReintentarPendientes()
{
    if (pendientes_.Vacia()) return 0;
    int quedan = 0;
    for (const Pendiente& pendiente : pendientes_.Todos()) {
        if (!reintentar(pendiente)) ++quedan;
    }
    return quedan;
}

void GrabacionReplica::Confirmar()
{
    for (const auto& destino : destinos_) {
        destino->Confirmar();
        recuperar(*destino);
    }
}

void GrabacionReplica::Terminar()
{
    terminada_ = true;
    Confirmar();
    for (const auto& destino : destinos_) destino->Terminar();
    for (auto tablas = tablasConPendientesCambiados_.cbegin(); tablas != tablasConPendientesCambiados_.cend(); ++tablas)
        pendientes_.MarcarPuntoDeVenta(tablas.key(), *tablas);
    tablasConPendientesCambiados_.clear();
}

std::optional<FalloReplica> GrabacionReplica::copiar(DestinoReplica& destino, Copia& copia, bool agrupada)
{
    auto falla = intentarCopia(destino, copia, agrupada);
    // A link kept since an earlier save may have died meanwhile: one new link, one more try.
    if (falla && falla->enlacePerdido && destino.Reconectar()) falla = intentarCopia(destino, copia, agrupada);
    return falla;
}

std::optional<FalloReplica> GrabacionReplica::intentarCopia(DestinoReplica& destino, Copia& copia, bool agrupada)
{
    if (auto falla = destino.Abrir()) return falla;
    if (agrupada) {
        if (auto falla = destino.EmpezarCopia()) return falla;
    }
    if (!copia.empresa && !copia.lecturaFallida) {
        FilasReplica filas;
        copia.lecturaFallida = CopiaDeFilas::LeerEmpresa(base_, copia.tabla, copia.condicion, filas);
        if (!copia.lecturaFallida) copia.empresa = std::move(filas);
    }
    if (copia.lecturaFallida) return copia.lecturaFallida;
    return CopiaDeFilas(destino, copia.tabla, copia.claves, copia.condicion).Ejecutar(*copia.empresa);
}

// The copies a failed commit took with it are kept as pending.
void GrabacionReplica::recuperar(DestinoReplica& destino)
{
    const std::optional<TramoPerdido> perdido = destino.TomarPerdido();
    if (!perdido) return;
    registrar(destino, perdido->falla);
    for (const SolicitudReplica& copia : perdido->copias) conservar(destino, copia, perdido->falla.descripcion);
}

// A pending copy for a target that is not among this save's, or that
// failed in it, waits for a later attempt.
bool GrabacionReplica::reintentar(const Pendiente& pendiente)
{
    DestinoReplica* destino = destinoDe(pendiente);
    auto copia = copiaDe(pendiente.solicitud);
    if (!destino || !copia) return false;
    // A retried copy leaves the list as soon as it is written, so it is
    // written outside any stretch, committed by itself.
    destino->Confirmar();
    recuperar(*destino);
    if (destino->Caido() || !destino->Recibe(copia->tabla)) return false;
    if (const auto falla = copiar(*destino, *copia, false)) {
        registrar(*destino, *falla);
        pendientes_.AnotarFallo(pendiente.id, falla->descripcion);
        return false;
    }
    pendientes_.Quitar(pendiente.id);
    anotarCambioDePendientes(*destino, copia->tabla);
    return true;
}

void GrabacionReplica::registrar(DestinoReplica& destino, const FalloReplica& falla)
{
    QString proceso = destino.Datos().servidor + "/" + os::executableName();
    GrabarErrorAux(base_, falla.sentencia, proceso, falla.numero, falla.descripcion);
    avisar(destino, falla);
}

void GrabacionReplica::conservar(DestinoReplica& destino, const SolicitudReplica& solicitud, const QString& motivo)
{
    SolicitudReplica guardada = solicitud;
    guardada.Tabla = vb::Trim(TablaSinMarcaAdmin(solicitud.Tabla));
    anotarCambioDePendientes(destino, guardada.Tabla);
    if (pendientes_.Agregar(destino.Datos(), guardada, motivo) || listaAvisada_) return;
    listaAvisada_ = true;
    mostrar("No se pudo anotar en la base de la empresa la copia pendiente para " + nombreDe(destino.Datos())
                + ": esos cambios deberán grabarse de nuevo.",
            vb::vbCritical, "Atención");
}

// Once per target and save, whatever failed: one message, never a flood.
void GrabacionReplica::avisar(DestinoReplica& destino, const FalloReplica& falla)
{
    if (destino.Avisado()) return;
    destino.MarcarAvisado();
    const DatosDestino& datos = destino.Datos();
    if (falla.enlacePerdido) {
        const QString texto = destino.EsPuntoDeVenta() ? "No se pudo conectar al Punto de ventas " + datos.descripcion
                                                       : "No se pudo conectar a la base de datos del grupo "
                                                             + datos.base + " Server: " + datos.servidor;
        mostrar(texto + quedaPendiente(datos), vb::vbInformation, "Aviso al operador");
    } else if (falla.paso == FalloReplica::Paso::Insercion) {
        mostrar("Error en base de datos " + falla.descripcion + quedaPendiente(datos), vb::vbInformation, "Atencion");
    } else {
        mostrar(falla.descripcion + kCRLF + "No se pudo actualizar la base de datos " + datos.base
                    + " Server: " + datos.servidor + quedaPendiente(datos),
                vb::vbCritical, "Atención");
    }
}

// While the operator reads, no target waits on an open stretch. Only the
// commits: a loss they meet is reported after this box, by the next copy or
// by Terminar, since reporting shows a box of its own.
void GrabacionReplica::mostrar(const QString& texto, int botones, const QString& titulo)
{
    for (const auto& destino : destinos_) destino->Confirmar();
    MsgBox(texto, botones, titulo);
}

void GrabacionReplica::anotarCambioDePendientes(const DestinoReplica& destino, const QString& tabla)
{
    if (!destino.EsPuntoDeVenta()) return;
    QStringList& tablas = tablasConPendientesCambiados_[destino.Datos().codigo];
    if (!tablas.contains(tabla, Qt::CaseInsensitive)) tablas.append(tabla);
}

DestinoReplica* GrabacionReplica::destinoDe(const Pendiente& pendiente)
{
    for (const auto& destino : destinos_) {
        const DatosDestino& datos = destino->Datos();
        if (vb::SameText(datos.tipo, pendiente.destino) && vb::SameText(datos.codigo, pendiente.codigoTPV))
            return destino.get();
    }
    return nullptr;
}
