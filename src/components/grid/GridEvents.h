#pragma once
// Arguments of the grid's events. Events are signals of TessixGrid; an event whose handler
// answers something (cancel, do-default, a result, a text, a colour) passes one of these
// structs by non-const reference, with the outputs already holding the grid's own choice.
// Events with only plain inputs (CellMouseEnter, CurRowChange...) pass them directly.

#include "components/grid/FontObject.h"
#include "components/grid/GridDataObject.h"
#include "components/grid/GridTypes.h"
#include "runtime/Variant.h"

#include <QRect>
#include <QString>
#include <optional>

class QPainter;

// Mouse buttons and shift state as the windows test them.
enum GridMouseButton : int { MouseNone = 0, MouseLeft = 1, MouseRight = 2, MouseMiddle = 4 };
enum GridShiftState : int { ShiftNone = 0, ShiftShift = 1, ShiftCtrl = 2, ShiftAlt = 4 };

// CellMouseDown, CellMouseUp, CellMouseMove. row 0 = header or no row; col 0 = no column;
// col = RowTextColIndex over a group row or a row-text area. x, y in viewport pixels.
struct CellMouseArgs {
    int button = MouseNone;
    int shift = ShiftNone;
    int x = 0;
    int y = 0;
    int row = 0;
    int col = 0;
    bool doDefault = true; // False: no selection or current-cell change
};

// CellDblClick.
struct CellDblClickArgs {
    int row = 0;
    int col = 0;
    bool doDefault = true; // False: the grid does not start editing
};

// ColHeaderClick.
struct ColHeaderClickArgs {
    int col = 0;
    bool doDefault = true; // False: the click does not sort
    int button = MouseLeft;
    int shift = ShiftNone;
};

// BeforeColDrag.
struct BeforeColDragArgs {
    int col = 0;
    bool cancel = false;
    bool lastInArea = false; // the only column left in the frozen or the scrolling area
};

// ColHeaderDragOver: raised when a dragged column is dropped at a new place.
struct ColHeaderDragOverArgs {
    int col = 0;
    int newPos = 0; // display position
    bool cancel = false;
    bool crossesBoundary = false; // moves between the frozen and the scrolling area
};

// KeyDown: keyCode uses the windows' codes (45 Insert, 46 Delete, 116 F5...).
struct KeyDownArgs {
    int keyCode = 0; // set to 0: the grid ignores the key
    int shift = ShiftNone;
    bool doDefault = true; // False: the grid does not process the key further
};

// KeyPress: the typed character; set to 0 to drop it.
struct KeyPressArgs {
    int keyAscii = 0;
};

// RequestCellToolTip (row, col) and RequestColHeaderToolTip (row 0, col). A tooltip shows
// only when the handler gives a text; CR LF breaks lines.
enum GridToolTipIcon : int {
    ToolTipIconNone = 0,
    ToolTipIconInfo = 1,
    ToolTipIconWarning = 2,
    ToolTipIconError = 3
};
struct ToolTipArgs {
    int row = 0;
    int col = 0;
    QString text;
    int icon = ToolTipIconNone;
    QString title;
};

// DynamicFormattingEvents bits: which formatting events painting raises.
enum GridDynamicFormatBits : int {
    DynamicRowFormat = 1,  // RowDynamicFormat
    DynamicCellText = 4,   // CellDynamicText
    DynamicCellFormat = 8, // CellDynamicFormat
};

// RowDynamicFormat: applies to the row's cells for this drawing only.
struct RowDynamicFormatArgs {
    int row = 0;
    OleColor foreColor = DefaultColor; // DefaultColor: keep the cells' own
    std::optional<FontObject> font;    // none: keep the cells' own
};

// CellDynamicFormat, raised after RowDynamicFormat; arrives with the row's outputs.
struct CellDynamicFormatArgs {
    int row = 0;
    int col = 0;
    Variant value;
    OleColor foreColor = DefaultColor;
    OleColor backColor = DefaultColor;
    std::optional<FontObject> font;
};

// CellDynamicText: text arrives as the grid would draw it (format string applied).
struct CellDynamicTextArgs {
    int row = 0;
    int col = 0;
    Variant value;
    QString text;
};

// CustomDrawCell, CustomDrawCellBackground, CustomDrawCellForeground. The painter is clipped
// to the cell; right and bottom are exclusive. The handler may change the painter's state
// (pen, font, clip) but should restore it; the grid saves and restores it around the call
// anyway.
struct CustomDrawCellArgs {
    int row = 0;
    int col = 0;
    QPainter& painter;
    int left = 0;
    int top = 0;
    int right = 0;  // exclusive
    int bottom = 0; // exclusive
    bool selected = false;

    QRect rect() const { return QRect(left, top, right - left, bottom - top); }
};

// RequestCustomDrawCellSize: the size a custom-drawn cell needs; used by the fitting methods.
struct CustomDrawCellSizeArgs {
    int row = 0;
    int col = 0;
    int width = 0;
    int height = 0;
};

// CustomSort: compare value1 with value2 for a column of sort type 98.
struct CustomSortArgs {
    int col = 0;
    int row1 = 0; // the rows the values come from (0 when not known)
    int row2 = 0;
    Variant value1;
    Variant value2;
    int result = 0; // < 0, 0, > 0
};

// ----- Editing (GridEditor) -----

// RequestEdit: raised before an editor opens (text editor or drop-down list).
enum GridEditTextStyle : int { EditTextNormal = 0, EditTextUpperCase = 8 };
struct RequestEditArgs {
    int row = 0;
    int col = 0;
    int keyAscii = 0;    // the character that started the edit, 0 when not started by typing
    bool cancel = false; // True: no editor opens
    QString text;        // the editor's starting text
    int maxLength = 0;   // 0 = no limit
    int textStyle = EditTextNormal; // EditTextUpperCase: typed letters become capitals
};

// EditKeyPress: a character typed in the text editor; keyAscii := 0 discards it.
struct EditKeyPressArgs {
    int row = 0;
    int col = 0;
    int keyAscii = 0;
};

// TextEditKeyDown: a key pressed in the text editor; keyCode := 0 makes the editor ignore it.
struct TextEditKeyDownArgs {
    int row = 0;
    int col = 0;
    int keyCode = 0; // KeyDown codes (13 Enter, 27 Esc, 114 F3...)
    int shift = ShiftNone;
};

// BeforeCommitEdit result codes.
enum GridCommitResult : int { CommitDiscard = 0, CommitStore = 1, CommitStay = 2 };
// What is being committed (the eighth argument).
enum GridEditKind : int { EditKindText = 0, EditKindCombo = 1, EditKindCheckBox = 2 };

// BeforeCommitEdit: raised before an edited value is stored.
struct BeforeCommitEditArgs {
    int row = 0;
    int col = 0;
    int result = CommitStore;
    QString newText;
    Variant newValue;
    Variant oldValue;     // sixth: the cell's value now
    bool canStay = false; // whether CommitStay can keep the editor open
    int kind = EditKindText;
};

// BeforeContextMenu: area 1 a row's cell, 2 a column header, 3 the rows area below the last
// row, 4 the header area beyond the last column, 5 the cell text editor. x, y in viewport
// pixels (editor pixels for area 5).
enum GridMenuArea : int {
    MenuAreaCell = 1,
    MenuAreaHeader = 2,
    MenuAreaNoRow = 3,
    MenuAreaNoColumn = 4,
    MenuAreaEditor = 5
};
struct BeforeContextMenuArgs {
    int area = 0;
    int row = 0;
    int col = 0;
    bool show = true; // False for area 5 on entry: the editor's own menu without our items
    int x = 0;
    int y = 0;
};

// GetGroupValue: raised while grouping, per row and criterion. The handler may replace the
// value the rows are banded and ordered by, and the band's caption.
struct GetGroupValueArgs {
    int row = 0;
    int col = 0;
    Variant value; // the cell's value
    // in: what the criterion's sort type orders by: the cell's value, its shown text (4),
    // its icon index (5) or its check state (13).
    Variant groupValue;
    QString caption; // in: the cell's shown text
};

// RequestNewRow (virtual mode): the grid is about to add row `row`. noMoreRows = true: it
// adds none and asks no more until it is emptied.
struct RequestNewRowArgs {
    int row = 0;
    bool noMoreRows = false;
};

// Scroll bars: 0 horizontal, 1 vertical.
enum GridScrollBarCode : int { ScrollBarHorizontal = 0, ScrollBarVertical = 1 };
// ScrollBarBeforeScroll reasons.
enum GridScrollReason : int {
    ScrollLineUpOrLeft = 0,
    ScrollLineDownOrRight = 1,
    ScrollPageUpOrLeft = 2,
    ScrollPageDownOrRight = 3,
    ScrollThumbPosition = 4,
    ScrollThumbTrack = 5,
};
// DisplayMode of a scroll bar.
enum GridScrollBarMode : int { ScrollBarNever = 0, ScrollBarWhenNeeded = 1, ScrollBarAlways = 2 };

// ----- Drag and drop with other programs (GridDragDrop) -----

// OLEStartDrag: OLEDrag asks for the data. A handler that sets none drags the selection as
// text (Ctrl+C's text); allowedEffects 0 starts no drag.
struct OLEStartDragArgs {
    GridDataObject& data;
    int allowedEffects = DropEffectCopy; // GridDropEffect bits
};

// OLECompleteDrag: the drag OLEDrag started has ended.
struct OLECompleteDragArgs {
    int effect = DropEffectNone; // what the target did; none = cancelled, refused or not started
};

// OLEDragOver state.
enum GridDragState : int { DragStateEnter = 0, DragStateLeave = 1, DragStateOver = 2 };

// OLEDragDrop: a drop on the grid; effect arrives as the last OLEDragOver left it and goes
// back to the source as the handler leaves it (0: nothing was done). x, y in viewport pixels.
struct OLEDragDropArgs {
    GridDataObject& data;
    int effect = DropEffectNone;
    int button = MouseNone;
    int shift = ShiftNone;
    int x = 0;
    int y = 0;
};

// OLEDragOver: something is dragged over the grid (OLEDropMode 1), the drop's arguments and
// the state. effect arrives as the effects the source offers; the handler narrows it, 0
// refuses (the no-drop cursor).
struct OLEDragOverArgs : OLEDragDropArgs {
    int state = DragStateOver;
};
