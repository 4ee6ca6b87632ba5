#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QTableView;

// The search boxes of a lookup list, one over each column: a box follows its
// column's left edge and width as the operator resizes the columns or
// scrolls the list sideways. The box with the focus is painted blue-green,
// the others white.
class CajasBusqueda : public QWidget {
    Q_OBJECT
public:
    // `teclas` filters the keys typed in every box (F5, Enter, the arrows).
    CajasBusqueda(QTableView& lista, QObject& teclas, QWidget* parent);

    // One box per field; existing boxes are reused and emptied, boxes left
    // over are hidden. Each box remembers its field's name.
    void Preparar(const QStringList& campos);
    int Cantidad() const { return cantidad_; }
    QComboBox* Caja(int indice) const { return cajas_.at(static_cast<std::size_t>(indice)); }
    QString Campo(int indice) const { return campos_.value(indice); }
    // The box that last had the focus (CajaActual).
    int Actual() const { return actual_; }
    // Puts each box over its column.
    void Colocar();

signals:
    void TextoCambiado(int caja, const QString& texto);
    void Enfocada(int caja);

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    QComboBox* NuevaCaja(int indice);

    QTableView& lista_;
    QObject& teclas_;
    std::vector<QComboBox*> cajas_;  // owned by this widget
    QStringList campos_;
    int cantidad_ = 0;
    int actual_ = 0;
};
