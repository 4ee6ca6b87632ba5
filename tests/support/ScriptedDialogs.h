#pragma once

#include "platform/ui/Dialogs.h"

#include <QQueue>
#include <QVector>

#include <functional>

// The dialogs service for tests: records every box and answers from queues.
// A box with no answer queued fails the test that showed it.
class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        QString prompt;
        int buttons = 0;
        QString title;
    };

    void answer(int result) { answers_.enqueue(result); }
    void answerInput(const QString& text) { inputs_.enqueue(text); }
    void answerOpenFile(const std::optional<QString>& path) { files_.enqueue(path); }
    // `handler` plays the operator in the next modal window and hides it.
    void onModal(std::function<void(QDialog&)> handler) { modals_.enqueue(std::move(handler)); }
    // `look` runs as each message box shows, before it is answered.
    void onEachBox(std::function<void()> look) { atEachBox_ = std::move(look); }

    const QVector<Box>& boxes() const { return boxes_; }
    // Answers queued but never asked for.
    qsizetype pending() const { return answers_.size() + inputs_.size() + files_.size() + modals_.size(); }

    int messageBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& initial) override;
    std::optional<QString> openFile(const QString& title, const QString& filter) override;
    void showModal(QDialog& window) override;

private:
    QVector<Box> boxes_;
    QQueue<int> answers_;
    QQueue<QString> inputs_;
    QQueue<std::optional<QString>> files_;
    QQueue<std::function<void(QDialog&)>> modals_;
    std::function<void()> atEachBox_;
};
