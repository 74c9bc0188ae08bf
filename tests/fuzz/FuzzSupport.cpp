#include "FuzzSupport.h"

#include <QGuiApplication>
#include <QLocale>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

// libFuzzer calls this once before the first input. The grid and the fonts need a GUI
// application; offscreen unless the caller chose a platform.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

namespace fuzz {

QString takeText(FuzzedDataProvider& in, std::size_t maxBytes) {
    return QString::fromStdString(in.ConsumeRandomLengthString(maxBytes));
}

QString restAsText(FuzzedDataProvider& in) {
    return QString::fromStdString(in.ConsumeRemainingBytesAsString());
}

Variant takeVariant(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0:
        return {};
    case 1:
        return Variant::null();
    case 2:
        return Variant(in.ConsumeIntegral<std::int16_t>());
    case 3:
        return Variant(in.ConsumeIntegral<std::int32_t>());
    case 4:
        return Variant(std::bit_cast<float>(in.ConsumeIntegral<std::uint32_t>()));
    case 5:
        return Variant(std::bit_cast<double>(in.ConsumeIntegral<std::uint64_t>()));
    case 6:
        return Variant(Currency{in.ConsumeIntegral<std::int64_t>()});
    case 7: // a little beyond the years 100..9999 on both sides
        return Variant::fromDate(in.ConsumeFloatingPointInRange(-700000.0, 3000000.0));
    case 8:
        return Variant(takeText(in, 64));
    default:
        return Variant(in.ConsumeBool());
    }
}

void takeLocale(FuzzedDataProvider& in) {
    static const QLocale locales[] = {QLocale::c(),
                                      QLocale(QLocale::English, QLocale::UnitedStates),
                                      QLocale(QLocale::German, QLocale::Germany),
                                      QLocale(QLocale::French, QLocale::France),
                                      QLocale(QLocale::English, QLocale::UnitedKingdom),
                                      QLocale(QLocale::Japanese, QLocale::Japan)};
    QLocale::setDefault(locales[in.ConsumeIntegralInRange<std::size_t>(0, std::size(locales) - 1)]);
}

QString describe(const Variant& value) {
    QString text;
    switch (value.type()) {
    case VarType::Single:
        text = QString::number(value.toSingle(), 'g', 9);
        break;
    case VarType::Double:
        text = QString::number(value.toDouble(), 'g', 17);
        break;
    case VarType::Currency:
        text = QString::number(value.toCurrency().scaled) + QStringLiteral(" / 10000");
        break;
    case VarType::Date:
        text = QString::number(value.toDateSerial(), 'g', 17);
        break;
    default:
        text = value.toString();
    }
    return value.typeName() + u' ' + text;
}

void fail(const char* property, const QString& detail) {
    std::fprintf(stderr, "\n*** Property broken: %s\n%s\n  (locale %s)\n", property,
                 qUtf8Printable(detail), qUtf8Printable(QLocale().name()));
    std::abort();
}

void expectEqual(const char* property, const QString& expected, const QString& actual) {
    if (expected != actual)
        fail(property,
             QStringLiteral("expected: \"%1\"\n  actual:   \"%2\"").arg(expected, actual));
}

void expectReadsBack(const char* property, const Variant& value, const QString& text,
                     const std::function<QString(const Variant&)>& render) {
    const VarType type = value.type();
    switch (type) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Currency:
    case VarType::Boolean:
    case VarType::Date:
        break;
    case VarType::Single:
    case VarType::Double:
        if (!std::isfinite(value.toDouble()))
            return;
        break;
    default:
        return;
    }
    bool ok = false;
    const Variant back = Variant(text).convertedTo(type, &ok);
    bool same = ok && back.sameAs(value);
    if (type == VarType::Date)
        same = ok && std::abs(back.toDateTime().msecsTo(value.toDateTime())) < 1000;
    else if (type == VarType::Single || type == VarType::Double)
        same = ok && render(back) == text;
    if (!same)
        fail(property, QStringLiteral("value: %1\n  text:  \"%2\"\n  read:  %3")
                           .arg(describe(value), text, ok ? describe(back) : QStringLiteral("-")));
}

} // namespace fuzz
