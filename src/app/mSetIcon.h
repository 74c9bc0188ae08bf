#pragma once

#include <QString>

class QWidget;

// Sets a window's icon from the program's icon resource of that name (":/icons/<name>.svg").
// With alsoOwner the top window of its parent chain and the application (whose icon the
// taskbar shows) get it too. A missing resource changes nothing.
void SetWindowIcon(QWidget* window, const QString& iconName, bool alsoOwner);
