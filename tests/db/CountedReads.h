#pragma once
// Counts the records SQLite reads for a query, to show when a cursor reads them. A script
// of the test's own (readsCountedScript) puts the sample table behind a view of the same
// name whose every record passes through the SQL function counted(ID); the function
// counts, and fails for the record whose ID the test names (failAt), as a read error from
// the disk or the network would. Registered for every connection the process opens once a
// CountedReads exists. Header-only: every test folder may use it.

#include "db/TestDatabase.h"

#include <sqlite3.h>

class CountedReads {
public:
    CountedReads() {
        static const bool registered = [] {
            return sqlite3_auto_extension(reinterpret_cast<void (*)()>(&addFunction)) == SQLITE_OK;
        }();
        QVERIFY(registered);
        state() = {};
    }
    ~CountedReads() { state() = {}; }
    CountedReads(const CountedReads&) = delete;
    CountedReads& operator=(const CountedReads&) = delete;

    // The sample database with Customers read through counted(ID).
    static QByteArray readsCountedScript() {
        return TestDatabase::shippedScript() +
               "\nALTER TABLE Customers RENAME TO CustomerRecords;\n"
               "CREATE VIEW Customers AS SELECT * FROM CustomerRecords WHERE counted(ID);\n";
    }

    int reads() const { return state().reads; }
    void failAt(int id) { state().failingId = id; }

private:
    struct State {
        int reads = 0;
        int failingId = 0;
    };
    static State& state() {
        static State s;
        return s;
    }

    static void counted(sqlite3_context* context, int, sqlite3_value** args) {
        if (sqlite3_value_int(args[0]) == state().failingId) {
            sqlite3_result_error(context, "the record could not be read", -1);
            return;
        }
        ++state().reads;
        sqlite3_result_int(context, 1);
    }
    static int addFunction(sqlite3* db, char**, const sqlite3_api_routines*) {
        return sqlite3_create_function(db, "counted", 1, SQLITE_UTF8, nullptr, &counted, nullptr,
                                       nullptr);
    }
};
