#pragma once
// What the database window tests share: a database in a temporary folder that is the
// program's Data folder while it lives (the sample database, or one a script of the test's
// own builds), never the shipped or the user's Test.db; and, for the editing windows, that
// database read and changed behind the window's back with plain SQL (a connection of the
// test's own, as a second user would).

#include "SampleWindowTest.h"
#include "app/Global.h"
#include "db/TestDatabase.h"

#include <QCoreApplication>
#include <QtTest>
#include <sqlite3.h>

class ScopedSampleData {
public:
    explicit ScopedSampleData(const QByteArray& script = TestDatabase::shippedScript())
        : m_file(script) {
        SetDataFolder(m_file.folder());
    }
    ~ScopedSampleData() { SetDataFolder({}); }
    ScopedSampleData(const ScopedSampleData&) = delete;
    ScopedSampleData& operator=(const ScopedSampleData&) = delete;

    const TestDatabase& file() const { return m_file; }

private:
    TestDatabase m_file;
};

// A Data folder without a database in it.
class ScopedEmptyData {
public:
    ScopedEmptyData() { SetDataFolder(m_dir.path()); }
    ~ScopedEmptyData() { SetDataFolder({}); }
    ScopedEmptyData(const ScopedEmptyData&) = delete;
    ScopedEmptyData& operator=(const ScopedEmptyData&) = delete;

private:
    QTemporaryDir m_dir;
};

// One database window under test, with its services and its database; the window shown
// and its first rows in.
template <class Window> struct DatabaseWindowFixture {
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<ScopedSampleData> data;
    std::unique_ptr<Window> window;

    void start() { services = std::make_unique<IsolatedServices>(); }
    void open(const QByteArray& script = TestDatabase::shippedScript()) {
        data = std::make_unique<ScopedSampleData>(script);
        show();
    }
    // The window on whatever Data folder is current.
    void show() {
        window = shownWindow<Window>();
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    }
    // Closes everything; returns the boxes nobody scripted an answer for.
    QStringList finish() {
        window.reset();
        data.reset();
        const QStringList unexpected = services->boxes.unexpected();
        services.reset();
        return unexpected;
    }
};

// An editing window's test: tips off, boxes scripted, and the database at hand for plain SQL.
class DatabaseEditFixture {
public:
    explicit DatabaseEditFixture(const QByteArray& script = TestDatabase::shippedScript())
        : data(script) {
        services.settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
    }
    DatabaseEditFixture(const DatabaseEditFixture&) = delete;
    DatabaseEditFixture& operator=(const DatabaseEditFixture&) = delete;

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
    ScopedSampleData data;

private:
    template <class Use> void withDatabase(Use use) const {
        sqlite3* db = nullptr;
        if (sqlite3_open_v2(data.file().path().toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db, 2000);
            use(db);
        } else {
            qWarning("the test database cannot be opened");
        }
        sqlite3_close(db);
    }
};
