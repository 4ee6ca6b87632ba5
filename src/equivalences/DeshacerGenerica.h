#pragma once

#include "platform/Variant.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <QVector>

class DB_Dll;
class HistorialEquivalencias;
class Replicacion;

// Takes back one generic save of a pair as its history tells it: the rows
// it changed get their coefficient and PARATODOS back, the rows it added go.
// A row changed again since, or no longer as the save left it, is left
// alone and listed. The undo is itself a save: noted in the history and
// copied to the targets, a stretch of rows per transaction.
class DeshacerGenerica {
public:
    // The generic saves of the pair (codes already normalised), newest first,
    // one line each, for the list window; GRABACION identifies each.
    static QString ConsultaDeGrabaciones(const QString& unidad, const QString& equivalente);

    // What taking back the save would do, from its notes and the rows as they are now.
    static DeshacerGenerica Calcular(DB_Dll& base, const QString& grabacion);

    // Nothing to take back: no such save, or every row changed since.
    bool Vacia() const { return vuelven_.isEmpty() && seVan_.isEmpty(); }
    // The question, in Spanish, saying where the undo is copied to.
    QString Pregunta(const QStringList& destinos) const;
    const QStringList& CambiadasDespues() const { return cambiadasDespues_; }

    // Writes it; returns how many rows were taken back. Failures come as ErrorVB.
    int Ejecutar(Replicacion& replicacion, int articulosPorTramo);

    static constexpr int kCambiadasMostradas = 10;

private:
    struct Vuelta {
        QString articulo;
        Variant coeficiente;
        Variant paraTodos;
    };
    struct Nota {
        QString articulo;
        QString operacion;
        Variant coeficienteAnterior;
        Variant paraTodosAnterior;
        Variant coeficienteNuevo;
        Variant paraTodosNuevo;
    };

    DeshacerGenerica(DB_Dll& base, QString grabacion) : base_(&base), grabacion_(std::move(grabacion)) {}
    QVector<Nota> leerNotas();
    QSet<QString> cambiadasPorOtrasGrabaciones() const;
    void clasificar(const QVector<Nota>& notas);
    QVector<QVector<Vuelta>> vueltasPorValores() const;
    void volver(HistorialEquivalencias& historial, const QVector<Vuelta>& tramo);
    void borrar(HistorialEquivalencias& historial, const QStringList& tramo);

    DB_Dll* base_;
    QString grabacion_;
    QString unidad_;
    QString equivalente_;
    QString fecha_;
    QString usuario_;
    long ultimaNota_ = 0;
    QVector<Vuelta> vuelven_;
    QStringList seVan_;
    QStringList cambiadasDespues_;
};
