#include "support/RealBoxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

RealBoxes::RealBoxes(QString caption) : caption_(std::move(caption))
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { pressCaption(); });
    timer_.start(5);
}

int RealBoxes::messageBox(const QString& prompt, int buttons, const QString& title)
{
    prompts.append(prompt);
    return QtDialogs::messageBox(prompt, buttons, title);
}

void RealBoxes::pressCaption()
{
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    if (box->textFormat() != Qt::PlainText) ++markupBoxes;
    QAbstractButton* chosen = box->buttons().constLast();
    for (QAbstractButton* button : box->buttons()) {
        if (button->text() == caption_) chosen = button;
    }
    chosen->click();
}
