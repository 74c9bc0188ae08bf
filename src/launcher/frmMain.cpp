#include "launcher/frmMain.h"

frmMain::frmMain(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Tessix Demonstrator Control Center"));
    resize(600, 520);
}
