#pragma once

#include "equivalences/ModeloEquivalencias.h"

#include <QAbstractTableModel>

// The lines of one of the window's grids: the columns ModeloEquivalencias
// names for it, under their headers, and one row per line read. With no line
// the grid shows one empty row, as the suite's grids do. The columns never
// change, so a view keeps the widths it gives them.
class ModeloGrillaEquivalencias : public QAbstractTableModel {
    Q_OBJECT
public:
    ModeloGrillaEquivalencias(const QVector<ModeloEquivalencias::Columna>& columnas, QObject* padre);

    const QVector<ModeloEquivalencias::Columna>& Columnas() const { return columnas_; }
    // These lines from now on, in place of the ones shown before.
    void Mostrar(const ModeloEquivalencias::Filas& filas);
    // Empty outside the lines read.
    QString Texto(int fila, int columna) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;

private:
    QVector<ModeloEquivalencias::Columna> columnas_;
    ModeloEquivalencias::Filas filas_;
};
