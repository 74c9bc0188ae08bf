#pragma once

#include "platform/Service.h"

#include <QStringList>

namespace platform {

// Opens web addresses in the user's browser.
class WebBrowser {
public:
    virtual ~WebBrowser() = default;
    virtual bool open(const QString& address) = 0;
};

class DesktopWebBrowser : public WebBrowser {
public:
    bool open(const QString& address) override;
};

// Test double: remembers the addresses instead of opening them, and answers as a machine
// with or without a browser would.
class RecordingWebBrowser : public WebBrowser {
public:
    bool open(const QString& address) override {
        m_addresses.append(address);
        return m_hasBrowser;
    }
    const QStringList& addresses() const { return m_addresses; }
    void setHasBrowser(bool on) { m_hasBrowser = on; }

private:
    QStringList m_addresses;
    bool m_hasBrowser = true;
};

using ScopedWebBrowser = ScopedService<WebBrowser>;
WebBrowser& webBrowser();

} // namespace platform

// Opens a web address; false when nothing could open it.
bool OpenWebAddress(const QString& address);
