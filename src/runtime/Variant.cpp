#include "Variant.h"

#include "DateMath.h"
#include "Format.h"
#include "Numeric.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <optional>
#include <utility>

namespace {

void setOk(bool* ok, bool value) {
    if (ok)
        *ok = value;
}

// Numeric text as the user types it (locale, its currency symbol allowed) or as files store
// it (invariant). Gives what read(text, locale, value) gives for the text without blanks and
// symbol, the first locale whose form it has and its value; false for text that is no number.
template <typename Read> bool readNumber(QStringView text, Read read) {
    QStringView t = text.trimmed();
    // Most text in a grid is no number; skip the locale parsers for it.
    if (std::none_of(t.cbegin(), t.cend(), [](QChar c) { return c.isDigit(); }))
        return false;
    const QLocale locale;
    const QString symbol = locale.currencySymbol();
    QString withoutSymbol;
    if (!symbol.isEmpty() && t.contains(symbol)) {
        withoutSymbol = t.toString().remove(symbol).trimmed();
        t = withoutSymbol;
    }
    bool ok = false;
    const double v = locale.toDouble(t, &ok);
    if (ok)
        return std::isfinite(v) && read(t, locale, v);
    const QLocale c = QLocale::c();
    const double invariant = c.toDouble(t, &ok);
    return ok && std::isfinite(invariant) && read(t, c, invariant);
}

bool parseNumber(QStringView text, double* out) {
    return readNumber(text, [out](QStringView, const QLocale&, double v) {
        *out = v;
        return true;
    });
}

// Numeric text that `locale` reads, rewritten in the invariant form Currency::parse reads:
// ASCII digits, '.', '-', 'e' and no group separators. Bidirectional marks around signs go.
QString invariantNumber(QStringView text, const QLocale& locale) {
    const QString point = locale.decimalPoint(), group = locale.groupSeparator(),
                  exponent = locale.exponential();
    // A blank group separator (French, Swedish) also reads as an ordinary space.
    const bool blankGroups = !group.isEmpty() && group.front().isSpace();
    QString out;
    for (qsizetype i = 0; i < text.size();) {
        const QStringView rest = text.sliced(i);
        const char32_t c = rest.size() > 1 && rest[0].isHighSurrogate()
                               ? QChar::surrogateToUcs4(rest[0], rest[1])
                               : rest[0].unicode();
        qsizetype length = QChar::requiresSurrogates(c) ? 2 : 1;
        if (rest.startsWith(point)) {
            out += u'.';
            length = point.size();
        } else if (rest.startsWith(group)) {
            length = group.size();
        } else if (!exponent.isEmpty() && rest.startsWith(exponent, Qt::CaseInsensitive)) {
            out += u'e';
            length = exponent.size();
        } else if (c == u'e' || c == u'E' || c == u'+' || c == u'-') {
            out += QChar(c);
        } else if (c == U'\u2212') { // minus sign
            out += u'-';
        } else if (QChar::digitValue(c) >= 0) {
            out += QChar(u'0' + QChar::digitValue(c));
        } else if (QChar::category(c) != QChar::Other_Format &&
                   !(blankGroups && QChar::isSpace(c))) {
            return {}; // no number after all
        }
        i += length;
    }
    return out;
}

std::optional<Currency> parseAmount(QStringView text) {
    std::optional<Currency> amount;
    readNumber(text, [&amount](QStringView t, const QLocale& locale, double) {
        amount = Currency::parse(invariantNumber(t, locale));
        return amount.has_value();
    });
    return amount;
}

// Classic CStr of a double: 15 significant digits (so 0.1 + 0.2 reads "0.3"), scientific
// with "E+nn" outside the range the fixed form shows well.
QString doubleText(double v, int significant) {
    if (std::isnan(v))
        return QStringLiteral("NaN");
    if (std::isinf(v))
        return v < 0 ? QStringLiteral("-Infinity") : QStringLiteral("Infinity");
    QString s = QString::number(v, 'g', significant);
    // Rounded up past the largest double the text would read back as no number at all:
    // such a value (near the type's limit) shows all the digits it needs instead.
    if (!std::isfinite(s.toDouble()))
        s = QString::number(v, 'g', QLocale::FloatingPointShortest);
    const qsizetype e = s.indexOf(u'e');
    if (e >= 0) {
        QString exp = s.mid(e + 1); // "+20", "-07"
        s = s.left(e) + u'E' + exp;
    }
    const QChar point = QLocale().decimalPoint().at(0);
    if (point != u'.')
        s.replace(u'.', point);
    return s;
}

// Rank in the promotion Integer -> Long -> Single -> Double; Currency and Date apart.
enum class Kind { Integer, Long, Single, Double, Currency, Date };

Kind kindOf(VarType t) {
    switch (t) {
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
        return Kind::Integer;
    case VarType::Long:
        return Kind::Long;
    case VarType::Single:
        return Kind::Single;
    case VarType::Currency:
        return Kind::Currency;
    case VarType::Date:
        return Kind::Date;
    default:
        return Kind::Double;
    }
}

Kind promote(Kind a, Kind b) {
    if (a == Kind::Date || b == Kind::Date)
        return Kind::Date;
    if (a == Kind::Currency || b == Kind::Currency) {
        const Kind other = a == Kind::Currency ? b : a;
        return other == Kind::Single || other == Kind::Double ? Kind::Double : Kind::Currency;
    }
    // Long with Single loses digits in a Single, so the pair goes to Double.
    if ((a == Kind::Long && b == Kind::Single) || (a == Kind::Single && b == Kind::Long))
        return Kind::Double;
    return std::max(a, b);
}

enum class Op { Add, Sub, Mul };

template <typename T> double apply(Op op, T a, T b) {
    switch (op) {
    case Op::Add:
        return double(a) + double(b);
    case Op::Sub:
        return double(a) - double(b);
    case Op::Mul:
        break;
    }
    return double(a) * double(b);
}

// Integer overflow moves the result up to the next type instead of failing.
Variant arithmetic(Op op, const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull())
        return Variant::null();
    const bool textA = a.type() == VarType::String, textB = b.type() == VarType::String;
    if (textA || textB) {
        bool okA = true, okB = true;
        const double x = a.toDouble(&okA), y = b.toDouble(&okB);
        if (!okA || !okB)
            return Variant::null();
        return Variant(apply(op, x, y));
    }
    Kind kind = promote(kindOf(a.type()), kindOf(b.type()));
    if (kind == Kind::Date) {
        const double r = apply(op, a.toDouble(), b.toDouble());
        // Date - Date is a number of days; Date * x has no date meaning.
        const bool isDate = (op == Op::Add) || (op == Op::Sub && b.type() != VarType::Date);
        return isDate ? Variant::fromDate(r) : Variant(r);
    }
    if (kind == Kind::Currency) {
        const Currency x = a.toCurrency(), y = b.toCurrency();
        const std::optional<Currency> r = op == Op::Add   ? Currency::add(x, y)
                                          : op == Op::Sub ? Currency::subtract(x, y)
                                                          : Currency::multiply(x, y);
        // Out of range moves up to Double, as Integer and Long do.
        return r ? Variant(*r) : Variant(apply(op, x.toDouble(), y.toDouble()));
    }
    const double r = apply(op, a.toDouble(), b.toDouble());
    if (kind == Kind::Integer && r >= std::numeric_limits<std::int16_t>::min() &&
        r <= std::numeric_limits<std::int16_t>::max())
        return Variant(std::int16_t(r));
    if (kind <= Kind::Long && r >= std::numeric_limits<std::int32_t>::min() &&
        r <= std::numeric_limits<std::int32_t>::max())
        return Variant(int(r));
    if (kind == Kind::Single && std::fabs(r) <= std::numeric_limits<float>::max())
        return Variant(float(r));
    return Variant(r);
}

template <typename T> int threeWay(T x, T y) {
    return (x > y) - (x < y);
}

// Numbers in sorting order. NaN comes after every other number and equals NaN, so that a
// sort stays a strict weak ordering. A Currency compares exactly with any number: a double
// times Scale is exact in a long double, as is every scaled amount.
int compareNumbers(std::optional<Currency> cyA, double x, std::optional<Currency> cyB, double y) {
    static_assert(std::numeric_limits<long double>::digits >= 64, "exact scaled comparison");
    if (std::isnan(x) || std::isnan(y))
        return int(std::isnan(x)) - int(std::isnan(y));
    if (!cyA && !cyB)
        return threeWay(x, y);
    auto scaled = [](std::optional<Currency> c, double d) {
        return c ? static_cast<long double>(c->scaled)
                 : static_cast<long double>(d) * Currency::Scale;
    };
    return threeWay(scaled(cyA, x), scaled(cyB, y));
}

// Date text as CDate reads it, and the text a Date gives (vb::Format's "General Date": the
// short date, then the long time without its time zone). CDate reads the locale's long time
// only with the zone, and some locales' times need that pattern to be read at all (Finnish
// "H.mm.ss", Japanese "H時mm分ss秒").
std::optional<double> dateOfText(const QString& text) {
    bool parsed = false;
    if (const double serial = vb::CDate(text, &parsed); parsed)
        return serial;
    const QLocale locale;
    const QString time = vb::longTimePattern();
    if (const QTime t = locale.toTime(text, time); t.isValid())
        return vb::TimeSerial(t.hour(), t.minute(), t.second());
    const double serial =
        vb::toSerial(locale.toDateTime(text, vb::shortDatePattern() + u' ' + time));
    return vb::isValidSerial(serial) ? std::optional<double>(serial) : std::nullopt;
}

} // namespace

Variant::Variant(VarType scalarType) {
    m_s.scalar.type = scalarType;
}
Variant::Variant(bool v) : Variant(VarType::Boolean) {
    m_s.scalar.b = v;
}
Variant::Variant(std::int16_t v) : Variant(VarType::Integer) {
    m_s.scalar.i16 = v;
}
Variant::Variant(int v) : Variant(VarType::Long) {
    m_s.scalar.i32 = v;
}
Variant::Variant(float v) : Variant(VarType::Single) {
    m_s.scalar.f = v;
}
Variant::Variant(double v) : Variant(VarType::Double) {
    m_s.scalar.d = v;
}
Variant::Variant(Currency v) : Variant(VarType::Currency) {
    m_s.scalar.cy = v.scaled;
}
Variant::Variant(const QString& v) {
    setText(v);
}
Variant::Variant(const char* v) : Variant(QString::fromUtf8(v)) {}
Variant::Variant(const QDateTime& v) : Variant(fromDate(vb::toSerial(v))) {}
Variant::Variant(const QDate& v) : Variant(fromDate(vb::toSerial(v))) {}

namespace {
// At most InlineCapacity units, in fixed-size moves the compiler does in registers. A call
// to the library's copy for these few bytes costs more than the copy; on some processors
// far more, when a vector routine run earlier left the registers' upper halves in use.
void copyShortUnits(char16_t* to, const char16_t* from, size_t count) {
    const auto move = [&](size_t at, auto chunk) {
        std::memcpy(&chunk, reinterpret_cast<const char*>(from) + at, sizeof chunk);
        std::memcpy(reinterpret_cast<char*>(to) + at, &chunk, sizeof chunk);
    };
    const size_t bytes = count * sizeof(char16_t);
    if (bytes >= 16) { // 16..30: four overlapping words
        move(0, quint64{});
        move(8, quint64{});
        move(bytes - 16, quint64{});
        move(bytes - 8, quint64{});
    } else if (bytes >= 8) {
        move(0, quint64{});
        move(bytes - 8, quint64{});
    } else if (bytes >= 4) {
        move(0, quint32{});
        move(bytes - 4, quint32{});
    } else if (bytes == 2) {
        move(0, quint16{});
    }
}
} // namespace

// Expects no live QString here (a fresh Variant, or one just released).
void Variant::setText(const QString& text) {
    // A null text stays in a (free) null QString, so that toString() keeps it null.
    if (text.isNull() || text.size() > InlineCapacity) {
        new (&m_s.shared) SharedString{VarType::String, NotInline, text};
        return;
    }
    // The units past the length are never read: they stay as they are.
    auto* inlined = new (&m_s.inlined) InlineString;
    inlined->type = VarType::String;
    inlined->inlineLength = std::uint8_t(text.size());
    // constData, not utf16(): the latter copies a raw-data string to terminate it.
    copyShortUnits(inlined->units, reinterpret_cast<const char16_t*>(text.constData()),
                   size_t(text.size()));
}

QStringView Variant::textView() const {
    if (type() != VarType::String)
        return {};
    if (hasSharedText())
        return m_s.shared.str;
    return QStringView(m_s.inlined.units, m_s.inlined.inlineLength);
}

Variant Variant::null() {
    return Variant(VarType::Null);
}

Variant Variant::fromDate(double serial) {
    if (!vb::isValidSerial(serial))
        return null();
    Variant v(VarType::Date);
    v.m_s.scalar.d = serial;
    return v;
}

QString Variant::typeName() const {
    switch (type()) {
    case VarType::Empty:
        return QStringLiteral("Empty");
    case VarType::Null:
        return QStringLiteral("Null");
    case VarType::Integer:
        return QStringLiteral("Integer");
    case VarType::Long:
        return QStringLiteral("Long");
    case VarType::Single:
        return QStringLiteral("Single");
    case VarType::Double:
        return QStringLiteral("Double");
    case VarType::Currency:
        return QStringLiteral("Currency");
    case VarType::Date:
        return QStringLiteral("Date");
    case VarType::String:
        return QStringLiteral("String");
    case VarType::Boolean:
        return QStringLiteral("Boolean");
    }
    return {};
}

bool Variant::isNumericType() const {
    return type() >= VarType::Integer && type() <= VarType::Currency;
}

bool Variant::isNumeric() const {
    double ignored = 0;
    return isNumericType() || (type() == VarType::String && parseNumber(textView(), &ignored));
}

double Variant::toDouble(bool* ok) const {
    setOk(ok, true);
    switch (type()) {
    case VarType::Empty:
        return 0;
    case VarType::Null:
        break;
    case VarType::Integer:
        return m_s.scalar.i16;
    case VarType::Long:
        return m_s.scalar.i32;
    case VarType::Single:
        return m_s.scalar.f;
    case VarType::Double:
    case VarType::Date:
        return m_s.scalar.d;
    case VarType::Currency:
        return Currency{m_s.scalar.cy}.toDouble();
    case VarType::Boolean:
        return m_s.scalar.b ? -1 : 0;
    case VarType::String: {
        double v = 0;
        if (parseNumber(textView(), &v))
            return v;
        break;
    }
    }
    setOk(ok, false);
    return 0;
}

namespace {
template <typename T> T roundedInRange(const Variant& v, bool* ok) {
    bool converted = false;
    const double d = vb::RoundHalfEven(v.toDouble(&converted));
    if (converted && d >= std::numeric_limits<T>::min() && d <= std::numeric_limits<T>::max()) {
        setOk(ok, true);
        return T(d);
    }
    setOk(ok, false);
    return 0;
}
} // namespace

std::int32_t Variant::toLong(bool* ok) const {
    if (type() == VarType::Currency) {
        // Exact: round the scaled value half to even without a trip through double.
        const __int128 n = vb::divideHalfEven(m_s.scalar.cy, Currency::Scale);
        const bool fits = n >= std::numeric_limits<std::int32_t>::min() &&
                          n <= std::numeric_limits<std::int32_t>::max();
        setOk(ok, fits);
        return fits ? std::int32_t(n) : 0;
    }
    return roundedInRange<std::int32_t>(*this, ok);
}

std::int16_t Variant::toInteger(bool* ok) const {
    bool fits = false;
    const std::int32_t n = toLong(&fits);
    fits = fits && n >= std::numeric_limits<std::int16_t>::min() &&
           n <= std::numeric_limits<std::int16_t>::max();
    setOk(ok, fits);
    return fits ? std::int16_t(n) : 0;
}

float Variant::toSingle(bool* ok) const {
    bool converted = false;
    const double d = toDouble(&converted);
    const bool fits = converted && std::fabs(d) <= std::numeric_limits<float>::max();
    setOk(ok, fits);
    return fits ? float(d) : 0.0f;
}

Currency Variant::toCurrency(bool* ok) const {
    std::optional<Currency> c;
    switch (type()) {
    case VarType::Currency:
        c = Currency{m_s.scalar.cy};
        break;
    case VarType::Empty:
    case VarType::Boolean:
    case VarType::Integer:
    case VarType::Long:
        c = Currency{std::int64_t(toLong()) * Currency::Scale};
        break;
    case VarType::String:
        c = parseAmount(textView());
        break;
    default: { // Null, and the types kept in a double
        bool converted = false;
        const double d = toDouble(&converted);
        if (converted)
            c = Currency::tryFromDouble(d);
        break;
    }
    }
    setOk(ok, c.has_value());
    return c.value_or(Currency{});
}

bool Variant::toBool(bool* ok) const {
    if (type() == VarType::String) {
        const QStringView t = textView().trimmed();
        if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) {
            setOk(ok, true);
            return true;
        }
        if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) {
            setOk(ok, true);
            return false;
        }
    }
    bool converted = false;
    const double d = toDouble(&converted);
    setOk(ok, converted);
    return converted && d != 0;
}

double Variant::toDateSerial(bool* ok) const {
    if (type() == VarType::String) {
        // A raw-data QString reads the text where it is, inline or shared, without a copy.
        const QStringView text = textView();
        if (const std::optional<double> serial =
                dateOfText(QString::fromRawData(text.data(), text.size()))) {
            setOk(ok, true);
            return *serial;
        }
    }
    bool converted = false;
    const double d = toDouble(&converted);
    const bool valid = converted && vb::isValidSerial(d);
    setOk(ok, valid);
    return valid ? d : 0;
}

QDateTime Variant::toDateTime(bool* ok) const {
    bool converted = false;
    const double serial = toDateSerial(&converted);
    setOk(ok, converted);
    return converted ? vb::fromSerial(serial) : QDateTime();
}

QString Variant::toString() const {
    switch (type()) {
    case VarType::Empty:
    case VarType::Null:
        return {};
    case VarType::Integer:
        return QString::number(m_s.scalar.i16);
    case VarType::Long:
        return QString::number(m_s.scalar.i32);
    case VarType::Single:
        return doubleText(m_s.scalar.f, 7);
    case VarType::Double:
        return doubleText(m_s.scalar.d, 15);
    case VarType::Currency: {
        vb::Decimal d = vb::Decimal::fromScaled(m_s.scalar.cy, 4);
        const QByteArray whole = d.integerDigits();
        const int decimals = qMax(0, int(d.digits.size()) - d.exponent);
        QString s = QString::fromLatin1(whole.isEmpty() ? QByteArray("0") : whole);
        if (decimals > 0)
            s += QLocale().decimalPoint() + QString::fromLatin1(d.fractionDigits(decimals));
        return d.negative ? u'-' + s : s;
    }
    case VarType::Date:
        return vb::Format(*this, QStringLiteral("General Date"));
    case VarType::String:
        return hasSharedText() ? m_s.shared.str : textView().toString();
    case VarType::Boolean:
        return m_s.scalar.b ? QStringLiteral("True") : QStringLiteral("False");
    }
    return {};
}

Variant Variant::convertedTo(VarType t, bool* ok) const {
    bool converted = true;
    Variant out;
    switch (t) {
    case VarType::Empty:
        break;
    case VarType::Null:
        out = null();
        break;
    case VarType::Integer:
        out = Variant(toInteger(&converted));
        break;
    case VarType::Long:
        out = Variant(int(toLong(&converted)));
        break;
    case VarType::Single:
        out = Variant(toSingle(&converted));
        break;
    case VarType::Double:
        out = Variant(toDouble(&converted));
        break;
    case VarType::Currency:
        out = Variant(toCurrency(&converted));
        break;
    case VarType::Date:
        out = fromDate(toDateSerial(&converted));
        break;
    case VarType::String:
        converted = !isNull();
        out = Variant(toString());
        break;
    case VarType::Boolean:
        out = Variant(toBool(&converted));
        break;
    }
    setOk(ok, converted);
    return converted ? out : Variant();
}

int Variant::compare(const Variant& a, const Variant& b, Qt::CaseSensitivity cs) {
    // Classes in sort order: Empty, Null, numbers (numeric text included), other text.
    auto classOf = [](const Variant& v, double* number) {
        if (v.isEmpty())
            return 0;
        if (v.isNull())
            return 1;
        bool ok = false;
        *number = v.toDouble(&ok);
        return ok ? 2 : 3;
    };
    double x = 0, y = 0;
    const int ca = classOf(a, &x), cb = classOf(b, &y);
    if (ca != cb)
        return ca < cb ? -1 : 1;
    if (ca == 2) {
        auto amount = [](const Variant& v) {
            return v.type() == VarType::Currency
                       ? std::optional<Currency>(Currency{v.m_s.scalar.cy})
                       : std::nullopt;
        };
        return compareNumbers(amount(a), x, amount(b), y);
    }
    if (ca == 3)
        return threeWay(a.textView().compare(b.textView(), cs), 0);
    return 0;
}

// Expression comparison; nullopt when Null is involved.
std::optional<int> Variant::expressionCompare(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull())
        return std::nullopt;
    const bool textA = a.type() == VarType::String || a.isEmpty();
    const bool textB = b.type() == VarType::String || b.isEmpty();
    if (textA && textB)
        return a.textView().compare(b.textView(), Qt::CaseSensitive);
    // Beside a number, Empty is 0 (in sorting it comes first instead).
    static const Variant zero(std::int16_t(0));
    return Variant::compare(a.isEmpty() ? zero : a, b.isEmpty() ? zero : b);
}

bool operator==(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c == 0;
}
bool operator!=(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c != 0;
}
bool operator<(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c < 0;
}
bool operator<=(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c <= 0;
}
bool operator>(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c > 0;
}
bool operator>=(const Variant& a, const Variant& b) {
    const auto c = Variant::expressionCompare(a, b);
    return c && *c >= 0;
}

Variant operator+(const Variant& a, const Variant& b) {
    const bool textA = a.type() == VarType::String, textB = b.type() == VarType::String;
    // Text joins text; Empty counts as "" beside text.
    if ((textA || a.isEmpty()) && (textB || b.isEmpty()) && (textA || textB))
        return Variant(a.toString() + b.toString());
    return arithmetic(Op::Add, a, b);
}
Variant operator-(const Variant& a, const Variant& b) {
    return arithmetic(Op::Sub, a, b);
}
Variant operator*(const Variant& a, const Variant& b) {
    return arithmetic(Op::Mul, a, b);
}

Variant operator/(const Variant& a, const Variant& b) {
    if (a.isNull() || b.isNull())
        return Variant::null();
    bool okA = false, okB = false;
    const double x = a.toDouble(&okA), y = b.toDouble(&okB);
    if (!okA || !okB || y == 0)
        return Variant::null(); // no number to give: division by zero or text that is no number
    const bool single = (a.type() == VarType::Single || b.type() == VarType::Single) &&
                        promote(kindOf(a.type()), kindOf(b.type())) == Kind::Single;
    if (single && std::fabs(x / y) <= std::numeric_limits<float>::max())
        return Variant(float(x / y));
    return Variant(x / y);
}

bool Variant::sameAs(const Variant& other) const {
    if (type() != other.type())
        return false;
    switch (type()) {
    case VarType::Empty:
    case VarType::Null:
        return true;
    case VarType::Boolean:
        return m_s.scalar.b == other.m_s.scalar.b;
    case VarType::Integer:
        return m_s.scalar.i16 == other.m_s.scalar.i16;
    case VarType::Long:
        return m_s.scalar.i32 == other.m_s.scalar.i32;
    case VarType::Single:
        return m_s.scalar.f == other.m_s.scalar.f ||
               (std::isnan(m_s.scalar.f) && std::isnan(other.m_s.scalar.f));
    case VarType::Double:
    case VarType::Date:
        return m_s.scalar.d == other.m_s.scalar.d ||
               (std::isnan(m_s.scalar.d) && std::isnan(other.m_s.scalar.d));
    case VarType::Currency:
        return m_s.scalar.cy == other.m_s.scalar.cy;
    case VarType::String:
        return textView() == other.textView();
    }
    return false;
}
