#pragma once
// Memory for the rows' cell arrays, carved one after another out of large blocks: a row's
// cells cost no heap allocation of their own and no allocator header. Room given back is
// kept, by its size, for the next request of that size (a row that grows, a removed row's
// cells for the next row); the blocks go back to the heap only on reset() or with the arena.
//
// Raw memory only: the store constructs and destroys the cells in it.

#include "core/GridInternal.h"

#include <cstddef>
#include <memory>
#include <vector>

class CellArena {
public:
    CellArena() = default;
    CellArena(const CellArena&) = delete;
    CellArena& operator=(const CellArena&) = delete;

    // Room for `bytes`, aligned for any cell (8 bytes).
    void* allocate(std::size_t bytes) {
        bytes = rounded(bytes);
        // The usual case while a grid fills: nothing given back, room left in the block.
        if (m_free.empty() && std::size_t(m_end - m_next) >= bytes) {
            void* p = m_next;
            m_next += bytes;
            return p;
        }
        return allocateSlow(bytes);
    }
    // p came from allocate(bytes) and holds no live object any more.
    void release(void* p, std::size_t bytes);
    // Every block goes back to the heap: nothing handed out may be used afterwards.
    void reset();

private:
    static constexpr std::size_t Align = 8;
    static std::size_t rounded(std::size_t bytes) { return (bytes + Align - 1) & ~(Align - 1); }
    void* allocateSlow(std::size_t bytes);
    void* takeFree(std::size_t bytes); // nullptr when none of that size was given back
    std::byte* newBlock(std::size_t bytes);

    struct FreeList {
        std::size_t bytes;
        void* head; // each free room starts with the next one's address
    };
    std::vector<std::unique_ptr<std::byte[]>> m_blocks;
    std::byte* m_next = nullptr; // the current block's unused rest
    std::byte* m_end = nullptr;
    std::size_t m_blockBytes = 0; // of the last ordinary block
    std::vector<FreeList> m_free; // one per size given back, few in practice
    std::vector<FreeList>::iterator freeListOf(std::size_t bytes);
};
