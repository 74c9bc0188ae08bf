#include "components/grid/GridTypes.h"
#include "view/CellTextLayout.h"

#include <QFontMetrics>
#include <QTest>

// Wrapping in a fixed-pitch font, so widths are counted in characters: where lines break,
// what happens to spaces and to words wider than the cell, and that measuring alone gives
// the height the full layout has.
class TestCellTextLayout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wrapsAsExpected_data();
    void wrapsAsExpected();
};

void TestCellTextLayout::wrapsAsExpected_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("flags");
    QTest::addColumn<int>("chars"); // cell width in characters
    QTest::addColumn<QStringList>("lines");
    const quint32 wrap = TextFlagWordBreak;
    QTest::newRow("greedy at spaces")
        << "alpha beta gamma" << wrap << 10 << QStringList{"alpha beta", "gamma"};
    QTest::newRow("leading spaces stay on the first line")
        << "  lead spaces" << wrap << 10 << QStringList{"  lead", "spaces"};
    QTest::newRow("inner spaces kept") << "a  b" << wrap << 10 << QStringList{"a  b"};
    QTest::newRow("trailing spaces dropped") << "word    " << wrap << 10 << QStringList{"word"};
    QTest::newRow("spaces at a break vanish")
        << "abcdefghi    z" << wrap << 10 << QStringList{"abcdefghi", "z"};
    QTest::newRow("long word broken anywhere") << "abcdefghijklmnopqrstuvwxyz" << wrap << 10
                                               << QStringList{"abcdefghij", "klmnopqrst", "uvwxyz"};
    QTest::newRow("long word after a short one")
        << "ab abcdefghijklmnop x" << wrap << 10 << QStringList{"ab", "abcdefghij", "klmnop x"};
    QTest::newRow("line ends of every kind")
        << "one\r\ntwo\rthree" << wrap << 10 << QStringList{"one", "two", "three"};
    QTest::newRow("empty paragraph kept")
        << "one\n\ntwo" << wrap << 10 << QStringList{"one", "", "two"};
    QTest::newRow("without word break lines are not wrapped")
        << "alpha beta gamma\nz" << quint32(0) << 5 << QStringList{"alpha beta gamma", "z"};
    QTest::newRow("single line joins paragraphs")
        << "one\ntwo" << quint32(wrap | TextFlagSingleLine) << 3 << QStringList{"one two"};
    QTest::newRow("empty text is one empty line") << "" << wrap << 10 << QStringList{""};
}

void TestCellTextLayout::wrapsAsExpected() {
    QFETCH(QString, text);
    QFETCH(quint32, flags);
    QFETCH(int, chars);
    QFETCH(QStringList, lines);
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(12);
    const int width = QFontMetrics(font).horizontalAdvance(QString(chars, QLatin1Char('x')));
    const CellTextLayout layout(text, font, flags, width);
    QCOMPARE(layout.lines(), lines);
    QCOMPARE(layout.height(), int(lines.size()) * layout.lineHeight());
    QCOMPARE(CellTextLayout::measureHeight(text, font, flags, width), layout.height());
}

QTEST_MAIN(TestCellTextLayout)
#include "tst_celltextlayout.moc"
