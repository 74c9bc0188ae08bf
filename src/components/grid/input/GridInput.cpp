// Mouse and keyboard handling.
//
// Sections, in file order:
//   Construction                                  the Tab filter, tooltips
//   Rows that move                                the current cell and anchor follow rows
//   Mouse: presses, moves, releases, the wheel    gestures, CellMouseDown/Up, CellClick
//   The pointer: hot cell, hot column, cursor     CellMouseEnter/Leave, ColMouseEnter/Leave
//   The header: resizing, moving, sorting         dividers, drop positions, header sorts
//   Keyboard                                      KeyDown, navigation keys, KeyPress
//   Tooltips                                      RequestCellToolTip, RequestColHeaderToolTip
//
// Call flow of a click on a cell:
//   GridPrivate::mousePress -> mousePress -> CellMouseDown -> GridCurrentCell::moveTo
//     -> GridSelection (selection events) -> GridNavigation::SetCurCell (current-cell events)
//   mouseRelease -> CellMouseUp -> CellClick -> GridCellActions::cellClicked (the editor)

#include "input/GridInput.h"

#include "components/grid/GridHeader.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "core/GridSettings.h"
#include "input/GridCellActions.h"
#include "input/GridCurrentCell.h"
#include "input/GridKeyCodes.h"
#include "input/GridNavigation.h"
#include "input/GridSelection.h"
#include "model/GridSort.h"
#include "model/GridStore.h"
#include "view/GridFrozenColumns.h"
#include "view/GridGeometry.h"
#include "view/GridHeaderView.h"
#include "view/GridScrollBars.h"
#include "view/GridSizing.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace {

using Select = GridCurrentCell::Select;

std::optional<GridMove> moveForKey(int key, Qt::KeyboardModifiers mods) {
    const bool ctrl = mods & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Up:
        return GridMove::Up;
    case Qt::Key_Down:
        return GridMove::Down;
    case Qt::Key_Left:
        return GridMove::Left;
    case Qt::Key_Right:
        return GridMove::Right;
    case Qt::Key_PageUp:
        return GridMove::PageUp;
    case Qt::Key_PageDown:
        return GridMove::PageDown;
    case Qt::Key_Home:
        return ctrl ? GridMove::FirstRow : GridMove::RowStart;
    case Qt::Key_End:
        return ctrl ? GridMove::LastRow : GridMove::RowEnd;
    case Qt::Key_Tab:
        return (mods & Qt::ShiftModifier) ? GridMove::PrevCell : GridMove::NextCell;
    case Qt::Key_Backtab:
        return GridMove::PrevCell;
    default:
        return std::nullopt;
    }
}

// How a key's move reports the scrolls it causes: (vertical, horizontal) reasons.
std::pair<int, int> scrollReasons(GridMove move) {
    switch (move) {
    case GridMove::Up:
        return {ScrollLineUpOrLeft, ScrollThumbPosition};
    case GridMove::Down:
        return {ScrollLineDownOrRight, ScrollThumbPosition};
    case GridMove::Left:
        return {ScrollThumbPosition, ScrollLineUpOrLeft};
    case GridMove::Right:
        return {ScrollThumbPosition, ScrollLineDownOrRight};
    case GridMove::PageUp:
        return {ScrollPageUpOrLeft, ScrollThumbPosition};
    case GridMove::PageDown:
        return {ScrollPageDownOrRight, ScrollThumbPosition};
    default: // jumps: Home, End, Tab
        return {ScrollThumbPosition, ScrollThumbPosition};
    }
}

} // namespace

// ----- Construction -----

GridInput::GridInput(const GridContext& context)
    : m_context(context),
      m_toolTips(context.area.viewport(), [this](const QPoint& pos) { return toolTipAt(pos); }) {
    // Tab must reach the grid before the widget turns it into a focus change.
    context.area.installEventFilter(this);
}

GridInput::~GridInput() {
    m_context.area.removeEventFilter(this);
}

// ----- Rows that move -----

void GridInput::storeChanged(const GridChange& change) {
    GridCellPos anchor = m_context.selection.anchor();
    switch (change.kind) {
    case GridChange::RowsReordered: {
        const std::vector<int>& newToOld = *change.permutation;
        const int curRow = m_context.navigation.CurRow();
        int cur = 0;
        int anc = 0;
        for (size_t i = 0; i < newToOld.size(); ++i) {
            const int old = newToOld[i] + 1; // 0 for a new row (a band): no row follows it
            if (old == 0)
                continue;
            if (old == curRow)
                cur = int(i) + 1;
            if (old == anchor.row)
                anc = int(i) + 1;
        }
        m_context.navigation.followRow(cur);
        m_context.selection.followAnchorRow(anc);
        break;
    }
    case GridChange::RowsInserted:
        m_context.navigation.rowsInserted(change.row, change.count);
        m_context.selection.followAnchorRow(anchor.row >= change.row ? anchor.row + change.count
                                                                     : anchor.row);
        break;
    case GridChange::RowsRemoved:
        m_context.navigation.rowsRemoved(change.row, change.count);
        if (anchor.row >= change.row + change.count)
            anchor.row -= change.count;
        else if (anchor.row >= change.row)
            anchor.row = 0;
        m_context.selection.followAnchorRow(anchor.row);
        break;
    case GridChange::RowsReset:
        m_context.navigation.followRow(0);
        m_context.selection.followAnchorRow(0);
        break;
    case GridChange::Columns:
        m_context.navigation.columnsChanged();
        m_context.selection.setAnchor(anchor);
        break;
    default:
        return;
    }
    m_hotCell = {};
    m_context.repaint();
}

// ----- Mouse: presses, moves, releases, the wheel -----

GridCellPos GridInput::clickCell(int row, int col) const {
    if (col != RowTextColIndex && (col != 0 || !m_context.selection.RowMode()))
        return {row, col};
    // A group row, a row-text area or (in row mode) the space beyond the last column: the
    // row with the current column, or its first shown column.
    const QList<int> cols = m_context.selection.space().shownColumns();
    if (cols.isEmpty())
        return {row, 0};
    return {row, cols.contains(m_context.navigation.CurCol()) ? m_context.navigation.CurCol()
                                                              : cols.first()};
}

std::pair<int, int> GridInput::hitAt(const QPoint& pos) const {
    const auto hit = m_context.viewport().cellAt(pos);
    // Outside the rows the column under the pointer still counts (0 beyond the last one).
    return hit.first == 0 ? std::pair{0, m_context.viewport().colAt(pos.x())} : hit;
}

bool GridInput::mousePress(QMouseEvent* e) {
    m_toolTips.hideTip();
    const QPoint pos = e->position().toPoint();
    const auto [row, col] = hitAt(pos);
    const bool inHeader = m_context.viewport().inHeader(pos);
    endGesture();
    m_pressPos = pos;
    m_pressCell = {inHeader ? 0 : row, col};
    m_pressCtrl = e->modifiers() & Qt::ControlModifier;

    CellMouseArgs args{buttonCode(e->button()),
                       shiftState(e->modifiers()),
                       pos.x(),
                       pos.y(),
                       m_pressCell.row,
                       col};
    m_context.events.CellMouseDown(args);

    if (inHeader) {
        if (e->button() != Qt::LeftButton)
            return true;
        if (const int divider = dividerAt(pos)) {
            m_gesture = Gesture::Resize;
            m_pressCol = divider;
            if (divider == m_context.options.stretchCol)
                m_context.sizing.stretchCol(0); // the user's width wins over the stretch
            m_pressWidth = m_context.store.ColObject(divider)->Width();
            m_resized = false;
        } else if (col > 0) {
            m_gesture = Gesture::Header;
            m_pressCol = col;
            if (m_context.header.Buttons())
                m_context.headerView.setPressedCol(col);
        }
        return true;
    }
    // A handler may have removed rows or refused the default.
    if (!args.doDefault || row <= 0 || row > m_context.store.RowCount())
        return true;
    if (e->button() == Qt::LeftButton)
        for (GridCellActions* actions : m_actions)
            if (actions->cellPressed(row, col, pos))
                return true; // a tree button: the row toggles, the selection stays
    const GridCellPos cell = clickCell(row, col);
    if (cell.col == 0)
        return true;
    if (m_context.area.focusPolicy() & Qt::ClickFocus)
        m_context.area.setFocus(Qt::MouseFocusReason);

    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (e->button() != Qt::LeftButton) {
        // The other buttons keep a selection they press on (for its context menu).
        m_context.current.moveTo(cell, m_context.selection.isShownSelected(cell.row, cell.col)
                                           ? Select::Keep
                                           : Select::Only);
        return true;
    }
    m_gesture = Gesture::Cells;
    if (shift) {
        m_context.current.moveTo(cell, m_pressCtrl ? Select::ExtendAdd : Select::Extend);
    } else if (m_pressCtrl) {
        m_context.current.moveTo(cell, Select::Toggle);
    } else if (m_context.selection.MultiSelect() &&
               m_context.selection.isShownSelected(cell.row, cell.col)) {
        // Moving on now starts dragging the selection; a plain click selects only this item.
        m_gesture = Gesture::SelectedCell;
        m_context.current.moveTo(cell, Select::Keep);
    } else {
        m_context.current.moveTo(cell, Select::Only);
    }
    return true;
}

bool GridInput::mouseMove(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const bool dragged = (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance();
    switch (m_gesture) {
    case Gesture::Resize:
        if (GridColumn* column = m_context.store.ColObject(m_pressCol))
            column->SetWidth(std::max(0, m_pressWidth + pos.x() - m_pressPos.x()));
        m_resized = true;
        break;
    case Gesture::Header:
        if (dragged && m_context.header.DragColumns()) {
            BeforeColDragArgs args{m_pressCol, false, m_context.frozen.lastInArea(m_pressCol)};
            m_context.events.BeforeColDrag(args);
            // A handler that showed a box may have taken the button release.
            if (args.cancel || !(QGuiApplication::mouseButtons() & Qt::LeftButton))
                endGesture();
            else
                m_gesture = Gesture::ColumnDrag;
        }
        break;
    case Gesture::SelectedCell:
        if (dragged) {
            m_gesture = Gesture::None;
            m_context.events.StartDrag();
        }
        break;
    case Gesture::Cells:
        if (e->buttons() & Qt::LeftButton) {
            // The cell under the pointer, clamped to the rows while the pointer is outside.
            const QRect area = m_context.viewport().rowsArea();
            const QPoint in(std::clamp(pos.x(), 0, std::max(0, area.right())),
                            std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom())));
            auto [row, col] = m_context.viewport().cellAt(in);
            const QList<int> cols = m_context.selection.space().shownColumns();
            if (row == 0)
                row = m_context.navigation.shownRowFrom(m_context.store.RowCount(), -1);
            if (col == 0 && !cols.isEmpty())
                col = cols.last();
            const GridCellPos cell = clickCell(row, col);
            if (cell.row > 0 && cell.col != 0 && !(cell == m_context.navigation.current()))
                m_context.current.moveTo(cell, m_pressCtrl ? Select::ExtendAdd : Select::Extend);
        }
        break;
    case Gesture::ColumnDrag:
    case Gesture::None:
        break;
    }
    trackPointer(pos, buttonCode(e->buttons()), shiftState(e->modifiers()));
    return true;
}

bool GridInput::mouseRelease(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const bool inHeader = m_context.viewport().inHeader(pos);
    auto [row, col] = hitAt(pos);
    if (inHeader)
        row = 0;
    const Gesture gesture = m_gesture;
    const int pressCol = m_pressCol;
    const GridCellPos pressCell = m_pressCell;
    endGesture();

    switch (gesture) {
    case Gesture::Resize:
        if (m_resized)
            m_context.events.AfterColResize();
        break;
    case Gesture::Header:
        if (inHeader && col == pressCol) {
            ColHeaderClickArgs args{pressCol, true, MouseLeft, shiftState(e->modifiers())};
            m_context.events.ColHeaderClick(args);
            if (args.doDefault && m_context.options.sortOnHeaderClick)
                sortByHeader(pressCol, e->modifiers());
        }
        break;
    case Gesture::ColumnDrag:
        if (const auto drop = m_context.frozen.dropAt(pressCol, pos.x())) {
            ColHeaderDragOverArgs args{pressCol, drop->newPos, false, drop->crossesBoundary};
            m_context.events.ColHeaderDragOver(args);
            // A handler that showed a box may have changed the columns meanwhile.
            if (!args.cancel && m_context.store.SetColPos(pressCol, drop->newPos)) {
                if (drop->crossesBoundary)
                    m_context.store.SetFrozenCols(drop->frozenCols);
                m_context.events.AfterColMove();
            }
        }
        break;
    case Gesture::SelectedCell:
        m_context.selection.selectOnly(m_context.navigation.current());
        break;
    case Gesture::Cells:
    case Gesture::None:
        break;
    }

    CellMouseArgs args{
        buttonCode(e->button()), shiftState(e->modifiers()), pos.x(), pos.y(), row, col};
    m_context.events.CellMouseUp(args);
    if (!args.doDefault)
        return true; // no click for the grid to act on
    const bool onCell = (gesture == Gesture::Cells || gesture == Gesture::SelectedCell);
    if (onCell && e->button() == Qt::LeftButton && row > 0 && pressCell == GridCellPos{row, col}) {
        m_context.events.CellClick(row, col);
        for (GridCellActions* actions : m_actions)
            actions->cellClicked(row, col, pos); // check boxes, combo buttons, editing
    }
    return true;
}

bool GridInput::mouseDoubleClick(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (m_context.viewport().inHeader(pos) && e->button() == Qt::LeftButton) {
        if (const int divider = dividerAt(pos)) {
            m_context.sizing.autoWidthCol(divider);
            m_context.events.AfterColResize();
            return true;
        }
    }
    // The second press of a double click acts as a press (a header sorts again).
    mousePress(e);
    const auto [row, col] = hitAt(pos);
    if (!m_context.viewport().inHeader(pos) && row > 0 && col != 0 &&
        e->button() == Qt::LeftButton) {
        CellDblClickArgs args{row, col, true};
        m_context.events.CellDblClick(args);
        for (GridCellActions* actions : m_actions)
            if (actions->cellDoubleClicked(args))
                break;
    }
    return true;
}

bool GridInput::wheel(QWheelEvent* e) {
    if (e->angleDelta().y() == 0)
        return false;
    m_toolTips.hideTip();
    const int delta = e->angleDelta().y() + m_wheelRemainder;
    const int steps = delta / 120;
    m_wheelRemainder = delta % 120;
    if (steps == 0)
        return true;
    // Whole rows: the wheel moves the top row by that many shown rows.
    const GridGeometry& geo = m_context.geometry;
    int top = m_context.viewport().topRow();
    if (top == 0)
        return true;
    const int direction = steps > 0 ? -1 : 1;
    for (int n = std::abs(steps) * QApplication::wheelScrollLines(); n > 0; --n) {
        const int next = m_context.navigation.shownRowFrom(top + direction, direction);
        if (next == 0 || next == top)
            break;
        top = next;
    }
    GridScrollBars::UserScroll scroll(
        m_context.scrollBars, steps > 0 ? ScrollLineUpOrLeft : ScrollLineDownOrRight, -1, true);
    m_context.scrollBars.scrollTo(ScrollBarVertical, geo.rowTop(top));
    return true;
}

// ----- The pointer: hot cell, hot column, cursor -----

void GridInput::trackPointer(const QPoint& pos, int buttons, int shift) {
    m_pointer = pos;
    const bool inHeader = m_context.viewport().inHeader(pos);
    const bool idle = m_gesture == Gesture::None;
    if (m_gesture == Gesture::Resize || (inHeader && idle && dividerAt(pos)))
        m_context.area.viewport()->setCursor(Qt::SplitHCursor);
    else
        m_context.area.viewport()->unsetCursor();

    updateHotSpots(pos);
    const auto [row, col] = hitAt(pos);
    CellMouseArgs args{buttons, shift, pos.x(), pos.y(), inHeader ? 0 : row, col};
    m_context.events.CellMouseMove(args);
}

void GridInput::updateHotSpots(const QPoint& pos) {
    const bool inHeader = m_context.viewport().inHeader(pos);
    const auto [row, col] = hitAt(pos);
    const bool hot = inHeader && m_gesture == Gesture::None && m_context.header.HotTracking();
    m_context.headerView.setHotCol(hot ? col : 0);
    setHotColumn(m_context.viewport().colAt(pos.x()));
    setHotCell(inHeader ? 0 : row, inHeader ? 0 : col);
}

void GridInput::layoutChanged() {
    if (!m_pointer || m_hotRefreshQueued)
        return;
    m_hotRefreshQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_hotRefreshQueued = false;
        if (m_pointer)
            updateHotSpots(*m_pointer);
    });
}

void GridInput::setHotCell(int row, int col) {
    const GridCellPos next = (row > 0 && col != 0) ? GridCellPos{row, col} : GridCellPos{};
    if (next == m_hotCell)
        return;
    const GridCellPos prev = m_hotCell;
    m_hotCell = next;
    if (prev.row > 0)
        m_context.events.CellMouseLeave(prev.row, prev.col);
    if (next.row > 0 && m_hotCell == next)
        m_context.events.CellMouseEnter(next.row, next.col);
}

void GridInput::setHotColumn(int col) {
    if (col == m_hotColumn)
        return;
    const int prev = m_hotColumn;
    m_hotColumn = col;
    if (prev >= 0)
        m_context.events.ColMouseLeave(prev);
    if (col >= 0 && m_hotColumn == col)
        m_context.events.ColMouseEnter(col);
}

void GridInput::pointerLeft() {
    m_pointer.reset();
    m_toolTips.hideTip();
    m_context.headerView.setHotCol(0);
    setHotCell(0, 0);
    setHotColumn(-1);
}

// ----- The header: resizing, moving, sorting -----

int GridInput::dividerAt(const QPoint& pos) const {
    if (!m_context.viewport().inHeader(pos))
        return 0;
    // The edge between the column left of the pointer and the one right of it.
    constexpr int grip = 4;
    const int left = m_context.viewport().colAt(pos.x() - grip);
    const int right = m_context.viewport().colAt(pos.x() + grip);
    if (left <= 0 || left == right || pos.x() < grip)
        return 0;
    const GridColumn* column = m_context.store.ColObject(left);
    return column && column->AllowSizing() ? left : 0;
}

void GridInput::sortByHeader(int col, Qt::KeyboardModifiers mods) {
    const GridColumn* column = m_context.store.ColObject(col);
    if (!column)
        return;
    std::vector<SortKey> keys = m_context.sort.keys();
    auto it =
        std::find_if(keys.begin(), keys.end(), [col](const SortKey& k) { return k.col == col; });
    const bool adding = mods & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    if (adding) {
        // A further key; clicking a column already in the sort reverses it in place.
        if (it != keys.end())
            it->order = it->order == SortAscending ? SortDescending : SortAscending;
        else
            keys.push_back({col, column->DefaultSortOrder(), column->SortType()});
    } else {
        // Sorting by this column alone: the default order first, reversed on the next click.
        int order = column->DefaultSortOrder();
        if (keys.size() == 1 && it != keys.end())
            order = it->order == SortAscending ? SortDescending : SortAscending;
        keys = {{col, order, column->SortType()}};
    }
    m_context.sort.setKeys(keys);
    m_context.sort.Sort();
}

void GridInput::endGesture() {
    m_gesture = Gesture::None;
    m_context.headerView.setPressedCol(0);
    m_context.area.viewport()->unsetCursor();
}

// ----- Keyboard -----

bool GridInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_context.area && event->type() == QEvent::KeyPress &&
        m_context.options.tabMovesCurCell) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            m_context.area.isEnabled()) {
            keyPress(key);
            return true; // the grid keeps the focus, also at its last cell
        }
    }
    return QObject::eventFilter(watched, event);
}

bool GridInput::keyPress(QKeyEvent* e) {
    if (!m_context.area.isEnabled())
        return false;
    m_toolTips.hideTip();
    const int code = windowsKeyCode(e);
    KeyDownArgs args{code, shiftState(e->modifiers()), true};
    m_context.events.KeyDown(args);
    // Code 0 from the handler drops the key; keys without a code ("-", "!") go on.
    if ((code != 0 && args.keyCode == 0) || !args.doDefault)
        return true;
    for (GridCellActions* actions : m_actions)
        if (actions->gridKey(e)) // tree keys, F2, F4... and keys while an editor is open
            return true;
    if (keyMove(e))
        return true;

    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && e->key() == Qt::Key_A && m_context.selection.MultiSelect()) {
        m_context.selection.selectAll();
        return true;
    }
    if (ctrl && e->key() == Qt::Key_Space && m_context.navigation.CurRow() > 0) {
        m_context.selection.toggle(m_context.navigation.current());
        return true;
    }
    const QString text = e->text();
    if (!ctrl && text.size() == 1 && text[0].isPrint()) {
        KeyPressArgs press{text[0].unicode()};
        m_context.events.KeyPress(press);
        for (GridCellActions* actions : m_actions)
            actions->typed(press.keyAscii); // starts an edit or searches
        return true;
    }
    return false;
}

bool GridInput::keyMove(QKeyEvent* e) {
    const Qt::KeyboardModifiers mods = e->modifiers();
    const std::optional<GridMove> move = moveForKey(e->key(), mods);
    if (!move)
        return false;
    const bool tab = *move == GridMove::NextCell || *move == GridMove::PrevCell;
    if (tab && !m_context.options.tabMovesCurCell)
        return false;
    const std::optional<GridCellPos> target =
        m_context.navigation.target(*move, m_context.selection.RowMode());
    if (!target)
        return true;
    const bool multi = m_context.selection.MultiSelect();
    const bool shift = !tab && (mods & Qt::ShiftModifier);
    const bool ctrl = mods & Qt::ControlModifier;
    const bool ctrlMove = ctrl && *move != GridMove::FirstRow && *move != GridMove::LastRow;
    const auto [vertical, horizontal] = scrollReasons(*move);
    GridScrollBars::UserScroll scroll(m_context.scrollBars, vertical, horizontal, false);
    if (*target == m_context.navigation.current() && !shift) {
        m_context.current.ensureVisible(*target);
        return true;
    }
    if (multi && shift)
        m_context.current.moveTo(*target, ctrl ? Select::ExtendAdd : Select::Extend);
    else if (multi && ctrlMove)
        m_context.current.moveTo(*target, Select::Keep);
    else
        m_context.current.moveTo(*target, Select::Only);
    return true;
}

// ----- Tooltips -----

std::optional<GridToolTipContent> GridInput::toolTipAt(const QPoint& pos) {
    ToolTipArgs args;
    QRect area;
    if (m_context.viewport().inHeader(pos)) {
        args.col = m_context.viewport().colAt(pos.x());
        if (args.col <= 0)
            return std::nullopt;
        m_context.events.RequestColHeaderToolTip(args);
        const GridViewport viewport = m_context.viewport();
        area = viewport.headerItemRect(args.col) & viewport.columnArea(args.col);
    } else {
        const auto [row, col] = hitAt(pos);
        if (row <= 0 || col == 0)
            return std::nullopt;
        args.row = row;
        args.col = col;
        m_context.events.RequestCellToolTip(args);
        area = m_context.viewport().shownCellRect(row, col);
    }
    if (args.text.isEmpty())
        return std::nullopt;
    return GridToolTipContent{args.text, args.title, args.icon, area};
}
