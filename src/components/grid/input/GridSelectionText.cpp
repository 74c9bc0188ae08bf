#include "input/GridSelectionText.h"

#include "core/GridContext.h"
#include "input/GridSelection.h"
#include "model/GridStore.h"

#include <algorithm>
#include <vector>

namespace {

bool needsQuotes(QStringView text) {
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c == u'\t' || c == u'\n' || c == u'\r' || c == u'"'; });
}

void appendField(QString& out, QStringView text) {
    if (!needsQuotes(text)) {
        out.append(text);
        return;
    }
    out.append(u'"');
    for (QChar c : text) {
        if (c == u'"')
            out.append(u'"');
        out.append(c);
    }
    out.append(u'"');
}

} // namespace

QString selectionText(const GridContext& context) {
    const GridSelection& selection = context.selection;
    int firstCol = 0, lastCol = 0; // by index: the box here goes by display position
    const QVector<GridCellPos> items = selection.selectedItems(&firstCol, &lastCol);
    if (items.isEmpty())
        return {};
    const GridSelectionSpace& space = selection.space();
    const QList<int> shown = space.shownColumns();
    const bool rowMode = selection.RowMode();

    // The box's columns: display positions of the selected cells' columns.
    std::vector<int> posOf(size_t(context.store.ColCount()) + 1, -1);
    for (qsizetype i = 0; i < shown.size(); ++i)
        posOf[size_t(shown[i])] = int(i);
    int first = rowMode ? 0 : int(shown.size());
    int last = rowMode ? int(shown.size()) - 1 : -1;
    if (!rowMode)
        for (const GridCellPos& item : items)
            if (const int pos = posOf[size_t(item.col)]; pos >= 0) {
                first = std::min(first, pos);
                last = std::max(last, pos);
            }
    if (last < first)
        return {}; // only hidden columns are selected
    const int width = last - first + 1;

    QString out;
    QString storage;
    std::vector<char> selected(size_t(width), 0);
    qsizetype next = 0;
    for (int row = items.front().row; row <= items.back().row; ++row) {
        std::fill(selected.begin(), selected.end(), 0);
        for (; next < items.size() && items[next].row == row; ++next) {
            if (rowMode) {
                std::fill(selected.begin(), selected.end(), 1);
            } else if (const int pos = posOf[size_t(items[next].col)];
                       pos >= first && pos <= last) {
                selected[size_t(pos - first)] = 1;
            }
        }
        if (!space.rowShown(row))
            continue;
        for (int k = 0; k < width; ++k) {
            if (k > 0)
                out.append(u'\t');
            if (selected[size_t(k)])
                appendField(out, context.store.CellTextView(row, shown[first + k], storage));
        }
        out.append(u"\r\n");
    }
    return out;
}
