#include "lookups/LineaCartel.h"

#include <QPainter>

namespace {
// Room for a whole article description, typically written in capitals.
constexpr int kCaracteresVisibles = 60;
// A change within this time of the previous one waits for the next tick.
constexpr qint64 kPausaEntreCambios = 100;  // milliseconds
constexpr int kFormato = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
}  // namespace

LineaCartel::LineaCartel(QWidget* parent) : QWidget(parent) {}

void LineaCartel::setText(const QString& texto)
{
    if (texto == texto_) return;
    texto_ = texto;
    if (cambioReciente())
        pendiente_ = true;
    else
        mostrarCambio();
}

void LineaCartel::Refrescar()
{
    if (pendiente_) mostrarCambio();
}

bool LineaCartel::cambioReciente() const
{
    return ultimoCambio_.isValid() && ultimoCambio_.elapsed() < kPausaEntreCambios;
}

void LineaCartel::mostrarCambio()
{
    pendiente_ = false;
    ultimoCambio_.start();
    update();
}

QSize LineaCartel::sizeHint() const
{
    return {fontMetrics().averageCharWidth() * kCaracteresVisibles, fontMetrics().height()};
}

QSize LineaCartel::minimumSizeHint() const { return {0, fontMetrics().height()}; }

void LineaCartel::paintEvent(QPaintEvent*)
{
    QPainter pintor(this);
    pintor.setPen(palette().color(foregroundRole()));
    pintor.drawText(rect(), kFormato, fontMetrics().elidedText(texto_, Qt::ElideRight, width()));
}
