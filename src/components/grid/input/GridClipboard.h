#pragma once
// Ctrl+C (and the desktop's other copy keys): the selection goes to the clipboard as
// tab-separated text (GridSelectionText.h). A cell action, so it comes after KeyDown (a
// handler that takes the key stops it) and after the editor (an open editor copies its own
// text).

#include "core/GridInternal.h"

#include "input/GridCellActions.h"

struct GridContext;

class GridClipboard final : public GridCellActions {
public:
    explicit GridClipboard(const GridContext& context) : m_context(context) {}

    bool gridKey(QKeyEvent* e) override;

private:
    const GridContext& m_context;
};
