#pragma once
// The customer list file: one customer per line, eight comma-separated fields
// (type, ID, name, country, patron, sales, debt, info), lines ended by CR LF, no header.
//
// Written: the text fields in double quotes with a quote inside doubled, the patron state as
// a decimal integer, the amounts as plain decimals with a point ("99.5", "-20"), an empty
// value as an empty field. Read: text fields quoted or not (an unquoted field ends at the
// next comma or line end and loses surrounding spaces; a doubled quote inside quotes is one
// quote), so files written by older versions read the same. A quoted field may span lines.

#include "runtime/Variant.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <vector>

struct CustomerRecord {
    QString type; // "priv" or "comp"
    QString id;
    QString name;
    QString country;               // three-letter code, "" for none
    int patron = 0;                // check state, 0..255
    std::optional<Currency> sales; // none: the field was empty
    std::optional<Currency> debt;
    QString info;

    friend bool operator==(const CustomerRecord&, const CustomerRecord&) = default;
};

// A line that could not be read, by its 1-based line number in the file.
struct CustomerFileProblem {
    int line = 0;
    QString reason;
};

struct CustomerFileContents {
    std::vector<CustomerRecord> records; // the records that could be read, in file order
    // The first lines skipped (at most CustomerFile::MaxKeptLines), and how many there were.
    QList<CustomerFileProblem> problems;
    int problemCount = 0;
    // The first lines that were not UTF-8 and were read as Latin-1, and how many there were.
    QList<int> latin1Lines;
    int latin1LineCount = 0;
    QString openError;    // set when the file could not be read at all
    bool missing = false; // the file does not exist (then openError says so too)

    // Something in the file did not reach the records: saving them would drop it.
    bool incomplete() const { return problemCount > 0 || (!openError.isEmpty() && !missing); }
};

namespace CustomerFile {

// Lines kept for the report of a damaged file; the rest are only counted, so a huge file of
// bad lines costs no memory for their messages.
inline constexpr int MaxKeptLines = 10;
// Larger files are refused: a customer list is far smaller, and a mistaken file (or a link
// to a device that never ends) must not make the window hang or fill the memory.
inline constexpr qint64 MaxFileBytes = 16 * 1024 * 1024;

// Reads records from the file's bytes: UTF-8, and a line that is not valid UTF-8 as Latin-1,
// the encoding older files were written in (only that line, and it is reported). Bad lines
// are skipped and reported.
CustomerFileContents parse(const QByteArray& bytes);
// Reads a regular file of at most MaxFileBytes.
CustomerFileContents read(const QString& path);

// One record as a line, without its line end.
QString formatRecord(const CustomerRecord& record);
// The whole file (UTF-8, CR LF after every record).
QByteArray format(const std::vector<CustomerRecord>& records);
// Writes through a temporary file that replaces the old one only once it is complete, so a
// failed save leaves the previous file as it was. False with *error set on failure.
bool write(const QString& path, const std::vector<CustomerRecord>& records,
           QString* error = nullptr);

// An amount as the file stores it: "-20", "99.5", "0.0001".
QString formatAmount(Currency amount);
// An amount in that form ("+1.5", "2e3" and surrounding spaces are accepted too); none for
// text that is not a number or does not fit a currency value.
std::optional<Currency> parseAmount(const QString& text);

} // namespace CustomerFile
