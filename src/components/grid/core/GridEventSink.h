#pragma once
// Where the grid's units send their events: one call per event, with the event's own name
// and arguments. The widget passes each on as its signal; tests record them. A call does
// nothing unless overridden (nobody listens).

#include "core/GridInternal.h"

#include "components/grid/GridEvents.h"
#include "runtime/Variant.h"

// Every event as X(name, (parameters), (arguments)). The widget declares the same list as
// its signals.
#define TESSIX_GRID_EVENTS(X)                                                                      \
    /* painting */                                                                                 \
    X(RowDynamicFormat, (RowDynamicFormatArgs & args), (args))                                     \
    X(CellDynamicFormat, (CellDynamicFormatArgs & args), (args))                                   \
    X(CellDynamicText, (CellDynamicTextArgs & args), (args))                                       \
    X(CustomDrawCell, (CustomDrawCellArgs & args), (args))                                         \
    X(CustomDrawCellBackground, (CustomDrawCellArgs & args), (args))                               \
    X(CustomDrawCellForeground, (CustomDrawCellArgs & args), (args))                               \
    X(RequestCustomDrawCellSize, (CustomDrawCellSizeArgs & args), (args))                          \
    /* sorting */                                                                                  \
    X(CustomSort, (CustomSortArgs & args), (args))                                                 \
    X(BeforeSort, (), ())                                                                          \
    X(AfterSort, (), ())                                                                           \
    /* selection and the current cell */                                                           \
    X(BeforeSelectionChange, (), ())                                                               \
    X(AfterSelectionChange, (bool selContentsChanged), (selContentsChanged))                       \
    X(CellSelectionChange, (int row, int col, bool selected), (row, col, selected))                \
    X(CurRowChange, (int row, int previousRow), (row, previousRow))                                \
    X(CurColChange, (int col, int previousCol), (col, previousCol))                                \
    X(CurCellChange, (int row, int col, int previousRow, int previousCol),                         \
      (row, col, previousRow, previousCol))                                                        \
    /* keyboard and mouse */                                                                       \
    X(KeyDown, (KeyDownArgs & args), (args))                                                       \
    X(KeyPress, (KeyPressArgs & args), (args))                                                     \
    X(CellMouseDown, (CellMouseArgs & args), (args))                                               \
    X(CellMouseUp, (CellMouseArgs & args), (args))                                                 \
    X(CellMouseMove, (CellMouseArgs & args), (args))                                               \
    X(CellMouseEnter, (int row, int col), (row, col))                                              \
    X(CellMouseLeave, (int row, int col), (row, col))                                              \
    X(CellClick, (int row, int col), (row, col))                                                   \
    X(CellDblClick, (CellDblClickArgs & args), (args))                                             \
    X(ColMouseEnter, (int col), (col))                                                             \
    X(ColMouseLeave, (int col), (col))                                                             \
    X(ColHeaderClick, (ColHeaderClickArgs & args), (args))                                         \
    X(BeforeColDrag, (BeforeColDragArgs & args), (args))                                           \
    X(ColHeaderDragOver, (ColHeaderDragOverArgs & args), (args))                                   \
    X(AfterColMove, (), ())                                                                        \
    X(AfterColResize, (), ())                                                                      \
    X(StartDrag, (), ())                                                                           \
    X(OLEStartDrag, (OLEStartDragArgs & args), (args))                                             \
    X(OLECompleteDrag, (OLECompleteDragArgs & args), (args))                                       \
    X(OLEDragOver, (OLEDragOverArgs & args), (args))                                               \
    X(OLEDragDrop, (OLEDragDropArgs & args), (args))                                               \
    X(RequestCellToolTip, (ToolTipArgs & args), (args))                                            \
    X(RequestColHeaderToolTip, (ToolTipArgs & args), (args))                                       \
    /* editing */                                                                                  \
    X(RequestEdit, (RequestEditArgs & args), (args))                                               \
    X(EditKeyPress, (EditKeyPressArgs & args), (args))                                             \
    X(EditTextChange, (int row, int col), (row, col))                                              \
    X(TextEditKeyDown, (TextEditKeyDownArgs & args), (args))                                       \
    X(BeforeCommitEdit, (BeforeCommitEditArgs & args), (args))                                     \
    X(AfterCommitEdit, (int row, int col, const Variant& previousValue),                           \
      (row, col, previousValue))                                                                   \
    X(EditEnd, (int row, int col), (row, col))                                                     \
    X(CellCheckChange, (int row, int col, int previousState), (row, col, previousState))           \
    X(BeforeContextMenu, (BeforeContextMenuArgs & args), (args))                                   \
    X(ContextMenuClick, (int area, int row, int col, int item), (area, row, col, item))            \
    /* outline and grouping */                                                                     \
    X(BeforeExpandRow, (int row, bool expand), (row, expand))                                      \
    X(GetGroupValue, (GetGroupValueArgs & args), (args))                                           \
    X(AfterGroupRowCreate, (int row), (row))                                                       \
    /* virtual mode */                                                                             \
    X(RequestNewRow, (RequestNewRowArgs & args), (args))                                           \
    X(RequestRowData, (int row), (row))                                                            \
    /* scroll bars and the desktop */                                                              \
    X(ScrollBarBeforeScroll, (int bar, int reason, bool mouseWheel), (bar, reason, mouseWheel))    \
    X(ScrollBarPosChanged, (int bar, int value), (bar, value))                                     \
    X(ScrollBarThumbTrack, (int bar, int value), (bar, value))                                     \
    X(ScrollBarEndScroll, (int bar), (bar))                                                        \
    X(ScrollBarThicknessChanged, (int bar, int value), (bar, value))                               \
    X(ScrollBarVisibilityChanged, (int bar, bool visible), (bar, visible))                         \
    X(ScrollBarEnabledChanged, (int bar, bool enabled), (bar, enabled))                            \
    X(OSStyleChange, (), ())

// Events that cost something per item or per cell, raised only while someone listens.
enum class GridOptionalEvent {
    CellSelectionChange,      // one per changed item: selecting all of a big grid is millions
    CustomDrawCellBackground, // one per painted cell
    CustomDrawCellForeground,
    GetGroupValue, // one per row and criterion while grouping
};

class GridEventSink {
public:
    virtual ~GridEventSink() = default;

    virtual bool listening(GridOptionalEvent) const { return false; }

#define TESSIX_GRID_EVENT_CALL(name, params, args)                                                 \
    virtual void name params {                                                                     \
        ignored args;                                                                              \
    }
    TESSIX_GRID_EVENTS(TESSIX_GRID_EVENT_CALL)
#undef TESSIX_GRID_EVENT_CALL

private:
    template <typename... T> static void ignored(const T&...) {}
};
