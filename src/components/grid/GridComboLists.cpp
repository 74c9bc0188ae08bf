#include "components/grid/GridComboLists.h"

#include "components/iconlist/IconList.h"

#include <QApplication>
#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

namespace {
constexpr int EntryMargin = 6; // left and right padding of an entry in the open list
constexpr int IconGap = 4;

void notify(const ComboList::Changed& changed) {
    if (changed)
        changed();
}
} // namespace

ComboList::ComboList(const QString& key, FontHolder::Fallback gridFont, Changed changed)
    : m_key(key), m_font(std::move(gridFont), changed), m_changed(std::move(changed)) {}

bool ComboList::isSeparatorValue(const Variant& value) {
    return value.type() == VarType::Integer && value.toInteger() == 0;
}

int ComboList::AddItem(const QString& text, const Variant& value, int icon, int reserved) {
    m_items.push_back({text, value, std::max(0, icon), reserved});
    notify(m_changed);
    return int(m_items.size()) - 1;
}

void ComboList::Clear() {
    m_items.clear();
    notify(m_changed);
}

const ComboList::Item* ComboList::item(int index) const {
    return index >= 0 && index < ItemCount() ? &m_items[size_t(index)] : nullptr;
}

QString ComboList::ItemText(int index) const {
    const Item* i = item(index);
    return i ? i->text : QString();
}

Variant ComboList::ItemValue(int index) const {
    const Item* i = item(index);
    return i ? i->value : Variant();
}

int ComboList::ItemIcon(int index) const {
    const Item* i = item(index);
    return i ? i->icon : 0;
}

bool ComboList::ItemIsSeparator(int index) const {
    const Item* i = item(index);
    return i && isSeparatorValue(i->value);
}

int ComboList::FindItem(const Variant& value) const {
    if (value.isEmpty() || value.isNull())
        return -1;
    // Text never matches a number here ("1" is not the entry 1), and a separator only
    // matches the separator value itself (False must find the False entry, not a heading).
    const bool text = value.type() == VarType::String;
    const bool separator = isSeparatorValue(value);
    for (int i = 0; i < ItemCount(); ++i) {
        const Variant& v = m_items[size_t(i)].value;
        if (v.isNull() || v.isEmpty() || (v.type() == VarType::String) != text)
            continue;
        if (isSeparatorValue(v) == separator && v == value)
            return i;
    }
    return -1;
}

void ComboList::SetDropDownItems(int count) {
    m_dropDownItems = std::max(1, count);
}

void ComboList::SetDropDownWidth(int px) {
    m_dropDownWidth = std::max(0, px);
}

void ComboList::AutoDropDownWidth() {
    const QFontMetrics fm(m_font.data().toQFont());
    int widest = 0;
    for (const Item& i : m_items)
        widest = std::max(widest, fm.horizontalAdvance(i.text));
    int width = widest + 2 * EntryMargin;
    if (m_imageList && m_imageList->ImageCount() > 0)
        width += m_imageList->ImageWidth() + IconGap;
    if (ItemCount() > m_dropDownItems)
        width += QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    m_dropDownWidth = width + 2; // the list's frame
}

void ComboList::SetImageList(IconList* list) {
    m_imageList = list;
    notify(m_changed);
}

// ----- ComboLists -----

ComboLists::ComboLists(FontHolder::Fallback gridFont, ComboList::Changed changed)
    : m_gridFont(std::move(gridFont)), m_changed(std::move(changed)) {}

ComboLists::~ComboLists() = default;

ComboList* ComboLists::Add(const QString& key) {
    if (ComboList* existing = Item(key))
        return existing;
    m_lists.push_back(std::make_unique<ComboList>(key, m_gridFont, m_changed));
    notify(m_changed);
    return m_lists.back().get();
}

ComboList* ComboLists::Item(const QString& key) const {
    for (const auto& list : m_lists)
        if (list->Key().compare(key, Qt::CaseInsensitive) == 0)
            return list.get();
    return nullptr;
}

ComboList* ComboLists::Item(int index) const {
    return index >= 1 && index <= Count() ? m_lists[size_t(index - 1)].get() : nullptr;
}

bool ComboLists::Remove(const QString& key) {
    const auto it = std::find_if(m_lists.begin(), m_lists.end(), [&](const auto& list) {
        return list->Key().compare(key, Qt::CaseInsensitive) == 0;
    });
    if (it == m_lists.end())
        return false;
    m_lists.erase(it);
    notify(m_changed);
    return true;
}

void ComboLists::Clear() {
    m_lists.clear();
    notify(m_changed);
}

std::optional<QString> ComboLists::entryText(const QString& key, const Variant& value) const {
    const ComboList* list = Item(key);
    const int index = list ? list->FindItem(value) : -1;
    if (index < 0)
        return std::nullopt;
    return list->ItemText(index);
}

std::pair<const IconList*, int> ComboLists::entryIcon(const QString& key,
                                                      const Variant& value) const {
    const ComboList* list = Item(key);
    const int index = list ? list->FindItem(value) : -1;
    if (index < 0 || !list->ImageList() || list->ItemIcon(index) <= 0)
        return {nullptr, 0};
    return {list->ImageList(), list->ItemIcon(index)};
}
