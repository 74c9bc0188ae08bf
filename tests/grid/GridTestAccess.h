#pragma once
// The grid's parts as its tests reach them.

#include "components/grid/TessixGrid.h"
#include "core/GridPrivate.h"

// The content <-> viewport mapping as the grid shows now.
inline GridViewport viewportOf(const TessixGrid& grid) {
    return grid.internals().context.viewport();
}
