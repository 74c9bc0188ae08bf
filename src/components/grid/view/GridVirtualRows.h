#pragma once
// Virtual mode: the grid asks the program for its rows as the view needs them, with
// RequestNewRow (the program may refuse: no more rows until the grid is emptied) followed
// by exactly one RequestRowData for each accepted row. Rows come strictly one after another
// and are never asked for twice; rows once added stay.
//
// When rows are asked for:
// - enough to fill the rows area below the scroll position, plus one row beyond it, so
//   Down and the scroll bar can always go on (at the next turn of the event loop after the
//   view changed: a scroll, a resize, a new layout, VirtualMode switched on, the grid
//   emptied);
// - before Down and Page Down are handled, the rows those keys move onto;
// - on Ctrl+End, every row the program has, in batches with the event loop running between
//   them; the key takes effect once the last row is in. Any other key or a click gives that
//   up.
// Requests never run inside another request (a handler's EndUpdate or scroll only queues the
// next check) nor while the rows are being painted.

#include "core/GridInternal.h"

#include "core/GridFeature.h"

#include <QObject>

struct GridContext;

class GridVirtualRows : public QObject, public GridFeature {
    Q_OBJECT
public:
    explicit GridVirtualRows(const GridContext& context);

    bool enabled() const { return m_enabled; }
    void setEnabled(bool on);
    // True while the program may still have rows: the scroll range then lets the user
    // scroll on past the last row.
    bool moreMayCome() const { return m_enabled && !m_exhausted; }

    void storeChanged(const GridChange& change) override;
    void layoutChanged() override { queueFill(); }
    bool keyPress(QKeyEvent* e) override;
    bool mousePress(QMouseEvent*) override;

private:
    // What a fetch goes on for: this many rows, rows down past this content height, or
    // every row (in batches).
    struct Need {
        int rows = 0;
        int height = -1;
        bool all = false;
    };
    // Asks for rows while the need is not met, the program has more and no handler stopped
    // the requests (by emptying the grid or switching the mode off).
    void fetch(Need need);
    bool unmet(const Need& need) const;
    // The rows area filled down to one row beyond its bottom.
    Need viewNeed() const;
    void queueFill();
    void fetchAllStep();
    void queueFetchAllStep(); // the next step of Ctrl+End's load, at the next turn

    const GridContext& m_context;
    bool m_enabled = false;
    bool m_exhausted = false; // a request was refused: no more until the grid is emptied
    bool m_busy = false;      // inside a request: further fetches wait for its end
    bool m_fillQueued = false;
    bool m_toEnd = false; // Ctrl+End is loading the rest
    Qt::KeyboardModifiers m_endModifiers;
    quint64 m_generation = 0; // bumped when the grid is emptied or the mode changes
};
