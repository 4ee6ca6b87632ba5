#pragma once

#include "platform/Variant.h"

#include <QString>
#include <QStringList>
#include <QVector>

// Codes as the equivalences store and compare them: normalised by
// FormatoCodigo to the width of their kind.
inline constexpr char kTablaEquivalencias[] = "S_TA_EQUIV";
inline constexpr int kAnchoArticulo = 25;
inline constexpr int kAnchoUnidad = 4;

QString codigoArticulo(const QString& texto);
QString codigoUnidad(const QString& texto);

// "IDUNIDAD = '<unidad>' AND IDUNIDAD_EQUIV = '<equivalente>'", for codes already normalised.
QString condicionDelPar(const QString& unidad, const QString& equivalente);

// "IDUNIDAD = '<unidad>' or IDUNIDAD = '<equivalente>'": the articles a generic save of the pair writes to.
QString articulosDelPar(const QString& unidad, const QString& equivalente);

// A code as the database compares it: trailing blanks and letter case do not count.
QString claveDeCodigo(const QString& codigo);

// Texts as values to bind, in order.
QVector<Variant> comoValores(const QStringList& textos);

// The rows of a pair for some articles, as a bound condition: its text with
// "?" markers, and the values they take in order.
struct FilasDelPar {
    QString condicion;
    QVector<Variant> valores;
};
FilasDelPar filasDelPar(const QString& unidad, const QString& equivalente, const QStringList& articulos);
