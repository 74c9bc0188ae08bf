// The bands the Outlook style demo groups its messages into: every boundary of the date and
// size bands, weeks starting on Sunday or Monday, and the turn of the month and the year.

#include "samples/full/OutlookBands.h"

#include <QTest>

class TestOutlookBands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void receivedBand_data();
    void receivedBand();
    void sizeBand_data();
    void sizeBand();
    void iconBand();
};

void TestOutlookBands::receivedBand_data() {
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("received");
    QTest::addColumn<int>("firstDay");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    const QDate thursday(2026, 12, 10);
    const auto row = [](const char* name, QDate today, QDate received, Qt::DayOfWeek first,
                        const char* caption, int value) {
        QTest::newRow(name) << today << received << int(first) << QString(caption) << value;
    };
    row("today", thursday, thursday, Qt::Sunday, "Today", 4);
    row("later than today", thursday, thursday.addDays(1), Qt::Sunday, "Today", 4);
    // Wednesday lies in this week too: yesterday wins.
    row("yesterday in this week", thursday, thursday.addDays(-1), Qt::Sunday, "Yesterday", 3);
    // Monday's yesterday is Sunday, the week before when weeks start on Monday.
    row("yesterday last week", QDate(2026, 12, 7), QDate(2026, 12, 6), Qt::Monday, "Yesterday", 3);
    row("first day of the week (Sunday)", thursday, QDate(2026, 12, 6), Qt::Sunday,
        "Earlier this week", 2);
    row("Sunday before a Monday week", thursday, QDate(2026, 12, 6), Qt::Monday,
        "Earlier this month", 1);
    row("first day of the week (Monday)", thursday, QDate(2026, 12, 7), Qt::Monday,
        "Earlier this week", 2);
    row("week begun last month", QDate(2026, 12, 2), QDate(2026, 11, 30), Qt::Monday,
        "Earlier this week", 2);
    row("week begun last year", QDate(2027, 1, 1), QDate(2026, 12, 28), Qt::Monday,
        "Earlier this week", 2);
    row("first of the month", thursday, QDate(2026, 12, 1), Qt::Sunday, "Earlier this month", 1);
    row("last day of last month", thursday, QDate(2026, 11, 30), Qt::Sunday, "Older", 0);
    row("same month a year before", QDate(2027, 12, 20), QDate(2026, 12, 20), Qt::Sunday, "Older",
        0);
}

void TestOutlookBands::receivedBand() {
    QFETCH(QDate, today);
    QFETCH(QDate, received);
    QFETCH(int, firstDay);
    QFETCH(QString, caption);
    QFETCH(int, value);
    QCOMPARE(ReceivedBand(received, today, Qt::DayOfWeek(firstDay)), (MessageBand{value, caption}));
}

void TestOutlookBands::sizeBand_data() {
    QTest::addColumn<int>("kilobytes");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("value");
    const std::pair<int, const char*> bands[] = {
        {1, "Tiny (< 10 KB)"},          {9, "Tiny (< 10 KB)"},
        {10, "Small (10 - 25 KB)"},     {25, "Small (10 - 25 KB)"},
        {26, "Medium (25 - 100 KB)"},   {100, "Medium (25 - 100 KB)"},
        {101, "Large (100 - 500 KB)"},  {500, "Large (100 - 500 KB)"},
        {501, "Very Large (> 500 KB)"}, {1000, "Very Large (> 500 KB)"},
    };
    // Two sizes a band, its lowest and its highest.
    for (int i = 0; i < int(std::size(bands)); ++i)
        QTest::addRow("%d KB", bands[i].first)
            << bands[i].first << QString(bands[i].second) << i / 2;
}

void TestOutlookBands::sizeBand() {
    QFETCH(int, kilobytes);
    QFETCH(QString, caption);
    QFETCH(int, value);
    QCOMPARE(SizeBand(kilobytes), (MessageBand{value, caption}));
}

void TestOutlookBands::iconBand() {
    QCOMPARE(IconBand("importance", "imp_high"), (MessageBand{2, "High importance"}));
    QCOMPARE(IconBand("importance", "blank"), (MessageBand{1, "Normal importance"}));
    QCOMPARE(IconBand("message", "msg_unread"), (MessageBand{0, "Unread"}));
    QCOMPARE(IconBand("flag", "blank"), (MessageBand{0, "Not flagged"}));
    QCOMPARE(IconBand("attachment", "attachment"), (MessageBand{1, "With attachment"}));
    QVERIFY(!IconBand("flag", "attachment"));
    QVERIFY(!IconBand("from", "blank"));
}

QTEST_APPLESS_MAIN(TestOutlookBands)
#include "tst_outlookbands.moc"
