#pragma once
// What the database window tests share: a database in a temporary folder that is the
// program's Data folder while it lives (the sample database, or one a script of the test's
// own builds), never the shipped or the user's Test.db.

#include "SampleWindowTest.h"
#include "app/Global.h"
#include "db/TestDatabase.h"

#include <QCoreApplication>

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
