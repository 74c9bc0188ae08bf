#include "runtime/Currency.h"
#include "runtime/Variant.h"

#include <QLocale>
#include <QTest>
#include <limits>

// Currency on its own: the exact reader of the invariant text, the checked arithmetic and
// the conversion from double, at the edges of the range in particular.
class tst_Currency : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale::c()); }
    void parse_data();
    void parse();
    void textAtTheLimitsReadsBack_data();
    void textAtTheLimitsReadsBack();
    void arithmetic_data();
    void arithmetic();
    void fromDouble_data();
    void fromDouble();
};

namespace {

constexpr qint64 Max = std::numeric_limits<qint64>::max();
constexpr qint64 Min = std::numeric_limits<qint64>::min();

// An amount a row expects, or none.
struct Expected {
    bool hasValue;
    qint64 scaled;
};
constexpr Expected none{false, 0};
constexpr Expected value(qint64 scaled) {
    return {true, scaled};
}

void addExpected(const char* name, const QString& input, Expected e) {
    QTest::newRow(name) << input << e.hasValue << e.scaled;
}

} // namespace

void tst_Currency::parse_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<qint64>("scaled");
    addExpected("zero", "0", value(0));
    addExpected("whole", "12", value(120000));
    addExpected("blanks and sign", " -12.5\t", value(-125000));
    addExpected("plus sign", "+0.25", value(2500));
    addExpected("point first", ".5", value(5000));
    addExpected("point last", "5.", value(50000));
    addExpected("leading zeros", "000123.4500", value(1234500));
    addExpected("exponent", "2e3", value(20000000));
    addExpected("negative exponent", "1.5E-2", value(150));
    addExpected("signed exponent", "-1E+4", value(-100000000));
    addExpected("exponent moves digits in", "123456.789e-2", value(12345679));
    addExpected("19 digits", "123456789012345.6789", value(1234567890123456789));
    addExpected("beyond double", "900719925474.0993", value(9007199254740993));
    addExpected("maximum", "922337203685477.5807", value(Max));
    addExpected("minimum", "-922337203685477.5808", value(Min));
    addExpected("minimum + 1 unit", "-922337203685477.5807", value(Min + 1));
    addExpected("maximum from exponent", "92233720368547758.07e-2", value(Max));
    addExpected("past the maximum", "922337203685477.5808", none);
    addExpected("past the minimum", "-922337203685477.5809", none);
    addExpected("20 digits", "12345678901234567890", none);
    addExpected("huge exponent", "1e999999999999", none);
    addExpected("tiny exponent is 0", "1e-999999999999", value(0));
    addExpected("zero with huge exponent", "0e999999999999", value(0));
    // Beyond four decimals: half to even at the fourth.
    addExpected("half to even down", "0.00005", value(0));
    addExpected("half to even up", "0.00015", value(2));
    addExpected("half to even stays", "0.00025", value(2));
    addExpected("negative half to even", "-0.00015", value(-2));
    addExpected("above half", "0.000050001", value(1));
    addExpected("below half", "0.00014999", value(1));
    addExpected("rounds to the maximum", "922337203685477.58074", value(Max));
    addExpected("rounds past the maximum", "922337203685477.58075", none);
    addExpected("rounds to the minimum", "-922337203685477.58085", value(Min));
    addExpected("empty", "", none);
    addExpected("blank", "   ", none);
    addExpected("text", "abc", none);
    addExpected("point only", ".", none);
    addExpected("sign only", "-", none);
    addExpected("two points", "1.2.3", none);
    addExpected("two signs", "+-1", none);
    addExpected("blank after sign", "- 1", none);
    addExpected("exponent without digits", "1e", none);
    addExpected("exponent with sign only", "1e+", none);
    addExpected("exponent without mantissa", "e3", none);
    addExpected("group separator", "1,000", none);
    addExpected("inner blank", "1 000", none);
    addExpected("currency symbol", "$5", none);
    addExpected("hexadecimal", "0x10", none);
    addExpected("infinity", "inf", none);
    addExpected("not a number", "nan", none);
    addExpected("other digits", QStringLiteral("\u0661\u0662"), none);
}

void tst_Currency::parse() {
    QFETCH(QString, text);
    QFETCH(bool, hasValue);
    QFETCH(qint64, scaled);
    const std::optional<Currency> c = Currency::parse(text);
    QCOMPARE(c.has_value(), hasValue);
    if (c)
        QCOMPARE(c->scaled, scaled);
}

// The text Variant gives an amount reads back as the same amount, exactly: in the invariant
// reader (the C locale's text) and in Variant's own conversion in other locales.
void tst_Currency::textAtTheLimitsReadsBack_data() {
    QTest::addColumn<qint64>("scaled");
    QTest::newRow("maximum") << Max;
    QTest::newRow("minimum") << Min;
    QTest::newRow("minimum + 1 unit") << Min + 1;
    QTest::newRow("19 digits") << qint64(-1234567890123456789);
    QTest::newRow("one unit") << qint64(1);
}

void tst_Currency::textAtTheLimitsReadsBack() {
    QFETCH(qint64, scaled);
    const QString invariant = Variant(Currency{scaled}).toString();
    QCOMPARE(Currency::parse(invariant).value_or(Currency{}).scaled, scaled);
    for (const char* name : {"C", "en_US", "de_DE", "fr_FR"}) {
        QLocale::setDefault(QLocale(name));
        const QString text = Variant(Currency{scaled}).toString();
        bool ok = false;
        QCOMPARE(Variant(text).toCurrency(&ok).scaled, scaled);
        QVERIFY2(ok, name);
    }
}

void tst_Currency::arithmetic_data() {
    QTest::addColumn<char>("op");
    QTest::addColumn<qint64>("a");
    QTest::addColumn<qint64>("b");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<qint64>("scaled");
    auto row = [](const char* name, char op, qint64 a, qint64 b, Expected e) {
        QTest::newRow(name) << op << a << b << e.hasValue << e.scaled;
    };
    row("sum", '+', 1, 2, value(3));
    row("sum up to the maximum", '+', Max - 1, 1, value(Max));
    row("sum past the maximum", '+', Max, 1, none);
    row("sum past the minimum", '+', Min, -1, none);
    row("difference", '-', 5, 7, value(-2));
    row("difference down to the minimum", '-', Min + 1, 1, value(Min));
    row("difference past the maximum", '-', 0, Min, none);
    row("difference past the minimum", '-', Min, 1, none);
    // 123456789.1234 × 1000.0001 = 123456801469.07891234
    row("product beyond double", '*', 1234567891234, 10000001, value(1234568014690789));
    row("product half to even down", '*', 1, 5000, value(0)); // 0.0001 × 0.5
    row("product half to even up", '*', 3, 5000, value(2));   // 0.0003 × 0.5
    row("product half to even stays", '*', 5, 5000, value(2));
    row("negative product half to even", '*', -5, 5000, value(-2));
    row("product of the limits", '*', Max, Min, none);
    row("product just past the maximum", '*', Max, 10001, none); // × 1.0001
    row("product of the maximum and 1", '*', Max, 10000, value(Max));
    row("product of the minimum and -1", '*', Min, -10000, none);
}

void tst_Currency::arithmetic() {
    QFETCH(char, op);
    QFETCH(qint64, a);
    QFETCH(qint64, b);
    QFETCH(bool, hasValue);
    QFETCH(qint64, scaled);
    const Currency x{a}, y{b};
    const std::optional<Currency> r = op == '+'   ? Currency::add(x, y)
                                      : op == '-' ? Currency::subtract(x, y)
                                                  : Currency::multiply(x, y);
    QCOMPARE(r.has_value(), hasValue);
    if (r)
        QCOMPARE(r->scaled, scaled);
}

void tst_Currency::fromDouble_data() {
    QTest::addColumn<double>("v");
    QTest::addColumn<bool>("hasValue");
    QTest::addColumn<qint64>("scaled");
    QTest::addColumn<qint64>("saturated"); // what fromDouble gives
    auto row = [](const char* name, double v, Expected e, qint64 saturated) {
        QTest::newRow(name) << v << e.hasValue << e.scaled << saturated;
    };
    row("shown digits", 2.675, value(26750), 26750);
    row("half to even", 0.12345, value(1234), 1234);
    row("close to the limit", 922337203685477.0, value(9223372036854770000), 9223372036854770000);
    row("the limit's double is past it", 922337203685477.5807, none, Max);
    row("past the limit", 1e15, none, Max);
    row("past the negative limit", -1e15, none, Min);
    row("infinity", std::numeric_limits<double>::infinity(), none, Max);
    row("NaN", std::numeric_limits<double>::quiet_NaN(), none, 0);
}

void tst_Currency::fromDouble() {
    QFETCH(double, v);
    QFETCH(bool, hasValue);
    QFETCH(qint64, scaled);
    QFETCH(qint64, saturated);
    const std::optional<Currency> c = Currency::tryFromDouble(v);
    QCOMPARE(c.has_value(), hasValue);
    if (c)
        QCOMPARE(c->scaled, scaled);
    QCOMPARE(Currency::fromDouble(v).scaled, saturated);
}

QTEST_GUILESS_MAIN(tst_Currency)
#include "tst_currency.moc"
