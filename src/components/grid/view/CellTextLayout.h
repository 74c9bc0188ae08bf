#pragma once
// Text inside a cell as the text flags lay it out: wrapping, whole lines only, ellipses,
// single line. Painting and the fitting methods share it, so a fitted row shows exactly
// the lines that were measured.

#include "core/GridInternal.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QPainter;

class CellTextLayout {
public:
    CellTextLayout(const QString& text, const QFont& font, quint32 flags, int width);

    // height() of such a layout without keeping its lines: fitting rows measures every
    // cell, and only the line count matters there.
    static int measureHeight(QStringView text, const QFont& font, quint32 flags, int width);

    // Height of all lines (for fitting); lineHeight() for one line.
    int height() const { return int(m_lines.size()) * m_lineHeight; }
    int lineHeight() const { return m_lineHeight; }
    int naturalWidth() const; // the widest line without wrapping limits (fitting widths)
    const QStringList& lines() const { return m_lines; } // as wrapped, before any clipping
    // Draws into `rect` with the given alignment (GridAlignH / GridAlignV codes); lines that
    // do not fit are dropped or elided as the flags say.
    void draw(QPainter& p, const QRect& rect, int alignH, int alignV) const;

private:
    // The lines that fit; cut = text follows that the last line's ellipsis stands for.
    QStringList visibleLines(int height, bool& cut) const;

    QFont m_font;
    quint32 m_flags;
    int m_width;
    int m_lineHeight;
    QStringList m_lines; // after wrapping at m_width (one line unless word break)
    QStringList m_rawLines;
};

// Top of a block of `height` pixels inside `rect` for a vertical alignment code.
int alignedTop(const QRect& rect, int height, int alignV);
