#pragma once

#include <QStyledItemDelegate>

// Paints an entry of the search list as two columns: the description on the
// left, cut with an ellipsis when it does not fit, and the whole code on the
// right. The entry's text keeps the blanks between them that the suite's code
// expects; drawn as it is, a code would sit wherever the description ends,
// and a long one or one padded with leading blanks would lie out of sight.
class PintorEntradas : public QStyledItemDelegate {
    Q_OBJECT
public:
    PintorEntradas(int rolDescripcion, int rolCodigo, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    // As wide as the list shows: an entry never needs a horizontal scroll.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int rolDescripcion_;
    int rolCodigo_;
};
