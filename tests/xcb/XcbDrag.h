#pragma once
// What the real drag tests share: the pointer driven by xdotool as a hand drives it, and the
// second program (tessix-dnd-peer) started beside the one under test.

#include <QElapsedTimer>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>
#include <QTest>

// A drag with the left button from one screen point to another, in small steps: a first
// one still over the pressed cell, as a hand starts a drag, then eight to the target.
inline QStringList dragCommand(QPoint from, QPoint to) {
    QStringList cmd;
    const auto moveTo = [&cmd](QPoint p, const char* pause) {
        cmd << "mousemove" << QString::number(p.x()) << QString::number(p.y()) << "sleep" << pause;
    };
    moveTo(from, "0.3");
    cmd << "mousedown"
        << "1"
        << "sleep"
        << "0.2";
    moveTo(from + QPoint(8, 4), "0.2");
    for (int i = 1; i <= 8; ++i)
        moveTo(from + (to - from) * i / 8, "0.1");
    moveTo(to + QPoint(2, 0), "0.3");
    cmd << "mouseup"
        << "1";
    return cmd;
}

// The second program, started and shown.
struct Peer {
    QProcess process;
    QString out;

    bool start(const QStringList& args) {
        process.start(QString(TESSIX_DND_PEER), args);
        if (!process.waitForStarted())
            return false;
        return waitFor("ready");
    }
    bool waitFor(const QString& line) {
        QElapsedTimer timer;
        timer.start();
        while (!out.contains(line + '\n') && timer.elapsed() < 10000) {
            QTest::qWait(50);
            out += QString::fromUtf8(process.readAllStandardOutput());
        }
        return out.contains(line + '\n');
    }
    ~Peer() {
        if (!process.waitForFinished(3000))
            process.kill();
        process.waitForFinished();
    }
};

// The pointer of the X server: one drag at a time, run by xdotool beside the test's own
// event loop (the drag is served by it).
struct Pointer {
    QProcess process;

    static bool available() { return !QStandardPaths::findExecutable("xdotool").isEmpty(); }
    bool drag(QPoint from, QPoint to) {
        process.start("xdotool", dragCommand(from, to));
        return process.waitForStarted();
    }
    // Waits for the drag's end; false when xdotool failed or hung.
    bool done() {
        QElapsedTimer timer;
        timer.start();
        while (process.state() != QProcess::NotRunning && timer.elapsed() < 15000)
            QTest::qWait(50);
        return process.state() == QProcess::NotRunning && process.exitCode() == 0;
    }
};
