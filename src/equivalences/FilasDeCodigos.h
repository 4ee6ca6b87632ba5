#pragma once

#include "platform/Variant.h"

#include <QHash>
#include <QString>

#include <optional>

class DB_Dll;

// The row of the code an entry field holds, in the field's lookup table.
// Checking a line and saving it ask for the same codes again and again; each
// is read once and the row kept while the field keeps that code.
class FilasDeCodigos {
public:
    // A row by column name, in capitals.
    using Fila = QHash<QString, Variant>;

    explicit FilasDeCodigos(DB_Dll& base) : base_(base) {}

    // The row of `codigo` (compared trimmed) by column `clave` of `tabla`,
    // for the field numbered `campo`; nothing when there is none. A read that
    // failed is not kept: the next call reads again.
    const std::optional<Fila>& Leer(int campo, const QString& tabla, const QString& clave, const QString& codigo);
    // A column of the row; Null without a row or that column.
    static Variant Valor(const std::optional<Fila>& fila, const QString& columna);
    // The same as text, empty for Null.
    static QString Texto(const std::optional<Fila>& fila, const QString& columna);
    // Everything read is forgotten.
    void Olvidar() { leidas_.clear(); }

private:
    struct Leida {
        QString tabla;
        QString codigo;
        std::optional<Fila> fila;
    };

    DB_Dll& base_;
    QHash<int, Leida> leidas_;  // by field
    const std::optional<Fila> ninguna_;
};
