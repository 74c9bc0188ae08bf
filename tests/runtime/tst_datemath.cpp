#include "runtime/DateMath.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QLocale>
#include <QTest>

class tst_DateMath : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void dateSerialCarries_data();
    void dateSerialCarries();
    void dateSerialOutOfRange();
    void serialsBeforeEpochKeepTimeForward();
    void timeOfRoundsToTheSecond();
    void timeSerialCarries();
    void dateAdd_data();
    void dateAdd();
    void dateAddRejectsBadInput();
    void dateDiff_data();
    void dateDiff();
    void weekday_data();
    void weekday();
    void weekOfYear_data();
    void weekOfYear();
    void parseDates_data();
    void parseDates();
    void roundHalfEven_data();
    void roundHalfEven();
    void intAndFix();
    void randomizeRepeats();
};

namespace {

double at(int y, int mo, int d, int h = 0, int mi = 0, int s = 0) {
    return vb::toSerial(QDate(y, mo, d), QTime(h, mi, s));
}

} // namespace

void tst_DateMath::dateSerialCarries_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QDate>("expected");
    QTest::newRow("plain") << 2024 << 3 << 5 << QDate(2024, 3, 5);
    QTest::newRow("month 0 is December before") << 2024 << 0 << 15 << QDate(2023, 12, 15);
    QTest::newRow("month 13 is January after") << 2024 << 13 << 1 << QDate(2025, 1, 1);
    QTest::newRow("month 25") << 2024 << 25 << 1 << QDate(2026, 1, 1);
    QTest::newRow("negative month") << 2024 << -1 << 1 << QDate(2023, 11, 1);
    QTest::newRow("day 0 in a leap year") << 2024 << 3 << 0 << QDate(2024, 2, 29);
    QTest::newRow("day 0 in a common year") << 2023 << 3 << 0 << QDate(2023, 2, 28);
    QTest::newRow("month 0 and day 0") << 2024 << 0 << 0 << QDate(2023, 11, 30);
    QTest::newRow("negative day") << 2024 << 1 << -1 << QDate(2023, 12, 30);
    QTest::newRow("day past month end") << 2024 << 2 << 30 << QDate(2024, 3, 1);
    QTest::newRow("day 31 of a short month") << 2023 << 4 << 31 << QDate(2023, 5, 1);
    QTest::newRow("two-digit year 29") << 29 << 1 << 1 << QDate(2029, 1, 1);
    QTest::newRow("two-digit year 30") << 30 << 1 << 1 << QDate(1930, 1, 1);
}

void tst_DateMath::dateSerialCarries() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QDate, expected);
    bool ok = false;
    const double serial = vb::DateSerial(year, month, day, &ok);
    QVERIFY(ok);
    QCOMPARE(vb::dateOf(serial), expected);
    QCOMPARE(serial, double(QDate(1899, 12, 30).daysTo(expected)));
}

void tst_DateMath::dateSerialOutOfRange() {
    bool ok = true;
    QCOMPARE(vb::DateSerial(10000, 1, 1, &ok), 0.0);
    QVERIFY(!ok);
    vb::DateSerial(9999, 12, 32, &ok);
    QVERIFY(!ok);
    QVERIFY(!vb::dateOf(1e12).isValid());
    QVERIFY(!vb::fromSerial(std::numeric_limits<double>::quiet_NaN()).isValid());
}

void tst_DateMath::serialsBeforeEpochKeepTimeForward() {
    QCOMPARE(vb::DateSerial(1899, 12, 30), 0.0);
    QCOMPARE(at(1899, 12, 29, 6), -1.25);
    QCOMPARE(vb::dateOf(-1.25), QDate(1899, 12, 29));
    QCOMPARE(vb::timeOf(-1.25), QTime(6, 0));
    QCOMPARE(vb::fromSerial(-1.25), QDateTime(QDate(1899, 12, 29), QTime(6, 0)));
    QCOMPARE(vb::timeOf(2.75), QTime(18, 0));
}

void tst_DateMath::timeOfRoundsToTheSecond() {
    const double justBeforeMidnight = at(2024, 3, 5) + (86400 - 0.2) / 86400;
    QCOMPARE(vb::dateOf(justBeforeMidnight), QDate(2024, 3, 6));
    QCOMPARE(vb::timeOf(justBeforeMidnight), QTime(0, 0));
    const double parts = at(2024, 3, 5, 14, 7, 9);
    QCOMPARE(vb::Year(parts), 2024);
    QCOMPARE(vb::Month(parts), 3);
    QCOMPARE(vb::Day(parts), 5);
    QCOMPARE(vb::Hour(parts), 14);
    QCOMPARE(vb::Minute(parts), 7);
    QCOMPARE(vb::Second(parts), 9);
}

void tst_DateMath::timeSerialCarries() {
    QCOMPARE(vb::TimeSerial(25, 0, 0), 25.0 / 24);
    QCOMPARE(vb::timeOf(vb::TimeSerial(1, 90, 0)), QTime(2, 30));
    QCOMPARE(vb::timeOf(vb::TimeSerial(1, -30, 0)), QTime(0, 30));
    QCOMPARE(vb::timeOf(vb::TimeSerial(0, 0, 3661)), QTime(1, 1, 1));
}

void tst_DateMath::dateAdd_data() {
    QTest::addColumn<QString>("interval");
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("start");
    QTest::addColumn<double>("expected");
    QTest::newRow("month clamps to leap day")
        << "m" << 1.0 << at(2024, 1, 31, 10) << at(2024, 2, 29, 10);
    QTest::newRow("month clamps in common year")
        << "M" << 1.0 << at(2023, 1, 31) << at(2023, 2, 28);
    QTest::newRow("month back clamps") << "m" << -1.0 << at(2024, 3, 31) << at(2024, 2, 29);
    QTest::newRow("year from leap day") << "yyyy" << 1.0 << at(2024, 2, 29) << at(2025, 2, 28);
    QTest::newRow("quarter") << "q" << 1.0 << at(2024, 11, 30) << at(2025, 2, 28);
    QTest::newRow("days back") << "d" << -41.0 << at(2024, 3, 5, 8) << at(2024, 1, 24, 8);
    QTest::newRow("day of year is a day") << "y" << 1.0 << at(2024, 12, 31) << at(2025, 1, 1);
    QTest::newRow("weekday is a day") << "w" << 1.0 << at(2024, 3, 5) << at(2024, 3, 6);
    QTest::newRow("weeks") << "ww" << 2.0 << at(2024, 3, 5) << at(2024, 3, 19);
    QTest::newRow("count truncated") << "d" << 1.9 << at(2024, 3, 5) << at(2024, 3, 6);
    QTest::newRow("hours carry days") << "h" << 25.0 << at(2024, 3, 5, 23) << at(2024, 3, 7, 0);
    QTest::newRow("minute back over midnight")
        << "n" << -1.0 << at(2024, 3, 5) << at(2024, 3, 4, 23, 59);
    QTest::newRow("seconds") << "s" << 61.0 << at(2024, 3, 5, 10) << at(2024, 3, 5, 10, 1, 1);
    QTest::newRow("day back across epoch") << "d" << -1.0 << at(1899, 12, 30, 6) << -1.25;
    QTest::newRow("hours across epoch") << "h" << -12.0 << at(1899, 12, 30, 6) << -1.75;
}

void tst_DateMath::dateAdd() {
    QFETCH(QString, interval);
    QFETCH(double, count);
    QFETCH(double, start);
    QFETCH(double, expected);
    bool ok = false;
    const double result = vb::DateAdd(interval, count, start, &ok);
    QVERIFY(ok);
    QCOMPARE(vb::fromSerial(result), vb::fromSerial(expected));
    QCOMPARE(result, expected);
}

void tst_DateMath::dateAddRejectsBadInput() {
    bool ok = true;
    vb::DateAdd("fortnight", 1, at(2024, 3, 5), &ok);
    QVERIFY(!ok);
    vb::DateAdd("yyyy", 9000, at(2024, 3, 5), &ok);
    QVERIFY(!ok);
    vb::DateAdd("d", 1, 1e12, &ok);
    QVERIFY(!ok);
    vb::DateDiff("fortnight", 0, 1, vb::vbSunday, &ok);
    QVERIFY(!ok);
}

void tst_DateMath::dateDiff_data() {
    QTest::addColumn<QString>("interval");
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<qint64>("expected");
    const int sun = vb::vbSunday, mon = vb::vbMonday;
    QTest::newRow("d counts midnights")
        << "d" << at(2024, 1, 1, 23) << at(2024, 1, 2, 1) << sun << qint64(1);
    QTest::newRow("d backwards") << "d" << at(2024, 1, 4) << at(2024, 1, 1) << sun << qint64(-3);
    QTest::newRow("m counts month borders")
        << "m" << at(2024, 1, 31) << at(2024, 2, 1) << sun << qint64(1);
    QTest::newRow("yyyy") << "yyyy" << at(2023, 12, 31) << at(2024, 1, 1) << sun << qint64(1);
    QTest::newRow("h") << "h" << at(2024, 1, 1, 10, 59) << at(2024, 1, 1, 11) << sun << qint64(1);
    QTest::newRow("n") << "n" << at(2024, 1, 1, 10, 0, 59) << at(2024, 1, 1, 10, 1) << sun
                       << qint64(1);
    QTest::newRow("s") << "s" << at(2024, 1, 1) << at(2024, 1, 2) << sun << qint64(86400);
    QTest::newRow("w whole weeks") << "w" << at(2024, 3, 1) << at(2024, 3, 14) << sun << qint64(1);
    QTest::newRow("ww Saturday to Sunday")
        << "ww" << at(2024, 3, 9) << at(2024, 3, 10) << sun << qint64(1);
    QTest::newRow("ww Monday start, Sat to Sun")
        << "ww" << at(2024, 3, 9) << at(2024, 3, 10) << mon << qint64(0);
    QTest::newRow("ww Monday start, Sun to Mon")
        << "ww" << at(2024, 3, 10) << at(2024, 3, 11) << mon << qint64(1);
}

void tst_DateMath::dateDiff() {
    QFETCH(QString, interval);
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, firstDay);
    QFETCH(qint64, expected);
    bool ok = false;
    QCOMPARE(vb::DateDiff(interval, from, to, firstDay, &ok), expected);
    QVERIFY(ok);
}

void tst_DateMath::weekday_data() {
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("expected");
    // 2024-03-05 is a Tuesday.
    QTest::newRow("Sunday first") << int(vb::vbSunday) << "en_US" << 3;
    QTest::newRow("Monday first") << int(vb::vbMonday) << "en_US" << 2;
    QTest::newRow("Tuesday first") << int(vb::vbTuesday) << "en_US" << 1;
    QTest::newRow("Wednesday first") << int(vb::vbWednesday) << "en_US" << 7;
    QTest::newRow("Saturday first") << int(vb::vbSaturday) << "en_US" << 4;
    QTest::newRow("system, US") << int(vb::vbUseSystemDayOfWeek) << "en_US" << 3;
    QTest::newRow("system, Germany") << int(vb::vbUseSystemDayOfWeek) << "de_DE" << 2;
}

void tst_DateMath::weekday() {
    QFETCH(int, firstDay);
    QFETCH(QString, locale);
    QFETCH(int, expected);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(vb::Weekday(at(2024, 3, 5, 23, 59), firstDay), expected);
}

void tst_DateMath::weekOfYear_data() {
    QTest::addColumn<QDate>("date");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<int>("expected");
    // 1 January 2024 is a Monday.
    QTest::newRow("Jan 1") << QDate(2024, 1, 1) << int(vb::vbSunday) << 1;
    QTest::newRow("first Saturday") << QDate(2024, 1, 6) << int(vb::vbSunday) << 1;
    QTest::newRow("first Sunday, Sunday first") << QDate(2024, 1, 7) << int(vb::vbSunday) << 2;
    QTest::newRow("first Sunday, Monday first") << QDate(2024, 1, 7) << int(vb::vbMonday) << 1;
    QTest::newRow("second Monday, Monday first") << QDate(2024, 1, 8) << int(vb::vbMonday) << 2;
    QTest::newRow("Dec 31, Sunday first") << QDate(2024, 12, 31) << int(vb::vbSunday) << 53;
    QTest::newRow("Jan 1 on a Sunday") << QDate(2023, 1, 1) << int(vb::vbMonday) << 1;
    QTest::newRow("Jan 2 after a Sunday Jan 1") << QDate(2023, 1, 2) << int(vb::vbMonday) << 2;
}

void tst_DateMath::weekOfYear() {
    QFETCH(QDate, date);
    QFETCH(int, firstDay);
    QFETCH(int, expected);
    QCOMPARE(vb::WeekOfYear(vb::toSerial(date), firstDay), expected);
}

void tst_DateMath::parseDates_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QDateTime>("expected");
    const QDateTime march5(QDate(2024, 3, 5), QTime(0, 0));
    QTest::newRow("iso") << "en_US"
                         << "2024-03-05" << true << march5;
    QTest::newRow("iso date-time")
        << "en_US"
        << "2024-03-05T14:07:09" << true << QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9));
    QTest::newRow("US short") << "en_US"
                              << "3/5/2024" << true << march5;
    QTest::newRow("US short two-digit year") << "en_US"
                                             << "3/5/24" << true << march5;
    QTest::newRow("US with time") << "en_US"
                                  << " 3/5/2024  2:07 PM" << true
                                  << QDateTime(QDate(2024, 3, 5), QTime(14, 7));
    QTest::newRow("German short") << "de_DE"
                                  << "05.03.2024" << true << march5;
    QTest::newRow("time only") << "en_US"
                               << "14:07" << true << QDateTime(QDate(1899, 12, 30), QTime(14, 7));
    // Numbers in the locale's order of day and month, with any of the date separators; the
    // current year where none is given.
    const int year = QDate::currentDate().year();
    const QDateTime dec11(QDate(year, 12, 11), QTime(0, 0));
    QTest::newRow("month and day") << "en_US"
                                   << "12/11" << true << dec11;
    QTest::newRow("month and day with a dash") << "en_US"
                                               << "12-11" << true << dec11;
    QTest::newRow("month and day with a time")
        << "en_US"
        << "12/11 2:07 PM" << true << QDateTime(QDate(year, 12, 11), QTime(14, 7));
    QTest::newRow("full date with dashes") << "en_US"
                                           << "3-5-2024" << true << march5;
    QTest::newRow("two-digit year with dashes") << "en_US"
                                                << "03-05-24" << true << march5;
    QTest::newRow("year first with slashes") << "en_US"
                                             << "2024/3/5" << true << march5;
    QTest::newRow("German day and month") << "de_DE"
                                          << "11.12" << true << dec11;
    QTest::newRow("German full date with dashes") << "de_DE"
                                                  << "5-3-2024" << true << march5;
    QTest::newRow("a dot that also writes times is a time")
        << "fi_FI"
        << "1.05" << true << QDateTime(QDate(1899, 12, 30), QTime(1, 5));
    QTest::newRow("no such month and day") << "en_US"
                                           << "13/11" << false << QDateTime();
    QTest::newRow("mixed separators") << "en_US"
                                      << "3/5-2024" << false << QDateTime();
    QTest::newRow("a decimal number is no date") << "en_US"
                                                 << "3.5" << false << QDateTime();
    QTest::newRow("a lone number is no date") << "en_US"
                                              << "12" << false << QDateTime();
    QTest::newRow("four fields") << "en_US"
                                 << "1/2/3/4" << false << QDateTime();
    QTest::newRow("no such day") << "en_US"
                                 << "2024-02-30" << false << QDateTime();
    QTest::newRow("text") << "en_US"
                          << "not a date" << false << QDateTime();
    QTest::newRow("empty") << "en_US"
                           << "" << false << QDateTime();
}

void tst_DateMath::parseDates() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(QDateTime, expected);
    QLocale::setDefault(QLocale(locale));
    bool ok = !valid;
    const double serial = vb::CDate(text, &ok);
    QCOMPARE(ok, valid);
    if (!valid)
        return;
    QCOMPARE(vb::fromSerial(serial), expected);
    QCOMPARE(vb::DateValue(text), vb::toSerial(expected.date()));
    QCOMPARE(vb::TimeValue(text), vb::TimeSerial(expected.time().hour(), expected.time().minute(),
                                                 expected.time().second()));
}

void tst_DateMath::roundHalfEven_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("expected");
    QTest::newRow("0.5") << 0.5 << 0 << 0.0;
    QTest::newRow("1.5") << 1.5 << 0 << 2.0;
    QTest::newRow("2.5") << 2.5 << 0 << 2.0;
    QTest::newRow("3.5") << 3.5 << 0 << 4.0;
    QTest::newRow("-2.5") << -2.5 << 0 << -2.0;
    QTest::newRow("-2.6") << -2.6 << 0 << -3.0;
    QTest::newRow("2.675 as written") << 2.675 << 2 << 2.68;
    QTest::newRow("2.665") << 2.665 << 2 << 2.66;
    QTest::newRow("0.125") << 0.125 << 2 << 0.12;
    QTest::newRow("not a tie") << 0.1251 << 2 << 0.13;
    QTest::newRow("tens, down") << 1250.0 << -2 << 1200.0;
    QTest::newRow("tens, up") << 1350.0 << -2 << 1400.0;
    QTest::newRow("large") << 123456789012.5 << 0 << 123456789012.0;
}

void tst_DateMath::roundHalfEven() {
    QFETCH(double, value);
    QFETCH(int, digits);
    QFETCH(double, expected);
    QCOMPARE(vb::RoundHalfEven(value, digits), expected);
}

void tst_DateMath::intAndFix() {
    QCOMPARE(vb::Int(2.7), 2.0);
    QCOMPARE(vb::Int(-2.5), -3.0);
    QCOMPARE(vb::Fix(-2.5), -2.0);
    QCOMPARE(vb::Fix(2.7), 2.0);
}

void tst_DateMath::randomizeRepeats() {
    auto draw = [] {
        QList<double> values;
        for (int i = 0; i < 100; ++i)
            values.append(vb::Rnd());
        return values;
    };
    vb::Randomize(10);
    const QList<double> first = draw();
    vb::Randomize(10);
    QCOMPARE(draw(), first);
    vb::Randomize(11);
    QVERIFY(draw() != first);
    for (double v : first)
        QVERIFY(v >= 0 && v < 1);
}

QTEST_GUILESS_MAIN(tst_DateMath)
#include "tst_datemath.moc"
