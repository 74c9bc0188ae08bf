#pragma once
// The grid's data: columns, rows, cells, keys, row attributes and the shared look table.
//
// Cheap rows: a row is a 32-byte record (plus an 8-byte slot in the order array); its cells
// exist only once one of them is set. Row records live in slabs allocated MemMngWantFreeRows
// + 1 at a time and never move, so sorting and inserting move pointers only and side tables
// (tags, keys, row-text cells) stay attached to their rows.
//
// Cheap cells: a cell is its value plus an index into the interned look table; equal looks
// share one entry. A cell never set costs nothing: it reads the defaults its column had
// when the row was created (the store keeps each column's default history per "epoch").
//
// Rows and columns are 1-based; invalid indexes read as empty/default and writes to them
// are ignored (the setters return false).

#include "core/GridInternal.h"

#include "components/grid/FontObject.h"
#include "components/grid/GridColumn.h"
#include "components/grid/GridTypes.h"
#include "model/CellArena.h"
#include "model/RowSelectionBits.h"
#include "runtime/Variant.h"

#include <QHash>
#include <QPointer>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>
#include <optional>
#include <type_traits>
#include <unordered_map>
#include <vector>

class QObject;
class CellFontTarget;

// What changed, for the grid's parts to turn into repaints and re-layouts.
struct GridChange {
    enum Kind {
        Cell,           // row, col: value or look of one cell
        Row,            // row: a row attribute other than its height (col 0)
        RowHeight,      // row: its height (or cells height)
        RowVisibility,  // row: shown or hidden
        RowsInserted,   // row = first new row, count
        RowsRemoved,    // row = first removed row, count
        RowsReordered,  // permutation: new position -> old position (both 0-based; -1 = new)
        RowsVisibility, // row = first row, count: folded or unfolded under a row
        RowsReset,      // every row changed (Clear, RowCount shrink to 0...)
        Columns,        // columns added, removed or moved (display order)
        Column,         // col: a column setting (width, visibility, header, defaults...)
        Font,           // the grid font
    };
    Kind kind;
    int row = 0;
    int col = 0;
    int count = 0;
    const std::vector<int>* permutation = nullptr;
};

class GridStore {
public:
    using ChangeHandler = std::function<void(const GridChange&)>;
    // Displayed text of a combo cell: the entry text for the value, or nullopt when the list
    // or the entry does not exist (the value's own text is shown then).
    using ComboTextFn = std::function<std::optional<QString>(const QString& list, const Variant&)>;

    GridStore();
    ~GridStore();
    GridStore(const GridStore&) = delete;
    GridStore& operator=(const GridStore&) = delete;

    void setChangeHandler(ChangeHandler handler); // clears setCellChangesCovered
    // While set, Cell changes are not reported: the handler has a repaint pending that covers
    // every cell, and clears this once it is done. A filled grid then skips a call per write.
    void setCellChangesCovered(bool covered) { m_cellChangesCovered = covered; }
    void setComboTextFn(ComboTextFn fn);

    // ----- Columns -----
    // Appends a column, or inserts it before `before` (an existing column). width < 0: the
    // default width. Returns nullptr when the key is taken by another column.
    GridColumn* AddCol(const QString& key = {}, const QString& headerText = {}, int width = -1,
                       int sortType = SortTypeByValue, const ColRef& before = 0);
    bool RemoveCol(const ColRef& col);
    int ColCount() const { return int(m_cols.size()); }
    void SetColCount(int count); // adds key-less columns or drops the last ones
    // Index of a column: a valid index as given, a key's column (RowTextColIndex for the
    // row-text column's key), 0 when there is none.
    int ColIndex(const ColRef& col) const;
    GridColumn* ColObject(const ColRef& col) const; // also the row-text column; nullptr if none
    GridColumn* RowTextColumn() const { return m_rowTextCol.get(); }
    int RowTextCol() const { return RowTextColIndex; }
    QString ColKey(const ColRef& col) const;
    bool SetColKey(const ColRef& col, const QString& key);
    int ColPos(const ColRef& col) const;        // 1-based display position, 0 if none
    int ColAtPos(int pos) const;                // column index at a display position, 0 if none
    bool SetColPos(const ColRef& col, int pos); // moves the column to that display position
    const std::vector<int>& displayOrder() const { return m_order; } // column indexes by position
    // The first display positions that stay in place while the rest scroll. The count is
    // kept as set (it may exceed the columns there are yet, as a window sets it before
    // making them); a column inserted among them or removed from them moves the boundary
    // with it, so the same columns stay frozen.
    int FrozenCols() const { return m_frozenCols; }
    void SetFrozenCols(int count);
    bool colPosFrozen(int pos) const { return pos >= 1 && pos <= m_frozenCols; }
    // Visits the visible columns in display order: visit(index, column object), or
    // visit(index, column object, 1-based display position).
    template <typename Visit> void forEachShownColumn(Visit visit) const {
        int pos = 0;
        for (int col : m_order) {
            ++pos;
            if (const GridColumn* c = ColObject(col); c && c->Visible()) {
                if constexpr (std::is_invocable_v<Visit, int, const GridColumn&, int>)
                    visit(col, *c, pos);
                else
                    visit(col, *c);
            }
        }
    }
    int DefaultColWidth() const { return m_defaultColWidth; }
    void SetDefaultColWidth(int px);

    // ----- Rows -----
    int AddRow(const AddRowArgs& args = {}); // the new row's index, 0 when refused
    bool RemoveRow(int row);
    int RowCount() const { return int(m_rows.size()); }
    void SetRowCount(int count);
    void Clear(bool removeCols = false);
    // The row count is final for a while (a virtual source has ended): the row index gives
    // back the room it grew into.
    void releaseSpareRows() { m_rows.shrink_to_fit(); }

    int RowHeight(int row) const;
    int shownRowHeight(int row) const; // RowHeight, or 0 while the row is hidden
    bool SetRowHeight(int row, int px);
    int RowCellsHeight(int row) const;
    bool SetRowCellsHeight(int row, int px);
    bool RowVisible(int row) const;
    bool SetRowVisible(int row, bool visible);
    Variant RowTag(int row) const;        // Empty when never tagged
    QObject* RowTagObject(int row) const; // nullptr when not an object (or destroyed)
    bool SetRowTag(int row, const Variant& tag);
    bool SetRowTagObject(int row, QObject* object);
    QString RowKey(int row) const;
    bool SetRowKey(int row, const QString& key);
    bool RowIsGroup(int row) const;
    bool SetRowIsGroup(int row, bool group);
    bool RowSelected(int row) const;
    bool SetRowSelected(int row, bool selected);
    // Tree (GridStoreTree.cpp): depth (0 = top level), parent (0 = none), expand state and
    // button. A row's subtree follows it directly; a collapsed row's descendants are folded
    // (no height) and keep their own expand state for when they show again.
    int RowLevel(int row) const;
    int ParentRow(int row) const;
    int lastRowOfSubtree(int row) const; // the row itself when it has no children
    int descendantCount(int row) const;
    bool RowExpanded(int row) const;
    bool SetRowExpanded(int row, bool expanded);
    bool rowFolded(int row) const; // hidden by a collapsed ancestor
    // GridTreeButton: 2 when set so, or when never set and the row has children.
    int RowTreeButton(int row) const;
    bool SetRowTreeButton(int row, int button);
    bool hasTree() const { return m_hasTree; }
    // The row's record stands for the row while rows move: an identity for re-entrancy checks.
    const void* rowId(int row) const;

    // Bands made by grouping (GridStoreTree.cpp).
    struct LayoutEntry {
        int row = 0; // an existing row (1-based), or 0 for a new band
        int level = 0;
        Variant caption; // a new band's row-text value
        bool expanded = true;
    };
    bool RowIsBand(int row) const;
    int bandRowCount(int row) const; // the rows (not bands) a band holds
    // Lays the rows out anew: every row kept appears once in `layout` with its new level;
    // bands not named are removed, new bands (row 0) are made. Reports RowsReordered, with
    // -1 in the permutation for the new bands.
    void relayoutRows(const std::vector<LayoutEntry>& layout);

    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void SetDefaultRowHeight(int px);  // rows created afterwards
    int DefaultRowCellsHeight() const; // follows DefaultRowHeight until set
    void SetDefaultRowCellsHeight(int px);

    // Memory manager: rows are allocated this many extra free slots at a time (0..10000).
    int MemMngWantFreeRows() const { return m_wantFreeRows; }
    void SetMemMngWantFreeRows(int rows);                  // clamped to 0..10000
    int AllocatedRows() const { return int(m_slotCount); } // GetInfo(25)

    int FindRow(const ColRef& col, const QString& text, int startRow = 1) const; // by CellText
    int FindRowByKey(const QString& key) const;

    // ----- Cells -----
    Variant CellValue(int row, const ColRef& col) const;
    // Calls visit(row, value) for the rows firstRow..lastRow of one column, in order: the
    // fast way to read a whole column.
    void visitValues(const ColRef& col, int firstRow, int lastRow,
                     const std::function<void(int, const Variant&)>& visit) const;
    bool SetCellValue(int row, const ColRef& col, const Variant& value);
    // SetCellValue for a text, written straight into the cell.
    bool SetCellText(int row, const ColRef& col, const QString& text);
    QString CellText(int row, const ColRef& col) const; // formatted / combo entry text
    // The same text without a copy where the cell holds it as it is shown (a plain text
    // cell); otherwise made in `storage`, which the view then points into.
    QStringView CellTextView(int row, const ColRef& col, QString& storage) const;
    // The cell's look: its own when it was created, else its column's defaults at the time
    // its row was created. Without a font of its own it shows the grid font (cellFontData).
    const CellStyle& CellLook(int row, const ColRef& col) const;
    FontData cellFontData(int row, const ColRef& col) const; // the font the cell shows

    OleColor CellForeColor(int row, const ColRef& col) const;
    bool SetCellForeColor(int row, const ColRef& col, OleColor color);
    OleColor CellBackColor(int row, const ColRef& col) const;
    bool SetCellBackColor(int row, const ColRef& col, OleColor color);
    FontObject CellFont(int row, const ColRef& col);                      // bound to that cell
    bool SetCellFont(int row, const ColRef& col, const FontObject& font); // stores a copy
    bool ResetCellFont(int row, const ColRef& col); // shows the column's/grid's font again
    int CellIcon(int row, const ColRef& col) const;
    bool SetCellIcon(int row, const ColRef& col, int icon);
    int CellIconAlign(int row, const ColRef& col) const;
    bool SetCellIconAlign(int row, const ColRef& col, int align);
    int CellCheckState(int row, const ColRef& col) const;
    bool SetCellCheckState(int row, const ColRef& col, int state);
    bool CellCheckBoxVisible(int row, const ColRef& col) const;
    bool SetCellCheckBoxVisible(int row, const ColRef& col, bool visible);
    int CellCheckBoxAlign(int row, const ColRef& col) const;
    bool SetCellCheckBoxAlign(int row, const ColRef& col, int align);
    int CellType(int row, const ColRef& col) const;
    bool SetCellType(int row, const ColRef& col, int type);
    QString CellComboList(int row, const ColRef& col) const;
    bool SetCellComboList(int row, const ColRef& col, const QString& list);
    int CellAlignment(int row, const ColRef& col) const;
    bool SetCellAlignment(int row, const ColRef& col, int align);
    int CellVAlignment(int row, const ColRef& col) const;
    bool SetCellVAlignment(int row, const ColRef& col, int align);
    QString CellFormatString(int row, const ColRef& col) const;
    bool SetCellFormatString(int row, const ColRef& col, const QString& format);
    int CellIndentLeft(int row, const ColRef& col) const;
    bool SetCellIndentLeft(int row, const ColRef& col, int px);
    int CellIndentRight(int row, const ColRef& col) const;
    bool SetCellIndentRight(int row, const ColRef& col, int px);
    int CellIndentTop(int row, const ColRef& col) const;
    bool SetCellIndentTop(int row, const ColRef& col, int px);
    int CellIndentBottom(int row, const ColRef& col) const;
    bool SetCellIndentBottom(int row, const ColRef& col, int px);
    quint32 CellTextFlags(int row, const ColRef& col) const;
    bool SetCellTextFlags(int row, const ColRef& col, quint32 flags);
    quint32 CellStyleFlags(int row, const ColRef& col) const;
    bool SetCellStyleFlags(int row, const ColRef& col, quint32 flags);
    // Any look change at once (one interning): `change` edits a copy of the cell's look.
    bool changeCellLook(int row, const ColRef& col, const std::function<void(CellStyle&)>& change);

    // Per-cell selected bit; kept with its row, so it moves with it when rows are sorted or
    // inserted, and needs no cell storage.
    bool CellSelected(int row, const ColRef& col) const;
    bool SetCellSelected(int row, const ColRef& col, bool selected);
    // The selected cells of the rows whose selected bit is set and that are not folded under
    // a collapsed row (columns 1..ColCount): their
    // number, and the cells themselves, ascending by row and then by column, into `out`
    // (room for selectedCellCount() entries) with the lowest and highest column (0 if none).
    qsizetype selectedCellCount() const;
    void writeSelectedCells(GridCellPos* out, int* firstCol, int* lastCol) const;
    void clearCellSelection(); // every cell's and row's selected bit off

    // ----- Grid font -----
    FontObject Font() const;              // bound: edits show at once
    void SetFont(const FontObject& font); // stores a copy
    FontData fontData() const;

    // ----- For sorting, the view and the input units -----
    // Reorders rows: newToOld[i] is the old 0-based position of the row that goes to i. The
    // vector must be a permutation of 0..RowCount-1 (anything else is refused).
    bool applyPermutation(std::vector<int> newToOld);
    // Number of distinct cell looks in the shared table.
    int styleCount() const { return int(m_styles.size()); }
    // Whether any cell or column look ever showed a check box: until then writing values
    // needs no check-state upkeep.
    bool hasCheckBoxLooks() const { return m_checkBoxLooks; }
    // Cells with storage of their own in one row (0 for a row whose cells were never set).
    int materializedCells(int row) const;

private:
    friend class GridColumn;
    friend class CellFontTarget;
    struct Cell;
    struct Row;

    // The lookups every cell access starts with are inline: a grid is filled by the million.
    Row* rowAt(int row) const {
        return row >= 1 && row <= RowCount() ? m_rows[size_t(row - 1)] : nullptr;
    }
    int rowIndexOf(const Row* r) const; // 1-based, 0 when not a live row (linear)
    // 0 = row-text column, 1.. = columns, -1 = none
    int colSlot(const ColRef& col) const {
        if (col.isKey())
            return keySlot(col.key());
        const int i = col.index();
        return i == RowTextColIndex ? 0 : (i >= 1 && i <= ColCount() ? i : -1);
    }
    int keySlot(const QString& key) const;
    GridColumn* keyColumn(const QString& key) const; // nullptr when no column has it
    int colOfSlot(int slot) const { return slot == 0 ? RowTextColIndex : slot; }
    GridColumn* columnForSlot(int slot) const {
        if (slot == 0)
            return m_rowTextCol.get();
        return slot >= 1 && slot <= ColCount() ? m_cols[size_t(slot - 1)].get() : nullptr;
    }
    const GridColumn::DefaultsEntry& defaultsOf(const Row* r, int slot) const; // inline
    static const GridColumn::DefaultsEntry& defaultsAtEpoch(const GridColumn* col, quint32 epoch);
    const Cell* findCell(const Row* r, int slot) const;
    const Cell* ownCell(const Row* r, int slot) const;    // a cell given its own value and look
    const Variant& valueOf(const Row* r, int slot) const; // its own value or its default
    Cell* slotAt(Row* r, int slot);      // storage for the cell, grown as needed (not "set")
    Cell* grownSlotAt(Row* r, int slot); // slotAt beyond the row's storage or in the row text
    // Storage holding the cell's own value and look; a cell set for the first time starts
    // with its column's default.
    Cell* setCellAt(Row* r, int slot);
    const CellStyle& look(const Row* r, int slot) const;
    QString cellText(const Row* r, int slot) const;
    bool changeLook(int row, Row* r, int slot, const std::function<void(CellStyle&)>& change);
    FontData fontOfCell(const Row* r, const GridColumn* col) const;
    void setFontOfCell(const Row* r, const GridColumn* col, const FontData& font);
    bool rowFlag(int row, quint16 flag) const;
    bool setRowFlag(int row, quint16 flag, bool on, GridChange::Kind kind);
    quint32 intern(const CellStyle& style);
    Row* newRow(int level, bool group, int height, bool visible);
    void releaseRow(Row* r);
    Cell* newCells(int count);                     // `count` cells never set, from the arena
    void setCells(Row* r, Cell* cells, int count); // the row's cells are these now
    void destroyCells(Row* r);                     // the room stays with the arena
    void releaseAllRows();
    // Tree upkeep (GridStoreTree.cpp).
    void countChild(int parentRow); // a child is about to go at the end of the parent's subtree
    int liftChildren(int row);      // the row goes: its children move one level up (how many)
    void rebuildTree();             // subtree sizes and folds of every row, in one pass
    void refold(int first, int end, bool hidden); // folds of rows [first, end) (0-based)
    void notify(const GridChange& change) const;
    void cellChanged(int row, int slot) const {
        if (!m_cellChangesCovered)
            notify({GridChange::Cell, row, colOfSlot(slot)});
    }
    void initHistory(GridColumn* col);
    void columnDefaultsChanged(GridColumn* col);
    void columnSettingChanged(GridColumn* col);
    bool columnKeyChange(GridColumn* col, const QString& key);
    void renumberColumns(size_t from);
    void insertColumnSlot(int slot);
    void removeColumnSlot(int slot);
    void detachFontTargets(const std::function<bool(const Row*, const GridColumn*)>& dead);

    std::vector<std::unique_ptr<GridColumn>> m_cols;
    std::unique_ptr<GridColumn> m_rowTextCol;
    QHash<QString, GridColumn*> m_keys; // case-folded key -> column
    std::vector<int> m_order;           // display order: column indexes
    int m_frozenCols = 0;

    std::vector<Row*> m_rows;
    bool m_hasTree = false; // some row has a level above 0
    // The last chain of ancestors looked up (root first, then down to the row asked for),
    // valid while m_treeStamp is unchanged: adding children one after another to the same
    // parent, or walking down a tree, finds the ancestors in O(depth).
    struct Chain {
        quint64 stamp = ~quint64(0);
        std::vector<std::pair<int, Row*>> rows; // (1-based index, record)
    };
    mutable Chain m_chain;
    quint64 m_treeStamp = 0; // bumped by every change that moves rows
    const std::vector<std::pair<int, Row*>>& chainTo(int row) const;
    std::vector<std::unique_ptr<Row[]>> m_slabs;
    CellArena m_cellArena;
    std::vector<Row*> m_freeRows;
    size_t m_slotCount = 0;
    int m_wantFreeRows = 100;

    std::vector<std::unique_ptr<GridColumn>> m_removedCols; // their objects stay valid

    // Column default history: rows remember the epoch they were created in; a default
    // changed after rows were created opens a new epoch.
    quint32 m_epoch = 0;
    bool m_epochUsed = false;

    std::vector<CellStyle> m_styles;
    QHash<CellStyle, quint32> m_styleIndex;
    bool m_checkBoxLooks = false;

    struct TagEntry {
        Variant value;
        QPointer<QObject> object;
    };
    std::unordered_map<const Row*, TagEntry> m_tags;
    std::unordered_map<const Row*, QString> m_rowKeys;
    std::unordered_map<const Row*, std::unique_ptr<Cell>> m_rowTextCells;

    std::vector<std::weak_ptr<CellFontTarget>> m_cellFontTargets;
    FontHolder m_font;

    int m_defaultRowHeight = 18;
    int m_defaultRowCellsHeight = -1; // -1: follows the row height
    int m_defaultColWidth = 80;
    ChangeHandler m_onChange;
    bool m_cellChangesCovered = false;
    ComboTextFn m_comboText;
};
