#pragma once
// Rounding as the classic Basic runtime does it. Doubles are first written out with 15
// significant digits, as that runtime does, so 2.675 rounds like the decimal it shows.
// Decimal text reads exactly into the same digits, so money never passes through a double.

#include <QByteArray>
#include <QStringView>
#include <QtGlobal>
#include <optional>

namespace vb {

// A number as decimal digits: value = (negative ? -1 : 1) × 0.digits × 10^exponent.
struct Decimal {
    enum class Rounding { HalfEven, HalfAwayFromZero };

    bool negative = false;
    QByteArray digits; // '0'..'9', no leading or trailing zeros; empty means zero
    int exponent = 0;

    static Decimal fromDouble(double value, int significantDigits = 15);
    // value / 10^scale, exact (used for integers and Currency).
    static Decimal fromScaled(qint64 value, int scale);
    // Exact decimal text in the invariant form: blanks around, an optional sign, digits
    // with an optional point, an optional exponent ("1.5E-2"). nullopt for anything else.
    static std::optional<Decimal> parse(QStringView text);

    bool isZero() const { return digits.isEmpty(); }
    void roundToDecimals(int decimals, Rounding mode);
    void roundToSignificant(int count, Rounding mode);
    // Digits before the decimal point ("" for zero) and the first `count` after it.
    QByteArray integerDigits() const;
    QByteArray fractionDigits(int count) const;
    double toDouble() const;
    // value × 10^scale rounded to a whole number, exactly; nullopt outside qint64.
    std::optional<qint64> toScaled(int scale, Rounding mode) const;

private:
    void roundAt(int keep, Rounding mode); // keep = digits kept from the front
    void normalize();
};

// n / d rounded half to even, exactly (d > 0).
__int128 divideHalfEven(__int128 n, qint64 d);

double RoundHalfEven(double value, int digits = 0); // Round
double Int(double value);                           // toward minus infinity
double Fix(double value);                           // toward zero

} // namespace vb
