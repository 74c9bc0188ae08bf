#include "Format.h"

#include "DateMath.h"
#include "Numeric.h"

#include <QList>
#include <QLocale>
#include <QTextBoundaryFinder>
#include <cmath>
#include <optional>

namespace vb {

namespace {

struct Token {
    enum Kind { Literal, Digit, Point, Comma, Percent, Exponent, DatePart, AmPm, Character };
    Kind kind;
    // Literal: the text; Digit: "0" or "#"; Exponent: "E+"...; DatePart: "dd"...; Character:
    // "@" or "&".
    QString text;
};
using Tokens = QList<Token>;

// Quoted text and backslash escapes are literal in every kind of format.
bool readLiteral(const QString& f, qsizetype& i, Tokens& out) {
    if (f[i] == u'"') {
        const qsizetype end = f.indexOf(u'"', i + 1);
        const qsizetype stop = end < 0 ? f.size() : end;
        out.append({Token::Literal, f.mid(i + 1, stop - i - 1)});
        i = stop + 1;
        return true;
    }
    if (f[i] == u'\\') {
        if (i + 1 < f.size())
            out.append({Token::Literal, f.mid(i + 1, 1)});
        i += 2;
        return true;
    }
    return false;
}

QStringList splitSections(const QString& f) {
    QStringList sections;
    QString current;
    bool quoted = false;
    for (qsizetype i = 0; i < f.size(); ++i) {
        const QChar c = f[i];
        if (c == u'"')
            quoted = !quoted;
        if (!quoted && c == u'\\' && i + 1 < f.size()) {
            current += c;
            current += f[++i];
            continue;
        }
        if (!quoted && c == u';') {
            sections.append(current);
            current.clear();
            continue;
        }
        current += c;
    }
    sections.append(current);
    return sections;
}

Tokens tokenizeNumber(const QString& f) {
    Tokens out;
    bool afterPoint = false;
    for (qsizetype i = 0; i < f.size();) {
        if (readLiteral(f, i, out))
            continue;
        const QChar c = f[i];
        if (c == u'0' || c == u'#') {
            out.append({Token::Digit, QString(c)});
        } else if (c == u'.' && !afterPoint) {
            afterPoint = true;
            out.append(Token{Token::Point, {}});
        } else if (c == u',') {
            out.append(Token{Token::Comma, {}});
        } else if (c == u'%') {
            out.append(Token{Token::Percent, {}});
        } else if ((c == u'E' || c == u'e') && i + 2 < f.size() &&
                   (f[i + 1] == u'+' || f[i + 1] == u'-') &&
                   (f[i + 2] == u'0' || f[i + 2] == u'#')) {
            out.append({Token::Exponent, f.mid(i, 2)});
            i += 2;
            continue;
        } else {
            out.append({Token::Literal, QString(c)});
        }
        ++i;
    }
    return out;
}

// The longest date token of letter c that a run of that many letters holds.
qsizetype longestDateToken(QChar c, qsizetype run) {
    const qsizetype longest = c == u'd' ? 6 : c == u'm' || c == u'y' ? 4 : c == u'q' ? 1 : 2;
    const qsizetype length = qMin(run, longest);
    return c == u'y' && length == 3 ? 2 : length; // there is no "yyy"
}

Tokens tokenizeDate(const QString& f) {
    static const QString ampmForms[] = {QStringLiteral("AM/PM"), QStringLiteral("A/P"),
                                        QStringLiteral("AMPM")};
    Tokens out;
    for (qsizetype i = 0; i < f.size();) {
        if (readLiteral(f, i, out))
            continue;
        bool matched = false;
        for (const QString& form : ampmForms) {
            if (f.mid(i, form.size()).compare(form, Qt::CaseInsensitive) == 0) {
                out.append({Token::AmPm, f.mid(i, form.size())});
                i += form.size();
                matched = true;
                break;
            }
        }
        if (matched)
            continue;
        const QChar c = f[i].toLower();
        if (QStringLiteral("dmyhnswq").contains(c)) {
            qsizetype run = 1;
            while (i + run < f.size() && f[i + run].toLower() == c)
                ++run;
            i += run;
            // A run is read as the longest tokens there are: "yyy" is "yy" then "y".
            while (run > 0) {
                const qsizetype length = longestDateToken(c, run);
                out.append({Token::DatePart, QString(length, c)});
                run -= length;
            }
            continue;
        }
        out.append({Token::Literal, QString(f[i])});
        ++i;
    }
    // "m" and "mm" are minutes only right after an hour; the month anywhere else.
    qsizetype previous = -1;
    for (qsizetype k = 0; k < out.size(); ++k) {
        if (out[k].kind != Token::DatePart)
            continue;
        const bool afterHour = previous >= 0 && out[previous].text.startsWith(u'h');
        if (afterHour && (out[k].text == u"m" || out[k].text == u"mm"))
            out[k].text = out[k].text.size() == 1 ? QStringLiteral("n") : QStringLiteral("nn");
        previous = k;
    }
    return out;
}

bool hasDigitPlaceholder(const QString& section) {
    for (const Token& t : tokenizeNumber(section))
        if (t.kind == Token::Digit)
            return true;
    return false;
}

bool isDateFormat(const QString& section) {
    if (hasDigitPlaceholder(section))
        return false;
    for (const Token& t : tokenizeDate(section))
        if (t.kind == Token::DatePart || t.kind == Token::AmPm)
            return true;
    return false;
}

// --- text ------------------------------------------------------------------------------

// A text section: literals and placeholders ('@' pads with a blank, '&' with nothing), the
// case it forces, and whether it fills its placeholders from the left.
struct TextLayout {
    enum class Case { AsWritten, Lower, Upper };
    Tokens tokens;
    qsizetype placeholders = 0;
    Case letterCase = Case::AsWritten;
    bool fromLeft = false;
    bool marked = false; // a '<', '>' or '!' was written
};

TextLayout tokenizeText(const QString& f) {
    TextLayout layout;
    for (qsizetype i = 0; i < f.size();) {
        if (readLiteral(f, i, layout.tokens))
            continue;
        const QChar c = f[i++];
        if (c == u'@' || c == u'&') {
            layout.tokens.append({Token::Character, QString(c)});
            ++layout.placeholders;
        } else if (c == u'<' || c == u'>' || c == u'!') {
            layout.marked = true;
            if (c == u'!')
                layout.fromLeft = true;
            else
                layout.letterCase = c == u'<' ? TextLayout::Case::Lower : TextLayout::Case::Upper;
        } else {
            layout.tokens.append({Token::Literal, QString(c)});
        }
    }
    return layout;
}

// A section with a character placeholder lays out text; so does one with only '<', '>' or '!'
// and no placeholder of a number or a date.
bool isTextFormat(const QString& section) {
    const TextLayout layout = tokenizeText(section);
    return layout.placeholders > 0 ||
           (layout.marked && !hasDigitPlaceholder(section) && !isDateFormat(section));
}

// Where each character of the text starts, then its end; a character is what a reader sees
// as one (a letter with its accents, a surrogate pair).
QList<qsizetype> characterBounds(const QString& text) {
    QList<qsizetype> bounds{0};
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    for (qsizetype b = finder.toNextBoundary(); b > 0; b = finder.toNextBoundary())
        bounds.append(b);
    return bounds;
}

QString renderText(const TextLayout& layout, const QString& value) {
    const QString text = layout.letterCase == TextLayout::Case::Upper   ? value.toUpper()
                         : layout.letterCase == TextLayout::Case::Lower ? value.toLower()
                                                                        : value;
    QString out;
    if (layout.placeholders == 0) { // the literal text, then the whole text
        for (const Token& t : layout.tokens)
            out += t.text;
        return out + text;
    }
    const QList<qsizetype> bounds = characterBounds(text);
    const qsizetype count = bounds.size() - 1;
    // The character for the first placeholder: filled from the right, the text ends at the
    // last one. Characters beyond the placeholders go with the first one, or with the last
    // one when filled from the left, so that none is lost.
    const qsizetype offset = layout.fromLeft ? 0 : count - layout.placeholders;
    qsizetype seen = 0;
    for (const Token& t : layout.tokens) {
        if (t.kind != Token::Character) {
            out += t.text;
            continue;
        }
        const qsizetype index = offset + seen;
        const qsizetype from = qMax<qsizetype>(seen == 0 ? 0 : index, 0);
        const qsizetype to = qMin(seen == layout.placeholders - 1 ? count : index + 1, count);
        if (from < to)
            out += QStringView(text).mid(bounds[from], bounds[to] - bounds[from]);
        else if (t.text == u"@")
            out += u' ';
        ++seen;
    }
    return out;
}

// The second section, if any, is for Null and an empty text.
QString formatText(const Variant& value, const QStringList& sections) {
    const QString text = value.isNull() ? QString() : value.toString();
    if (text.isEmpty() && sections.size() >= 2)
        return renderText(tokenizeText(sections[1]), text);
    return value.isNull() ? QString() : renderText(tokenizeText(sections[0]), text);
}

// --- numbers ---------------------------------------------------------------------------

QString renderNumber(const Tokens& tokens, Decimal value, bool minus) {
    const QLocale locale;
    qsizetype pointAt = tokens.size(), exponentAt = tokens.size();
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        if (tokens[k].kind == Token::Point && pointAt == tokens.size())
            pointAt = k;
        if (tokens[k].kind == Token::Exponent && exponentAt == tokens.size())
            exponentAt = k;
    }
    pointAt = qMin(pointAt, exponentAt);
    int intCount = 0, decCount = 0, firstZero = -1, lastDecimalZero = -1, expZeros = 0,
        percents = 0;
    bool grouping = false;
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        if (t.kind == Token::Percent)
            ++percents;
        if (t.kind == Token::Comma && k < pointAt && intCount > 0) {
            for (qsizetype n = k + 1; n < pointAt; ++n)
                grouping = grouping || tokens[n].kind == Token::Digit;
        }
        if (t.kind != Token::Digit)
            continue;
        if (k < pointAt) {
            if (firstZero < 0 && t.text == u"0")
                firstZero = intCount;
            ++intCount;
        } else if (k < exponentAt) {
            if (t.text == u"0")
                lastDecimalZero = decCount;
            ++decCount;
        } else if (t.text == u"0") {
            ++expZeros;
        }
    }
    if (!value.isZero())
        value.exponent += 2 * percents;

    int exponent = 0;
    if (exponentAt < tokens.size() && !value.isZero()) {
        // Without an integer placeholder every digit shown follows the point (".1235E+5").
        const int lead = intCount == 0 && decCount > 0 ? 0 : qMax(intCount, 1);
        value.roundToSignificant(lead + decCount, Decimal::Rounding::HalfAwayFromZero);
        exponent = value.exponent - lead;
        value.exponent = lead;
    } else {
        value.roundToDecimals(decCount, Decimal::Rounding::HalfAwayFromZero);
    }

    QByteArray integer = value.integerDigits();
    const int minimal = firstZero < 0 ? 0 : intCount - firstZero;
    if (integer.size() < minimal)
        integer.prepend(QByteArray(minimal - integer.size(), '0'));
    const QByteArray fraction = value.fractionDigits(decCount);
    // '#' hides the trailing zeros, but none that a '0' after it must show.
    int lastShown = int(fraction.size()) - 1;
    while (lastShown > lastDecimalZero && fraction[lastShown] == '0')
        --lastShown;

    const qsizetype length = integer.size();
    QString out;
    auto emitIntegerDigits = [&](qsizetype from, qsizetype to) {
        // A separator follows the digit that ends a group, ahead of any text after it.
        for (qsizetype j = from; j < to; ++j) {
            out += QChar::fromLatin1(integer[j]);
            if (grouping && j + 1 < length && (length - 1 - j) % 3 == 0)
                out += locale.groupSeparator();
        }
    };
    int intSeen = 0, decSeen = 0;
    for (qsizetype k = 0; k < tokens.size(); ++k) {
        const Token& t = tokens[k];
        switch (t.kind) {
        case Token::Literal:
            out += t.text;
            break;
        case Token::Comma:
            break;
        case Token::Percent:
            out += u'%';
            break;
        case Token::Point:
            if (intCount == 0)
                emitIntegerDigits(0, length);
            out += locale.decimalPoint();
            break;
        case Token::Digit:
            if (k < pointAt) {
                const qsizetype fromRight = intCount - 1 - intSeen;
                const qsizetype index = length - 1 - fromRight;
                // The first placeholder also takes the digits no placeholder was written for.
                emitIntegerDigits(intSeen == 0 ? 0 : qMax<qsizetype>(index, 0),
                                  qMax<qsizetype>(index + 1, 0));
                ++intSeen;
            } else if (k < exponentAt) {
                if (decSeen <= lastShown)
                    out += QChar::fromLatin1(fraction[decSeen]);
                ++decSeen;
            }
            break;
        case Token::Exponent: {
            out += t.text[0];
            if (exponent < 0)
                out += u'-';
            else if (t.text[1] == u'+')
                out += u'+';
            out += QString::number(std::abs(exponent)).rightJustified(expZeros, u'0');
            while (k + 1 < tokens.size() && tokens[k + 1].kind == Token::Digit)
                ++k; // the exponent's placeholders are written above
            break;
        }
        case Token::DatePart:
        case Token::AmPm:
        case Token::Character:
            break;
        }
    }
    if (minus && !value.isZero())
        out.prepend(u'-');
    return out;
}

std::optional<Decimal> numericValue(const Variant& v) {
    switch (v.type()) {
    case VarType::Empty:
    case VarType::Null:
        return std::nullopt;
    case VarType::Integer:
    case VarType::Long:
    case VarType::Boolean:
        return Decimal::fromScaled(v.toLong(), 0);
    case VarType::Currency:
        return Decimal::fromScaled(v.toCurrency().scaled, 4);
    case VarType::Single:
        return Decimal::fromDouble(v.toDouble(), 7);
    default:
        break;
    }
    bool ok = false;
    const double d = v.toDouble(&ok);
    if (!ok || !std::isfinite(d))
        return std::nullopt;
    return Decimal::fromDouble(d);
}

QString formatNumber(const QString& format, const Decimal& value) {
    const QStringList sections = splitSections(format);
    auto section = [&](int index) {
        return index < sections.size() && !sections[index].isEmpty() ? sections[index] : QString();
    };
    if (value.negative) {
        // A negative section shows the magnitude as written; without one the first
        // section gets a leading minus.
        Decimal magnitude = value;
        magnitude.negative = false;
        const QString negative = section(1);
        return negative.isEmpty() ? renderNumber(tokenizeNumber(sections[0]), magnitude, true)
                                  : renderNumber(tokenizeNumber(negative), magnitude, false);
    }
    if (value.isZero() && !section(2).isEmpty())
        return renderNumber(tokenizeNumber(section(2)), value, false);
    return renderNumber(tokenizeNumber(sections[0]), value, false);
}

// --- dates ----------------------------------------------------------------------------

QString shortDate(const QDate& d) {
    return QLocale().toString(d, shortDatePattern());
}

QString longDate(const QDate& d) {
    const QLocale locale;
    return locale.toString(d, locale.dateFormat(QLocale::LongFormat));
}

QString longTime(const QTime& t) {
    return QLocale().toString(t, longTimePattern());
}

QString renderDate(const Tokens& tokens, double serial) {
    const QLocale locale;
    const QDate d = dateOf(serial);
    const QTime t = timeOf(serial);
    bool twelveHour = false;
    for (const Token& token : tokens)
        twelveHour = twelveHour || token.kind == Token::AmPm;
    const int hour = twelveHour ? (t.hour() % 12 == 0 ? 12 : t.hour() % 12) : t.hour();
    const bool pm = t.hour() >= 12;
    auto two = [](int n) { return QString::number(n).rightJustified(2, u'0'); };

    QString out;
    for (const Token& token : tokens) {
        const QString& s = token.text;
        if (token.kind == Token::Literal) {
            out += s;
        } else if (token.kind == Token::AmPm) {
            if (s.compare(QLatin1String("AMPM"), Qt::CaseInsensitive) == 0) {
                out += pm ? locale.pmText() : locale.amText();
            } else {
                // "AM/PM" -> "AM"/"PM" in the case written; "A/P" -> "A"/"P".
                const qsizetype slash = s.indexOf(u'/');
                out += pm ? s.mid(slash + 1) : s.left(slash);
            }
        } else if (s.startsWith(u'd')) {
            switch (s.size()) {
            case 1:
                out += QString::number(d.day());
                break;
            case 2:
                out += two(d.day());
                break;
            case 3:
                out += locale.dayName(d.dayOfWeek(), QLocale::ShortFormat);
                break;
            case 4:
                out += locale.dayName(d.dayOfWeek(), QLocale::LongFormat);
                break;
            case 5:
                out += shortDate(d);
                break;
            default:
                out += longDate(d);
                break;
            }
        } else if (s.startsWith(u'm')) {
            switch (s.size()) {
            case 1:
                out += QString::number(d.month());
                break;
            case 2:
                out += two(d.month());
                break;
            case 3:
                out += locale.monthName(d.month(), QLocale::ShortFormat);
                break;
            default:
                out += locale.monthName(d.month(), QLocale::LongFormat);
                break;
            }
        } else if (s.startsWith(u'y')) {
            if (s.size() == 1)
                out += QString::number(d.dayOfYear());
            else if (s.size() == 2)
                out += two(d.year() % 100);
            else
                out += QString::number(d.year());
        } else if (s.startsWith(u'h')) {
            out += s.size() == 1 ? QString::number(hour) : two(hour);
        } else if (s.startsWith(u'n')) {
            out += s.size() == 1 ? QString::number(t.minute()) : two(t.minute());
        } else if (s.startsWith(u's')) {
            out += s.size() == 1 ? QString::number(t.second()) : two(t.second());
        } else if (s.startsWith(u'w')) {
            out += QString::number(s.size() == 1 ? Weekday(serial) : WeekOfYear(serial));
        } else if (s.startsWith(u'q')) {
            out += QString::number((d.month() - 1) / 3 + 1);
        }
    }
    return out;
}

QString generalDate(double serial) {
    const QDate d = dateOf(serial);
    const QTime t = timeOf(serial);
    const bool hasTime = t != QTime(0, 0);
    if (std::trunc(serial) == 0 && hasTime)
        return longTime(t); // a bare time
    return hasTime ? shortDate(d) + u' ' + longTime(t) : shortDate(d);
}

std::optional<double> dateValue(const Variant& v) {
    if (v.isNull() || v.isEmpty())
        return std::nullopt;
    bool ok = false;
    const double serial = v.toDateSerial(&ok);
    return ok ? std::optional<double>(serial) : std::nullopt;
}

// --- named formats ----------------------------------------------------------------------

enum class Named {
    None,
    GeneralNumber,
    Currency,
    Fixed,
    Standard,
    Percent,
    Scientific,
    YesNo,
    TrueFalse,
    OnOff,
    GeneralDate,
    LongDate,
    MediumDate,
    ShortDate,
    LongTime,
    MediumTime,
    ShortTime
};

Named namedFormat(const QString& format) {
    static const struct {
        const char* name;
        Named kind;
    } names[] = {{"General Number", Named::GeneralNumber},
                 {"Currency", Named::Currency},
                 {"Fixed", Named::Fixed},
                 {"Standard", Named::Standard},
                 {"Percent", Named::Percent},
                 {"Scientific", Named::Scientific},
                 {"Yes/No", Named::YesNo},
                 {"True/False", Named::TrueFalse},
                 {"On/Off", Named::OnOff},
                 {"General Date", Named::GeneralDate},
                 {"Long Date", Named::LongDate},
                 {"Medium Date", Named::MediumDate},
                 {"Short Date", Named::ShortDate},
                 {"Long Time", Named::LongTime},
                 {"Medium Time", Named::MediumTime},
                 {"Short Time", Named::ShortTime}};
    for (const auto& n : names)
        if (format.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.kind;
    return Named::None;
}

QString formatNamed(const Variant& value, Named kind) {
    if (kind >= Named::GeneralDate) {
        const auto serial = dateValue(value);
        if (!serial)
            return value.toString();
        switch (kind) {
        case Named::LongDate:
            return longDate(dateOf(*serial));
        case Named::MediumDate: // the month's short name, the year in two digits
            return renderDate(tokenizeDate(QStringLiteral("dd-mmm-yy")), *serial);
        case Named::MediumTime: // twelve hours, no seconds
            return renderDate(tokenizeDate(QStringLiteral("hh:mm AMPM")), *serial);
        case Named::ShortDate:
            return shortDate(dateOf(*serial));
        case Named::LongTime:
            return longTime(timeOf(*serial));
        case Named::ShortTime:
            return timeOf(*serial).toString(QStringLiteral("HH:mm"));
        default:
            return generalDate(*serial);
        }
    }
    const auto number = numericValue(value);
    if (!number)
        return value.toString();
    switch (kind) {
    case Named::GeneralNumber:
        // A number shows its own text: every digit of a Currency, and a Double near the
        // type's limit stays finite (its digits rounded to 15 would not). Other values show
        // as the Double they read as.
        return value.isNumericType() ? value.toString() : Variant(value.toDouble()).toString();
    case Named::Currency: {
        Decimal rounded = *number;
        rounded.roundToDecimals(2, Decimal::Rounding::HalfAwayFromZero);
        return QLocale().toCurrencyString(rounded.toDouble(), QString(), 2);
    }
    case Named::Fixed:
        return formatNumber(QStringLiteral("0.00"), *number);
    case Named::Standard:
        return formatNumber(QStringLiteral("#,##0.00"), *number);
    case Named::Percent:
        return formatNumber(QStringLiteral("0.00%"), *number);
    case Named::Scientific:
        return formatNumber(QStringLiteral("0.00E+00"), *number);
    case Named::YesNo:
        return number->isZero() ? QStringLiteral("No") : QStringLiteral("Yes");
    case Named::TrueFalse:
        return number->isZero() ? QStringLiteral("False") : QStringLiteral("True");
    default:
        return number->isZero() ? QStringLiteral("Off") : QStringLiteral("On");
    }
}

} // namespace

QString Format(const Variant& value, const QString& format) {
    if (format.isEmpty())
        return value.toString();
    if (const Named kind = namedFormat(format.trimmed()); kind != Named::None)
        return value.isNull() ? QString() : formatNamed(value, kind);

    const QStringList sections = splitSections(format);
    if (isTextFormat(sections[0]))
        return formatText(value, sections);
    if (value.isNull()) {
        // Only the literal text of a fourth section can show for Null.
        return sections.size() >= 4 ? renderNumber(tokenizeNumber(sections[3]), {}, false)
                                    : QString();
    }
    if (isDateFormat(sections[0])) {
        const auto serial = dateValue(value);
        return serial ? renderDate(tokenizeDate(sections[0]), *serial) : value.toString();
    }
    const auto number = numericValue(value);
    return number ? formatNumber(format, *number) : value.toString();
}

} // namespace vb
