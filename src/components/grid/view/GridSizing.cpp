#include "view/GridSizing.h"

#include "components/grid/GridHeader.h"
#include "components/iconlist/IconList.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "core/GridSettings.h"
#include "model/GridStore.h"
#include "view/CellTextLayout.h"
#include "view/GridCellControls.h"
#include "view/GridGeometry.h"
#include "view/GridHeaderView.h"
#include "view/GridImageLists.h"
#include "view/GridTreeLook.h"

#include <QAbstractScrollArea>

#include <QFontMetrics>
#include <QStyle>
#include <algorithm>

namespace {
constexpr int DecorationGap = 3;  // as painted: between a check box or icon and the text
constexpr int ComboButtonPad = 6; // a combo button is a text line plus its frame
constexpr int RowPad = 2;         // breathing room above and below one line of text
} // namespace

const GridSizing::FontEntry& GridSizing::fontEntry(const FontData& font) const {
    auto it = m_fonts.constFind(font);
    if (it == m_fonts.constEnd()) {
        const QFont device = font.toQFont();
        it = m_fonts.insert(font, {device, QFontMetrics(device).lineSpacing()});
    }
    return it.value();
}

int GridSizing::lineHeight(const FontData& font) const {
    return fontEntry(font).lineHeight;
}

const QFont& GridSizing::deviceFont(const FontData& font) const {
    return fontEntry(font).font;
}

int GridSizing::optimalRowHeight(const FontData& font, int lines, bool checkBoxes,
                                 bool comboButtons) const {
    const int line = lineHeight(font);
    int content = lines * line;
    if (checkBoxes)
        content = std::max(content, checkBoxSize(m_context.area).height() + 2);
    if (comboButtons)
        content = std::max(content, line + ComboButtonPad);
    // Default cell indents (1 above, 1 below), the padding and the horizontal grid line.
    return content + 2 + RowPad + 1;
}

bool GridSizing::mayGrow(const CellStyle& look) const {
    return look.cellType == CellTypeCustomDraw ||
           ((look.textFlags & TextFlagWordBreak) && !(look.textFlags & TextFlagSingleLine));
}

int GridSizing::decorationWidth(int col, const CellStyle& look) const {
    int w = 0;
    if (look.checkBoxVisible)
        w += checkBoxSize(m_context.area).width() + DecorationGap;
    if (const IconList* list = look.icon > 0 ? m_context.images.forColumn(col) : nullptr)
        w += list->ImageWidth() + DecorationGap;
    return w;
}

int GridSizing::decorationHeight(int col, const CellStyle& look) const {
    int h = 0;
    if (look.checkBoxVisible)
        h = checkBoxSize(m_context.area).height();
    if (const IconList* list = look.icon > 0 ? m_context.images.forColumn(col) : nullptr)
        h = std::max(h, list->ImageHeight());
    return h;
}

GridSizing::Measured GridSizing::measureCell(int row, int col, const CellStyle& look,
                                             int width) const {
    const GridStore& store = m_context.store;
    const int lines = m_context.look.gridLines;
    const int lineX = lines & GridLinesVertical ? 1 : 0;
    const int lineY = lines & GridLinesHorizontal ? 1 : 0;
    if (look.cellType == CellTypeCustomDraw) {
        CustomDrawCellSizeArgs args{row, col, 0, 0};
        m_context.events.RequestCustomDrawCellSize(args);
        return {args.width + lineX, args.height + lineY};
    }
    const int padX = look.indentLeft + look.indentRight + lineX;
    const int padY = look.indentTop + look.indentBottom + lineY;
    const FontData font = store.cellFontData(row, col);
    const int decoW = decorationWidth(col, look) + treeIndent(m_context, row, col);
    Measured m;
    // Formatting the text costs the most; cells that cannot grow are one line high anyway.
    if (width < 0) { // natural width: the text's own lines, unwrapped
        const QString text = store.CellText(row, col);
        const CellTextLayout layout(text, deviceFont(font), look.textFlags & ~TextFlagWordBreak, 0);
        m.width = layout.naturalWidth();
        m.height = layout.height();
    } else if (mayGrow(look)) {
        QString storage;
        const QStringView text = store.CellTextView(row, col, storage);
        m.height = text.isEmpty()
                       ? lineHeight(font)
                       : CellTextLayout::measureHeight(text, deviceFont(font), look.textFlags,
                                                       std::max(1, width - padX - decoW));
    } else {
        m.height = lineHeight(font);
    }
    m.width += padX + decoW;
    m.height = std::max(m.height + RowPad, decorationHeight(col, look)) + padY;
    return m;
}

int GridSizing::contentHeight(int row) const {
    const GridStore& store = m_context.store;
    const GridGeometry& g = m_context.geometry;
    if (store.RowIsGroup(row))
        return measureCell(row, RowTextColIndex, store.CellLook(row, RowTextColIndex),
                           g.totalWidth())
            .height;
    int cells = 0;
    for (const auto& c : g.columns())
        cells =
            std::max(cells, measureCell(row, c.col, store.CellLook(row, c.col), c.width).height);
    if (cells == 0)
        cells = optimalRowHeight(store.fontData(), 1, false, false);
    return cells;
}

void GridSizing::autoHeightRow(int row, int minHeight, int maxHeight) {
    GridStore& store = m_context.store;
    if (row < 1 || row > store.RowCount())
        return;
    const int cells = contentHeight(row);
    int text = 0;
    if (m_context.look.showRowText && !store.RowIsGroup(row)) {
        const QString body = store.CellText(row, RowTextColIndex);
        if (!body.isEmpty()) {
            const GridGeometry& g = m_context.geometry;
            text = measureCell(row, RowTextColIndex, store.CellLook(row, RowTextColIndex),
                               g.totalWidth() - g.rowTextLeft())
                       .height;
        }
    }
    int total = cells + text;
    if (minHeight > 0)
        total = std::max(total, minHeight);
    if (maxHeight > 0)
        total = std::min(total, maxHeight);
    // Without row text the whole height belongs to the cells.
    store.SetRowCellsHeight(row, text > 0 ? std::min(cells, total) : total);
    store.SetRowHeight(row, total);
}

void GridSizing::autoHeightRows() {
    m_context.host.beginUpdate();
    for (int row = 1; row <= m_context.store.RowCount(); ++row)
        autoHeightRow(row, 0, 0);
    m_context.host.endUpdate();
}

int GridSizing::contentWidth(int col, bool withHeader) const {
    const GridStore& store = m_context.store;
    int w = 0;
    for (int row = 1; row <= store.RowCount(); ++row)
        if (store.RowVisible(row) && !store.RowIsGroup(row))
            w = std::max(w, measureCell(row, col, store.CellLook(row, col), -1).width);
    if (withHeader && m_context.header.Visible())
        w = std::max(w, m_context.headerView.itemWidth(col));
    return w;
}

void GridSizing::autoWidthCol(int col) {
    GridColumn* column = col >= 1 ? m_context.store.ColObject(col) : nullptr;
    if (column)
        column->SetWidth(std::max(1, contentWidth(col, m_context.options.autoWidthWithHeader)));
}

void GridSizing::autoWidthCols() {
    m_context.host.beginUpdate();
    for (int col = 1; col <= m_context.store.ColCount(); ++col)
        autoWidthCol(col);
    m_context.host.endUpdate();
}

void GridSizing::stretchCol(int col) {
    m_context.options.stretchCol = col > 0 ? col : 0;
    applyStretch();
}

void GridSizing::applyStretch() {
    GridStore& store = m_context.store;
    int& stretchCol = m_context.options.stretchCol;
    GridColumn* stretched = stretchCol ? store.ColObject(stretchCol) : nullptr;
    if (!stretched) {
        stretchCol = 0;
        return;
    }
    int others = 0;
    store.forEachShownColumn([&](int col, const GridColumn& c) {
        if (col != stretchCol)
            others += c.Width();
    });
    const int width = std::max(stretched->MinWidth(), m_context.area.viewport()->width() - others);
    if (width != stretched->Width()) {
        const int keep = stretchCol;
        stretchCol = 0; // setting the width comes back here through the store
        stretched->SetWidth(width);
        stretchCol = keep;
    }
}
