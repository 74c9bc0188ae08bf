#include "model/GridLayoutText.h"

#include "model/GridSort.h"
#include "model/GridStore.h"

#include <QStringList>
#include <QUrl>
#include <set>

namespace {

const QString ColTag = QStringLiteral("TXL2");
const QString ColTagWithoutFrozen = QStringLiteral("TXL1");
const QString SortTag = QStringLiteral("TXS1");

// Every character but letters, digits and "-._~" escaped (separators and control characters
// included), so no key can end its field or entry.
QString encodeKey(const QString& key) {
    return QString::fromLatin1(QUrl::toPercentEncoding(key));
}

QString columnToken(const GridStore& store, int col) {
    const QString key = store.ColKey(col);
    if (key.isEmpty())
        return QStringLiteral("i:%1").arg(col);
    return QStringLiteral("k:") + encodeKey(key);
}

// The column a token names in this grid (RowTextColIndex for the row text column, which
// only a sort names), 0 when it names none. A column that has a key must be named by it, so
// a text from a grid with other keys does not match by position.
int parseColumn(const GridStore& store, const QString& token) {
    if (token.startsWith(QLatin1String("k:"))) {
        // Only the very text encodeKey writes is taken: the lenient decoder would read a bad
        // escape or a stray character as some other key.
        const QString encoded = token.mid(2);
        const QString key = QUrl::fromPercentEncoding(encoded.toLatin1());
        const int col = key.isEmpty() || encodeKey(key) != encoded ? 0 : store.ColIndex(key);
        return col >= 1 ? col : 0;
    }
    if (token.startsWith(QLatin1String("i:"))) {
        bool ok = false;
        const int col = token.mid(2).toInt(&ok);
        // The row text column has no key of its own: it is named by its index too.
        if (ok && col == RowTextColIndex)
            return col;
        return ok && col >= 1 && col <= store.ColCount() && store.ColKey(col).isEmpty() ? col : 0;
    }
    return 0;
}

// One entry; built by joining, never with QString::arg: the token's escapes ("%2F") would be
// taken for place markers and replaced.
QString entryText(const QString& token, int a, int b) {
    return QStringList{token, QString::number(a), QString::number(b)}.join(u',');
}

bool parseInt(const QString& text, int min, int max, int& out) {
    bool ok = false;
    out = text.toInt(&ok);
    return ok && out >= min && out <= max;
}

// "<tag>;<count>;<header>...;entry;entry..." -> the header fields after the count (as many
// as asked for) and the entries' fields, or nullopt when the frame is wrong.
struct Frame {
    QStringList header;
    std::vector<QStringList> entries;
};

std::optional<Frame> parseFrame(const GridStore& store, const QString& text, const QString& tag,
                                int headerFields = 0) {
    const QStringList parts = text.split(u';');
    int count = 0;
    if (parts.size() < 2 + headerFields || parts[0] != tag ||
        !parseInt(parts[1], 0, 0xFFFF, count) || count != store.ColCount())
        return std::nullopt;
    Frame result{parts.mid(2, headerFields), {}};
    for (qsizetype i = 2 + headerFields; i < parts.size(); ++i) {
        QStringList fields = parts[i].split(u',');
        if (fields.size() != 3)
            return std::nullopt;
        result.entries.push_back(std::move(fields));
    }
    return result;
}

template <typename Encode>
QString frame(const GridStore& store, const QString& tag, const QStringList& header, int n,
              Encode entry) {
    QStringList parts{tag, QString::number(store.ColCount())};
    parts << header;
    for (int i = 0; i < n; ++i)
        parts << entry(i);
    return parts.join(u';');
}

} // namespace

QString encodeColLayout(const GridStore& store) {
    const int frozen = std::min(store.FrozenCols(), store.ColCount());
    return frame(store, ColTag, {QString::number(frozen)}, store.ColCount(), [&](int i) {
        const int col = store.ColAtPos(i + 1);
        const GridColumn* c = store.ColObject(col);
        return entryText(columnToken(store, col), c->Width(), c->Visible() ? 1 : 0);
    });
}

bool applyColLayout(GridStore& store, const QString& text) {
    const bool withFrozen = !text.startsWith(ColTagWithoutFrozen);
    const auto parsed = withFrozen ? parseFrame(store, text, ColTag, 1)
                                   : parseFrame(store, text, ColTagWithoutFrozen);
    int frozen = store.FrozenCols();
    if (!parsed || int(parsed->entries.size()) != store.ColCount() ||
        (withFrozen && !parseInt(parsed->header[0], 0, store.ColCount(), frozen)))
        return false;
    struct Item {
        int col, width;
        bool visible;
    };
    std::vector<Item> items;
    std::set<int> seen;
    for (const QStringList& f : parsed->entries) {
        Item item{parseColumn(store, f[0]), 0, true};
        int visible = 0;
        if (item.col < 1 || !seen.insert(item.col).second ||
            !parseInt(f[1], 0, 1000000, item.width) || !parseInt(f[2], 0, 1, visible))
            return false;
        item.visible = visible == 1;
        items.push_back(item);
    }
    for (size_t pos = 0; pos < items.size(); ++pos) {
        GridColumn* c = store.ColObject(items[pos].col);
        store.SetColPos(items[pos].col, int(pos) + 1);
        c->SetWidth(items[pos].width);
        c->SetVisible(items[pos].visible);
    }
    store.SetFrozenCols(frozen);
    return true;
}

QString encodeSortLayout(const GridStore& store, const GridSort& sort) {
    const std::vector<SortKey> keys = sort.keys();
    return frame(store, SortTag, {}, int(keys.size()), [&](int i) {
        const SortKey& k = keys[size_t(i)];
        return entryText(columnToken(store, k.col), k.order, k.sortType);
    });
}

bool applySortLayout(GridStore& store, GridSort& sort, const QString& text) {
    const auto parsed = parseFrame(store, text, SortTag);
    if (!parsed)
        return false;
    std::vector<SortKey> keys;
    std::set<int> seen;
    for (const QStringList& f : parsed->entries) {
        SortKey k;
        k.col = parseColumn(store, f[0]);
        if (k.col == 0 || !seen.insert(k.col).second || !parseInt(f[1], 0, 1, k.order) ||
            !parseInt(f[2], 0, 255, k.sortType))
            return false;
        keys.push_back(k);
    }
    sort.setKeys(keys);
    if (!keys.empty())
        sort.Sort();
    return true;
}
