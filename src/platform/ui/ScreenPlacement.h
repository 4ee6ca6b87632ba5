#pragma once

#include <QRect>

class QWidget;

// Keeps windows where they can be seen: a frame larger than the available
// screen area is shrunk to it, and one lying partly or wholly outside it is
// moved in, so that its title bar can always be reached.
QRect fitToScreen(QRect frame, const QRect& available);
// The window's frame fitted to `available`, resizing the window only when it must.
void fitWindowToScreen(QWidget& window, const QRect& available);
// The window centred on `available`, then fitted to it.
void centerWindowOnScreen(QWidget& window, const QRect& available);
