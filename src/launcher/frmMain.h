#pragma once

#include <QMainWindow>

// The Control Center: the launcher window that lists the sample windows.
class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
};
