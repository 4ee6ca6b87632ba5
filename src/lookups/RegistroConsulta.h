#pragma once

#include <QByteArray>
#include <QString>

// One record of the lookup definition file "consultas.vtx": 1202 bytes of
// Windows-1252 text, each field left-aligned and padded with blanks, ended by
// CR LF. The fields hold their text as read, padding included.
struct RegistroConsulta {
    static constexpr int kLargo = 1202;

    QString Titulo;     // the lookup window's title
    QString Tabla;      // the table or view: the record's key
    QString Columnas;   // "|COLUMNA1|COLUMNA2|"
    QString Condicion;  // an extra condition, without WHERE

    // The record's bytes; a longer text is cut at its field's length.
    QByteArray Codificado() const;
    // The record in `bytes` (kLargo of them; fewer read as NULs).
    static RegistroConsulta Decodificado(const QByteArray& bytes);

    // Whether this is the record of `tabla`: both trimmed, case ignored; a
    // key that holds NULs (a record never written) is nobody's.
    bool EsDe(const QString& tabla) const;
};
