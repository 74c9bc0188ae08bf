#include "platform/EscMonitor.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QPointer>

namespace {

// Input runs this often during a poll-heavy loop: the window repaints and Esc gets through,
// and a poll costs a clock read the rest of the time.
constexpr qint64 EventsEveryMs = 30;

} // namespace

EscMonitor& EscMonitor::instance() {
    static QPointer<EscMonitor> monitor; // goes with the application that owns it
    if (!monitor)
        monitor = new EscMonitor;
    return *monitor;
}

EscMonitor::EscMonitor() : QObject(QCoreApplication::instance()) {
    if (QCoreApplication* app = QCoreApplication::instance())
        app->installEventFilter(this);
    m_sinceEvents.start();
}

bool EscMonitor::pressedSinceLastPoll() {
    if (m_sinceEvents.elapsed() >= EventsEveryMs) {
        QCoreApplication::processEvents();
        m_sinceEvents.restart();
    }
    return std::exchange(m_pressed, false);
}

bool EscMonitor::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        m_pressed = true;
    return QObject::eventFilter(watched, event);
}
