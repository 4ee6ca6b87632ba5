#pragma once

#include <QList>
#include <QPixmap>

// The pictures of the banner's animation: a ring of twelve dots in which a
// highlight goes round clockwise, one dot further in each picture, with a
// fading tail behind it. `lado` is the side in device-independent pixels,
// `escala` the screen's device pixel ratio, so that the dots stay sharp.
QList<QPixmap> DibujarCuadrosAnimacion(int lado, qreal escala);
