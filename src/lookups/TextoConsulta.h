#pragma once

#include <QString>

// Text of the lookups' statements.

// Two conditions that must both hold, each in parentheses so that an OR in
// one cannot reach into the other: "(a) and (b)"; either alone when the
// other is blank.
QString UnirCondiciones(const QString& a, const QString& b);

// A statement split where its own GROUP BY or, without one, its own ORDER BY
// begins (not inside parentheses or quotes); `resto` is empty without either.
struct SentenciaPartida {
    QString cabeza;
    QString resto;
};
SentenciaPartida PartirSentencia(const QString& sql);

// `cabeza`, a statement without its GROUP BY or ORDER BY, with one more
// condition: joined to its own WHERE by UnirCondiciones, or after
// `palabraWhere` (" where ", " WHERE ") when it has none.
QString AgregarCondicion(const QString& cabeza, const QString& condicion, const QString& palabraWhere);

// The table a statement reads: the word after its first FROM; empty without one.
QString TablaDeSentencia(const QString& sql);

// Whether the statement has a WHERE of its own.
bool TieneWhere(const QString& sql);

// The row limit of the lookups' statements: the leading number of setting
// "TopConsArt", or 1000 when that is not a count the database takes.
qint32 TopeConsultas();
