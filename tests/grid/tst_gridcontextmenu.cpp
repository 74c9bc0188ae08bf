// Popup menus by area: BeforeContextMenu with its show flag, ContextMenuClick with the
// chosen item (read back through ItemKey), the areas of the header, the rows and the empty
// parts, and the editor's menu (area 5) that offers a window's item only on request. The
// menu is answered through the chooser seam instead of a blocking exec().

#include "EditEventLog.h"
#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "components/grid/GridContextMenu.h"

#include <QContextMenuEvent>
#include <QLineEdit>

namespace {
void rightClick(QWidget* widget, const QPoint& pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QCoreApplication::sendEvent(widget, &event);
}

// Picks items by key; records what was offered.
struct Chooser {
    QString pick;
    QStringList offered;
    int calls = 0;
    Chooser() {
        GridContextMenu::setChooser([this](int area, const GridContextMenu& menu) {
            ++calls;
            offered.clear();
            int chosen = 0;
            for (int i = 1; i <= menu.ItemCount(); ++i) {
                offered << QString("%1:%2").arg(area).arg(menu.ItemText(i));
                if (!pick.isEmpty() && menu.ItemKey(i) == pick)
                    chosen = i;
            }
            return chosen;
        });
    }
    ~Chooser() { GridContextMenu::setChooser({}); }
};
} // namespace

class TestGridContextMenu : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuItems();
    void areas_data();
    void areas();
    void clickReportsAreaColumnAndItem();
    void showFlagAndDisabledItems();
    void editorMenuOffersItemOnRequest();
};

void TestGridContextMenu::menuItems() {
    GridContextMenu menu;
    QCOMPARE(menu.AddItem("Hide This Column", true, 0, "hide_col"), 1);
    QCOMPARE(menu.AddItem("-"), 2);
    QCOMPARE(menu.AddItem("Show All Columns", false, 0, "show_all"), 3);
    QCOMPARE(menu.ItemKey(3), QString("show_all"));
    QVERIFY(menu.ItemIsSeparator(2));
    QVERIFY(!menu.choosable(2));
    QVERIFY(!menu.choosable(3));
    QVERIFY(menu.choosable(1));
    QCOMPARE(menu.ItemKey(0), QString());
    QCOMPARE(menu.ItemKey(4), QString());
    menu.Clear();
    QCOMPARE(menu.ItemCount(), 0);
}

void TestGridContextMenu::areas_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<QString>("expected"); // area,row,col
    QTest::newRow("cell") << "cell"
                          << "1,2,3";
    QTest::newRow("header") << "header"
                            << "2,0,2";
    QTest::newRow("below the rows") << "below"
                                    << "3,0,1";
    QTest::newRow("beyond the last column") << "beyond"
                                            << "4,0,0";
}

void TestGridContextMenu::areas() {
    QFETCH(QString, where);
    QFETCH(QString, expected);
    InputTestGrid t(3, 3);
    QString seen;
    connect(&t.grid, &TessixGrid::BeforeContextMenu, [&](BeforeContextMenuArgs& a) {
        seen = QString("%1,%2,%3").arg(a.area).arg(a.row).arg(a.col);
        QVERIFY(a.show);
    });
    QPoint pos = t.cellPoint(2, 3);
    if (where == "header")
        pos = t.headerPoint(2);
    else if (where == "below")
        pos = QPoint(t.cellPoint(3, 1).x(), viewportOf(t.grid).cellRect(3, 1).bottom() + 20);
    else if (where == "beyond")
        pos = QPoint(viewportOf(t.grid).cellRect(1, 3).right() + 20, t.headerPoint(1).y());
    rightClick(t.viewport(), pos);
    QCOMPARE(seen, expected);
}

void TestGridContextMenu::clickReportsAreaColumnAndItem() {
    InputTestGrid t(3, 3);
    Chooser chooser;
    QStringList clicks;
    connect(&t.grid, &TessixGrid::BeforeContextMenu, [&](BeforeContextMenuArgs& a) {
        if (a.area != MenuAreaHeader)
            return;
        GridContextMenu& menu = t.grid.ContextMenu(a.area);
        menu.Clear(); // rebuilt on every popup
        menu.AddItem("Hide This Column", true, 0, "hide_col");
        menu.AddItem("Show All Columns", true, 0, "show_all");
    });
    connect(&t.grid, &TessixGrid::ContextMenuClick, [&](int area, int, int col, int item) {
        clicks
            << QString("%1 %2 %3").arg(area).arg(col).arg(t.grid.ContextMenu(area).ItemKey(item));
    });
    chooser.pick = "hide_col";
    rightClick(t.viewport(), t.headerPoint(3));
    rightClick(t.viewport(), t.headerPoint(3));
    QCOMPARE(t.grid.ContextMenu(MenuAreaHeader).ItemCount(), 2);
    QCOMPARE(clicks, QStringList({"2 3 hide_col", "2 3 hide_col"}));
    chooser.pick.clear(); // closed without a choice
    rightClick(t.viewport(), t.headerPoint(1));
    QCOMPARE(clicks.size(), 2);
    // An area without items shows nothing.
    const int calls = chooser.calls;
    rightClick(t.viewport(), t.cellPoint(1, 1));
    QCOMPARE(chooser.calls, calls);
}

void TestGridContextMenu::showFlagAndDisabledItems() {
    InputTestGrid t(3, 3);
    Chooser chooser;
    t.grid.ContextMenu(MenuAreaCell).AddItem("Delete", false, 0, "delete");
    t.grid.ContextMenu(MenuAreaCell).AddItem("Mark", true, 0, "mark");
    bool show = false;
    connect(&t.grid, &TessixGrid::BeforeContextMenu,
            [&](BeforeContextMenuArgs& a) { a.show = show; });
    int clicks = 0;
    connect(&t.grid, &TessixGrid::ContextMenuClick, [&](int, int, int, int) { ++clicks; });
    rightClick(t.viewport(), t.cellPoint(1, 1));
    QCOMPARE(chooser.calls, 0); // the handler hid the menu
    show = true;
    chooser.pick = "delete"; // disabled: cannot be chosen
    rightClick(t.viewport(), t.cellPoint(1, 1));
    QCOMPARE(chooser.calls, 1);
    QCOMPARE(clicks, 0);
    chooser.pick = "mark";
    rightClick(t.viewport(), t.cellPoint(1, 1));
    QCOMPARE(clicks, 1);
}

void TestGridContextMenu::editorMenuOffersItemOnRequest() {
    InputTestGrid t(3, 3);
    t.grid.SetColKey(2, "id");
    Chooser chooser;
    t.grid.ContextMenu(MenuAreaEditor).AddItem("Generate from the Customer Name", true);
    // Offered in the "id" editor only: the show flag starts False for area 5.
    connect(&t.grid, &TessixGrid::BeforeContextMenu, [&](BeforeContextMenuArgs& a) {
        QVERIFY(!a.show);
        if (a.area == MenuAreaEditor && t.grid.ColKey(a.col) == "id")
            a.show = true;
    });
    connect(&t.grid, &TessixGrid::ContextMenuClick, [&](int area, int row, int col, int item) {
        QCOMPARE(area, int(MenuAreaEditor));
        QCOMPARE(QString("%1,%2,%3").arg(row).arg(col).arg(item), QString("1,2,1"));
        t.grid.SetEditText("JOHSM");
    });
    t.grid.SetCurCell(1, 2);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    // The chooser picks the first offered item of ours.
    GridContextMenu::setChooser([&](int area, const GridContextMenu& menu) {
        chooser.offered << QString("%1:%2").arg(area).arg(menu.ItemText(1));
        return 1;
    });
    rightClick(t.grid.internals().editor.editorWidget(), QPoint(2, 2));
    QCOMPARE(chooser.offered, QStringList({"5:Generate from the Customer Name"}));
    QCOMPARE(t.grid.EditText(), QString("JOHSM"));
    QTest::keyClick(t.grid.internals().editor.editorWidget(),
                    Qt::Key_Return); // committed like typing
    QCOMPARE(t.grid.CellValue(1, 2).toString(), QString("JOHSM"));
}

QTEST_MAIN(TestGridContextMenu)
#include "tst_gridcontextmenu.moc"
