#pragma once
// Calls a function once per round of the event loop: a posted event that posts itself
// again each time it is delivered (events posted while the loop delivers wait for its
// next round).
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <functional>
#include <utility>

class EventRounds : public QObject {
public:
    explicit EventRounds(std::function<void()> f) : f_(std::move(f)) { repost(); }
    bool event(QEvent* e) override {
        if (e->type() != QEvent::User) return QObject::event(e);
        f_();
        repost();
        return true;
    }

private:
    void repost() { QCoreApplication::postEvent(this, new QEvent(QEvent::User)); }
    std::function<void()> f_;
};
