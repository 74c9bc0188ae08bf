#include "input/GridOutline.h"

#include "components/grid/GridEvents.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "core/GridSettings.h"
#include "input/GridCurrentCell.h"
#include "input/GridNavigation.h"
#include "input/GridSelection.h"
#include "model/GridStore.h"
#include "view/GridCellControls.h"
#include "view/GridTreeLook.h"

#include <QKeyEvent>
#include <algorithm>
#include <utility>

bool GridOutline::hasButton(int row) const {
    return m_context.store.RowTreeButton(row) == TreeButtonShown;
}

void GridOutline::setExpanded(int row, bool expanded) {
    GridStore& store = m_context.store;
    if (!store.SetRowExpanded(row, expanded) || expanded)
        return;
    // The current cell leaves the subtree it was in for the row that hid it.
    leaveFolds();
}

void GridOutline::leaveFolds() {
    const GridStore& store = m_context.store;
    int row = m_context.navigation.CurRow();
    if (row < 1 || !store.rowFolded(row))
        return;
    while (store.rowFolded(row))
        row = store.ParentRow(row);
    moveTo(row);
}

void GridOutline::userToggle(int row, bool expand) {
    GridStore& store = m_context.store;
    const void* id = store.rowId(row);
    if (!id || std::find(m_toggling.begin(), m_toggling.end(), id) != m_toggling.end())
        return; // its handler is still running (it let this click through)
    m_toggling.push_back(id);
    m_context.events.BeforeExpandRow(row, expand);
    m_toggling.erase(std::find(m_toggling.begin(), m_toggling.end(), id));
    // The handler may have added or removed rows: find the row again.
    if (store.rowId(row) != id) {
        row = 0;
        for (int r = 1; r <= store.RowCount() && row == 0; ++r)
            if (store.rowId(r) == id)
                row = r;
        if (row == 0)
            return;
    }
    setExpanded(row, expand);
}

void GridOutline::moveTo(int row) {
    const int col = m_context.navigation.CurCol();
    m_context.current.set(row, col > 0 ? col : 1);
}

bool GridOutline::treeKeys(int row) const {
    return m_context.store.RowIsGroup(row) || m_context.selection.RowMode() ||
           (m_context.options.treeCol > 0 &&
            m_context.navigation.CurCol() == m_context.options.treeCol);
}

bool GridOutline::gridKey(QKeyEvent* e) {
    const int row = m_context.navigation.CurRow();
    GridStore& store = m_context.store;
    if (row < 1 || (!store.hasTree() && !hasButton(row)))
        return false;
    const bool keypad = e->modifiers() & Qt::KeypadModifier;
    const bool expanded = store.RowExpanded(row);
    switch (e->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        if (!keypad || !hasButton(row))
            return false;
        if ((e->key() == Qt::Key_Plus) != expanded)
            userToggle(row, e->key() == Qt::Key_Plus);
        return true;
    case Qt::Key_Right:
        if (!treeKeys(row) || !hasButton(row))
            return false;
        if (!expanded)
            userToggle(row, true);
        else if (store.descendantCount(row) > 0)
            moveTo(row + 1);
        return true;
    case Qt::Key_Left:
        if (!treeKeys(row))
            return false;
        if (hasButton(row) && expanded && store.descendantCount(row) > 0)
            userToggle(row, false);
        else if (const int parent = store.ParentRow(row))
            moveTo(parent);
        else
            return false;
        return true;
    default:
        return false;
    }
}

bool GridOutline::cellPressed(int row, int col, const QPoint& pos) {
    m_pressToggled = nullptr;
    if (!hasButton(row) || !showsTree(m_context, row, col))
        return false;
    const CellStyle& look = m_context.store.CellLook(row, col);
    const QRect content =
        cellContentRect(look, m_context.viewport().cellRect(row, col), m_context.look.gridLines);
    if (!treeButtonRect(content, m_context.store.RowLevel(row)).contains(pos))
        return false;
    m_pressToggled = m_context.store.rowId(row);
    userToggle(row, !m_context.store.RowExpanded(row));
    return true;
}

bool GridOutline::cellDoubleClicked(const CellDblClickArgs& args) {
    // On a band, in the tree column, or anywhere in a grid that is not edited: the row
    // toggles. Elsewhere a double click edits.
    const bool here = m_context.store.RowIsGroup(args.row) || !m_context.options.editable ||
                      (m_context.options.treeCol > 0 && args.col == m_context.options.treeCol);
    if (std::exchange(m_pressToggled, nullptr) == m_context.store.rowId(args.row))
        return true; // the press of this double click was on the button and toggled it
    if (!args.doDefault || !hasButton(args.row) || !here)
        return false;
    userToggle(args.row, !m_context.store.RowExpanded(args.row));
    return true;
}
