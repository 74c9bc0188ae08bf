#include "Numeric.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vb {

Decimal Decimal::fromDouble(double value, int significantDigits) {
    Decimal d;
    if (!std::isfinite(value) || value == 0)
        return d;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", qBound(1, significantDigits, 17) - 1, value);
    // "-d.ddddde+XX"
    const char* p = buf;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            d.digits.append(*p);
    d.exponent = (*p == 'e' ? std::atoi(p + 1) : 0) + 1;
    d.normalize();
    return d;
}

Decimal Decimal::fromScaled(qint64 value, int scale) {
    Decimal d;
    d.negative = value < 0;
    // Work on the unsigned magnitude so the most negative value is safe.
    quint64 magnitude = d.negative ? quint64(0) - quint64(value) : quint64(value);
    d.digits = QByteArray::number(magnitude);
    d.exponent = int(d.digits.size()) - scale;
    d.normalize();
    return d;
}

std::optional<Decimal> Decimal::parse(QStringView text) {
    // Exponents are kept far beyond any value a caller can hold, and far from int's limits.
    constexpr qint64 ExponentLimit = 100'000'000;
    const QStringView t = text.trimmed();
    qsizetype i = 0;
    auto isDigit = [&] { return i < t.size() && t[i] >= u'0' && t[i] <= u'9'; };
    auto isSign = [&] { return i < t.size() && (t[i] == u'+' || t[i] == u'-'); };
    Decimal d;
    if (isSign())
        d.negative = t[i++] == u'-';
    for (; isDigit(); ++i)
        d.digits.append(char(t[i].unicode()));
    const qint64 wholeDigits = d.digits.size();
    if (i < t.size() && t[i] == u'.')
        for (++i; isDigit(); ++i)
            d.digits.append(char(t[i].unicode()));
    if (d.digits.isEmpty())
        return std::nullopt;
    qint64 exponent = 0;
    if (i < t.size() && (t[i] == u'e' || t[i] == u'E')) {
        ++i;
        const bool negativeExponent = isSign() && t[i++] == u'-';
        if (!isDigit())
            return std::nullopt;
        for (; isDigit(); ++i)
            exponent = std::min(exponent * 10 + (t[i].unicode() - u'0'), ExponentLimit);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != t.size())
        return std::nullopt;
    d.exponent = int(qBound(-ExponentLimit, wholeDigits + exponent, ExponentLimit));
    d.normalize();
    return d;
}

std::optional<qint64> Decimal::toScaled(int scale, Rounding mode) const {
    Decimal d = *this;
    d.roundToDecimals(scale, mode);
    if (d.isZero())
        return 0;
    // Now a whole number of `length` digits once shifted; 10^19 is past qint64 already.
    const int length = d.exponent + scale;
    if (length > 19)
        return std::nullopt;
    quint64 magnitude = 0;
    for (int i = 0; i < length; ++i)
        magnitude = magnitude * 10 + quint64(i < d.digits.size() ? d.digits[i] - '0' : 0);
    const quint64 limit = (quint64(1) << 63) - (d.negative ? 0 : 1);
    if (magnitude > limit)
        return std::nullopt;
    return d.negative ? qint64(0 - magnitude) : qint64(magnitude);
}

void Decimal::normalize() {
    int lead = 0;
    while (lead < digits.size() && digits[lead] == '0')
        ++lead;
    digits.remove(0, lead);
    exponent -= lead;
    while (!digits.isEmpty() && digits.back() == '0')
        digits.chop(1);
    if (digits.isEmpty()) {
        negative = false;
        exponent = 0;
    }
}

void Decimal::roundAt(int keep, Rounding mode) {
    if (keep >= digits.size())
        return;
    if (keep < 0) {
        *this = Decimal();
        return;
    }
    const char first = digits[keep];
    const bool tie = first == '5' && keep + 1 == digits.size();
    bool up = first > '5' || (first == '5' && !tie);
    if (tie)
        up = mode == Rounding::HalfAwayFromZero || (keep > 0 && (digits[keep - 1] - '0') % 2 == 1);
    digits.truncate(keep);
    if (up) {
        int i = keep - 1;
        for (; i >= 0 && digits[i] == '9'; --i)
            digits[i] = '0';
        if (i >= 0) {
            digits[i] = char(digits[i] + 1);
        } else {
            digits.prepend('1');
            ++exponent;
        }
    }
    const bool wasNegative = negative;
    normalize();
    if (!digits.isEmpty())
        negative = wasNegative;
}

void Decimal::roundToDecimals(int decimals, Rounding mode) {
    roundAt(exponent + decimals, mode);
}

void Decimal::roundToSignificant(int count, Rounding mode) {
    roundAt(count, mode);
}

QByteArray Decimal::integerDigits() const {
    if (exponent <= 0)
        return {};
    QByteArray out = digits.left(exponent);
    out.append(QByteArray(qMax(0, exponent - int(digits.size())), '0'));
    return out;
}

QByteArray Decimal::fractionDigits(int count) const {
    QByteArray out;
    for (int i = 0; i < count; ++i) {
        const int index = exponent + i; // digit position in `digits`
        out.append(index >= 0 && index < digits.size() ? digits[index] : '0');
    }
    return out;
}

double Decimal::toDouble() const {
    if (isZero())
        return 0;
    const QByteArray text = (negative ? "-0." : "0.") + digits + 'e' + QByteArray::number(exponent);
    return std::strtod(text.constData(), nullptr);
}

__int128 divideHalfEven(__int128 n, qint64 d) {
    const __int128 q = n / d, r = n % d; // both toward zero, r with the sign of n
    const __int128 twice = 2 * (r < 0 ? -r : r);
    if (twice > d || (twice == d && q % 2 != 0))
        return q + (n < 0 ? -1 : 1);
    return q;
}

double RoundHalfEven(double value, int digits) {
    if (!std::isfinite(value))
        return value;
    Decimal d = Decimal::fromDouble(value);
    d.roundToDecimals(digits, Decimal::Rounding::HalfEven);
    return d.toDouble();
}

double Int(double value) {
    return std::floor(value);
}

double Fix(double value) {
    return std::trunc(value);
}

} // namespace vb
