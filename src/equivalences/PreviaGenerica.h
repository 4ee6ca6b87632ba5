#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class DB_Dll;

// What a generic save of a pair of units is about to do, counted before
// anything is written, and the question that asks the operator to go on.
struct PreviaGenerica {
    struct Anterior {
        double coeficiente = 0;
        long filas = 0;
    };

    long articulos = 0;            // articles of either unit, each receives the row
    long sobrescritas = 0;         // of them, those that already have a row for the pair
    QVector<Anterior> anteriores;  // the coefficients those rows hold, most frequent first
    QStringList destinos;          // where the rows are replicated to

    // Counts on `base` for the pair (codes already normalised).
    static PreviaGenerica Calcular(DB_Dll& base, const QString& unidad, const QString& equivalente);

    // The question, in Spanish; at most `kAnterioresMostrados` old coefficients are listed.
    QString Pregunta() const;
    static constexpr int kAnterioresMostrados = 5;
};
