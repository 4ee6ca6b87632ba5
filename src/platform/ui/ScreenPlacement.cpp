#include "platform/ui/ScreenPlacement.h"

#include <QWidget>

#include <algorithm>

QRect fitToScreen(QRect frame, const QRect& available)
{
    frame.setWidth(std::min(frame.width(), available.width()));
    frame.setHeight(std::min(frame.height(), available.height()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

void fitWindowToScreen(QWidget& window, const QRect& available)
{
    const QRect frame = window.frameGeometry();
    const QRect fitted = fitToScreen(frame, available);
    // The title bar and borders are outside the window's own size.
    const QSize decoration = frame.size() - window.size();
    if (fitted.size() != frame.size()) window.resize(fitted.size() - decoration);
    window.move(fitted.topLeft());
}

void centerWindowOnScreen(QWidget& window, const QRect& available)
{
    QRect frame = window.frameGeometry();
    frame.moveCenter(available.center());
    window.move(frame.topLeft());
    fitWindowToScreen(window, available);
}
