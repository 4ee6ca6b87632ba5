#include "equivalences/ModeloEquivalencias.h"

#include "database/DB_Dll.h"
#include "database/TextoSQL.h"
#include "equivalences/AvanceGrabacion.h"
#include "equivalences/CodigosEquivalencia.h"
#include "equivalences/HallazgosGuardados.h"
#include "equivalences/HistorialEquivalencias.h"
#include "equivalences/SolicitudesEquivalencias.h"
#include "equivalences/VerificacionEquivalencias.h"
#include "platform/TrapErrores.h"
#include "platform/VbText.h"
#include "platform/db/ErrorMap.h"
#include "platform/db/GroupedCommits.h"
#include "platform/db/Transaction.h"
#include "replication/ListaPendientes.h"
#include "replication/ModGruposEmp.h"
#include "session/ModGlobal.h"
#include "suitesupport/QvFunciones.h"

#include <map>
#include <tuple>

// Writing what was entered: one equivalence of an article, or a generic one
// materialised as a row for every article of either unit. A save stopped
// half-way keeps what it wrote.

using SolicitudesEquivalencias::kAltaOModificacion;
using SolicitudesEquivalencias::kBaja;

std::optional<ModeloEquivalencias::ErrorDeConversion> ModeloEquivalencias::ActualizarDatos(AvanceGrabacion& avance)
{
    std::optional<ErrorDeConversion> conversion;
    for (bool repetir = true; repetir;) {
        repetir = false;
        campoEnCurso_ = Campos().front().campo;
        TrapErrores trap("Actualizar Datos", [&](const ErrorVB& error, const QString&) {
            avance.Terminar();
            return tratarErrorDeGrabacion(error, repetir, conversion);
        });
        const bool completo = grabarSegunModo(avance, trap);
        if (repetir) {
            if (pestana_ == Pestana::Equivalencias) cargarEquivalencia(condicionPorArticulo());
            repitiendoPorClaveDuplicada_ = true;
            continue;
        }
        // A save that became an update of the existing row ended well after all.
        if (repitiendoPorClaveDuplicada_ && completo) HayError_ = false;
        repitiendoPorClaveDuplicada_ = false;
        // A failed save leaves nothing pending, so the same fields can be saved again.
        if (HayError_ && RegistroActual.EditPending()) RegistroActual.CancelUpdate();
        if (pestana_ == Pestana::Especiales && completo) (void)trap.paso([this] { CargarEquivEspecial(); });
    }
    return conversion;
}

bool ModeloEquivalencias::grabarSegunModo(AvanceGrabacion& avance, TrapErrores& trap)
{
    if (pestana_ == Pestana::Equivalencias)
        return modo_ == Modo::Baja ? borrarPorArticulo(trap) : grabarPorArticulo(trap);
    if (modo_ == Modo::Alta || modo_ == Modo::Modificacion) return grabarEspeciales(avance, trap);
    if (modo_ == Modo::Baja) return borrarEspeciales(trap);
    return true;
}

Respuesta ModeloEquivalencias::tratarErrorDeGrabacion(const ErrorVB& error, bool& repetir,
                                                      std::optional<ErrorDeConversion>& conversion)
{
    HayError_ = true;
    QvFunciones::RestablecerEstado(false);
    if (error.numero == db::ErrorMap::DuplicateOnUpdate && !repitiendoPorClaveDuplicada_) {
        // The key exists after all: the pending addition goes, and the save
        // runs once more as an update of that row.
        RegistroActual.CancelUpdate();
        modo_ = Modo::Modificacion;
        repetir = true;
        return Respuesta::Salir;
    }
    if (error.numero == db::ErrorMap::WrongType) {
        conversion = ErrorDeConversion{"Error en conversion de datos", campoEnCurso_};
        return Respuesta::Salir;
    }
    db::Errors& errores = base_.gCnn.errors();
    if (errores.Count() > 0 && errores.Item(0).NativeError == db::ErrorMap::ProviderConversionNative) {
        conversion = ErrorDeConversion{"Error en conversion de datos ", campoEnCurso_};
        RegistroActual.CancelUpdate();
        errores.Clear();
        return Respuesta::Salir;
    }
    return QvFunciones::TratarError(error, "Actualizar Datos");
}

bool ModeloEquivalencias::grabarPorArticulo(TrapErrores& trap)
{
    if (modo_ == Modo::Alta && !trap.paso([this] { RegistroActual.AddNew(); })) return false;
    // The fields of the article's tab are the columns of its row.
    for (const DefinicionCampo& definicion : Campos()) {
        if (definicion.pestana != Pestana::Equivalencias) continue;
        campoEnCurso_ = definicion.campo;
        if (!trap.paso([&] { AsignarCampo(RegistroActual, definicion.dataField, vb::Trim(Valor(definicion.campo))); }))
            return false;
    }
    campoEnCurso_ = Campos().front().campo;
    if (modo_ != Modo::Alta && modo_ != Modo::Modificacion) return true;
    if (!trap.paso([this] { escribirRegistro(); })) return false;
    return trap.paso([&] {
        pedirReplica(kAltaOModificacion, Valor(Campo::IdArticulo), Valor(Campo::IdUnidad),
                     Valor(Campo::IdUnidad_Equiv));
    });
}

bool ModeloEquivalencias::borrarPorArticulo(TrapErrores& trap)
{
    const QString articulo = Valor(Campo::IdArticulo);
    const QString unidad = Valor(Campo::IdUnidad);
    const QString equivalente = Valor(Campo::IdUnidad_Equiv);
    if (!trap.paso([this] { borrarRegistro(); })) return false;
    if (!trap.paso([&] { pedirReplica(kBaja, articulo, unidad, equivalente); })) return false;
    return trap.paso([this] { Inicializa(); });
}

// The row and its note in the history land together. A change keeps
// PARATODOS as it was: a per-article save never sets it.
void ModeloEquivalencias::escribirRegistro()
{
    HistorialEquivalencias historial = historialDe(HistorialEquivalencias::Origen::Articulo);
    db::Transaction transaccion(base_.gCnn);
    if (modo_ == Modo::Modificacion)
        historial.AntesDeCambiar("ID = ?", {RegistroActual.Fields("ID").Value()},
                                 RegistroActual.Fields("Coeficiente").Value(), std::nullopt);
    RegistroActual.Update();
    if (modo_ == Modo::Alta) historial.Agregadas("ID = ?", {RegistroActual.Fields("ID").Value()});
    transaccion.commit();
}

void ModeloEquivalencias::borrarRegistro()
{
    HistorialEquivalencias historial = historialDe(HistorialEquivalencias::Origen::Articulo);
    db::Transaction transaccion(base_.gCnn);
    historial.AntesDeBorrar("ID = ?", {RegistroActual.Fields("ID").Value()});
    RegistroActual.Delete();
    transaccion.commit();
}

// A generic save writes stretches of articles in code order, each in a
// transaction of its own with its copies, committed before the next one
// starts. What the operator is told was written is committed first: before
// the cancel question and when the save ends; a stretch that failed is taken
// back before the treatment shows it. A crash of the program during the save may
// therefore lose only the stretch under way, never rows it said were saved.
// The targets' copies of a stretch are committed just before it, so that a
// crash never leaves a target without a row the company kept.
bool ModeloEquivalencias::grabarEspeciales(AvanceGrabacion& avance, TrapErrores& trap)
{
    db::GroupedCommits escrituras(base_.gCnn, [this] { replicacion_.ConfirmarCopias(); });
    const bool completo = grabarEspecialesPorTramos(avance, trap, escrituras);
    return trap.paso([&] { escrituras.commit(); }) && completo;
}

bool ModeloEquivalencias::grabarEspecialesPorTramos(AvanceGrabacion& avance, TrapErrores& trap,
                                                    db::GroupedCommits& escrituras)
{
    // A failure takes back the stretch under way, rows and history alike,
    // before the treatment shows it; the stretches before it were committed
    // as they ended, and repeating the step writes the whole stretch again.
    const auto paso = [&](const std::function<void()>& accion) {
        return trap.paso([&] {
            try {
                accion();
            } catch (const ErrorVB&) {
                escrituras.rollback();
                throw;
            }
        });
    };
    if (!paso([&] { avance.Empezar("Actualizando Datos"); })) return false;
    const QString U = codigoUnidad(Valor(Campo::IdUnidad2));
    const QString E = codigoUnidad(Valor(Campo::IdUnidad_Equiv2));
    QStringList codigos;
    QStringList descripciones;
    std::optional<HistorialEquivalencias> historial;
    std::optional<EscrituraGenerica> escritura;
    if (!paso([&] {
            db::Recordset articulos;
            base_.AbrirRecordset("SELECT IdArticulo, Descripcion FROM V_MA_ARTICULOS WHERE " + articulosDelPar(U, E)
                                     + " ORDER BY IdArticulo",
                                 articulos, nullptr, db::ado::adOpenForwardOnly, db::ado::adLockReadOnly);
            for (; articulos.State() == db::ado::adStateOpen && !articulos.Eof(); articulos.MoveNext()) {
                codigos.append(articulos.Fields(0).Value().textOrEmpty());
                descripciones.append(articulos.Fields(1).Value().textOrEmpty());
            }
            historial.emplace(historialDe(HistorialEquivalencias::Origen::Generica));
            escritura.emplace(base_, *historial, U, E, Valor(Campo::Coeficiente2));
        })) {
        return false;
    }
    for (qsizetype desde = 0; desde < codigos.size(); desde += articulosPorTramo_) {
        const QStringList tramo = codigos.mid(desde, articulosPorTramo_);
        // The copies are asked for before the operator may cancel: a row written is a row copied.
        if (!paso([&] { grabarTramo(*escritura, tramo, U, E, escrituras); })) {
            return false;
        }
        const qsizetype hechos = desde + tramo.size();
        avance.Mostrar(descripciones[hechos - 1], hechos, codigos.size());
        if (!avance.Seguir()) {
            avance.Terminar();
            return false;
        }
    }
    avance.Terminar();
    return true;
}

// The missing rows of each pair and coefficient are written as a generic save writes them.
int ModeloEquivalencias::CompletarGenericas(const QVector<Hallazgo>& faltantes)
{
    std::map<std::tuple<QString, QString, QString>, QStringList> porGenerica;
    for (const Hallazgo& falta : faltantes) {
        if (falta.tipo != Hallazgo::Tipo::FaltaGenerica) continue;
        porGenerica[{falta.unidad, falta.equivalente, QString::number(falta.generico, 'g', 15)}].append(falta.articulo);
    }
    db::GroupedCommits escrituras(base_.gCnn, [this] { replicacion_.ConfirmarCopias(); });
    HistorialEquivalencias historial = historialDe(HistorialEquivalencias::Origen::Verificacion);
    int escritas = 0;
    for (const auto& [generica, articulos] : porGenerica) {
        const auto& [unidad, equivalente, coeficiente] = generica;
        EscrituraGenerica escritura(base_, historial, unidad, equivalente, coeficiente);
        for (qsizetype desde = 0; desde < articulos.size(); desde += articulosPorTramo_) {
            const QStringList tramo = articulos.mid(desde, articulosPorTramo_);
            grabarTramo(escritura, tramo, unidad, equivalente, escrituras);
            escritas += static_cast<int>(tramo.size());
        }
    }
    return escritas;
}

// One stretch in a transaction of its own, committed with its copies.
void ModeloEquivalencias::grabarTramo(EscrituraGenerica& escritura, const QStringList& tramo, const QString& unidad,
                                      const QString& equivalente, db::GroupedCommits& escrituras)
{
    escrituras.beforeWrite();
    // Each copy is picked by its keys within the stretch's range, which lets
    // the targets find a stretch's rows through their index.
    const QString rango = escritura.Grabar(tramo);
    SolicitudesEquivalencias::PedirTramo(replicacion_, TablaActiva_, kAltaOModificacion, tramo, unidad, equivalente,
                                         rango);
    escrituras.commit();
}

// One statement, and the same condition for every target: the points of sale
// would otherwise keep the generic rows the company deleted. The statement
// leaves its failure in the connection's error list; it goes to the save's
// treatment like any other, so that a refused deletion is neither taken for
// done nor copied.
bool ModeloEquivalencias::borrarEspeciales(TrapErrores& trap)
{
    const QString condicion =
        "PARATODOS = 1 AND "
        + condicionDelPar(codigoUnidad(Valor(Campo::IdUnidad2)), codigoUnidad(Valor(Campo::IdUnidad_Equiv2)));
    const bool borrado = trap.paso([&] {
        HistorialEquivalencias historial = historialDe(HistorialEquivalencias::Origen::Generica);
        db::Transaction transaccion(base_.gCnn);
        historial.AntesDeBorrar(condicion, {});
        db::Errors& errores = base_.gCnn.errors();
        errores.Clear();
        base_.EjecutaConsultaSQL("DELETE S_TA_EQUIV WHERE " + condicion);
        if (errores.Count() > 0) throw ErrorVB(errores.Item(0).Number, errores.Item(0).Description, "S_TA_EQUIV");
        transaccion.commit();
    });
    if (!borrado) return false;
    return trap.paso([&] { replicacion_.ActualizaGEmpresas({TablaActiva_, kBaja, {}, condicion}); });
}

HistorialEquivalencias ModeloEquivalencias::historialDe(HistorialEquivalencias::Origen origen)
{
    AsegurarTablasPropias();
    return HistorialEquivalencias(base_, origen);
}

// The history's table is made the first time this model writes, unless the
// window made it as it signed in.
void ModeloEquivalencias::AsegurarTablasPropias()
{
    if (!tablasPropias_) CrearTablasPropias();
}

bool ModeloEquivalencias::CrearTablasPropias()
{
    tablasPropias_ = CrearTablasQueFaltan(base_, {ListaPendientes::kTabla, kTablaHallazgos, HistorialEquivalencias::kTabla});
    return tablasPropias_;
}

void ModeloEquivalencias::pedirReplica(long operacion, const QString& articulo, const QString& unidad,
                                       const QString& equivalente)
{
    replicacion_.ActualizaGEmpresas(SolicitudesEquivalencias::Fila(TablaActiva_, operacion, articulo, unidad, equivalente));
}
