#pragma once

#include <QString>
#include <functional>
#include <vector>

class QWidget;

// One picture the screenshot tool writes: a file name and the window to render.
struct ShotPage {
    QString name;
    std::function<QWidget*()> make;
};

std::vector<ShotPage> AllShotPages();
