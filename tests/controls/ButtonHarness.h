#pragma once
// A shown window holding one button, a scripted pointer and a log of the button's events.
#include "controls/VistaButton.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringList>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

class ButtonHarness : public ::testing::Test {
protected:
    void SetUp() override {
        pointer = QPoint(150, 80);
        events.clear();
        window = std::make_unique<QWidget>();
        window->resize(200, 100);
        button = new korv::VistaButton(window.get());
        button->setGeometry(10, 10, 75, 23);
        button->cursorPosition = [this] { return window->mapToGlobal(pointer); };
        // Something else holds the focus; the tests move it themselves.
        auto* other = new QWidget(window.get());
        other->setGeometry(150, 10, 20, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        other->setFocus();
        window->show();
        QCoreApplication::processEvents();
        auto log = [this](const QString& s) { events.append(s); };
        using B = korv::VistaButton;
        QObject::connect(button, &B::Click, [log] { log("Click"); });
        QObject::connect(button, &B::MouseIn, [log] { log("MouseIn"); });
        QObject::connect(button, &B::MouseOut, [log] { log("MouseOut"); });
        QObject::connect(button, &B::KeyDown,
                         [log](int k, int) { log(QString("KeyDown %1").arg(k)); });
        QObject::connect(button, &B::KeyPress,
                         [log](int k) { log(QString("KeyPress %1").arg(k)); });
        QObject::connect(button, &B::KeyUp, [log](int k, int) { log(QString("KeyUp %1").arg(k)); });
        auto mouse = [log](const char* name) {
            return [log, name](int b, int s, double x, double y) {
                log(QString("%1 %2 %3 %4 %5").arg(name).arg(b).arg(s).arg(x).arg(y));
            };
        };
        QObject::connect(button, &B::MouseDown, mouse("MouseDown"));
        QObject::connect(button, &B::MouseMove, mouse("MouseMove"));
        QObject::connect(button, &B::MouseUp, mouse("MouseUp"));
    }

    // The pointer at a position in the button's pixels (it moves there for the tests
    // that ask where the pointer is, too).
    void pointAt(int x, int y) { pointer = QPoint(10 + x, 10 + y); }

    void mouse(QEvent::Type type, int x, int y, Qt::MouseButton b, Qt::MouseButtons held) {
        pointAt(x, y);
        const QPointF local(x, y);
        QMouseEvent e(type, local, local, button->mapToGlobal(local), b, held, Qt::NoModifier);
        QCoreApplication::sendEvent(button, &e);
    }
    void move(int x, int y, Qt::MouseButtons held = Qt::NoButton) {
        mouse(QEvent::MouseMove, x, y, Qt::NoButton, held);
    }
    void press(int x, int y) {
        mouse(QEvent::MouseButtonPress, x, y, Qt::LeftButton, Qt::LeftButton);
    }
    void release(int x, int y) {
        mouse(QEvent::MouseButtonRelease, x, y, Qt::LeftButton, Qt::NoButton);
    }
    void key(QEvent::Type type, bool repeat = false) {
        QKeyEvent e(type, Qt::Key_Space, Qt::NoModifier, " ", repeat);
        QCoreApplication::sendEvent(button, &e);
    }
    void focus(QEvent::Type type) {
        QFocusEvent e(type, Qt::TabFocusReason);
        QCoreApplication::sendEvent(button, &e);
    }
    void leave() {
        QEvent e(QEvent::Leave);
        QCoreApplication::sendEvent(button, &e);
    }
    // Lets the hover timer tick a few times. Events are handled once more after `ms`
    // have passed, so that a tick due by then runs even when a loaded machine kept this
    // process waiting until after the end.
    static void wait(int ms = 60) {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < ms)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    QStringList take() {
        QStringList e = events;
        events.clear();
        return e;
    }

    std::unique_ptr<QWidget> window;
    korv::VistaButton* button = nullptr;
    QPoint pointer{150, 80}; // away from the button
    QStringList events;
};
