// The layout texts the grid saves: a column arrangement and a sort state, with keys of any
// characters, restore on a grid with the same columns to the same layout and the same text.
// Then any text is tried on a fresh grid: it applies, or it is refused and nothing changes.

#include "FuzzSupport.h"
#include "model/GridLayoutText.h"
#include "model/GridSort.h"
#include "model/GridStore.h"

#include <vector>

namespace {

// The columns, by key; a key that is empty or taken gives a key-less column.
void addColumns(GridStore& store, const std::vector<QString>& keys) {
    for (const QString& key : keys)
        if (!store.AddCol(key))
            store.AddCol();
}

QString arrangement(const GridStore& store) {
    QStringList cols{QStringLiteral("frozen %1").arg(store.FrozenCols())};
    for (int pos = 1; pos <= store.ColCount(); ++pos) {
        const int col = store.ColAtPos(pos);
        const GridColumn* c = store.ColObject(col);
        cols << QStringLiteral("%1:%2%3").arg(col).arg(c->Width()).arg(c->Visible() ? "" : "h");
    }
    return cols.join(u' ');
}

QString criteria(const GridSort& sort) {
    QStringList keys;
    for (const SortKey& k : sort.keys())
        keys << QStringLiteral("%1/%2/%3").arg(k.col).arg(k.order).arg(k.sortType);
    return keys.join(u' ');
}

void expectApplied(bool applied, const QString& text) {
    if (!applied)
        fuzz::fail("a layout text the grid wrote is applied", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    std::vector<QString> keys(in.ConsumeIntegralInRange(1, 8));
    for (QString& key : keys)
        key = in.ConsumeBool() ? fuzz::takeText(in, 12) : QString();

    GridStore source;
    addColumns(source, keys);
    const int count = source.ColCount();
    for (int col = 1; col <= count; ++col) {
        source.SetColPos(col, in.ConsumeIntegralInRange(1, count));
        source.ColObject(col)->SetWidth(in.ConsumeIntegralInRange(0, 1000000));
        source.ColObject(col)->SetVisible(in.ConsumeBool());
    }
    GridSort sourceSort(source);
    std::vector<SortKey> sortKeys(in.ConsumeIntegralInRange(0, count + 1));
    for (SortKey& k : sortKeys) {
        const int col = in.ConsumeIntegralInRange(0, count);
        k = {col == 0 ? RowTextColIndex : col, in.ConsumeIntegralInRange(0, 1),
             in.ConsumeIntegralInRange(0, 255)};
    }
    sourceSort.setKeys(sortKeys);
    source.SetFrozenCols(in.ConsumeIntegralInRange(0, count));

    const QString colText = encodeColLayout(source);
    const QString sortText = encodeSortLayout(source, sourceSort);
    GridStore target;
    addColumns(target, keys);
    GridSort targetSort(target);
    expectApplied(applyColLayout(target, colText), colText);
    fuzz::expectEqual("the column layout comes back", arrangement(source), arrangement(target));
    fuzz::expectEqual("the column layout text comes back", colText, encodeColLayout(target));
    expectApplied(applySortLayout(target, targetSort, sortText), sortText);
    fuzz::expectEqual("the sort criteria come back", criteria(sourceSort), criteria(targetSort));
    fuzz::expectEqual("the sort layout text comes back", sortText,
                      encodeSortLayout(target, targetSort));

    // Any text: applied, or refused with nothing changed.
    const QString text = fuzz::restAsText(in);
    GridStore fresh;
    addColumns(fresh, keys);
    GridSort freshSort(fresh);
    const QString columnsBefore = arrangement(fresh);
    if (!applyColLayout(fresh, text))
        fuzz::expectEqual("a refused column layout changes nothing", columnsBefore,
                          arrangement(fresh));
    const QString sortBefore = criteria(freshSort);
    if (!applySortLayout(fresh, freshSort, text))
        fuzz::expectEqual("a refused sort layout changes nothing", sortBefore, criteria(freshSort));
    return 0;
}
