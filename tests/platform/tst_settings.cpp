#include "platform/Settings.h"

#include "support/TestFiles.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Layout texts go into the settings as they are, so every character must come back.
class TestSettings : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
        m_store.emplace(m_dir->filePath("TessixDemonstrator.ini"));
    }

    void defaultWhenAbsent() {
        QCOMPARE(m_store->get(Launcher, "Main", "ShowTips", "1"), QString("1"));
        m_store->save(Launcher, "Main", "Other", "x");
        QCOMPARE(m_store->get(Launcher, "Main", "ShowTips", "1"), QString("1"));
    }

    void roundTrip_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("commas") << "1,120,0;2,80,1";
        QTest::newRow("quotes") << "say \"hi\" and 'bye'";
        QTest::newRow("semicolons and equals") << "a=1;b=2; ;c==";
        QTest::newRow("leading and trailing spaces") << "   padded   ";
        QTest::newRow("brackets and hash") << "[Layout] #1 @at %20 \\back/slash";
        QTest::newRow("numbers stay text") << "007";
        QTest::newRow("boolean-looking") << "true";
        QTest::newRow("empty") << "";
        QTest::newRow("line break") << "one\r\ntwo";
        QTest::newRow("non-ASCII") << QString::fromUtf8("Gr\xc3\xbc\xc3\x9f"
                                                        "e \xe2\x82\xac");
    }
    void roundTrip() {
        QFETCH(QString, value);
        m_store->save(Customers, "Layout", "Columns", value);
        // A fresh store reads the file again rather than a cache.
        platform::IniSettingsStore reread(m_store->file());
        const QString read = reread.get(Customers, "Layout", "Columns", "DEF");
        QCOMPARE(read, value);
    }

    // One file for the program, a group per application; names that hold separators or
    // escape characters stay apart and cannot reach into another application's group.
    void oneFileWithAGroupPerApplication() {
        m_store->save(Launcher, "Main", "ShowTips", "0");
        m_store->save(Customers, "Layout", "Sort", "s");
        m_store->save("../escape/../x:y*", "s", "k", "v");
        m_store->save("a", "b/c", "d", "slash in section");
        m_store->save("a/b", "c", "d", "slash in app");
        m_store->save("a\\b", "c", "d", "backslash in app");
        m_store->save("a%2Fb", "c", "d", "escape in app");
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{"TessixDemonstrator.ini"});
        QCOMPARE(m_store->get("../escape/../x:y*", "s", "k", ""), QString("v"));
        QCOMPARE(m_store->get("a", "b/c", "d", ""), QString("slash in section"));
        QCOMPARE(m_store->get("a/b", "c", "d", ""), QString("slash in app"));
        QCOMPARE(m_store->get("a\\b", "c", "d", ""), QString("backslash in app"));
        QCOMPARE(m_store->get("a%2Fb", "c", "d", ""), QString("escape in app"));
        QCOMPARE(m_store->get("a", "b", "c/d", "DEF"), QString("DEF"));

        const QString text = QString::fromUtf8(readFileBytes(m_store->file()));
        QVERIFY2(text.contains("[Tessix_Demonstrator_Customers]\nLayout\\Sort=s"),
                 qPrintable(text));
    }

    void applicationsAndSectionsAreSeparate() {
        m_store->save(Customers, "Layout", "Sort", "customers");
        m_store->save(Games, "Layout", "Sort", "games");
        m_store->save(Games, "Other", "Sort", "other");
        QCOMPARE(m_store->get(Customers, "Layout", "Sort", ""), QString("customers"));
        QCOMPARE(m_store->get(Games, "Layout", "Sort", ""), QString("games"));
        QCOMPARE(m_store->get(Games, "Other", "Sort", ""), QString("other"));
    }

    void deleteKeyAndSection() {
        m_store->save(Games, "Layout", "Columns", "c");
        m_store->save(Games, "Layout", "Sort", "s");
        m_store->save(Games, "Keep", "Sort", "k");
        m_store->remove(Games, "Layout", "Columns");
        QCOMPARE(m_store->get(Games, "Layout", "Columns", "DEF"), QString("DEF"));
        QCOMPARE(m_store->get(Games, "Layout", "Sort", "DEF"), QString("s"));
        m_store->remove(Games, "Layout", QString());
        QCOMPARE(m_store->get(Games, "Layout", "Sort", "DEF"), QString("DEF"));
        QCOMPARE(m_store->get(Games, "Keep", "Sort", "DEF"), QString("k"));
    }

    void defaultFileIsUnderConfiguration() {
        QCOMPARE(platform::IniSettingsStore::defaultFile(),
                 QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                     "/TessixDemonstrator.ini");
    }

    // Settings saved by earlier versions, one file per application, come along once.
    void earlierFilesAreImportedOnce() {
        QTemporaryDir earlier;
        {
            QSettings launcher(earlier.filePath(QString(Launcher) + ".ini"), QSettings::IniFormat);
            launcher.setValue("Main/ShowTips", "0");
            QSettings customers(earlier.filePath(QString(Customers) + ".ini"),
                                QSettings::IniFormat);
            customers.setValue("Layout/Columns", "1,120,0;2,80,1");
            customers.setValue("Layout/Sort", "");
        }
        m_store->importEarlierFiles(earlier.path());
        QCOMPARE(m_store->get(Launcher, "Main", "ShowTips", "1"), QString("0"));
        QCOMPARE(m_store->get(Customers, "Layout", "Columns", ""), QString("1,120,0;2,80,1"));
        QCOMPARE(m_store->get(Customers, "Layout", "Sort", "DEF"), QString());

        // Once the program's file exists, what the user changed since is kept.
        m_store->save(Launcher, "Main", "ShowTips", "1");
        m_store->importEarlierFiles(earlier.path());
        QCOMPARE(m_store->get(Launcher, "Main", "ShowTips", ""), QString("1"));
        QVERIFY(QFileInfo::exists(earlier.filePath(QString(Launcher) + ".ini")));

        // Nothing to import makes no file.
        platform::IniSettingsStore fresh(m_dir->filePath("fresh.ini"));
        fresh.importEarlierFiles(m_dir->filePath("missing"));
        QVERIFY(!QFileInfo::exists(fresh.file()));
    }

    // The free functions go to the installed store, and back to the previous one after.
    void freeFunctionsUseInstalledStore() {
        platform::MemorySettingsStore outer;
        platform::ScopedSettingsStore outerScope(outer);
        SaveSetting(Launcher, "Main", "ShowTips", "0");
        {
            platform::MemorySettingsStore inner;
            platform::ScopedSettingsStore innerScope(inner);
            QCOMPARE(GetSetting(Launcher, "Main", "ShowTips", "1"), QString("1"));
            SaveSetting(Launcher, "Main", "ShowTips", "x");
            QVERIFY(inner.contains(Launcher, "Main", "ShowTips"));
        }
        QCOMPARE(GetSetting(Launcher, "Main", "ShowTips", "1"), QString("0"));
        DeleteSetting(Launcher, "Main", "ShowTips");
        QVERIFY(!outer.contains(Launcher, "Main", "ShowTips"));
        QCOMPARE(GetSetting(Launcher, "Main", "ShowTips"), QString());
    }

private:
    static constexpr const char* Launcher = "{A3B87F3C-7C95-41E3-94C9-3B27FB79BDDF}";
    static constexpr const char* Customers = "Tessix_Demonstrator_Customers";
    static constexpr const char* Games = "Tessix_Demonstrator_FunNGames";
    std::optional<QTemporaryDir> m_dir;
    std::optional<platform::IniSettingsStore> m_store;
};

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
