#include "input/GridSearch.h"

#include "platform/Clock.h"

int GridSearch::type(QChar ch, int currentRow, int rowCount, const RowText& text, Options options) {
    const quint32 now = GetTickCount();
    const bool goesOn = !m_prefix.isEmpty() && now - m_lastTick <= PrefixTimeoutMs;
    m_prefix = goesOn ? m_prefix + ch : QString(ch);
    m_lastTick = now;
    if (rowCount <= 0)
        return 0;

    int start = 1;
    if (options.fromCurrentRow && currentRow >= 1 && currentRow <= rowCount)
        start = goesOn ? currentRow : currentRow + 1;
    const auto matches = [&](int row) {
        const std::optional<QString> t = text(row);
        return t && t->startsWith(m_prefix, Qt::CaseInsensitive);
    };
    for (int row = start; row <= rowCount; ++row)
        if (matches(row))
            return row;
    if (options.cyclic)
        for (int row = 1; row < std::min(start, rowCount + 1); ++row)
            if (matches(row))
                return row;
    return 0;
}
