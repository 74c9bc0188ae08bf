// The sample mailbox of the Outlook style demo: the same messages at every load, from the
// tables, dated within the six weeks up to today and never later.

#include "runtime/DateMath.h"
#include "samples/full/OutlookMessages.h"

#include <QTest>

class TestOutlookMessages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void receivedDate_data();
    void receivedDate();
    void sameMailboxEveryTime();
};

void TestOutlookMessages::receivedDate_data() {
    QTest::addColumn<double>("day");
    QTest::addColumn<double>("hour");
    QTest::addColumn<double>("minute");
    QTest::addColumn<QString>("received");
    QTest::newRow("today") << 0.0 << 0.5 << 0.25 << "2026-12-10 12:15";
    QTest::newRow("oldest") << 0.999 << 0.0 << 0.0 << "2026-10-30 00:00";
    QTest::newRow("minutes carry (20.5 days round to 20)")
        << 0.5 << 0.5 << 0.999 << "2026-11-20 13:00";
    QTest::newRow("hours carry into the next day") << 0.5 << 0.999 << 0.5 << "2026-11-21 00:30";
    QTest::newRow("today's carry stays today") << 0.0 << 0.999 << 0.5 << "2026-12-10 00:30";
}

void TestOutlookMessages::receivedDate() {
    QFETCH(double, day);
    QFETCH(double, hour);
    QFETCH(double, minute);
    QFETCH(QString, received);
    const double date = DrawReceivedDate(QDate(2026, 12, 10), day, hour, minute);
    QCOMPARE(vb::fromSerial(date).toString("yyyy-MM-dd hh:mm"), received);
}

void TestOutlookMessages::sameMailboxEveryTime() {
    const QDate today(2026, 12, 10);
    const QList<SampleMessage> first = GenerateSampleMessages(today);
    const QList<SampleMessage> again = GenerateSampleMessages(today);
    QCOMPARE(first.size(), SampleMessageCount);
    int spam = 0;
    for (int i = 0; i < first.size(); ++i) {
        const SampleMessage& m = first[i];
        QCOMPARE(m.subject, again[i].subject);
        QCOMPARE(m.received, again[i].received);
        QVERIFY(m.received < vb::toSerial(today) + 1);
        QVERIFY(m.received >= vb::toSerial(today.addDays(-41)));
        QVERIFY(m.sizeKB >= 1 && m.sizeKB <= 1000);
        QCOMPARE(m.subject.startsWith("[spam]  "), m.spam);
        spam += m.spam ? 1 : 0;
    }
    QVERIFY(spam > 0);
}

QTEST_APPLESS_MAIN(TestOutlookMessages)
#include "tst_outlookmessages.moc"
