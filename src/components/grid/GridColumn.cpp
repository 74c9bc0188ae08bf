#include "components/grid/GridColumn.h"

#include "model/GridStore.h"

#include <QHashFunctions>
#include <algorithm>

size_t qHash(const CellStyle& s, size_t seed) {
    seed = qHashMulti(seed, s.foreColor, s.backColor, s.icon, s.textFlags, s.styleFlags,
                      s.indentLeft, s.indentRight, s.indentTop, s.indentBottom);
    seed = qHashMulti(seed, s.iconAlign, s.alignment, s.vAlignment, s.checkState, s.cellType,
                      s.checkBoxAlign, s.checkBoxVisible, s.formatString, s.comboList);
    return s.font ? qHash(*s.font, seed) : seed;
}

GridColumn::GridColumn(GridStore* store, int width)
    : m_store(store),
      m_font([this] { return m_store ? m_store->fontData() : FontData{}; },
             [this] {
                 CellStyle next = m_defaults;
                 next.font = m_font.isSet() ? std::optional(m_font.data()) : std::nullopt;
                 changeDefaults(next);
             }),
      m_width(std::max(0, width)) {}

void GridColumn::changeDefaults(CellStyle next) {
    if (next == m_defaults)
        return;
    m_defaults = std::move(next);
    if (m_store)
        m_store->columnDefaultsChanged(this);
}

void GridColumn::changed() {
    if (m_store)
        m_store->columnSettingChanged(this);
}

FontObject GridColumn::CellFont() const {
    return m_font.handle();
}
void GridColumn::SetCellFont(const FontObject& font) {
    m_font.assign(font);
}

// The cell-default setters differ only in the field they change.
#define TESSIX_DEFAULT_SETTER(Name, Type, field)                                                   \
    void GridColumn::Set##Name(Type value) {                                                       \
        CellStyle next = m_defaults;                                                               \
        next.field = decltype(next.field)(value);                                                  \
        changeDefaults(std::move(next));                                                           \
    }
TESSIX_DEFAULT_SETTER(CellIcon, int, icon)
TESSIX_DEFAULT_SETTER(CellIconAlign, int, iconAlign)
TESSIX_DEFAULT_SETTER(CellIndentLeft, int, indentLeft)
TESSIX_DEFAULT_SETTER(CellIndentRight, int, indentRight)
TESSIX_DEFAULT_SETTER(CellIndentTop, int, indentTop)
TESSIX_DEFAULT_SETTER(CellIndentBottom, int, indentBottom)
TESSIX_DEFAULT_SETTER(CellAlignment, int, alignment)
TESSIX_DEFAULT_SETTER(CellVAlignment, int, vAlignment)
TESSIX_DEFAULT_SETTER(CellTextFlags, quint32, textFlags)
TESSIX_DEFAULT_SETTER(CellFormatString, const QString&, formatString)
TESSIX_DEFAULT_SETTER(CellForeColor, OleColor, foreColor)
TESSIX_DEFAULT_SETTER(CellBackColor, OleColor, backColor)
TESSIX_DEFAULT_SETTER(CellType, int, cellType)
TESSIX_DEFAULT_SETTER(CellComboList, const QString&, comboList)
TESSIX_DEFAULT_SETTER(CheckBoxVisible, bool, checkBoxVisible)
TESSIX_DEFAULT_SETTER(CheckBoxAlign, int, checkBoxAlign)
TESSIX_DEFAULT_SETTER(CellStyleFlags, quint32, styleFlags)
#undef TESSIX_DEFAULT_SETTER

void GridColumn::SetDefaultValue(const Variant& value) {
    if (m_defaultValue.sameAs(value))
        return;
    m_defaultValue = value;
    if (m_store)
        m_store->columnDefaultsChanged(this);
}

bool GridColumn::SetKey(const QString& key) {
    if (!m_store)
        return false;
    return m_store->columnKeyChange(this, key);
}

// Settings of the column itself: store, then tell the store (header repaint, layout).
#define TESSIX_SETTING_SETTER(Name, Type, member)                                                  \
    void GridColumn::Set##Name(Type value) {                                                       \
        if (member == decltype(member)(value))                                                     \
            return;                                                                                \
        member = decltype(member)(value);                                                          \
        changed();                                                                                 \
    }
TESSIX_SETTING_SETTER(HeaderText, const QString&, m_headerText)
TESSIX_SETTING_SETTER(HeaderAlignH, int, m_headerAlignH)
TESSIX_SETTING_SETTER(HeaderAlignV, int, m_headerAlignV)
TESSIX_SETTING_SETTER(HeaderTextFlags, quint32, m_headerTextFlags)
TESSIX_SETTING_SETTER(HeaderForeColor, OleColor, m_headerForeColor)
TESSIX_SETTING_SETTER(HeaderBackColor, OleColor, m_headerBackColor)
TESSIX_SETTING_SETTER(HeaderIcon, int, m_headerIcon)
TESSIX_SETTING_SETTER(AllowSizing, bool, m_allowSizing)
TESSIX_SETTING_SETTER(Visible, bool, m_visible)
TESSIX_SETTING_SETTER(SortType, int, m_sortType)
#undef TESSIX_SETTING_SETTER

void GridColumn::SetDefaultSortOrder(int order) {
    const qint8 o = order == SortDescending ? SortDescending : SortAscending;
    if (o == m_defaultSortOrder)
        return;
    m_defaultSortOrder = o;
    changed();
}

void GridColumn::SetMinWidth(int px) {
    m_minWidth = std::max(0, px);
    SetWidth(m_width);
    changed();
}

void GridColumn::SetMaxWidth(int px) {
    m_maxWidth = std::max(0, px);
    SetWidth(m_width);
    changed();
}

void GridColumn::SetWidth(int px) {
    int w = std::max(px, m_minWidth);
    if (m_maxWidth > 0)
        w = std::min(w, std::max(m_maxWidth, m_minWidth));
    w = std::max(0, w);
    if (w == m_width)
        return;
    m_width = w;
    changed();
}
