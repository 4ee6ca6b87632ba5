#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Builders of INSERT and UPDATE statements from column/value pairs, shared
// by the modules that write rows as SQL text.
//
// Decisions fixed here:
// - A pair list that a statement was built from without Mantener holds one
//   empty pair; the next statement starts its list with Primero.
// - SentenciasSQL holds the statements in order followed by one empty entry;
//   a new statement takes that empty entry's place.
// - A value that cannot be formatted (a text that is not a number with "@")
//   raises error 13 and leaves the pair list as it was.

// Valor: the value already formatted as SQL text, or "Null".
struct ParCampoValor {
    QString Campo;
    QString Valor;
};
using ListaCampos = QVector<ParCampoValor>;

// Adds Campo with Valor formatted by SQLValue(Valor, Tipo); every "'" is
// removed from Valor first (the caller's text too). Primero starts a new list.
void AgregarCampoSQL(ListaCampos& CamposSQL, const QString& Campo, QString& Valor, const QString& Tipo, bool Primero);

// Appends "INSERT INTO Tabla (...) VALUES (...)" or "UPDATE Tabla SET ... Where"
// to SentenciasSQL. An UPDATE condition without "WHERE" gets " WHERE " in
// front, also in the caller's Where.
void ArmarSentenciaSQL(ListaCampos& CamposSQL, QStringList& SentenciasSQL, const QString& Tabla, bool EsUpdate,
                       QString& Where, bool Mantener);

// Appends "(columns) VALUES (values)" to texto; Borrar empties the pair list.
void ArmarValoresInsert(QString& texto, ListaCampos& CamposSQL, bool Borrar);
