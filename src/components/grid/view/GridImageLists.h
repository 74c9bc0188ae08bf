#pragma once
// The image lists cells take their icons from. Held through QPointer: a list destroyed
// first simply stops showing icons.

#include "core/GridInternal.h"

#include <QList>
#include <QPointer>

class IconList;

class GridImageLists {
public:
    void set(const QList<IconList*>& lists); // null entries are left out
    QList<IconList*> lists() const;          // the lists still alive
    // The list that serves icons of column `col`: column k uses list k, columns beyond the
    // last list the last one, the row-text column the first one. Each column thus keeps its
    // own list's numbering.
    const IconList* forColumn(int col) const;

private:
    QList<QPointer<IconList>> m_lists;
};
