#pragma once
// Whether the user pressed Esc, for long work on the window's thread that polls it now and
// then: each poll lets the pending input run (at most every few tens of milliseconds, so a
// poll per folder of a big scan stays cheap), and reports an Esc pressed since the previous
// poll anywhere in the program.

#include <QElapsedTimer>
#include <QObject>

class EscMonitor : public QObject {
    Q_OBJECT
public:
    // The program's monitor (made on first use; it watches the application's key presses).
    static EscMonitor& instance();

    // True when Esc was pressed since the previous poll.
    bool pressedSinceLastPoll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    EscMonitor();

    QElapsedTimer m_sinceEvents;
    bool m_pressed = false;
};
