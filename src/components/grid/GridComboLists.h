#pragma once
// Drop-down lists of combo cells (CellType 1). A list is made once under a key and used by
// any number of cells through CellComboList. Entries are addressed by a 0-based index; each
// has a text (what the cell shows), a value (what the cell stores) and an icon index in the
// list's own ImageList. An entry whose value is the 16-bit integer 0 is a separator: it is
// shown as a heading and can never be chosen.

#include "components/grid/FontObject.h"
#include "components/iconlist/IconList.h"
#include "runtime/Variant.h"

#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class ComboList {
public:
    using Changed = std::function<void()>;
    ComboList(const QString& key, FontHolder::Fallback gridFont, Changed changed);
    ComboList(const ComboList&) = delete;
    ComboList& operator=(const ComboList&) = delete;

    QString Key() const { return m_key; }

    // Appends an entry and returns its index. The fourth argument is accepted and kept.
    int AddItem(const QString& text, const Variant& value = {}, int icon = 0, int reserved = -1);
    void Clear();
    int ItemCount() const { return int(m_items.size()); }
    // Entry members by 0-based index; a bad index reads "", Empty, 0, false.
    QString ItemText(int index) const;
    Variant ItemValue(int index) const;
    int ItemIcon(int index) const;
    bool ItemIsSeparator(int index) const;
    // Index of the first entry whose value equals `value` (numbers compare across types,
    // as the program's own comparisons do); -1 when there is none.
    int FindItem(const Variant& value) const;

    // Entries visible in the open list without scrolling (at least 1; initially 8).
    int DropDownItems() const { return m_dropDownItems; }
    void SetDropDownItems(int count);
    // Width of the open list in pixels; 0 (initially) = as wide as the cell.
    int DropDownWidth() const { return m_dropDownWidth; }
    void SetDropDownWidth(int px);
    // Fits DropDownWidth to the widest entry (text, icon and a scroll bar when needed).
    void AutoDropDownWidth();

    IconList* ImageList() const { return m_imageList; }
    void SetImageList(IconList* list);
    // The list's font: the grid's until one is assigned; the getter is a live handle.
    FontObject Font() const { return m_font.handle(); }
    void SetFont(const FontObject& font) { m_font.assign(font); }
    FontData fontData() const { return m_font.data(); }

    static bool isSeparatorValue(const Variant& value);

private:
    struct Item {
        QString text;
        Variant value;
        int icon = 0;
        int reserved = -1;
    };
    const Item* item(int index) const;

    QString m_key;
    std::vector<Item> m_items;
    int m_dropDownItems = 8;
    int m_dropDownWidth = 0;
    QPointer<IconList> m_imageList;
    FontHolder m_font;
    Changed m_changed;
};

// The grid's collection of lists, by key (compared without regard to case).
class ComboLists {
public:
    ComboLists(FontHolder::Fallback gridFont, ComboList::Changed changed);
    ~ComboLists();
    ComboLists(const ComboLists&) = delete;
    ComboLists& operator=(const ComboLists&) = delete;

    // Makes a list, or returns the one that already has this key.
    ComboList* Add(const QString& key);
    ComboList* Item(const QString& key) const; // nullptr when none
    ComboList* Item(int index) const;          // 1-based, in the order added
    int Count() const { return int(m_lists.size()); }
    bool Remove(const QString& key);
    void Clear();
    auto begin() const { return m_lists.begin(); }
    auto end() const { return m_lists.end(); }

    // What a combo cell shows for its value: the entry's text, and its icon in the list's
    // own image list; nullopt / {nullptr, 0} when the list or the entry is missing.
    std::optional<QString> entryText(const QString& key, const Variant& value) const;
    std::pair<const IconList*, int> entryIcon(const QString& key, const Variant& value) const;

private:
    std::vector<std::unique_ptr<ComboList>> m_lists;
    FontHolder::Fallback m_gridFont;
    ComboList::Changed m_changed;
};
