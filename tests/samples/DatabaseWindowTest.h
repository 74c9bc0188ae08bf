#pragma once
// What the tests of the database editing windows share: a copy of the sample database in a
// temporary folder that the windows open as their Data folder, tips switched off, message
// and input boxes scripted, and the database read and changed behind the window's back with
// plain SQL (a connection of the test's own, as a second user would).

#include "SampleWindowTest.h"
#include "app/Global.h"
#include "db/TestDatabase.h"

#include <QtTest>
#include <sqlite3.h>

class DatabaseWindowFixture {
public:
    explicit DatabaseWindowFixture(const QByteArray& script = TestDatabase::shippedScript())
        : database(script) {
        services.settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        SetDataFolder(database.folder());
    }
    ~DatabaseWindowFixture() { SetDataFolder({}); }
    DatabaseWindowFixture(const DatabaseWindowFixture&) = delete;
    DatabaseWindowFixture& operator=(const DatabaseWindowFixture&) = delete;

    // Every row of a query, its values joined with "|", NULL as "NULL".
    QStringList rows(const QString& sql) const {
        QStringList out;
        withDatabase([&](sqlite3* db) {
            sqlite3_stmt* statement = nullptr;
            if (sqlite3_prepare_v2(db, sql.toUtf8().constData(), -1, &statement, nullptr) !=
                SQLITE_OK) {
                out << QStringLiteral("error: ") + QString::fromUtf8(sqlite3_errmsg(db));
                return;
            }
            while (sqlite3_step(statement) == SQLITE_ROW) {
                QStringList values;
                for (int i = 0; i < sqlite3_column_count(statement); ++i)
                    values << (sqlite3_column_type(statement, i) == SQLITE_NULL
                                   ? QStringLiteral("NULL")
                                   : QString::fromUtf8(reinterpret_cast<const char*>(
                                         sqlite3_column_text(statement, i))));
                out << values.join(u'|');
            }
            sqlite3_finalize(statement);
        });
        return out;
    }
    // The first value of a query; empty when it has no row.
    QString value(const QString& sql) const {
        const QStringList found = rows(sql);
        return found.isEmpty() ? QString() : found.first().section(u'|', 0, 0);
    }
    // Runs statements as another user of the database would; false (with a warning) when
    // they fail.
    bool exec(const QString& sql) const {
        bool ok = false;
        withDatabase([&](sqlite3* db) {
            char* message = nullptr;
            ok =
                sqlite3_exec(db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK;
            if (!ok)
                qWarning("%s", message);
            sqlite3_free(message);
        });
        return ok;
    }

    // The last message box shown; an empty request when none was.
    platform::MessageBoxRequest lastBox() const {
        return services.boxes.shown().isEmpty() ? platform::MessageBoxRequest{}
                                                : services.boxes.shown().last().request;
    }
    qsizetype boxCount() const { return services.boxes.shown().size(); }

    IsolatedServices services;
    TestDatabase database;

private:
    template <class Use> void withDatabase(Use use) const {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(database.path().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db, 2000);
            use(db);
        } else {
            qWarning("the test database cannot be opened");
        }
        sqlite3_close(db);
    }
};
