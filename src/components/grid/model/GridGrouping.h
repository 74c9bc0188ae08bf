#pragma once
// Grouping rows into bands by the criteria of `SortObject`, outermost first. Each call builds
// the bands afresh: the rows are ordered by each criterion's group value in its direction
// (rows with equal values keep their order), and a band row (a group row that is a tree
// parent) starts each run of equal values, its caption in the row-text cell. GetGroupValue may
// replace a row's group value and caption; AfterGroupRowCreate follows for every band made.
// Ungrouping removes the bands and leaves the rows in the order they had.
//
// Cost: O(n) for the values plus O(d log d) for the d distinct values per criterion; the
// rows are put in order with one counting pass per criterion.

#include "core/GridInternal.h"

#include "components/grid/GridSortObject.h"

#include <vector>

class GridEventSink;
class GridStore;

class GridGrouping {
public:
    GridGrouping(GridStore& store, GridEventSink& events) : m_store(store), m_events(events) {}

    void group(const std::vector<SortKey>& criteria, bool expanded);
    void ungroup() { group({}, true); }

private:
    // Ranks of one criterion's group values per row: equal values share a rank, ranks follow
    // the criterion's order. Captions are filled where a handler gave them.
    std::vector<int> rank(const std::vector<int>& units, const SortKey& criterion,
                          std::vector<QString>& captions);
    int bandDepth() const; // the band levels of the grouping in force (0 without)

    GridStore& m_store;
    GridEventSink& m_events;
};
