#pragma once
// How an open recordset holds its records: every record, read at open (static and keyset
// cursors), or a window of CacheSize records that the statement refills as the reader moves
// on (forward-only: memory stays flat however large the result). Records are numbered from
// 0 in the order of the result. Internal to the database layer.

#include "db/SqliteStatement.h"

#include <algorithm>
#include <memory>
#include <optional>
#include <vector>

namespace db {

class RecordCursor {
public:
    virtual ~RecordCursor() = default;
    virtual bool forwardOnly() const = 0;
    virtual int count() const = 0; // -1 while unknown
    // Makes record `index` readable: false when there is none (error left empty) or reading
    // failed (error set).
    virtual bool fetch(int index, Error& error) = 0;
    // The values of a fetched record, one per field.
    virtual Variant* record(int index) = 0;
    // The type of the first non-Null value of a field among the records held.
    virtual std::optional<VarType> heldType(int field) const = 0;
};

// Records read forward a block of at most CacheSize at a time; moving back before the block
// held runs the query again.
class BlockRecords : public RecordCursor {
public:
    explicit BlockRecords(int cacheSize) : m_cacheSize(std::max(1, cacheSize)) {}
    bool forwardOnly() const override { return true; }
    int count() const override { return m_done ? m_blockStart + m_blockCount : -1; }
    bool fetch(int index, Error& error) override;

protected:
    // Back before the first record: false (error set) when the query cannot run again.
    virtual bool restart(Error& error) = 0;
    // Reads the next block; the number of its records (fewer than the cache size end the
    // records), or -1 (error set) when reading failed.
    virtual int readBlock(Error& error) = 0;

    int cacheSize() const { return m_cacheSize; }
    int blockStart() const { return m_blockStart; }

private:
    const int m_cacheSize;
    int m_blockStart = 0; // the index of the first record held
    int m_blockCount = 0;
    bool m_done = false;
};

// types: how to read each field; Empty = as SQLite stored it. Both read from the statement
// given; readAllRecords fails (nullptr, error set) when a record cannot be read.
std::unique_ptr<RecordCursor> readAllRecords(Statement statement, std::vector<VarType> types,
                                             Error& error);
std::unique_ptr<RecordCursor> stepRecords(Statement statement, std::vector<VarType> types,
                                          int cacheSize);

} // namespace db
