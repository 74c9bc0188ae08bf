#include "samples/full/OutlookMessages.h"

#include "runtime/DateMath.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <array>

namespace {

// The seventh is the sender of junk mail.
const std::array<const char*, 10> Senders = {
    "Anna Lindqvist", "Marco Bellini",   "Sophie Durand", "Tom Hallworth", "Keiko Tanaka",
    "Pedro Alvarez",  "Barry Dealmaker", "Grace O'Neill", "Jonas Weber",   "Priya Raman",
};
constexpr int SpamSender = 7;

const std::array<const char*, 10> Subjects = {
    "Check out this demo",
    "RE: Sonic Bubblebath Remix",
    "FW: The secret world of plants",
    "U know u gonna dig this",
    "RE: FW: Minutes of Monday's meeting",
    "viz New York Trip",
    "Belated Happy Birthday",
    "RE: What's the score?",
    "The best programming site on the web, honestly",
    "Pass the peas...",
};

// The sixth and the tenth are a question line and its answer, the eighth three paragraphs;
// the second is long enough to be cut in a two-line preview.
const std::array<const char*, 10> Bodies = {
    "I told my computer I needed a break. It said: \"No problem, I'll go to sleep.\"",
    "My neighbour bought a parrot that only ever says \"It works on my machine\". He brought it "
    "to the office to cheer the team up, but by lunchtime the testers had filed four bug "
    "reports against it, the manager wanted an estimate of when it would learn a second "
    "sentence, and the parrot had been made team lead.",
    "A database query walks into a bar, goes up to two tables and asks: \"Mind if I join you?\"",
    "I would tell you a joke about network packets, but you might not get it.",
    "My wife asked me to buy a carton of milk and, if they had eggs, six. I came home with six "
    "cartons of milk. She still doesn't see why.",
    "How many programmers does it take to change a light bulb?\r\n"
    "None. That's a hardware problem.",
    "I bought a thesaurus yesterday, but all its pages were blank. I have no words to describe "
    "how angry I am.",
    "A man in a hot-air balloon is lost. He calls down to a woman in a field: \"Excuse me, can "
    "you tell me where I am?\"\r\n"
    "\"You are in a hot-air balloon, about ten metres above this field,\" she answers.\r\n"
    "\"You must work in IT,\" he says. \"Everything you said is correct, and none of it helps.\"",
    "There are 10 kinds of people in the world: those who understand binary and those who "
    "don't.",
    "Why did the developer go broke?\r\n"
    "Because he used up all his cache.",
};

// An entry of a ten-entry table, uniformly.
int drawIndex() {
    return int(vb::Rnd() * 10);
}

int rounded(double value) {
    return int(vb::RoundHalfEven(value));
}

} // namespace

double DrawReceivedDate(const QDate& today, double day, double hour, double minute) {
    const double midnight = vb::toSerial(today);
    const double received =
        midnight + rounded(-41 * day) + vb::TimeSerial(rounded(24 * hour), rounded(60 * minute), 0);
    // 24 hours carry into the next day: a message of today would come from tomorrow.
    return received >= midnight + 1 ? received - 1 : received;
}

QList<SampleMessage> GenerateSampleMessages(const QDate& today) {
    vb::Randomize(10);
    QList<SampleMessage> messages;
    messages.reserve(SampleMessageCount);
    for (int i = 0; i < SampleMessageCount; ++i) {
        SampleMessage m;
        const int importance = int(vb::Rnd() * 15);
        m.importance = importance <= 1   ? QStringLiteral("imp_high")
                       : importance == 2 ? QStringLiteral("imp_low")
                                         : QStringLiteral("blank");
        const int state = int(vb::Rnd() * 5);
        m.state = state == 0   ? QStringLiteral("msg_read")
                  : state == 1 ? QStringLiteral("msg_replied")
                               : QStringLiteral("msg_forwarded");
        m.attachment = vb::Rnd() > 0.7;
        m.flagged = vb::Rnd() > 0.8;
        const int sender = 1 + drawIndex();
        m.spam = sender == SpamSender;
        m.sender = QString::fromUtf8(Senders[size_t(sender - 1)]);
        m.subject = QString::fromUtf8(Subjects[size_t(drawIndex())]);
        if (m.spam)
            m.subject.prepend(QStringLiteral("[spam]  "));
        const double day = vb::Rnd();
        const double hour = vb::Rnd();
        m.received = DrawReceivedDate(today, day, hour, vb::Rnd());
        const double r1 = vb::Rnd();
        const double r2 = vb::Rnd();
        m.sizeKB = int((r1 < 0.7 ? 10 : 1000) * r2 + 1);
        m.body = QString::fromUtf8(Bodies[size_t(drawIndex())]);
        messages << m;
    }
    return messages;
}
