#pragma once

#include "platform/ui/QtDialogs.h"

#include <QStringList>
#include <QTimer>

// The real message boxes, each prompt recorded; while it is installed a timer
// plays the operator, pressing the button with the given caption. A box
// without that button is one the test did not expect: any answer ends it, and
// its prompt shows in the test's failure.
class RealBoxes : public QtDialogs {
public:
    explicit RealBoxes(QString caption);

    QStringList prompts;
    int markupBoxes = 0;  // boxes that would read their text as markup

    int messageBox(const QString& prompt, int buttons, const QString& title) override;

private:
    void pressCaption();

    QString caption_;
    QTimer timer_;
};
