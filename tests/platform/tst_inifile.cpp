#include "platform/IniFile.h"
#include "support/TestFiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <optional>

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
        QTest::newRow("latin-1 when cut inside a UTF-8 sequence")
            << QByteArray("[s]\nk=M\xc3") << "s"
            << "k" << QString::fromUtf8("M\xc3\x83");
        QTest::newRow("byte order mark") << QByteArray("\xef\xbb\xbf[s]\nk=v\n") << "s"
                                         << "k"
                                         << "v";
        QTest::newRow("bare CR line ends") << QByteArray("[a]\rk=1\r[s]\rk=v\rj=w\r") << "s"
                                           << "j"
                                           << "w";
        QTest::newRow("mixed line ends") << QByteArray("[a]\r\nk=1\r[s]\nk=v") << "s"
                                         << "k"
                                         << "v";
        QTest::newRow("CR before CRLF") << QByteArray("[s]\r\r\nk=v\r\n") << "s"
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

    // A default comes back without blanks at its end, a value found as it was read.
    void defaultLosesTrailingBlanks_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("defaultValue");
        QTest::addColumn<QString>("expected");
        QTest::newRow("spaces") << "none"
                                << "DEF  "
                                << "DEF";
        QTest::newRow("tab and space") << "none"
                                       << "DEF\t "
                                       << "DEF";
        QTest::newRow("leading blanks stay") << "none"
                                             << "  DEF "
                                             << "  DEF";
        QTest::newRow("only blanks") << "none"
                                     << "   "
                                     << "";
        QTest::newRow("a value found is not the default") << "k"
                                                          << "DEF  "
                                                          << "v";
    }
    void defaultLosesTrailingBlanks() {
        QFETCH(QString, key);
        QFETCH(QString, defaultValue);
        QFETCH(QString, expected);
        const QString file = path("d.ini");
        writeFileBytes(file, "[s]\nk=v\n");
        QCOMPARE(ReadProfileString(file, "s", key, defaultValue), expected);
        QCOMPARE(IniProfile(file).value("s", key, defaultValue), expected);
        if (key != u"k")
            QCOMPARE(ReadProfileString(path("missing.ini"), "s", key, defaultValue), expected);
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
        QTest::newRow("latin-1 file becomes UTF-8 for a character it cannot hold")
            << QByteArray("[s]\r\nname=M\xfcller\r\nk=1\r\n") << "s"
            << "k" << QString::fromUtf8("\xe2\x82\xac")
            << QByteArray("[s]\r\nname=M\xc3\xbcller\r\nk=\xe2\x82\xac\r\n");
        QTest::newRow("latin-1 file becomes UTF-8 for a name it cannot hold")
            << QByteArray("[s]\nk=\xe9\n") << QString::fromUtf8("\xce\xa9") << "k"
            << "1" << QByteArray("[s]\nk=\xc3\xa9\n\n[\xce\xa9]\nk=1\n");
        // Written in Latin-1, "Ã©" would make the file valid UTF-8 and read back as "é".
        QTest::newRow("latin-1 file becomes UTF-8 rather than read as UTF-8")
            << QByteArray("[s]\nk=\xe9\n") << "s"
            << "k" << QString::fromUtf8("\xc3\x83\xc2\xa9")
            << QByteArray("[s]\nk=\xc3\x83\xc2\xa9\n");
        QTest::newRow("cut UTF-8 sequence kept") << QByteArray("[s]\nk=1\nx=\xc3") << "s"
                                                 << "k"
                                                 << "2" << QByteArray("[s]\nk=2\nx=\xc3");
        QTest::newRow("byte order mark kept") << QByteArray("\xef\xbb\xbf[s]\nk=1\n") << "s"
                                              << "k"
                                              << "2" << QByteArray("\xef\xbb\xbf[s]\nk=2\n");
        QTest::newRow("value with spaces at its ends goes in quotes")
            << QByteArray("[s]\nk=1\n") << "s"
            << "k"
            << "  two\t" << QByteArray("[s]\nk=\"  two\t\"\n");
        QTest::newRow("value in quotes keeps them") << QByteArray("[s]\nk=1\n") << "s"
                                                    << "k"
                                                    << "'q'" << QByteArray("[s]\nk=\"'q'\"\n");
        QTest::newRow("bare CR file keeps CR") << QByteArray("[s]\rk=1\r") << "s"
                                               << "j"
                                               << "2" << QByteArray("[s]\rk=1\rj=2\r");
        QTest::newRow("replace in a bare CR file") << QByteArray("[s]\rk=1\rj=2") << "s"
                                                   << "k"
                                                   << "3" << QByteArray("[s]\rk=3\rj=2");
        QTest::newRow("new section in a bare CR file")
            << QByteArray("[a]\rx=1") << "b"
            << "y"
            << "2" << QByteArray("[a]\rx=1\r\r[b]\ry=2\r");
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

    // No value takes the key out; no key takes out the whole section. Either finds its lines
    // as a read does, in every section of that name, and leaves every other line as it was.
    void remove_data() {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QString>("section");
        QTest::addColumn<std::optional<QString>>("key");
        QTest::addColumn<QByteArray>("after");
        const std::optional<QString> noKey;
        const QByteArray abc = "; c\r\n[a]\r\nx=1\r\nk=2\r\ny=3\r\n\r\n[b]\r\n; note\r\nk=4\r\n"
                               "\r\n[c]\r\nz=5\r\n";
        QTest::newRow("key") << abc << "a" << std::optional<QString>("k")
                             << QByteArray(
                                    "; c\r\n[a]\r\nx=1\r\ny=3\r\n\r\n[b]\r\n; note\r\nk=4\r\n"
                                    "\r\n[c]\r\nz=5\r\n");
        QTest::newRow("key, names in another case with blanks")
            << abc << " B " << std::optional<QString>("K ")
            << QByteArray(
                   "; c\r\n[a]\r\nx=1\r\nk=2\r\ny=3\r\n\r\n[b]\r\n; note\r\n\r\n[c]\r\nz=5\r\n");
        QTest::newRow("every line of the key in every section of that name")
            << QByteArray("[a]\nk=1\nk=2\n[b]\nk=0\n[A]\n k = 3\n") << "a"
            << std::optional<QString>("k") << QByteArray("[a]\n[b]\nk=0\n[A]\n");
        QTest::newRow("key on a last line without line ending")
            << QByteArray("[a]\nx=1\nk=2") << "a" << std::optional<QString>("k")
            << QByteArray("[a]\nx=1\n");
        QTest::newRow("commented key stays")
            << QByteArray("[a]\n;k=1\nk=2\n") << "a" << std::optional<QString>("k")
            << QByteArray("[a]\n;k=1\n");
        QTest::newRow("missing key changes nothing")
            << abc << "a" << std::optional<QString>("q") << abc;
        QTest::newRow("section in the middle, with its comments and blank lines")
            << abc << "b" << noKey
            << QByteArray("; c\r\n[a]\r\nx=1\r\nk=2\r\ny=3\r\n\r\n[c]\r\nz=5\r\n");
        QTest::newRow("first section, lines before it stay")
            << abc << "A" << noKey
            << QByteArray("; c\r\n[b]\r\n; note\r\nk=4\r\n\r\n[c]\r\nz=5\r\n");
        QTest::newRow("last section takes the blank line before it")
            << abc << "c" << noKey
            << QByteArray("; c\r\n[a]\r\nx=1\r\nk=2\r\ny=3\r\n\r\n[b]\r\n; note\r\nk=4\r\n");
        QTest::newRow("every section of that name") << QByteArray("[a]\nx=1\n[b]\ny=2\n[ A ]\nz=3")
                                                    << "a" << noKey << QByteArray("[b]\ny=2\n");
        QTest::newRow("the only section")
            << QByteArray("[a]\nx=1\n") << "a" << noKey << QByteArray();
        QTest::newRow("missing section changes nothing") << abc << "d" << noKey << abc;
    }
    void remove() {
        QFETCH(QByteArray, before);
        QFETCH(QString, section);
        QFETCH(std::optional<QString>, key);
        QFETCH(QByteArray, after);
        const QString file = path("r.ini");
        writeFileBytes(file, before);
        QVERIFY(WriteProfileString(file, section, key, std::nullopt));
        QCOMPARE(readFileBytes(file), after);
        for (const char* name : {"k", "x", "z"}) {
            if (!key || key->trimmed().compare(name, Qt::CaseInsensitive) == 0)
                QCOMPARE(ReadProfileString(file, section, name, "DEF"), QString("DEF"));
        }
    }

    // No key takes out the section whatever the value; a missing file stays missing.
    void removeWithoutAFile() {
        const QString file = path("none.ini");
        QVERIFY(WriteProfileString(file, "s", "k", std::nullopt));
        QVERIFY(WriteProfileString(file, "s", std::nullopt, "v"));
        QVERIFY(!QFileInfo::exists(file));
    }

    void removeInOneProfile() {
        const QString file = path("tips.ini");
        writeFileBytes(file, "[a]\nx=1\ny=2\n[b]\nz=3\n");
        IniProfile profile(file);
        profile.removeKey("a", "x");
        profile.removeSection("b");
        QCOMPARE(profile.value("a", "x", "DEF"), QString("DEF"));
        QCOMPARE(profile.value("b", "z", "DEF"), QString("DEF"));
        QCOMPARE(profile.value("a", "y", "DEF"), QString("2"));
        QCOMPARE(readFileBytes(file), QByteArray("[a]\nx=1\ny=2\n[b]\nz=3\n"));
        QVERIFY(profile.save());
        QCOMPARE(readFileBytes(file), QByteArray("[a]\ny=2\n"));
    }

    // A profile read and not changed writes nothing, not even a file that was missing.
    void unchangedProfileWritesNothing() {
        const QString file = path("none.ini");
        IniProfile profile(file);
        QCOMPARE(profile.value("s", "k", "DEF"), QString("DEF"));
        QVERIFY(profile.save());
        QVERIFY(!QFileInfo::exists(file));
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
        // Names the reader would take for another line or trim, so it never finds them again.
        QTest::newRow("key like a section") << "s"
                                            << "[k]"
                                            << "v";
        QTest::newRow("key like a comment") << "s"
                                            << ";k"
                                            << "v";
        QTest::newRow("key with leading space") << "s"
                                                << " k"
                                                << "v";
        QTest::newRow("key with trailing tab") << "s"
                                               << "k\t"
                                               << "v";
        QTest::newRow("key with no-break space") << "s" << QString::fromUtf8("k\xc2\xa0") << "v";
        QTest::newRow("key after a byte order mark") << "s" << QStringLiteral("\ufeffk") << "v";
        QTest::newRow("key with line feed") << "s"
                                            << "k\nj"
                                            << "v";
        QTest::newRow("section with trailing space") << "s "
                                                     << "k"
                                                     << "v";
        QTest::newRow("section with carriage return") << "s\r"
                                                      << "k"
                                                      << "v";
        QTest::newRow("key with lone surrogate") << "s" << QString(QChar(0xd800)) << "v";
        QTest::newRow("value with lone surrogate") << "s"
                                                   << "k" << QString(QChar(0xdc00));
        QTest::newRow("value with carriage return") << "s"
                                                    << "k"
                                                    << "a\rb";
        QTest::newRow("value longer than a read gives") << "s"
                                                        << "k" << QString(25001, u'x');
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

    // Whatever the names and the value, a write either reads back or changes nothing.
    void writeReadsBackOrChangesNothing_data() {
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        const auto row = [](const char* name, const QString& section, const QString& key,
                            const QString& value) {
            QTest::newRow(name) << section << key << value;
        };
        row("plain", "s", "k", "v");
        row("names in another case", "S", "NAME2", "v");
        row("empty value", "s", "k", "");
        row("separators in names", "a=b;[c", "x]y[z", "v");
        row("separators in value", "s", "k", "=;[x] ; y = z");
        row("quotes in value", "s", "k", "\"a\" and 'b'");
        row("value all quotes", "s", "k", "\"\"");
        row("single quote", "s", "k", "'");
        row("spaces around value", "s", "k", " \t v \t ");
        row("only spaces", "s", "k", "   ");
        row("control characters", "s\x01", "k\x1f", QStringLiteral("\x01\x7f\x0b"));
        row("NUL", "s", "k", QString(QChar(0)) + u'x');
        row("Latin-1", "s", QStringLiteral("Gr\u00f6\u00dfe"), QStringLiteral("\u00e9\u00ff"));
        row("beyond Latin-1", QStringLiteral("\u03a9"), "k", QStringLiteral("\u20ac \u5217"));
        row("emoji", "s", QStringLiteral("\U0001F600"), QStringLiteral("\U0001F600"));
        row("bytes that look like UTF-8", "s", "k", QStringLiteral("\u00c3\u00a9"));
        row("longest value", "s", "k", QString(25000, u'x'));
        row("too long value", "s", "k", QString(25001, u'x'));
        row("key like a section", "s", "[k]", "v");
        row("key like a comment", "s", ";k", "v");
        row("key with =", "s", "a=b", "v");
        row("section with ]", "a]b", "k", "v");
        row("spaces around key", "s", " k ", "v");
        row("spaces around section", " s ", "k", "v");
        row("byte order mark before key", "s", QStringLiteral("\ufeffk"), "v");
        row("byte order mark inside names", QStringLiteral("s\ufeff"), QStringLiteral("k\ufeff"),
            QStringLiteral("\ufeff"));
        row("empty names", "", "", "v");
        row("line breaks", "s", "k", "a\nb");
        row("lone surrogates", QString(QChar(0xd800)), "k", QString(QChar(0xdfff)));
    }
    void writeReadsBackOrChangesNothing() {
        QFETCH(QString, section);
        QFETCH(QString, key);
        QFETCH(QString, value);
        const QByteArray latin1 = "[s]\nname=M\xfcller\n";
        const QByteArray utf8 = "\xef\xbb\xbf[s]\r\nname=\xc3\xbc\r\n";
        for (const QByteArray& before : {QByteArray(), utf8, latin1}) {
            const QString file = path("p.ini");
            QFile::remove(file);
            if (!before.isEmpty())
                writeFileBytes(file, before);
            const QString other = ReadProfileString(file, "s", "name", "DEF");
            if (!WriteProfileString(file, section, key, value)) {
                QCOMPARE(QFileInfo::exists(file), !before.isEmpty());
                if (!before.isEmpty())
                    QCOMPARE(readFileBytes(file), before);
                continue;
            }
            QCOMPARE(ReadProfileString(file, section, key, "DEF"), value);
            QCOMPARE(ReadProfileString(file, "s", "name", "DEF"), other);
            // Written again, the same value is found in place: nothing is added.
            const QByteArray once = readFileBytes(file);
            QVERIFY(WriteProfileString(file, section, key, value));
            QCOMPARE(readFileBytes(file), once);
        }
    }

    void writeToUnwritableFolderFails() {
        if (geteuid() == 0)
            QSKIP("root can write anywhere");
        const QString file = path("locked.ini");
        writeFileBytes(file, "[s]\nk=1\n");
        QFile::setPermissions(m_dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        const bool written = WriteProfileString(file, "s", "k", "2");
        const bool keyRemoved = WriteProfileString(file, "s", "k", std::nullopt);
        const bool sectionRemoved = WriteProfileString(file, "s", std::nullopt, std::nullopt);
        QFile::setPermissions(m_dir->path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QVERIFY(!written);
        QVERIFY(!keyRemoved);
        QVERIFY(!sectionRemoved);
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
        QVERIFY(!WriteProfileString(file, "s", "k", std::nullopt));
        QVERIFY(!WriteProfileString(file, "s", std::nullopt, std::nullopt));
        QVERIFY(QFileInfo(file).isDir());
    }

    // What is no profile file (a link to an endless device, a huge file) is neither read nor
    // written, and says why; the program does not hang on it.
    void noProfileFileIsLeftAlone_data() {
        QTest::addColumn<bool>("endless");
        QTest::newRow("link to an endless device") << true;
        QTest::newRow("larger than the limit") << false;
    }
    void noProfileFileIsLeftAlone() {
        QFETCH(bool, endless);
        const QString file = path("tips.ini");
        if (endless) {
            QVERIFY(QFile::link("/dev/zero", file));
        } else {
            writeFileBytes(file, "[s]\nk=1\n");
            QFile big(file);
            QVERIFY(big.open(QIODevice::ReadWrite));
            QVERIFY(big.resize(MaxIniFileBytes + 1));
        }
        const QFileInfo before(file);
        QCOMPARE(ReadProfileString(file, "s", "k", "DEF"), QString("DEF"));
        QVERIFY(!WriteProfileString(file, "s", "k", "2"));
        QVERIFY(!WriteProfileString(file, "s", std::nullopt, std::nullopt));
        IniProfile profile(file);
        QVERIFY(!profile.error().isEmpty());
        QVERIFY(profile.setValue("s", "k", "3"));
        QVERIFY(!profile.save());
        const QFileInfo after(file);
        QCOMPARE(after.isSymLink(), endless);
        QCOMPARE(after.size(), before.size());
    }

    // One read for several values and a write of some, as the tip window does it.
    void profileReadsOnceAndSavesOnce() {
        const QString file = path("tips.ini");
        writeFileBytes(file, "[frmA]\r\nTipsCount=2\r\nLastTip=1\r\n1=a\r\n2=b\r\n");
        IniProfile profile(file);
        QVERIFY(profile.error().isEmpty());
        QCOMPARE(profile.value("FRMA", "tipscount", "0"), QString("2"));
        QCOMPARE(profile.value("frmA", "2", {}), QString("b"));
        QVERIFY(!profile.setValue("frmA", ";x", "1")); // refused as the writer refuses it
        QVERIFY(profile.setValue("frmA", "LastTip", "2"));
        QCOMPARE(readFileBytes(file).count("LastTip=1"), 1); // nothing written before save
        QVERIFY(profile.save());
        QCOMPARE(readFileBytes(file),
                 QByteArray("[frmA]\r\nTipsCount=2\r\nLastTip=2\r\n1=a\r\n2=b\r\n"));
    }

private:
    QString path(const QString& name) const { return m_dir->filePath(name); }
    std::optional<QTemporaryDir> m_dir;
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "tst_inifile.moc"
