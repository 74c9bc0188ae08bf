#include "app/Startup.h"
#include "app/mSetIcon.h"
#include "launcher/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    PrepareProcess();
    QApplication app(argc, argv);
    InitializeApplication(app);
    auto* launcher = new frmMain;
    launcher->setAttribute(Qt::WA_DeleteOnClose);
    SetWindowIcon(launcher, QStringLiteral("AppIcon"), true);
    launcher->show();
    return app.exec();
}
