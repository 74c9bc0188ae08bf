#include "view/GridTreeLook.h"

#include "components/grid/GridTypes.h"
#include "core/GridContext.h"
#include "core/GridSettings.h"
#include "model/GridStore.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>

bool showsTree(const GridContext& context, int row, int col) {
    const GridStore& store = context.store;
    if (store.RowIsGroup(row))
        return col == RowTextColIndex &&
               (store.RowLevel(row) > 0 || store.RowTreeButton(row) == TreeButtonShown);
    return context.options.treeCol > 0 && col == context.options.treeCol;
}

int treeIndent(const GridContext& context, int row, int col) {
    return showsTree(context, row, col) ? (context.store.RowLevel(row) + 1) * TreeIndentStep : 0;
}

QRect treeButtonRect(const QRect& content, int level) {
    const int size = std::min(TreeIndentStep, content.height());
    return QRect(content.left() + level * TreeIndentStep + (TreeIndentStep - size) / 2,
                 content.top() + (content.height() - size) / 2, size, size);
}

void paintTreeButton(QPainter& p, const QRect& button, bool expanded, const QWidget& widget) {
    QStyleOption opt;
    opt.initFrom(&widget);
    opt.rect = button;
    opt.state = QStyle::State_Children | QStyle::State_Item;
    if (expanded)
        opt.state |= QStyle::State_Open;
    if (widget.isEnabled())
        opt.state |= QStyle::State_Enabled;
    widget.style()->drawPrimitive(QStyle::PE_IndicatorBranch, &opt, &p, &widget);
}
