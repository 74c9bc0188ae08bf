#pragma once
// What the database window tests share: a database in a temporary folder that is the
// program's Data folder while it lives (the sample database, or one a script of the test's
// own builds), never the shipped or the user's Test.db.

#include "app/Global.h"
#include "db/TestDatabase.h"

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
