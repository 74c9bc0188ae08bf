#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

// New windows open wholly on the screen, beside the window they came from when there is
// room; fixed-size windows offer no maximize button.
class TestWindowPlacement : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // Frames on a fake 1280 x 1024 screen (a panel may take its top).
    void placeBeside_data() {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        const QRect screen(0, 0, 1280, 1024);
        const QRect launcher(0, 0, 527, 582);
        QTest::newRow("right of the launcher")
            << QSize(400, 300) << launcher << screen << QRect(535, 0, 400, 300);
        QTest::newRow("too wide for either side: over it, offset")
            << QSize(846, 590) << launcher << screen << QRect(32, 32, 846, 590);
        QTest::newRow("launcher at the right edge: to its left")
            << QSize(300, 300) << QRect(880, 100, 400, 500) << screen << QRect(572, 100, 300, 300);
        QTest::newRow("beside, slid up to stay above the bottom")
            << QSize(600, 700) << QRect(100, 500, 500, 400) << screen << QRect(608, 324, 600, 700);
        QTest::newRow("no room at the sides: below")
            << QSize(1200, 300) << QRect(100, 0, 1000, 500) << screen << QRect(80, 508, 1200, 300);
        QTest::newRow("larger than the screen: cut to it")
            << QSize(2000, 1500) << launcher << screen << screen;
        QTest::newRow("a top panel is left free")
            << QSize(400, 1000) << QRect(0, 30, 527, 582) << QRect(0, 30, 1280, 994)
            << QRect(535, 30, 400, 994);
        QTest::newRow("on a second screen, no room beside: over it, offset")
            << QSize(400, 300) << QRect(1400, 100, 527, 582) << QRect(1280, 0, 1024, 768)
            << QRect(1432, 132, 400, 300);
    }
    void placeBeside() {
        QFETCH(QSize, frame);
        QFETCH(QRect, anchor);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QRect placed = PlaceBeside(frame, anchor, available);
        QCOMPARE(placed, expected);
        QVERIFY(available.contains(placed));
    }

    // On the real (offscreen) screen: beside the anchor, shrunk to the screen when larger,
    // and a window that fits keeps its size.
    void placeWindowBeside() {
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        QWidget anchor;
        anchor.setGeometry(available.left() + 10, available.top() + 10, 200, 150);
        anchor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&anchor));

        QWidget small;
        small.resize(150, 100);
        PlaceWindowBeside(&small, &anchor);
        QCOMPARE(small.size(), QSize(150, 100));
        QVERIFY(small.pos().x() > anchor.frameGeometry().right());

        QWidget big;
        big.resize(available.size() + QSize(400, 300));
        PlaceWindowBeside(&big, &anchor);
        big.show();
        QVERIFY(QTest::qWaitForWindowExposed(&big));
        QVERIFY2(available.contains(big.frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3x%4")
                                .arg(big.frameGeometry().x())
                                .arg(big.frameGeometry().y())
                                .arg(big.frameGeometry().width())
                                .arg(big.frameGeometry().height())));
    }

    void fixedSizeHasNoMaximizeButton_data() {
        QTest::addColumn<int>("flags");
        QTest::addColumn<bool>("minimize");
        QTest::newRow("plain window") << int(Qt::Window) << true;
        QTest::newRow("plain dialog") << int(Qt::Dialog) << false;
        QTest::newRow("named buttons kept")
            << int(Qt::Window | Qt::WindowTitleHint | Qt::WindowMaximizeButtonHint |
                   Qt::WindowCloseButtonHint)
            << false;
    }
    void fixedSizeHasNoMaximizeButton() {
        QFETCH(int, flags);
        QFETCH(bool, minimize);
        QWidget window(nullptr, Qt::WindowFlags(flags));
        SetFixedWindowSize(&window, QSize(300, 200));
        QCOMPARE(window.minimumSize(), QSize(300, 200));
        QCOMPARE(window.maximumSize(), QSize(300, 200));
        const Qt::WindowFlags shown = window.windowFlags();
        QVERIFY(!(shown & Qt::WindowMaximizeButtonHint));
        QVERIFY(shown & Qt::WindowCloseButtonHint);
        QVERIFY(shown & Qt::WindowTitleHint);
        QCOMPARE(bool(shown & Qt::WindowMinimizeButtonHint), minimize);
    }
};

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
