#include "view/GridHeaderView.h"

#include "components/grid/GridHeader.h"
#include "components/iconlist/IconList.h"
#include "core/GridContext.h"
#include "core/GridSettings.h"
#include "model/GridSort.h"
#include "model/GridStore.h"
#include "platform/Colors.h"
#include "view/CellTextLayout.h"
#include "view/GridGeometry.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <algorithm>
#include <qdrawutil.h>

namespace {
constexpr int PadX = 6;       // text and icon keep this far from the item's sides
constexpr int PadY = 3;       // and from its top and bottom
constexpr int Gap = 4;        // between icon, text and sort mark
constexpr int ArrowWidth = 9; // the sort triangle
} // namespace

struct GridHeaderView::Item {
    QString text;
    int icon = 0;
    int alignH = AlignLeft;
    int alignV = VAlignCenter;
    quint32 flags = 0;
    OleColor foreColor = DefaultColor;
    OleColor backColor = DefaultColor;
    int sortPosition = 0; // 1-based place in the current sort, 0 = not sorted
    int sortOrder = SortAscending;
    int sortCount = 0;
};

QFont GridHeaderView::font() const {
    return m_context.header.fontData().toQFont();
}

int GridHeaderView::oneLineHeight() const {
    return QFontMetrics(font()).height() + 2 * PadY + 2;
}

int GridHeaderView::tallestItemHeight() const {
    int h = oneLineHeight();
    for (const auto& c : m_context.geometry.columns())
        h = std::max(h, itemHeight(c.col));
    return h;
}

void GridHeaderView::setHotCol(int col) {
    if (col == m_hotCol)
        return;
    m_hotCol = col;
    if (m_context.header.HotTracking())
        m_context.repaint();
}

void GridHeaderView::setPressedCol(int col) {
    if (col == m_pressedCol)
        return;
    m_pressedCol = col;
    m_context.repaint();
}

GridHeaderView::Item GridHeaderView::itemFor(int col) const {
    Item it;
    if (const GridColumn* c = m_context.store.ColObject(col)) {
        it.text = c->HeaderText();
        it.icon = c->HeaderIcon();
        it.alignH = c->HeaderAlignH();
        it.alignV = c->HeaderAlignV();
        it.flags = c->HeaderTextFlags();
        it.foreColor = c->HeaderForeColor();
        it.backColor = c->HeaderBackColor();
    }
    const GridSort& sort = m_context.sort;
    it.sortPosition = sort.ColSortIndex(col);
    it.sortOrder = sort.ColSortOrder(col);
    it.sortCount = int(sort.keys().size());
    return it;
}

int GridHeaderView::markWidth(int position, int count) const {
    const GridHeader& header = m_context.header;
    if (header.SortInfoStyle() == SortInfoNone || position == 0)
        return 0;
    int w = ArrowWidth;
    if (header.SortInfoStyle() == SortInfoNumbered && count > 1)
        w += 1 + QFontMetrics(header.sortInfoFontData().toQFont())
                     .horizontalAdvance(QString::number(position));
    return w + Gap;
}

int GridHeaderView::sortMarkWidth(int col) const {
    const Item it = itemFor(col);
    return markWidth(it.sortPosition, it.sortCount);
}

int GridHeaderView::itemWidthWithMark(int col, int mark) const {
    const GridHeader& header = m_context.header;
    const Item it = itemFor(col);
    int w = 2 * PadX + mark;
    if (header.ImageList() && it.icon > 0 && it.icon <= header.ImageList()->ImageCount())
        w += header.ImageList()->ImageWidth() + (it.text.isEmpty() ? 0 : Gap);
    return w + CellTextLayout(it.text, font(), it.flags, 0).naturalWidth();
}

int GridHeaderView::itemWidth(int col) const {
    // Room for the mark a click may bring (a one-digit number in a sort by several
    // columns), so that sorting a fitted column never squeezes its text.
    const int clickMark = m_context.options.sortOnHeaderClick ? markWidth(1, 2) : 0;
    return itemWidthWithMark(col, std::max(sortMarkWidth(col), clickMark));
}

int GridHeaderView::itemHeight(int col) const {
    const GridHeader& header = m_context.header;
    const Item it = itemFor(col);
    const int textWidth = m_context.geometry.colWidth(col) -
                          itemWidthWithMark(col, sortMarkWidth(col)) +
                          CellTextLayout(it.text, font(), it.flags, 0).naturalWidth();
    int h = it.text.isEmpty() ? 0 : CellTextLayout(it.text, font(), it.flags, textWidth).height();
    if (header.ImageList() && it.icon > 0)
        h = std::max(h, header.ImageList()->ImageHeight());
    return h + 2 * PadY + 2;
}

void GridHeaderView::paint(QPainter& p, const GridViewport& viewport) const {
    const QRect area = viewport.headerArea();
    p.save();
    p.setClipRect(area);
    // Scrolled items slide under the frozen ones: the one straddling the edge is clipped to
    // the scrolling area.
    const bool frozen = viewport.frozenWidth() > 0;
    const QRect scrolling = area & viewport.scrollingArea();
    for (const auto& c : m_context.geometry.columns()) {
        const QRect& in = c.frozen ? area : scrolling;
        const QRect r = viewport.headerItemRect(c.col);
        if (r.right() < in.left() || r.left() > in.right())
            continue;
        const bool reachesOut = frozen && r.left() < in.left();
        if (reachesOut)
            p.setClipRect(in);
        paintItem(p, r, c.col);
        if (reachesOut)
            p.setClipRect(area);
    }
    // The area beyond the last column.
    const int right = viewport.columnsRight();
    const QRect rest(right, area.top(), area.right() + 1 - right, area.height());
    if (rest.width() > 0) {
        if (m_context.header.UseOSStyle()) {
            QStyleOptionHeader opt;
            opt.initFrom(m_context.area.viewport());
            opt.rect = rest;
            opt.orientation = Qt::Horizontal;
            m_context.area.style()->drawControl(QStyle::CE_HeaderEmptyArea, &opt, &p,
                                                m_context.area.viewport());
        } else {
            p.fillRect(rest, OleColorToQColor(m_context.header.BackColor()));
            p.setPen(OleColorToQColor(m_context.header.SeparatorColor()));
            p.drawLine(rest.bottomLeft(), rest.bottomRight());
        }
    }
    p.restore();
}

void GridHeaderView::paintItem(QPainter& p, const QRect& rect, int col) const {
    const GridHeader& header = m_context.header;
    const Item it = itemFor(col);
    const bool hot = header.HotTracking() && m_hotCol == col;
    const bool pressed = header.Buttons() && m_pressedCol == col;
    // Under the OS style the style owns the item's colours and hot look.
    const bool ownHot = hot && !header.UseOSStyle();
    QColor text = OleColorToQColor(!m_context.area.isEnabled()    ? 0x80000011
                                   : it.foreColor != DefaultColor ? it.foreColor
                                                                  : header.ForeColor());

    if (header.UseOSStyle()) {
        QStyleOptionHeader opt;
        opt.initFrom(m_context.area.viewport());
        opt.rect = rect;
        opt.orientation = Qt::Horizontal;
        opt.section = m_context.store.ColPos(col) - 1;
        const int count = int(m_context.geometry.columns().size());
        opt.position = count == 1                 ? QStyleOptionHeader::OnlyOneSection
                       : opt.section == 0         ? QStyleOptionHeader::Beginning
                       : opt.section == count - 1 ? QStyleOptionHeader::End
                                                  : QStyleOptionHeader::Middle;
        opt.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        if (hot)
            opt.state |= QStyle::State_MouseOver;
        m_context.area.style()->drawControl(QStyle::CE_HeaderSection, &opt, &p,
                                            m_context.area.viewport());
    } else {
        p.fillRect(rect, OleColorToQColor(it.backColor != DefaultColor ? it.backColor
                                                                       : header.BackColor()));
        if (header.Flat() || !header.Buttons()) {
            p.setPen(OleColorToQColor(header.SeparatorColor()));
            p.drawLine(rect.topRight(), rect.bottomRight());
            p.drawLine(rect.bottomLeft(), rect.bottomRight());
        } else {
            qDrawShadePanel(&p, rect, m_context.area.palette(), pressed, 1);
        }
        if (ownHot && (header.HotTrackFlags() & HotTrackText))
            text = OleColorToQColor(header.HotTrackForeColor());
    }

    QRect content = rect.adjusted(PadX, PadY, -PadX, -PadY);
    if (pressed)
        content.translate(1, 1);
    p.save();
    p.setClipRect(rect.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    if (const int mark = sortMarkWidth(col); mark > 0 && content.width() > mark) {
        const QRect markRect(content.right() + 1 - mark + Gap, content.top(), mark - Gap,
                             content.height());
        paintSortMark(
            p, markRect, it.sortOrder,
            header.SortInfoStyle() == SortInfoNumbered && it.sortCount > 1 ? it.sortPosition : 0,
            ownHot && (header.HotTrackFlags() & HotTrackSortInfo));
        content.setRight(content.right() - mark);
    }
    if (header.ImageList() && it.icon > 0 && it.icon <= header.ImageList()->ImageCount()) {
        const QSize size = header.ImageList()->ImageSize();
        int x = content.left();
        if (it.text.isEmpty() && it.alignH == AlignCenter)
            x += (content.width() - size.width()) / 2;
        else if (it.text.isEmpty() && it.alignH == AlignRight)
            x = content.right() + 1 - size.width();
        const int y = content.top() + (content.height() - size.height()) / 2;
        header.ImageList()->paint(it.icon, p, QPoint(x, y),
                                  ownHot && (header.HotTrackFlags() & HotTrackIcons)
                                      ? IconList::Look::Selected
                                      : IconList::Look::Normal);
        content.setLeft(x + size.width() + Gap);
    }
    if (!it.text.isEmpty()) {
        p.setPen(text);
        CellTextLayout(it.text, font(), it.flags, content.width())
            .draw(p, content, it.alignH, it.alignV);
    }
    p.restore();
}

void GridHeaderView::paintSortMark(QPainter& p, const QRect& rect, int order, int position,
                                   bool hot) const {
    const GridHeader& header = m_context.header;
    const QColor colour =
        OleColorToQColor(hot ? header.HotTrackForeColor() : header.SolidSortIconColor());
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const qreal cx = rect.left() + ArrowWidth / 2.0;
    const qreal cy = rect.top() + rect.height() / 2.0;
    const qreal h = 2.5;
    // Ascending points up, descending down.
    const qreal dir = order == SortDescending ? 1 : -1;
    p.drawPolygon(QPolygonF({QPointF(cx - 4.5, cy - dir * h), QPointF(cx + 4.5, cy - dir * h),
                             QPointF(cx, cy + dir * h)}));
    if (position > 0) {
        p.setPen(colour);
        p.setFont(header.sortInfoFontData().toQFont());
        p.drawText(QRect(rect.left() + ArrowWidth + 1, rect.top(), rect.width(), rect.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(position));
    }
    p.restore();
}
