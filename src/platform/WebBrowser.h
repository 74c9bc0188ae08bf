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

// Test double: remembers the addresses instead of opening them.
class RecordingWebBrowser : public WebBrowser {
public:
    bool open(const QString& address) override {
        m_addresses.append(address);
        return true;
    }
    const QStringList& addresses() const { return m_addresses; }

private:
    QStringList m_addresses;
};

using ScopedWebBrowser = ScopedService<WebBrowser>;
WebBrowser& webBrowser();

} // namespace platform

// Opens a web address; false when nothing could open it.
bool OpenWebAddress(const QString& address);
