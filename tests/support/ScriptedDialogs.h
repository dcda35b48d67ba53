#pragma once
// A dialog service for tests: each expected box is queued with its answer; a box that
// was not expected, or one that differs from what was expected, fails the test.
#include "platform/Services.h"

#include <deque>

class ScriptedDialogs : public korv::DialogService {
public:
    struct Expected {
        bool input = false;
        QString text;     // the prompt must contain this
        QString title;    // when not empty, the title must equal this
        int buttons = -1; // when >= 0, the flags must equal this
        int answer = korv::Mb::Ok;
        QString inputAnswer;
    };
    struct Seen {
        bool input;
        QString prompt, title, defaultText;
        int buttons;
    };

    // Expects a message box whose prompt contains `text`; answers `answer`.
    Expected& expectMsg(const QString& text, int answer = korv::Mb::Ok);
    // Expects a critical "Error" box with an OK button whose prompt contains `text`.
    Expected& expectError(const QString& text);
    // Expects an input box whose prompt contains `prompt`; answers `answer`.
    Expected& expectInput(const QString& prompt, const QString& answer);

    int msgBox(const QString& prompt, int buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title,
                     const QString& defaultText) override;

    // Fails the current test when an expected box was not shown.
    void verifyDone();
    const std::deque<Seen>& seen() const { return seen_; }

private:
    std::deque<Expected> queue_;
    std::deque<Seen> seen_;
};
