#pragma once

#include "platform/ui/QtDialogs.h"

#include <QObject>
#include <QQueue>
#include <QStringList>
#include <QTimer>

#include <functional>

class QAbstractButton;
class QMessageBox;
class QWidget;

// The real message boxes and modal windows of the program, played by an
// operator who works through the event loop: every few milliseconds the
// operator looks at the active modal window and takes the first step queued
// for it. A message box no step is waiting for, or without the button asked
// for, is ended with its last button, so that the test fails on its prompt
// instead of hanging. Install it as the Dialogs service for the test that
// needs it.
class OperadorReal : public QtDialogs {
public:
    OperadorReal();

    // The next message box: press the button with this caption.
    void pressInBox(const QString& caption);
    // The next modal window of type T (not a message box): act on it.
    template <typename T>
    void actIn(std::function<void(T&)> action)
    {
        steps_.enqueue([action = std::move(action)](QWidget& modal) {
            auto* window = qobject_cast<T*>(&modal);
            if (window) action(*window);
            return window != nullptr;
        });
    }
    // Steps still waiting for their window.
    qsizetype pending() const { return steps_.size(); }
    // Runs `action` as each message box is about to show.
    void onEachBox(std::function<void()> action) { eachBox_ = std::move(action); }
    // The prompts of the message boxes shown.
    const QStringList& prompts() const { return prompts_; }
    // Message boxes that would have read their text as markup.
    int markupBoxes() const { return markupBoxes_; }

    int messageBox(const QString& prompt, int buttons, const QString& title) override;

private:
    void look();
    void endUnexpected(QWidget& modal);
    void press(const QMessageBox& box, QAbstractButton& button);

    QTimer timer_;
    QQueue<std::function<bool(QWidget&)>> steps_;
    QStringList prompts_;
    std::function<void()> eachBox_;
    int markupBoxes_ = 0;
};
