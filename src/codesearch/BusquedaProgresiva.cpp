#include "codesearch/BusquedaProgresiva.h"

#include "codesearch/SentenciasBusqueda.h"
#include "platform/db/Connection.h"
#include "platform/db/Recordset.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace {

using Fila = BusquedaProgresiva::Fila;
using SentenciasBusqueda::kFilasBuscadas;

void leer(db::Recordset filas, std::vector<Fila>& destino)
{
    if (filas.State() != db::ado::adStateOpen) return;
    const bool conCodigo = filas.FieldCount() > 1;
    for (; !filas.Eof(); filas.MoveNext())
        destino.push_back({filas.Fields(0).Value(), conCodigo ? filas.Fields(1).Value() : Variant()});
}

bool esTexto(const Variant& valor) { return valor.type() == Variant::Type::Text; }

// A "[" opens a set of characters that later keystrokes may close, so that a
// longer text can find rows a shorter one did not: "tor[" and "tor[n]".
bool sinConjuntos(const QString& buscar) { return !buscar.contains(u'['); }

}  // namespace

std::vector<Fila> BusquedaProgresiva::Buscar(db::Connection& conexion, const ConfiguracionBusqueda& config,
                                             const QString& buscar, const QString& idLista)
{
    const QString clave = SentenciasBusqueda::Busqueda(config, {}, idLista);
    const bool acotable = SentenciasBusqueda::Acotable(config, idLista);
    const bool acota = acotable && sigue(clave, buscar);
    // A search that fails leaves nothing for the next one to follow.
    const std::vector<Fila> anteriores = std::exchange(halladas_, {});
    Olvidar();
    // A list that held every row is read again by its codes alone: no index helps that.
    const bool soloCodigos = acota && std::ssize(anteriores) < kFilasBuscadas;
    ConfiguracionBusqueda acotada = config;
    if (acotable && !soloCodigos) {
        indice_.PonerAlDia(conexion, config);
        acotada.condicionExtra += indice_.Acotacion(conexion, config, buscar);
    }
    std::vector<Fila> filas;
    if (acota)
        filas = acotar(conexion, config, acotada, buscar, anteriores);
    else
        leer(conexion.Execute(SentenciasBusqueda::Busqueda(acotada, buscar, idLista)), filas);
    clave_ = clave;
    buscado_ = buscar;
    halladas_ = filas;
    return filas;
}

void BusquedaProgresiva::Olvidar()
{
    clave_.clear();
    buscado_.clear();
    halladas_.clear();
}

// The codes, and the last description of a full list, go back into the
// statements as quoted texts, so they must be texts.
bool BusquedaProgresiva::sigue(const QString& clave, const QString& buscar) const
{
    if (buscado_.isEmpty() || clave != clave_ || !buscar.startsWith(buscado_) || !sinConjuntos(buscar)) return false;
    const bool completa = std::ssize(halladas_) < kFilasBuscadas;
    return std::ranges::all_of(halladas_, [completa](const Fila& fila) {
        return esTexto(fila.codigo) && (completa || esTexto(fila.descripcion));
    });
}

// The listed rows are read again by their codes alone, which no index narrows
// further; the rest of the table as `acotada` narrows it.
std::vector<Fila> BusquedaProgresiva::acotar(db::Connection& conexion, const ConfiguracionBusqueda& config,
                                             const ConfiguracionBusqueda& acotada, const QString& buscar,
                                             const std::vector<Fila>& anteriores)
{
    std::vector<Fila> filas;
    if (anteriores.empty()) return filas;
    QStringList codigos;
    for (const Fila& fila : anteriores) codigos << fila.codigo.textOrEmpty();
    // Fewer rows than the list holds were all the rows there were.
    if (std::ssize(anteriores) < kFilasBuscadas) {
        leer(conexion.Execute(SentenciasBusqueda::BusquedaEntreCodigos(config, buscar, codigos, std::nullopt)), filas);
        return filas;
    }
    const QString ultima = anteriores.back().descripcion.textOrEmpty();
    leer(conexion.Execute(SentenciasBusqueda::BusquedaEntreCodigos(config, buscar, codigos, ultima)), filas);
    const auto faltan = [&filas] { return kFilasBuscadas - static_cast<int>(filas.size()); };
    if (faltan() > 0)
        leer(conexion.Execute(SentenciasBusqueda::BusquedaDesde(acotada, buscar, ultima, faltan())), filas);
    // Engines that sort rows with no description last list them after the others.
    if (faltan() > 0)
        leer(conexion.Execute(SentenciasBusqueda::BusquedaSinDescripcion(acotada, buscar, faltan())), filas);
    return filas;
}
