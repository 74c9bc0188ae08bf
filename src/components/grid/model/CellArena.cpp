#include "model/CellArena.h"

#include <algorithm>
#include <cstring>

namespace {
// Blocks double from the first size to the last, so a small grid holds little spare room
// and a big one allocates rarely.
constexpr std::size_t FirstBlockBytes = 4 << 10;
constexpr std::size_t MaxBlockBytes = 1 << 20;
} // namespace

std::vector<CellArena::FreeList>::iterator CellArena::freeListOf(std::size_t bytes) {
    return std::find_if(m_free.begin(), m_free.end(),
                        [bytes](const FreeList& f) { return f.bytes == bytes; });
}

void CellArena::release(void* p, std::size_t bytes) {
    bytes = rounded(bytes);
    auto it = freeListOf(bytes);
    if (it == m_free.end())
        it = m_free.insert(m_free.end(), FreeList{bytes, nullptr});
    std::memcpy(p, &it->head, sizeof(void*));
    it->head = p;
}

void CellArena::reset() {
    m_blocks.clear();
    m_free.clear();
    m_next = m_end = nullptr;
    m_blockBytes = 0;
}

void* CellArena::allocateSlow(std::size_t bytes) {
    if (void* p = takeFree(bytes))
        return p;
    if (std::size_t(m_end - m_next) < bytes)
        return newBlock(bytes);
    void* p = m_next;
    m_next += bytes;
    return p;
}

void* CellArena::takeFree(std::size_t bytes) {
    const auto it = freeListOf(bytes);
    if (it == m_free.end())
        return nullptr;
    void* p = it->head;
    std::memcpy(&it->head, p, sizeof(void*));
    if (!it->head) { // keeps the fast path's test for "nothing given back" true
        *it = m_free.back();
        m_free.pop_back();
    }
    return p;
}

std::byte* CellArena::newBlock(std::size_t bytes) {
    const std::size_t next = std::clamp(2 * m_blockBytes, FirstBlockBytes, MaxBlockBytes);
    if (bytes > next / 4) {
        // A wide row's cells get a block of their own; the current block stays in use.
        m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
        return m_blocks.back().get();
    }
    m_blockBytes = next;
    m_blocks.push_back(std::make_unique_for_overwrite<std::byte[]>(next));
    m_next = m_blocks.back().get() + bytes;
    m_end = m_blocks.back().get() + next;
    return m_blocks.back().get();
}
