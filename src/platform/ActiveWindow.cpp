#include "platform/ActiveWindow.h"

#include <QApplication>
#include <QWidget>

namespace platform {

void QtWindowCloser::closeActiveWindow() {
    QWidget* window = QApplication::activeModalWidget();
    if (!window)
        window = QApplication::activeWindow();
    if (window)
        window->close();
}

WindowCloser& windowCloser() {
    static QtWindowCloser production;
    return current<WindowCloser>(production);
}

} // namespace platform

void CloseActiveWindow() {
    platform::windowCloser().closeActiveWindow();
}
