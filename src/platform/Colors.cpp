#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <array>

namespace {

constexpr quint32 SystemColorFlag = 0x80000000u;

struct PaletteEntry {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index -> palette entry. The 3D colours follow Qt's own Windows mapping:
// shadow = Dark, dark shadow = Shadow, light = Midlight, button highlight = Light.
constexpr PaletteEntry Window{QPalette::Active, QPalette::Base};
constexpr std::array<PaletteEntry, 31> SystemColors{{
    {QPalette::Active, QPalette::Button},          // 0 scroll bar
    {QPalette::Active, QPalette::Dark},            // 1 desktop
    {QPalette::Active, QPalette::Highlight},       // 2 active caption
    {QPalette::Disabled, QPalette::Highlight},     // 3 inactive caption
    {QPalette::Active, QPalette::Window},          // 4 menu
    Window,                                        // 5 window
    {QPalette::Active, QPalette::Shadow},          // 6 window frame
    {QPalette::Active, QPalette::WindowText},      // 7 menu text
    {QPalette::Active, QPalette::Text},            // 8 window text
    {QPalette::Active, QPalette::HighlightedText}, // 9 caption text
    {QPalette::Active, QPalette::Button},          // 10 active border
    {QPalette::Active, QPalette::Button},          // 11 inactive border
    {QPalette::Active, QPalette::Mid},             // 12 application workspace
    {QPalette::Active, QPalette::Highlight},       // 13 highlight
    {QPalette::Active, QPalette::HighlightedText}, // 14 highlight text
    {QPalette::Active, QPalette::Button},          // 15 button face
    {QPalette::Active, QPalette::Dark},            // 16 button shadow
    {QPalette::Disabled, QPalette::Text},          // 17 grey text
    {QPalette::Active, QPalette::ButtonText},      // 18 button text
    {QPalette::Inactive, QPalette::WindowText},    // 19 inactive caption text
    {QPalette::Active, QPalette::Light},           // 20 button highlight
    {QPalette::Active, QPalette::Shadow},          // 21 3D dark shadow
    {QPalette::Active, QPalette::Midlight},        // 22 3D light
    {QPalette::Active, QPalette::ToolTipText},     // 23 tooltip text
    {QPalette::Active, QPalette::ToolTipBase},     // 24 tooltip background
    Window,                                        // 25 (not a system colour)
    {QPalette::Active, QPalette::Link},            // 26 hot light
    {QPalette::Active, QPalette::Highlight},       // 27 gradient active caption
    {QPalette::Disabled, QPalette::Highlight},     // 28 gradient inactive caption
    {QPalette::Active, QPalette::Highlight},       // 29 menu highlight
    {QPalette::Active, QPalette::Window},          // 30 menu bar
}};

QColor systemColor(quint32 index) {
    const PaletteEntry entry = index < SystemColors.size() ? SystemColors[index] : Window;
    return QGuiApplication::palette().color(entry.group, entry.role);
}

} // namespace

quint32 RGB(int red, int green, int blue) {
    const auto channel = [](int value) { return static_cast<quint32>(std::clamp(value, 0, 255)); };
    return channel(red) | channel(green) << 8 | channel(blue) << 16;
}

QColor OleColorToQColor(quint32 oleColor) {
    if ((oleColor & 0xFF000000u) == SystemColorFlag)
        return systemColor(oleColor & 0x00FFFFFFu);
    return QColor(oleColor & 0xFF, (oleColor >> 8) & 0xFF, (oleColor >> 16) & 0xFF);
}

quint32 OleColorToRGB(quint32 oleColor) {
    return QColorToOle(OleColorToQColor(oleColor));
}

quint32 QColorToOle(const QColor& color) {
    const QColor rgb = color.toRgb();
    return RGB(rgb.red(), rgb.green(), rgb.blue());
}
