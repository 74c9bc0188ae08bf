#pragma once

#include "platform/Service.h"

namespace platform {

// Closes whatever window the user is working in, as Alt+F4 would.
class WindowCloser {
public:
    virtual ~WindowCloser() = default;
    virtual void closeActiveWindow() = 0;
};

class QtWindowCloser : public WindowCloser {
public:
    void closeActiveWindow() override;
};

// Test double: counts the requests.
class RecordingWindowCloser : public WindowCloser {
public:
    void closeActiveWindow() override { ++m_count; }
    int count() const { return m_count; }

private:
    int m_count = 0;
};

using ScopedWindowCloser = ScopedService<WindowCloser>;
WindowCloser& windowCloser();

} // namespace platform

// Closes the active modal widget, or else the active window; nothing when there is none.
void CloseActiveWindow();
