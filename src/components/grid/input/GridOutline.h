#pragma once
// Expanding and collapsing tree rows and bands: the button of a row, a double click on it,
// the keys (keypad plus and minus; Right expands or steps into the first child, Left
// collapses or steps to the parent), and the program's RowExpanded. The user's toggles raise
// BeforeExpandRow first; a toggle of a row whose handler is still running (it may let
// pending input run) is ignored. The current cell never stays inside a collapsed subtree.

#include "core/GridInternal.h"

#include "input/GridCellActions.h"

#include <vector>

struct GridContext;

class GridOutline : public GridCellActions {
public:
    explicit GridOutline(const GridContext& context) : m_context(context) {}

    // Sets a row's state, as RowExpanded does; no events of its own.
    void setExpanded(int row, bool expanded);
    // A toggle by the user: BeforeExpandRow, then the new state.
    void userToggle(int row, bool expand);
    // A current cell folded away (by a new grouping) moves to the row that shows for it.
    void leaveFolds();

    // GridCellActions
    bool gridKey(QKeyEvent* e) override;
    bool cellPressed(int row, int col, const QPoint& pos) override;
    bool cellDoubleClicked(const CellDblClickArgs& args) override;

private:
    bool hasButton(int row) const;
    // Whether Left and Right act on the tree here rather than moving between columns.
    bool treeKeys(int row) const;
    void moveTo(int row);

    const GridContext& m_context;
    std::vector<const void*> m_toggling;  // rows whose BeforeExpandRow is running
    const void* m_pressToggled = nullptr; // the row the last press toggled with its button
};
