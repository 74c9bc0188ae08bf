#include "app/Startup.h"
#include "platform/Colors.h"
#include "samples/features/mAPIDraw.h"

#include <QApplication>
#include <QPainter>
#include <QtTest>

using mAPIDraw::Box;

class TestMApiDraw : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }

    void oleColorToRgb_data() {
        QTest::addColumn<quint32>("ole");
        QTest::addColumn<quint32>("rgb");
        const QPalette palette = QGuiApplication::palette();
        QTest::newRow("plain colour") << 0x00123456u << 0x00123456u;
        QTest::newRow("palette-relative") << 0x02FF8000u << 0x00FF8000u;
        QTest::newRow("window text")
            << 0x80000008u << QColorToOle(palette.color(QPalette::Active, QPalette::Text));
        QTest::newRow("highlight text")
            << 0x8000000Eu
            << QColorToOle(palette.color(QPalette::Active, QPalette::HighlightedText));
        QTest::newRow("last system colour")
            << 0x8000001Eu << QColorToOle(palette.color(QPalette::Active, QPalette::Window));
        QTest::newRow("unknown system colour") << 0x8000001Fu << 0u;
        QTest::newRow("system colour with stray bits") << 0x80010008u << 0u;
        QTest::newRow("no OLE colour") << 0x40000000u << 0u;
        QTest::newRow("the default marker -1") << 0xFFFFFFFFu << 0u;
    }
    void oleColorToRgb() {
        QFETCH(quint32, ole);
        QFETCH(quint32, rgb);
        QCOMPARE(mAPIDraw::OleColorToRGB(ole), rgb);
    }

    void radialAngleCountsCounterClockwiseFromThreeOClock() {
        const Box box{0, 0, 60, 60}; // centre (30, 30)
        QCOMPARE(mAPIDraw::RadialAngle(box, {60, 30}), 0.0);
        QCOMPARE(mAPIDraw::RadialAngle(box, {30, 0}), 90.0);
        QCOMPARE(mAPIDraw::RadialAngle(box, {0, 30}), 180.0);
        QCOMPARE(mAPIDraw::RadialAngle(box, {30, 60}), 270.0);
    }

    // A quarter sector from three to twelve o'clock: only the top-right quadrant is filled;
    // the same point twice fills the whole ellipse.
    void pieRunsFromTheStartToTheEndRadial() {
        const Box box{0, 0, 61, 61};
        const auto draw = [&](QPoint start, QPoint end) {
            QImage img(61, 61, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::blue);
            mAPIDraw::Pie(p, box, start, end);
            return img;
        };
        const QImage quarter = draw({61, 30}, {30, 0});
        QCOMPARE(quarter.pixelColor(45, 15), QColor(Qt::blue));
        for (const QPoint other : {QPoint(15, 15), QPoint(15, 45), QPoint(45, 45)})
            QCOMPARE(quarter.pixelColor(other), QColor(Qt::white));
        const QImage full = draw({61, 30}, {61, 30});
        for (const QPoint any : {QPoint(45, 15), QPoint(15, 15), QPoint(15, 45), QPoint(45, 45)})
            QCOMPARE(full.pixelColor(any), QColor(Qt::blue));
    }

    void shapesStayInsideTheirBox() {
        const Box box{10, 10, 30, 22};
        QImage img(40, 32, QImage::Format_RGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::red);
        mAPIDraw::Ellipse(p, box);
        mAPIDraw::FillEllipse(p, box, Qt::green);
        mAPIDraw::FillBox(p, {box.left, box.top, box.right, box.top + 2}, Qt::blue);
        mAPIDraw::FillBox(p, {5, 5, 2, 2}, Qt::blue); // inverted: nothing
        p.end();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (!box.toRect().contains(x, y))
                    QVERIFY2(img.pixelColor(x, y) == QColor(Qt::white),
                             qPrintable(QString("%1,%2").arg(x).arg(y)));
        QCOMPARE(img.pixelColor(29, 11), QColor(Qt::blue)); // right and bottom exclusive
    }
};

QTEST_MAIN(TestMApiDraw)
#include "tst_mapidraw.moc"
