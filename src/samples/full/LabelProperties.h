#pragma once

#include "runtime/Variant.h"

#include <QString>

#include <functional>
#include <optional>
#include <vector>

class DesignLabel;

// The property sheet of a DesignLabel, apart from any widget: the properties it lists in the
// order they are added, with their categories and editors, how each value is read from the
// label and written back, the entries of the drop-down lists, and the rules for typed and
// committed numbers.

enum class PropertyEditor { ReadOnly, List, MultiLineText, Number };

// The numbers of a position or size: whole pixels typed (a minus sign only where negative
// values are allowed), accepted at commit from low to high.
struct NumberRule {
    bool allowsMinus = false;
    double low = 0;
    double high = 0;
    QString rangeMessage; // what a refused value is told
};

struct LabelProperty {
    QString name;
    QString category;
    PropertyEditor editor = PropertyEditor::ReadOnly;
    QString list;                     // the key of the drop-down list (List editors)
    std::optional<NumberRule> number; // Number editors
    std::function<Variant(const DesignLabel&)> read;
    std::function<void(DesignLabel&, const Variant&)> write; // empty for read-only ones
};

const std::vector<LabelProperty>& LabelProperties();
// nullptr for a name the sheet does not list.
const LabelProperty* FindLabelProperty(const QString& name);

// One entry of a drop-down list; imageKey names its picture in the colour swatches ("" none).
struct PropertyListEntry {
    QString text;
    Variant value;
    QString imageKey;
};
// The entries of a list by its key ("Justify", "Colors"...); none for an unknown key.
std::vector<PropertyListEntry> PropertyListEntries(const QString& list);
// The key of the list whose entries show colour swatches.
inline const QString ColorsList = QStringLiteral("Colors");

// Whether an edit of a number may start with this text (the character typed to start it, or
// the value shown): a number, or "-" where negative values are allowed.
bool AcceptsStartText(const NumberRule& rule, const QString& text);
// Whether a character typed into the editor is kept, given the editor's text and caret
// (0-based). Control characters (below 32) always pass; otherwise only digits, and a minus
// sign in front where it is allowed.
bool KeepsTypedChar(const NumberRule& rule, int keyAscii, const QString& text, int caret);
// The message that refuses a committed text, "" when it is accepted: a number from low to
// high. A text that is no number at all ("", "-") is refused with the same message.
QString RefusalOf(const NumberRule& rule, const QString& text);
