#include "lookups/ModeloConsulta.h"

#include "platform/VbText.h"

#include <QFont>

#include <algorithm>
#include <numeric>

void ModeloConsulta::Reiniciar(const QStringList& encabezados)
{
    beginResetModel();
    encabezados_ = encabezados;
    filas_.clear();
    endResetModel();
}

void ModeloConsulta::Agregar(QVector<Fila> filas)
{
    if (filas.isEmpty()) return;
    beginInsertRows({}, static_cast<int>(filas_.size()), static_cast<int>(filas_.size() + filas.size() - 1));
    filas_.append(std::move(filas));
    endInsertRows();
}

void ModeloConsulta::setEncabezado(int columna, const QString& texto)
{
    encabezados_[columna] = texto;
    emit headerDataChanged(Qt::Horizontal, columna, columna);
}

void ModeloConsulta::setConMarcas(bool conMarcas)
{
    conMarcas_ = conMarcas;
    if (!filas_.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, 0));
}

QString ModeloConsulta::Texto(int fila, int columna) const { return filas_.at(fila).celdas.value(columna); }

void ModeloConsulta::setTexto(int fila, int columna, const QString& texto)
{
    QStringList& celdas = filas_[fila].celdas;
    while (celdas.size() <= columna) celdas.append(QString());
    celdas[columna] = texto;
    emit dataChanged(index(fila, columna), index(fila, columna));
}

void ModeloConsulta::setMarcada(int fila, bool marcada)
{
    filas_[fila].marcada = marcada;
    emit dataChanged(index(fila, 0), index(fila, 0), {Qt::CheckStateRole});
}

void ModeloConsulta::InvertirMarcas()
{
    for (Fila& fila : filas_) fila.marcada = !fila.marcada;
    if (!filas_.isEmpty()) emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

int ModeloConsulta::Buscar(int columna, const QString& inicio) const
{
    const QString buscado = vb::Trim(inicio);
    for (qsizetype i = 0; i < filas_.size(); ++i) {
        if (vb::Trim(filas_[i].celdas.value(columna)).startsWith(buscado, Qt::CaseInsensitive))
            return static_cast<int>(i);
    }
    return -1;
}

int ModeloConsulta::rowCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(filas_.size());
}

int ModeloConsulta::columnCount(const QModelIndex& padre) const
{
    return padre.isValid() ? 0 : static_cast<int>(encabezados_.size());
}

QVariant ModeloConsulta::data(const QModelIndex& indice, int rol) const
{
    if (!indice.isValid()) return {};
    const Fila& fila = filas_.at(indice.row());
    switch (rol) {
    case Qt::DisplayRole: return fila.celdas.value(indice.column());
    case Qt::CheckStateRole:
        if (conMarcas_ && indice.column() == 0) return fila.marcada ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::ForegroundRole: return fila.color ? QVariant(*fila.color) : QVariant();
    case Qt::FontRole:
        if (!fila.color) return {};
        {
            QFont negrita;
            negrita.setBold(true);
            return negrita;
        }
    default: return {};
    }
}

QVariant ModeloConsulta::headerData(int seccion, Qt::Orientation orientacion, int rol) const
{
    if (orientacion != Qt::Horizontal || rol != Qt::DisplayRole) return {};
    return encabezados_.value(seccion);
}

Qt::ItemFlags ModeloConsulta::flags(const QModelIndex& indice) const
{
    if (!indice.isValid()) return Qt::NoItemFlags;
    const Qt::ItemFlags base = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return conMarcas_ && indice.column() == 0 ? base | Qt::ItemIsUserCheckable : base;
}

bool ModeloConsulta::setData(const QModelIndex& indice, const QVariant& valor, int rol)
{
    if (!indice.isValid() || rol != Qt::CheckStateRole || !conMarcas_) return false;
    setMarcada(indice.row(), valor.value<Qt::CheckState>() == Qt::Checked);
    return true;
}

void ModeloConsulta::sort(int columna, Qt::SortOrder orden)
{
    if (columna < 0 || columna >= columnCount()) return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    QVector<int> posiciones(filas_.size());
    std::iota(posiciones.begin(), posiciones.end(), 0);
    std::ranges::stable_sort(posiciones, [this, columna, orden](int a, int b) {
        const int comparacion = Texto(a, columna).compare(Texto(b, columna), Qt::CaseInsensitive);
        return orden == Qt::AscendingOrder ? comparacion < 0 : comparacion > 0;
    });
    QVector<int> nuevaPosicion(filas_.size());
    QVector<Fila> ordenadas;
    ordenadas.reserve(filas_.size());
    for (int i = 0; i < posiciones.size(); ++i) {
        nuevaPosicion[posiciones[i]] = i;
        ordenadas.append(std::move(filas_[posiciones[i]]));
    }
    filas_ = std::move(ordenadas);
    // The selected row stays selected where it went.
    const QModelIndexList antes = persistentIndexList();
    QModelIndexList despues;
    for (const QModelIndex& indice : antes) despues.append(index(nuevaPosicion[indice.row()], indice.column()));
    changePersistentIndexList(antes, despues);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
