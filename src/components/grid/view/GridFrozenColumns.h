#pragma once
// Frozen columns: the first display positions (GridStore::FrozenCols) stay in place at the
// left while the rest scroll. Where they show is the viewport mapping's business
// (GridViewport); this unit holds the edge between the two areas (its width, colour and
// when it shows, painted over the rows) and the rules of moving a column by dragging its
// header: where a drop lands, whether it crosses the boundary, and that neither area is
// ever emptied that way.

#include "core/GridInternal.h"

#include "components/grid/GridTypes.h"
#include "core/GridFeature.h"

#include <optional>

struct GridContext;

class GridFrozenColumns : public GridFeature {
public:
    static constexpr int MaxEdgeWidth = 10;

    explicit GridFrozenColumns(const GridContext& context) : m_context(context) {}

    int EdgeWidth() const { return m_edgeWidth; }
    // 0 (no edge) to MaxEdgeWidth pixels; false for any other width, which changes nothing.
    bool SetEdgeWidth(int px);
    OleColor EdgeColor() const { return m_edgeColor; }
    void SetEdgeColor(OleColor color);
    // The edge shows with the grid lines; with this on also when GridLines is none.
    bool DrawEdgeAlways() const { return m_drawEdgeAlways; }
    void SetDrawEdgeAlways(bool on);

    // The dragged column is the only shown column of its area (of the grid, with nothing
    // frozen), so it cannot leave it.
    bool lastInArea(int col) const;

    // Where a header dragged to viewport x drops: the column goes into the gap nearest the
    // pointer (before or after the column under it) in that column's area.
    struct ColumnDrop {
        int newPos = 0;     // the column's display position afterwards
        int frozenCols = 0; // FrozenCols afterwards
        bool crossesBoundary = false;
    };
    // nullopt when the drop changes nothing or would empty the area the column leaves.
    std::optional<ColumnDrop> dropAt(int col, int x) const;

    // GridFeature: the edge, over the rows.
    void paintOver(QPainter& p, const GridViewport& viewport, const QRect& exposed) override;

private:
    int shownInArea(bool frozen) const;

    const GridContext& m_context;
    int m_edgeWidth = 2;
    OleColor m_edgeColor = 0x80000010; // button shadow
    bool m_drawEdgeAlways = false;
};
