#include "platform/Colors.h"

#include <QApplication>
#include <QPalette>
#include <QtTest>

// System colours must follow the application palette, so a themed desktop (or a test
// palette) recolours the grids.
class TestColors : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() {
        QPalette palette;
        palette.setColor(QPalette::Base, QColor(1, 2, 3));
        palette.setColor(QPalette::Text, QColor(4, 5, 6));
        palette.setColor(QPalette::Highlight, QColor(7, 8, 9));
        palette.setColor(QPalette::HighlightedText, QColor(10, 11, 12));
        palette.setColor(QPalette::Button, QColor(13, 14, 15));
        palette.setColor(QPalette::Dark, QColor(16, 17, 18));
        palette.setColor(QPalette::Disabled, QPalette::Text, QColor(19, 20, 21));
        palette.setColor(QPalette::Shadow, QColor(22, 23, 24));
        palette.setColor(QPalette::ToolTipBase, QColor(25, 26, 27));
        QApplication::setPalette(palette);
    }

    void rgb_data() {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<quint32>("ole");
        QTest::newRow("black") << 0 << 0 << 0 << 0x000000u;
        QTest::newRow("red is the low byte") << 255 << 0 << 0 << 0x0000FFu;
        QTest::newRow("selection blue") << 204 << 232 << 255 << 0xFFE8CCu;
        QTest::newRow("out of range clamps") << 300 << -5 << 128 << 0x8000FFu;
    }
    void rgb() {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(quint32, ole);
        QCOMPARE(RGB(r, g, b), ole);
        const QColor color = OleColorToQColor(ole);
        QCOMPARE(QColorToOle(color), ole);
        QCOMPARE(OleColorToRGB(ole), ole);
    }

    void plainColor() {
        QCOMPARE(OleColorToQColor(RGB(10, 20, 30)), QColor(10, 20, 30));
        QCOMPARE(QColorToOle(QColor(10, 20, 30, 40)), RGB(10, 20, 30));
    }

    void systemColor_data() {
        QTest::addColumn<quint32>("ole");
        QTest::addColumn<QColor>("expected");
        QTest::newRow("5 window") << 0x80000005u << QColor(1, 2, 3);
        QTest::newRow("8 window text") << 0x80000008u << QColor(4, 5, 6);
        QTest::newRow("13 highlight") << 0x8000000Du << QColor(7, 8, 9);
        QTest::newRow("14 highlight text") << 0x8000000Eu << QColor(10, 11, 12);
        QTest::newRow("15 button face") << 0x8000000Fu << QColor(13, 14, 15);
        QTest::newRow("16 button shadow") << 0x80000010u << QColor(16, 17, 18);
        QTest::newRow("17 grey text") << 0x80000011u << QColor(19, 20, 21);
        QTest::newRow("21 dark shadow") << 0x80000015u << QColor(22, 23, 24);
        QTest::newRow("24 tooltip background") << 0x80000018u << QColor(25, 26, 27);
        QTest::newRow("unknown index") << 0x800000FFu << QColor(1, 2, 3);
    }
    void systemColor() {
        QFETCH(quint32, ole);
        QFETCH(QColor, expected);
        QCOMPARE(OleColorToQColor(ole), expected);
        QCOMPARE(OleColorToRGB(ole), QColorToOle(expected));
    }
};

QTEST_MAIN(TestColors)
#include "tst_colors.moc"
