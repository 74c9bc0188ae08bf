#pragma once
// The open drop-down list of a combo cell: a popup list under the cell showing the entries
// of a ComboList with their icons, in the list's font. Separator entries are shown as
// headings that cannot be selected. Up/Down, Home/End and Page keys move over the entries
// that can be chosen, a letter jumps to the next entry starting with it; Enter, a click or
// Alt+Up / F4 chooses, Esc or a click outside closes without a choice.

#include "core/GridInternal.h"

#include <QListWidget>
#include <functional>

class ComboList;

class GridComboPopup : public QListWidget {
    Q_OBJECT
public:
    GridComboPopup(const ComboList& list, QWidget* parent);

    // Opens under (or, without room, over) `cell`, given in global coordinates, with the
    // entry `current` highlighted (or the first one that can be chosen); the list is as wide
    // as the cell unless the list has a DropDownWidth.
    void open(const QRect& cell, int current);
    // Highlights the next choosable entry whose text starts with `ch` (after the current).
    void jumpTo(QChar ch);
    // The highlighted entry, -1 when none.
    int highlighted() const;
    // Closes with the highlighted entry as the choice.
    void chooseHighlighted() { choose(highlighted()); }

Q_SIGNALS:
    // Once, when the popup has closed: the chosen entry's 0-based index, -1 for none.
    void finished(int index);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void hideEvent(QHideEvent* e) override;

private:
    void choose(int index);
    void step(int from, int direction, int count);

    int m_choice = -1;
    bool m_finished = false;
    int m_visibleItems;
    int m_dropDownWidth;
};
