#pragma once
// How the Outlook style demo bands its messages when grouping: received dates from "Today"
// to "Older" and sizes from "Tiny" to "Very Large". The value orders the bands (a higher
// value is more recent or larger), the caption names them.

#include <QDate>
#include <QString>

struct MessageBand {
    int value = 0;
    QString caption;
    friend bool operator==(const MessageBand&, const MessageBand&) = default;
};

// Tested in this order: today or later (4), yesterday (3), earlier in today's week (2), earlier in
// today's month (1), older (0). The week starts on firstDayOfWeek.
MessageBand ReceivedBand(const QDate& received, const QDate& today, Qt::DayOfWeek firstDayOfWeek);

// Under 10 KB (0), up to 25 (1), up to 100 (2), up to 500 (3), more (4).
MessageBand SizeBand(int kilobytes);
