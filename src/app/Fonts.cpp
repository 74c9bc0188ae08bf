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
    // Only the regular face: the packaged bold face renders at normal weight with wide
    // spacing, while the emboldened regular face looks right.
    const QString path = QString::fromLatin1(WineFontFolder) + QStringLiteral("tahoma.ttf");
    if (QFile::exists(path))
        QFontDatabase::addApplicationFont(path);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Tahoma"));
    QFont::insertSubstitution(QStringLiteral("Arial Narrow"),
                              QStringLiteral("Liberation Sans Narrow"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}
