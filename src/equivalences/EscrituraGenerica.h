#pragma once

#include "platform/Variant.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class DB_Dll;
class HistorialEquivalencias;

// Writes the generic rows of one pair of units for a stretch of articles at
// a time, as a generic save does: one statement changes the rows the
// stretch's articles already hold, one adds the rows they lack. Which
// articles hold a row of the pair is read once, so that a stretch of only
// new or only existing rows costs one statement. The rows of the pair are
// also picked by the range of the stretch's codes: a server that would scan
// the pair for a list of a thousand codes searches its index for a range.
// Every row changed or added is noted in the save's history first, in the
// same transaction. Failures come as ErrorVB.
class EscrituraGenerica {
public:
    // At most this many articles to one call: a statement binds one value per article.
    static constexpr int kArticulosPorTramo = 1000;

    // The coefficient is read as the column's type here, once for every row;
    // a text that is no number fails here, as the first row would.
    EscrituraGenerica(DB_Dll& base, HistorialEquivalencias& historial, QString unidad, QString equivalente,
                      const QString& coeficiente);

    // Returns "IDARTICULO BETWEEN '<first>' AND '<last>'", the range of the
    // stretch's codes as the database orders them, which the stretch's copies
    // add to their conditions; empty when none of the articles exists.
    QString Grabar(const QStringList& articulos);

private:
    Variant coeficienteDeLaColumna(const QString& coeficiente);
    std::optional<std::pair<QString, QString>> rangoDe(const QStringList& articulos);
    long cambiarFilas(const QStringList& articulos, const std::pair<QString, QString>& rango);
    void agregarFilas(const QStringList& articulos, bool soloDondeFalte);

    DB_Dll& base_;
    HistorialEquivalencias& historial_;
    QString unidad_;
    QString equivalente_;
    Variant coeficiente_;
    QSet<QString> conFila_;  // by claveDeCodigo()
};
