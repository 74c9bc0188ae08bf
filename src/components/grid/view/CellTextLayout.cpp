#include "view/CellTextLayout.h"

#include "components/grid/GridTypes.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <unordered_map>
#include <vector>

namespace {

// The widths of short words in one flat table: a word, its hash and its width share a
// 32-byte slot, so a look-up reads one cache line and no key stored elsewhere (a hash map of
// strings reads its bucket, then the key's own heap block: two misses a word once the table
// outgrows the cache). The hash is our own, the same on every processor.
class ShortWordWidths {
public:
    static constexpr qsizetype MaxLength = 12;

    // The slot of word: its width when width >= 0, else a free slot to fill.
    struct Slot {
        quint32 hash = 0;
        quint16 length = 0; // 0: free
        qint16 width = -1;
        char16_t units[MaxLength];
    };
    static_assert(sizeof(Slot) == 32);

    Slot& find(QStringView word) {
        if (2 * (m_used + 1) > m_slots.size())
            grow();
        const quint32 h = hash(word);
        const size_t mask = m_slots.size() - 1;
        for (size_t i = h & mask;; i = (i + 1) & mask) {
            Slot& slot = m_slots[i];
            if (slot.length == 0) {
                slot.hash = h;
                slot.length = quint16(word.size());
                std::copy_n(word.utf16(), word.size(), slot.units);
                slot.width = -1;
                ++m_used;
                return slot;
            }
            if (slot.hash == h && slot.length == word.size() &&
                std::equal(word.utf16(), word.utf16() + word.size(), slot.units))
                return slot;
        }
    }
    size_t size() const { return m_used; }
    void clear() {
        m_slots.assign(m_slots.size(), Slot{});
        m_used = 0;
    }

private:
    static quint32 hash(QStringView word) {
        quint32 h = 2166136261u;
        for (QChar c : word)
            h = (h ^ c.unicode()) * 16777619u;
        return h ^ (h >> 15);
    }
    void grow() {
        std::vector<Slot> old(std::max<size_t>(1024, 2 * m_slots.size()));
        old.swap(m_slots);
        const size_t mask = m_slots.size() - 1;
        for (const Slot& slot : old) {
            if (slot.length == 0)
                continue;
            size_t i = slot.hash & mask;
            while (m_slots[i].length != 0)
                i = (i + 1) & mask;
            m_slots[i] = slot;
        }
    }

    std::vector<Slot> m_slots;
    size_t m_used = 0;
};

// A font's metrics and the widths of the words measured in it. Fitting thousands of rows
// and painting every frame measure the same words again and again.
struct WordWidths {
    explicit WordWidths(const QFont& f)
        : font(f), fm(f), fmf(f), space(fm.horizontalAdvance(QLatin1Char(' '))),
          shapingSlack(fmf.height() / 8) {
        charAdvances.fill(-1);
    }
    QFont font;
    QFontMetrics fm;
    QFontMetricsF fmf;
    int space;
    ShortWordWidths shortWords;
    QHash<QString, int> longWords;

    // Up to this code, characters are laid out one after another: no marks to combine, no
    // right-to-left runs; shaping only kerns or joins a few pairs.
    static constexpr char16_t PlainCharsEnd = 0x300;
    std::array<float, PlainCharsEnd> charAdvances; // -1: not measured yet
    // What kerning may add to a character's own advance, at most (a generous bound).
    qreal shapingSlack;

    // True when `text` surely fits into `width` pixels: from its characters' advances,
    // without shaping it (a cell drawn shapes its text once more anyway). False when it may
    // not fit, or is not plain enough to tell.
    bool surelyFits(QStringView text, int width) {
        qreal sum = 0;
        for (QChar ch : text) {
            const char16_t u = ch.unicode();
            if (u < 0x20 || u >= PlainCharsEnd || u == 0xAD) // controls, soft hyphen
                return false;
            float& advance = charAdvances[u];
            if (advance < 0)
                advance = float(fmf.horizontalAdvance(ch));
            sum += advance + shapingSlack;
        }
        return sum + 1 <= width;
    }

    // The text shortened to `width` with a trailing ellipsis when it does not fit, or always
    // when `cut` (more text follows that is not shown). atWord: cut after a whole word. When
    // not one character fits, nothing: a lone ellipsis tells the reader nothing (an icon
    // column narrower than its texts shows just the icons).
    QString elide(const QString& text, int width, bool atWord, bool cut) {
        if (!cut && (surelyFits(text, width) || fm.horizontalAdvance(text) <= width))
            return text;
        const QString ellipsis(QChar(0x2026));
        QString kept = text;
        // A text too wide alone is too wide with an ellipsis: measured once is enough.
        if (!cut || fm.horizontalAdvance(kept + ellipsis) > width) {
            kept = fm.elidedText(text, Qt::ElideRight, width);
            kept.chop(1); // Qt's own ellipsis
            if (atWord) {
                const int space = kept.lastIndexOf(QLatin1Char(' '));
                if (space > 0)
                    kept = kept.left(space);
            }
        }
        while (kept.endsWith(QLatin1Char(' ')))
            kept.chop(1);
        return kept.isEmpty() ? QString() : kept + ellipsis;
    }

    static WordWidths& of(const QFont& font) {
        // Most calls in a row use the same font: compare with the last one before the
        // look-up by the font's key.
        static WordWidths* last = nullptr;
        if (last && last->font == font)
            return *last;
        static std::unordered_map<QString, WordWidths> all; // entries never move
        last = &all.try_emplace(font.key(), font).first->second;
        return *last;
    }

    int of(QStringView word) {
        // A bound for programs showing endless new words.
        constexpr qsizetype MaxWords = 100000;
        if (word.size() <= ShortWordWidths::MaxLength) {
            if (shortWords.size() >= MaxWords)
                shortWords.clear();
            ShortWordWidths::Slot& slot = shortWords.find(word);
            if (slot.width < 0)
                slot.width = qint16(std::min(fm.horizontalAdvance(word.toString()), 32767));
            return slot.width;
        }
        // A raw-data key: looking a word up copies nothing; only a new word is stored.
        auto it = longWords.constFind(QString::fromRawData(word.constData(), word.size()));
        if (it != longWords.constEnd())
            return it.value();
        if (longWords.size() > MaxWords)
            longWords.clear();
        const QString key = word.toString();
        return *longWords.insert(key, fm.horizontalAdvance(key));
    }
};

// Breaks a paragraph into lines at spaces, greedily, and a word wider than the line
// anywhere. Lines are handed out as views into the paragraph (a line is always a piece of
// it), so measuring builds no strings.
class WordWrapper {
public:
    WordWrapper(WordWidths& widths, int width) : m_w(widths), m_width(width) {}

    template <typename Emit> void wrap(QStringView para, Emit emit) {
        if (para.isEmpty() || m_width <= 0) {
            emit(para);
            return;
        }
        qsizetype lineStart = -1, lineEnd = 0; // lineStart -1: no line started
        int lineWidth = 0;
        bool first = true; // leading spaces count on the paragraph's first line only
        for (qsizetype start = 0; start <= para.size();) {
            qsizetype end = para.indexOf(QLatin1Char(' '), start);
            if (end < 0)
                end = para.size();
            const QStringView word = para.sliced(start, end - start);
            const int w = word.isEmpty() ? 0 : m_w.of(word);
            if (lineStart >= 0 && lineWidth + m_w.space + w <= m_width) {
                lineEnd = end;
                lineWidth += m_w.space + w;
            } else {
                if (lineStart >= 0) {
                    emit(trimmedEnd(para.sliced(lineStart, lineEnd - lineStart)));
                    lineStart = -1;
                    first = false;
                }
                if (!word.isEmpty() || first) {
                    lineStart = start;
                    lineEnd = end;
                    lineWidth = w > m_width ? breakWord(word, lineStart, emit) : w;
                }
            }
            start = end + 1;
        }
        if (lineStart >= 0)
            emit(trimmedEnd(para.sliced(lineStart, lineEnd - lineStart)));
    }

private:
    // Emits the word's full-width pieces as lines of their own; the rest starts the current
    // line: moves `start` to it and returns its width.
    template <typename Emit> int breakWord(QStringView word, qsizetype& start, Emit& emit) {
        const qsizetype wordStart = start;
        int width = 0;
        for (qsizetype i = 0; i < word.size(); ++i) {
            const int w = m_w.fm.horizontalAdvance(word[i]);
            if (wordStart + i > start && width + w > m_width) {
                emit(word.sliced(start - wordStart, wordStart + i - start));
                start = wordStart + i;
                width = 0;
            }
            width += w;
        }
        return width;
    }
    static QStringView trimmedEnd(QStringView line) {
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        return line;
    }

    WordWidths& m_w;
    const int m_width;
};

// The text with every kind of line end turned into '\n', and a single-line text's line ends
// into spaces: one paragraph per '\n'.
QString paragraphs(const QString& text, quint32 flags) {
    QString normal = text;
    if (normal.contains(QLatin1Char('\r')))
        normal.replace(QLatin1String("\r\n"), QLatin1String("\n"))
            .replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (flags & TextFlagSingleLine)
        normal.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return normal;
}

bool wraps(quint32 flags) {
    return (flags & TextFlagWordBreak) && !(flags & TextFlagSingleLine);
}

} // namespace

CellTextLayout::CellTextLayout(const QString& text, const QFont& font, quint32 flags, int width)
    : m_font(font), m_flags(flags), m_width(std::max(0, width)) {
    WordWidths& widths = WordWidths::of(font);
    m_lineHeight = widths.fm.lineSpacing();
    const QString normal = paragraphs(text, flags);
    const bool wrap = wraps(flags);
    WordWrapper wrapper(widths, m_width);
    // A piece that is the whole text shares it: most cells hold one short line.
    const auto piece = [&](QStringView part) {
        return part.size() == normal.size() ? normal : part.toString();
    };
    for (QStringView para : QStringView(normal).split(QLatin1Char('\n'))) {
        m_rawLines.push_back(piece(para));
        if (wrap)
            wrapper.wrap(para, [&](QStringView line) { m_lines.push_back(piece(line)); });
    }
    if (!wrap)
        m_lines = m_rawLines;
}

int CellTextLayout::measureHeight(QStringView text, const QFont& font, quint32 flags, int width) {
    WordWidths& widths = WordWidths::of(font);
    // A copy only where line ends need normalizing: most texts are measured where they are.
    QString storage;
    QStringView normal = text;
    if (text.contains(QLatin1Char('\r')) ||
        ((flags & TextFlagSingleLine) && text.contains(QLatin1Char('\n')))) {
        storage = paragraphs(text.toString(), flags);
        normal = storage;
    }
    int lines = 0;
    if (wraps(flags)) {
        WordWrapper wrapper(widths, std::max(0, width));
        for (QStringView para : normal.split(QLatin1Char('\n')))
            wrapper.wrap(para, [&](QStringView) { ++lines; });
    } else {
        lines = int(normal.count(QLatin1Char('\n'))) + 1;
    }
    return lines * widths.fm.lineSpacing();
}

int CellTextLayout::naturalWidth() const {
    // Whole pixels that hold all of the drawn text: the advance rounded up, not to nearest
    // (a line is drawn at its fractional advance on scaled screens), and the ink where a
    // last glyph reaches past its advance.
    const QFontMetricsF fm(m_font);
    qreal w = 0;
    for (const QString& line : m_rawLines)
        if (!line.isEmpty())
            w = std::max({w, fm.horizontalAdvance(line), fm.boundingRect(line).right()});
    return int(std::ceil(w));
}

QStringList CellTextLayout::visibleLines(int height, bool& cut) const {
    const int n = int(m_lines.size());
    cut = false;
    if (n * m_lineHeight <= height)
        return m_lines;
    const int whole = std::max(1, height / m_lineHeight);
    const bool ellipsis = m_flags & (TextFlagEndEllipsis | TextFlagWordEllipsis);
    // A partly visible last line is drawn clipped unless whole lines are asked for or the
    // cut is shown by an ellipsis.
    const bool partial =
        !ellipsis && !(m_flags & TextFlagEditControl) && height % m_lineHeight > 0 && whole < n;
    cut = ellipsis && whole < n;
    return m_lines.mid(0, whole + (partial ? 1 : 0));
}

void CellTextLayout::draw(QPainter& p, const QRect& rect, int alignH, int alignV) const {
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    bool cut = false;
    const QStringList lines = visibleLines(rect.height(), cut);
    WordWidths& widths = WordWidths::of(m_font);
    const bool ellipsis = m_flags & (TextFlagEndEllipsis | TextFlagWordEllipsis);
    const bool atWord = m_flags & TextFlagWordEllipsis;
    const int block = int(lines.size()) * m_lineHeight;
    int y = block > rect.height() ? rect.top() : alignedTop(rect, block, alignV);
    p.save();
    p.setFont(m_font);
    p.setClipRect(rect, Qt::IntersectClip);
    // Each line is placed as drawText(QRect, AlignVCenter | alignment) would place it, but
    // drawn at its baseline: that skips a text layout and a clip per line.
    const QFontMetricsF& fmf = widths.fmf;
    const qreal textHeight = fmf.ascent() + fmf.descent();
    for (int i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const bool last = i == lines.size() - 1;
        const QString shown =
            ellipsis ? widths.elide(line, rect.width(), atWord, cut && last) : line;
        int x = rect.left();
        if (alignH == AlignCenter || alignH == AlignRight) {
            const qreal spare = rect.width() - fmf.horizontalAdvance(shown);
            x += int(alignH == AlignCenter ? spare / 2 : spare);
        }
        const int top = y + int((m_lineHeight - textHeight) / 2);
        p.drawText(QPointF(x, top + fmf.ascent()), shown);
        y += m_lineHeight;
    }
    p.restore();
}

int alignedTop(const QRect& rect, int height, int alignV) {
    switch (alignV) {
    case VAlignCenter:
        return rect.top() + (rect.height() - height) / 2;
    case VAlignBottom:
        return rect.bottom() + 1 - height;
    default:
        return rect.top();
    }
}
