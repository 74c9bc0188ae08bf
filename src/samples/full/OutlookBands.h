#pragma once
// How the Outlook style demo bands its messages when grouping: received dates from "Today"
// to "Older", sizes from "Tiny" to "Very Large", and the icon columns by their icon. The value
// orders the bands (a higher value is more recent or larger), the caption names them.

#include <QDate>
#include <QString>

#include <optional>

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

// The band of an icon column (its key) for the image (its key) a message shows there:
// importance from low (0) to high (2); unread (0), read, replied, forwarded (3); without (0)
// or with (1) an attachment or a flag. None for an image the column does not show.
std::optional<MessageBand> IconBand(const QString& column, const QString& image);
