#include "model/GridGrouping.h"

#include "core/GridEventSink.h"
#include "model/GridSort.h"
#include "model/GridStore.h"

#include <algorithm>
#include <numeric>
#include <unordered_map>

namespace {

struct KeyHash {
    size_t operator()(const GroupValueKey* k) const { return k->hash(); }
};
struct KeySame {
    bool operator()(const GroupValueKey* a, const GroupValueKey* b) const { return a->sameAs(*b); }
};

// A band's caption when no handler gave one.
QString captionOf(const QString& shown) {
    return shown.isEmpty() ? QStringLiteral("(none)") : shown;
}

} // namespace

int GridGrouping::bandDepth() const {
    int depth = 0;
    for (int row = 1; row <= m_store.RowCount(); ++row)
        if (m_store.RowIsBand(row))
            depth = std::max(depth, m_store.RowLevel(row) + 1);
    return depth;
}

std::vector<int> GridGrouping::rank(const std::vector<int>& units, const SortKey& criterion,
                                    std::vector<QString>& captions) {
    const bool asked = m_events.listening(GridOptionalEvent::GetGroupValue);
    std::vector<GroupValueKey> keys;
    keys.reserve(units.size());
    // Rows band by what their criterion's sort type orders them by.
    const auto groupValue = [&](int row, const Variant& value) {
        switch (criterion.sortType) {
        case SortTypeDisplayText:
            return Variant(m_store.CellText(row, criterion.col));
        case SortTypeIcon:
            return Variant(std::int32_t(m_store.CellIcon(row, criterion.col)));
        case SortTypeCheckState:
            return Variant(std::int32_t(m_store.CellCheckState(row, criterion.col)));
        default:
            return value;
        }
    };
    const bool byCellLook = criterion.sortType == SortTypeDisplayText ||
                            criterion.sortType == SortTypeIcon ||
                            criterion.sortType == SortTypeCheckState;
    if (asked) {
        // The handler runs program code: values are copied, not borrowed from the cells.
        for (size_t u = 0; u < units.size(); ++u) {
            const int row = units[u];
            const Variant value = m_store.CellValue(row, criterion.col);
            GetGroupValueArgs args{row, criterion.col, value, groupValue(row, value),
                                   m_store.CellText(row, criterion.col)};
            m_events.GetGroupValue(args);
            keys.emplace_back(args.groupValue, criterion.sortType);
            captions[u] = args.caption;
        }
    } else if (byCellLook) {
        for (int row : units)
            keys.emplace_back(groupValue(row, {}), criterion.sortType);
    } else {
        // Borrow the cells' own values: nothing changes the cells meanwhile.
        std::vector<const Variant*> values(size_t(m_store.RowCount()) + 1, nullptr);
        m_store.visitValues(criterion.col, 1, m_store.RowCount(),
                            [&](int row, const Variant& v) { values[size_t(row)] = &v; });
        for (int row : units)
            keys.emplace_back(*values[size_t(row)], criterion.sortType, true);
    }

    // Distinct values, then their order.
    std::unordered_map<const GroupValueKey*, int, KeyHash, KeySame> ids;
    std::vector<int> idOf(units.size());
    std::vector<const GroupValueKey*> distinct;
    for (size_t u = 0; u < units.size(); ++u) {
        const auto [it, added] = ids.try_emplace(&keys[u], int(distinct.size()));
        if (added)
            distinct.push_back(&keys[u]);
        idOf[u] = it->second;
    }
    std::vector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    const bool descending = criterion.order == SortDescending;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = distinct[size_t(a)]->compare(*distinct[size_t(b)]);
        return descending ? c > 0 : c < 0;
    });
    // Values that compare equal (a text in other case) share a band.
    std::vector<int> rankOfId(distinct.size());
    int r = -1;
    for (size_t i = 0; i < order.size(); ++i) {
        if (i == 0 || distinct[size_t(order[i - 1])]->compare(*distinct[size_t(order[i])]) != 0)
            ++r;
        rankOfId[size_t(order[i])] = r;
    }
    std::vector<int> ranks(units.size());
    for (size_t u = 0; u < units.size(); ++u)
        ranks[u] = rankOfId[size_t(idOf[u])];
    return ranks;
}

void GridGrouping::group(const std::vector<SortKey>& criteria, bool expanded) {
    const int depth = bandDepth();
    // The rows that move as one: each row above the bands' levels with its subtree. Their
    // extents and levels are read here, in row order, not again in band order.
    std::vector<int> units;
    std::vector<int> unitEnd;
    std::vector<int> levels(size_t(m_store.RowCount()) + 1, 0);
    for (int row = 1; row <= m_store.RowCount(); ++row) {
        levels[size_t(row)] = m_store.RowLevel(row);
        const bool inUnit = !unitEnd.empty() && row <= unitEnd.back();
        if (!inUnit && !m_store.RowIsBand(row) && levels[size_t(row)] <= depth) {
            units.push_back(row);
            unitEnd.push_back(m_store.lastRowOfSubtree(row));
        }
    }
    const size_t k = criteria.size();
    std::vector<std::vector<int>> ranks(k);
    std::vector<std::vector<QString>> captions(k, std::vector<QString>(units.size()));
    for (size_t c = 0; c < k; ++c)
        ranks[c] = rank(units, criteria[c], captions[c]);

    // Stable order by the ranks, innermost criterion first (one counting pass each).
    std::vector<size_t> order(units.size());
    std::iota(order.begin(), order.end(), size_t(0));
    for (size_t c = k; c-- > 0;) {
        const std::vector<int>& rk = ranks[c];
        const int buckets = rk.empty() ? 0 : *std::max_element(rk.begin(), rk.end()) + 1;
        std::vector<size_t> start(size_t(buckets) + 1, 0);
        for (int v : rk)
            ++start[size_t(v) + 1];
        std::partial_sum(start.begin(), start.end(), start.begin());
        std::vector<size_t> next(order.size());
        for (size_t u : order)
            next[start[size_t(rk[u])]++] = u;
        order.swap(next);
    }

    // A band's caption comes from the first row (in the order before grouping) with its value,
    // so texts that differ in case only are named the same way whatever the inner order.
    std::vector<std::vector<size_t>> namedBy(k);
    for (size_t c = 0; c < k; ++c) {
        const std::vector<int>& rk = ranks[c];
        const int count = rk.empty() ? 0 : *std::max_element(rk.begin(), rk.end()) + 1;
        namedBy[c].assign(size_t(count), units.size());
        for (size_t u = units.size(); u-- > 0;)
            namedBy[c][size_t(rk[u])] = u;
    }

    std::vector<GridStore::LayoutEntry> layout;
    layout.reserve(size_t(m_store.RowCount()) + units.size() / 4);
    std::vector<int> bands; // rows of the new bands, in order
    const size_t none = size_t(-1);
    size_t previous = none;
    for (size_t u : order) {
        // A new band at the first criterion whose value differs from the row before.
        size_t from = previous == none ? 0 : k;
        for (size_t c = 0; c < k && from == k; ++c)
            if (ranks[c][u] != ranks[c][previous])
                from = c;
        for (size_t c = from; c < k; ++c) {
            const size_t by = namedBy[c][size_t(ranks[c][u])];
            QString caption = captions[c][by];
            if (caption.isNull())
                caption = captionOf(m_store.CellText(units[by], criteria[c].col));
            layout.push_back({0, int(c), Variant(caption), expanded});
            bands.push_back(int(layout.size()));
        }
        for (int r = units[u]; r <= unitEnd[u]; ++r)
            layout.push_back({r, std::max(0, levels[size_t(r)] - depth) + int(k), {}, true});
        previous = u;
    }
    m_store.relayoutRows(layout);
    for (int band : bands)
        m_events.AfterGroupRowCreate(band);
}
