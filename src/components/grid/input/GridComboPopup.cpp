#include "input/GridComboPopup.h"

#include "components/grid/GridComboLists.h"
#include "components/iconlist/IconList.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>

GridComboPopup::GridComboPopup(const ComboList& list, QWidget* parent)
    : QListWidget(parent), m_visibleItems(list.DropDownItems()),
      m_dropDownWidth(list.DropDownWidth()) {
    setWindowFlags(Qt::Popup);
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(list.fontData().toQFont());
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    const IconList* images = list.ImageList();
    if (images)
        setIconSize(images->ImageSize());
    for (int i = 0; i < list.ItemCount(); ++i) {
        auto* item = new QListWidgetItem(list.ItemText(i), this);
        if (images && list.ItemIcon(i) > 0)
            item->setIcon(QIcon(images->pixmap(list.ItemIcon(i))));
        if (list.ItemIsSeparator(i)) {
            item->setFlags(Qt::NoItemFlags);
            QFont bold = font();
            bold.setBold(true);
            item->setFont(bold);
        }
    }
    connect(this, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { choose(row(item)); });
}

void GridComboPopup::open(const QRect& cell, int current) {
    const int rowHeight = std::max(1, sizeHintForRow(0));
    const int rows = std::clamp(count(), 1, m_visibleItems);
    const int width = m_dropDownWidth > 0 ? m_dropDownWidth : cell.width();
    const int height = rows * rowHeight + 2 * frameWidth();
    QPoint at = cell.bottomLeft() + QPoint(0, 1);
    if (const QScreen* screen = QGuiApplication::screenAt(cell.center())) {
        const QRect avail = screen->availableGeometry();
        if (at.y() + height > avail.bottom() && cell.top() - height >= avail.top())
            at.setY(cell.top() - height);
        at.setX(std::clamp(at.x(), avail.left(), std::max(avail.left(), avail.right() - width)));
    }
    setGeometry(QRect(at, QSize(width, height)));
    if (current >= 0 && current < count() && (item(current)->flags() & Qt::ItemIsEnabled))
        setCurrentRow(current);
    else
        step(-1, 1, 1);
    show();
    setFocus(Qt::PopupFocusReason);
    if (currentItem())
        scrollToItem(currentItem(), QAbstractItemView::PositionAtCenter);
}

int GridComboPopup::highlighted() const {
    const QListWidgetItem* item = currentItem();
    return item && (item->flags() & Qt::ItemIsEnabled) ? row(item) : -1;
}

// Moves `count` choosable entries from `from` in `direction`, stopping at the last one.
void GridComboPopup::step(int from, int direction, int count) {
    int target = -1;
    for (int i = from + direction; i >= 0 && i < this->count() && count > 0; i += direction) {
        if (item(i)->flags() & Qt::ItemIsEnabled) {
            target = i;
            --count;
        }
    }
    if (target >= 0)
        setCurrentRow(target);
}

void GridComboPopup::jumpTo(QChar ch) {
    const int n = count();
    const int from = currentRow();
    for (int k = 1; k <= n; ++k) {
        const int i = (from + k + n) % n;
        QListWidgetItem* it = item(i);
        if ((it->flags() & Qt::ItemIsEnabled) && it->text().startsWith(ch, Qt::CaseInsensitive)) {
            setCurrentRow(i);
            return;
        }
    }
}

void GridComboPopup::keyPressEvent(QKeyEvent* e) {
    const bool alt = e->modifiers() & Qt::AltModifier;
    const int page = std::max(1, m_visibleItems - 1);
    switch (e->key()) {
    case Qt::Key_Escape:
        close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Tab:
    case Qt::Key_F4:
        choose(highlighted());
        return;
    case Qt::Key_Up:
        if (alt)
            choose(highlighted());
        else
            step(currentRow(), -1, 1);
        return;
    case Qt::Key_Down:
        if (!alt)
            step(currentRow(), 1, 1);
        return;
    case Qt::Key_PageUp:
        step(currentRow(), -1, page);
        return;
    case Qt::Key_PageDown:
        step(currentRow(), 1, page);
        return;
    case Qt::Key_Home:
        step(-1, 1, 1);
        return;
    case Qt::Key_End:
        step(count(), -1, 1);
        return;
    default:
        break;
    }
    const QString text = e->text();
    if (text.size() == 1 && text[0].isPrint()) {
        jumpTo(text[0]);
        return;
    }
    QListWidget::keyPressEvent(e);
}

void GridComboPopup::mouseReleaseEvent(QMouseEvent* e) {
    const QListWidgetItem* item = itemAt(e->position().toPoint());
    if (!rect().contains(e->position().toPoint())) {
        close(); // a click outside the popup
        return;
    }
    if (item && (item->flags() & Qt::ItemIsEnabled))
        choose(row(item));
}

void GridComboPopup::choose(int index) {
    m_choice = index;
    close();
}

void GridComboPopup::hideEvent(QHideEvent* e) {
    QListWidget::hideEvent(e);
    if (m_finished)
        return;
    m_finished = true;
    Q_EMIT finished(m_choice); // after closing, so handlers may open message boxes
}
