#include "components/grid/GridHeader.h"

#include "components/grid/GridPainter.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"

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

struct GridHeader::Item {
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

GridHeader::GridHeader(TessixGrid& grid)
    : m_grid(grid), m_font([&grid] { return grid.store().fontData(); }, [this] { look(true); }),
      m_sortInfoFont(
          [this] {
              FontData small = m_font.data();
              small.size = std::max(6.0, small.size - 1.5);
              small.bold = false;
              small.italic = false;
              return small;
          },
          [this] { look(); }) {}

GridHeader::~GridHeader() = default;

void GridHeader::SetVisible(bool visible) {
    m_visible = visible;
    look(true);
}

void GridHeader::SetImageList(IconList* list) {
    m_imageList = list;
    look();
}

void GridHeader::SetUseOSStyle(bool on) {
    m_useOSStyle = on;
    look();
}

void GridHeader::SetFlat(bool on) {
    m_flat = on;
    look();
}

void GridHeader::SetButtons(bool on) {
    m_buttons = on;
    look();
}

void GridHeader::SetDragColumns(bool on) {
    m_dragColumns = on;
}

void GridHeader::SetHotTracking(bool on) {
    m_hotTracking = on;
    look();
}

void GridHeader::SetHotTrackFlags(int flags) {
    m_hotTrackFlags = flags & (HotTrackIcons | HotTrackText | HotTrackSortInfo);
    look();
}

void GridHeader::SetHotTrackForeColor(OleColor color) {
    m_hotTrackForeColor = color;
    look();
}

void GridHeader::SetSortInfoStyle(int style) {
    if (style < SortInfoNone || style > SortInfoNumbered)
        return;
    m_sortInfoStyle = style;
    look();
}

void GridHeader::SetSolidSortIconColor(OleColor color) {
    m_sortIconColor = color;
    look();
}

void GridHeader::SetForeColor(OleColor color) {
    m_foreColor = color;
    look();
}

void GridHeader::SetBackColor(OleColor color) {
    m_backColor = color;
    look();
}

void GridHeader::SetSeparatorColor(OleColor color) {
    m_separatorColor = color;
    look();
}

QFont GridHeader::font() const {
    return m_font.data().toQFont();
}

int GridHeader::Height() const {
    return m_height >= 0 ? m_height : QFontMetrics(font()).height() + 2 * PadY + 2;
}

void GridHeader::SetHeight(int px) {
    if (px < 0)
        return;
    m_height = px;
    look(true);
}

void GridHeader::AutoHeight() {
    int h = QFontMetrics(font()).height() + 2 * PadY + 2;
    for (const auto& c : m_grid.geometry().columns())
        h = std::max(h, itemHeight(c.col));
    SetHeight(h);
}

void GridHeader::setHotCol(int col) {
    if (col == m_hotCol)
        return;
    m_hotCol = col;
    if (m_hotTracking)
        look();
}

void GridHeader::setPressedCol(int col) {
    if (col == m_pressedCol)
        return;
    m_pressedCol = col;
    look();
}

GridHeader::Item GridHeader::itemFor(int col) const {
    Item it;
    if (const GridColumn* c = m_grid.store().ColObject(col)) {
        it.text = c->HeaderText();
        it.icon = c->HeaderIcon();
        it.alignH = c->HeaderAlignH();
        it.alignV = c->HeaderAlignV();
        it.flags = c->HeaderTextFlags();
        it.foreColor = c->HeaderForeColor();
        it.backColor = c->HeaderBackColor();
    }
    const GridSort& sort = m_grid.sorter();
    it.sortPosition = sort.ColSortIndex(col);
    it.sortOrder = sort.ColSortOrder(col);
    it.sortCount = int(sort.keys().size());
    return it;
}

int GridHeader::sortMarkWidth(int col) const {
    if (m_sortInfoStyle == SortInfoNone)
        return 0;
    const Item it = itemFor(col);
    if (it.sortPosition == 0)
        return 0;
    int w = ArrowWidth;
    if (m_sortInfoStyle == SortInfoNumbered && it.sortCount > 1)
        w += 1 + QFontMetrics(m_sortInfoFont.data().toQFont())
                     .horizontalAdvance(QString::number(it.sortPosition));
    return w + Gap;
}

int GridHeader::itemWidth(int col) const {
    const Item it = itemFor(col);
    int w = 2 * PadX + sortMarkWidth(col);
    if (m_imageList && it.icon > 0 && it.icon <= m_imageList->ImageCount())
        w += m_imageList->ImageWidth() + (it.text.isEmpty() ? 0 : Gap);
    return w + CellTextLayout(it.text, font(), it.flags, 0).naturalWidth();
}

int GridHeader::itemHeight(int col) const {
    const Item it = itemFor(col);
    const int textWidth = m_grid.geometry().colWidth(col) - itemWidth(col) +
                          CellTextLayout(it.text, font(), it.flags, 0).naturalWidth();
    int h = it.text.isEmpty() ? 0 : CellTextLayout(it.text, font(), it.flags, textWidth).height();
    if (m_imageList && it.icon > 0)
        h = std::max(h, m_imageList->ImageHeight());
    return h + 2 * PadY + 2;
}

void GridHeader::paint(QPainter& p, const QRect& area, int xOffset) const {
    p.save();
    p.setClipRect(area);
    const GridGeometry& g = m_grid.geometry();
    for (const auto& c : g.columns()) {
        const QRect r(area.left() + g.colLeft(c.col) - xOffset, area.top(), c.width, area.height());
        if (r.right() >= area.left() && r.left() <= area.right())
            paintItem(p, r, c.col);
    }
    // The area beyond the last column.
    const QRect rest(area.left() + g.totalWidth() - xOffset, area.top(),
                     area.width() - g.totalWidth() + xOffset, area.height());
    if (rest.width() > 0) {
        if (m_useOSStyle) {
            QStyleOptionHeader opt;
            opt.initFrom(m_grid.viewport());
            opt.rect = rest;
            opt.orientation = Qt::Horizontal;
            m_grid.style()->drawControl(QStyle::CE_HeaderEmptyArea, &opt, &p, m_grid.viewport());
        } else {
            p.fillRect(rest, OleColorToQColor(m_backColor));
            p.setPen(OleColorToQColor(m_separatorColor));
            p.drawLine(rest.bottomLeft(), rest.bottomRight());
        }
    }
    p.restore();
}

void GridHeader::paintItem(QPainter& p, const QRect& rect, int col) const {
    const Item it = itemFor(col);
    const bool hot = m_hotTracking && m_hotCol == col;
    const bool pressed = m_buttons && m_pressedCol == col;
    // Under the OS style the style owns the item's colours and hot look.
    const bool ownHot = hot && !m_useOSStyle;
    QColor text = OleColorToQColor(!m_grid.isEnabled()            ? 0x80000011
                                   : it.foreColor != DefaultColor ? it.foreColor
                                                                  : m_foreColor);

    if (m_useOSStyle) {
        QStyleOptionHeader opt;
        opt.initFrom(m_grid.viewport());
        opt.rect = rect;
        opt.orientation = Qt::Horizontal;
        opt.section = m_grid.store().ColPos(col) - 1;
        const int count = int(m_grid.geometry().columns().size());
        opt.position = count == 1                 ? QStyleOptionHeader::OnlyOneSection
                       : opt.section == 0         ? QStyleOptionHeader::Beginning
                       : opt.section == count - 1 ? QStyleOptionHeader::End
                                                  : QStyleOptionHeader::Middle;
        opt.state |= pressed ? QStyle::State_Sunken : QStyle::State_Raised;
        if (hot)
            opt.state |= QStyle::State_MouseOver;
        m_grid.style()->drawControl(QStyle::CE_HeaderSection, &opt, &p, m_grid.viewport());
    } else {
        p.fillRect(rect,
                   OleColorToQColor(it.backColor != DefaultColor ? it.backColor : m_backColor));
        if (m_flat || !m_buttons) {
            p.setPen(OleColorToQColor(m_separatorColor));
            p.drawLine(rect.topRight(), rect.bottomRight());
            p.drawLine(rect.bottomLeft(), rect.bottomRight());
        } else {
            qDrawShadePanel(&p, rect, m_grid.palette(), pressed, 1);
        }
        if (ownHot && (m_hotTrackFlags & HotTrackText))
            text = OleColorToQColor(m_hotTrackForeColor);
    }

    QRect content = rect.adjusted(PadX, PadY, -PadX, -PadY);
    if (pressed)
        content.translate(1, 1);
    p.save();
    p.setClipRect(rect.adjusted(1, 1, -1, -1), Qt::IntersectClip);
    if (const int mark = sortMarkWidth(col); mark > 0 && content.width() > mark) {
        const QRect markRect(content.right() + 1 - mark + Gap, content.top(), mark - Gap,
                             content.height());
        paintSortMark(p, markRect, it.sortOrder,
                      m_sortInfoStyle == SortInfoNumbered && it.sortCount > 1 ? it.sortPosition : 0,
                      ownHot && (m_hotTrackFlags & HotTrackSortInfo));
        content.setRight(content.right() - mark);
    }
    if (m_imageList && it.icon > 0 && it.icon <= m_imageList->ImageCount()) {
        const QSize size = m_imageList->ImageSize();
        int x = content.left();
        if (it.text.isEmpty() && it.alignH == AlignCenter)
            x += (content.width() - size.width()) / 2;
        else if (it.text.isEmpty() && it.alignH == AlignRight)
            x = content.right() + 1 - size.width();
        const int y = content.top() + (content.height() - size.height()) / 2;
        m_imageList->paint(it.icon, p, QPoint(x, y),
                           ownHot && (m_hotTrackFlags & HotTrackIcons) ? IconList::Look::Selected
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

void GridHeader::paintSortMark(QPainter& p, const QRect& rect, int order, int position,
                               bool hot) const {
    const QColor colour = OleColorToQColor(hot ? m_hotTrackForeColor : m_sortIconColor);
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
        p.setFont(m_sortInfoFont.data().toQFont());
        p.drawText(QRect(rect.left() + ArrowWidth + 1, rect.top(), rect.width(), rect.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, QString::number(position));
    }
    p.restore();
}
