#include "db/RecordCursor.h"

#include "db/FieldValue.h"

#include <memory>
#include <new>

namespace db {

namespace {

// Builds a record's values in uninitialized slots: one built apart and moved in is read back
// right after its bytes were written, and the processor stalls on that for every value.
// noexcept: running out of memory ends the program rather than leaving slots half built.
void readRecord(const Statement& statement, const std::vector<VarType>& types,
                Variant* out) noexcept {
    for (size_t f = 0; f < types.size(); ++f)
        ::new (static_cast<void*>(out + f)) Variant(readValue(statement.get(), int(f), types[f]));
}

// Value slots, built record by record as they are read: none is built before its value is.
class Chunk {
public:
    explicit Chunk(size_t capacity)
        : m_values(std::allocator<Variant>().allocate(capacity)), m_capacity(capacity) {}
    ~Chunk() {
        std::destroy_n(m_values, m_built);
        std::allocator<Variant>().deallocate(m_values, m_capacity);
    }
    Chunk(const Chunk&) = delete;
    Chunk& operator=(const Chunk&) = delete;

    Variant* values() const { return m_values; }
    // The next `count` slots, to be built at once.
    Variant* take(size_t count) {
        m_built += count;
        return m_values + m_built - count;
    }

private:
    Variant* m_values;
    size_t m_capacity;
    size_t m_built = 0;
};

std::optional<VarType> firstType(const Variant* values, int records, int fields, int field) {
    for (int r = 0; r < records; ++r) {
        const Variant& v = values[size_t(r) * size_t(fields) + size_t(field)];
        if (!v.isNull() && !v.isEmpty())
            return v.type();
    }
    return std::nullopt;
}

// Records in chunks of a fixed size: reading a large result never copies what it read
// before, and the memory held is the records plus at most one partly used chunk.
class AllRecords final : public RecordCursor {
public:
    explicit AllRecords(int fields) : m_fields(fields) {}

    bool read(Statement& statement, const std::vector<VarType>& types, Error& error) {
        Statement::Step step;
        while ((step = statement.step(error)) == Statement::Step::Row) {
            if (m_count % ChunkRecords == 0)
                m_chunks.push_back(std::make_unique<Chunk>(ChunkRecords * size_t(m_fields)));
            readRecord(statement, types, m_chunks.back()->take(size_t(m_fields)));
            ++m_count;
        }
        return step == Statement::Step::Done;
    }

    bool forwardOnly() const override { return false; }
    int count() const override { return m_count; }
    bool fetch(int index, Error&) override { return index >= 0 && index < m_count; }
    Variant* record(int index) override { return at(index); }
    std::optional<VarType> heldType(int field) const override {
        for (size_t c = 0; c < m_chunks.size(); ++c) {
            const int records = std::min<int>(ChunkRecords, m_count - int(c) * ChunkRecords);
            if (auto type = firstType(m_chunks[c]->values(), records, m_fields, field))
                return type;
        }
        return std::nullopt;
    }

private:
    static constexpr int ChunkRecords = 1024;
    Variant* at(int index) const {
        return m_chunks[size_t(index / ChunkRecords)]->values() +
               size_t(index % ChunkRecords) * size_t(m_fields);
    }

    int m_fields;
    int m_count = 0;
    std::vector<std::unique_ptr<Chunk>> m_chunks;
};

class SteppedRecords final : public BlockRecords {
public:
    SteppedRecords(Statement statement, std::vector<VarType> types, int cacheSize)
        : BlockRecords(cacheSize), m_statement(std::move(statement)), m_types(std::move(types)),
          m_block(size_t(this->cacheSize()) * m_types.size()) {}

    Variant* record(int index) override {
        return m_block.data() + size_t(index - blockStart()) * m_types.size();
    }
    std::optional<VarType> heldType(int field) const override {
        return firstType(m_block.data(), m_held, int(m_types.size()), field);
    }

private:
    bool restart(Error&) override {
        m_statement.reset();
        return true;
    }

    int readBlock(Error& error) override {
        for (m_held = 0; m_held < cacheSize(); ++m_held) {
            switch (m_statement.step(error)) {
            case Statement::Step::Row: {
                // The slots are the cache's, reused: the record they held goes first.
                Variant* slots = m_block.data() + size_t(m_held) * m_types.size();
                std::destroy_n(slots, m_types.size());
                readRecord(m_statement, m_types, slots);
                break;
            }
            case Statement::Step::Done:
                return m_held;
            case Statement::Step::Failed:
                return -1;
            }
        }
        return m_held;
    }

    Statement m_statement;
    std::vector<VarType> m_types;
    std::vector<Variant> m_block; // CacheSize records
    int m_held = 0;               // the records of the block read
};

} // namespace

bool BlockRecords::fetch(int index, Error& error) {
    if (index < 0)
        return false;
    if (index < m_blockStart) {
        m_blockStart = m_blockCount = 0;
        m_done = false;
        if (!restart(error)) {
            m_done = true;
            return false;
        }
    }
    while (index >= m_blockStart + m_blockCount) {
        if (m_done)
            return false;
        m_blockStart += m_blockCount;
        const int read = readBlock(error);
        m_blockCount = std::max(read, 0);
        m_done = read < m_cacheSize;
        if (read < 0)
            return false;
    }
    return true;
}

std::unique_ptr<RecordCursor> readAllRecords(Statement statement, std::vector<VarType> types,
                                             Error& error) {
    auto records = std::make_unique<AllRecords>(int(types.size()));
    if (!records->read(statement, types, error))
        return nullptr;
    return records;
}

std::unique_ptr<RecordCursor> stepRecords(Statement statement, std::vector<VarType> types,
                                          int cacheSize) {
    return std::make_unique<SteppedRecords>(std::move(statement), std::move(types), cacheSize);
}

} // namespace db
