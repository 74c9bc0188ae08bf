#include "view/GridCellControls.h"

#include "components/grid/GridComboLists.h"
#include "core/GridContext.h"
#include "core/GridSettings.h"
#include "input/GridNavigation.h"
#include "model/GridStore.h"
#include "platform/Colors.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>

namespace {
constexpr int ComboButtonWidth = 16;
}

QRect cellContentRect(const CellStyle& look, const QRect& cell, int gridLines) {
    return cell.adjusted(look.indentLeft, look.indentTop,
                         -look.indentRight - (gridLines & GridLinesVertical ? 1 : 0),
                         -look.indentBottom - (gridLines & GridLinesHorizontal ? 1 : 0));
}

QSize checkBoxSize(const QWidget& widget) {
    const QStyle* style = widget.style();
    return QSize(style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, &widget),
                 style->pixelMetric(QStyle::PM_IndicatorHeight, nullptr, &widget));
}

QRect checkBoxRect(const CellStyle& look, const QRect& content, QSize box) {
    QRect r(QPoint(content.left(), content.top() + (content.height() - box.height()) / 2), box);
    if (look.checkBoxAlign == CheckBoxCenter)
        r.moveLeft(content.left() + (content.width() - box.width()) / 2);
    else if (look.checkBoxAlign == CheckBoxRight)
        r.moveRight(content.right());
    return r;
}

QRect comboButtonRect(const QRect& cell) {
    // One pixel free at the right and at the top and bottom for the grid lines.
    const int width = std::min(ComboButtonWidth, std::max(0, cell.width() - 1));
    return QRect(cell.right() - width, cell.top() + 1, width, std::max(0, cell.height() - 2));
}

void paintComboButton(QPainter& p, const QRect& button, const QWidget& widget, bool osStyle) {
    if (button.width() < 4 || button.height() < 4)
        return;
    p.save();
    QStyleOptionButton opt;
    opt.initFrom(&widget);
    opt.rect = button;
    opt.state &= ~QStyle::State_HasFocus;
    opt.state |= QStyle::State_Raised;
    if (osStyle) {
        widget.style()->drawControl(QStyle::CE_PushButtonBevel, &opt, &p, &widget);
    } else {
        p.fillRect(button, OleColorToQColor(0x8000000F));
        p.setPen(OleColorToQColor(0x80000010));
        p.drawRect(button.adjusted(0, 0, -1, -1));
    }
    opt.rect = button.adjusted(3, 3, -3, -3);
    widget.style()->drawPrimitive(QStyle::PE_IndicatorArrowDown, &opt, &p, &widget);
    p.restore();
}

bool editableCell(const GridContext& context, int row, int col) {
    const GridStore& store = context.store;
    return context.options.editable && context.area.isEnabled() && row >= 1 &&
           row <= store.RowCount() && col >= 1 && col <= store.ColCount() &&
           !store.RowIsGroup(row) && store.CellType(row, col) != CellTypeCustomDraw;
}

bool comboButtonShown(const GridContext& context, int row, int col) {
    if (context.store.CellType(row, col) != CellTypeCombo || !editableCell(context, row, col))
        return false;
    return context.look.showControlsInAllCells ||
           context.navigation.current() == GridCellPos{row, col};
}

std::pair<const IconList*, int> comboEntryIcon(const GridContext& context, int row, int col) {
    const GridStore& store = context.store;
    return context.comboLists.entryIcon(store.CellComboList(row, col), store.CellValue(row, col));
}
