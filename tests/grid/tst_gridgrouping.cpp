// Grouping into bands through the public members: one and two criteria, the group values and
// captions a handler gives (ordering bands by a value that is in no cell), bands made
// collapsed, regrouping after removals, sorting inside the bands, toggling a band and
// Ungroup.

#include "GridTestAccess.h"

#include <QTest>

namespace {

// Messages: from, size in KB, subject; shown, 20-pixel rows.
struct MailGrid {
    TessixGrid grid;
    QList<int> created; // AfterGroupRowCreate rows

    MailGrid() {
        const struct {
            const char* from;
            int size;
            const char* subject;
        } rows[] = {{"Eva", 4, "m1"},  {"Bob", 300, "m2"}, {"Eva", 40, "m3"},
                    {"Ann", 12, "m4"}, {"Bob", 8, "m5"},   {"eva", 700, "m6"}};
        grid.BeginUpdate();
        grid.SetDefaultRowHeight(20);
        grid.AddCol("from", "From");
        grid.AddCol("size", "Size", -1, SortTypeNumber);
        grid.AddCol("subject", "Subject");
        for (const auto& r : rows) {
            const int row = grid.AddRow();
            grid.SetCellValue(row, "from", r.from);
            grid.SetCellValue(row, "size", r.size);
            grid.SetCellValue(row, "subject", r.subject);
        }
        grid.EndUpdate();
        QObject::connect(&grid, &TessixGrid::AfterGroupRowCreate,
                         [this](int row) { created << row; });
        grid.resize(400, 300);
        grid.show();
        if (!QTest::qWaitForWindowExposed(&grid))
            qWarning("the test grid was not exposed");
    }
    // The rows as "[caption] subject ..."; bands show their level by ">" marks, rows that do
    // not show are in parentheses.
    QString layout() const {
        QStringList out;
        for (int r = 1; r <= grid.RowCount(); ++r) {
            const bool shown = !viewportOf(grid).cellRect(r, grid.RowTextCol()).isEmpty() ||
                               !viewportOf(grid).cellRect(r, 3).isEmpty();
            QString item = grid.RowIsGroup(r) ? QString(grid.internals().store.RowLevel(r), '>') +
                                                    "[" + grid.CellText(r, grid.RowTextCol()) + "]"
                                              : grid.CellText(r, 3);
            out << (shown ? item : "(" + item + ")");
        }
        return out.join(' ');
    }
    void groupBy(std::initializer_list<std::pair<const char*, int>> criteria) {
        grid.SortObject().Clear();
        for (const auto& [col, order] : criteria)
            grid.SortObject().Add(col, order, grid.ColSortType(col));
        created.clear();
        grid.Group();
    }
};

// Size bands: the value orders them, the caption names them.
void sizeBands(GetGroupValueArgs& args) {
    if (args.col != 2)
        return;
    const double kb = args.value.toDouble();
    args.groupValue = kb < 10 ? 0 : kb <= 100 ? 1 : 2;
    args.caption = kb < 10 ? "Tiny" : kb <= 100 ? "Medium" : "Large";
}

} // namespace

class TestGridGrouping : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void groupByOneCriterion();
    void groupByTwoCriteria();
    void handlerGivesValuesAndCaptions();
    void iconAndCheckBoxColumnsBandByWhatTheyShow();
    void collapsedBandsAndToggling();
    void regroupAfterRemovals();
    void sortInsideBands();
    void ungroup();
};

void TestGridGrouping::groupByOneCriterion() {
    MailGrid t;
    t.groupBy({{"from", SortAscending}});
    QCOMPARE(t.grid.CurRow(), 0); // no current cell before: no band becomes current
    // Texts group without regard to case; rows keep their order inside a band.
    QCOMPARE(t.layout(), "[Ann] m4 [Bob] m2 m5 [Eva] m1 m3 m6");
    QCOMPARE(t.created, QList<int>({1, 3, 6}));
    QVERIFY(t.grid.RowIsGroup(3));
    QCOMPARE(t.grid.ParentRow(5), 3);
    t.groupBy({{"from", SortDescending}});
    QCOMPARE(t.layout(), "[Eva] m1 m3 m6 [Bob] m2 m5 [Ann] m4");
}

void TestGridGrouping::groupByTwoCriteria() {
    MailGrid t;
    QObject::connect(&t.grid, &TessixGrid::GetGroupValue, sizeBands);
    t.groupBy({{"from", SortAscending}, {"size", SortDescending}});
    QCOMPARE(t.layout(), "[Ann] >[Medium] m4 [Bob] >[Large] m2 >[Tiny] m5 "
                         "[Eva] >[Large] m6 >[Medium] m3 >[Tiny] m1");
    QCOMPARE(t.created.size(), 9); // three outer bands, six inner ones
}

void TestGridGrouping::handlerGivesValuesAndCaptions() {
    MailGrid t;
    QObject::connect(&t.grid, &TessixGrid::GetGroupValue, sizeBands);
    // The bands follow the group values, not the captions ("Large" < "Medium" < "Tiny").
    t.groupBy({{"size", SortAscending}});
    QCOMPARE(t.layout(), "[Tiny] m1 m5 [Medium] m3 m4 [Large] m2 m6");
    t.groupBy({{"size", SortDescending}});
    QCOMPARE(t.layout(), "[Large] m2 m6 [Medium] m3 m4 [Tiny] m1 m5");
}

// Icon-only and check-box cells hold no value: their bands follow the icon and the check
// state, as their sorting does, and the handler sees those as the group values.
void TestGridGrouping::iconAndCheckBoxColumnsBandByWhatTheyShow() {
    MailGrid t;
    t.grid.AddCol("flag", {}, -1, SortTypeIcon);
    GridColumn* read = t.grid.AddCol("read", {}, -1, SortTypeCheckState);
    read->SetCheckBoxVisible(true);
    const int icons[] = {2, 0, 1, 2, 0, 1};
    for (int row = 1; row <= 6; ++row) {
        t.grid.SetCellIcon(row, "flag", icons[row - 1]);
        t.grid.SetCellCheckState(row, "read", row % 2);
    }
    t.groupBy({{"flag", SortDescending}});
    QCOMPARE(t.layout(), "[(none)] m1 m4 [(none)] m3 m6 [(none)] m2 m5");
    t.groupBy({{"read", SortAscending}});
    QCOMPARE(t.layout(), "[(none)] m4 m6 m2 [(none)] m1 m3 m5"); // in the order before

    QStringList seen;
    QObject::connect(&t.grid, &TessixGrid::GetGroupValue, [&](GetGroupValueArgs& args) {
        seen << args.groupValue.toString();
        args.caption = "icon " + args.groupValue.toString();
    });
    t.groupBy({{"flag", SortAscending}});
    QCOMPARE(seen, QStringList({"2", "1", "0", "2", "1", "0"}));
    QCOMPARE(t.layout(), "[icon 0] m2 m5 [icon 1] m6 m3 [icon 2] m4 m1");
}

void TestGridGrouping::collapsedBandsAndToggling() {
    MailGrid t;
    t.grid.SetGroupRowsExpanded(false);
    t.grid.SetCurCell(5, 3); // m5
    t.groupBy({{"from", SortAscending}});
    QCOMPARE(t.layout(), "[Ann] (m4) [Bob] (m2) (m5) [Eva] (m1) (m3) (m6)");
    QCOMPARE(t.grid.CurRow(), 3); // its band: a current cell never hides
    // A band toggles with its button, a double click or the keys.
    const QRect band = viewportOf(t.grid).cellRect(3, t.grid.RowTextCol());
    const QPoint button(band.left() + t.grid.CellIndentLeft(3, t.grid.RowTextCol()) + 8,
                        band.center().y());
    QTest::mouseClick(t.grid.viewport(), Qt::LeftButton, {}, button);
    QCOMPARE(t.layout(), "[Ann] (m4) [Bob] m2 m5 [Eva] (m1) (m3) (m6)");
    QTest::mouseDClick(t.grid.viewport(), Qt::LeftButton, {},
                       viewportOf(t.grid).cellRect(6, t.grid.RowTextCol()).center());
    QCOMPARE(t.layout(), "[Ann] (m4) [Bob] m2 m5 [Eva] m1 m3 m6");
    QCOMPARE(t.grid.CurRow(), 6);
    QTest::keyClick(&t.grid, Qt::Key_Left);
    QCOMPARE(t.layout(), "[Ann] (m4) [Bob] m2 m5 [Eva] (m1) (m3) (m6)");
    // Only bands made afterwards follow the setting.
    t.grid.SetGroupRowsExpanded(true);
    QVERIFY(!t.grid.RowExpanded(1));
    t.groupBy({{"from", SortAscending}});
    QCOMPARE(t.layout(), "[Ann] m4 [Bob] m2 m5 [Eva] m1 m3 m6");
}

void TestGridGrouping::regroupAfterRemovals() {
    MailGrid t;
    t.groupBy({{"from", SortAscending}});
    QVERIFY(t.grid.RemoveRow(2)); // m4: Ann's band is left empty
    QVERIFY(t.grid.RemoveRow(3)); // m2
    t.grid.Group();
    QCOMPARE(t.layout(), "[Bob] m5 [Eva] m1 m3 m6");
    QCOMPARE(t.grid.RowCount(), 6);
}

void TestGridGrouping::sortInsideBands() {
    MailGrid t;
    t.groupBy({{"from", SortAscending}});
    t.grid.SortByCol("size");
    QCOMPARE(t.layout(), "[Ann] m4 [Bob] m5 m2 [Eva] m1 m3 m6");
    t.grid.SetColSortIndex("size", 0);
    t.grid.SortByCol("subject");
    QCOMPARE(t.layout(), "[Ann] m4 [Bob] m2 m5 [Eva] m1 m3 m6");
}

void TestGridGrouping::ungroup() {
    MailGrid t;
    t.groupBy({{"from", SortDescending}});
    t.grid.SetCurCell(3, 3); // m3
    t.grid.Ungroup();
    QCOMPARE(t.layout(), "m1 m3 m6 m2 m5 m4");
    QCOMPARE(t.grid.SortObject().Count(), 0);
    QCOMPARE(t.grid.CellText(t.grid.CurRow(), 3), "m3"); // the current cell stayed on its row
    QCOMPARE(t.grid.ParentRow(2), 0);
    t.grid.Group(); // nothing to group by: no bands come back
    QCOMPARE(t.layout(), "m1 m3 m6 m2 m5 m4");
}

QTEST_MAIN(TestGridGrouping)
#include "tst_gridgrouping.moc"
