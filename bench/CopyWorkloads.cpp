// The text of a selection, as Ctrl+C and a drag without data of the window's give it.

#include "Bench.h"

#include "Tables.h"

#include "core/GridPrivate.h"
#include "input/GridSelectionText.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace {

using namespace bench;

// Every cell of 100 000 rows x 10 columns selected; both sides end with the same text.
constexpr qsizetype expectedLength(qsizetype cellChars) {
    return cellChars + qsizetype(Rows) * (Cols - 1) + qsizetype(Rows) * 2;
}

qsizetype textLength(const std::vector<QString>& texts) {
    qsizetype n = 0;
    for (const QString& t : texts)
        n += t.size();
    return n;
}

double tessixCopyTsv() {
    auto grid = makeGrid();
    grid->SetRowCount(Rows);
    const std::vector<QString> texts = shortTexts(Rows);
    fill(*grid, texts);
    grid->SetMultiSelect(true);
    grid->internals().selection.selectAll();
    QString text;
    const double ms = elapsedMs([&] { text = selectionText(grid->internals().context); });
    return text.size() == expectedLength(textLength(texts)) ? ms : -1;
}

// Qt's view copies only the current cell: its side is the usual code over the selected
// indexes (sorted into rows and columns, each row's fields joined with tabs).
double qtCopyTsv() {
    QtTable t;
    t.model.setRowCount(Rows);
    const std::vector<QString> texts = shortTexts(Rows);
    fill(t, texts);
    t.view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    t.view.selectAll();
    QString text;
    const double ms = elapsedMs([&] {
        QModelIndexList indexes = t.view.selectionModel()->selectedIndexes();
        std::sort(indexes.begin(), indexes.end());
        int row = indexes.isEmpty() ? 0 : indexes.front().row();
        for (qsizetype i = 0; i < indexes.size(); ++i) {
            const QModelIndex& index = indexes[i];
            if (i > 0)
                text += index.row() != row ? QStringLiteral("\r\n") : QStringLiteral("\t");
            row = index.row();
            text += index.data().toString();
        }
        text += QStringLiteral("\r\n");
    });
    return text.size() == expectedLength(textLength(texts)) ? ms : -1;
}

const bool registered = registerWorkloads({
    {"copy_tsv", "ms", 5, tessixCopyTsv, qtCopyTsv},
});

} // namespace
