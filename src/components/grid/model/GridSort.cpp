#include "model/GridSort.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <limits>

namespace {

// One criterion's key of one row, taken out once per sort: a class and one 64-bit word that
// orders like the value (numbers mapped to ordered integers, texts by their first four
// UTF-16 units), so most compares are two integer compares. Texts are kept beside the keys
// for the ties.
struct KeyValue {
    quint8 cls = 0; // 0 Empty/Null (or not convertible), 1 number, 2 text
    quint64 word = 0;
};

struct Extracted {
    KeyValue key;
    QString text;
};

Extracted numberKey(bool ok, double value) {
    if (!ok)
        return {};
    // Every NaN after every number, +inf included, as values compare; -0 as 0.
    if (std::isnan(value))
        value = std::numeric_limits<double>::quiet_NaN();
    else if (value == 0)
        value = 0.0;
    // IEEE order as unsigned integers: flip negatives entirely, set the sign bit of positives.
    const auto bits = std::bit_cast<quint64>(value);
    return {{1, (bits >> 63) ? ~bits : (bits | (quint64(1) << 63))}, {}};
}

// Without case the prefix is case-folded and ties are broken by a case-insensitive compare,
// which folds the same way; the text itself is kept as it is (no copy).
Extracted textKey(const QString& text, Qt::CaseSensitivity cs) {
    Extracted e{{2, 0}, text};
    for (qsizetype i = 0; i < 4; ++i) {
        const QChar ch = i < text.size() ? text[i] : QChar(0);
        e.key.word =
            (e.key.word << 16) | (cs == Qt::CaseInsensitive ? ch.toCaseFolded() : ch).unicode();
    }
    return e;
}

Qt::CaseSensitivity caseOf(int sortType) {
    return sortType == SortTypeTextCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// A cell's text for its key. Borrowed (no copy) while the sort runs no program code that
// could change cells; otherwise a text kept inline in the cell is copied.
QString textOf(const Variant& v, bool borrow) {
    const QStringView text = v.textView();
    if (borrow && v.type() == VarType::String)
        return QString::fromRawData(text.data(), text.size());
    return v.toString(); // a shared text: a reference, no copy
}

Extracted byValue(const Variant& v, bool borrow) {
    if (v.isEmpty() || v.isNull())
        return {};
    if (v.type() == VarType::String)
        return textKey(textOf(v, borrow), Qt::CaseInsensitive);
    return numberKey(true, v.toDouble());
}

// The key of a value under a sort type that orders values by themselves.
Extracted valueKey(const Variant& v, int sortType, bool borrow) {
    const bool blank = v.isEmpty() || v.isNull();
    bool ok = false;
    switch (sortType) {
    case SortTypeTextNoCase:
    case SortTypeTextCase:
        return blank ? Extracted{} : textKey(textOf(v, borrow), caseOf(sortType));
    case SortTypeDisplayText: // a shown text given as the value (group values)
        return textKey(textOf(v, borrow), Qt::CaseInsensitive);
    case SortTypeNumber:
    case SortTypeIcon:
    case SortTypeCheckState: {
        const double d = blank ? 0 : v.toDouble(&ok);
        return numberKey(ok, d);
    }
    case SortTypeDate: {
        const double d = blank ? 0 : v.toDateSerial(&ok);
        return numberKey(ok, d);
    }
    case SortTypeCurrency: {
        // The scaled amount itself, not a double: amounts past 2^53 units stay apart.
        const Currency c = blank ? Currency{} : v.toCurrency(&ok);
        return ok ? Extracted{{1, quint64(c.scaled) ^ (quint64(1) << 63)}, {}} : Extracted{};
    }
    default: // by value, automatic, custom (its fallback) and unknown types
        return byValue(v, borrow);
    }
}

// The key of value v of the cell at row, col: some sort types order by what the cell shows.
Extracted extract(const GridStore& store, int row, int col, int sortType, const Variant& v,
                  bool borrow) {
    switch (sortType) {
    case SortTypeDisplayText:
        return textKey(store.CellText(row, col), Qt::CaseInsensitive);
    case SortTypeIcon:
        return numberKey(true, store.CellIcon(row, col));
    case SortTypeCheckState:
        return numberKey(true, store.CellCheckState(row, col));
    default:
        return valueKey(v, sortType, borrow);
    }
}

// The keys of one criterion for a range of rows.
struct KeyColumn {
    std::vector<KeyValue> keys;
    std::vector<QString> texts; // only when a text key was seen
    std::vector<Variant> raw;   // the values, for the custom comparison
    Qt::CaseSensitivity cs = Qt::CaseInsensitive;

    int compare(size_t a, size_t b) const {
        const KeyValue &x = keys[a], &y = keys[b];
        if (x.cls != y.cls)
            return x.cls < y.cls ? -1 : 1;
        if (x.word != y.word)
            return x.word < y.word ? -1 : 1;
        return x.cls == 2 ? texts[a].compare(texts[b], cs) : 0;
    }
};

// A stable merge sort of v[from..] that stays inside its range whatever the comparison
// answers: the custom comparison comes from the program and need not be consistent.
template <typename T, typename Less> void stableSort(T* a, size_t n, Less less) {
    constexpr size_t Run = 16;
    for (size_t lo = 0; lo < n; lo += Run) { // short runs by insertion
        const size_t hi = std::min(n, lo + Run);
        for (size_t i = lo + 1; i < hi; ++i) {
            T x = std::move(a[i]);
            size_t j = i;
            for (; j > lo && less(x, a[j - 1]); --j)
                a[j] = std::move(a[j - 1]);
            a[j] = std::move(x);
        }
    }
    if (n <= Run)
        return;
    std::vector<T> buffer(n);
    T* src = a;
    T* dst = buffer.data();
    for (size_t width = Run; width < n; width *= 2) {
        for (size_t lo = 0; lo < n; lo += 2 * width) {
            const size_t mid = std::min(n, lo + width), hi = std::min(n, lo + 2 * width);
            size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi)
                dst[k++] = less(src[j], src[i]) ? std::move(src[j++]) : std::move(src[i++]);
            std::move(src + i, src + mid, dst + k);
            std::move(src + j, src + hi, dst + k + (mid - i));
        }
        std::swap(src, dst);
    }
    if (src != a)
        std::move(src, src + n, a);
}

class RowSorter {
public:
    RowSorter(const GridStore& store, const std::vector<SortKey>& keys, const CustomSortFn& custom,
              int first, int end)
        : m_store(store), m_keys(keys), m_custom(custom), m_first(first) {
        const size_t n = size_t(end - first);
        m_columns.resize(keys.size());
        // Only a custom comparison runs program code, which might change cells.
        const bool borrow = !m_custom || std::none_of(keys.begin(), keys.end(), [](const auto& k) {
            return k.sortType == SortTypeCustom;
        });
        for (size_t k = 0; k < keys.size(); ++k) {
            KeyColumn& column = m_columns[k];
            column.cs = caseOf(keys[k].sortType);
            column.keys.resize(n);
            const bool custom = keys[k].sortType == SortTypeCustom && m_custom;
            store.visitValues(keys[k].col, first + 1, end, [&](int row, const Variant& v) {
                const size_t i = size_t(row - first - 1);
                Extracted e = extract(store, row, keys[k].col, keys[k].sortType, v, borrow);
                column.keys[i] = e.key;
                if (e.key.cls == 2) {
                    column.texts.resize(n);
                    column.texts[i] = std::move(e.text);
                }
                if (custom)
                    column.raw.push_back(v);
            });
        }
    }

    // Rows a and b are 0-based positions in the store.
    bool less(int a, int b) const {
        const size_t ia = size_t(a - m_first), ib = size_t(b - m_first);
        for (size_t k = 0; k < m_keys.size(); ++k) {
            const KeyColumn& column = m_columns[k];
            int c = column.compare(ia, ib);
            if (!column.raw.empty())
                m_custom(m_keys[k].col, a + 1, b + 1, column.raw[ia], column.raw[ib], c);
            if (c != 0)
                return m_keys[k].order == SortDescending ? c > 0 : c < 0;
        }
        return false;
    }

    // Appends the new order of rows [first, end) to out: siblings at the level of `first`
    // are sorted with their subtrees; group rows stay in place and split the bands.
    void arrange(int first, int end, std::vector<int>& out) const {
        if (isFlat(first, end)) { // the common case: plain rows
            sortFlat(first, end, out);
            return;
        }
        std::vector<std::pair<int, int>> band; // sibling subtrees [start, end)
        auto flush = [&] {
            stableSort(band.data(), band.size(),
                       [this](const auto& x, const auto& y) { return less(x.first, y.first); });
            for (const auto& [s, e] : band)
                emitSubtree(s, e, out);
            band.clear();
        };
        int i = first;
        while (i < end) {
            const int level = m_store.RowLevel(i + 1);
            int j = i + 1;
            while (j < end && m_store.RowLevel(j + 1) > level)
                ++j;
            if (m_store.RowIsGroup(i + 1)) {
                flush();
                emitSubtree(i, j, out);
            } else {
                band.emplace_back(i, j);
            }
            i = j;
        }
        flush();
    }

private:
    // The first criterion's key beside its row, so most compares never leave the record.
    struct LeadKey {
        quint64 word;
        int row;
        quint8 cls;
    };

    void sortFlat(int first, int end, std::vector<int>& out) const {
        if (m_columns.empty() || !m_columns.front().raw.empty()) { // custom: no shortcut
            const size_t at = out.size();
            for (int i = first; i < end; ++i)
                out.push_back(i);
            stableSort(out.data() + at, out.size() - at,
                       [this](int a, int b) { return less(a, b); });
            return;
        }
        const KeyColumn& lead = m_columns.front();
        std::vector<LeadKey> recs;
        recs.reserve(size_t(end - first));
        for (int i = first; i < end; ++i) {
            const KeyValue& k = lead.keys[size_t(i - m_first)];
            recs.push_back({k.word, i, k.cls});
        }
        // Same order as less(): class, then word, then (equal prefixes) the full compare.
        radixSort(recs, m_keys.front().order == SortDescending);
        for (size_t i = 0; i < recs.size();) {
            size_t j = i + 1;
            while (j < recs.size() && recs[j].cls == recs[i].cls && recs[j].word == recs[i].word)
                ++j;
            if (j - i > 1)
                stableSort(recs.data() + i, j - i, [this](const LeadKey& x, const LeadKey& y) {
                    return less(x.row, y.row);
                });
            i = j;
        }
        for (const LeadKey& r : recs)
            out.push_back(r.row);
    }

    // Orders records by class and word, stably: a radix sort, because a comparison sort of
    // random keys spends most of its time on mispredicted branches. Descending sorts the
    // flipped keys, which keeps equal keys in their order as the comparison sort would.
    static void radixSort(std::vector<LeadKey>& recs, bool descending) {
        constexpr int Bits = 11, Buckets = 1 << Bits;
        constexpr int WordPasses = (64 + Bits - 1) / Bits, Passes = WordPasses + 1;
        const auto digit = [descending](const LeadKey& r, int pass) -> size_t {
            if (pass == WordPasses) // the class, most significant
                return descending ? 255u - r.cls : r.cls;
            const quint64 word = descending ? ~r.word : r.word;
            return size_t(word >> (Bits * pass)) & (Buckets - 1);
        };
        std::vector<std::array<size_t, Buckets>> counts(Passes);
        for (auto& c : counts)
            c.fill(0);
        for (const LeadKey& r : recs)
            for (int pass = 0; pass < Passes; ++pass)
                ++counts[size_t(pass)][digit(r, pass)];
        std::vector<LeadKey> buffer(recs.size());
        for (int pass = 0; pass < Passes; ++pass) {
            auto& c = counts[size_t(pass)];
            if (std::find(c.begin(), c.end(), recs.size()) != c.end())
                continue; // every record has the same digit here
            size_t offset = 0;
            for (size_t& bucket : c)
                offset += std::exchange(bucket, offset);
            for (const LeadKey& r : recs)
                buffer[c[digit(r, pass)]++] = r;
            recs.swap(buffer);
        }
    }

    bool isFlat(int first, int end) const {
        const int level = m_store.RowLevel(first + 1);
        for (int i = first; i < end; ++i)
            if (m_store.RowIsGroup(i + 1) || m_store.RowLevel(i + 1) != level)
                return false;
        return true;
    }

    void emitSubtree(int start, int end, std::vector<int>& out) const {
        out.push_back(start);
        if (end > start + 1)
            arrange(start + 1, end, out);
    }

    const GridStore& m_store;
    const std::vector<SortKey>& m_keys;
    const CustomSortFn& m_custom;
    int m_first;
    std::vector<KeyColumn> m_columns;
};

} // namespace

GroupValueKey::GroupValueKey(const Variant& value, int sortType, bool borrow) {
    Extracted e = valueKey(value, sortType, borrow);
    m_cls = e.key.cls;
    m_word = e.key.word;
    m_text = std::move(e.text);
    m_cs = caseOf(sortType);
}

int GroupValueKey::compare(const GroupValueKey& other) const {
    if (m_cls != other.m_cls)
        return m_cls < other.m_cls ? -1 : 1;
    if (m_word != other.m_word)
        return m_word < other.m_word ? -1 : 1;
    return m_cls == 2 ? m_text.compare(other.m_text, m_cs) : 0;
}

bool GroupValueKey::sameAs(const GroupValueKey& other) const {
    return m_cls == other.m_cls && m_word == other.m_word && m_text == other.m_text;
}

size_t GroupValueKey::hash() const {
    return qHashMulti(0, m_cls, m_word, m_text);
}

void SortObject::Add(const ColRef& col, int order, int sortType) {
    m_items.push_back({col, order == SortDescending ? SortDescending : SortAscending, sortType});
}

const SortObject::Item* SortObject::ItemAt(int index) const {
    return index >= 1 && index <= Count() ? &m_items[size_t(index - 1)] : nullptr;
}

std::vector<SortKey> SortObject::keys(const GridStore& store) const {
    std::vector<SortKey> result;
    for (const Item& item : m_items)
        if (const int col = store.ColIndex(item.col))
            result.push_back({col, item.order, item.sortType});
    return result;
}

std::vector<int> sortPermutation(const GridStore& store, const std::vector<SortKey>& keys,
                                 const CustomSortFn& custom, int parentRow) {
    const int n = store.RowCount();
    std::vector<int> perm;
    perm.reserve(size_t(n));
    int first = 0, end = n;
    if (parentRow != 0) {
        if (parentRow < 1 || parentRow > n)
            return {};
        first = parentRow;
        end = store.lastRowOfSubtree(parentRow);
    }
    for (int i = 0; i < first; ++i)
        perm.push_back(i);
    if (first < end)
        RowSorter(store, keys, custom, first, end).arrange(first, end, perm);
    for (int i = end; i < n; ++i)
        perm.push_back(i);
    return perm;
}

GridSort::GridSort(GridStore& store) : m_store(store) {}

void GridSort::setSortHooks(std::function<void()> before, std::function<void()> after) {
    m_before = std::move(before);
    m_after = std::move(after);
}

std::vector<SortKey> GridSort::keys() const {
    std::vector<SortKey> result;
    for (const Entry& e : m_entries)
        if (const int col = e.column->index())
            result.push_back({col, e.order, e.sortType});
    return result;
}

void GridSort::setKeys(const std::vector<SortKey>& keys) {
    m_entries.clear();
    for (const SortKey& k : keys) {
        const GridColumn* c = m_store.ColObject(k.col);
        // A column sorts once: a later key on it could never decide anything.
        const bool known = std::any_of(m_entries.begin(), m_entries.end(),
                                       [c](const auto& e) { return e.column == c; });
        if (c && !known)
            m_entries.push_back(
                {c, k.order == SortDescending ? SortDescending : SortAscending, k.sortType});
    }
}

void GridSort::clearKeys() {
    m_entries.clear();
}

bool GridSort::SortByCol(const ColRef& col) {
    const GridColumn* c = m_store.ColObject(col);
    if (!c)
        return false;
    m_entries.assign(1, {c, c->DefaultSortOrder(), c->SortType()});
    return Sort();
}

bool GridSort::Sort() {
    return run(keys(), 0);
}

bool GridSort::SortChildRows(int row) {
    if (row < 1 || row > m_store.RowCount())
        return false;
    return run(keys(), row);
}

bool GridSort::sortBy(const std::vector<SortKey>& keys) {
    return run(keys, 0);
}

bool GridSort::run(const std::vector<SortKey>& keys, int parentRow) {
    if (keys.empty())
        return false;
    if (m_before)
        m_before();
    // The before hook may have added or removed rows; sort what is there now.
    bool done = parentRow <= m_store.RowCount();
    if (done) {
        m_lastPermutation = sortPermutation(m_store, keys, m_custom, parentRow);
        done = m_store.applyPermutation(m_lastPermutation);
    }
    if (m_after)
        m_after();
    return done;
}

int GridSort::ColSortIndex(const ColRef& col) const {
    const GridColumn* c = m_store.ColObject(col);
    int pos = 0;
    for (const Entry& e : m_entries) {
        if (e.column->index() == 0)
            continue; // removed since
        ++pos;
        if (e.column == c)
            return pos;
    }
    return 0;
}

int GridSort::ColSortOrder(const ColRef& col) const {
    const GridColumn* c = m_store.ColObject(col);
    for (const Entry& e : m_entries)
        if (c && e.column == c)
            return e.order;
    return -1;
}

bool GridSort::SetColSortIndex(const ColRef& col, int index) {
    const GridColumn* c = m_store.ColObject(col);
    if (!c)
        return false;
    std::erase_if(m_entries, [](const Entry& e) { return e.column->index() == 0; });
    const auto others = std::count_if(m_entries.begin(), m_entries.end(),
                                      [c](const Entry& e) { return e.column != c; });
    if (index < 0 || index > others + 1)
        return false;
    std::erase_if(m_entries, [c](const Entry& e) { return e.column == c; });
    if (index > 0)
        m_entries.insert(m_entries.begin() + (index - 1),
                         {c, c->DefaultSortOrder(), c->SortType()});
    return true;
}
