#include "input/GridDragDrop.h"

#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "input/GridKeyCodes.h"
#include "input/GridMimeData.h"
#include "input/GridSelectionText.h"

#include <QAbstractScrollArea>
#include <QDrag>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>

GridDragDrop::GridDragDrop(const GridContext& context) : m_context(context) {
    context.area.viewport()->installEventFilter(this);
}

GridDragDrop::~GridDragDrop() {
    m_context.area.viewport()->removeEventFilter(this);
}

void GridDragDrop::SetOLEDropMode(int mode) {
    if (mode != 0 && mode != 1)
        return;
    m_dropMode = mode;
    m_context.area.viewport()->setAcceptDrops(mode == 1);
}

// ----- A drag out -----

void GridDragDrop::OLEDrag() {
    if (m_dragging)
        return; // a handler running inside the drag cannot start a second one
    // The handlers and the drag's own event loop may close the grid meanwhile.
    QPointer<GridDragDrop> alive(this);
    m_dragging = true;
    GridDataObject data;
    OLEStartDragArgs start{data, DropEffectCopy};
    m_context.events.OLEStartDrag(start);
    if (!alive)
        return;
    if (data.isEmpty())
        if (const QString text = selectionText(m_context); !text.isEmpty())
            data.SetData(text, DataFormatText);
    const int allowed = start.allowedEffects & (DropEffectCopy | DropEffectMove | DropEffectLink);
    int effect = DropEffectNone;
    if (!data.isEmpty() && allowed != DropEffectNone) {
        auto* drag = new QDrag(m_context.area.viewport()); // Qt deletes it when it ends
        drag->setMimeData(mimeDataFor(data).release());
        const Qt::DropAction done = drag->exec(dropActionsFor(allowed), dropActionFor(allowed));
        if (!alive)
            return;
        effect = dropEffectsOf(done) & allowed;
    }
    m_dragging = false;
    // Also for a drag that never started: a window waiting for the end of its drag hears it.
    OLECompleteDragArgs complete{effect};
    m_context.events.OLECompleteDrag(complete);
}

// ----- Drops -----

bool GridDragDrop::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_context.area.viewport() || m_dropMode != 1)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
        dragOver(static_cast<QDragMoveEvent*>(event), DragStateEnter);
        return true;
    case QEvent::DragMove:
        dragOver(static_cast<QDragMoveEvent*>(event), DragStateOver);
        return true;
    case QEvent::DragLeave:
        dragLeft();
        return true;
    case QEvent::Drop:
        dropped(static_cast<QDropEvent*>(event));
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void GridDragDrop::dragOver(QDragMoveEvent* e, int state) {
    if (state == DragStateEnter && e->mimeData())
        m_incoming = dataObjectFrom(*e->mimeData());
    m_effect = DropEffectNone;
    if (!m_incoming || m_incoming->isEmpty()) {
        e->ignore(); // nothing the window could take (an image, say)
        return;
    }
    m_lastPos = e->position().toPoint();
    const int offered = dropEffectsOf(e->possibleActions());
    OLEDragOverArgs args{{*m_incoming, offered, buttonCode(e->buttons()),
                          shiftState(e->modifiers()), m_lastPos.x(), m_lastPos.y()},
                         state};
    m_context.events.OLEDragOver(args);
    m_effect = args.effect & offered;
    e->setDropAction(dropActionFor(m_effect, e->proposedAction()));
    // The enter is taken whatever the answer, so the moves keep coming and the handler can
    // still accept further on; a refused move shows the no-drop cursor.
    e->setAccepted(m_effect != DropEffectNone || state == DragStateEnter);
}

void GridDragDrop::dragLeft() {
    if (m_incoming && !m_incoming->isEmpty()) {
        OLEDragOverArgs args{
            {*m_incoming, DropEffectNone, MouseNone, ShiftNone, m_lastPos.x(), m_lastPos.y()},
            DragStateLeave};
        m_context.events.OLEDragOver(args);
    }
    m_incoming.reset();
    m_effect = DropEffectNone;
}

void GridDragDrop::dropped(QDropEvent* e) {
    if (!m_incoming || m_effect == DropEffectNone) {
        m_incoming.reset();
        e->setDropAction(Qt::IgnoreAction);
        e->ignore();
        return;
    }
    // The data is the handler's while it runs: a modal box in it may see further drags.
    GridDataObject data = std::move(*m_incoming);
    const int offered = m_effect;
    m_incoming.reset();
    m_effect = DropEffectNone;
    const QPoint pos = e->position().toPoint();
    OLEDragDropArgs args{data,    offered, buttonCode(e->buttons()), shiftState(e->modifiers()),
                         pos.x(), pos.y()};
    m_context.events.OLEDragDrop(args);
    const int done = args.effect & offered;
    e->setDropAction(dropActionFor(done, e->proposedAction()));
    e->setAccepted(done != DropEffectNone);
}
