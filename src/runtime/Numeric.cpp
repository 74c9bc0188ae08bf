#include "Numeric.h"

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
