#include "input/GridSelectionText.h"

#include "core/GridContext.h"
#include "input/GridSelection.h"
#include "model/GridStore.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace {

// The characters a field takes beyond its text: 0 for a plain one; for one holding a tab,
// a line break or a quote, its two quotes and one more per quote inside.
qsizetype quotingCost(QStringView text) {
    bool special = false;
    qsizetype quotes = 0;
    for (QChar c : text) {
        // Letters and digits all lie above the quote: one test for most characters.
        if (c.unicode() > u'"')
            continue;
        special = special || c == u'\t' || c == u'\n' || c == u'\r' || c == u'"';
        quotes += c == u'"' ? 1 : 0;
    }
    return special ? 2 + quotes : 0;
}

QChar* writeField(QChar* out, QStringView text, qsizetype cost) {
    if (cost == 0)
        return std::copy(text.begin(), text.end(), out);
    *out++ = u'"';
    for (QChar c : text) {
        if (c == u'"')
            *out++ = u'"';
        *out++ = c;
    }
    *out++ = u'"';
    return out;
}

// One field of the line being written.
struct Field {
    QStringView text;
    qsizetype cost = 0; // quoting
    QString storage;    // the text, when the cell does not hold it as shown
};

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

    // Each line is measured first, then written in place: a big copy costs one size
    // change per line, not an append per field.
    QString out;
    std::vector<Field> fields(static_cast<size_t>(width));
    std::vector<char> selected(size_t(width), 0);
    bool reserved = false;
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
        qsizetype length = width - 1 + 2; // the tabs and CR LF
        for (int k = 0; k < width; ++k) {
            Field& f = fields[size_t(k)];
            f.text = selected[size_t(k)]
                         ? context.store.CellTextView(row, shown[first + k], f.storage)
                         : QStringView();
            f.cost = quotingCost(f.text);
            length += f.text.size() + f.cost;
        }
        const qsizetype at = out.size();
        // Room for the rest at once, guessed from the first line.
        if (!std::exchange(reserved, true))
            out.reserve(length * (qsizetype(items.back().row - row) + 1) * 5 / 4);
        out.resize(at + length);
        QChar* p = out.data() + at;
        for (int k = 0; k < width; ++k) {
            if (k > 0)
                *p++ = u'\t';
            p = writeField(p, fields[size_t(k)].text, fields[size_t(k)].cost);
        }
        *p++ = u'\r';
        *p = u'\n';
    }
    return out;
}
