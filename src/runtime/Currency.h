#pragma once
// Money as the classic Basic runtime keeps it: a 64-bit integer counting ten-thousandths,
// from -922337203685477.5808 to 922337203685477.5807. Text and arithmetic work on that
// integer itself, never through a double, so every amount of the range reads, adds and
// multiplies exactly; a result outside the range is reported (nullopt), never wrapped or
// made 0. Amounts with more than four decimals round half to even at the fourth.

#include <QStringView>
#include <cstdint>
#include <optional>

struct Currency {
    static constexpr std::int64_t Scale = 10000;
    std::int64_t scaled = 0;

    // Rounds v (written out with 15 significant digits, as the runtime shows doubles) half
    // to even at the 4th decimal. A v outside the range gives the nearest limit, NaN gives
    // 0; tryFromDouble says so instead.
    static Currency fromDouble(double v);
    static std::optional<Currency> tryFromDouble(double v);

    // Reads an amount exactly in the invariant form files store it in: blanks around, an
    // optional sign (+ or -), digits with an optional decimal point (".5" and "5." too)
    // and an optional exponent ("2e3", "1.5E-2"); no group separators, no currency
    // symbol. nullopt for text that is no such number and for an amount outside the range.
    // Variant's text conversion also reads the user's locale and its currency symbol.
    static std::optional<Currency> parse(QStringView text);

    // Exact arithmetic; nullopt when the result lies outside the range. The product
    // rounds half to even at the 4th decimal.
    static std::optional<Currency> add(Currency a, Currency b);
    static std::optional<Currency> subtract(Currency a, Currency b);
    static std::optional<Currency> multiply(Currency a, Currency b);

    double toDouble() const { return double(scaled) / Scale; }
    friend auto operator<=>(const Currency&, const Currency&) = default;
};
