// Variant: a value's text converts back to the value wherever the conversion is exact, and
// compare (the sort order) is a strict weak ordering, so the grid's sort is well defined.

#include "FuzzSupport.h"

#include <algorithm>
#include <array>

namespace {

int sign(int c) {
    return (c > 0) - (c < 0);
}

void expectOrdering(const std::array<Variant, 3>& values, Qt::CaseSensitivity cs) {
    const auto cmp = [&](std::size_t a, std::size_t b) {
        return sign(Variant::compare(values[a], values[b], cs));
    };
    const auto show = [&](std::initializer_list<std::size_t> which) {
        QString text = cs == Qt::CaseSensitive ? QStringLiteral("case sensitive")
                                               : QStringLiteral("case insensitive");
        for (std::size_t i : which)
            text += QStringLiteral("\n  %1").arg(fuzz::describe(values[i]));
        return text;
    };
    for (std::size_t a = 0; a < values.size(); ++a) {
        if (cmp(a, a) != 0)
            fuzz::fail("compare(a, a) is 0", show({a}));
        for (std::size_t b = 0; b < values.size(); ++b) {
            if (cmp(a, b) != -cmp(b, a))
                fuzz::fail("compare(a, b) is -compare(b, a)", show({a, b}));
            for (std::size_t c = 0; c < values.size(); ++c) {
                const int ab = cmp(a, b), bc = cmp(b, c);
                // a <= b <= c gives a <= c, and a < c when either step is strict.
                if (ab <= 0 && bc <= 0 && cmp(a, c) != std::min(ab, bc))
                    fuzz::fail("compare is transitive", show({a, b, c}));
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    fuzz::takeLocale(in);
    const std::array<Variant, 3> values{fuzz::takeVariant(in), fuzz::takeVariant(in),
                                        fuzz::takeVariant(in)};
    for (const Variant& v : values)
        fuzz::expectReadsBack("a value's text converts back to it", v, v.toString());
    expectOrdering(values, Qt::CaseSensitive);
    expectOrdering(values, Qt::CaseInsensitive);
    return 0;
}
