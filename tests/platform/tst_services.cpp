#include "platform/ActiveWindow.h"
#include "platform/Clock.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

#include <QApplication>
#include <QScreen>
#include <QWidget>
#include <QtTest>

// The small services: twips, the clock, the web browser and closing the active window.
class TestServices : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void twipsFollowTheScreen() {
        const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
        QCOMPARE(TwipsPerPixelX(), 1440.0 / dpi);
        if (dpi != 96)
            QSKIP("the conversions below assume 96 DPI");
        QCOMPARE(TwipsPerPixelX(), 15.0);
        QCOMPARE(TwipsToPixelsX(6555), 437);
        QCOMPARE(TwipsToPixelsY(4170), 278);
        QCOMPARE(TwipsToPixelsX(7), 0);
        QCOMPARE(TwipsToPixelsX(8), 1);
        QCOMPARE(PixelsToTwipsX(437), 6555);
        QCOMPARE(PixelsToTwipsY(-2), -30);
    }

    void tickCountFromTheInstalledClock() {
        platform::ManualClock clock;
        platform::ScopedClock scope(clock);
        clock.set(0xFFFFFFF0u);
        const quint32 start = GetTickCount();
        clock.advance(0x20);
        // Differences survive the wrap of the 32-bit counter.
        QCOMPARE(GetTickCount() - start, 0x20u);
    }

    void steadyClockNeverGoesBack() {
        platform::SteadyClock clock;
        const quint32 first = clock.milliseconds();
        QVERIFY(clock.milliseconds() >= first);
    }

    void webAddressesGoToTheInstalledBrowser() {
        platform::RecordingWebBrowser browser;
        platform::ScopedWebBrowser scope(browser);
        QVERIFY(OpenWebAddress("https://example.com/tessix"));
        QCOMPARE(browser.addresses(), QStringList{"https://example.com/tessix"});
    }

    void closesTheActiveWindow() {
        QWidget first;
        QWidget second;
        first.show();
        second.show();
        QApplication::setActiveWindow(&second);
        QVERIFY(QTest::qWaitForWindowActive(&second));
        CloseActiveWindow();
        QVERIFY(first.isVisible());
        QVERIFY(!second.isVisible());
    }

    void closingWithoutAnActiveWindowDoesNothing() {
        QVERIFY(!QApplication::activeWindow());
        CloseActiveWindow();
    }

    void closeGoesToTheInstalledCloser() {
        platform::RecordingWindowCloser closer;
        platform::ScopedWindowCloser scope(closer);
        CloseActiveWindow();
        QCOMPARE(closer.count(), 1);
    }
};

QTEST_MAIN(TestServices)
#include "tst_services.moc"
