#include "components/grid/GridContextMenu.h"

#include <QAction>
#include <QMenu>

namespace {
GridContextMenu::Chooser& chooser() {
    static GridContextMenu::Chooser hook;
    return hook;
}
} // namespace

void GridContextMenu::setChooser(Chooser hook) {
    chooser() = std::move(hook);
}

int GridContextMenu::AddItem(const QString& text, bool enabled, int reserved, const QString& key) {
    m_items.push_back({text, enabled, reserved, key});
    return int(m_items.size());
}

QString GridContextMenu::ItemText(int item) const {
    return item >= 1 && item <= ItemCount() ? m_items[item - 1].text : QString();
}

bool GridContextMenu::ItemEnabled(int item) const {
    return item >= 1 && item <= ItemCount() && m_items[item - 1].enabled;
}

QString GridContextMenu::ItemKey(int item) const {
    return item >= 1 && item <= ItemCount() ? m_items[item - 1].key : QString();
}

bool GridContextMenu::choosable(int item) const {
    return ItemEnabled(item) && !ItemIsSeparator(item);
}

int GridContextMenu::popup(int area, QMenu& menu, const QPoint& globalPos) const {
    if (chooser()) {
        const int item = chooser()(area, *this);
        return choosable(item) ? item : 0;
    }
    if (!menu.isEmpty() && !m_items.isEmpty())
        menu.addSeparator();
    QList<QAction*> actions;
    for (const Item& item : m_items) {
        if (item.text == QLatin1String("-")) {
            actions.push_back(menu.addSeparator());
            continue;
        }
        QAction* action = menu.addAction(item.text);
        action->setEnabled(item.enabled);
        actions.push_back(action);
    }
    QAction* chosen = menu.exec(globalPos);
    const int index = chosen ? int(actions.indexOf(chosen)) : -1;
    return index >= 0 && choosable(index + 1) ? index + 1 : 0;
}
