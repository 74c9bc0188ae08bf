#pragma once
// The grid's popup menus, one per area (BeforeContextMenu codes: 1 a row's cell, 2 a column
// header, 3 the rows area below the last row, 4 the header area beyond the last column,
// 5 the cell text editor). A menu keeps its items between popups; windows fill or rebuild
// it in BeforeContextMenu. Items are numbered from 1; the text "-" makes a separator.

#include <QList>
#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <memory>

class QMenu;
class QWidget;

class GridContextMenu {
public:
    void Clear() { m_items.clear(); }
    // Appends an item and returns its number. The third argument is accepted and kept.
    int AddItem(const QString& text, bool enabled = true, int reserved = 0,
                const QString& key = {});
    int ItemCount() const { return int(m_items.size()); }
    // By item number; a bad number reads "" / false.
    QString ItemText(int item) const;
    bool ItemEnabled(int item) const;
    QString ItemKey(int item) const;
    bool ItemIsSeparator(int item) const { return ItemText(item) == QLatin1String("-"); }
    // Whether the item can be chosen: enabled and not a separator.
    bool choosable(int item) const;

    // Shows the items (after those already in `menu`, e.g. an editor's own commands) at
    // `globalPos` and returns the chosen item's number, 0 when none of ours was chosen.
    int popup(int area, QMenu& menu, const QPoint& globalPos) const;

    // Tests: when set, this is called instead of showing the menu and returns the item
    // number to choose (0 for none).
    using Chooser = std::function<int(int area, const GridContextMenu& menu)>;
    static void setChooser(Chooser chooser);

private:
    struct Item {
        QString text;
        bool enabled = true;
        int reserved = 0;
        QString key;
    };
    QList<Item> m_items;
};

// The menus of all areas, made on first use.
class GridContextMenus {
public:
    GridContextMenu& menu(int area) { return m_menus[area]; }

private:
    std::map<int, GridContextMenu> m_menus;
};
