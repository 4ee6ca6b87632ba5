#include "support/OperadorReal.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

namespace {
constexpr int kMirada = 5;  // milliseconds between looks
}

OperadorReal::OperadorReal()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
    timer_.start(kMirada);
}

void OperadorReal::pressInBox(const QString& caption)
{
    steps_.enqueue([this, caption](QWidget& modal) {
        auto* box = qobject_cast<QMessageBox*>(&modal);
        if (!box) return false;
        QAbstractButton* chosen = box->buttons().constLast();
        for (QAbstractButton* button : box->buttons()) {
            if (button->text() == caption) chosen = button;
        }
        press(*box, *chosen);
        return true;
    });
}

int OperadorReal::messageBox(const QString& prompt, int buttons, const QString& title)
{
    prompts_.append(prompt);
    if (eachBox_) eachBox_();
    return QtDialogs::messageBox(prompt, buttons, title);
}

void OperadorReal::look()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    // A window manager activates a window as it opens; the offscreen platform
    // has none, and keys reach only the active window.
    if (!modal->isActiveWindow()) return modal->activateWindow();
    if (steps_.isEmpty()) return endUnexpected(*modal);
    // Taken off the queue before it runs: a window that it opens is played
    // by the next step, from inside that window's own loop.
    std::function<bool(QWidget&)> step = steps_.dequeue();
    if (step(*modal)) return;
    steps_.prepend(std::move(step));
    endUnexpected(*modal);
}

void OperadorReal::endUnexpected(QWidget& modal)
{
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) press(*box, *box->buttons().constLast());
}

void OperadorReal::press(const QMessageBox& box, QAbstractButton& button)
{
    if (box.textFormat() != Qt::PlainText) ++markupBoxes_;
    button.click();
}
