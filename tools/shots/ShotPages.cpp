#include "ShotPages.h"

#include "launcher/frmMain.h"

std::vector<ShotPage> AllShotPages() {
    return {
        {QStringLiteral("frmMain"), [] { return static_cast<QWidget*>(new frmMain); }},
    };
}
