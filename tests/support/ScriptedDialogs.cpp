#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

ScriptedDialogs::Expected& ScriptedDialogs::expectMsg(const QString& text, int answer) {
    Expected e;
    e.text = text;
    e.answer = answer;
    queue_.push_back(e);
    return queue_.back();
}

ScriptedDialogs::Expected& ScriptedDialogs::expectError(const QString& text) {
    Expected& e = expectMsg(text);
    e.title = "Error";
    e.buttons = korv::Mb::OkOnly | korv::Mb::Critical;
    return e;
}

ScriptedDialogs::Expected& ScriptedDialogs::expectInput(const QString& prompt,
                                                        const QString& answer) {
    Expected e;
    e.input = true;
    e.text = prompt;
    e.inputAnswer = answer;
    queue_.push_back(e);
    return queue_.back();
}

int ScriptedDialogs::msgBox(const QString& prompt, int buttons, const QString& title) {
    const QString shownTitle = title.isEmpty() ? korv::kProgramTitle : title;
    seen_.push_back({false, prompt, shownTitle, QString(), buttons});
    if (queue_.empty() || queue_.front().input) {
        ADD_FAILURE() << "unexpected message box: " << prompt.toStdString();
        return korv::Mb::Ok;
    }
    const Expected e = queue_.front();
    queue_.pop_front();
    EXPECT_TRUE(prompt.contains(e.text)) << "box said \"" << prompt.toStdString()
                                         << "\", expected \"" << e.text.toStdString() << "\"";
    if (!e.title.isNull()) {
        EXPECT_EQ(shownTitle.toStdString(), e.title.toStdString());
    }
    if (e.buttons >= 0) {
        EXPECT_EQ(buttons, e.buttons) << prompt.toStdString();
    }
    return e.answer;
}

QString ScriptedDialogs::inputBox(const QString& prompt, const QString& title,
                                  const QString& defaultText) {
    seen_.push_back({true, prompt, title, defaultText, 0});
    if (queue_.empty() || !queue_.front().input) {
        ADD_FAILURE() << "unexpected input box: " << prompt.toStdString();
        return QString();
    }
    const Expected e = queue_.front();
    queue_.pop_front();
    EXPECT_TRUE(prompt.contains(e.text)) << "input box said \"" << prompt.toStdString() << "\"";
    if (!e.title.isNull()) {
        EXPECT_EQ(title.toStdString(), e.title.toStdString());
    }
    return e.inputAnswer;
}

void ScriptedDialogs::verifyDone() {
    for (const Expected& e : queue_)
        ADD_FAILURE() << "expected " << (e.input ? "input" : "message")
                      << " box was not shown: " << e.text.toStdString();
    queue_.clear();
}
