// The store: columns, rows and cells.
//
// Sections, in file order:
//   Records                          row and cell records, row flags, cell font handles
//   Construction and change reports  the change handler, interned looks
//   Columns                          adding, removing, keys, display order, defaults
//   Rows: records and counts         row records from pooled blocks, AddRow, RemoveRow
//   Rows: heights and flags          heights, visibility, group, selected, tree button
//   Rows: tags, keys and search      RowTag, RowKey, FindRow, FindRowByKey
//   Rows: tree, defaults and order   levels and parents, default heights, applyPermutation
//   Cells: storage, values and texts cell storage per row, values, texts (with views)
//   Cells: looks and fonts           the interned look of a cell, font handles
//   Cells: look members              one getter and setter pair per look field
//   Cells: selected bits             the bits in the row records, bulk reads
//
// Call flow of a write:
//   SetCellValue / SetCellText -> setCellAt (the row's cell storage made on first write)
//     -> cellChanged -> notify(GridChange::Cell) -> the change handler (GridPrivate: a
//     repaint; skipped while the handler says a pending repaint covers every cell)
//   SetCell<Look>(row, col, v) -> changeCellLook -> changeLook -> intern -> notify(Cell)
//   AddRow / RemoveRow / SetRowCount -> newRow / releaseRow -> notify(RowsInserted / Removed)
//   sorting: GridSort computes a permutation -> applyPermutation -> notify(RowsReordered)

#include "model/GridStore.h"

#include "model/GridStoreRecords.h"

#include "runtime/Format.h"

#include <QObject>
#include <algorithm>

// ---------------------------------------------------------------------------------------
// Records (the row and cell records are in GridStoreRecords.h)

namespace {
constexpr int MaxWantFreeRows = 10000;
constexpr int MaxColumns = 0xFFFF; // cell slots per row are counted in 16 bits
// A row's first cell storage covers this many columns at least (all of them in grids up to
// this width), so filling a row allocates once.
constexpr int MinCellGrowth = 16;

QString foldKey(const QString& key) {
    return key.toCaseFolded();
}
} // namespace

// A cell's font handle: bound to the row record and column object, which stay the same
// while rows and columns move; detached (keeping its last attributes) when either goes.
class CellFontTarget final : public FontTarget {
public:
    CellFontTarget(GridStore* store, const GridStore::Row* row, const GridColumn* col)
        : m_store(store), m_row(row), m_col(col) {}
    FontData fontData() const override {
        return m_store ? m_store->fontOfCell(m_row, m_col) : m_last;
    }
    void setFontData(const FontData& data) override {
        if (m_store)
            m_store->setFontOfCell(m_row, m_col, data);
        else
            m_last = data;
    }
    bool boundTo(const GridStore::Row* row, const GridColumn* col) const {
        return m_store && (row == nullptr || row == m_row) && (col == nullptr || col == m_col);
    }
    const GridStore::Row* row() const { return m_row; }
    const GridColumn* column() const { return m_col; }
    void detach() {
        m_last = fontData();
        m_store = nullptr;
    }

private:
    GridStore* m_store;
    const GridStore::Row* m_row;
    const GridColumn* m_col;
    FontData m_last;
};

// ---------------------------------------------------------------------------------------
// Construction and change reports

GridStore::GridStore() : m_font(FontData{}) {
    m_styles.push_back(CellStyle{});
    m_styleIndex.insert(m_styles.front(), 0);
    m_font.setChanged([this] { notify({GridChange::Font}); });
    m_rowTextCol.reset(new GridColumn(this, 0));
    m_rowTextCol->m_index = RowTextColIndex;
    initHistory(m_rowTextCol.get());
}

GridStore::~GridStore() {
    detachFontTargets([](const Row*, const GridColumn*) { return true; });
    for (Row* r : m_rows)
        destroyCells(r);
    for (auto& c : m_cols)
        c->m_store = nullptr;
    for (auto& c : m_removedCols)
        c->m_store = nullptr;
    m_rowTextCol->m_store = nullptr;
}

void GridStore::setChangeHandler(ChangeHandler handler) {
    m_onChange = std::move(handler);
    m_cellChangesCovered = false;
}
void GridStore::setComboTextFn(ComboTextFn fn) {
    m_comboText = std::move(fn);
}

void GridStore::notify(const GridChange& change) const {
    if (m_onChange)
        m_onChange(change);
}

quint32 GridStore::intern(const CellStyle& style) {
    auto it = m_styleIndex.constFind(style);
    if (it != m_styleIndex.constEnd())
        return it.value();
    const auto id = quint32(m_styles.size());
    m_styles.push_back(style);
    m_styleIndex.insert(style, id);
    m_checkBoxLooks = m_checkBoxLooks || style.checkBoxVisible;
    return id;
}

// ---------------------------------------------------------------------------------------
// Columns

void GridStore::initHistory(GridColumn* col) {
    col->m_history.assign(1, {0, intern(col->m_defaults), col->m_defaultValue});
}

void GridStore::renumberColumns(size_t from) {
    for (size_t i = from; i < m_cols.size(); ++i)
        m_cols[i]->m_index = int(i) + 1;
}

GridColumn* GridStore::AddCol(const QString& key, const QString& headerText, int width,
                              int sortType, const ColRef& before) {
    if (ColCount() >= MaxColumns || (!key.isEmpty() && m_keys.contains(foldKey(key))))
        return nullptr;
    int at = ColCount() + 1; // 1-based index of the new column
    const bool inserting = before.isKey() || before.index() != 0;
    if (inserting) {
        at = ColIndex(before);
        if (at < 1)
            return nullptr;
    }
    std::unique_ptr<GridColumn> col(new GridColumn(this, width < 0 ? m_defaultColWidth : width));
    col->m_key = key;
    col->m_headerText = headerText;
    col->m_sortType = sortType;
    initHistory(col.get());
    GridColumn* result = col.get();
    const int displayAt = inserting ? ColPos(at) - 1 : int(m_order.size());
    m_cols.insert(m_cols.begin() + (at - 1), std::move(col));
    renumberColumns(size_t(at - 1));
    if (!key.isEmpty())
        m_keys.insert(foldKey(key), result);
    for (int& idx : m_order)
        if (idx >= at)
            ++idx;
    m_order.insert(m_order.begin() + displayAt, at);
    if (inserting && displayAt < std::min(m_frozenCols, ColCount() - 1))
        ++m_frozenCols;
    if (inserting)
        insertColumnSlot(at);
    notify({GridChange::Columns});
    return result;
}

void GridStore::insertColumnSlot(int slot) {
    for (Row* r : m_rows) {
        r->selected.insertAt(slot);
        if (r->cellSlots < slot)
            continue;
        Cell* cells = newCells(r->cellSlots + 1);
        std::move(r->cells, r->cells + slot - 1, cells);
        std::move(r->cells + slot - 1, r->cells + r->cellSlots, cells + slot);
        setCells(r, cells, r->cellSlots + 1);
    }
}

void GridStore::removeColumnSlot(int slot) {
    for (Row* r : m_rows) {
        r->selected.removeAt(slot);
        if (r->cellSlots < slot)
            continue;
        Cell* cells = r->cells;
        std::move(cells + slot, cells + r->cellSlots, cells + slot - 1);
        cells[r->cellSlots - 1] = Cell{};
        --r->cellSlots;
    }
}

bool GridStore::RemoveCol(const ColRef& ref) {
    const int idx = ColIndex(ref);
    if (idx < 1)
        return false;
    GridColumn* col = m_cols[size_t(idx - 1)].get();
    detachFontTargets([col](const Row*, const GridColumn* c) { return c == col; });
    if (!col->m_key.isEmpty())
        m_keys.remove(foldKey(col->m_key));
    col->m_store = nullptr;
    col->m_index = 0;
    m_removedCols.push_back(std::move(m_cols[size_t(idx - 1)]));
    m_cols.erase(m_cols.begin() + (idx - 1));
    renumberColumns(size_t(idx - 1));
    removeColumnSlot(idx);
    const auto at = std::find(m_order.begin(), m_order.end(), idx);
    if (colPosFrozen(int(at - m_order.begin()) + 1))
        --m_frozenCols;
    m_order.erase(at);
    for (int& i : m_order)
        if (i > idx)
            --i;
    notify({GridChange::Columns});
    return true;
}

void GridStore::SetColCount(int count) {
    count = std::clamp(count, 0, MaxColumns);
    while (ColCount() < count)
        AddCol();
    while (ColCount() > count)
        RemoveCol(ColCount());
}

GridColumn* GridStore::keyColumn(const QString& key) const {
    return m_keys.value(foldKey(key), nullptr);
}

int GridStore::ColIndex(const ColRef& col) const {
    if (col.isKey()) {
        const GridColumn* c = keyColumn(col.key());
        return c ? c->m_index : 0;
    }
    const int i = col.index();
    return (i == RowTextColIndex || (i >= 1 && i <= ColCount())) ? i : 0;
}

GridColumn* GridStore::ColObject(const ColRef& col) const {
    return columnForSlot(colSlot(col));
}

int GridStore::keySlot(const QString& key) const {
    const GridColumn* c = keyColumn(key);
    return !c ? -1 : (c->m_index == RowTextColIndex ? 0 : c->m_index);
}

QString GridStore::ColKey(const ColRef& col) const {
    const GridColumn* c = ColObject(col);
    return c ? c->m_key : QString();
}

bool GridStore::SetColKey(const ColRef& col, const QString& key) {
    GridColumn* c = ColObject(col);
    return c && columnKeyChange(c, key);
}

bool GridStore::columnKeyChange(GridColumn* col, const QString& key) {
    const QString folded = foldKey(key);
    if (!key.isEmpty()) {
        const GridColumn* owner = m_keys.value(folded, nullptr);
        if (owner && owner != col)
            return false;
    }
    if (!col->m_key.isEmpty())
        m_keys.remove(foldKey(col->m_key));
    col->m_key = key;
    if (!key.isEmpty())
        m_keys.insert(folded, col);
    columnSettingChanged(col);
    return true;
}

int GridStore::ColPos(const ColRef& col) const {
    const int idx = ColIndex(col);
    const auto it = std::find(m_order.begin(), m_order.end(), idx);
    return idx >= 1 && it != m_order.end() ? int(it - m_order.begin()) + 1 : 0;
}

int GridStore::ColAtPos(int pos) const {
    return pos >= 1 && pos <= int(m_order.size()) ? m_order[size_t(pos - 1)] : 0;
}

bool GridStore::SetColPos(const ColRef& col, int pos) {
    const int from = ColPos(col);
    if (from == 0 || pos < 1 || pos > int(m_order.size()))
        return false;
    if (from == pos)
        return true;
    const int idx = m_order[size_t(from - 1)];
    m_order.erase(m_order.begin() + (from - 1));
    m_order.insert(m_order.begin() + (pos - 1), idx);
    notify({GridChange::Columns});
    return true;
}

void GridStore::SetFrozenCols(int count) {
    count = std::clamp(count, 0, MaxColumns);
    if (count == m_frozenCols)
        return;
    m_frozenCols = count;
    notify({GridChange::Columns});
}

void GridStore::SetDefaultColWidth(int px) {
    m_defaultColWidth = std::max(0, px);
}

void GridStore::columnDefaultsChanged(GridColumn* col) {
    // Rows created so far keep the defaults of their time: open a new epoch if needed.
    if (m_epochUsed) {
        ++m_epoch;
        m_epochUsed = false;
    }
    GridColumn::DefaultsEntry entry{m_epoch, intern(col->m_defaults), col->m_defaultValue};
    auto& history = col->m_history;
    if (!history.empty() && history.back().epoch == m_epoch)
        history.back() = std::move(entry);
    else
        history.push_back(std::move(entry));
    notify({GridChange::Column, 0, col->m_index});
}

void GridStore::columnSettingChanged(GridColumn* col) {
    notify({GridChange::Column, 0, col->m_index});
}

// ---------------------------------------------------------------------------------------
// Rows: records and counts

int GridStore::rowIndexOf(const Row* r) const {
    const auto it = std::find(m_rows.begin(), m_rows.end(), r);
    return it == m_rows.end() ? 0 : int(it - m_rows.begin()) + 1;
}

GridStore::Row* GridStore::newRow(int level, bool group, int height, bool visible) {
    static_assert(sizeof(Row) <= 40, "an empty row should stay a few dozen bytes");
    if (m_freeRows.empty()) {
        // Out of free slots: allocate this row and the wanted reserve in one block.
        const size_t n = size_t(m_wantFreeRows) + 1;
        auto slab = std::make_unique<Row[]>(n);
        m_freeRows.reserve(m_freeRows.size() + n);
        for (size_t i = n; i-- > 0;)
            m_freeRows.push_back(&slab[i]);
        m_slabs.push_back(std::move(slab));
        m_slotCount += n;
    }
    Row* r = m_freeRows.back();
    m_freeRows.pop_back();
    r->height = height >= 0 ? height : m_defaultRowHeight;
    r->cellsHeight = m_defaultRowCellsHeight;
    r->epoch = m_epoch;
    r->level = quint16(std::clamp(level, 0, 0xFFFF));
    r->descendants = 0;
    r->flags =
        quint16((visible ? RowVisibleFlag : 0) | (group ? RowGroupFlag : 0) | RowExpandedFlag);
    m_epochUsed = true;
    return r;
}

void GridStore::releaseRow(Row* r) {
    if (r->flags & RowHasTag)
        m_tags.erase(r);
    if (r->flags & RowHasKey)
        m_rowKeys.erase(r);
    if (r->flags & RowHasRowText)
        m_rowTextCells.erase(r);
    setCells(r, nullptr, 0);
    r->flags = 0;
    r->selected.clear();
    m_freeRows.push_back(r);
}

GridStore::Cell* GridStore::newCells(int count) {
    auto* cells = static_cast<Cell*>(m_cellArena.allocate(sizeof(Cell) * size_t(count)));
    std::uninitialized_value_construct_n(cells, count);
    return cells;
}

void GridStore::setCells(Row* r, Cell* cells, int count) {
    destroyCells(r);
    if (r->cellSlots > 0) // a row whose columns all went keeps its room till Clear
        m_cellArena.release(r->cells, sizeof(Cell) * r->cellSlots);
    r->cells = cells;
    r->cellSlots = quint16(count);
}

void GridStore::destroyCells(Row* r) {
    std::destroy_n(r->cells, r->cellSlots);
}

void GridStore::releaseAllRows() {
    detachFontTargets([](const Row*, const GridColumn*) { return true; });
    for (Row* r : m_rows)
        destroyCells(r);
    m_cellArena.reset();
    m_rows.clear();
    m_freeRows.clear();
    m_slabs.clear();
    m_slotCount = 0;
    m_tags.clear();
    m_rowKeys.clear();
    m_rowTextCells.clear();
    m_hasTree = false;
    ++m_treeStamp;
    // No row remembers an old epoch any more: the histories shrink to the current defaults.
    m_epoch = 0;
    m_epochUsed = false;
    for (auto& c : m_cols)
        initHistory(c.get());
    initHistory(m_rowTextCol.get());
}

int GridStore::AddRow(const AddRowArgs& args) {
    const int n = RowCount();
    int pos = n; // 0-based insert position
    int level = 0;
    bool folded = false;
    Row* parent = nullptr;
    if (args.parentRow != 0) {
        parent = rowAt(args.parentRow);
        if (!parent)
            return 0;
        pos = args.parentRow + int(parent->descendants); // after the parent's subtree
        level = parent->level + 1;
        folded = (parent->flags & RowFoldedFlag) || !(parent->flags & RowExpandedFlag);
    } else if (args.insertBefore != 0) {
        if (args.insertBefore < 1 || args.insertBefore > n + 1)
            return 0;
        pos = args.insertBefore - 1;
        ++m_treeStamp; // the rows below move
        if (pos < n) { // a sibling of the row it precedes
            const Row* next = m_rows[size_t(pos)];
            level = next->level;
            folded = next->flags & RowFoldedFlag;
        }
    }
    Row* r = newRow(level, args.group, args.height, args.visible);
    if (folded)
        r->flags |= RowFoldedFlag;
    if (parent)
        countChild(args.parentRow); // before the insert: the chain's indexes stay valid
    m_rows.insert(m_rows.begin() + pos, r);
    if (level > 0 && !parent) {
        m_hasTree = true;
        rebuildTree(); // inserted inside a subtree: its ancestors grow
    }
    if (!args.tag.isEmpty() || args.tagObject) {
        m_tags[r] = TagEntry{args.tag, args.tagObject};
        r->flags |= RowHasTag;
    }
    notify({GridChange::RowsInserted, pos + 1, 0, 1});
    return pos + 1;
}

bool GridStore::RemoveRow(int row) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    // Its children take its place one level up; they show now if only it hid them.
    const int lifted = m_hasTree ? liftChildren(row) : 0;
    detachFontTargets([r](const Row* dead, const GridColumn*) { return dead == r; });
    m_rows.erase(m_rows.begin() + (row - 1));
    releaseRow(r);
    ++m_treeStamp;
    notify({GridChange::RowsRemoved, row, 0, 1});
    if (lifted > 0)
        notify({GridChange::RowsVisibility, row, 0, lifted});
    return true;
}

void GridStore::SetRowCount(int count) {
    const int n = RowCount();
    if (count < 0 || count == n)
        return;
    if (count == 0) {
        releaseAllRows();
        notify({GridChange::RowsReset});
        return;
    }
    if (count > n) {
        m_rows.reserve(size_t(count));
        for (int i = n; i < count; ++i)
            m_rows.push_back(newRow(0, false, -1, true));
        notify({GridChange::RowsInserted, n + 1, 0, count - n});
        return;
    }
    detachFontTargets([this, count](const Row* dead, const GridColumn*) {
        return std::find(m_rows.begin() + count, m_rows.end(), dead) != m_rows.end();
    });
    for (int i = count; i < n; ++i)
        releaseRow(m_rows[size_t(i)]);
    m_rows.resize(size_t(count));
    // The cut may have taken a subtree's tail only: the subtrees left are counted again.
    ++m_treeStamp;
    if (m_hasTree)
        rebuildTree();
    notify({GridChange::RowsRemoved, count + 1, 0, n - count});
}

void GridStore::Clear(bool removeCols) {
    releaseAllRows();
    if (removeCols) {
        for (auto& c : m_cols) {
            c->m_store = nullptr;
            c->m_index = 0;
            m_removedCols.push_back(std::move(c));
        }
        m_cols.clear();
        m_order.clear();
        m_keys.clear();
        if (!m_rowTextCol->m_key.isEmpty())
            m_keys.insert(foldKey(m_rowTextCol->m_key), m_rowTextCol.get());
        notify({GridChange::Columns});
    }
    notify({GridChange::RowsReset});
}

// ---------------------------------------------------------------------------------------
// Rows: heights and flags

int GridStore::RowHeight(int row) const {
    const Row* r = rowAt(row);
    return r ? r->height : 0;
}

int GridStore::shownRowHeight(int row) const {
    const Row* r = rowAt(row);
    return r && (r->flags & (RowVisibleFlag | RowFoldedFlag)) == RowVisibleFlag ? r->height : 0;
}

bool GridStore::SetRowHeight(int row, int px) {
    Row* r = rowAt(row);
    if (!r || px < 0)
        return false;
    if (r->height != px) {
        r->height = px;
        notify({GridChange::RowHeight, row});
    }
    return true;
}

int GridStore::RowCellsHeight(int row) const {
    const Row* r = rowAt(row);
    if (!r)
        return 0;
    return r->cellsHeight < 0 ? r->height : std::min(r->cellsHeight, r->height);
}

bool GridStore::SetRowCellsHeight(int row, int px) {
    Row* r = rowAt(row);
    if (!r || px < 0)
        return false;
    if (r->cellsHeight != px) {
        r->cellsHeight = px;
        notify({GridChange::RowHeight, row});
    }
    return true;
}

bool GridStore::rowFlag(int row, quint16 flag) const {
    const Row* r = rowAt(row);
    return r && (r->flags & flag);
}

bool GridStore::setRowFlag(int row, quint16 flag, bool on, GridChange::Kind kind) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    const quint16 next = on ? quint16(r->flags | flag) : quint16(r->flags & ~flag);
    if (next != r->flags) {
        r->flags = next;
        notify({kind, row});
    }
    return true;
}

bool GridStore::RowVisible(int row) const {
    return rowFlag(row, RowVisibleFlag);
}
bool GridStore::SetRowVisible(int row, bool visible) {
    return setRowFlag(row, RowVisibleFlag, visible, GridChange::RowVisibility);
}
bool GridStore::RowIsGroup(int row) const {
    return rowFlag(row, RowGroupFlag);
}
bool GridStore::SetRowIsGroup(int row, bool group) {
    return setRowFlag(row, RowGroupFlag, group, GridChange::Row);
}
bool GridStore::RowSelected(int row) const {
    return rowFlag(row, RowSelectedFlag);
}
bool GridStore::SetRowSelected(int row, bool selected) {
    return setRowFlag(row, RowSelectedFlag, selected, GridChange::Row);
}
// ---------------------------------------------------------------------------------------
// Rows: tags, keys and search

Variant GridStore::RowTag(int row) const {
    const Row* r = rowAt(row);
    if (!r || !(r->flags & RowHasTag))
        return {};
    return m_tags.at(r).value;
}

QObject* GridStore::RowTagObject(int row) const {
    const Row* r = rowAt(row);
    if (!r || !(r->flags & RowHasTag))
        return nullptr;
    return m_tags.at(r).object.data();
}

bool GridStore::SetRowTag(int row, const Variant& tag) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    if (tag.isEmpty()) {
        m_tags.erase(r);
        r->flags &= quint16(~RowHasTag);
    } else {
        m_tags[r] = TagEntry{tag, nullptr};
        r->flags |= RowHasTag;
    }
    return true;
}

bool GridStore::SetRowTagObject(int row, QObject* object) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    if (!object) {
        m_tags.erase(r);
        r->flags &= quint16(~RowHasTag);
    } else {
        m_tags[r] = TagEntry{{}, object};
        r->flags |= RowHasTag;
    }
    return true;
}

QString GridStore::RowKey(int row) const {
    const Row* r = rowAt(row);
    return r && (r->flags & RowHasKey) ? m_rowKeys.at(r) : QString();
}

bool GridStore::SetRowKey(int row, const QString& key) {
    Row* r = rowAt(row);
    if (!r)
        return false;
    if (key.isEmpty()) {
        m_rowKeys.erase(r);
        r->flags &= quint16(~RowHasKey);
    } else {
        m_rowKeys[r] = key;
        r->flags |= RowHasKey;
    }
    return true;
}

int GridStore::FindRowByKey(const QString& key) const {
    if (key.isEmpty())
        return 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row* r = m_rows[i];
        if ((r->flags & RowHasKey) && m_rowKeys.at(r) == key)
            return int(i) + 1;
    }
    return 0;
}

int GridStore::FindRow(const ColRef& col, const QString& text, int startRow) const {
    const int slot = colSlot(col);
    if (slot < 0)
        return 0;
    for (int i = std::max(1, startRow); i <= RowCount(); ++i)
        if (cellText(m_rows[size_t(i - 1)], slot) == text)
            return i;
    return 0;
}

// ---------------------------------------------------------------------------------------
// Rows: tree, defaults and order

void GridStore::SetDefaultRowHeight(int px) {
    m_defaultRowHeight = std::max(0, px);
}
int GridStore::DefaultRowCellsHeight() const {
    return m_defaultRowCellsHeight < 0 ? m_defaultRowHeight : m_defaultRowCellsHeight;
}
void GridStore::SetDefaultRowCellsHeight(int px) {
    m_defaultRowCellsHeight = std::max(0, px);
}

void GridStore::SetMemMngWantFreeRows(int rows) {
    m_wantFreeRows = std::clamp(rows, 0, MaxWantFreeRows);
}

bool GridStore::applyPermutation(std::vector<int> newToOld) {
    const size_t n = m_rows.size();
    if (newToOld.size() != n)
        return false;
    std::vector<bool> seen(n, false);
    for (int old : newToOld) {
        if (old < 0 || size_t(old) >= n || seen[size_t(old)])
            return false;
        seen[size_t(old)] = true;
    }
    std::vector<Row*> rows(n);
    for (size_t i = 0; i < n; ++i)
        rows[i] = m_rows[size_t(newToOld[i])];
    m_rows.swap(rows);
    ++m_treeStamp;
    notify({GridChange::RowsReordered, 0, 0, int(n), &newToOld});
    return true;
}

// ---------------------------------------------------------------------------------------
// Cells: storage, values and texts

const GridColumn::DefaultsEntry& GridStore::defaultsAtEpoch(const GridColumn* col, quint32 epoch) {
    const auto& history = col->m_history;
    // The last entry that was in force when the row was created.
    auto it =
        std::upper_bound(history.begin(), history.end(), epoch,
                         [](quint32 e, const GridColumn::DefaultsEntry& d) { return e < d.epoch; });
    return it == history.begin() ? history.front() : *(it - 1);
}

const GridStore::Cell* GridStore::findCell(const Row* r, int slot) const {
    if (slot == 0) {
        if (!(r->flags & RowHasRowText))
            return nullptr;
        return m_rowTextCells.at(r).get();
    }
    return slot <= r->cellSlots ? &r->cells[size_t(slot - 1)] : nullptr;
}

GridStore::Cell* GridStore::grownSlotAt(Row* r, int slot) {
    if (slot == 0) {
        auto& cell = m_rowTextCells[r];
        if (!cell)
            cell = std::make_unique<Cell>();
        r->flags |= RowHasRowText;
        return cell.get();
    }
    const int size =
        std::max(slot, std::min(ColCount(), std::max(MinCellGrowth, 2 * r->cellSlots)));
    Cell* cells = newCells(size);
    std::move(r->cells, r->cells + r->cellSlots, cells);
    setCells(r, cells, size);
    return &cells[size_t(slot - 1)];
}

const CellStyle& GridStore::look(const Row* r, int slot) const {
    const Cell* c = ownCell(r, slot);
    return m_styles[c ? c->style : defaultsOf(r, slot).style];
}

Variant GridStore::CellValue(int row, const ColRef& col) const {
    const Row* r = rowAt(row);
    const int slot = colSlot(col);
    return r && slot >= 0 ? valueOf(r, slot) : Variant();
}

void GridStore::visitValues(const ColRef& col, int firstRow, int lastRow,
                            const std::function<void(int, const Variant&)>& visit) const {
    const int slot = colSlot(col);
    if (slot < 0)
        return;
    firstRow = std::max(firstRow, 1);
    lastRow = std::min(lastRow, RowCount());
    constexpr int Ahead = 8; // rows and cells live in separate blocks: fetch them early
    for (int row = firstRow; row <= lastRow; ++row) {
        if (row + Ahead <= lastRow) {
            const Row* next = m_rows[size_t(row + Ahead - 1)];
            if (slot > 0 && slot <= next->cellSlots)
                __builtin_prefetch(&next->cells[size_t(slot - 1)]);
            if (row + 2 * Ahead <= lastRow)
                __builtin_prefetch(m_rows[size_t(row + 2 * Ahead - 1)]);
        }
        visit(row, valueOf(m_rows[size_t(row - 1)], slot));
    }
}

const GridStore::Cell* GridStore::ownCell(const Row* r, int slot) const {
    const Cell* c = findCell(r, slot);
    return c && (c->flags & CellSetFlag) ? c : nullptr;
}

const Variant& GridStore::valueOf(const Row* r, int slot) const {
    const Cell* c = ownCell(r, slot);
    return c ? c->value : defaultsOf(r, slot).value;
}

bool GridStore::SetCellValue(int row, const ColRef& col, const Variant& value) {
    Row* r = rowAt(row);
    const int slot = colSlot(col);
    if (!r || slot < 0)
        return false;
    Cell* c = setCellAt(r, slot); // it becomes a cell of its own either way
    if (c->value.sameAs(value))
        return true;
    c->value = value;
    cellChanged(row, slot);
    return true;
}

bool GridStore::SetCellText(int row, const ColRef& col, const QString& text) {
    Row* r = rowAt(row);
    const int slot = colSlot(col);
    if (!r || slot < 0)
        return false;
    Cell* c = setCellAt(r, slot); // it becomes a cell of its own either way
    if (c->value.isText(text))
        return true;
    c->value.assignText(text);
    cellChanged(row, slot);
    return true;
}

QString GridStore::cellText(const Row* r, int slot) const {
    const Variant& value = valueOf(r, slot);
    const CellStyle& s = look(r, slot);
    if (s.cellType == CellTypeCombo && m_comboText) {
        if (auto text = m_comboText(s.comboList, value))
            return *text;
    }
    return s.formatString.isEmpty() ? value.toString() : vb::Format(value, s.formatString);
}

QStringView GridStore::CellTextView(int row, const ColRef& col, QString& storage) const {
    const Row* r = rowAt(row);
    const int slot = colSlot(col);
    if (!r || slot < 0)
        return {};
    const Variant& value = valueOf(r, slot);
    const CellStyle& s = look(r, slot);
    if (value.type() == VarType::String && s.formatString.isEmpty() && s.cellType != CellTypeCombo)
        return value.textView();
    storage = cellText(r, slot);
    return storage;
}

QString GridStore::CellText(int row, const ColRef& col) const {
    const Row* r = rowAt(row);
    const int slot = colSlot(col);
    return r && slot >= 0 ? cellText(r, slot) : QString();
}

// ---------------------------------------------------------------------------------------
// Cells: looks and fonts

const CellStyle& GridStore::CellLook(int row, const ColRef& col) const {
    const Row* r = rowAt(row);
    const int slot = colSlot(col);
    if (r && slot >= 0)
        return look(r, slot);
    const GridColumn* c = columnForSlot(slot);
    return c ? c->m_defaults : m_styles.front();
}

int GridStore::materializedCells(int row) const {
    const Row* r = rowAt(row);
    if (!r)
        return 0;
    int n = (r->flags & RowHasRowText) && (m_rowTextCells.at(r)->flags & CellSetFlag) ? 1 : 0;
    for (int i = 0; i < r->cellSlots; ++i)
        n += (r->cells[size_t(i)].flags & CellSetFlag) ? 1 : 0;
    return n;
}

bool GridStore::changeLook(int row, Row* r, int slot,
                           const std::function<void(CellStyle&)>& change) {
    CellStyle next = look(r, slot);
    change(next);
    const quint32 id = intern(next);
    Cell* c = setCellAt(r, slot);
    if (c->style != id) {
        c->style = id;
        cellChanged(row, slot);
    }
    return true;
}

bool GridStore::changeCellLook(int row, const ColRef& col,
                               const std::function<void(CellStyle&)>& change) {
    Row* r = rowAt(row);
    const int slot = colSlot(col);
    return r && slot >= 0 && changeLook(row, r, slot, change);
}

FontData GridStore::fontData() const {
    return m_font.data();
}
FontObject GridStore::Font() const {
    return m_font.handle();
}
void GridStore::SetFont(const FontObject& font) {
    m_font.assign(font);
}

FontData GridStore::cellFontData(int row, const ColRef& col) const {
    const auto& font = CellLook(row, col).font;
    return font ? *font : m_font.data();
}

FontData GridStore::fontOfCell(const Row* r, const GridColumn* col) const {
    const auto& font = look(r, col->m_index == RowTextColIndex ? 0 : col->m_index).font;
    return font ? *font : m_font.data();
}

void GridStore::setFontOfCell(const Row* r, const GridColumn* col, const FontData& font) {
    const int row = rowIndexOf(r);
    const int slot = col->m_index == RowTextColIndex ? 0 : col->m_index;
    if (row > 0 && slot >= 0)
        changeLook(row, m_rows[size_t(row - 1)], slot, [&](CellStyle& s) { s.font = font; });
}

FontObject GridStore::CellFont(int row, const ColRef& col) {
    const Row* r = rowAt(row);
    const GridColumn* c = ColObject(col);
    if (!r || !c)
        return FontObject(m_font.data()); // nothing to bind to: a free copy of the grid font
    auto target = std::make_shared<CellFontTarget>(this, r, c);
    std::erase_if(m_cellFontTargets, [](const auto& w) { return w.expired(); });
    m_cellFontTargets.push_back(target);
    return FontObject(std::static_pointer_cast<FontTarget>(target));
}

void GridStore::detachFontTargets(const std::function<bool(const Row*, const GridColumn*)>& dead) {
    std::erase_if(m_cellFontTargets, [&](const std::weak_ptr<CellFontTarget>& w) {
        auto t = w.lock();
        if (t && dead(t->row(), t->column())) {
            t->detach();
            return true;
        }
        return !t;
    });
}

bool GridStore::SetCellFont(int row, const ColRef& col, const FontObject& font) {
    const FontData data = font.data();
    return changeCellLook(row, col, [&](CellStyle& s) { s.font = data; });
}

bool GridStore::ResetCellFont(int row, const ColRef& col) {
    const GridColumn* c = ColObject(col);
    if (!c)
        return false;
    const auto columnFont = c->m_defaults.font;
    return changeCellLook(row, col, [&](CellStyle& s) { s.font = columnFont; });
}

// ---------------------------------------------------------------------------------------
// Cells: look members

OleColor GridStore::CellForeColor(int row, const ColRef& col) const {
    return CellLook(row, col).foreColor;
}
bool GridStore::SetCellForeColor(int row, const ColRef& col, OleColor color) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.foreColor = color; });
}
OleColor GridStore::CellBackColor(int row, const ColRef& col) const {
    return CellLook(row, col).backColor;
}
bool GridStore::SetCellBackColor(int row, const ColRef& col, OleColor color) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.backColor = color; });
}
int GridStore::CellIcon(int row, const ColRef& col) const {
    return CellLook(row, col).icon;
}
bool GridStore::SetCellIcon(int row, const ColRef& col, int icon) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.icon = icon; });
}
int GridStore::CellIconAlign(int row, const ColRef& col) const {
    return CellLook(row, col).iconAlign;
}
bool GridStore::SetCellIconAlign(int row, const ColRef& col, int align) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.iconAlign = qint8(align); });
}
int GridStore::CellCheckState(int row, const ColRef& col) const {
    return CellLook(row, col).checkState;
}
bool GridStore::SetCellCheckState(int row, const ColRef& col, int state) {
    if (state < CheckUnchecked || state > CheckGrayed)
        return false;
    return changeCellLook(row, col, [&](CellStyle& s) { s.checkState = qint8(state); });
}
bool GridStore::CellCheckBoxVisible(int row, const ColRef& col) const {
    return CellLook(row, col).checkBoxVisible;
}
bool GridStore::SetCellCheckBoxVisible(int row, const ColRef& col, bool visible) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.checkBoxVisible = visible; });
}
int GridStore::CellCheckBoxAlign(int row, const ColRef& col) const {
    return CellLook(row, col).checkBoxAlign;
}
bool GridStore::SetCellCheckBoxAlign(int row, const ColRef& col, int align) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.checkBoxAlign = qint8(align); });
}
int GridStore::CellType(int row, const ColRef& col) const {
    return CellLook(row, col).cellType;
}
bool GridStore::SetCellType(int row, const ColRef& col, int type) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.cellType = qint8(type); });
}
QString GridStore::CellComboList(int row, const ColRef& col) const {
    return CellLook(row, col).comboList;
}
bool GridStore::SetCellComboList(int row, const ColRef& col, const QString& list) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.comboList = list; });
}
int GridStore::CellAlignment(int row, const ColRef& col) const {
    return CellLook(row, col).alignment;
}
bool GridStore::SetCellAlignment(int row, const ColRef& col, int align) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.alignment = qint8(align); });
}
int GridStore::CellVAlignment(int row, const ColRef& col) const {
    return CellLook(row, col).vAlignment;
}
bool GridStore::SetCellVAlignment(int row, const ColRef& col, int align) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.vAlignment = qint8(align); });
}
QString GridStore::CellFormatString(int row, const ColRef& col) const {
    return CellLook(row, col).formatString;
}
bool GridStore::SetCellFormatString(int row, const ColRef& col, const QString& format) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.formatString = format; });
}
int GridStore::CellIndentLeft(int row, const ColRef& col) const {
    return CellLook(row, col).indentLeft;
}
bool GridStore::SetCellIndentLeft(int row, const ColRef& col, int px) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.indentLeft = qint16(px); });
}
int GridStore::CellIndentRight(int row, const ColRef& col) const {
    return CellLook(row, col).indentRight;
}
bool GridStore::SetCellIndentRight(int row, const ColRef& col, int px) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.indentRight = qint16(px); });
}
int GridStore::CellIndentTop(int row, const ColRef& col) const {
    return CellLook(row, col).indentTop;
}
bool GridStore::SetCellIndentTop(int row, const ColRef& col, int px) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.indentTop = qint16(px); });
}
int GridStore::CellIndentBottom(int row, const ColRef& col) const {
    return CellLook(row, col).indentBottom;
}
bool GridStore::SetCellIndentBottom(int row, const ColRef& col, int px) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.indentBottom = qint16(px); });
}
quint32 GridStore::CellTextFlags(int row, const ColRef& col) const {
    return CellLook(row, col).textFlags;
}
bool GridStore::SetCellTextFlags(int row, const ColRef& col, quint32 flags) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.textFlags = flags; });
}
quint32 GridStore::CellStyleFlags(int row, const ColRef& col) const {
    return CellLook(row, col).styleFlags;
}
bool GridStore::SetCellStyleFlags(int row, const ColRef& col, quint32 flags) {
    return changeCellLook(row, col, [&](CellStyle& s) { s.styleFlags = flags; });
}

// ---------------------------------------------------------------------------------------
// Cells: selected bits

bool GridStore::CellSelected(int row, const ColRef& col) const {
    const Row* r = rowAt(row);
    const int slot = colSlot(col);
    return r && slot >= 0 && r->selected.test(slot);
}

qsizetype GridStore::selectedCellCount() const {
    const int cols = ColCount();
    qsizetype count = 0;
    for (const Row* r : m_rows)
        if ((r->flags & (RowSelectedFlag | RowFoldedFlag)) == RowSelectedFlag)
            count += r->selected.count(1, cols);
    return count;
}

void GridStore::writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const {
    const int cols = ColCount();
    const GridCellPos* start = out;
    int first = cols + 1, last = 0;
    for (size_t i = 0; i < m_rows.size(); ++i) {
        const Row* r = m_rows[i];
        if ((r->flags & (RowSelectedFlag | RowFoldedFlag)) != RowSelectedFlag)
            continue; // folded rows keep their selection for when they show again
        const int row = int(i) + 1;
        GridCellPos* rowStart = out;
        r->selected.forEach(1, cols, [&](int slot) { *out++ = {row, slot}; });
        if (out != rowStart) {
            first = std::min(first, rowStart->col);
            last = std::max(last, (out - 1)->col);
        }
    }
    *firstCol = out == start ? 0 : first;
    *lastCol = last;
}

bool GridStore::SetCellSelected(int row, const ColRef& col, bool selected) {
    Row* r = rowAt(row);
    const int slot = colSlot(col);
    if (!r || slot < 0)
        return false;
    if (r->selected.set(slot, selected))
        cellChanged(row, slot);
    return true;
}

void GridStore::clearCellSelection() {
    for (Row* r : m_rows) {
        r->flags &= quint16(~RowSelectedFlag);
        r->selected.clear();
    }
    notify({GridChange::RowsReset});
}
