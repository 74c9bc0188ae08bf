#include "samples/full/OutlookBands.h"

MessageBand ReceivedBand(const QDate& received, const QDate& today, Qt::DayOfWeek firstDayOfWeek) {
    const qint64 daysAgo = received.daysTo(today);
    // A date after today (a sender's clock running fast) counts as today.
    if (daysAgo <= 0)
        return {4, QStringLiteral("Today")};
    if (daysAgo == 1)
        return {3, QStringLiteral("Yesterday")};
    // The calendar week and month, so the days of a week that began in December stay in it.
    const QDate weekStart = today.addDays(-((today.dayOfWeek() - firstDayOfWeek + 7) % 7));
    if (received >= weekStart)
        return {2, QStringLiteral("Earlier this week")};
    if (received.year() == today.year() && received.month() == today.month())
        return {1, QStringLiteral("Earlier this month")};
    return {0, QStringLiteral("Older")};
}

MessageBand SizeBand(int kilobytes) {
    if (kilobytes < 10)
        return {0, QStringLiteral("Tiny (< 10 KB)")};
    if (kilobytes <= 25)
        return {1, QStringLiteral("Small (10 - 25 KB)")};
    if (kilobytes <= 100)
        return {2, QStringLiteral("Medium (25 - 100 KB)")};
    if (kilobytes <= 500)
        return {3, QStringLiteral("Large (100 - 500 KB)")};
    return {4, QStringLiteral("Very Large (> 500 KB)")};
}

std::optional<MessageBand> IconBand(const QString& column, const QString& image) {
    struct Entry {
        const char* column;
        const char* image;
        int value;
        const char* caption;
    };
    static const Entry entries[] = {
        {"importance", "imp_low", 0, "Low importance"},
        {"importance", "blank", 1, "Normal importance"},
        {"importance", "imp_high", 2, "High importance"},
        {"message", "msg_unread", 0, "Unread"},
        {"message", "msg_read", 1, "Read"},
        {"message", "msg_replied", 2, "Replied"},
        {"message", "msg_forwarded", 3, "Forwarded"},
        {"attachment", "blank", 0, "No attachment"},
        {"attachment", "attachment", 1, "With attachment"},
        {"flag", "blank", 0, "Not flagged"},
        {"flag", "flag", 1, "Flagged"},
    };
    for (const Entry& e : entries)
        if (column == QLatin1String(e.column) && image == QLatin1String(e.image))
            return MessageBand{e.value, QString::fromLatin1(e.caption)};
    return std::nullopt;
}
