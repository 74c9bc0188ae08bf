#include "model/RowSelectionBits.h"

#include <QTest>
#include <random>
#include <vector>

// Random edits checked against a plain vector of flags: indexes cross the inline limit and
// the heap words both ways, which is where shifting bits goes wrong.
class TestRowSelectionBits : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matchesPlainFlags_data();
    void matchesPlainFlags();
};

void TestRowSelectionBits::matchesPlainFlags_data() {
    QTest::addColumn<int>("maxIndex");
    QTest::addColumn<unsigned>("seed");
    QTest::newRow("inline only") << 62 << 1u;
    QTest::newRow("around the inline limit") << 70 << 2u;
    QTest::newRow("several heap words") << 300 << 3u;
}

void TestRowSelectionBits::matchesPlainFlags() {
    QFETCH(int, maxIndex);
    QFETCH(unsigned, seed);
    std::mt19937 gen(seed);
    auto pick = [&](int hi) { return std::uniform_int_distribution<int>(0, hi)(gen); };
    RowSelectionBits bits;
    std::vector<bool> model(size_t(maxIndex) + 2, false);
    for (int step = 0; step < 4000; ++step) {
        const int i = pick(maxIndex);
        switch (pick(9)) {
        case 0:
        case 1:
        case 2:
        case 3: {
            const bool on = pick(1);
            QCOMPARE(bits.set(i, on), model[size_t(i)] != on);
            model[size_t(i)] = on;
            break;
        }
        case 4:
        case 5:
            // The model keeps its size: a bit pushed past maxIndex is dropped from both.
            bits.insertAt(i);
            model.insert(model.begin() + i, false);
            if (model.back())
                bits.set(int(model.size()) - 1, false);
            model.pop_back();
            break;
        case 6:
        case 7:
            bits.removeAt(i);
            model.erase(model.begin() + i);
            model.push_back(false);
            break;
        case 8:
            if (pick(20) == 0) {
                bits.clear();
                model.assign(model.size(), false);
            }
            break;
        default: {
            const int j = pick(maxIndex);
            const int lo = std::min(i, j), hi = std::max(i, j);
            int expected = 0;
            std::vector<int> listed, wanted;
            for (int k = lo; k <= hi; ++k)
                if (model[size_t(k)])
                    wanted.push_back(k), ++expected;
            bits.forEach(lo, hi, [&](int k) { listed.push_back(k); });
            QCOMPARE(bits.count(lo, hi), expected);
            QCOMPARE(listed, wanted);
        }
        }
        bool anySet = false;
        for (int k = 0; k < int(model.size()); ++k) {
            QCOMPARE(bits.test(k), bool(model[size_t(k)]));
            anySet = anySet || model[size_t(k)];
        }
        QCOMPARE(bits.any(), anySet);
    }
    QVERIFY(!bits.test(-1));
    QVERIFY(!bits.set(-1, true));
}

QTEST_APPLESS_MAIN(TestRowSelectionBits)
#include "tst_rowselectionbits.moc"
