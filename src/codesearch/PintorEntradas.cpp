#include "codesearch/PintorEntradas.h"

#include "platform/VbText.h"

#include <QApplication>
#include <QPainter>

namespace {

// Blank room between the description and the code, in blanks of the list's font.
constexpr int kBlancosEntreColumnas = 3;

QPalette::ColorGroup grupoDeColores(const QStyleOptionViewItem& option)
{
    if (!(option.state & QStyle::State_Enabled)) return QPalette::Disabled;
    return option.state & QStyle::State_Active ? QPalette::Active : QPalette::Inactive;
}

}  // namespace

PintorEntradas::PintorEntradas(int rolDescripcion, int rolCodigo, QObject* parent)
    : QStyledItemDelegate(parent), rolDescripcion_(rolDescripcion), rolCodigo_(rolCodigo)
{
}

void PintorEntradas::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem fondo = option;
    initStyleOption(&fondo, index);
    fondo.text.clear();
    const QWidget* lista = option.widget;
    const QStyle* estilo = lista ? lista->style() : QApplication::style();
    estilo->drawControl(QStyle::CE_ItemViewItem, &fondo, painter, lista);

    const QString descripcion = vb::Trim(index.data(rolDescripcion_).toString());
    const QString codigo = vb::Trim(index.data(rolCodigo_).toString());
    const QRect area = estilo->subElementRect(QStyle::SE_ItemViewItemText, &fondo, lista);
    const QFontMetrics medidas(fondo.font);
    // A row without a code of its own lists its description as its code: shown once.
    const QString columnaCodigo = codigo == descripcion ? QString() : codigo;
    const int anchoCodigo = columnaCodigo.isEmpty() ? 0
                                                    : medidas.horizontalAdvance(columnaCodigo)
                                                          + kBlancosEntreColumnas * medidas.horizontalAdvance(u' ');

    painter->save();
    painter->setFont(fondo.font);
    const bool elegida = option.state & QStyle::State_Selected;
    painter->setPen(fondo.palette.color(grupoDeColores(option), elegida ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(area, Qt::AlignRight | Qt::AlignVCenter, columnaCodigo);
    const QRect areaDescripcion = area.adjusted(0, 0, -anchoCodigo, 0);
    painter->drawText(areaDescripcion, Qt::AlignLeft | Qt::AlignVCenter,
                      medidas.elidedText(descripcion, Qt::ElideRight, areaDescripcion.width()));
    painter->restore();
}

QSize PintorEntradas::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {0, QStyledItemDelegate::sizeHint(option, index).height()};
}
