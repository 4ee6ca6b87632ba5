#include "lookups/CuadrosAnimacion.h"

#include <QColor>
#include <QPainter>

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr int kPuntos = 12;
// The suite's calm blue-grey: the dot at rest and the leading dot.
constexpr QColor kColorReposo(196, 206, 217);
constexpr QColor kColorDestacado(62, 90, 120);
// Strength of the highlight from the leading dot backwards; the rest are at 0.
constexpr std::array<qreal, 4> kEstela{1.0, 0.7, 0.45, 0.25};

constexpr qreal kRadioAnillo = 0.36;  // of the side
constexpr qreal kRadioPunto = 0.075;  // of the side, at rest
constexpr qreal kCrecimiento = 0.4;   // extra radius of the leading dot

QColor mezclar(const QColor& a, const QColor& b, qreal x)
{
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * x),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * x),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * x));
}

qreal intensidad(int punto, int cabeza)
{
    const auto atras = static_cast<std::size_t>((cabeza - punto + kPuntos) % kPuntos);
    return atras < kEstela.size() ? kEstela[atras] : 0.0;
}

// Dot 0 stands at twelve o'clock; the others follow clockwise.
QPointF centroDelPunto(int punto, qreal lado)
{
    const qreal angulo = 2 * std::numbers::pi * punto / kPuntos - std::numbers::pi / 2;
    const qreal radio = lado * kRadioAnillo;
    return {lado / 2 + radio * std::cos(angulo), lado / 2 + radio * std::sin(angulo)};
}

QPixmap dibujarCuadro(int cabeza, int lado, qreal escala)
{
    QPixmap cuadro(static_cast<int>(std::ceil(lado * escala)), static_cast<int>(std::ceil(lado * escala)));
    cuadro.setDevicePixelRatio(escala);
    cuadro.fill(Qt::transparent);
    QPainter pintor(&cuadro);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(Qt::NoPen);
    for (int punto = 0; punto < kPuntos; ++punto) {
        const qreal x = intensidad(punto, cabeza);
        const qreal radio = lado * kRadioPunto * (1 + kCrecimiento * x);
        pintor.setBrush(mezclar(kColorReposo, kColorDestacado, x));
        pintor.drawEllipse(centroDelPunto(punto, lado), radio, radio);
    }
    return cuadro;
}

}  // namespace

QList<QPixmap> DibujarCuadrosAnimacion(int lado, qreal escala)
{
    QList<QPixmap> cuadros;
    for (int cabeza = 0; cabeza < kPuntos; ++cabeza) cuadros.append(dibujarCuadro(cabeza, lado, escala));
    return cuadros;
}
