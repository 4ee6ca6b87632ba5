#pragma once

#include "platform/Variant.h"

#include <QSet>
#include <QString>
#include <QStringList>

class DB_Dll;

// Writes the generic rows of one pair of units for a stretch of articles at
// a time, as a generic save does: one statement changes the rows the
// stretch's articles already hold, one adds the rows they lack. Which
// articles hold a row of the pair is read once, so that a stretch of only
// new or only existing rows costs one statement. Failures come as ErrorVB.
class EscrituraGenerica {
public:
    // At most this many articles to one call: a statement binds one value per article.
    static constexpr int kArticulosPorTramo = 1000;

    // The coefficient is read as the column's type here, once for every row;
    // a text that is no number fails here, as the first row would.
    EscrituraGenerica(DB_Dll& base, QString unidad, QString equivalente, const QString& coeficiente);

    void Grabar(const QStringList& articulos);

private:
    Variant coeficienteDeLaColumna(const QString& coeficiente);
    long cambiarFilas(const QStringList& articulos);
    void agregarFilas(const QStringList& articulos);
    static QString clave(const QString& articulo);

    DB_Dll& base_;
    QString unidad_;
    QString equivalente_;
    Variant coeficiente_;
    QSet<QString> conFila_;  // by clave()
};
