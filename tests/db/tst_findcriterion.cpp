// Find's criteria read alone: which field, and which values match. The recordset tests run
// the windows' own searches; these are the forms around them.

#include "TestDatabase.h"
#include "db/FindCriterion.h"

#include <QtTest>

class TestFindCriterion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void matches_data() {
        QTest::addColumn<QString>("criterion");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Variant>("value");
        QTest::addColumn<bool>("matches");
        QTest::newRow("no blanks around the sign")
            << "[Total Sales]>=1000"
            << "Total Sales" << Variant(Currency{10000000}) << true;
        QTest::newRow("<> before <") << "ID<>5"
                                     << "ID" << Variant(5) << false;
        QTest::newRow("<= is not <") << "ID <= 5"
                                     << "ID" << Variant(5) << true;
        QTest::newRow("a sign inside brackets") << "[a=b] = 'x'"
                                                << "a=b" << Variant("X") << true;
        QTest::newRow("asterisk wildcards") << "Company LIKE '*soft*'"
                                            << "Company" << Variant("Northsoft Systems") << true;
        QTest::newRow("prefix") << "Company LIKE Bits%"
                                << "Company" << Variant("bits and bobs") << true;
        QTest::newRow("prefix, not inside") << "Company LIKE Bits%"
                                            << "Company" << Variant("Two Bits") << false;
        QTest::newRow("suffix") << "Company like %Ltd"
                                << "Company" << Variant("Acme LTD") << true;
        QTest::newRow("no wildcard: whole text") << "Company LIKE acme"
                                                 << "Company" << Variant("Acme Ltd") << false;
        QTest::newRow("underscore is literal") << "Company LIKE %a_b%"
                                               << "Company" << Variant("axb") << false;
        QTest::newRow("a lone % matches all") << "Company LIKE %"
                                              << "Company" << Variant("anything") << true;
        QTest::newRow("an unpaired quote stays")
            << "Company LIKE %O'Brien%"
            << "Company" << Variant("The O'Brien Shop") << true;
        QTest::newRow("Null never matches") << "Country <> 'USA'"
                                            << "Country" << Variant::null() << false;
        QTest::newRow("numeric text against a number") << "ID = '17'"
                                                       << "ID" << Variant(17) << true;
        QTest::newRow("False") << "[Has Discount] = false"
                               << "Has Discount" << Variant(false) << true;
        QTest::newRow("a word ending in like") << "Unlike = 1"
                                               << "Unlike" << Variant(1) << true;
    }
    void matches() {
        QFETCH(QString, criterion);
        QFETCH(QString, field);
        QFETCH(Variant, value);
        QFETCH(bool, matches);
        const std::optional<db::FindCriterion> c = db::FindCriterion::parse(criterion);
        QVERIFY(c);
        QCOMPARE(c->field(), field);
        QCOMPARE(c->matches(value), matches);
    }

    void refused_data() {
        QTest::addColumn<QString>("criterion");
        QTest::newRow("empty") << "";
        QTest::newRow("no field") << "= 5";
        QTest::newRow("no value") << "ID =";
        QTest::newRow("no operator") << "Company Bits";
        QTest::newRow("LIKE glued to the field") << "CompanyLIKE x";
        QTest::newRow("not a date") << "[Customer Since] = #someday#";
    }
    void refused() {
        QFETCH(QString, criterion);
        QVERIFY(!db::FindCriterion::parse(criterion));
    }
};

QTEST_GUILESS_MAIN(TestFindCriterion)
#include "tst_findcriterion.moc"
