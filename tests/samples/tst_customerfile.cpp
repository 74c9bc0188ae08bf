#include "samples/full/CustomerFile.h"
#include "support/TestFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <QtTest>

Q_DECLARE_METATYPE(CustomerRecord)

namespace {

Currency money(double value) {
    return Currency::fromDouble(value);
}

CustomerRecord record(const QString& type, const QString& id, const QString& name,
                      const QString& country, int patron, std::optional<Currency> sales,
                      std::optional<Currency> debt, const QString& info) {
    return {type, id, name, country, patron, sales, debt, info};
}

} // namespace

class TestCustomerFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // One line in, one record out.
    void readsRecord_data() {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<CustomerRecord>("expected");
        QTest::newRow("as saved") << QByteArray(R"("comp","ACME","Acme Ltd","CAN",1,1500,-20,"x")")
                                  << record("comp", "ACME", "Acme Ltd", "CAN", 1, money(1500),
                                            money(-20), "x");
        QTest::newRow("unquoted, spaces trimmed")
            << QByteArray("priv ,  JOHSM , John Smith,FIN, 0 , 99.5 ,  0.25 , likes tea ")
            << record("priv", "JOHSM", "John Smith", "FIN", 0, money(99.5), money(0.25),
                      "likes tea");
        QTest::newRow("quoted keeps spaces and commas")
            << QByteArray(R"("priv", "A" ,"Smith, John "," ",0,1,2," a, b ")")
            << record("priv", "A", "Smith, John ", " ", 0, money(1), money(2), " a, b ");
        QTest::newRow("empty fields")
            << QByteArray("\"priv\",,,,,,,")
            << record("priv", "", "", "", 0, std::nullopt, std::nullopt, "");
        QTest::newRow("doubled quotes")
            << QByteArray(R"("comp","Q","The ""Best"" Shop","ITA",2,0,0,"""quoted""")")
            << record("comp", "Q", "The \"Best\" Shop", "ITA", 2, money(0), money(0), "\"quoted\"");
        QTest::newRow("fractions and signs")
            << QByteArray("priv,F,F,SWE,255,-0.0001,+12345678.1234,")
            << record("priv", "F", "F", "SWE", 255, money(-0.0001), money(12345678.1234), "");
        QTest::newRow("line break inside quotes")
            << QByteArray("\"priv\",\"L\",\"L\",\"GER\",0,1,2,\"first\r\nsecond\"")
            << record("priv", "L", "L", "GER", 0, money(1), money(2), "first\r\nsecond");
        QTest::newRow("non-ASCII text")
            << QByteArray("\"priv\",\"V\",\"J\xc3\xa4rvinen\",\"FIN\",0,1,2,\"\"")
            << record("priv", "V", QString::fromUtf8("J\xc3\xa4rvinen"), "FIN", 0, money(1),
                      money(2), "");
        QTest::newRow("Latin-1 text from an older file")
            << QByteArray("\"priv\",\"V\",\"J\xe4rvinen\",\"FIN\",0,1,2,\"\"")
            << record("priv", "V", QString::fromUtf8("J\xc3\xa4rvinen"), "FIN", 0, money(1),
                      money(2), "");
    }
    void readsRecord() {
        QFETCH(QByteArray, line);
        QFETCH(CustomerRecord, expected);
        for (const QByteArray& ending : {QByteArray("\r\n"), QByteArray("\n"), QByteArray()}) {
            const CustomerFileContents contents = CustomerFile::parse(line + ending);
            QVERIFY2(contents.problems.isEmpty(), qPrintable(contents.problems.value(0).reason));
            QCOMPARE(contents.records.size(), size_t(1));
            QCOMPARE(contents.records[0], expected);
        }
    }

    // Bad lines are skipped and reported by line number; the good ones around them stay.
    void skipsMalformedLines_data() {
        QTest::addColumn<QByteArray>("badLine");
        QTest::addColumn<QString>("reason");
        QTest::newRow("too few fields")
            << QByteArray("\"priv\",\"A\",\"B\"") << "8 fields expected";
        QTest::newRow("too many fields") << QByteArray("a,b,c,d,0,1,2,e,f") << "8 fields expected";
        QTest::newRow("patron not a number") << QByteArray("a,b,c,d,yes,1,2,e") << "patron";
        QTest::newRow("patron above a byte") << QByteArray("a,b,c,d,256,1,2,e") << "patron";
        QTest::newRow("patron negative") << QByteArray("a,b,c,d,-1,1,2,e") << "patron";
        QTest::newRow("sales with a currency sign") << QByteArray("a,b,c,d,0,$5,2,e") << "sales";
        QTest::newRow("debt with a thousands separator")
            << QByteArray("a,b,c,d,0,5,\"1,000\",e") << "debt";
        QTest::newRow("debt with a decimal comma") << QByteArray("a,b,c,d,0,5,2;5,e") << "debt";
        QTest::newRow("amount too large") << QByteArray("a,b,c,d,0,1e20,2,e") << "sales";
        QTest::newRow("text after a closing quote")
            << QByteArray("\"a\"x,b,c,d,0,1,2,e") << "closing quote";
    }
    void skipsMalformedLines() {
        QFETCH(QByteArray, badLine);
        QFETCH(QString, reason);
        const QByteArray good1 = "\"priv\",\"A1\",\"One\",\"FIN\",0,1,2,\"\"\r\n";
        const QByteArray good2 = "\"comp\",\"A2\",\"Two\",\"SWE\",1,3,4,\"\"\r\n";
        const CustomerFileContents contents = CustomerFile::parse(good1 + badLine + "\r\n" + good2);
        QCOMPARE(contents.records.size(), size_t(2));
        QCOMPARE(contents.records[0].id, QString("A1"));
        QCOMPARE(contents.records[1].id, QString("A2"));
        QCOMPARE(contents.problems.size(), 1);
        QCOMPARE(contents.problems[0].line, 2);
        QVERIFY2(contents.problems[0].reason.contains(reason),
                 qPrintable(contents.problems[0].reason));
    }

    // An unclosed quote swallows the rest of the file: the records before it stay.
    void unclosedQuoteAtTheEnd() {
        const CustomerFileContents contents = CustomerFile::parse(
            "\"priv\",\"A1\",\"One\",\"FIN\",0,1,2,\"\"\r\n\"comp\",\"A2\",\"Two\r\nmore\r\n");
        QCOMPARE(contents.records.size(), size_t(1));
        QCOMPARE(contents.problems.size(), 1);
        QCOMPARE(contents.problems[0].line, 2);
        QVERIFY(contents.problems[0].reason.contains("no closing quote"));
    }

    // Line numbers count the lines of the file, also after a text spanning lines and blank
    // lines, which are passed over silently.
    void lineNumbersAndBlankLines() {
        const CustomerFileContents contents = CustomerFile::parse(
            "\r\n\"priv\",\"A\",\"B\",\"C\",0,1,2,\"x\r\ny\"\r\n   \r\nbad\r\n");
        QCOMPARE(contents.records.size(), size_t(1));
        QCOMPARE(contents.problems.size(), 1);
        QCOMPARE(contents.problems[0].line, 5);
    }

    // A line that is not UTF-8 is read as Latin-1 alone and reported; the other lines keep
    // their UTF-8 text (one bad byte once garbled the whole file).
    void latin1OnlyWhereALineIsNotUtf8() {
        const CustomerFileContents contents =
            CustomerFile::parse("\"priv\",\"A\",\"J\xc3\xa4rvinen\",\"FIN\",0,1,2,\"\"\r\n"
                                "\"priv\",\"B\",\"M\xfcller\",\"GER\",0,1,2,\"\"\r\n"
                                "\"priv\",\"C\",\"\xc3\x85ngstr\xc3\xb6m\",\"SWE\",0,1,2,\"x\r\n"
                                "G\xf6teborg\"\r\n");
        QCOMPARE(contents.records.size(), size_t(3));
        QCOMPARE(contents.records[0].name, QString::fromUtf8("J\xc3\xa4rvinen"));
        QCOMPARE(contents.records[1].name, QString::fromUtf8("M\xc3\xbcller"));
        QCOMPARE(contents.records[2].name, QString::fromUtf8("\xc3\x85ngstr\xc3\xb6m"));
        QCOMPARE(contents.records[2].info, QString::fromUtf8("x\r\nG\xc3\xb6teborg"));
        QCOMPARE(contents.latin1Lines, QList<int>({2, 4}));
        QCOMPARE(contents.latin1LineCount, 2);
        QVERIFY(!contents.incomplete()); // nothing was left out
    }

    // A huge file of bad lines keeps the messages of the first few only, and counts the rest.
    void manyBadLinesAreCounted() {
        QByteArray bytes;
        for (int i = 0; i < 5000; ++i)
            bytes += "bad\xff\r\n";
        const CustomerFileContents contents = CustomerFile::parse(bytes);
        QCOMPARE(contents.problemCount, 5000);
        QCOMPARE(contents.problems.size(), CustomerFile::MaxKeptLines);
        QCOMPARE(contents.problems.last().line, CustomerFile::MaxKeptLines);
        QCOMPARE(contents.latin1LineCount, 5000);
        QCOMPARE(contents.latin1Lines.size(), CustomerFile::MaxKeptLines);
        QVERIFY(contents.incomplete());
    }

    // What cannot be a customer list is refused at once, with a reason, not read to the end.
    void refusesWhatIsNoCustomerList_data() {
        QTest::addColumn<QString>("target"); // what the file is a link to; empty: a big file
        QTest::addColumn<QString>("reason");
        QTest::newRow("endless device") << "/dev/zero"
                                        << "not a regular file";
        QTest::newRow("folder") << "/"
                                << "not a regular file";
        QTest::newRow("too large") << ""
                                   << "larger than 16 MB";
    }
    void refusesWhatIsNoCustomerList() {
        QFETCH(QString, target);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CustList.txt"));
        if (target.isEmpty()) {
            QFile big(path);
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(CustomerFile::MaxFileBytes + 1)); // sparse: costs no disk
        } else {
            QVERIFY(QFile::link(target, path));
        }
        const CustomerFileContents contents = CustomerFile::read(path);
        QVERIFY(contents.records.empty());
        QVERIFY2(contents.openError.contains(reason), qPrintable(contents.openError));
        QVERIFY(!contents.missing);
        QVERIFY(contents.incomplete());
    }

    void emptyFile() {
        const CustomerFileContents contents = CustomerFile::parse({});
        QVERIFY(contents.records.empty());
        QVERIFY(contents.problems.isEmpty());
        QVERIFY(contents.openError.isEmpty());
    }

    void missingFile() {
        QTemporaryDir dir;
        const CustomerFileContents contents =
            CustomerFile::read(dir.filePath(QStringLiteral("none.txt")));
        QVERIFY(contents.records.empty());
        QVERIFY(!contents.openError.isEmpty());
        QVERIFY(contents.missing);
        QVERIFY(!contents.incomplete()); // saving creates it: nothing to lose
    }

    void formatsRecord_data() {
        QTest::addColumn<CustomerRecord>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("plain") << record("comp", "ACME", "Acme", "CAN", 1, money(1500), money(-20),
                                         "note")
                               << R"("comp","ACME","Acme","CAN",1,1500,-20,"note")";
        QTest::newRow("fractions")
            << record("priv", "A", "B", "FIN", 0, money(99.5), money(-0.0001), "")
            << R"("priv","A","B","FIN",0,99.5,-0.0001,)";
        QTest::newRow("empty values")
            << record("", "", "", "", 0, std::nullopt, std::nullopt, "") << ",,,,0,,,";
        QTest::newRow("zero amounts") << record("priv", "Z", "Z", "", 0, money(0), money(0), "")
                                      << R"("priv","Z","Z",,0,0,0,)";
        QTest::newRow("quotes doubled")
            << record("comp", "Q", "The \"Best\"", "ITA", 0, money(1), money(2), "\"")
            << R"("comp","Q","The ""Best""","ITA",0,1,2,"""")";
    }
    void formatsRecord() {
        QFETCH(CustomerRecord, record);
        QFETCH(QString, line);
        QCOMPARE(CustomerFile::formatRecord(record), line);
        // And it reads back as the same record.
        const CustomerFileContents back = CustomerFile::parse(line.toUtf8());
        QCOMPARE(back.records.size(), size_t(1));
        QCOMPARE(back.records[0], record);
    }

    void amounts_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("whole") << 1234567.0 << "1234567";
        QTest::newRow("negative") << -20.0 << "-20";
        QTest::newRow("half") << 99.5 << "99.5";
        QTest::newRow("four decimals") << -0.0001 << "-0.0001";
        QTest::newRow("large") << 922337203685477.0 << "922337203685477";
    }

    // Every amount of the range reads and writes exactly, past what a double holds; one
    // outside the range is a bad line, never 0.
    void amountsAreExact_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("scaled");
        QTest::newRow("maximum") << "922337203685477.5807" << std::numeric_limits<qint64>::max();
        QTest::newRow("minimum") << "-922337203685477.5808" << std::numeric_limits<qint64>::min();
        QTest::newRow("19 digits") << "123456789012345.6789" << qint64(1234567890123456789);
        QTest::newRow("beyond double") << "900719925474.0993" << qint64(9007199254740993);
    }
    void amountsAreExact() {
        QFETCH(QString, text);
        QFETCH(qint64, scaled);
        const std::optional<Currency> amount = CustomerFile::parseAmount(text);
        QVERIFY(amount);
        QCOMPARE(amount->scaled, scaled);
        QCOMPARE(CustomerFile::formatAmount(*amount), text);
        const QByteArray line = "priv,A,B,FIN,0," + text.toLatin1() + ",0,\r\n";
        const CustomerFileContents contents = CustomerFile::parse(line);
        QCOMPARE(contents.records.size(), size_t(1));
        QCOMPARE(CustomerFile::format(contents.records),
                 QByteArray("\"priv\",\"A\",\"B\",\"FIN\",0,") + text.toLatin1() + ",0,\r\n");
    }
    void amountPastTheLimitIsABadLine() {
        const CustomerFileContents contents =
            CustomerFile::parse("priv,A,B,FIN,0,922337203685477.5808,0,\r\n");
        QVERIFY(contents.records.empty());
        QCOMPARE(contents.problemCount, 1);
        QVERIFY(contents.problems[0].reason.contains("sales"));
    }
    void amounts() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(CustomerFile::formatAmount(money(value)), text);
        QCOMPARE(CustomerFile::parseAmount(text), std::optional<Currency>(money(value)));
    }
    void mostNegativeAmount() {
        QCOMPARE(CustomerFile::formatAmount(Currency{std::numeric_limits<qint64>::min()}),
                 QString("-922337203685477.5808"));
    }

    // A file written by an older version (some fields unquoted, LF endings) saves in the
    // current form; that form reads back and saves byte for byte the same.
    void saveIsStable() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("CustList.txt"));
        const QByteArray old = "priv,A, Ann Lee ,FIN,1,10,0,hello\n"
                               "\"comp\",\"B\",\"Big \"\"Co\"\"\",\"\",0,-5.25,,\"\"\n";
        const QByteArray expected = "\"priv\",\"A\",\"Ann Lee\",\"FIN\",1,10,0,\"hello\"\r\n"
                                    "\"comp\",\"B\",\"Big \"\"Co\"\"\",,0,-5.25,,\r\n";
        QString error;
        QVERIFY(CustomerFile::write(path, CustomerFile::parse(old).records, &error));
        QCOMPARE(readFileBytes(path), expected);
        QVERIFY(CustomerFile::write(path, CustomerFile::read(path).records, &error));
        QCOMPARE(readFileBytes(path), expected);
    }

    // The list the program ships reads cleanly, holds both types and every country of the
    // window's list, and saves back unchanged. (The shipped file itself: the copy beside the
    // programs is the user's to change.)
    void shippedListIsWellFormed() {
        const QString path = QStringLiteral(TESSIX_SHIPPED_DATA "/CustList.txt");
        const QByteArray bytes = readFileBytes(path);
        QVERIFY2(!bytes.isEmpty(), qPrintable(path));
        const CustomerFileContents contents = CustomerFile::parse(bytes);
        QVERIFY(contents.problems.isEmpty());
        QVERIFY(contents.records.size() >= 20 && contents.records.size() <= 30);
        QSet<QString> types, countries;
        for (const CustomerRecord& r : contents.records) {
            types << r.type;
            countries << r.country;
        }
        QCOMPARE(types, (QSet<QString>{"priv", "comp"}));
        QCOMPARE(countries, (QSet<QString>{"", "CAN", "MEX", "FIN", "FRA", "GER", "ITA", "POR",
                                           "RUS", "SPA", "SWE"}));
        QCOMPARE(CustomerFile::format(contents.records), bytes);
    }

    void saveToAMissingFolderFails() {
        QTemporaryDir dir;
        QString error;
        QVERIFY(
            !CustomerFile::write(dir.filePath(QStringLiteral("no/such/CustList.txt")), {}, &error));
        QVERIFY(!error.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCustomerFile)
#include "tst_customerfile.moc"
