#include "view/GridPainter.h"

#include "components/grid/GridHeader.h"
#include "components/iconlist/IconList.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "core/GridSettings.h"
#include "input/GridNavigation.h"
#include "input/GridSelection.h"
#include "model/GridStore.h"
#include "platform/Colors.h"
#include "view/CellTextLayout.h"
#include "view/GridCellControls.h"
#include "view/GridGeometry.h"
#include "view/GridHeaderView.h"
#include "view/GridImageLists.h"
#include "view/GridTreeLook.h"

#include <QAbstractScrollArea>
#include <QHash>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>

namespace {

constexpr int DecorationGap = 3; // between a check box or icon and the text

// After a band's caption: how many rows it holds.
QString bandCountText(int count) {
    return count == 1 ? QStringLiteral(" (1 item)") : QStringLiteral(" (%1 items)").arg(count);
}

QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

} // namespace

// ----- GridPainter -----

struct GridPainter::RowPaint {
    OleColor foreColor = DefaultColor;
    std::optional<FontObject> font;
};

struct GridPainter::CellPaint {
    int row = 0;
    int col = 0;
    CellStyle look; // a copy: handlers may change the store's look table meanwhile
    QString text;
    QFont font;
    QColor foreColor;
    bool selected = false;
};

QColor GridPainter::rowBackground(int row) const {
    const GridLook& look = m_context.look;
    // Odd and even among the rows that show, so hidden and folded rows keep the stripes.
    const OleColor c =
        m_context.geometry.shownOrdinal(row) % 2 ? look.backColorOddRows : look.backColorEvenRows;
    return c == DefaultColor ? QColor() : OleColorToQColor(c);
}

void GridPainter::paintBackground(QPainter& p, const GridViewport& viewport, const QRect& area) {
    const GridLook& look = m_context.look;
    p.fillRect(area, OleColorToQColor(look.backColor));
    if (!look.backgroundPicture.isNull()) {
        const QPoint origin = viewport.rowsArea().topLeft();
        p.drawTiledPixmap(area, look.backgroundPicture, area.topLeft() - origin);
    }
}

void GridPainter::paint(QPainter& p, const GridViewport& viewport, const QRect& exposed) {
    if (viewport.headerArea().intersects(exposed))
        m_context.headerView.paint(p, viewport);

    const QRect area = exposed & viewport.rowsArea();
    if (area.isEmpty())
        return;
    p.save();
    p.setClipRect(area);
    paintBackground(p, viewport, area);
    const auto [first, last] = viewport.rowsIn(area);
    for (int row = first; row <= last; ++row)
        if (m_context.geometry.rowHeight(row) > 0)
            paintRow(p, viewport, row, area);
    paintFocusRect(p, viewport);
    p.restore();
}

void GridPainter::paintRow(QPainter& p, const GridViewport& viewport, int row, const QRect& area) {
    const QRect rowRect = viewport.rowRect(row);
    if (const QColor bg = rowBackground(row); bg.isValid())
        p.fillRect(rowRect & area, bg);

    RowPaint format;
    if (m_context.look.dynamicFormattingEvents & DynamicRowFormat) {
        RowDynamicFormatArgs args{row, DefaultColor, std::nullopt};
        m_context.events.RowDynamicFormat(args);
        format.foreColor = args.foreColor;
        format.font = args.font;
    }
    // Scrolled cells slide under the frozen ones: a cell reaching out of its area (the one
    // straddling the edge) is clipped to it. Every cell draws inside its own rectangle, so
    // the others need no clip of their own.
    const bool frozen = viewport.frozenWidth() > 0;
    const QRect scrolling = area & viewport.scrollingArea();
    const auto paintIn = [&](const QRect& in, int col, const QRect& r) {
        if (!r.intersects(in))
            return;
        const bool reachesOut = frozen && r.left() < in.left();
        if (reachesOut)
            p.setClipRect(in);
        paintCell(p, row, col, r, format);
        if (reachesOut)
            p.setClipRect(area);
    };
    if (!m_context.store.RowIsGroup(row))
        for (const auto& c : m_context.geometry.columns())
            paintIn(c.frozen ? area : scrolling, c.col, viewport.cellRect(row, c.col));
    const QRect text = viewport.rowTextRect(row);
    if (!text.isEmpty())
        paintIn(frozen ? area & viewport.cellArea(row, RowTextColIndex) : area, RowTextColIndex,
                text);
}

void GridPainter::paintCell(QPainter& p, int row, int col, const QRect& rect,
                            const RowPaint& rowFormat) {
    const GridStore& store = m_context.store;
    const GridLook& look = m_context.look;
    CellPaint cell;
    cell.row = row;
    cell.col = col;
    cell.look = store.CellLook(row, col);

    OleColor fore = cell.look.foreColor;
    if (rowFormat.foreColor != DefaultColor)
        fore = rowFormat.foreColor;
    OleColor back = cell.look.backColor;
    std::optional<FontObject> font = rowFormat.font;
    const bool wantFormat = look.dynamicFormattingEvents & DynamicCellFormat;
    const bool wantText = look.dynamicFormattingEvents & DynamicCellText;
    const Variant value = wantFormat || wantText ? store.CellValue(row, col) : Variant();
    if (wantFormat) {
        CellDynamicFormatArgs args{row, col, value, fore, back, font};
        m_context.events.CellDynamicFormat(args);
        fore = args.foreColor;
        back = args.backColor;
        font = args.font;
    }
    cell.font = font ? font->toQFont() : deviceFont(store.cellFontData(row, col));
    cell.text = store.CellText(row, col);
    if (col == RowTextColIndex && store.RowIsBand(row))
        cell.text += bandCountText(store.bandRowCount(row));
    if (wantText) {
        CellDynamicTextArgs args{row, col, value, cell.text};
        m_context.events.CellDynamicText(args);
        cell.text = args.text;
    }

    const bool focus = m_context.area.hasFocus();
    cell.selected = look.highlightSelCells && m_context.selection.isShownSelected(row, col);
    if (!m_context.area.isEnabled())
        cell.foreColor = OleColorToQColor(0x80000011);
    else if (cell.selected && look.selAlpha == 255) {
        const OleColor selFore = focus ? look.selForeColor : look.selForeColorNoFocus;
        cell.foreColor = OleColorToQColor(selFore != DefaultColor ? selFore : 0x8000000E);
    } else {
        cell.foreColor = OleColorToQColor(fore != DefaultColor ? fore : look.foreColor);
    }

    if (back != DefaultColor)
        p.fillRect(rect, OleColorToQColor(back));
    if (cell.selected) {
        const QColor sel = OleColorToQColor(focus ? look.selBackColor : look.selBackColorNoFocus);
        p.fillRect(rect, withAlpha(sel, look.selAlpha));
    }

    // Custom drawing gets the cell's rectangle and a painter clipped to it; whatever the
    // handler leaves in the painter's state is undone afterwards.
    const auto custom = [&](void (GridEventSink::*event)(CustomDrawCellArgs&)) {
        p.save();
        p.setClipRect(rect, Qt::IntersectClip);
        p.setFont(cell.font);
        p.setPen(cell.foreColor);
        CustomDrawCellArgs args{
            row,          col, p, rect.left(), rect.top(), rect.right() + 1, rect.bottom() + 1,
            cell.selected};
        (m_context.events.*event)(args);
        p.restore();
    };
    const GridEventSink& events = m_context.events;
    if (events.listening(GridOptionalEvent::CustomDrawCellBackground))
        custom(&GridEventSink::CustomDrawCellBackground);
    if (cell.look.cellType == CellTypeCustomDraw)
        custom(&GridEventSink::CustomDrawCell);
    else
        paintContents(p, cell, rect);

    // Grid lines take the last pixel column and row of the cell. Only the pen changes, and
    // everything drawn later sets its own, so no save/restore per cell.
    const int lines = look.gridLines;
    if (lines != GridLinesNone) {
        p.setPen(OleColorToQColor(look.gridLinesColor));
        if (lines & GridLinesVertical)
            p.drawLine(rect.topRight(), rect.bottomRight());
        if (lines & GridLinesHorizontal)
            p.drawLine(rect.bottomLeft(), rect.bottomRight());
    }
    // Drawing after the standard contents comes after the grid lines too, so a handler can
    // draw a line of its own in their place.
    if (events.listening(GridOptionalEvent::CustomDrawCellForeground))
        custom(&GridEventSink::CustomDrawCellForeground);
}

const QFont& GridPainter::deviceFont(const FontData& font) {
    if (!m_lastFont || m_lastFont->first != font)
        m_lastFont.emplace(font, font.toQFont());
    return m_lastFont->second;
}

void GridPainter::paintContents(QPainter& p, const CellPaint& cell, const QRect& rect) {
    const CellStyle& look = cell.look;
    QRect inner = cellContentRect(look, rect, m_context.look.gridLines);
    if (look.cellType == CellTypeCombo && comboButtonShown(m_context, cell.row, cell.col)) {
        const QRect button = comboButtonRect(rect);
        paintComboButton(p, button, *m_context.area.viewport(), m_context.look.useOSStyleContents);
        inner.setRight(std::min(inner.right(), button.left() - 1));
    }
    if (inner.width() <= 0 || inner.height() <= 0)
        return;
    p.save();
    p.setClipRect(inner, Qt::IntersectClip);

    if (const int indent = treeIndent(m_context, cell.row, cell.col)) {
        const GridStore& store = m_context.store;
        if (store.RowTreeButton(cell.row) == TreeButtonShown)
            paintTreeButton(p, treeButtonRect(inner, store.RowLevel(cell.row)),
                            store.RowExpanded(cell.row), *m_context.area.viewport());
        inner.setLeft(inner.left() + indent);
    }
    if (look.checkBoxVisible) {
        const QRect r = checkBoxRect(look, inner, checkBoxSize(m_context.area));
        paintCheckBox(p, r, look.checkState);
        if (look.checkBoxAlign == CheckBoxRight)
            inner.setRight(r.left() - DecorationGap);
        else if (look.checkBoxAlign != CheckBoxCenter)
            inner.setLeft(r.right() + 1 + DecorationGap);
    }

    // A combo cell shows its entry's icon from the combo list's own image list.
    auto [list, icon] = look.cellType == CellTypeCombo
                            ? comboEntryIcon(m_context, cell.row, cell.col)
                            : std::pair<const IconList*, int>{nullptr, 0};
    if (!list) {
        icon = look.icon;
        list = icon > 0 ? m_context.images.forColumn(cell.col) : nullptr;
    }
    if (list && icon <= list->ImageCount()) {
        const QSize size = list->ImageSize();
        const int top = alignedTop(inner, size.height(), look.vAlignment);
        const bool right = look.iconAlign == IconAlignRight;
        const QPoint at(right ? inner.right() + 1 - size.width() : inner.left(), top);
        IconList::Look iconLook = IconList::Look::Normal;
        if (!m_context.area.isEnabled() && m_context.look.grayIconsWhenDisabled)
            iconLook = IconList::Look::Disabled;
        else if (cell.selected && m_context.look.highlightSelIcons)
            iconLook = IconList::Look::Selected;
        list->paint(icon, p, at, iconLook);
        if (right)
            inner.setRight(at.x() - DecorationGap);
        else
            inner.setLeft(at.x() + size.width() + DecorationGap);
    }

    if (!cell.text.isEmpty()) {
        p.setPen(cell.foreColor);
        CellTextLayout(cell.text, cell.font, look.textFlags, inner.width())
            .draw(p, inner, look.alignment, look.vAlignment);
    }
    p.restore();
}

void GridPainter::paintCheckBox(QPainter& p, const QRect& box, int state) {
    QWidget* viewport = m_context.area.viewport();
    if (m_context.look.useOSStyleContents) {
        QStyleOptionButton opt;
        opt.initFrom(viewport);
        opt.rect = box;
        opt.state &= ~QStyle::State_HasFocus;
        opt.state |= state == CheckChecked  ? QStyle::State_On
                     : state == CheckGrayed ? QStyle::State_NoChange
                                            : QStyle::State_Off;
        m_context.area.style()->drawPrimitive(QStyle::PE_IndicatorCheckBox, &opt, &p, viewport);
        return;
    }
    // Flat box: a frame and a plain tick or square, in the text colours.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(OleColorToQColor(0x80000010));
    p.setBrush(OleColorToQColor(0x80000005));
    p.drawRect(box.adjusted(0, 0, -1, -1));
    const QRect mark = box.adjusted(3, 3, -3, -3);
    if (state == CheckGrayed) {
        p.fillRect(mark, OleColorToQColor(0x80000011));
    } else if (state == CheckChecked) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(OleColorToQColor(m_context.area.isEnabled() ? 0x80000008 : 0x80000011), 2));
        p.drawPolyline(QPolygonF({QPointF(mark.left(), mark.center().y()),
                                  QPointF(mark.left() + mark.width() / 3.0, mark.bottom()),
                                  QPointF(mark.right(), mark.top())}));
    }
    p.restore();
}

void GridPainter::paintFocusRect(QPainter& p, const GridViewport& viewport) {
    const GridLook& look = m_context.look;
    const auto [row, col] = m_context.navigation.current();
    if (!look.showFocusRect || row < 1)
        return;
    const bool wholeRow =
        m_context.store.RowIsGroup(row) || col == 0 || m_context.selection.RowMode();
    QRect r = wholeRow ? viewport.rowRect(row) : viewport.cellRect(row, col);
    if (r.isEmpty())
        return;
    const QRect area = wholeRow ? viewport.rowsArea() : viewport.columnArea(col);
    // Inside the cell, clear of the grid lines on its right and bottom edge.
    if (look.gridLines & GridLinesVertical)
        r.setRight(r.right() - 1);
    if (look.gridLines & GridLinesHorizontal)
        r.setBottom(r.bottom() - 1);
    const QColor c1 = OleColorToQColor(look.focusRectColor1);
    const QColor c2 = OleColorToQColor(look.focusRectColor2);
    p.save();
    p.setClipRect(area, Qt::IntersectClip); // a scrolled cell's ring stays out of the frozen area
    p.setBrush(Qt::NoBrush);
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < look.focusRectThickness && r.width() > 2 * i && r.height() > 2 * i; ++i) {
        const QRect ring = r.adjusted(i, i, -1 - i, -1 - i);
        QPen pen(c2, 0);
        p.setPen(pen);
        p.drawRect(ring);
        if (c1 != c2) { // a dotted line of alternating colours
            pen.setColor(c1);
            pen.setDashPattern({1, 1});
            p.setPen(pen);
            p.drawRect(ring);
        }
    }
    p.restore();
}
