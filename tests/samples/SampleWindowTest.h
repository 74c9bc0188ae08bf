#pragma once
// What the sample window tests share: the services a window may reach replaced for one test
// (settings in memory, message boxes and dialogs scripted), the window shown as the user sees it,
// and clicks on the grid's column headers.

#include "components/grid/TessixGrid.h"
#include "grid/GridTestAccess.h"
#include "platform/CommonDialogs.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

#include <QTest>

#include <memory>

struct IsolatedServices {
    platform::MemorySettingsStore settings;
    platform::ScopedSettingsStore settingsScope{settings};
    platform::ScriptedMessageBox boxes;
    platform::ScopedMessageBox boxesScope{boxes};
    platform::ScriptedCommonDialogs dialogs;
    platform::ScopedCommonDialogs dialogsScope{dialogs};
};

template <class Window> std::unique_ptr<Window> shownWindow() {
    auto window = std::make_unique<Window>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        qWarning("the window was not exposed");
    return window;
}

// The header item of a column, in the grid's viewport.
inline QRect headerItem(const TessixGrid& grid, const QString& key) {
    return viewportOf(grid).headerItemRect(grid.ColIndex(key));
}

// A click on a column's header: sorts by it, or adds it to the sort with Shift, Ctrl or Alt.
inline void clickHeader(TessixGrid& grid, const QString& key,
                        Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, modifiers, headerItem(grid, key).center());
}
