#pragma once
// The Tessix grid widget and its public members: what a window may use. The widget is a
// facade: every member is a one-line forward to the part that does the job (GridPrivate
// and the units it owns, under model/, view/, input/ and core/). Member names follow the
// windows' use: P() reads, SetP() writes; rows and columns 1-based.

#include "components/grid/FontObject.h"
#include "components/grid/GridColumn.h"
#include "components/grid/GridComboLists.h"
#include "components/grid/GridContextMenu.h"
#include "components/grid/GridEvents.h"
#include "components/grid/GridHeader.h"
#include "components/grid/GridRecordSource.h"
#include "components/grid/GridScrollBar.h"
#include "components/grid/GridSelItems.h"
#include "components/grid/GridSortObject.h"
#include "components/grid/GridTypes.h"

#include <QAbstractScrollArea>
#include <QList>
#include <QPixmap>
#include <memory>
#include <optional>

class GridPrivate;

// Optional attributes of CreateFont: unset ones come from the grid's font.
struct CreateFontArgs {
    std::optional<QString> Name = {};
    std::optional<double> Size = {};
    std::optional<bool> Bold = {};
    std::optional<bool> Italic = {};
};

// The per-cell members (getter and setter pairs, read and written in the store) as
// X(type, name), and the grid-wide look members (writing repaints) as X(type, name, field).
#define TESSIX_GRID_CELL_MEMBERS(X)                                                                \
    X(OleColor, CellForeColor)                                                                     \
    X(OleColor, CellBackColor)                                                                     \
    X(int, CellIcon)                                                                               \
    X(int, CellIconAlign)                                                                          \
    X(int, CellCheckState)                                                                         \
    X(bool, CellCheckBoxVisible)                                                                   \
    X(int, CellCheckBoxAlign)                                                                      \
    X(int, CellType)                                                                               \
    X(QString, CellComboList)                                                                      \
    X(int, CellAlignment)                                                                          \
    X(int, CellVAlignment)                                                                         \
    X(QString, CellFormatString)                                                                   \
    X(int, CellIndentLeft)                                                                         \
    X(int, CellIndentRight)                                                                        \
    X(int, CellIndentTop)                                                                          \
    X(int, CellIndentBottom)                                                                       \
    X(quint32, CellTextFlags)                                                                      \
    X(quint32, CellStyleFlags)
#define TESSIX_GRID_LOOK_MEMBERS(X)                                                                \
    X(OleColor, BackColor, backColor)                                                              \
    X(OleColor, ForeColor, foreColor)                                                              \
    X(OleColor, BackColorOddRows, backColorOddRows)                                                \
    X(OleColor, BackColorEvenRows, backColorEvenRows)                                              \
    X(QPixmap, BackgroundPicture, backgroundPicture)                                               \
    X(int, GridLines, gridLines)                                                                   \
    X(OleColor, GridLinesColor, gridLinesColor)                                                    \
    X(int, DragGridLines, dragGridLines)                                                           \
    X(OleColor, SelForeColor, selForeColor)                                                        \
    X(OleColor, SelBackColor, selBackColor)                                                        \
    X(OleColor, SelForeColorNoFocus, selForeColorNoFocus)                                          \
    X(OleColor, SelBackColorNoFocus, selBackColorNoFocus)                                          \
    X(OleColor, FocusRectColor1, focusRectColor1)                                                  \
    X(OleColor, FocusRectColor2, focusRectColor2)                                                  \
    X(bool, ShowFocusRect, showFocusRect)                                                          \
    X(bool, HighlightSelCells, highlightSelCells)                                                  \
    X(bool, HighlightSelIcons, highlightSelIcons)                                                  \
    X(bool, UseOSStyleContents, useOSStyleContents)                                                \
    X(bool, ShowControlsInAllCells, showControlsInAllCells)                                        \
    X(bool, GrayIconsWhenDisabled, grayIconsWhenDisabled)                                          \
    X(int, DynamicFormattingEvents, dynamicFormattingEvents)                                       \
    X(bool, ShowRowText, showRowText)

#define TESSIX_DECLARE_CELL_MEMBER(Type, Name)                                                     \
    Type Name(int row, const ColRef& col) const;                                                   \
    void Set##Name(int row, const ColRef& col, Type value);
#define TESSIX_DECLARE_LOOK_MEMBER(Type, Name, field)                                              \
    Type Name() const;                                                                             \
    void Set##Name(Type value);

class TessixGrid : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TessixGrid(QWidget* parent = nullptr);
    ~TessixGrid() override;

    // ----- Structure -----
    GridColumn* AddCol(const QString& key = {}, const QString& headerText = {}, int width = -1,
                       int sortType = SortTypeByValue, const ColRef& before = 0);
    bool RemoveCol(const ColRef& col);
    int ColCount() const;
    void SetColCount(int count);
    QString ColKey(const ColRef& col) const;
    bool SetColKey(const ColRef& col, const QString& key);
    int ColIndex(const ColRef& col) const;
    int ColPos(const ColRef& col) const;
    int ColAtPos(int pos) const;
    bool SetColPos(const ColRef& col, int pos);
    GridColumn* ColObject(const ColRef& col) const;
    int ColWidth(const ColRef& col) const;
    void SetColWidth(const ColRef& col, int px);
    bool ColVisible(const ColRef& col) const;
    void SetColVisible(const ColRef& col, bool visible);
    void Clear(bool removeCols = false);
    int AddRow(const AddRowArgs& args = {});
    bool RemoveRow(int row);
    int RowCount() const;
    void SetRowCount(int count);
    int FindRow(const ColRef& col, const QString& text) const;
    int FindRowByKey(const QString& key) const;

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
    int ColSortIndex(const ColRef& col) const;
    void SetColSortIndex(const ColRef& col, int index);

    // ----- Cells -----
    Variant CellValue(int row, const ColRef& col) const;
    // A check box shows the value written (GridEditor.cpp); no events.
    void SetCellValue(int row, const ColRef& col, const Variant& v);
    // A text goes straight into the cell, with no Variant in between: filling a grid writes
    // texts by the million.
    void SetCellValue(int row, const ColRef& col, const QString& text);
    void SetCellValue(int row, const ColRef& col, const char* text);
    QString CellText(int row, const ColRef& col) const;
    FontObject CellFont(int row, const ColRef& col);
    void SetCellFont(int row, const ColRef& col, const FontObject& font);
    void ResetCellFont(int row, const ColRef& col);
    TESSIX_GRID_CELL_MEMBERS(TESSIX_DECLARE_CELL_MEMBER)
    // Cell rectangle in the viewport's pixels; all 0 when the cell is not shown.
    void GetCellRect(int row, const ColRef& col, int& left, int& top, int& width,
                     int& height) const;

    // ----- Rows -----
    int RowHeight(int row) const;
    void SetRowHeight(int row, int px);
    int RowCellsHeight(int row) const;
    void SetRowCellsHeight(int row, int px);
    bool RowVisible(int row) const;
    void SetRowVisible(int row, bool visible);
    Variant RowTag(int row) const;
    void SetRowTag(int row, const Variant& tag);
    QObject* RowTagObject(int row) const;
    void SetRowTagObject(int row, QObject* object);
    QString RowKey(int row) const;
    bool RowIsGroup(int row) const;
    void SetRowIsGroup(int row, bool group);
    int RowTreeButton(int row) const;
    void SetRowTreeButton(int row, int button);
    bool RowExpanded(int row) const;
    // Collapsing hides the row's descendants; a current cell among them moves to the row.
    void SetRowExpanded(int row, bool expanded);
    int ParentRow(int row) const;

    // ----- Grid-wide look -----
    TESSIX_GRID_LOOK_MEMBERS(TESSIX_DECLARE_LOOK_MEMBER)
    int SelAlpha() const;
    void SetSelAlpha(int alpha); // clamped to 0..255
    int FocusRectThickness() const;
    void SetFocusRectThickness(int px); // clamped to 1..3
    int BorderStyle() const;
    void SetBorderStyle(int style); // 0 none, 2 thin, 3 sunken; other values ignored
    bool Enabled() const;
    void SetEnabled(bool enabled);
    FontObject Font() const;
    void SetFont(const FontObject& font);
    FontObject CreateFont(const CreateFontArgs& args = {}) const;

    // ----- Sizing -----
    int DefaultRowHeight() const;
    void SetDefaultRowHeight(int px);
    int DefaultRowCellsHeight() const;
    void SetDefaultRowCellsHeight(int px);
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
    bool AutoWidthWithHeader() const;
    void SetAutoWidthWithHeader(bool on);
    // The column keeps filling the width left by the others, also when the grid resizes,
    // until StretchCol(0) or until the user resizes it.
    void StretchCol(const ColRef& col);

    // ----- Frozen columns -----
    // The first `count` display positions stay in place at the left while the rest scroll;
    // the count may name columns still to be added. Dragging a header across the edge moves
    // the column between the areas and changes the count.
    int FrozenCols() const;
    void SetFrozenCols(int count);
    int FrozenEdgeWidth() const;
    bool SetFrozenEdgeWidth(int px); // 0 (none) to 10 pixels; false (nothing changes) otherwise
    OleColor FrozenEdgeColor() const;
    void SetFrozenEdgeColor(OleColor color);
    // The edge shows with the grid lines; with this on also while GridLines is none.
    bool DrawFrozenEdgeAlways() const;
    void SetDrawFrozenEdgeAlways(bool on);

    // ----- Row text (ShowRowText is among the look members) -----
    int RowTextCol() const;
    int RowTextStartCol() const;
    void SetRowTextStartCol(const ColRef& col);

    // ----- Header, sorting, layouts -----
    GridHeader& Header();
    const GridHeader& Header() const;
    bool SortOnHeaderClick() const;
    void SetSortOnHeaderClick(bool on);
    bool HeaderClickOption() const;
    void SetHeaderClickOption(bool on);
    void SortByCol(const ColRef& col);
    void Sort();
    void SortChildRows(int row);
    // The column showing tree levels as indents and the rows' buttons; 0 none.
    int TreeCol() const;
    void SetTreeCol(const ColRef& col);
    // Bands by the criteria of SortObject, rebuilt on every call; Ungroup also empties
    // SortObject.
    void Group();
    void Ungroup();
    bool GroupRowsExpanded() const;
    void SetGroupRowsExpanded(bool expanded); // for bands made afterwards
    ::SortObject& SortObject();
    QString ColLayout() const;
    // false (and nothing changes) for a text that does not fit: empty, damaged, of another
    // version or of another set of columns.
    bool SetColLayout(const QString& text);
    QString SortLayout() const;
    bool SetSortLayout(const QString& text);

    // ----- Scroll bars -----
    GridScrollBar& VScrollBar();
    GridScrollBar& HScrollBar();

    // ----- Image lists -----
    void SetImageList(IconList* list);
    // Several lists: column k takes its icons from list k, later columns from the last one.
    void SetImageList(const QList<IconList*>& lists);

    // ----- Information, batching, repainting -----
    // 10: client-area width (scroll bar included); 17: visible columns; 25: allocated rows.
    // Other codes give 0.
    int GetInfo(int item) const;
    // 0 (OS visual styles) and 3 (semi-transparent selection) are always available here.
    bool IsFeatureAvailable(int feature) const;
    int MemMngWantFreeRows() const;
    void SetMemMngWantFreeRows(int rows);
    void BeginUpdate();
    void EndUpdate();
    void Redraw();
    void Refresh();
    void RedrawCell(int row, const ColRef& col);
    void EnsureVisibleRow(int row);

    // ----- Selection and the current cell -----
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

    // ----- Editing: editor, check boxes, combo lists, typing, menus -----
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

    // ----- Drag and drop with other programs -----
    // A drag with the grid as the source: OLEStartDrag gives the data (none set: the
    // selection as text); returns once the user dropped or cancelled, after OLECompleteDrag.
    void OLEDrag();
    int OLEDropMode() const;
    void SetOLEDropMode(int mode); // 0 none, 1 drops reported (OLEDragOver, OLEDragDrop)

    // ----- Recordsets -----
    // The modes (none, 0, 1, 2) are in the grid's README, "Recordset loading". false for
    // another mode or when reading the records failed (the records keep the error).
    bool FillFromRS(GridRecordSource& records, std::optional<int> mode = {});
    // 1: every loaded row gets the text of its record's AbsolutePosition as its key.
    int RowKeysFromRS() const;
    void SetRowKeysFromRS(int value);

    // ----- Virtual mode -----
    // The grid asks for its rows as the view needs them (RequestNewRow, RequestRowData).
    bool VirtualMode() const;
    void SetVirtualMode(bool on);

    // The parts inside, for the grid's own tests and benchmarks: the type is complete only
    // where the grid's internal headers may be included.
    GridPrivate& internals() { return *d; }
    const GridPrivate& internals() const { return *d; }

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
    // Selection: raised for user and program changes alike.
    void BeforeSelectionChange();
    void AfterSelectionChange(bool selContentsChanged);
    void CellSelectionChange(int row, int col, bool selected);
    // Current cell: row, then column, then cell; each only when its part changed.
    void CurRowChange(int row, int previousRow);
    void CurColChange(int col, int previousCol);
    void CurCellChange(int row, int col, int previousRow, int previousCol);
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
    // Drag and drop with other programs (GridEvents.h)
    void OLEStartDrag(OLEStartDragArgs& args);
    void OLECompleteDrag(OLECompleteDragArgs& args);
    void OLEDragOver(OLEDragOverArgs& args);
    void OLEDragDrop(OLEDragDropArgs& args);
    void RequestCellToolTip(ToolTipArgs& args);
    void RequestColHeaderToolTip(ToolTipArgs& args);
    // Editing
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
    // Outline and grouping
    // The user expands (expand True) or collapses a row; before it happens. Children added
    // here show when the row expands.
    void BeforeExpandRow(int row, bool expand);
    void GetGroupValue(GetGroupValueArgs& args);
    void AfterGroupRowCreate(int row);
    // Virtual mode: the grid is about to add row args.row (noMoreRows refuses it and ends
    // the requests until the grid is emptied); then the accepted row waits for its cells.
    void RequestNewRow(RequestNewRowArgs& args);
    void RequestRowData(int row);
    // Scroll bars (bar: 0 horizontal, 1 vertical) and the desktop
    // Before a scroll by the user (bar, keys, wheel); reason GridScrollReason.
    void ScrollBarBeforeScroll(int bar, int reason, bool mouseWheel);
    void ScrollBarPosChanged(int bar, int value);
    void ScrollBarThumbTrack(int bar, int value);
    void ScrollBarEndScroll(int bar);
    // Raised once the layout has settled, for real changes only.
    void ScrollBarThicknessChanged(int bar, int value);
    void ScrollBarVisibilityChanged(int bar, bool visible);
    void ScrollBarEnabledChanged(int bar, bool enabled);
    // The desktop's style or palette changed.
    void OSStyleChange();

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
    void changeEvent(QEvent* e) override;

private:
    class Relay;

    std::unique_ptr<Relay> m_relay; // the parts' events, raised as this widget's signals
    std::unique_ptr<GridPrivate> d;
};

#undef TESSIX_DECLARE_CELL_MEMBER
#undef TESSIX_DECLARE_LOOK_MEMBER
