#include "samples/full/LabelProperties.h"

#include "platform/Colors.h"
#include "samples/full/DesignLabel.h"

#include <QHash>

#include <algorithm>
#include <type_traits>
#include <utility>

namespace {

const QString Appearance = QStringLiteral("Appearance");
const QString Behavior = QStringLiteral("Behavior");
const QString Misc = QStringLiteral("Misc");
const QString Position = QStringLiteral("Position");

const QString TrueFalse = QStringLiteral("True/False");

const NumberRule SizeRule{false, 1, 200, QStringLiteral("Must be a value from 1 to 200!")};
const NumberRule PlaceRule{true, -10, 100, QStringLiteral("Must be a value from -10 to 100!")};

// How a label value is kept in its cell and read back from it. Colours are kept as 32-bit
// numbers, and so are the codes: a 16-bit 0 marks a separator in a drop-down list, which
// could not be chosen, and "0 - None" must be.
template <class T> Variant stored(T value) {
    return Variant(value);
}
Variant stored(quint32 color) {
    return Variant(int(color));
}
template <class T> T fromCell(const Variant& v);
template <> int fromCell(const Variant& v) {
    return v.toInteger();
}
template <> bool fromCell(const Variant& v) {
    return v.toBool();
}
template <> quint32 fromCell(const Variant& v) {
    return quint32(v.toLong());
}
template <> float fromCell(const Variant& v) {
    return v.toSingle();
}
template <> QString fromCell(const Variant& v) {
    return v.toString();
}

template <class T, class Arg>
LabelProperty property(const QString& name, const QString& category, PropertyEditor editor,
                       const QString& list, std::optional<NumberRule> rule,
                       T (DesignLabel::*get)() const, void (DesignLabel::*set)(Arg)) {
    return {name,
            category,
            editor,
            list,
            std::move(rule),
            [get](const DesignLabel& l) { return stored((l.*get)()); },
            [set](DesignLabel& l, const Variant& v) { (l.*set)(fromCell<std::decay_t<Arg>>(v)); }};
}

// A value chosen from a drop-down list.
template <class T, class Arg>
LabelProperty code(const QString& name, const QString& category, const QString& list,
                   T (DesignLabel::*get)() const, void (DesignLabel::*set)(Arg)) {
    return property(name, category, PropertyEditor::List, list, {}, get, set);
}

LabelProperty boolean(const QString& name, const QString& category,
                      bool (DesignLabel::*get)() const, void (DesignLabel::*set)(bool)) {
    return code(name, category, TrueFalse, get, set);
}

LabelProperty color(const QString& name, quint32 (DesignLabel::*get)() const,
                    void (DesignLabel::*set)(quint32)) {
    return code(name, Appearance, ColorsList, get, set);
}

LabelProperty number(const QString& name, const NumberRule& rule, float (DesignLabel::*get)() const,
                     void (DesignLabel::*set)(float)) {
    return property(name, Position, PropertyEditor::Number, {}, rule, get, set);
}

LabelProperty text(const QString& name, const QString& category,
                   QString (DesignLabel::*get)() const, void (DesignLabel::*set)(const QString&)) {
    return property(name, category, PropertyEditor::MultiLineText, {}, {}, get, set);
}

std::vector<PropertyListEntry> codes(std::initializer_list<const char*> texts) {
    std::vector<PropertyListEntry> entries;
    for (const char* entry : texts)
        entries.push_back({QString::fromLatin1(entry), Variant(int(entries.size())), {}});
    return entries;
}

bool isDigit(int keyAscii) {
    return keyAscii >= '0' && keyAscii <= '9';
}

} // namespace

const std::vector<LabelProperty>& LabelProperties() {
    static const std::vector<LabelProperty> table = {
        {QStringLiteral("(Name)"),
         Misc,
         PropertyEditor::ReadOnly,
         {},
         {},
         [](const DesignLabel& l) { return Variant(l.Name()); },
         {}},
        code(QStringLiteral("Alignment"), Misc, QStringLiteral("Justify"), &DesignLabel::Alignment,
             &DesignLabel::SetAlignment),
        code(QStringLiteral("Appearance"), Appearance, QStringLiteral("Appearance"),
             &DesignLabel::Appearance, &DesignLabel::SetAppearance),
        boolean(QStringLiteral("AutoSize"), Position, &DesignLabel::AutoSize,
                &DesignLabel::SetAutoSize),
        color(QStringLiteral("BackColor"), &DesignLabel::BackColor, &DesignLabel::SetBackColor),
        code(QStringLiteral("BackStyle"), Appearance, QStringLiteral("BackStyle"),
             &DesignLabel::BackStyle, &DesignLabel::SetBackStyle),
        code(QStringLiteral("BorderStyle"), Appearance, QStringLiteral("BorderStyle"),
             &DesignLabel::BorderStyle, &DesignLabel::SetBorderStyle),
        text(QStringLiteral("Caption"), Appearance, &DesignLabel::Caption,
             &DesignLabel::SetCaption),
        boolean(QStringLiteral("Enabled"), Behavior, &DesignLabel::Enabled,
                &DesignLabel::SetEnabled),
        color(QStringLiteral("ForeColor"), &DesignLabel::ForeColor, &DesignLabel::SetForeColor),
        number(QStringLiteral("Height"), SizeRule, &DesignLabel::Height, &DesignLabel::SetHeight),
        number(QStringLiteral("Left"), PlaceRule, &DesignLabel::Left, &DesignLabel::SetLeft),
        code(QStringLiteral("MousePointer"), Misc, QStringLiteral("MousePointer"),
             &DesignLabel::MousePointer, &DesignLabel::SetMousePointer),
        text(QStringLiteral("Tag"), Misc, &DesignLabel::Tag, &DesignLabel::SetTag),
        text(QStringLiteral("ToolTipText"), Misc, &DesignLabel::ToolTipText,
             &DesignLabel::SetToolTipText),
        number(QStringLiteral("Top"), PlaceRule, &DesignLabel::Top, &DesignLabel::SetTop),
        boolean(QStringLiteral("UseMnemonic"), Misc, &DesignLabel::UseMnemonic,
                &DesignLabel::SetUseMnemonic),
        number(QStringLiteral("Width"), SizeRule, &DesignLabel::Width, &DesignLabel::SetWidth),
        boolean(QStringLiteral("WordWrap"), Misc, &DesignLabel::WordWrap,
                &DesignLabel::SetWordWrap),
    };
    return table;
}

const LabelProperty* FindLabelProperty(const QString& name) {
    const std::vector<LabelProperty>& table = LabelProperties();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const LabelProperty& p) { return p.name == name; });
    return found == table.end() ? nullptr : &*found;
}

std::vector<PropertyListEntry> PropertyListEntries(const QString& list) {
    if (list == QLatin1String("Justify"))
        return codes({"0 - Left Justify", "1 - Right Justify", "2 - Center"});
    if (list == QLatin1String("Appearance"))
        return codes({"0 - Flat", "1 - 3D"});
    if (list == TrueFalse)
        return {{QStringLiteral("True"), Variant(true), {}},
                {QStringLiteral("False"), Variant(false), {}}};
    if (list == QLatin1String("BackStyle"))
        return codes({"0 - Transparent", "1 - Opaque"});
    if (list == QLatin1String("BorderStyle"))
        return codes({"0 - None", "1 - Fixed Single"});
    if (list == QLatin1String("MousePointer"))
        return codes({"0 - Default", "1 - Arrow", "2 - Cross", "3 - I-Beam", "4 - Icon", "5 - Size",
                      "6 - Size NE SW", "7 - Size N S", "8 - Size NW SE", "9 - Size W E",
                      "10 - Up Arrow", "11 - Hourglass", "12 - No Drop", "13 - Arrow and Hourglass",
                      "14 - Arrow and Question", "15 - Size All"});
    if (list == ColorsList) {
        struct Swatch {
            const char* text;
            int red, green, blue;
            const char* key;
        };
        static const Swatch swatches[] = {{"Black", 0, 0, 0, "BLACK"},
                                          {"Dark Red", 128, 0, 0, "DARKRED"},
                                          {"Dark Green", 0, 128, 0, "DARKGREEN"},
                                          {"Ochre", 128, 128, 0, "OCHRE"},
                                          {"Dark Blue", 0, 0, 128, "DARKBLUE"},
                                          {"Purple", 128, 0, 128, "PURPLE"},
                                          {"Turquoise", 0, 128, 128, "TURQUOISE"},
                                          {"Gray", 128, 128, 128, "GRAY"},
                                          {"Silver", 192, 192, 192, "SILVER"},
                                          {"Red", 255, 0, 0, "RED"},
                                          {"Green", 0, 255, 0, "GREEN"},
                                          {"Yellow", 255, 255, 0, "YELLOW"},
                                          {"Blue", 0, 0, 255, "BLUE"},
                                          {"Magenta", 255, 0, 255, "MAGENTA"},
                                          {"Cyan", 0, 255, 255, "CYAN"},
                                          {"White", 255, 255, 255, "WHITE"}};
        std::vector<PropertyListEntry> entries;
        for (const Swatch& s : swatches)
            entries.push_back({QString::fromLatin1(s.text),
                               Variant(int(RGB(s.red, s.green, s.blue))),
                               QString::fromLatin1(s.key)});
        return entries;
    }
    return {};
}

bool AcceptsStartText(const NumberRule& rule, const QString& text) {
    return (rule.allowsMinus && text == QLatin1String("-")) || Variant(text).isNumeric();
}

bool KeepsTypedChar(const NumberRule& rule, int keyAscii, const QString& text, int caret) {
    if (keyAscii < 32)
        return true;
    if (!rule.allowsMinus)
        return isDigit(keyAscii);
    const bool hasMinus = text.contains(u'-');
    if (keyAscii == '-')
        return !hasMinus && caret == 0;
    if (isDigit(keyAscii))
        return !(hasMinus && caret == 0); // nothing in front of the minus sign
    return false;
}

QString RefusalOf(const NumberRule& rule, const QString& text) {
    bool ok = false;
    const double value = Variant(text).toDouble(&ok);
    const bool accepted =
        ok && !text.trimmed().isEmpty() && value >= rule.low && value <= rule.high;
    return accepted ? QString() : rule.rangeMessage;
}
