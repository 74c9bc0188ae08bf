#include "platform/Clock.h"

namespace platform {

quint32 SteadyClock::milliseconds() {
    return static_cast<quint32>(m_timer.elapsed());
}

Clock& clock() {
    static SteadyClock production;
    return current<Clock>(production);
}

} // namespace platform

quint32 GetTickCount() {
    return platform::clock().milliseconds();
}
