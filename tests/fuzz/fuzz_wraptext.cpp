// WrapText: no line longer than the width allows, nothing of the text lost or changed but
// the breaks, and time linear in the text (libFuzzer's -timeout catches a quadratic pass).
// The text is one paragraph: line breaks in the input become spaces.

#include "FuzzSupport.h"
#include "app/Global.h"

namespace {

// The length of the word around pos.
qsizetype wordLength(const QString& text, qsizetype pos) {
    qsizetype start = pos, end = pos;
    while (start > 0 && text[start - 1] != u' ')
        --start;
    while (end < text.size() && text[end] != u' ')
        ++end;
    return end - start;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = in.ConsumeIntegralInRange(2, 200);
    QString text = fuzz::restAsText(in);
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    const QString wrapped = WrapText(text, width);
    const QStringList lines = wrapped.split(QStringLiteral("\r\n"));

    const auto failWith = [&](const char* property, const QString& detail) {
        fuzz::fail(property, QStringLiteral("width %1, %2\n  text:    \"%3\"\n  wrapped: \"%4\"")
                                 .arg(width)
                                 .arg(detail, text, QString(wrapped).replace("\r\n", "|")));
    };
    qsizetype pos = 0; // where the current line starts in the text
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines[i];
        const bool last = i == lines.size() - 1;
        // Only the last line, or a piece of a word too long for a line, fills the width.
        const bool piece = line.size() == width && !line.contains(u' ');
        if (line.size() > width || (line.size() == width && !last && !piece))
            failWith("lines are at most width - 1 long (the last one and pieces of long "
                     "words width)",
                     QStringLiteral("line %1 has %2 characters").arg(i + 1).arg(line.size()));
        if (QStringView(text).mid(pos, line.size()) != line)
            failWith("the lines are the text", QStringLiteral("line %1 differs").arg(i + 1));
        pos += line.size();
        if (last)
            break;
        if (pos < text.size() && text[pos] == u' ')
            ++pos; // the space the break stands for
        else if (pos >= text.size() || pos == 0 || text[pos - 1] == u' ' ||
                 wordLength(text, pos) < width)
            failWith("a line breaks at a space or inside a word too long for a line",
                     QStringLiteral("break after line %1").arg(i + 1));
    }
    if (pos != text.size())
        failWith("the lines are the text",
                 QStringLiteral("%1 characters lost").arg(text.size() - pos));
    return 0;
}
