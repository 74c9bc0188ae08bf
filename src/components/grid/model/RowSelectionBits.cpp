#include "model/RowSelectionBits.h"

#include <cstdlib>
#include <cstring>
#include <new>

bool RowSelectionBits::any() const {
    const auto [words, n] = view();
    for (int w = 0; w < n; ++w)
        if (words[w])
            return true;
    return false;
}

bool RowSelectionBits::test(int i) const {
    const auto [words, n] = view();
    return i >= 0 && i / 64 < n && (i < InlineBits || onHeap()) && (words[i / 64] >> (i % 64)) & 1;
}

int RowSelectionBits::highest() const {
    const auto [words, n] = view();
    for (int w = n; w-- > 0;)
        if (words[w])
            return w * 64 + 63 - std::countl_zero(words[w]);
    return -1;
}

quint64* RowSelectionBits::reserve(int bits, int* count) {
    if (!onHeap() && bits <= InlineBits) {
        *count = 1;
        return &m_v;
    }
    const auto [words, n] = view();
    const int need = (bits + 63) / 64;
    if (onHeap() && need <= n) {
        *count = n;
        return heap() + 1;
    }
    // Grows by doubling, so selecting cell after cell across a wide row stays linear.
    const int size = std::max(need, 2 * n);
    auto* block = static_cast<quint64*>(std::calloc(size_t(size) + 1, sizeof(quint64)));
    if (!block)
        throw std::bad_alloc();
    block[0] = quint64(size);
    std::memcpy(block + 1, words, size_t(n) * sizeof(quint64));
    clear();
    m_v = reinterpret_cast<quintptr>(block) | HeapTag;
    *count = size;
    return block + 1;
}

bool RowSelectionBits::set(int i, bool on) {
    if (i < 0 || test(i) == on)
        return false;
    int n = 0;
    quint64* words = reserve(i + 1, &n);
    words[i / 64] ^= quint64(1) << (i % 64);
    return true;
}

void RowSelectionBits::insertAt(int i) {
    const int top = highest();
    if (i < 0 || top < i)
        return;
    int n = 0;
    quint64* words = reserve(top + 2, &n);
    const int first = i / 64;
    for (int w = n - 1; w > first; --w)
        words[w] = (words[w] << 1) | (words[w - 1] >> 63);
    const quint64 keep = (quint64(1) << (i % 64)) - 1;
    words[first] = (words[first] & keep) | ((words[first] & ~keep) << 1);
}

void RowSelectionBits::removeAt(int i) {
    const int top = highest();
    if (i < 0 || top < i)
        return;
    int n = 0;
    quint64* words = reserve(top + 1, &n);
    const int first = i / 64;
    const quint64 keep = (quint64(1) << (i % 64)) - 1;
    const quint64 above = i % 64 == 63 ? 0 : (words[first] >> 1) & ~keep;
    words[first] = (words[first] & keep) | above;
    for (int w = first; w < n; ++w) {
        if (w > first)
            words[w] >>= 1;
        if (w + 1 < n)
            words[w] |= (words[w + 1] & 1) << 63;
    }
}

void RowSelectionBits::clear() {
    if (onHeap())
        std::free(heap());
    m_v = 0;
}
