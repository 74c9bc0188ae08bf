#include "app/Global.h"
#include "app/Startup.h"
#include "launcher/frmTip.h"
#include "platform/Settings.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

// A stand-in sample window: the tip window keys its section by the window's class name.
class frmSample : public QWidget {
    Q_OBJECT
public:
    frmSample() { setWindowTitle(QStringLiteral("Sample Caption")); }
};

class TestFrmTip : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    frmSample sample;

    void writeTips(const QByteArray& text) {
        QFile f(TipsFilePath());
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }
    QString lastTip() {
        return ReadIniString(TipsFilePath(), QStringLiteral("frmSample"), QStringLiteral("LastTip"),
                             QStringLiteral("?"));
    }
    frmTip& open() {
        frmTip& tip = frmTip::Instance();
        tip.Exec(&sample);
        return tip;
    }

private Q_SLOTS:
    void initTestCase() {
        InitializeApplication(*qApp);
        QVERIFY(dir.isValid());
        SetTipsFilePath(dir.filePath(QStringLiteral("TessixDemo.tips")));
    }
    void cleanup() {
        if (frmTip* tip = frmTip::Loaded())
            tip->close();
        QTRY_VERIFY(!frmTip::Loaded());
    }

    void wrapsAfterTheLastTip() {
        writeTips("[frmSample]\nTipsCount=3\nLastTip=3\n1=First\n2=Second\n3=Third\n");
        frmTip& tip = open();
        QCOMPARE(tip.lblTipNo->text(), QStringLiteral("Tip 1 of 3"));
        QCOMPARE(tip.txtTipText->toPlainText(), QStringLiteral("First"));
        QCOMPARE(tip.lblDemoCaption->text(), QStringLiteral("Sample Caption"));
        QCOMPARE(lastTip(), QStringLiteral("1"));
        // Shown on the timer tick, after the sample window's load.
        QVERIFY(!tip.isVisible());
        QTRY_VERIFY(tip.isVisible());
    }

    void nextAndPreviousWrapBothWays() {
        writeTips("[frmSample]\nTipsCount=5\nLastTip=0\n1=a\n2=b\n3=c\n4=d\n5=e\n");
        frmTip& tip = open();
        QCOMPARE(tip.CurrentTip(), 1);
        QTest::mouseClick(tip.cmdPrev, Qt::LeftButton);
        QCOMPARE(tip.lblTipNo->text(), QStringLiteral("Tip 5 of 5"));
        QCOMPARE(tip.txtTipText->toPlainText(), QStringLiteral("e"));
        QTest::mouseClick(tip.cmdNext, Qt::LeftButton);
        QCOMPARE(tip.CurrentTip(), 1);
        QCOMPARE(lastTip(), QStringLiteral("1"));
    }

    void sequenceContinuesAcrossOpenings() {
        writeTips("[frmSample]\nTipsCount=3\nLastTip=1\n1=a\n2=b\n3=c\n");
        QCOMPARE(open().CurrentTip(), 2);
        frmTip::Loaded()->close();
        QTRY_VERIFY(!frmTip::Loaded());
        QCOMPARE(open().CurrentTip(), 3);
    }

    void barMarksAParagraphBreak() {
        writeTips("[frmSample]\nTipsCount=1\n1=First sentence.|Second sentence.\n");
        QCOMPARE(open().txtTipText->toPlainText(),
                 QStringLiteral("First sentence.\n\nSecond sentence."));
    }

    // Numbers at or past the 32-bit limits, or negative, step without overflowing.
    void extremeNumbersAreClamped_data() {
        QTest::addColumn<QByteArray>("numbers");
        QTest::addColumn<int>("step"); // +1 Next, -1 Previous
        QTest::addColumn<QString>("shown");
        QTest::newRow("last tip at the limit")
            << QByteArray("TipsCount=3\nLastTip=2147483647\n") << 1 << "Tip 1 of 3";
        QTest::newRow("both at the limit")
            << QByteArray("TipsCount=2147483647\nLastTip=2147483647\n") << 1
            << "Tip 1 of 2147483647";
        QTest::newRow("count past the limit")
            << QByteArray("TipsCount=99999999999\nLastTip=2\n") << 1 << "Tip 1 of 0";
        QTest::newRow("negative last tip, back")
            << QByteArray("TipsCount=3\nLastTip=-2147483648\n") << -1 << "Tip 3 of 3";
        QTest::newRow("negative count")
            << QByteArray("TipsCount=-5\nLastTip=1\n") << 1 << "Tip 1 of 0";
    }
    void extremeNumbersAreClamped() {
        QFETCH(QByteArray, numbers);
        QFETCH(int, step);
        QFETCH(QString, shown);
        writeTips("[frmSample]\n" + numbers + "1=a\n2=b\n3=c\n");
        frmTip& tip = open();
        if (step < 0)
            QTest::mouseClick(tip.cmdPrev, Qt::LeftButton);
        QCOMPARE(tip.lblTipNo->text(), shown);
    }

    // A tips file that is no file (a link to an endless device) is not read; the window says
    // why and writes nothing.
    void unreadableTipsFileIsReported() {
        QFile::remove(TipsFilePath());
        QVERIFY(QFile::link("/dev/zero", TipsFilePath()));
        frmTip& tip = open();
        QVERIFY2(tip.txtTipText->toPlainText().contains("not a regular file"),
                 qPrintable(tip.txtTipText->toPlainText()));
        QVERIFY(QFileInfo(TipsFilePath()).isSymLink());
        tip.close();
        QTRY_VERIFY(!frmTip::Loaded());
        QFile::remove(TipsFilePath());
    }

    void missingCountOrFileGivesDefaults() {
        writeTips("[frmSample]\nLastTip=0\n");
        frmTip& tip = open();
        QCOMPARE(tip.lblTipNo->text(), QStringLiteral("Tip 1 of 0"));
        QCOMPARE(tip.txtTipText->toPlainText(), QString());
        tip.close();
        QTRY_VERIFY(!frmTip::Loaded());

        QFile::remove(TipsFilePath());
        QCOMPARE(open().lblTipNo->text(), QStringLiteral("Tip 1 of 0"));
    }

    void showTipsSettingDecides() {
        writeTips("[frmSample]\nTipsCount=2\n1=a\n2=b\n");
        platform::MemorySettingsStore settings;
        platform::ScopedSettingsStore scope(settings);
        SaveSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, QStringLiteral("0"));
        ShowTipOfTheDay(&sample);
        QVERIFY(!frmTip::Loaded());
        DeleteSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey);
        ShowTipOfTheDay(&sample);
        QVERIFY(frmTip::Loaded());
        QCOMPARE(frmTip::Loaded()->lblTipNo->text(), QStringLiteral("Tip 1 of 2"));
    }
};

QTEST_MAIN(TestFrmTip)
#include "tst_frmtip.moc"
