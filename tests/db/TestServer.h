#pragma once
// The tests' PostgreSQL server: a throw-away cluster that the ctest fixture starts before
// the tests that need it and removes after them (scripts/pg-cluster.sh), holding the sample
// database "tessix". TESSIX_PG_CLUSTER names the file where the fixture wrote the cluster's
// folder, or why there is none (the server binaries not installed): then the tests skip,
// saying so. The server logs every statement, so a test can count what a cursor sent.
// Header-only: every test folder may use it.

#include <QFile>
#include <QProcess>
#include <QtTest>

class TestServer {
public:
    TestServer() {
        QFile info(qEnvironmentVariable("TESSIX_PG_CLUSTER"));
        if (!info.open(QIODevice::ReadOnly)) {
            m_problem = QStringLiteral("no test cluster: run the test through ctest, whose "
                                       "fixture starts one");
            return;
        }
        const QString text = QString::fromUtf8(info.readAll()).trimmed();
        if (text.startsWith(u"missing:")) {
            m_missing = text.mid(8).trimmed();
            return;
        }
        m_dir = text;
        QFile port(m_dir + QStringLiteral("/port"));
        if (port.open(QIODevice::ReadOnly))
            m_port = QString::fromLatin1(port.readAll()).trimmed();
        else
            m_problem = QStringLiteral("the test cluster in %1 has no port file").arg(m_dir);
    }

    // Why the tests skip: empty when the server is there.
    const QString& missing() const { return m_missing; }
    // What keeps the tests from running although they should: empty when nothing.
    const QString& problem() const { return m_problem; }

    QString connectionString(const QString& more = {}) const {
        return QStringLiteral("Provider=PostgreSQL;Host=127.0.0.1;Port=%1;Database=tessix;"
                              "User=postgres")
                   .arg(m_port) +
               more;
    }
    const QString& port() const { return m_port; }

    // The statements logged since `from` (a size of the log) that contain `text`.
    qint64 logSize() const { return QFileInfo(logFile()).size(); }
    int logged(const QByteArray& text, qint64 from) const {
        QFile log(logFile());
        if (!log.open(QIODevice::ReadOnly) || !log.seek(from))
            return -1;
        return int(log.readAll().count(text));
    }

    // Stops the server (as an administrator would) and starts it again.
    bool stop() const { return cluster(QStringLiteral("stop")); }
    bool restart() const { return cluster(QStringLiteral("restart")); }

private:
    QString logFile() const { return m_dir + QStringLiteral("/server.log"); }
    bool cluster(const QString& command) const {
        return QProcess::execute(qEnvironmentVariable("TESSIX_PG_SCRIPT"), {command, m_dir}) == 0;
    }

    QString m_dir;
    QString m_port;
    QString m_missing;
    QString m_problem;
};

// In a test function: skips without the server binaries, fails when the cluster is not there.
#define REQUIRE_TEST_SERVER(server)                                                                \
    do {                                                                                           \
        if (!(server).missing().isEmpty())                                                         \
            QSKIP(qPrintable((server).missing()));                                                 \
        QVERIFY2((server).problem().isEmpty(), qPrintable((server).problem()));                    \
    } while (false)
