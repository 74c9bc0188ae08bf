#pragma once
// Drag and drop with other programs: OLEDrag starts a drag with the grid as the source
// (OLEStartDrag for the data, OLECompleteDrag with what the target did); with OLEDropMode 1
// drags over the grid are reported (OLEDragOver) and drops handed to the window
// (OLEDragDrop). The data goes through GridDataObject (GridMimeData.h maps it to Qt's).
//
// Call flow of a drag out:
//   window (StartDrag, CellMouseMove...) -> OLEDrag -> OLEStartDrag -> QDrag::exec, which
//   runs until the user drops or cancels -> OLECompleteDrag
// Call flow of a drop (the viewport's drag events, watched here):
//   DragEnter -> OLEDragOver (enter) -> DragMove -> OLEDragOver (over)... -> Drop ->
//   OLEDragDrop; or DragLeave -> OLEDragOver (leave)

#include "core/GridInternal.h"

#include "components/grid/GridDataObject.h"

#include <QObject>
#include <QPoint>
#include <optional>

class QDragMoveEvent;
class QDropEvent;
struct GridContext;

class GridDragDrop final : public QObject {
    Q_OBJECT
public:
    explicit GridDragDrop(const GridContext& context);
    ~GridDragDrop() override;

    // Returns once the drag has ended. Does nothing while a drag it started is running.
    void OLEDrag();
    // 0 none, 1 drops are reported to the window; other values are ignored.
    int OLEDropMode() const { return m_dropMode; }
    void SetOLEDropMode(int mode);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void dragOver(QDragMoveEvent* e, int state);
    void dragLeft();
    void dropped(QDropEvent* e);

    const GridContext& m_context;
    int m_dropMode = 0;
    bool m_dragging = false;
    // The data of the drag over the grid, read once as it enters; empty: refused at once.
    std::optional<GridDataObject> m_incoming;
    int m_effect = DropEffectNone; // as the last OLEDragOver left it
    QPoint m_lastPos;
};
