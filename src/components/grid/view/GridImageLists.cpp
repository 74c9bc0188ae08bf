#include "view/GridImageLists.h"

#include "components/iconlist/IconList.h"

#include <algorithm>

void GridImageLists::set(const QList<IconList*>& lists) {
    m_lists.clear();
    for (IconList* list : lists)
        if (list)
            m_lists.push_back(list);
}

QList<IconList*> GridImageLists::lists() const {
    QList<IconList*> alive;
    for (const auto& list : m_lists)
        if (list)
            alive.push_back(list);
    return alive;
}

const IconList* GridImageLists::forColumn(int col) const {
    const QList<IconList*> alive = lists();
    if (alive.isEmpty())
        return nullptr;
    if (col < 1)
        return alive.front();
    return alive[std::min<qsizetype>(col, alive.size()) - 1];
}
