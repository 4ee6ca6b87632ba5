#include "equivalences/ModeloGrillaEquivalencias.h"

#include "platform/VbText.h"

#include <algorithm>

ModeloGrillaEquivalencias::ModeloGrillaEquivalencias(const QVector<ModeloEquivalencias::Columna>& columnas,
                                                     QObject* padre)
    : QAbstractTableModel(padre), columnas_(columnas)
{
}

void ModeloGrillaEquivalencias::Mostrar(const ModeloEquivalencias::Filas& filas)
{
    beginResetModel();
    filas_ = filas;
    endResetModel();
}

QString ModeloGrillaEquivalencias::Texto(int fila, int columna) const
{
    if (fila < 0 || fila >= filas_.size()) return {};
    return filas_.at(fila).value(columna);
}

int ModeloGrillaEquivalencias::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : std::max(1, static_cast<int>(filas_.size()));
}

int ModeloGrillaEquivalencias::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(columnas_.size());
}

QVariant ModeloGrillaEquivalencias::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid()) return {};
    const QString texto = Texto(indice.row(), indice.column());
    switch (rol) {
    case Qt::DisplayRole: return texto;
    // Numbers line up on the right, any other text on the left.
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignVCenter
                                   | (vb::ParseNumber(texto).has_value() ? Qt::AlignRight : Qt::AlignLeft));
    default: return {};
    }
}

QVariant ModeloGrillaEquivalencias::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole || seccion < 0 || seccion >= columnas_.size())
        return {};
    return QString(columnas_.at(seccion).encabezado);
}
