#pragma once
// The Tessix grid widget and its public members. The facade stays thin: data members go to
// the store (GridStore), sorting to GridSort; the widget owns the geometry (GridGeometry),
// the painting (GridPainter), the header (GridHeader) and the fitting (GridSizing). The
// input units (selection, navigation, mouse and keyboard) plug in through the hooks below.
// Member names follow the windows' use: P() reads, SetP() writes; rows and columns 1-based.

#include "components/grid/FontObject.h"
#include "components/grid/GridColumn.h"
#include "components/grid/GridEvents.h"
#include "components/grid/GridGeometry.h"
#include "components/grid/GridHeader.h"
#include "components/grid/GridPainter.h"
#include "components/grid/GridSort.h"
#include "components/grid/GridStore.h"
#include "components/grid/GridTypes.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPointer>
#include <memory>
#include <optional>

class IconList;
class GridSizing;
class GridInput;
class GridSelItems;
class GridEditor;
class GridContextMenu;
class ComboLists;

// Mouse and keyboard handling plugged into the widget (the input unit implements it).
// Viewport coordinates; each returns whether it handled the event.
class GridInputHandler {
public:
    virtual ~GridInputHandler() = default;
    virtual bool mousePress(QMouseEvent*) { return false; }
    virtual bool mouseMove(QMouseEvent*) { return false; }
    virtual bool mouseRelease(QMouseEvent*) { return false; }
    virtual bool mouseDoubleClick(QMouseEvent*) { return false; }
    virtual bool wheel(QWheelEvent*) { return false; }
    virtual bool keyPress(QKeyEvent*) { return false; }
    virtual void pointerLeft() {}
    virtual void focusChanged(bool /*hasFocus*/) {}
};

// Optional attributes of CreateFont: unset ones come from the grid's font.
struct CreateFontArgs {
    std::optional<QString> Name = {};
    std::optional<double> Size = {};
    std::optional<bool> Bold = {};
    std::optional<bool> Italic = {};
};

// Forwarding of the per-cell members to the store (getter and setter pair).
#define TESSIX_CELL_MEMBER(Type, Name)                                                             \
    Type Name(int row, const ColRef& col) const {                                                  \
        return m_store->Name(row, col);                                                            \
    }                                                                                              \
    void Set##Name(int row, const ColRef& col, Type value) {                                       \
        m_store->Set##Name(row, col, value);                                                       \
    }

// A grid-wide look member kept in GridLook; writing repaints.
#define TESSIX_LOOK_MEMBER(Type, Name, field)                                                      \
    Type Name() const {                                                                            \
        return m_look.field;                                                                       \
    }                                                                                              \
    void Set##Name(Type value) {                                                                   \
        m_look.field = value;                                                                      \
        lookChanged();                                                                             \
    }

class TessixGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TessixGrid(QWidget* parent = nullptr);
    ~TessixGrid() override;

    // ----- Structure -----
    GridColumn* AddCol(const QString& key = {}, const QString& headerText = {}, int width = -1,
                       int sortType = SortTypeByValue, const ColRef& before = 0) {
        return m_store->AddCol(key, headerText, width, sortType, before);
    }
    bool RemoveCol(const ColRef& col) { return m_store->RemoveCol(col); }
    int ColCount() const { return m_store->ColCount(); }
    void SetColCount(int count) { m_store->SetColCount(count); }
    QString ColKey(const ColRef& col) const { return m_store->ColKey(col); }
    bool SetColKey(const ColRef& col, const QString& key) { return m_store->SetColKey(col, key); }
    int ColIndex(const ColRef& col) const { return m_store->ColIndex(col); }
    int ColPos(const ColRef& col) const { return m_store->ColPos(col); }
    int ColAtPos(int pos) const { return m_store->ColAtPos(pos); }
    bool SetColPos(const ColRef& col, int pos) { return m_store->SetColPos(col, pos); }
    GridColumn* ColObject(const ColRef& col) const { return m_store->ColObject(col); }
    int ColWidth(const ColRef& col) const;
    void SetColWidth(const ColRef& col, int px);
    bool ColVisible(const ColRef& col) const;
    void SetColVisible(const ColRef& col, bool visible);
    void Clear(bool removeCols = false) { m_store->Clear(removeCols); }
    int AddRow(const AddRowArgs& args = {}) { return m_store->AddRow(args); }
    bool RemoveRow(int row) { return m_store->RemoveRow(row); }
    int RowCount() const { return m_store->RowCount(); }
    void SetRowCount(int count) { m_store->SetRowCount(count); }
    int FindRow(const ColRef& col, const QString& text) const {
        return m_store->FindRow(col, text);
    }
    int FindRowByKey(const QString& key) const { return m_store->FindRowByKey(key); }

    // ----- Per-column header members -----
    QString ColHeaderText(const ColRef& col) const;
    void SetColHeaderText(const ColRef& col, const QString& text);
    int ColHeaderAlignH(const ColRef& col) const;
    void SetColHeaderAlignH(const ColRef& col, int align);
    int ColHeaderAlignV(const ColRef& col) const;
    void SetColHeaderAlignV(const ColRef& col, int align);
    quint32 ColHeaderTextFlags(const ColRef& col) const;
    void SetColHeaderTextFlags(const ColRef& col, quint32 flags);
    OleColor ColHeaderForeColor(const ColRef& col) const;
    void SetColHeaderForeColor(const ColRef& col, OleColor color);
    OleColor ColHeaderBackColor(const ColRef& col) const;
    void SetColHeaderBackColor(const ColRef& col, OleColor color);
    int ColHeaderIcon(const ColRef& col) const;
    void SetColHeaderIcon(const ColRef& col, int icon);
    bool ColAllowSizing(const ColRef& col) const;
    void SetColAllowSizing(const ColRef& col, bool allow);
    int ColSortType(const ColRef& col) const;
    int ColSortIndex(const ColRef& col) const { return m_sort->ColSortIndex(col); }
    void SetColSortIndex(const ColRef& col, int index);

    // ----- Cells -----
    Variant CellValue(int row, const ColRef& col) const { return m_store->CellValue(row, col); }
    // A check box shows the value written (GridEditor.cpp); no events.
    void SetCellValue(int row, const ColRef& col, const Variant& v);
    // A text goes straight into the cell, with no Variant in between: filling a grid writes
    // texts by the million.
    void SetCellValue(int row, const ColRef& col, const QString& text);
    void SetCellValue(int row, const ColRef& col, const char* text) {
        SetCellValue(row, col, QString::fromUtf8(text));
    }
    QString CellText(int row, const ColRef& col) const { return m_store->CellText(row, col); }
    FontObject CellFont(int row, const ColRef& col) { return m_store->CellFont(row, col); }
    void SetCellFont(int row, const ColRef& col, const FontObject& font) {
        m_store->SetCellFont(row, col, font);
    }
    void ResetCellFont(int row, const ColRef& col) { m_store->ResetCellFont(row, col); }
    TESSIX_CELL_MEMBER(OleColor, CellForeColor)
    TESSIX_CELL_MEMBER(OleColor, CellBackColor)
    TESSIX_CELL_MEMBER(int, CellIcon)
    TESSIX_CELL_MEMBER(int, CellIconAlign)
    TESSIX_CELL_MEMBER(int, CellCheckState)
    TESSIX_CELL_MEMBER(bool, CellCheckBoxVisible)
    TESSIX_CELL_MEMBER(int, CellCheckBoxAlign)
    TESSIX_CELL_MEMBER(int, CellType)
    TESSIX_CELL_MEMBER(QString, CellComboList)
    TESSIX_CELL_MEMBER(int, CellAlignment)
    TESSIX_CELL_MEMBER(int, CellVAlignment)
    TESSIX_CELL_MEMBER(QString, CellFormatString)
    TESSIX_CELL_MEMBER(int, CellIndentLeft)
    TESSIX_CELL_MEMBER(int, CellIndentRight)
    TESSIX_CELL_MEMBER(int, CellIndentTop)
    TESSIX_CELL_MEMBER(int, CellIndentBottom)
    TESSIX_CELL_MEMBER(quint32, CellTextFlags)
    TESSIX_CELL_MEMBER(quint32, CellStyleFlags)
    // Cell rectangle in the viewport's pixels; all 0 when the cell is not shown.
    void GetCellRect(int row, const ColRef& col, int& left, int& top, int& width,
                     int& height) const;

    // ----- Rows -----
    int RowHeight(int row) const { return m_store->RowHeight(row); }
    void SetRowHeight(int row, int px) { m_store->SetRowHeight(row, px); }
    int RowCellsHeight(int row) const { return m_store->RowCellsHeight(row); }
    void SetRowCellsHeight(int row, int px) { m_store->SetRowCellsHeight(row, px); }
    bool RowVisible(int row) const { return m_store->RowVisible(row); }
    void SetRowVisible(int row, bool visible) { m_store->SetRowVisible(row, visible); }
    Variant RowTag(int row) const { return m_store->RowTag(row); }
    void SetRowTag(int row, const Variant& tag) { m_store->SetRowTag(row, tag); }
    QObject* RowTagObject(int row) const { return m_store->RowTagObject(row); }
    void SetRowTagObject(int row, QObject* object) { m_store->SetRowTagObject(row, object); }
    QString RowKey(int row) const { return m_store->RowKey(row); }
    bool RowIsGroup(int row) const { return m_store->RowIsGroup(row); }
    void SetRowIsGroup(int row, bool group) { m_store->SetRowIsGroup(row, group); }
    int RowTreeButton(int row) const { return m_store->RowTreeButton(row); }
    void SetRowTreeButton(int row, int button) { m_store->SetRowTreeButton(row, button); }
    bool RowExpanded(int row) const { return m_store->RowExpanded(row); }
    void SetRowExpanded(int row, bool expanded) { m_store->SetRowExpanded(row, expanded); }
    int ParentRow(int row) const { return m_store->ParentRow(row); }

    // ----- Grid-wide look -----
    TESSIX_LOOK_MEMBER(OleColor, BackColor, backColor)
    TESSIX_LOOK_MEMBER(OleColor, ForeColor, foreColor)
    TESSIX_LOOK_MEMBER(OleColor, BackColorOddRows, backColorOddRows)
    TESSIX_LOOK_MEMBER(OleColor, BackColorEvenRows, backColorEvenRows)
    TESSIX_LOOK_MEMBER(QPixmap, BackgroundPicture, backgroundPicture)
    TESSIX_LOOK_MEMBER(int, GridLines, gridLines)
    TESSIX_LOOK_MEMBER(OleColor, GridLinesColor, gridLinesColor)
    TESSIX_LOOK_MEMBER(int, DragGridLines, dragGridLines)
    TESSIX_LOOK_MEMBER(OleColor, SelForeColor, selForeColor)
    TESSIX_LOOK_MEMBER(OleColor, SelBackColor, selBackColor)
    TESSIX_LOOK_MEMBER(OleColor, SelForeColorNoFocus, selForeColorNoFocus)
    TESSIX_LOOK_MEMBER(OleColor, SelBackColorNoFocus, selBackColorNoFocus)
    TESSIX_LOOK_MEMBER(OleColor, FocusRectColor1, focusRectColor1)
    TESSIX_LOOK_MEMBER(OleColor, FocusRectColor2, focusRectColor2)
    TESSIX_LOOK_MEMBER(bool, ShowFocusRect, showFocusRect)
    TESSIX_LOOK_MEMBER(bool, HighlightSelCells, highlightSelCells)
    TESSIX_LOOK_MEMBER(bool, HighlightSelIcons, highlightSelIcons)
    TESSIX_LOOK_MEMBER(bool, UseOSStyleContents, useOSStyleContents)
    TESSIX_LOOK_MEMBER(bool, ShowControlsInAllCells, showControlsInAllCells)
    TESSIX_LOOK_MEMBER(bool, GrayIconsWhenDisabled, grayIconsWhenDisabled)
    TESSIX_LOOK_MEMBER(int, DynamicFormattingEvents, dynamicFormattingEvents)
    int SelAlpha() const { return m_look.selAlpha; }
    void SetSelAlpha(int alpha); // clamped to 0..255
    int FocusRectThickness() const { return m_look.focusRectThickness; }
    void SetFocusRectThickness(int px); // clamped to 1..3
    int BorderStyle() const { return m_look.borderStyle; }
    void SetBorderStyle(int style); // 0 none, 2 thin, 3 sunken; other values ignored
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    FontObject Font() const { return m_store->Font(); }
    void SetFont(const FontObject& font) { m_store->SetFont(font); }
    FontObject CreateFont(const CreateFontArgs& args = {}) const;

    // ----- Sizing -----
    int DefaultRowHeight() const { return m_store->DefaultRowHeight(); }
    void SetDefaultRowHeight(int px) { m_store->SetDefaultRowHeight(px); }
    int DefaultRowCellsHeight() const { return m_store->DefaultRowCellsHeight(); }
    void SetDefaultRowCellsHeight(int px) { m_store->SetDefaultRowCellsHeight(px); }
    // Arguments in this order: font (none = the grid's), text lines, then the check-box
    // allowance fourth and the combo-button allowance sixth (third and fifth are reserved
    // and ignored), so both allowances sit where the windows pass them.
    int GetOptimalRowHeight(const std::optional<FontObject>& font = {}, int lines = 1,
                            int reserved3 = 0, bool checkBoxes = false, int reserved5 = 0,
                            bool comboButtons = false) const;
    // minHeight / maxHeight: 0 = no limit.
    void AutoHeightRow(int row, int minHeight = 0, int maxHeight = 0);
    void AutoHeightRows();
    void AutoWidthCol(const ColRef& col);
    void AutoWidthCols();
    bool AutoWidthWithHeader() const { return m_autoWidthWithHeader; }
    void SetAutoWidthWithHeader(bool on) { m_autoWidthWithHeader = on; }
    // The column keeps filling the width left by the others, also when the grid resizes,
    // until StretchCol(0) or until the user resizes it.
    void StretchCol(const ColRef& col);
    int stretchedCol() const { return m_stretchCol; }

    // ----- Row text -----
    int RowTextCol() const { return m_store->RowTextCol(); }
    TESSIX_LOOK_MEMBER(bool, ShowRowText, showRowText)
    int RowTextStartCol() const { return m_look.rowTextStartCol; }
    void SetRowTextStartCol(const ColRef& col);

    // ----- Header, sorting, layouts -----
    GridHeader& Header() { return *m_header; }
    const GridHeader& Header() const { return *m_header; }
    bool SortOnHeaderClick() const { return m_sortOnHeaderClick; }
    void SetSortOnHeaderClick(bool on) { m_sortOnHeaderClick = on; }
    bool HeaderClickOption() const { return m_headerClickOption; }
    void SetHeaderClickOption(bool on) { m_headerClickOption = on; }
    void SortByCol(const ColRef& col) { m_sort->SortByCol(col); }
    void Sort() { m_sort->Sort(); }
    void SortChildRows(int row) { m_sort->SortChildRows(row); }
    ::SortObject& SortObject() { return m_sortObject; }
    GridSort& sorter() { return *m_sort; }
    const GridSort& sorter() const { return *m_sort; }
    QString ColLayout() const;
    void SetColLayout(const QString& text);
    QString SortLayout() const;
    void SetSortLayout(const QString& text);

    // ----- Image lists -----
    void SetImageList(IconList* list);
    // Several lists: column k takes its icons from list k, later columns from the last one.
    void SetImageList(const QList<IconList*>& lists);
    QList<IconList*> imageLists() const;

    // ----- Information, batching, repainting -----
    // 10: client-area width (scroll bar included); 17: visible columns; 25: allocated rows.
    // Other codes give 0.
    int GetInfo(int item) const;
    // 0 (OS visual styles) and 3 (semi-transparent selection) are always available here.
    bool IsFeatureAvailable(int feature) const;
    int MemMngWantFreeRows() const { return m_store->MemMngWantFreeRows(); }
    void SetMemMngWantFreeRows(int rows) { m_store->SetMemMngWantFreeRows(rows); }
    void BeginUpdate() { ++m_updateDepth; }
    void EndUpdate();
    bool updating() const { return m_updateDepth > 0; }
    void Redraw() { requestRepaint(); }
    void Refresh();
    void RedrawCell(int row, const ColRef& col);
    void EnsureVisibleRow(int row);

    // ----- For the units of the grid -----
    GridStore& store() { return *m_store; }
    const GridStore& store() const { return *m_store; }
    const GridGeometry& geometry() const { return *m_geometry; }
    const GridLook& look() const { return m_look; }
    // Viewport <-> content coordinates (content 0,0 = first row, first column).
    QPoint contentOffset() const;
    int rowsTop() const { return m_header->shownHeight(); } // where rows start in the viewport
    QRect rowsArea() const;                                 // viewport part that shows rows
    // The cell at a viewport point: {row, col} as GridGeometry::cellAt; {0, col} on the header.
    std::pair<int, int> cellAtPoint(const QPoint& viewportPos) const;
    QRect cellViewportRect(int row, int col) const;
    // Column whose header item is at a viewport point (0 beyond the last column).
    int headerColAt(const QPoint& viewportPos) const;

    // Hooks for the input units.
    void setInputHandler(std::unique_ptr<GridInputHandler> handler);
    bool isCellSelected(int row, int col) const;
    int currentRow() const { return m_currentRow; }
    int currentCol() const { return m_currentCol; }
    void setCurrentCellForPaint(int row, int col);

    // Schedules a repaint (held while updating); layout = scroll ranges too.
    void requestRepaint(bool layout = false);

    // ===== Input: selection, current cell, keyboard, mouse (GridInput.cpp) =====
    bool MultiSelect() const;
    void SetMultiSelect(bool on);
    bool RowMode() const;
    void SetRowMode(bool on);
    // In row mode a cell reads and writes its row's selection.
    bool CellSelected(int row, const ColRef& col) const;
    void SetCellSelected(int row, const ColRef& col, bool selected);
    void ClearSelection();
    GridSelItems& SelItems();
    int CurRow() const;
    void SetCurRow(int row); // keeps the current column (the first shown one when none)
    int CurCol() const;
    // (0, 0) = no current cell. Raises CurRowChange, CurColChange, then CurCellChange.
    void SetCurCell(int row, const ColRef& col);
    bool TabMovesCurCell() const;
    void SetTabMovesCurCell(bool on);
    GridInput& input() { return *m_gridInput; }
    // Whether CellSelectionChange has handlers (it is raised per item only then).
    bool wantsCellSelectionEvents() const;
    // ===== end of input members =====

    // ===== Editing: editor, check boxes, combo lists, typing, menus (GridEditor.cpp) =====
    bool Editable() const;
    void SetEditable(bool on);
    int KeyPressBehaviour() const;       // GridKeyPressBehaviour
    void SetKeyPressBehaviour(int mode); // 0..4; other values are ignored
    int KeyPressSearchCol() const;
    void SetKeyPressSearchCol(const ColRef& col);
    bool SearchFromCurRow() const;
    void SetSearchFromCurRow(bool on);
    bool CyclicSearch() const;
    void SetCyclicSearch(bool on);
    QString EditText() const; // the open text editor's text, "" when none
    void SetEditText(const QString& text);
    int EditSelStart() const; // 0-based caret position in the open editor
    void CommitEdit();
    ::ComboLists& ComboLists();
    GridContextMenu& ContextMenu(int area); // GridMenuArea codes
    GridEditor& editor() { return *m_editor; }
    const GridEditor& editor() const { return *m_editor; }
    // ===== end of editing members =====

Q_SIGNALS:
    // Painting (GridEvents.h)
    void RowDynamicFormat(RowDynamicFormatArgs& args);
    void CellDynamicFormat(CellDynamicFormatArgs& args);
    void CellDynamicText(CellDynamicTextArgs& args);
    void CustomDrawCell(CustomDrawCellArgs& args);
    void CustomDrawCellBackground(CustomDrawCellArgs& args);
    void CustomDrawCellForeground(CustomDrawCellArgs& args);
    void RequestCustomDrawCellSize(CustomDrawCellSizeArgs& args);
    // Sorting
    void CustomSort(CustomSortArgs& args);
    void BeforeSort();
    void AfterSort();
    // ===== Input events (GridInput) =====
    // Selection: raised for user and program changes alike.
    void BeforeSelectionChange();
    void AfterSelectionChange(bool bSelContentsChanged);
    void CellSelectionChange(int lRow, int lCol, bool bSelected);
    // Current cell: row, then column, then cell; each only when its part changed.
    void CurRowChange(int newRow, int previousRow);
    void CurColChange(int newCol, int previousCol);
    void CurCellChange(int lRow, int lCol, int previousRow, int previousCol);
    void KeyDown(KeyDownArgs& args);
    void KeyPress(KeyPressArgs& args);
    // Mouse: row 0 = header or no row, col 0 = no column.
    void CellMouseDown(CellMouseArgs& args);
    void CellMouseUp(CellMouseArgs& args);
    void CellMouseMove(CellMouseArgs& args);
    void CellMouseEnter(int row, int col);
    void CellMouseLeave(int row, int col);
    void CellClick(int row, int col);
    void CellDblClick(CellDblClickArgs& args);
    void ColMouseEnter(int col);
    void ColMouseLeave(int col);
    void ColHeaderClick(ColHeaderClickArgs& args);
    void BeforeColDrag(BeforeColDragArgs& args);
    void ColHeaderDragOver(ColHeaderDragOverArgs& args);
    void AfterColMove();
    void AfterColResize();
    void StartDrag();
    void RequestCellToolTip(ToolTipArgs& args);
    void RequestColHeaderToolTip(ToolTipArgs& args);
    // ===== end of input events =====
    // ===== Editing events (GridEditor) =====
    void RequestEdit(RequestEditArgs& args);
    void EditKeyPress(EditKeyPressArgs& args);
    void EditTextChange(int row, int col);
    void TextEditKeyDown(TextEditKeyDownArgs& args);
    void BeforeCommitEdit(BeforeCommitEditArgs& args);
    void AfterCommitEdit(int row, int col, const Variant& previousValue);
    void EditEnd(int row, int col);
    // After the user toggled a check box; CellCheckState already holds the new state.
    void CellCheckChange(int row, int col, int previousState);
    void BeforeContextMenu(BeforeContextMenuArgs& args);
    void ContextMenuClick(int area, int row, int col, int item);
    // ===== end of editing events =====

protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    friend class GridPainter;
    friend class GridSizing;
    class Space;

    void onStoreChange(const GridChange& change);
    void lookChanged() { requestRepaint(); }
    void updateScrollBars();
    // Scroll ranges and the hot cell under a still pointer follow a new layout.
    void layoutChanged();
    void applyStretch();
    void paintBorder();

    std::unique_ptr<GridStore> m_store;
    std::unique_ptr<GridSort> m_sort;
    ::SortObject m_sortObject;
    std::unique_ptr<Space> m_space;
    std::unique_ptr<GridGeometry> m_geometry;
    std::unique_ptr<GridHeader> m_header; // destroyed before the store its font falls back on
    std::unique_ptr<GridPainter> m_painter;
    std::unique_ptr<GridSizing> m_sizing;
    std::unique_ptr<GridInputHandler> m_input;
    GridLook m_look;
    QList<QPointer<IconList>> m_imageLists;
    int m_updateDepth = 0;
    bool m_pendingRepaint = false;
    bool m_pendingLayout = false;
    bool m_autoWidthWithHeader = true;
    bool m_sortOnHeaderClick = true;
    bool m_headerClickOption = true;
    int m_stretchCol = 0;
    int m_currentRow = 0;
    int m_currentCol = 0;
    GridInput* m_gridInput = nullptr;     // input unit, owned through m_input
    std::unique_ptr<GridEditor> m_editor; // last: goes first, it watches the widget
};

#undef TESSIX_CELL_MEMBER
#undef TESSIX_LOOK_MEMBER
