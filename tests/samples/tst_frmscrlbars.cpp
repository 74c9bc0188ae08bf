// "Playing with Scroll Bars" driven through its panel and the sample grid's real scroll bars:
// the logged events with their parameter texts, the tooltip while a scroll box is dragged,
// the panel's buttons and options, the log's limit and the resize.

#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "platform/Twips.h"
#include "samples/exploring/frmScrlBarToolTip.h"
#include "samples/exploring/frmScrlBars.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

class TestFrmScrlBars : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmScrlBars> window;

    TessixGrid& grid() { return *window->Tessix1; }
    TessixGrid& log() { return *window->grdEvents; }
    // The log rows from `from` on as "event|bar|parameters".
    QStringList logged(int from) {
        QStringList rows;
        for (int row = from; row <= log().RowCount(); ++row)
            rows << QStringList{log().CellValue(row, "event").toString(),
                                log().CellValue(row, "bar").toString(),
                                log().CellValue(row, "parms").toString()}
                        .join('|');
        return rows;
    }
    int next() { return log().RowCount() + 1; }
    void settle() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = shownWindow<frmScrlBars>();
        settle();
    }
    void cleanup() {
        window.reset();
        services.reset();
    }

    void loadFillsBothGrids() {
        QCOMPARE(window->windowTitle(), QString("Playing with Scroll Bars"));
        QCOMPARE(grid().RowCount(), 50);
        QCOMPARE(grid().ColCount(), 4);
        QCOMPARE(grid().ColHeaderText(1), QString("Col #1 of 4"));
        QCOMPARE(grid().ColWidth(4), 72);
        QCOMPARE(grid().CellValue(12, 3).toString(), QString("R12C3"));
        QCOMPARE(log().ColCount(), 4);
        QCOMPARE(log().ColHeaderText("parms"), QString("Parameters"));
        QCOMPARE(log().ColWidth("event"), 144);
        QCOMPARE(log().VScrollBar().DisplayMode(), int(ScrollBarAlways));
        QVERIFY(window->optVSBDispMode[ScrollBarWhenNeeded]->isChecked());
        QVERIFY(window->chkHScrlBarEnabled->isChecked());
        QCOMPARE(window->txtHSBValue->text(), QString("0"));
        QVERIFY(!window->ToolTip());
        // The Value boxes take digits only.
        window->txtVSBValue->clear();
        QTest::keyClicks(window->txtVSBValue, "1x2-3");
        QCOMPARE(window->txtVSBValue->text(), QString("123"));
    }

    void thumbDragsLogAndShowTheTooltip_data() {
        QTest::addColumn<int>("bar");
        QTest::newRow("vertical") << int(ScrollBarVertical);
        QTest::newRow("horizontal") << int(ScrollBarHorizontal);
    }
    void thumbDragsLogAndShowTheTooltip() {
        QFETCH(int, bar);
        const bool vertical = bar == ScrollBarVertical;
        QScrollBar* scroll = vertical ? grid().verticalScrollBar() : grid().horizontalScrollBar();
        QVERIFY(scroll->isVisible());
        const QString b = vertical ? "V" : "H";
        // Where the tooltip is at each position of the drag, seen from inside the drag.
        QList<QPoint> places;
        QStringList positions;
        connect(&grid(), &TessixGrid::ScrollBarThumbTrack, this, [&] {
            QVERIFY(window->ToolTip() && window->ToolTip()->isVisible());
            places << window->ToolTip()->pos();
            positions << window->ToolTip()->LabelPos->text();
        });
        const int from = next();
        scroll->setSliderDown(true);
        scroll->setSliderPosition(5);
        scroll->setSliderPosition(9);
        scroll->setSliderDown(false);
        QCOMPARE(
            logged(from),
            QStringList(
                {"ScrollBarBeforeScroll|" + b + "|ScrollReason: ThumbTrack  MouseWheel: False",
                 "ScrollBarThumbTrack|" + b + "|Value: 5", "ScrollBarPosChanged|" + b + "|Value: 5",
                 "ScrollBarBeforeScroll|" + b + "|ScrollReason: ThumbTrack  MouseWheel: False",
                 "ScrollBarThumbTrack|" + b + "|Value: 9", "ScrollBarPosChanged|" + b + "|Value: 9",
                 "ScrollBarBeforeScroll|" + b + "|ScrollReason: ThumbPosition  MouseWheel: False",
                 "ScrollBarEndScroll|" + b + "|"}));
        QCOMPARE(positions, QStringList({"5", "9"}));
        QCOMPARE(places.size(), 2);
        QCOMPARE(places[1], places[0]); // not moved during the drag
        const QRect g(grid().mapToGlobal(QPoint(0, 0)), grid().size());
        const QSize tip(TwipsToPixelsX(2295), TwipsToPixelsY(1155));
        const QPoint expected =
            vertical ? QPoint(g.right() + 1 - tip.width() - grid().VScrollBar().Thickness(),
                              g.top() + g.height() / 2 - tip.height() / 2)
                     : QPoint(g.left() + g.width() / 2 - tip.width() / 2,
                              g.bottom() + 1 + TwipsToPixelsY(500));
        QCOMPARE(places[0], expected);
        QVERIFY(!window->ToolTip()); // gone at the end of the drag
        QCOMPARE((vertical ? window->txtVSBValue : window->txtHSBValue)->text(), QString("9"));
    }

    void wheelReasonsSayMouseWheel() {
        const QPoint at = grid().viewport()->rect().center();
        QWheelEvent wheel(at, grid().viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        const int from = next();
        QApplication::sendEvent(grid().viewport(), &wheel);
        const QStringList rows = logged(from);
        QCOMPARE(rows.value(0), QString("ScrollBarBeforeScroll|V|ScrollReason: LineDownOrRight  "
                                        "MouseWheel: True"));
        QVERIFY(rows.value(1).startsWith("ScrollBarPosChanged|V|Value: "));
        QCOMPARE(window->txtVSBValue->text(), QString::number(grid().VScrollBar().Value()));
    }

    void setShowsTheValueTheGridTook_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown"); // "max": the bar's maximum
        QTest::newRow("within the range") << "40"
                                          << "40";
        QTest::newRow("above the maximum") << "999999"
                                           << "max";
        QTest::newRow("too large for a number") << "99999999999999999999"
                                                << "max";
        QTest::newRow("empty: nothing set") << ""
                                            << "0";
    }
    void setShowsTheValueTheGridTook() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        GridScrollBar& v = grid().VScrollBar();
        window->txtVSBValue->setText(typed);
        QTest::mouseClick(window->cmdSetVSBValue, Qt::LeftButton);
        const QString expected = shown == "max" ? QString::number(v.Max()) : shown;
        QCOMPARE(window->txtVSBValue->text(), expected);
        QCOMPARE(QString::number(v.Value()), expected);
    }

    void neverAndEnabledReachTheGridAndTheLog() {
        const int from = next();
        window->optVSBDispMode[ScrollBarNever]->setChecked(true);
        settle();
        QVERIFY(!grid().VScrollBar().Visible());
        QVERIFY(logged(from).contains("ScrollBarVisibilityChanged|V|Visible: False"));
        window->optVSBDispMode[ScrollBarAlways]->setChecked(true);
        settle();
        QVERIFY(grid().VScrollBar().Visible());

        const int enabledFrom = next();
        window->chkHScrlBarEnabled->setChecked(false);
        QVERIFY(!grid().HScrollBar().Enabled());
        QCOMPARE(logged(enabledFrom), QStringList{"ScrollBarEnabledChanged|H|Enabled: False"});
        window->chkHScrlBarEnabled->setCheckState(Qt::PartiallyChecked); // grayed: checked
        QVERIFY(grid().HScrollBar().Enabled());
    }

    void showInfoListsTheBarsFigures() {
        services->boxes.answer(vbOK);
        QTest::mouseClick(window->cmdShowVSBInfo, Qt::LeftButton);
        services->boxes.answer(vbOK);
        QTest::mouseClick(window->cmbShowHSBInfo, Qt::LeftButton);
        QCOMPARE(services->boxes.shown().size(), 2);
        const GridScrollBar& v = grid().VScrollBar();
        const auto& vertical = services->boxes.shown()[0].request;
        QCOMPARE(vertical.title, QString("Vertical Scroll Bar Info"));
        QCOMPARE(vertical.buttons(), int(vbOKOnly));
        QCOMPARE(vertical.text, QString("Value: 0\r\nMin. value: 0\r\nMax. value: %1\r\n"
                                        "Large change: %2\r\nSmall change: %3\r\nEnabled: True\r\n"
                                        "Visible: True\r\nWidth: %4")
                                    .arg(v.Max())
                                    .arg(v.LargeChange())
                                    .arg(v.SmallChange())
                                    .arg(v.Thickness()));
        const auto& horizontal = services->boxes.shown()[1].request;
        QCOMPARE(horizontal.title, QString("Horizontal Scroll Bar Info"));
        QVERIFY(horizontal.text.endsWith(
            QString("\r\nHeight: %1").arg(grid().HScrollBar().Thickness())));
    }

    void theLogKeepsTheLatestThousandRows() {
        // Each toggle of Enabled is one event.
        while (log().RowCount() < frmScrlBars::MaxLogRows)
            window->chkHScrlBarEnabled->toggle();
        const QString secondEvent = logged(2).value(0);
        const QString secondTime = log().CellValue(2, "time").toString();
        window->chkHScrlBarEnabled->toggle();
        QCOMPARE(log().RowCount(), frmScrlBars::MaxLogRows);
        QCOMPARE(logged(1).value(0), secondEvent);
        QCOMPARE(log().CellValue(1, "time").toString(), secondTime);
        QCOMPARE(logged(log().RowCount()).value(0),
                 QString("ScrollBarEnabledChanged|H|Enabled: ") +
                     (window->chkHScrlBarEnabled->isChecked() ? "True" : "False"));
    }

    void resizingMovesThePanelAndLogsTheBars() {
        const int edge = TwipsToPixelsX(120);
        const int from = next();
        // Large enough for all 50 rows and the four columns: both bars go.
        window->resize(1400, 1400);
        settle();
        QCOMPARE(window->picInfo->geometry().right() + 1, window->width() - edge);
        QCOMPARE(window->picInfo->geometry().bottom() + 1, window->height() - edge);
        QCOMPARE(grid().x(), edge);
        QCOMPARE(grid().width(), window->picInfo->x() - 2 * edge);
        QCOMPARE(grid().geometry().bottom() + 1, window->height() - edge);
        QCOMPARE(log().geometry().bottom() + 1, window->picInfo->height() - edge);
        const QStringList rows = logged(from);
        QVERIFY(rows.contains("ScrollBarVisibilityChanged|V|Visible: False"));
        QVERIFY(rows.contains("ScrollBarVisibilityChanged|H|Visible: False"));
        QVERIFY(rows.contains("ScrollBarThicknessChanged|V|Value: 0"));
        // Back to the design size: they return.
        const int back = next();
        window->resize(TwipsToPixelsX(9915), TwipsToPixelsY(6600));
        settle();
        QVERIFY(logged(back).contains("ScrollBarVisibilityChanged|V|Visible: True"));
    }
};

QTEST_MAIN(TestFrmScrlBars)
#include "tst_frmscrlbars.moc"
