#include "app/Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>

namespace {
const char* const WineFontFolder = "/usr/share/wine/fonts/";
}

void RegisterProgramFonts() {
    static bool done = false;
    if (done)
        return;
    done = true;
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = QString::fromLatin1(WineFontFolder) + QLatin1String(file);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}
