#include "app/Startup.h"
#include "components/grid/TessixGrid.h"
#include "samples/features/frmMemMng.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <memory>

class TestFrmMemMng : public QObject {
    Q_OBJECT
    std::unique_ptr<frmMemMng> window;

    // Types into a box as the user would, then moves the focus on.
    void type(QLineEdit* box, const QString& text) {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        window->cmdClearRes->setFocus();
    }

    void run(int cols, int rows, int reserve) {
        window->txtCols->setText(QString::number(cols));
        window->txtRows->setText(QString::number(rows));
        window->txtRowsChunk->setText(QString::number(reserve));
        QTest::mouseClick(window->cmdRepopulate, Qt::LeftButton);
    }

    QString result(int line, const char* key) {
        return window->grdRes->CellValue(line, key).toString();
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        window = std::make_unique<frmMemMng>();
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void loadShowsTheResultColumns() {
        QCOMPARE(window->windowTitle(), QString("Memory Manager Tester"));
        QCOMPARE(window->txtCols->text(), QString("10"));
        QCOMPARE(window->txtRows->text(), QString("2500"));
        QCOMPARE(window->txtRowsChunk->text(), QString("100"));
        QVERIFY(window->lblStatus->isHidden());
        TessixGrid& res = *window->grdRes;
        QCOMPARE(res.ColCount(), 5);
        const QStringList headers{"Cols", "Rows", "Want Free Rows", "Time, msec", "Allocated Rows"};
        for (int col = 1; col <= 5; ++col) {
            QCOMPARE(res.ColHeaderText(col), headers[col - 1]);
            QCOMPARE(res.ColWidth(col), 92);
            QCOMPARE(res.ColHeaderAlignH(col), int(AlignCenter));
        }
        QVERIFY(res.RowMode());
        QVERIFY(!res.Editable());
    }

    void boxesKeepToTheirLimits_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("600 columns") << "cols"
                                     << "600"
                                     << "512";
        QTest::newRow("no columns") << "cols"
                                    << "0"
                                    << "1";
        QTest::newRow("empty columns") << "cols"
                                       << ""
                                       << "1";
        QTest::newRow("letters are not typed") << "cols"
                                               << "4x2"
                                               << "42";
        QTest::newRow("0 rows") << "rows"
                                << "0"
                                << "1";
        QTest::newRow("too many rows") << "rows"
                                       << "100001"
                                       << "100000";
        QTest::newRow("most rows") << "rows"
                                   << "100000"
                                   << "100000";
        QTest::newRow("empty reserve") << "chunk"
                                       << ""
                                       << "0";
        QTest::newRow("no reserve") << "chunk"
                                    << "0"
                                    << "0";
        QTest::newRow("too large a reserve") << "chunk"
                                             << "123456789"
                                             << "10000";
    }
    void boxesKeepToTheirLimits() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QLineEdit* edit = box == "cols"   ? window->txtCols
                          : box == "rows" ? window->txtRows
                                          : window->txtRowsChunk;
        type(edit, typed);
        QCOMPARE(edit->text(), shown);
    }

    void runsAddLinesInOrderTheNewestCurrent() {
        // What the window shows while the rows are being added.
        bool busyShown = false;
        QTimer::singleShot(0, this, [&] {
            const QCursor* cursor = QApplication::overrideCursor();
            busyShown =
                window->lblStatus->isVisible() && cursor && cursor->shape() == Qt::WaitCursor;
        });
        run(3, 50, 0);
        QVERIFY(busyShown);
        QVERIFY(window->lblStatus->isHidden());
        QVERIFY(!QApplication::overrideCursor());

        run(5, 40, 100);
        TessixGrid& test = *window->grdTest;
        QCOMPARE(test.ColCount(), 5);
        QCOMPARE(test.RowCount(), 40);

        TessixGrid& res = *window->grdRes;
        QCOMPARE(res.RowCount(), 2);
        QCOMPARE(res.CurRow(), 2);
        QVERIFY(res.hasFocus());
        const QStringList first{result(1, "cols"), result(1, "rows"), result(1, "free"),
                                result(1, "alloc")};
        QCOMPARE(first, (QStringList{"3", "50", "0", "50"})); // one slot a row without reserve
        const QStringList second{result(2, "cols"), result(2, "rows"), result(2, "free"),
                                 result(2, "alloc")};
        QCOMPARE(second, (QStringList{"5", "40", "100", "101"})); // the row and its reserve
        for (int line : {1, 2})
            QVERIFY(res.CellValue(line, "time").toDouble() >= 0);
    }

    void aRunUsesTheLimitsEvenWithoutLeavingTheBox() {
        window->txtCols->setText("600");
        window->txtRows->setText("0");
        window->txtRowsChunk->setText("");
        window->cmdRepopulate->click();
        QCOMPARE(window->grdTest->ColCount(), 512);
        QCOMPARE(window->grdTest->RowCount(), 1);
        QCOMPARE(result(1, "free"), QString("0"));
    }

    void clearResultsKeepsTheColumns() {
        run(2, 10, 5);
        run(2, 10, 0);
        QCOMPARE(window->grdRes->RowCount(), 2);
        QTest::mouseClick(window->cmdClearRes, Qt::LeftButton);
        QCOMPARE(window->grdRes->RowCount(), 0);
        QCOMPARE(window->grdRes->ColCount(), 5);
        QCOMPARE(window->grdRes->ColHeaderText("alloc"), QString("Allocated Rows"));
        run(2, 10, 0);
        QCOMPARE(window->grdRes->RowCount(), 1);
        QCOMPARE(window->grdRes->CurRow(), 1);
    }
};

QTEST_MAIN(TestFrmMemMng)
#include "tst_frmmemmng.moc"
