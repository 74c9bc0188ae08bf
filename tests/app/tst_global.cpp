#include "app/Global.h"
#include "db/Connection.h"
#include "db/TestDatabase.h"
#include "platform/ActiveWindow.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// What OpenTestDatabase shows and closes, with the Data folder pointed at `folder`.
struct DatabaseOpening {
    explicit DatabaseOpening(const QString& folder) {
        SetDataFolder(folder);
        boxes.answer(vbOK);
    }
    ~DatabaseOpening() { SetDataFolder(QString()); }

    platform::ScriptedMessageBox boxes;
    platform::ScopedMessageBox scopedBoxes{boxes};
    platform::RecordingWindowCloser closer;
    platform::ScopedWindowCloser scopedCloser{closer};
    db::Connection connection;
};

} // namespace

class TestGlobal : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programTitle() { QCOMPARE(ProgramTitle(), QString("Tessix 7.5 Main Demo")); }

    void wrapText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("expected");
        QTest::newRow("launcher tooltip")
            << "Main samples which demonstrate what you can do with Tessix." << 50
            << "Main samples which demonstrate what you can do\r\nwith Tessix.";
        QTest::newRow("exactly the width") << "abc def" << 7 << "abc def";
        QTest::newRow("shorter than the width") << "abc" << 60 << "abc";
        QTest::newRow("empty") << "" << 10 << "";
        QTest::newRow("several lines") << "aa bb cc dd ee" << 6 << "aa bb\r\ncc dd\r\nee";
        QTest::newRow("space right at the limit") << "abcd efgh" << 5 << "abcd\r\nefgh";
        QTest::newRow("word longer than the width")
            << "a verylongword b" << 5 << "a\r\nveryl\r\nongwo\r\nrd b";
        QTest::newRow("no space at all") << "abcdefgh" << 3 << "abc\r\ndef\r\ngh";
        QTest::newRow("width 1") << "ab c" << 1 << "a\r\nb\r\nc";
        QTest::newRow("a word filling the line, then a space")
            << "short longword x" << 5 << "short\r\nlongw\r\nord x";
        QTest::newRow("zero width") << "a b c" << 0 << "a b c";
        QTest::newRow("negative width") << "a b c" << -4 << "a b c";
    }
    void wrapText() {
        QFETCH(QString, text);
        QFETCH(int, width);
        QFETCH(QString, expected);
        QCOMPARE(WrapText(text, width), expected);
    }

    // Long texts (a pasted log, a text without spaces) wrap in one pass over the text; the
    // lines keep the width and no character but the breaking spaces goes.
    void wrapTextLongText() {
        QString text;
        for (int i = 0; i < 20000; ++i)
            text += QStringLiteral("word%1 ").arg(i % 97);
        text += QString(200000, u'x');
        const int width = 40;
        const QStringList lines = WrapText(text, width).split(QStringLiteral("\r\n"));
        qsizetype letters = 0;
        for (const QString& line : lines) {
            QVERIFY(line.size() <= width);
            letters += line.size() - line.count(u' ');
        }
        QCOMPARE(letters, text.size() - text.count(u' '));
        QVERIFY(lines.last().endsWith(u'x'));
    }

    void maxLong_data() {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("a larger") << 5 << 3 << 5;
        QTest::newRow("b larger") << -5 << 3 << 3;
        QTest::newRow("equal") << 7 << 7 << 7;
        QTest::newRow("extremes") << INT_MIN << INT_MAX << INT_MAX;
    }
    void maxLong() {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, expected);
        QCOMPARE(MaxLong(a, b), expected);
    }

    void logLineFormat() {
        QListWidget list;
        AddLogLine(&list, "Row 3 updated");
        QCOMPARE(list.count(), 1);
        const QString line = list.item(0)->text();
        static const QRegularExpression format(R"(^\[([^\]]+)\]  Row 3 updated$)");
        const QRegularExpressionMatch match = format.match(line);
        QVERIFY2(match.hasMatch(), qPrintable(line));
        QVERIFY(match.captured(1).contains(QString::number(QTime::currentTime().minute())));
    }

    void logKeepsTheNewestThousandLines() {
        QListWidget list;
        list.resize(200, 100);
        list.show();
        for (int i = 1; i <= 1001; ++i)
            AddLogLine(&list, QString::number(i));
        QCOMPARE(list.count(), 1000);
        QVERIFY(list.item(0)->text().endsWith("]  2"));
        QVERIFY(list.item(999)->text().endsWith("]  1001"));
        QCoreApplication::processEvents();
        QCOMPARE(list.verticalScrollBar()->value(), list.verticalScrollBar()->maximum());
    }

    void numericTextBox() {
        QLineEdit box;
        MakeNumericTextBox(&box, 4);
        QTest::keyClicks(&box, "1a2-3.");
        QCOMPARE(box.text(), QString("123"));
        QTest::keyClicks(&box, "456");
        QCOMPARE(box.text(), QString("1234"));
        box.clear();
        QApplication::clipboard()->setText("12x");
        box.paste();
        QCOMPARE(box.text(), QString());
        QApplication::clipboard()->setText("98");
        box.paste();
        QCOMPARE(box.text(), QString("98"));
    }

    void numericTextBoxWithoutLimit() {
        QLineEdit box;
        box.setMaxLength(3);
        MakeNumericTextBox(&box, 0);
        QTest::keyClicks(&box, "123456789");
        QCOMPARE(box.text(), QString("123456789"));
        MakeNumericTextBox(nullptr, 5);
    }

    void showTipOfTheDay_data() {
        QTest::addColumn<QString>("setting"); // null: absent
        QTest::addColumn<bool>("shown");
        QTest::newRow("absent") << QString() << true;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("not exactly 1") << " 1" << false;
        QTest::newRow("empty") << "" << false;
    }
    void showTipOfTheDay() {
        QFETCH(QString, setting);
        QFETCH(bool, shown);
        platform::MemorySettingsStore settings;
        platform::ScopedSettingsStore scope(settings);
        if (!setting.isNull())
            SaveSetting(LauncherSettingsApp, "Main", "ShowTips", setting);
        QWidget form;
        QList<QWidget*> calls;
        SetTipOfTheDayHandler([&calls](QWidget* w) { calls.append(w); });
        ShowTipOfTheDay(&form);
        SetTipOfTheDayHandler(nullptr);
        QCOMPARE(calls, shown ? QList<QWidget*>{&form} : QList<QWidget*>{});
        ShowTipOfTheDay(&form); // without a handler: nothing, no crash
    }

    void iniStringsGoThroughTheProfileFile() {
        QTemporaryDir dir;
        const QString file = dir.filePath("TessixDemo.tips");
        QCOMPARE(ReadIniString(file, "frmMain", "LastTip", "0"), QString("0"));
        QVERIFY(WriteIniString(file, "frmMain", "LastTip", "3"));
        QCOMPARE(ReadIniString(file, "FRMMAIN", "lasttip", "0"), QString("3"));
    }

    void folders() {
        QVERIFY(TipsFilePath().isEmpty());
        SetTipsFilePath("/x/Data/TessixDemo.tips");
        QCOMPARE(TipsFilePath(), QString("/x/Data/TessixDemo.tips"));
        SetTipsFilePath(QString());

        QCOMPARE(DataFolder(), QCoreApplication::applicationDirPath() + "/Data");
        SetDataFolder("/tmp/elsewhere");
        QCOMPARE(DataFolder(), QString("/tmp/elsewhere"));
        SetDataFolder(QString());
        QCOMPARE(DataFolder(), QCoreApplication::applicationDirPath() + "/Data");
    }

    // The sample database opens from the Data folder; nothing is shown or closed.
    void openTestDatabase() {
        TestDatabase sample;
        DatabaseOpening opening(sample.folder());
        QVERIFY(OpenTestDatabase(opening.connection));
        QCOMPARE(opening.connection.DataSource(), sample.path());
        QVERIFY(opening.boxes.shown().isEmpty());
        QCOMPARE(opening.closer.count(), 0);
    }

    // A missing or damaged file: a message naming the file, false, no window closed, and
    // the file left as it was (a missing one is not created).
    void openTestDatabaseFailures_data() {
        QTest::addColumn<QByteArray>("content"); // null: no file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("damaged") << QByteArray("not a database at all").repeated(100);
    }
    void openTestDatabaseFailures() {
        QFETCH(QByteArray, content);
        QTemporaryDir dir;
        const QString file = dir.filePath("Test.db");
        if (!content.isNull()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        DatabaseOpening opening(dir.path());
        QVERIFY(!OpenTestDatabase(opening.connection));
        QVERIFY(!opening.connection.IsOpen());
        QCOMPARE(opening.boxes.shown().size(), 1);
        const platform::MessageBoxRequest& box = opening.boxes.shown().first().request;
        QVERIFY2(box.text.contains(file), qPrintable(box.text));
        QCOMPARE(box.icon(), int(vbCritical));
        QCOMPARE(box.title, ProgramTitle());
        QCOMPARE(opening.closer.count(), 0);
        QCOMPARE(QFileInfo::exists(file), !content.isNull());
        if (!content.isNull())
            QCOMPARE(readFileBytes(file), content);
    }

    // The database layer cannot start at all: the fixed message, the active window closes.
    void openTestDatabaseWithoutTheLayer() {
        TestDatabase sample;
        DatabaseOpening opening(sample.folder());
        db::testing::ScopedProviderFailure broken;
        QVERIFY(!OpenTestDatabase(opening.connection));
        QCOMPARE(opening.boxes.shown().size(), 1);
        QCOMPARE(opening.boxes.shown().first().request.text,
                 QString("Could not initialize MS ActiveX Data Objects Library (MS ADO)"));
        QCOMPARE(opening.boxes.shown().first().request.buttons(), int(vbOKOnly));
        QCOMPARE(opening.closer.count(), 1);
    }
};

QTEST_MAIN(TestGlobal)
#include "tst_global.moc"
