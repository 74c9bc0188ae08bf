#pragma once
// What every fuzz target shares: the Qt application the libraries expect (offscreen, made
// once before the first input), readers that turn the fuzzer's bytes into texts, values and
// locales, the check that a value's text reads back as the value, and the way a broken
// property ends the run: it prints what differed and aborts, so libFuzzer keeps the input.

#include "runtime/Variant.h"

#include <QString>
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <functional>

namespace fuzz {

// Up to maxBytes of the input read as UTF-8; malformed bytes become U+FFFD, so the text is
// always valid (a file stores no lone surrogates).
QString takeText(FuzzedDataProvider& in, std::size_t maxBytes);
// The rest of the input, read the same way.
QString restAsText(FuzzedDataProvider& in);
// A value of any type, its payload from the input (NaN and infinities included).
Variant takeVariant(FuzzedDataProvider& in);
// Makes one of a few locales the default: point or comma decimals, other date orders.
void takeLocale(FuzzedDataProvider& in);

// "Double 0.30000000000000004": the type and a text that shows the exact value.
QString describe(const Variant& value);

[[noreturn]] void fail(const char* property, const QString& detail);
void expectEqual(const char* property, const QString& expected, const QString& actual);

// Whether text, converted back to value's type, gives value again: exactly for Integer,
// Long, Currency and Boolean, to the second for Date. Single and Double show 7 and 15
// significant digits, as the classic runtime does: their text reads back as a value that
// render shows as the same text (a save and load changes nothing after the first). Other
// types (and non-finite numbers, which have no number text) are not checked.
void expectReadsBack(
    const char* property, const Variant& value, const QString& text,
    const std::function<QString(const Variant&)>& render = [](const Variant& v) {
        return v.toString();
    });

} // namespace fuzz
