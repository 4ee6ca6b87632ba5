#pragma once

#include <functional>

// Something that must be done before the operator sees any box, for as long
// as this object lives: a long save registers here so that what it wrote is
// committed before a question or an error is shown. Actions run newest first.
class BeforeDialog {
public:
    explicit BeforeDialog(std::function<void()> action);
    ~BeforeDialog();
    BeforeDialog(const BeforeDialog&) = delete;
    BeforeDialog& operator=(const BeforeDialog&) = delete;

    // Called by MsgBox and InputBox before the box shows.
    static void runAll();

private:
    std::function<void()> action_;
};
