#include "app/Startup.h"

#include "app/Fonts.h"

#include <QApplication>
#include <QStyleFactory>

void InitializeApplication(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("Tessix Demonstrator"));
    QApplication::setOrganizationName(QStringLiteral("TessixDemonstrator"));
    QApplication::setApplicationVersion(QStringLiteral(TESSIX_VERSION));
    // One style everywhere, so windows look the same on every desktop and in screenshots.
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        app.setStyle(style);
    RegisterProgramFonts();
}
