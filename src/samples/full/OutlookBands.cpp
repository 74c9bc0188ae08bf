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
