#include "platform/WebBrowser.h"

#include <QDesktopServices>
#include <QUrl>

namespace platform {

bool DesktopWebBrowser::open(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

WebBrowser& webBrowser() {
    static DesktopWebBrowser production;
    return current<WebBrowser>(production);
}

} // namespace platform

bool OpenWebAddress(const QString& address) {
    return platform::webBrowser().open(address);
}
