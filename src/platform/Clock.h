#pragma once

#include "platform/Service.h"

#include <QElapsedTimer>

namespace platform {

// A monotonic millisecond clock.
class Clock {
public:
    virtual ~Clock() = default;
    virtual quint32 milliseconds() = 0;
};

class SteadyClock : public Clock {
public:
    SteadyClock() { m_timer.start(); }
    quint32 milliseconds() override;

private:
    QElapsedTimer m_timer;
};

// Test double: time moves only when the test says so.
class ManualClock : public Clock {
public:
    quint32 milliseconds() override { return m_now; }
    void set(quint32 now) { m_now = now; }
    void advance(quint32 elapsed) { m_now += elapsed; }

private:
    quint32 m_now = 0;
};

using ScopedClock = ScopedService<Clock>;
Clock& clock();

} // namespace platform

// Milliseconds since an arbitrary start; wraps around like a 32-bit counter, so take
// differences of two readings.
quint32 GetTickCount();
