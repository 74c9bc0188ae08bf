// "Repopulate" of the playground with 100 000 rows, as the user presses it: the window shown,
// the count typed, the button clicked (the rows made and every cell's value, icon, colour,
// check state and indent written, the status bar counting and the window repainted along
// the way), then the first page painted. Against Qt's table holding the same: a
// QStandardItemModel of 100 000 x 10 items with the same texts, icons, colours and check
// states, shown and painted. Goal: a few seconds.

#include "Bench.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "runtime/Random.h"
#include "samples/exploring/frmFunNGames.h"

#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <memory>

namespace {

constexpr int Rows = 100000;

void settle() {
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
}

double repopulate() {
    platform::MemorySettingsStore settings;
    settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, QStringLiteral("0"));
    platform::ScopedSettingsStore settingsScope(settings);
    platform::ScriptedMessageBox boxes;
    platform::ScopedMessageBox boxesScope(boxes);
    auto window = std::make_unique<frmFunNGames>();
    window->show();
    settle();
    window->txtRows->setText(QString::number(Rows));
    const double ms = elapsedMs([&] {
        window->cmdRepopulate->click();
        settle();
        window->grab();
    });
    return boxes.shown().isEmpty() && window->grdThis->RowCount() == Rows ? ms : 0;
}

double qtItems() {
    QPixmap picture(24, 24);
    picture.fill(Qt::darkCyan);
    const QIcon icon(picture);
    QStandardItemModel model(Rows, 10);
    QTableView view;
    view.verticalHeader()->hide();
    view.resize(480, 560);
    view.show();
    settle();
    return elapsedMs([&] {
        for (int row = 0; row < Rows; ++row) {
            const auto text = [&](int col, const QString& value) {
                model.setItem(row, col, new QStandardItem(value));
            };
            text(0, QString::number(row + 1));
            model.setItem(row, 1, new QStandardItem(icon, QString()));
            text(2, QStringLiteral("%1.bak").arg(int(vb::Rnd() * 1000000), 6, 10, QChar(u'0')));
            model.setItem(row, 3, new QStandardItem(icon, QStringLiteral("Calculator")));
            text(4, QStringLiteral("2027-03-01"));
            text(5, QStringLiteral("Row%1,\nCol6").arg(row + 1));
            auto* amount = new QStandardItem(QStringLiteral("$1,234.56"));
            amount->setForeground(QColor(int(vb::Rnd() * 16) * 16, 0, 0));
            model.setItem(row, 6, amount);
            for (int col : {7, 8}) {
                auto* box = new QStandardItem;
                box->setCheckable(true);
                box->setCheckState(vb::Rnd() < 0.5 ? Qt::Unchecked : Qt::Checked);
                model.setItem(row, col, box);
            }
            model.setItem(row, 9,
                          new QStandardItem(icon, QStringLiteral("This is a longer piece "
                                                                 "of text")));
        }
        view.setModel(&model);
        settle();
        view.grab();
    });
}

const bool registered = registerWorkloads({
    {"funngames_repopulate", "ms", 3, repopulate, qtItems,
     "Fun-n-Games: Repopulate with 100 000 rows, status bar counting, first page painted; "
     "qt: a QStandardItemModel of the same 100 000 x 10 items shown; goal: a few seconds"},
});

} // namespace
