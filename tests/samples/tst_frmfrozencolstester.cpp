// Frozen Columns Tester: the grid and panel at load, drags across the frozen edge allowed or
// refused with their messages, adding and removing columns after a reorder, and the edge's
// width and colour.

#include "samples/exploring/frmFrozenColsTester.h"

#include "SampleWindowTest.h"
#include "platform/Colors.h"
#include "runtime/DateMath.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>

namespace {

const QString RefusedText =
    QStringLiteral("Check the Allow column dragging...\r\noption to allow this movement!");
const QString LastInAreaText =
    QStringLiteral("You cannot make the frozen or non-frozen area empty.");

// A window wide enough to show every column's header.
std::unique_ptr<frmFrozenColsTester> wideWindow() {
    auto window = shownWindow<frmFrozenColsTester>();
    window->resize(1100, 500);
    QCoreApplication::processEvents();
    return window;
}

// Drags a column's header onto the left half of the header at display position `onto`.
void dragHeader(TessixGrid& grid, int col, int onto) {
    const GridViewport view = viewportOf(grid);
    const QRect target = view.headerItemRect(grid.ColAtPos(onto));
    const QPoint to(target.left() + 5, target.center().y());
    QWidget* viewport = grid.viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, view.headerItemRect(col).center());
    QTest::mouseMove(viewport, to + QPoint(col == 1 ? 1 : -1, 0));
    QTest::mouseMove(viewport, to);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, to);
}

// The columns in display order, by the number in their cells ("R1C4" -> 4).
QString order(const TessixGrid& grid) {
    QStringList cols;
    for (int pos = 1; pos <= grid.ColCount(); ++pos)
        cols << grid.CellText(1, grid.ColAtPos(pos)).mid(3);
    return cols.join(u' ');
}

} // namespace

class TestFrmFrozenColsTester : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void atLoad();
    void drags_data();
    void drags();
    void lastColumnOfAnArea();
    void addAndRemoveColumns();
    void edgeWidth_data();
    void edgeWidth();
    void edgeColor();
    void gridLinesAndEdge();
};

void TestFrmFrozenColsTester::atLoad() {
    IsolatedServices services;
    auto window = shownWindow<frmFrozenColsTester>();
    TessixGrid& grid = *window->Tessix1;
    QCOMPARE(grid.FrozenCols(), 2);
    QCOMPARE(grid.ColCount(), 7);
    QCOMPARE(grid.RowCount(), 20);
    QCOMPARE(grid.CellText(20, 7), QStringLiteral("R20C7"));
    QCOMPARE(grid.CellText(3, 1), QStringLiteral("R3C1"));
    QCOMPARE(window->cmbGridLines->currentText(), QStringLiteral("Both"));
    QCOMPARE(grid.GridLines(), 3);
    QVERIFY(!window->chkDrawAlways->isChecked());
    QVERIFY(!grid.DrawFrozenEdgeAlways());
    QVERIFY(window->chkAllowDrag->isChecked());
    QVERIFY(window->chkDispWarn->isChecked());
    QCOMPARE(window->txtEdgeW->text(), QString::number(grid.FrozenEdgeWidth()));
    QCOMPARE(window->lblColor->palette().color(QPalette::Window),
             OleColorToQColor(grid.FrozenEdgeColor()));
    QVERIFY(services.boxes.shown().isEmpty());
}

void TestFrmFrozenColsTester::drags_data() {
    QTest::addColumn<bool>("allow");
    QTest::addColumn<int>("col");
    QTest::addColumn<int>("onto");
    QTest::addColumn<QString>("order");
    QTest::addColumn<int>("frozen");
    QTest::addColumn<bool>("refused"); // the message shown
    QTest::newRow("into the frozen area") << true << 4 << 2 << "1 4 2 3 5 6 7" << 3 << false;
    QTest::newRow("into it, refused") << false << 4 << 2 << "1 2 3 4 5 6 7" << 2 << true;
    QTest::newRow("out of it, refused") << false << 1 << 5 << "1 2 3 4 5 6 7" << 2 << true;
    QTest::newRow("within the scrolling area") << false << 6 << 3 << "1 2 6 3 4 5 7" << 2 << false;
    QTest::newRow("within the frozen area") << false << 2 << 1 << "2 1 3 4 5 6 7" << 2 << false;
}

void TestFrmFrozenColsTester::drags() {
    QFETCH(bool, allow);
    QFETCH(int, col);
    QFETCH(int, onto);
    QFETCH(QString, order);
    QFETCH(int, frozen);
    QFETCH(bool, refused);
    IsolatedServices services;
    if (refused)
        services.boxes.answer(vbOK);
    auto window = wideWindow();
    window->chkAllowDrag->setChecked(allow);
    dragHeader(*window->Tessix1, col, onto);
    QCOMPARE(::order(*window->Tessix1), order);
    QCOMPARE(window->Tessix1->FrozenCols(), frozen);
    QCOMPARE(services.boxes.shown().size(), refused ? 1 : 0);
    if (refused) {
        QCOMPARE(services.boxes.shown()[0].request.text, RefusedText);
        QCOMPARE(services.boxes.shown()[0].request.icon(), int(vbInformation));
    }
    QVERIFY(services.boxes.unexpected().isEmpty());
}

void TestFrmFrozenColsTester::lastColumnOfAnArea() {
    for (const bool warn : {true, false}) {
        IsolatedServices services;
        if (warn)
            services.boxes.answer(vbOK);
        auto window = wideWindow();
        window->chkDispWarn->setChecked(warn);
        window->Tessix1->SetFrozenCols(1);
        dragHeader(*window->Tessix1, 1, 4);
        QCOMPARE(order(*window->Tessix1), QStringLiteral("1 2 3 4 5 6 7"));
        QCOMPARE(window->Tessix1->FrozenCols(), 1);
        QCOMPARE(services.boxes.shown().size(), warn ? 1 : 0);
        if (warn) {
            QCOMPARE(services.boxes.shown()[0].request.text, LastInAreaText);
            QCOMPARE(services.boxes.shown()[0].request.icon(), int(vbInformation));
        }
    }
}

void TestFrmFrozenColsTester::addAndRemoveColumns() {
    IsolatedServices services;
    auto window = wideWindow();
    TessixGrid& grid = *window->Tessix1;
    // The last column dragged to the front: the column now shown last goes.
    dragHeader(grid, 7, 1);
    QCOMPARE(order(grid), QStringLiteral("7 1 2 3 4 5 6"));
    window->cmdRemoveCol->click();
    QCOMPARE(order(grid), QStringLiteral("7 1 2 3 4 5"));

    // An added column is titled with the time and shown last; it is the next to go.
    window->cmdAddCol->click();
    QCOMPARE(grid.ColCount(), 7);
    const int added = grid.ColAtPos(7);
    QVERIFY(QLocale().toTime(grid.ColHeaderText(added), vb::longTimePattern()).isValid());
    window->cmdRemoveCol->click();
    QCOMPARE(order(grid), QStringLiteral("7 1 2 3 4 5"));
    QVERIFY(services.boxes.shown().isEmpty());
}

void TestFrmFrozenColsTester::edgeWidth_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("a width") << "4" << true;
    QTest::newRow("none") << "0" << true;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("refused by the grid") << "11" << false;
    QTest::newRow("too large for a number") << "99999999999" << false;
}

void TestFrmFrozenColsTester::edgeWidth() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    IsolatedServices services;
    if (!accepted)
        services.boxes.answer(vbOK);
    auto window = shownWindow<frmFrozenColsTester>();
    const int before = window->Tessix1->FrozenEdgeWidth();
    window->txtEdgeW->setText(text);
    window->cmdSetEdgeW->click();
    QCOMPARE(window->Tessix1->FrozenEdgeWidth(), accepted ? text.toInt() : before);
    QCOMPARE(services.boxes.shown().size(), accepted ? 0 : 1);
    if (!accepted) {
        QCOMPARE(services.boxes.shown()[0].request.text, QStringLiteral("Illegal value"));
        QCOMPARE(services.boxes.shown()[0].request.icon(), int(vbCritical));
    }
}

void TestFrmFrozenColsTester::edgeColor() {
    IsolatedServices services;
    auto window = shownWindow<frmFrozenColsTester>();
    TessixGrid& grid = *window->Tessix1;
    grid.SetFrozenEdgeColor(0x80000010); // a system colour
    const QColor shown = window->lblColor->palette().color(QPalette::Window);

    services.dialogs.cancelColor();
    window->cmdSelEdgeColor->click();
    const platform::ColorDialogRequest& asked = services.dialogs.colorRequests()[0];
    QVERIFY(asked.initial);
    QCOMPARE(QColorToOle(*asked.initial), OleColorToRGB(0x80000010));
    QCOMPARE(asked.owner, window.get());
    QCOMPARE(grid.FrozenEdgeColor(), quint32(0x80000010));
    QCOMPARE(window->lblColor->palette().color(QPalette::Window), shown);

    services.dialogs.answerColor(QColor(200, 30, 40));
    window->cmdSelEdgeColor->click();
    QCOMPARE(grid.FrozenEdgeColor(), RGB(200, 30, 40));
    QCOMPARE(window->lblColor->palette().color(QPalette::Window), QColor(200, 30, 40));
    QVERIFY(services.dialogs.unexpected().isEmpty());
}

void TestFrmFrozenColsTester::gridLinesAndEdge() {
    IsolatedServices services;
    auto window = shownWindow<frmFrozenColsTester>();
    for (int index : {0, 1, 2, 3}) {
        window->cmbGridLines->setCurrentIndex(index);
        QCOMPARE(window->Tessix1->GridLines(), index);
    }
    window->chkDrawAlways->click();
    QVERIFY(window->Tessix1->DrawFrozenEdgeAlways());
    window->chkDrawAlways->click();
    QVERIFY(!window->Tessix1->DrawFrozenEdgeAlways());
}

QTEST_MAIN(TestFrmFrozenColsTester)
#include "tst_frmfrozencolstester.moc"
