// "Selected Items" with its largest grid: every cell of 99 999 rows x 5 columns selected
// with Ctrl+A, read through SelItems and listed (the first 30 000 items and the notice), as
// "Autorefresh" does it. Against Qt's table: select all, read the selected indexes, list the
// same number of lines in a QListWidget. Goal: well under a second.

#include "Bench.h"

#include "components/grid/TessixGrid.h"
#include "samples/exploring/frmSelItems.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {

constexpr int SelRows = 99999;
constexpr int SelCols = 5;

double tessixSelectAllListed() {
    frmSelItems window;
    window.txtRowCount->setText(QString::number(SelRows));
    window.cmdSetRowCount->click();
    const double ms = elapsedMs([&] {
        QKeyEvent keys(QEvent::KeyPress, Qt::Key_A, Qt::ControlModifier);
        QApplication::sendEvent(window.Tessix1, &keys);
    });
    return window.lstSelectedItems->count() == frmSelItems::MaxListed + 3 ? ms : -1;
}

double qtSelectAllListed() {
    QStandardItemModel model(SelRows, SelCols);
    QTableView view;
    view.setModel(&model);
    view.setSelectionMode(QAbstractItemView::ExtendedSelection);
    QListWidget list;
    return elapsedMs([&] {
        view.selectAll();
        const QModelIndexList selected = view.selectionModel()->selectedIndexes();
        QStringList lines;
        const qsizetype listed = std::min<qsizetype>(selected.size(), frmSelItems::MaxListed);
        lines.reserve(listed);
        for (qsizetype i = 0; i < listed; ++i)
            lines << QStringLiteral("Cell: (%1, %2)")
                         .arg(selected[i].row() + 1)
                         .arg(selected[i].column() + 1);
        list.addItems(lines);
    });
}

const bool registered = registerWorkloads({
    {"select_all_listed", "ms", 5, tessixSelectAllListed, qtSelectAllListed,
     "Selected Items: Ctrl+A on 99 999 x 5 cells, read and the first 30 000 listed; qt: "
     "selectAll, selectedIndexes and as many lines in a QListWidget; goal: well under 1000 ms"},
});

} // namespace
