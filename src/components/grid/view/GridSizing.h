#pragma once
// Fitting row heights and column widths to their contents. Measuring uses the same text
// layout as painting (CellTextLayout), so a fitted row shows exactly the measured lines.
// Fast paths: only cells that wrap (word-break flag) or are custom-drawn can make a row
// taller than one line, so AutoHeightRows measures those alone, with device fonts and
// their metrics cached per font.

#include "core/GridInternal.h"

#include "components/grid/FontObject.h"

#include <QFont>
#include <QHash>
#include <optional>

struct CellStyle;
struct GridContext;

class GridSizing {
public:
    explicit GridSizing(const GridContext& context) : m_context(context) {}

    // Height for a row showing `lines` lines of `font`, with room for check boxes and/or
    // combo buttons.
    int optimalRowHeight(const FontData& font, int lines, bool checkBoxes, bool comboButtons) const;
    // The height the row's contents need (cells part plus the row text when shown).
    int contentHeight(int row) const;
    void autoHeightRow(int row, int minHeight, int maxHeight);
    void autoHeightRows();
    // The width the column's contents need (and its header item's, when withHeader).
    int contentWidth(int col, bool withHeader) const;
    void autoWidthCol(int col);
    void autoWidthCols();
    // The column keeps filling the width the other shown columns leave (never below its
    // MinWidth), also when the grid resizes, until stretchCol(0) or the user resizes it.
    void stretchCol(int col);
    void applyStretch(); // after a resize or a column change

private:
    struct Measured {
        int width = 0;
        int height = 0;
    };
    // Size of one cell's contents: width < 0 measures the natural width (and height);
    // otherwise the text is wrapped at `width` pixels and only the height is measured.
    Measured measureCell(int row, int col, const CellStyle& look, int width) const;
    int lineHeight(const FontData& font) const;
    // The device font for a font, kept per font: a QFont made once keeps Qt's font-engine
    // lookups cached, which a fresh QFont per cell repeats.
    const QFont& deviceFont(const FontData& font) const;
    // Room a cell's decorations take beside the text: check box and icon.
    int decorationWidth(int col, const CellStyle& look) const;
    int decorationHeight(int col, const CellStyle& look) const;
    bool mayGrow(const CellStyle& look) const; // wraps or is custom-drawn

    const GridContext& m_context;
    struct FontEntry {
        QFont font;
        int lineHeight = 0;
    };
    const FontEntry& fontEntry(const FontData& font) const;
    mutable QHash<FontData, FontEntry> m_fonts;
};
