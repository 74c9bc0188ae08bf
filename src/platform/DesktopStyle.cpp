#include "platform/DesktopStyle.h"

#include <QIcon>
#include <QStyleFactory>

// Resources of static libraries are only linked when something names them.
static void initPlatformResources() {
    Q_INIT_RESOURCE(platform);
}

namespace {

struct MessageIcon {
    QStyle::StandardPixmap pixmap;
    const char* themeName;
    const char* resource;
};

constexpr MessageIcon MessageIcons[] = {
    {QStyle::SP_MessageBoxQuestion, "dialog-question", ":/platform/icons/MessageQuestion.svg"},
    {QStyle::SP_MessageBoxInformation, "dialog-information",
     ":/platform/icons/MessageInformation.svg"},
    {QStyle::SP_MessageBoxWarning, "dialog-warning", ":/platform/icons/MessageWarning.svg"},
    {QStyle::SP_MessageBoxCritical, "dialog-error", ":/platform/icons/MessageError.svg"},
};

} // namespace

DesktopStyle::DesktopStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {
    initPlatformResources();
}

int DesktopStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                            QStyleHintReturn* returnData) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
}

QIcon DesktopStyle::standardIcon(StandardPixmap standardIcon, const QStyleOption* option,
                                 const QWidget* widget) const {
    for (const MessageIcon& icon : MessageIcons) {
        if (icon.pixmap != standardIcon)
            continue;
        const QString themeName = QString::fromLatin1(icon.themeName);
        if (QIcon::hasThemeIcon(themeName))
            return QIcon::fromTheme(themeName);
        return QIcon(QString::fromLatin1(icon.resource));
    }
    return QProxyStyle::standardIcon(standardIcon, option, widget);
}
