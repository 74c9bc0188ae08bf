#pragma once
// The selected bits of one row's cells, bit i for cell slot i (0 = the row-text cell,
// 1.. = columns). Kept apart from the cells so that selecting needs no cell storage and
// reading a big selection touches eight bytes per row instead of every cell.
//
// Eight bytes: up to slot 62 the bits sit in the word itself; a row of a wider grid that
// selects a cell beyond that moves them to a heap array, marked by the word's top bit
// (user-space addresses never have it set).

#include "core/GridInternal.h"

#include <QtGlobal>
#include <algorithm>
#include <bit>

class RowSelectionBits {
public:
    RowSelectionBits() = default;
    RowSelectionBits(const RowSelectionBits&) = delete;
    RowSelectionBits& operator=(const RowSelectionBits&) = delete;
    ~RowSelectionBits() { clear(); }

    bool any() const;
    bool test(int i) const;
    // Returns whether the bit changed.
    bool set(int i, bool on);
    void insertAt(int i); // bits from i on move up one place; bit i becomes clear
    void removeAt(int i); // bit i goes; the bits above it move down one place
    void clear();         // every bit clear, heap storage freed

    // Number of set bits in first..last (inclusive).
    int count(int first, int last) const {
        int total = 0;
        forEachWord(first, last, [&](int, quint64 bits) { total += std::popcount(bits); });
        return total;
    }
    // Calls f(i) for each set bit in first..last, ascending.
    template <typename F> void forEach(int first, int last, F f) const {
        forEachWord(first, last, [&](int word, quint64 bits) {
            for (; bits; bits &= bits - 1)
                f(word * 64 + std::countr_zero(bits));
        });
    }

private:
    static constexpr quint64 HeapTag = quint64(1) << 63;
    static constexpr int InlineBits = 63;
    struct View {
        const quint64* words;
        int count;
    };

    // Calls f(word index, its bits within first..last) for the words the range touches.
    template <typename F> void forEachWord(int first, int last, F f) const {
        if (!onHeap()) // the common case, kept branch-light: it runs once per selected row
            return f(0, m_v & rangeMask(0, first, last));
        const auto [words, n] = view();
        for (int w = std::max(first, 0) / 64; w < n && w * 64 <= last; ++w)
            f(w, words[w] & rangeMask(w, first, last));
    }
    bool onHeap() const { return m_v & HeapTag; }
    quint64* heap() const { return reinterpret_cast<quint64*>(m_v & ~HeapTag); }
    // heap()[0] holds the number of bit words that follow it.
    View view() const { return onHeap() ? View{heap() + 1, int(heap()[0])} : View{&m_v, 1}; }
    int highest() const; // index of the highest set bit, -1 when none
    // Storage for at least `bits` bits, as words (moving to or growing the heap as needed).
    quint64* reserve(int bits, int* count);
    // The bits of word `word` that lie in first..last.
    static quint64 rangeMask(int word, int first, int last) {
        const int lo = std::max(first - word * 64, 0);
        const int hi = std::min(last - word * 64, 63);
        if (lo > hi)
            return 0;
        const quint64 upTo = hi == 63 ? ~quint64(0) : (quint64(1) << (hi + 1)) - 1;
        return upTo & ~((quint64(1) << lo) - 1);
    }

    quint64 m_v = 0;
};
