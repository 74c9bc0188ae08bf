#include "Currency.h"

#include "Numeric.h"

#include <cmath>
#include <limits>

namespace {

constexpr int Decimals = 4; // Currency::Scale = 10^Decimals

std::optional<Currency> fromDecimal(const vb::Decimal& d) {
    const std::optional<qint64> scaled = d.toScaled(Decimals, vb::Decimal::Rounding::HalfEven);
    return scaled ? std::optional<Currency>(Currency{*scaled}) : std::nullopt;
}

std::optional<Currency> fromWide(__int128 scaled) {
    if (scaled < std::numeric_limits<std::int64_t>::min() ||
        scaled > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    return Currency{std::int64_t(scaled)};
}

} // namespace

Currency Currency::fromDouble(double v) {
    if (const std::optional<Currency> c = tryFromDouble(v))
        return *c;
    if (std::isnan(v))
        return {};
    return Currency{v < 0 ? std::numeric_limits<std::int64_t>::min()
                          : std::numeric_limits<std::int64_t>::max()};
}

std::optional<Currency> Currency::tryFromDouble(double v) {
    if (!std::isfinite(v))
        return std::nullopt;
    return fromDecimal(vb::Decimal::fromDouble(v));
}

std::optional<Currency> Currency::parse(QStringView text) {
    const std::optional<vb::Decimal> d = vb::Decimal::parse(text);
    return d ? fromDecimal(*d) : std::nullopt;
}

std::optional<Currency> Currency::add(Currency a, Currency b) {
    return fromWide(__int128(a.scaled) + b.scaled);
}

std::optional<Currency> Currency::subtract(Currency a, Currency b) {
    return fromWide(__int128(a.scaled) - b.scaled);
}

std::optional<Currency> Currency::multiply(Currency a, Currency b) {
    // The product carries the scale twice; take one off, rounding half to even.
    return fromWide(vb::divideHalfEven(__int128(a.scaled) * b.scaled, Scale));
}
