#include "app/Startup.h"
#include "launcher/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    InitializeApplication(app);
    auto* launcher = new frmMain;
    launcher->setAttribute(Qt::WA_DeleteOnClose);
    launcher->show();
    return app.exec();
}
