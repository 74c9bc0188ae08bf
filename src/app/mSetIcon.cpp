#include "app/mSetIcon.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QWidget>

// The icons live in a static library; registering them here pulls them into every program
// that sets an icon.
static void registerIconResources() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(app);
        return true;
    }();
    Q_UNUSED(registered)
}

void SetWindowIcon(QWidget* window, const QString& iconName, bool alsoOwner) {
    registerIconResources();
    const QString path = QStringLiteral(":/icons/%1.svg").arg(iconName);
    if (!window || !QFile::exists(path))
        return;
    const QIcon icon(path);
    window->setWindowIcon(icon);
    if (!alsoOwner)
        return;
    QWidget* owner = window;
    while (owner->parentWidget())
        owner = owner->parentWidget();
    owner->setWindowIcon(icon);
    QApplication::setWindowIcon(icon);
}
