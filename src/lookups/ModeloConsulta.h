#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QStringList>
#include <QVector>

#include <optional>

// The rows of a lookup list: one text per column, a check mark and, for
// articles, the colour of their stock level. The list shows them as they
// are; sorting reorders the rows themselves.
class ModeloConsulta : public QAbstractTableModel {
    Q_OBJECT
public:
    struct Fila {
        QStringList celdas;
        bool marcada = false;
        std::optional<QColor> color;  // shown bold in that colour
    };

    using QAbstractTableModel::QAbstractTableModel;

    // Columns with these headers and no rows.
    void Reiniciar(const QStringList& encabezados);
    void Agregar(QVector<Fila> filas);
    void setEncabezado(int columna, const QString& texto);
    QString Encabezado(int columna) const { return encabezados_.value(columna); }
    // Rows carry check boxes (in their first column).
    void setConMarcas(bool conMarcas);
    bool ConMarcas() const { return conMarcas_; }

    QString Texto(int fila, int columna) const;
    void setTexto(int fila, int columna, const QString& texto);
    bool Marcada(int fila) const { return filas_.at(fila).marcada; }
    void setMarcada(int fila, bool marcada);
    void InvertirMarcas();
    // The first row whose text in `columna`, trimmed, begins with `inicio`,
    // trimmed, case ignored; -1 when none does.
    int Buscar(int columna, const QString& inicio) const;

    int rowCount(const QModelIndex& padre = {}) const override;
    int columnCount(const QModelIndex& padre = {}) const override;
    QVariant data(const QModelIndex& indice, int rol) const override;
    QVariant headerData(int seccion, Qt::Orientation orientacion, int rol) const override;
    Qt::ItemFlags flags(const QModelIndex& indice) const override;
    bool setData(const QModelIndex& indice, const QVariant& valor, int rol) override;
    // By the column's text, case ignored; rows that compare equal keep their order.
    void sort(int columna, Qt::SortOrder orden) override;

private:
    QStringList encabezados_;
    QVector<Fila> filas_;
    bool conMarcas_ = false;
};
