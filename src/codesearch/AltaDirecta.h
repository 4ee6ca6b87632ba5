#pragma once

#include "codesearch/ConfiguracionBusqueda.h"

#include <QString>

#include <optional>

namespace db {
class Connection;
}

// The direct add of the code search box: a new row of the table searched,
// with the next free numeric code and the text typed as its description.
// The code is the highest one led by a blank or a 9, plus one, right-aligned
// in the table's code width; a code that would not fit is refused.
// The description is stored as typed (cut to 50 characters), quoted.
// Sales and purchase motives also get their input rows, one per VAT
// condition, copied from the table's first row.
class AltaDirecta {
public:
    static inline const QString kDetalleExistente = "El detalle ingresado ya existe, seleccionelo de la lista";
    static inline const QString kErrorAlta = "ERROR EN EL ALTA DIRECTA, UTILICE LA OPCION DEL MENÚ CORRESPONDIENTE.";
    static constexpr int kLargoDescripcion = 50;

    AltaDirecta(db::Connection& conexion, const ConfiguracionBusqueda& config, const QString& cuenta);

    // The new code; nothing when the row was not added, after telling the
    // operator why.
    std::optional<QString> Agregar(const QString& texto);

private:
    bool detalleExistente(const QString& descripcion);
    std::optional<QString> proximoCodigo();
    bool insertar(const QString& codigo, const QString& descripcion);
    QString sentenciaAlta(const QString& codigo, const QString& descripcion) const;
    void copiarEntradas(const QString& codigo);
    void avisarFallo() const;

    db::Connection& conexion_;
    const ConfiguracionBusqueda& config_;
    QString cuenta_;
    QString sentencia_;  // the last one sent, for the operator when it fails
};
