#pragma once
// Helpers for driving the Qt forms service in tests.

#include "qt/forms/qt_forms_service.h"
#include "ui/forms_service.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <vector>

namespace cal::qttest {

// Records every event; `reaction` answers it (0 when unset).
class RecordingSink final : public EventSink {
public:
    int handleEvent(const Event& event) override {
        events.push_back(event);
        return reaction ? reaction(event) : 0;
    }
    std::vector<Event> events;
    std::function<int(const Event&)> reaction;
};

inline bool sameEvent(const Event& a, const Event& b) {
    return a.form == b.form && a.control == b.control && a.kind == b.kind;
}

// Runs `act` on the modal window once one is up (a message box, a dialog).
inline void whenModal(std::function<void(QWidget&)> act) {
    auto* timer = new QTimer(qApp);
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(*modal);
    });
    timer->start();
}

// A key press where the user's keyboard would deliver it.
inline void pressKey(QWidget& window, int key) {
    QWidget* target = window.focusWidget() != nullptr ? window.focusWidget() : &window;
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &press);
}

// Lets Qt deliver what is pending, then runs the queued handlers.
inline void settle(qtui::QtFormsService& forms) {
    for (int round = 0; round < 5; ++round) {
        QCoreApplication::processEvents();
        while (forms.pendingEvents() > 0) forms.waitEvent();
    }
}

// Lets Qt deliver events until `done` holds or `ms` milliseconds have passed.
inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    QElapsedTimer clock;
    clock.start();
    while (!done()) {
        if (clock.elapsed() > ms) return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return true;
}

}  // namespace cal::qttest
