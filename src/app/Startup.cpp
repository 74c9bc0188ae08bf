#include "app/Startup.h"

#include "app/Fonts.h"
#include "app/Global.h"
#include "app/mSetIcon.h"
#include "launcher/frmTip.h"
#include "platform/DesktopStyle.h"

#include <QApplication>

// Resources of static libraries are only linked when something names them.
static void initResources() {
    Q_INIT_RESOURCE(launcher);
    Q_INIT_RESOURCE(full);
    Q_INIT_RESOURCE(customdraw);
}

void InitializeApplication(QApplication& app) {
    initResources();
    QApplication::setApplicationName(QStringLiteral("Tessix Demonstrator"));
    QApplication::setOrganizationName(QStringLiteral("TessixDemonstrator"));
    QApplication::setApplicationVersion(QStringLiteral(TESSIX_VERSION));
    // One style everywhere, so windows look the same on every desktop and in screenshots.
    app.setStyle(new DesktopStyle);
    RegisterProgramFonts();
    SetTipOfTheDayHandler([](QWidget* form) {
        frmTip& tip = frmTip::Instance();
        tip.Exec(form);
        SetWindowIcon(&tip, QStringLiteral("AppIcon"), false);
    });
}
