#pragma once

#include "codesearch/ConfiguracionBusqueda.h"
#include "codesearch/IndiceFragmentos.h"
#include "platform/Variant.h"

#include <QString>

#include <vector>

namespace db {
class Connection;
}

// The rows of the code search box's searches, one keystroke after another.
// When the text only grew since the last search and holds no "[", the
// new search can only find fewer rows: those sorting before the last row
// listed are among the rows listed, and the rest sort from that row on. So it
// reads the listed rows again by their code, and the table from the last row
// on, instead of the whole table from its start; a keystroke costs what the
// part of the table it has not read yet costs. A row that someone else adds
// between two keystrokes may only show once the text is shortened. Where the
// table has a search index, each search first brings it up to date with what
// other programs wrote, then reads only the rows it points to.
class BusquedaProgresiva {
public:
    struct Fila {
        Variant descripcion;
        Variant codigo;  // Empty for the searches that read one column
    };

    // Up to SentenciasBusqueda::kFilasBuscadas rows, in the order of their description.
    std::vector<Fila> Buscar(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& buscar,
                             const QString& idLista);
    // The next search reads the whole table again: for after the box wrote to it.
    void Olvidar();

private:
    bool sigue(const QString& clave, const QString& buscar) const;
    static std::vector<Fila> acotar(db::Connection& conexion, const ConfiguracionBusqueda& config,
                                    const ConfiguracionBusqueda& acotada, const QString& buscar,
                                    const std::vector<Fila>& anteriores);

    QString clave_;    // the search's statement with no text: what it reads and how
    QString buscado_;  // the text of the last search
    std::vector<Fila> halladas_;
    IndiceFragmentos indice_;
};
