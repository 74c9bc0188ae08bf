#include "platform/IniFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestIniFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        m_dir.emplace();
        QVERIFY(m_dir->isValid());
    }

    void read_data() {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        const QByteArray tips = "[frmMain]\r\nTipsCount=3\r\nLastTip = 2 \r\n; 1=commented\r\n"
                                "1=\"  quoted  \"\r\n2='single'\r\n3=\"unbalanced'\r\n"
                                "TipsCount=9\r\n\r\n[Other]\r\nkey=other\r\n";
        QTest::newRow("missing section") << tips << "frmNone"
                                         << "TipsCount"
                                         << "DEF";
        QTest::newRow("missing key") << tips << "frmMain"
                                     << "4"
                                     << "DEF";
        QTest::newRow("plain") << tips << "frmMain"
                               << "TipsCount"
                               << "3";
        QTest::newRow("names ignore case") << tips << "FRMMAIN"
                                           << "tipscount"
                                           << "3";
        QTest::newRow("whitespace trimmed") << tips << "frmMain"
                                            << "LastTip"
                                            << "2";
        QTest::newRow("comment skipped") << tips << "frmMain"
                                         << "1"
                                         << "  quoted  ";
        QTest::newRow("single quotes") << tips << "frmMain"
                                       << "2"
                                       << "single";
        QTest::newRow("unmatched quotes stay") << tips << "frmMain"
                                               << "3"
                                               << "\"unbalanced'";
        QTest::newRow("key of another section") << tips << "frmMain"
                                                << "key"
                                                << "DEF";
        QTest::newRow("later section") << tips << " Other "
                                       << "key"
                                       << "other";
        QTest::newRow("empty value") << QByteArray("[s]\nk=\n") << "s"
                                     << "k"
                                     << "";
        QTest::newRow("no newline at end") << QByteArray("[s]\nk=v") << "s"
                                           << "k"
                                           << "v";
        QTest::newRow("text around brackets")
            << QByteArray("  [ spaced ]  \n k = v = w \n") << "spaced"
            << "k"
            << "v = w";
        QTest::newRow("key before any section") << QByteArray("k=v\n[s]\n") << "s"
                                                << "k"
                                                << "DEF";
        QTest::newRow("utf-8") << QByteArray("[s]\nk=gr\xc3\xbc\xc3\x9f\n") << "s"
                               << "k" << QString::fromUtf8("gr\xc3\xbc\xc3\x9f");
        QTest::newRow("latin-1 fallback") << QByteArray("[s]\nk=gr\xfc\xdf\n") << "s"
                                          << "k" << QString::fromUtf8("gr\xc3\xbc\xc3\x9f");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[s]\nk=v\n") << "s"
                                         << "k"
                                         << "v";
    }
    void read() {
        QFETCH(QByteArray, content);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        const QString file = path("a.ini");
        writeFileBytes(file, content);
        QCOMPARE(ReadProfileString(file, section, key, "DEF"), expected);
    }

    void readMissingFile() {
        QCOMPARE(ReadProfileString(path("none.ini"), "s", "k", "DEF"), QString("DEF"));
    }

    void readCutsLongValues() {
        const QString file = path("long.ini");
        writeFileBytes(file, "[s]\nk=" + QByteArray(30000, 'x') + "\n");
        QCOMPARE(ReadProfileString(file, "s", "k", "").size(), 25000);
    }

    void write_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("replace keeps CRLF and other lines")
            << QByteArray("; tips\r\n[frmA]\r\n  TipsCount = 2\r\nLastTip=1\r\n1=One\r\n\r\n"
                          "[frmB]\r\nLastTip=7\r\n")
            << "FRMA"
            << "lasttip"
            << "2"
            << QByteArray("; tips\r\n[frmA]\r\n  TipsCount = 2\r\nLastTip=2\r\n1=One\r\n\r\n"
                          "[frmB]\r\nLastTip=7\r\n");
        QTest::newRow("replace first of two keys") << QByteArray("[s]\nk=1\nk=2\n") << "s"
                                                   << "k"
                                                   << "3" << QByteArray("[s]\nk=3\nk=2\n");
        QTest::newRow("replace in a file without final newline") << QByteArray("[s]\nk=1") << "s"
                                                                 << "k"
                                                                 << "2" << QByteArray("[s]\nk=2");
        QTest::newRow("append after last non-blank line of section")
            << QByteArray("[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\ny=2\r\n") << "A"
            << "LastTip"
            << "5" << QByteArray("[a]\r\nx=1\r\n; note\r\nLastTip=5\r\n\r\n[b]\r\ny=2\r\n");
        QTest::newRow("append to last section without final newline")
            << QByteArray("[a]\nx=1") << "a"
            << "y"
            << "2" << QByteArray("[a]\nx=1\ny=2\n");
        QTest::newRow("new section at end")
            << QByteArray("[a]\r\nx=1\r\n") << "b"
            << "y"
            << "2" << QByteArray("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
        QTest::newRow("new section after blank line")
            << QByteArray("[a]\nx=1\n\n") << "b"
            << "y"
            << "2" << QByteArray("[a]\nx=1\n\n[b]\ny=2\n");
        QTest::newRow("latin-1 file stays latin-1")
            << QByteArray("[s]\nname=M\xfcller\nk=1\n") << "s"
            << "k" << QString::fromUtf8("\xc3\xa9") << QByteArray("[s]\nname=M\xfcller\nk=\xe9\n");
        QTest::newRow("new file") << QByteArray() << "frmMain"
                                  << "LastTip"
                                  << "1" << QByteArray("[frmMain]\nLastTip=1\n");
    }
    void write() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QByteArray, after);
        const QString file = path("w.ini");
        if (!before.isEmpty())
            writeFileBytes(file, before);
        QVERIFY(WriteProfileString(file, section, key, value));
        QCOMPARE(readFileBytes(file), after);
        QCOMPARE(ReadProfileString(file, section, key, "DEF"), value);
    }

    void writeThenReadAwkwardValues() {
        const QString file = path("awkward.ini");
        const QString value = "a, \"b\"; c = d [e]";
        QVERIFY(WriteProfileString(file, "s", "k", value));
        QCOMPARE(ReadProfileString(file, "s", "k", ""), value);
    }

    void writeRejectsBadInput_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::newRow("empty section") << ""
                                       << "k"
                                       << "v";
        QTest::newRow("empty key") << "s"
                                   << " "
                                   << "v";
        QTest::newRow("key with =") << "s"
                                    << "a=b"
                                    << "v";
        QTest::newRow("section with ]") << "a]b"
                                        << "k"
                                        << "v";
        QTest::newRow("value with line break") << "s"
                                               << "k"
                                               << "one\r\ntwo";
    }
    void writeRejectsBadInput() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QString file = path("bad.ini");
        writeFileBytes(file, "[s]\nk=1\n");
        QVERIFY(!WriteProfileString(file, section, key, value));
        QCOMPARE(readFileBytes(file), QByteArray("[s]\nk=1\n"));
    }

    void writeToUnwritableFolderFails() {
        if (geteuid() == 0)
            QSKIP("root can write anywhere");
        const QString file = path("locked.ini");
        writeFileBytes(file, "[s]\nk=1\n");
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = WriteProfileString(file, "s", "k", "2");
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QCOMPARE(readFileBytes(file), QByteArray("[s]\nk=1\n"));
    }

    void writeToMissingFolderFails() {
        QVERIFY(!WriteProfileString(path("no/such/folder/x.ini"), "s", "k", "v"));
    }

    void unreadableFileIsNotReplaced() {
        // A folder where the file should be: nothing can be read, so nothing may be written.
        const QString file = path("dir.ini");
        QVERIFY(QDir(m_dir->path()).mkdir("dir.ini"));
        QVERIFY(!WriteProfileString(file, "s", "k", "v"));
        QVERIFY(QFileInfo(file).isDir());
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
