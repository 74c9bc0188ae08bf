#pragma once
// Incremental search while typing (KeyPressBehaviour 3 and 4): characters typed within a
// short time of each other build up a prefix; the search finds the next row whose text in
// the searched column starts with it (case-insensitive). Time comes from GetTickCount(), so
// tests drive it with a manual clock.

#include "core/GridInternal.h"

#include <QString>
#include <functional>
#include <optional>

class GridSearch {
public:
    // A pause longer than this starts a new prefix.
    static constexpr quint32 PrefixTimeoutMs = 1000;

    struct Options {
        bool fromCurrentRow = false; // SearchFromCurRow; otherwise every search starts at row 1
        bool cyclic = false;         // CyclicSearch: go on at row 1 after the last row
    };
    // The text a row shows in the searched column; nullopt for rows that cannot be found
    // (hidden rows, group rows).
    using RowText = std::function<std::optional<QString>(int row)>;

    // Adds the character to the prefix and returns the row to make current, 0 when no row
    // matches (the current row then stays). A longer prefix may still match the current
    // row; a new prefix searching from the current row starts below it.
    int type(QChar ch, int currentRow, int rowCount, const RowText& text, Options options);

    QString prefix() const { return m_prefix; }
    void reset() { m_prefix.clear(); }

private:
    QString m_prefix;
    quint32 m_lastTick = 0;
};
