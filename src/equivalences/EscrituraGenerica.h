#pragma once

#include "platform/db/Recordset.h"

#include <QSet>
#include <QString>

#include <optional>

class DB_Dll;

// Writes the generic rows of one pair of units, one article at a time, as a
// generic save does. Which articles already hold a row of the pair is read
// once: their row is read back and changed; every other article gets a new
// row through one record set kept open, so a save over many articles does
// not read the table once per article. Failures come as the record set's.
class EscrituraGenerica {
public:
    EscrituraGenerica(DB_Dll& base, QString unidad, QString equivalente, QString coeficiente);

    void Grabar(const QString& articulo);

private:
    void cambiarFila(const QString& articulo);
    void agregarFila(const QString& articulo);
    void asignar(db::Recordset& fila, const QString& articulo);
    static QString clave(const QString& articulo);

    DB_Dll& base_;
    QString unidad_;
    QString equivalente_;
    QString coeficiente_;
    std::optional<Variant> coeficienteLeido_;  // the text read as the column's type, once for every row
    QSet<QString> conFila_;  // by clave()
    db::Recordset nuevas_;
    int agregadas_ = 0;
};
