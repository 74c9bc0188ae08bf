// vb::Format: any value with any format string formats without a crash or undefined
// behaviour, and the formats that show a number plainly (no format, "General Number") give a
// text that reads back as the same number (for Single and Double: as one showing the same
// text).

#include "FuzzSupport.h"
#include "runtime/Format.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::takeLocale(in);
    const Variant value = fuzz::takeVariant(in);
    vb::Format(value, fuzz::restAsText(in));

    fuzz::expectReadsBack("Format without a format string reads back", value, vb::Format(value),
                          [](const Variant& v) { return vb::Format(v); });
    // General Number shows the value as a Double: exact for these types only.
    switch (value.type()) {
    case VarType::Integer:
    case VarType::Long:
    case VarType::Double:
        fuzz::expectReadsBack(
            "Format \"General Number\" reads back", value,
            vb::Format(value, QStringLiteral("General Number")),
            [](const Variant& v) { return vb::Format(v, QStringLiteral("General Number")); });
        break;
    default:
        break;
    }
    return 0;
}
