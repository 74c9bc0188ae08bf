#include "components/grid/GridInput.h"

#include "components/grid/GridEditor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QHash>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

// The key codes the windows test in KeyDown (the classic virtual-key numbers).
int windowsKeyCode(const QKeyEvent* e) {
    const int k = e->key();
    if (k >= Qt::Key_0 && k <= Qt::Key_9)
        return (e->modifiers() & Qt::KeypadModifier) ? 96 + (k - Qt::Key_0) : k;
    if (k >= Qt::Key_A && k <= Qt::Key_Z)
        return k;
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24)
        return 112 + (k - Qt::Key_F1);
    static const QHash<int, int> codes = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},     {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16},  {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Pause, 19},    {Qt::Key_Escape, 27}, {Qt::Key_Space, 32},   {Qt::Key_PageUp, 33},
        {Qt::Key_PageDown, 34}, {Qt::Key_End, 35},    {Qt::Key_Home, 36},    {Qt::Key_Left, 37},
        {Qt::Key_Up, 38},       {Qt::Key_Right, 39},  {Qt::Key_Down, 40},    {Qt::Key_Insert, 45},
        {Qt::Key_Delete, 46},
    };
    return codes.value(k, 0);
}

int shiftState(Qt::KeyboardModifiers mods) {
    return (mods & Qt::ShiftModifier ? ShiftShift : 0) |
           (mods & Qt::ControlModifier ? ShiftCtrl : 0) | (mods & Qt::AltModifier ? ShiftAlt : 0);
}

namespace {

int buttonCode(Qt::MouseButtons buttons) {
    return (buttons & Qt::LeftButton ? MouseLeft : 0) |
           (buttons & Qt::RightButton ? MouseRight : 0) |
           (buttons & Qt::MiddleButton ? MouseMiddle : 0);
}

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

} // namespace

// The grid as selection and navigation see it. Rows count as shown by the geometry (what
// the user sees); columns come from the store, so they are right even while the geometry
// has not caught up with a column change yet.
class GridInput::Space : public GridSelectionSpace {
public:
    explicit Space(TessixGrid& grid) : m_grid(grid) {}

    int rowCount() const override { return m_grid.store().RowCount(); }
    int colCount() const override { return m_grid.store().ColCount(); }
    bool rowShown(int row) const override { return m_grid.geometry().rowHeight(row) > 0; }
    QList<int> shownColumns() const override {
        QList<int> cols;
        const GridStore& store = m_grid.store();
        for (int col : store.displayOrder())
            if (const GridColumn* c = store.ColObject(col); c && c->Visible())
                cols.push_back(col);
        return cols;
    }
    int rowTop(int row) const override { return m_grid.geometry().rowTop(row); }
    int rowAtOffset(int y) const override {
        const GridGeometry& geo = m_grid.geometry();
        if (geo.rowCount() == 0)
            return 0;
        const int row = geo.rowAt(std::clamp(y, 0, std::max(0, geo.totalHeight() - 1)));
        return row != 0 ? row : (y <= 0 ? 1 : geo.rowCount());
    }
    int pageHeight() const override { return m_grid.rowsArea().height(); }
    bool rowSelected(int row) const override { return m_grid.store().RowSelected(row); }
    void setRowSelected(int row, bool on) override { m_grid.store().SetRowSelected(row, on); }
    bool cellSelected(int row, int col) const override {
        return m_grid.store().CellSelected(row, col);
    }
    void setCellSelected(int row, int col, bool on) override {
        m_grid.store().SetCellSelected(row, col, on);
    }
    qsizetype selectedCellCount() const override { return m_grid.store().selectedCellCount(); }
    void writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const override {
        m_grid.store().writeSelectedCells(out, firstCol, lastCol);
    }

private:
    TessixGrid& m_grid;
};

GridInput::GridInput(TessixGrid& grid)
    : m_grid(grid), m_space(std::make_unique<Space>(grid)), m_selection(*m_space),
      m_navigation(*m_space),
      m_toolTips(grid.viewport(), [this](const QPoint& pos) { return toolTipAt(pos); }) {
    connect(&m_selection, &GridSelection::BeforeSelectionChange, &grid,
            &TessixGrid::BeforeSelectionChange);
    connect(&m_selection, &GridSelection::AfterSelectionChange, &grid,
            &TessixGrid::AfterSelectionChange);
    connect(&m_selection, &GridSelection::CellSelectionChange, &grid,
            &TessixGrid::CellSelectionChange);
    m_selection.setItemEventsWanted([&grid] { return grid.wantsCellSelectionEvents(); });
    connect(&m_navigation, &GridNavigation::CurRowChange, &grid, &TessixGrid::CurRowChange);
    connect(&m_navigation, &GridNavigation::CurColChange, &grid, &TessixGrid::CurColChange);
    connect(&m_navigation, &GridNavigation::CurCellChange, &grid, &TessixGrid::CurCellChange);
    // Tab must reach the grid before the widget turns it into a focus change.
    grid.installEventFilter(this);
}

GridInput::~GridInput() {
    m_grid.removeEventFilter(this);
}

// ----- Current cell and selection -----

bool GridInput::isSelected(int row, int col) const {
    // A group row or row-text area shows selected when its row holds the selection.
    return m_selection.CellSelected(row, col == RowTextColIndex ? 0 : col);
}

void GridInput::SetCurCell(int row, int col) {
    const int rows = m_grid.RowCount();
    const int cols = m_grid.ColCount();
    const bool none = row <= 0 || col <= 0 || rows == 0 || cols == 0;
    const GridCellPos cell =
        none ? GridCellPos{} : GridCellPos{std::min(row, rows), std::min(col, cols)};
    if (!m_selection.MultiSelect()) {
        if (none)
            m_selection.ClearSelection();
        else
            m_selection.selectOnly(cell);
    } else {
        m_selection.setAnchor(cell);
    }
    m_navigation.SetCurCell(cell.row, cell.col);
    ensureVisible(m_navigation.current());
    syncPaint();
}

void GridInput::moveTo(GridCellPos cell, Select how) {
    switch (how) {
    case Select::Only:
        m_selection.selectOnly(cell);
        break;
    case Select::Toggle:
        m_selection.toggle(cell);
        break;
    case Select::Extend:
        m_selection.extendTo(cell, false);
        break;
    case Select::ExtendAdd:
        m_selection.extendTo(cell, true);
        break;
    case Select::Keep:
        if (!m_selection.MultiSelect())
            m_selection.selectOnly(cell);
        break;
    }
    m_navigation.SetCurCell(cell.row, cell.col);
    ensureVisible(m_navigation.current());
    syncPaint();
}

void GridInput::ensureVisible(GridCellPos cell) {
    if (cell.row <= 0)
        return;
    m_grid.EnsureVisibleRow(cell.row);
    const GridGeometry& geo = m_grid.geometry();
    const int left = geo.colLeft(cell.col);
    if (left < 0 || m_selection.RowMode())
        return;
    const int right = left + geo.colWidth(cell.col);
    QScrollBar* h = m_grid.horizontalScrollBar();
    const int page = m_grid.rowsArea().width();
    if (left < h->value())
        h->setValue(left);
    else if (right > h->value() + page)
        h->setValue(std::min(left, right - page));
}

void GridInput::syncPaint() {
    m_grid.setCurrentCellForPaint(m_navigation.CurRow(), m_navigation.CurCol());
}

GridCellPos GridInput::clickCell(int row, int col) const {
    if (col != RowTextColIndex && (col != 0 || !m_selection.RowMode()))
        return {row, col};
    // A group row, a row-text area or (in row mode) the space beyond the last column: the
    // row with the current column, or its first shown column.
    const QList<int> cols = m_selection.space().shownColumns();
    if (cols.isEmpty())
        return {row, 0};
    return {row, cols.contains(m_navigation.CurCol()) ? m_navigation.CurCol() : cols.first()};
}

void GridInput::storeChanged(const GridChange& change) {
    GridCellPos anchor = m_selection.anchor();
    switch (change.kind) {
    case GridChange::RowsReordered: {
        const std::vector<int>& newToOld = *change.permutation;
        int cur = 0;
        int anc = 0;
        for (size_t i = 0; i < newToOld.size(); ++i) {
            if (newToOld[i] + 1 == m_navigation.CurRow())
                cur = int(i) + 1;
            if (newToOld[i] + 1 == anchor.row)
                anc = int(i) + 1;
        }
        m_navigation.followRow(cur);
        m_selection.followAnchorRow(anc);
        break;
    }
    case GridChange::RowsInserted:
        m_navigation.rowsInserted(change.row, change.count);
        m_selection.followAnchorRow(anchor.row >= change.row ? anchor.row + change.count
                                                             : anchor.row);
        break;
    case GridChange::RowsRemoved:
        m_navigation.rowsRemoved(change.row, change.count);
        if (anchor.row >= change.row + change.count)
            anchor.row -= change.count;
        else if (anchor.row >= change.row)
            anchor.row = 0;
        m_selection.followAnchorRow(anchor.row);
        break;
    case GridChange::RowsReset:
        m_navigation.followRow(0);
        m_selection.followAnchorRow(0);
        break;
    case GridChange::Columns:
        m_navigation.columnsChanged();
        m_selection.setAnchor(anchor);
        break;
    default:
        return;
    }
    m_hotCell = {};
    syncPaint();
}

// ----- Mouse -----

std::pair<int, int> GridInput::hitAt(const QPoint& pos) const {
    const auto hit = m_grid.cellAtPoint(pos);
    // Outside the rows the column under the pointer still counts (0 beyond the last one).
    return hit.first == 0 ? std::pair{0, m_grid.headerColAt(pos)} : hit;
}

bool GridInput::mousePress(QMouseEvent* e) {
    m_toolTips.hideTip();
    const QPoint pos = e->position().toPoint();
    const auto [row, col] = hitAt(pos);
    const bool inHeader = pos.y() < m_grid.rowsTop();
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
    Q_EMIT m_grid.CellMouseDown(args);

    if (inHeader) {
        if (e->button() != Qt::LeftButton)
            return true;
        if (const int divider = dividerAt(pos)) {
            m_gesture = Gesture::Resize;
            m_pressCol = divider;
            if (divider == m_grid.stretchedCol())
                m_grid.StretchCol(0); // the user's width wins over the stretch
            m_pressWidth = m_grid.ColWidth(divider);
            m_resized = false;
        } else if (col > 0) {
            m_gesture = Gesture::Header;
            m_pressCol = col;
            if (m_grid.Header().Buttons())
                m_grid.Header().setPressedCol(col);
        }
        return true;
    }
    // A handler may have removed rows or refused the default.
    if (!args.doDefault || row <= 0 || row > m_grid.RowCount())
        return true;
    const GridCellPos cell = clickCell(row, col);
    if (cell.col == 0)
        return true;
    if (m_grid.focusPolicy() & Qt::ClickFocus)
        m_grid.setFocus(Qt::MouseFocusReason);

    const bool shift = e->modifiers() & Qt::ShiftModifier;
    if (e->button() != Qt::LeftButton) {
        // The other buttons keep a selection they press on (for its context menu).
        moveTo(cell, isSelected(cell.row, cell.col) ? Select::Keep : Select::Only);
        return true;
    }
    m_gesture = Gesture::Cells;
    if (shift) {
        moveTo(cell, m_pressCtrl ? Select::ExtendAdd : Select::Extend);
    } else if (m_pressCtrl) {
        moveTo(cell, Select::Toggle);
    } else if (m_selection.MultiSelect() && isSelected(cell.row, cell.col)) {
        // Moving on now starts dragging the selection; a plain click selects only this item.
        m_gesture = Gesture::SelectedCell;
        moveTo(cell, Select::Keep);
    } else {
        moveTo(cell, Select::Only);
    }
    return true;
}

bool GridInput::mouseMove(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    const bool dragged = (pos - m_pressPos).manhattanLength() >= QApplication::startDragDistance();
    switch (m_gesture) {
    case Gesture::Resize:
        m_grid.SetColWidth(m_pressCol, std::max(0, m_pressWidth + pos.x() - m_pressPos.x()));
        m_resized = true;
        break;
    case Gesture::Header:
        if (dragged && m_grid.Header().DragColumns()) {
            BeforeColDragArgs args{m_pressCol, false, m_grid.geometry().columns().size() == 1};
            Q_EMIT m_grid.BeforeColDrag(args);
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
            Q_EMIT m_grid.StartDrag();
        }
        break;
    case Gesture::Cells:
        if (e->buttons() & Qt::LeftButton) {
            // The cell under the pointer, clamped to the rows while the pointer is outside.
            const QRect area = m_grid.rowsArea();
            const QPoint in(std::clamp(pos.x(), 0, std::max(0, area.right())),
                            std::clamp(pos.y(), area.top(), std::max(area.top(), area.bottom())));
            auto [row, col] = m_grid.cellAtPoint(in);
            const QList<int> cols = m_selection.space().shownColumns();
            if (row == 0)
                row = m_navigation.shownRowFrom(m_grid.RowCount(), -1);
            if (col == 0 && !cols.isEmpty())
                col = cols.last();
            const GridCellPos cell = clickCell(row, col);
            if (cell.row > 0 && cell.col != 0 && !(cell == m_navigation.current()))
                moveTo(cell, m_pressCtrl ? Select::ExtendAdd : Select::Extend);
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
    const bool inHeader = pos.y() < m_grid.rowsTop();
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
            Q_EMIT m_grid.AfterColResize();
        break;
    case Gesture::Header:
        if (inHeader && col == pressCol) {
            ColHeaderClickArgs args{pressCol, true, MouseLeft, shiftState(e->modifiers())};
            Q_EMIT m_grid.ColHeaderClick(args);
            if (args.doDefault && m_grid.SortOnHeaderClick())
                sortByHeader(pressCol, e->modifiers());
        }
        break;
    case Gesture::ColumnDrag: {
        const int newPos = dropPosition(pos);
        if (newPos != m_grid.ColPos(pressCol)) {
            ColHeaderDragOverArgs args{pressCol, newPos, false, false};
            Q_EMIT m_grid.ColHeaderDragOver(args);
            if (!args.cancel && m_grid.SetColPos(pressCol, newPos))
                Q_EMIT m_grid.AfterColMove();
        }
        break;
    }
    case Gesture::SelectedCell:
        m_selection.selectOnly(m_navigation.current());
        break;
    case Gesture::Cells:
    case Gesture::None:
        break;
    }

    CellMouseArgs args{
        buttonCode(e->button()), shiftState(e->modifiers()), pos.x(), pos.y(), row, col};
    Q_EMIT m_grid.CellMouseUp(args);
    const bool onCell = (gesture == Gesture::Cells || gesture == Gesture::SelectedCell);
    if (onCell && e->button() == Qt::LeftButton && row > 0 && pressCell == GridCellPos{row, col}) {
        Q_EMIT m_grid.CellClick(row, col);
        m_grid.editor().cellClicked(row, col, pos); // check boxes, combo buttons, editing
    }
    return true;
}

bool GridInput::mouseDoubleClick(QMouseEvent* e) {
    const QPoint pos = e->position().toPoint();
    if (pos.y() < m_grid.rowsTop() && e->button() == Qt::LeftButton) {
        if (const int divider = dividerAt(pos)) {
            m_grid.AutoWidthCol(divider);
            Q_EMIT m_grid.AfterColResize();
            return true;
        }
    }
    // The second press of a double click acts as a press (a header sorts again).
    mousePress(e);
    const auto [row, col] = hitAt(pos);
    if (pos.y() >= m_grid.rowsTop() && row > 0 && col != 0 && e->button() == Qt::LeftButton) {
        CellDblClickArgs args{row, col, true};
        Q_EMIT m_grid.CellDblClick(args);
        m_grid.editor().cellDoubleClicked(args);
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
    QScrollBar* v = m_grid.verticalScrollBar();
    const GridGeometry& geo = m_grid.geometry();
    int top = geo.rowAt(v->value());
    if (top == 0)
        return true;
    const int direction = steps > 0 ? -1 : 1;
    for (int n = std::abs(steps) * QApplication::wheelScrollLines(); n > 0; --n) {
        const int next = m_navigation.shownRowFrom(top + direction, direction);
        if (next == 0 || next == top)
            break;
        top = next;
    }
    v->setValue(geo.rowTop(top));
    return true;
}

void GridInput::trackPointer(const QPoint& pos, int buttons, int shift) {
    m_pointer = pos;
    const bool inHeader = pos.y() < m_grid.rowsTop();
    const bool idle = m_gesture == Gesture::None;
    if (m_gesture == Gesture::Resize || (inHeader && idle && dividerAt(pos)))
        m_grid.viewport()->setCursor(Qt::SplitHCursor);
    else
        m_grid.viewport()->unsetCursor();

    updateHotSpots(pos);
    const auto [row, col] = hitAt(pos);
    CellMouseArgs args{buttons, shift, pos.x(), pos.y(), inHeader ? 0 : row, col};
    Q_EMIT m_grid.CellMouseMove(args);
}

void GridInput::updateHotSpots(const QPoint& pos) {
    const bool inHeader = pos.y() < m_grid.rowsTop();
    const auto [row, col] = hitAt(pos);
    GridHeader& header = m_grid.Header();
    header.setHotCol(inHeader && m_gesture == Gesture::None && header.HotTracking() ? col : 0);
    setHotColumn(m_grid.headerColAt(pos));
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
        Q_EMIT m_grid.CellMouseLeave(prev.row, prev.col);
    if (next.row > 0 && m_hotCell == next)
        Q_EMIT m_grid.CellMouseEnter(next.row, next.col);
}

void GridInput::setHotColumn(int col) {
    if (col == m_hotColumn)
        return;
    const int prev = m_hotColumn;
    m_hotColumn = col;
    if (prev >= 0)
        Q_EMIT m_grid.ColMouseLeave(prev);
    if (col >= 0 && m_hotColumn == col)
        Q_EMIT m_grid.ColMouseEnter(col);
}

void GridInput::pointerLeft() {
    m_pointer.reset();
    m_toolTips.hideTip();
    m_grid.Header().setHotCol(0);
    setHotCell(0, 0);
    setHotColumn(-1);
}

int GridInput::dividerAt(const QPoint& pos) const {
    if (pos.y() >= m_grid.rowsTop())
        return 0;
    // The edge between the column left of the pointer and the one right of it.
    constexpr int grip = 4;
    const int left = m_grid.headerColAt(pos - QPoint(grip, 0));
    const int right = m_grid.headerColAt(pos + QPoint(grip, 0));
    if (left <= 0 || left == right || pos.x() < grip)
        return 0;
    return m_grid.ColAllowSizing(left) ? left : 0;
}

int GridInput::dropPosition(const QPoint& pos) const {
    const int target = m_grid.headerColAt(QPoint(pos.x(), 0));
    if (target > 0)
        return m_grid.ColPos(target);
    const QList<int> cols = m_selection.space().shownColumns();
    if (cols.isEmpty())
        return 0;
    return m_grid.ColPos(pos.x() <= 0 ? cols.first() : cols.last());
}

void GridInput::sortByHeader(int col, Qt::KeyboardModifiers mods) {
    const GridColumn* column = m_grid.ColObject(col);
    if (!column)
        return;
    std::vector<SortKey> keys = m_grid.sorter().keys();
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
    m_grid.sorter().setKeys(keys);
    m_grid.Sort();
}

void GridInput::endGesture() {
    m_gesture = Gesture::None;
    m_grid.Header().setPressedCol(0);
    m_grid.viewport()->unsetCursor();
}

// ----- Keyboard -----

bool GridInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_grid && event->type() == QEvent::KeyPress && m_tabMovesCurCell) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        if (tab && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            m_grid.isEnabled()) {
            keyPress(key);
            return true; // the grid keeps the focus, also at its last cell
        }
    }
    return QObject::eventFilter(watched, event);
}

bool GridInput::keyPress(QKeyEvent* e) {
    if (!m_grid.isEnabled())
        return false;
    m_toolTips.hideTip();
    const int code = windowsKeyCode(e);
    KeyDownArgs args{code, shiftState(e->modifiers()), true};
    Q_EMIT m_grid.KeyDown(args);
    // Code 0 from the handler drops the key; keys without a code ("-", "!") go on.
    if ((code != 0 && args.keyCode == 0) || !args.doDefault)
        return true;
    if (m_grid.editor().gridKey(e)) // F2, F4... and keys while an editor is open
        return true;
    if (keyMove(e))
        return true;

    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    if (ctrl && e->key() == Qt::Key_A && m_selection.MultiSelect()) {
        m_selection.selectAll();
        return true;
    }
    if (ctrl && e->key() == Qt::Key_Space && m_navigation.CurRow() > 0) {
        m_selection.toggle(m_navigation.current());
        return true;
    }
    const QString text = e->text();
    if (!ctrl && text.size() == 1 && text[0].isPrint()) {
        KeyPressArgs press{text[0].unicode()};
        Q_EMIT m_grid.KeyPress(press);
        m_grid.editor().typed(press.keyAscii); // starts an edit or searches
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
    if (tab && !m_tabMovesCurCell)
        return false;
    const std::optional<GridCellPos> target = m_navigation.target(*move, m_selection.RowMode());
    if (!target)
        return true;
    const bool multi = m_selection.MultiSelect();
    const bool shift = !tab && (mods & Qt::ShiftModifier);
    const bool ctrl = mods & Qt::ControlModifier;
    const bool ctrlMove = ctrl && *move != GridMove::FirstRow && *move != GridMove::LastRow;
    if (*target == m_navigation.current() && !shift) {
        ensureVisible(*target);
        return true;
    }
    if (multi && shift)
        moveTo(*target, ctrl ? Select::ExtendAdd : Select::Extend);
    else if (multi && ctrlMove)
        moveTo(*target, Select::Keep);
    else
        moveTo(*target, Select::Only);
    return true;
}

// ----- Tooltips -----

std::optional<GridToolTipContent> GridInput::toolTipAt(const QPoint& pos) {
    ToolTipArgs args;
    QRect area;
    if (pos.y() < m_grid.rowsTop()) {
        args.col = m_grid.headerColAt(pos);
        if (args.col <= 0)
            return std::nullopt;
        Q_EMIT m_grid.RequestColHeaderToolTip(args);
        const GridGeometry& geo = m_grid.geometry();
        area = QRect(geo.colLeft(args.col) - m_grid.contentOffset().x(), 0, geo.colWidth(args.col),
                     m_grid.rowsTop());
    } else {
        const auto [row, col] = hitAt(pos);
        if (row <= 0 || col == 0)
            return std::nullopt;
        args.row = row;
        args.col = col;
        Q_EMIT m_grid.RequestCellToolTip(args);
        area = m_grid.cellViewportRect(row, col);
    }
    if (args.text.isEmpty())
        return std::nullopt;
    return GridToolTipContent{args.text, args.title, args.icon, area};
}

// ----- The grid's input members -----

bool TessixGrid::MultiSelect() const {
    return m_gridInput->selection().MultiSelect();
}

void TessixGrid::SetMultiSelect(bool on) {
    m_gridInput->selection().SetMultiSelect(on);
}

bool TessixGrid::RowMode() const {
    return m_gridInput->selection().RowMode();
}

void TessixGrid::SetRowMode(bool on) {
    m_gridInput->selection().SetRowMode(on);
    requestRepaint();
}

bool TessixGrid::CellSelected(int row, const ColRef& col) const {
    return m_gridInput->selection().CellSelected(row, m_store->ColIndex(col));
}

void TessixGrid::SetCellSelected(int row, const ColRef& col, bool selected) {
    m_gridInput->selection().SetCellSelected(row, m_store->ColIndex(col), selected);
}

void TessixGrid::ClearSelection() {
    m_gridInput->selection().ClearSelection();
}

GridSelItems& TessixGrid::SelItems() {
    return m_gridInput->selection().SelItems();
}

int TessixGrid::CurRow() const {
    return m_gridInput->navigation().CurRow();
}

int TessixGrid::CurCol() const {
    return m_gridInput->navigation().CurCol();
}

void TessixGrid::SetCurRow(int row) {
    int col = CurCol();
    if (col == 0) {
        const auto& cols = m_geometry->columns();
        col = cols.isEmpty() ? 1 : cols.first().col;
    }
    m_gridInput->SetCurCell(row, col);
}

void TessixGrid::SetCurCell(int row, const ColRef& col) {
    // An index past the last column is clamped like the row; an unknown key means none.
    m_gridInput->SetCurCell(row, col.isKey() ? m_store->ColIndex(col) : col.index());
}

bool TessixGrid::TabMovesCurCell() const {
    return m_gridInput->TabMovesCurCell();
}

void TessixGrid::SetTabMovesCurCell(bool on) {
    m_gridInput->SetTabMovesCurCell(on);
}

bool TessixGrid::wantsCellSelectionEvents() const {
    return isSignalConnected(QMetaMethod::fromSignal(&TessixGrid::CellSelectionChange));
}
