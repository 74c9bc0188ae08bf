#pragma once
// The sample mailbox of the Outlook style demo: messages drawn from fixed tables of senders,
// subjects and bodies with the shared random generator seeded with 10, so every load shows
// the same mailbox, dated in the six weeks up to a given day.

#include <QDate>
#include <QList>
#include <QString>

struct SampleMessage {
    QString importance; // image key: "imp_high", "imp_low" or "blank"
    QString state;      // image key: "msg_read", "msg_replied" or "msg_forwarded"
    bool attachment = false;
    bool flagged = false;
    QString sender;
    QString subject;
    double received = 0; // date serial, never later than the end of `today`
    int sizeKB = 0;      // 1 to 1000
    QString body;        // lines joined with CR LF
    bool spam = false;   // from the one sender of junk mail
};

inline constexpr int SampleMessageCount = 200;

// The received date drawn from three uniform numbers in [0, 1): a day up to 41 days before
// today, an hour and a minute (rounded, so 24 hours and 60 minutes carry over), never later
// than the end of today.
double DrawReceivedDate(const QDate& today, double day, double hour, double minute);

// SampleMessageCount messages in the order drawn (not sorted by date). Re-seeds the shared
// random generator.
QList<SampleMessage> GenerateSampleMessages(const QDate& today);
