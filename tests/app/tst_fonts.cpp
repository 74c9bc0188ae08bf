#include "app/Fonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QtTest>

// The windows name Windows faces; each must land on an installed look-alike, not on the
// generic fallback, or every layout in the program shifts.
class TestFonts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { RegisterProgramFonts(); }
    void resolves_data() {
        QTest::addColumn<QString>("requested");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Tahoma") << "Tahoma" << "Tahoma";
        QTest::newRow("MS Sans Serif") << "MS Sans Serif" << "Tahoma";
        QTest::newRow("Arial") << "Arial" << "Liberation Sans";
        QTest::newRow("Arial Narrow") << "Arial Narrow" << "Liberation Sans Narrow";
        QTest::newRow("Times New Roman") << "Times New Roman" << "Liberation Serif";
        QTest::newRow("Courier New") << "Courier New" << "Liberation Mono";
        QTest::newRow("Verdana") << "Verdana" << "DejaVu Sans";
    }
    void resolves() {
        QFETCH(QString, requested);
        QFETCH(QString, expected);
        QFont font(requested, 10);
        QCOMPARE(QFontInfo(font).family(), expected);
    }
};

QTEST_MAIN(TestFonts)
#include "tst_fonts.moc"
