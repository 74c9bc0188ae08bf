#pragma once
// Databases for tests, built in a temporary folder: the sample database from the shipped
// Data/Test.sql (never the shipped or the user's Test.db), or one from a script of the
// test's own. Header-only: every test folder may use it.

#include "runtime/Variant.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sqlite3.h>

class TestDatabase {
public:
    // The sample database.
    TestDatabase() : TestDatabase(shippedScript()) {}
    explicit TestDatabase(const QByteArray& script) {
        QVERIFY(m_dir.isValid());
        sqlite3* db = nullptr;
        const int rc = sqlite3_open_v2(m_path.toUtf8().constData(), &db,
                                       SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
        char* message = nullptr;
        const int run =
            rc == SQLITE_OK ? sqlite3_exec(db, script.constData(), nullptr, nullptr, &message) : rc;
        const QString error = QString::fromUtf8(message ? message : sqlite3_errstr(run));
        sqlite3_free(message);
        sqlite3_close(db);
        QVERIFY2(run == SQLITE_OK, qPrintable(error));
    }

    static QByteArray shippedScript() {
        QFile sql(QStringLiteral(TESSIX_SHIPPED_DATA "/Test.sql"));
        if (!sql.open(QIODevice::ReadOnly))
            qFatal("the shipped Test.sql cannot be read");
        return sql.readAll();
    }

    const QString& path() const { return m_path; }
    QString folder() const { return m_dir.path(); }
    QString connectionString() const {
        return QStringLiteral("Provider=SQLite;Data Source=") + m_path;
    }

private:
    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("Test.db"));
};

// A value with its type, for comparisons that fail readably: "Currency 1500.5".
inline QString typed(const Variant& value) {
    return value.typeName() + u' ' + value.toString();
}
