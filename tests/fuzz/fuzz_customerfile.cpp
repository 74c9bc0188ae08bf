// The customer list file: whatever records a file reads as, written out and read again they
// come back the same (so a save never changes a record the program loaded).

#include "FuzzSupport.h"
#include "samples/full/CustomerFile.h"

namespace {

QString describe(const std::vector<CustomerRecord>& records) {
    return QString::fromUtf8(CustomerFile::format(records).toPercentEncoding(" ,\"="));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::vector<CustomerRecord> first = CustomerFile::parse(bytes).records;
    const QByteArray written = CustomerFile::format(first);
    const CustomerFileContents second = CustomerFile::parse(written);
    if (second.records != first) {
        QString problems;
        for (const CustomerFileProblem& p : second.problems)
            problems += QStringLiteral("\n    line %1: %2").arg(p.line).arg(p.reason);
        fuzz::fail("customer records read, written and read again are the same",
                   QStringLiteral("read first (%1):  %2\n  read again (%3): %4\n  problems:%5")
                       .arg(first.size())
                       .arg(describe(first))
                       .arg(second.records.size())
                       .arg(describe(second.records), problems));
    }
    return 0;
}
