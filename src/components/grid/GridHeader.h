#pragma once
// The `Header` object: the look of the column header (OS style or own colours, flat or
// buttons, hot tracking, icons, sort marks) and its painting. Per-column header settings
// (text, alignment, icon, colours) live in the column objects; the input unit tells the
// header which item is hot or pressed.

#include "components/grid/FontObject.h"
#include "components/grid/GridTypes.h"

#include <QObject>
#include <QPointer>
#include <QRect>

class IconList;
class QPainter;
class TessixGrid;

// SortInfoStyle codes.
enum GridSortInfoStyle : int { SortInfoNone = 0, SortInfoIcons = 1, SortInfoNumbered = 2 };
// HotTrackFlags bits.
enum GridHotTrackFlag : int { HotTrackIcons = 1, HotTrackText = 2, HotTrackSortInfo = 4 };

class GridHeader : public QObject {
    Q_OBJECT
public:
    explicit GridHeader(TessixGrid& grid);
    ~GridHeader() override;

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    IconList* ImageList() const { return m_imageList; }
    void SetImageList(IconList* list);
    bool UseOSStyle() const { return m_useOSStyle; }
    void SetUseOSStyle(bool on);
    bool Flat() const { return m_flat; }
    void SetFlat(bool on);
    bool Buttons() const { return m_buttons; }
    void SetButtons(bool on);
    bool DragColumns() const { return m_dragColumns; }
    void SetDragColumns(bool on);
    bool HotTracking() const { return m_hotTracking; }
    void SetHotTracking(bool on);
    int HotTrackFlags() const { return m_hotTrackFlags; }
    void SetHotTrackFlags(int flags);
    OleColor HotTrackForeColor() const { return m_hotTrackForeColor; }
    void SetHotTrackForeColor(OleColor color);
    int SortInfoStyle() const { return m_sortInfoStyle; }
    void SetSortInfoStyle(int style); // values outside 0..2 are ignored
    FontObject SortInfoFont() const { return m_sortInfoFont.handle(); }
    void SetSortInfoFont(const FontObject& font) { m_sortInfoFont.assign(font); }
    OleColor SolidSortIconColor() const { return m_sortIconColor; }
    void SetSolidSortIconColor(OleColor color);
    OleColor ForeColor() const { return m_foreColor; }
    void SetForeColor(OleColor color);
    OleColor BackColor() const { return m_backColor; }
    void SetBackColor(OleColor color);
    // Colour of the lines between the items of a flat header.
    OleColor SeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(OleColor color);
    FontObject Font() const { return m_font.handle(); } // bound: edits show at once
    void SetFont(const FontObject& font) { m_font.assign(font); }
    // The header's height; until set, one line of the header font plus padding.
    int Height() const;
    void SetHeight(int px); // below 0 ignored
    // Fits the height to the tallest item (multi-line texts, icons).
    void AutoHeight();

    // The height the header takes in the grid now (0 while hidden).
    int shownHeight() const { return m_visible ? Height() : 0; }
    // Width an item needs for its text, icon and sort mark (fitting column widths).
    int itemWidth(int col) const;

    // Pointer and button state, set by the input unit.
    int hotCol() const { return m_hotCol; }
    void setHotCol(int col);
    int pressedCol() const { return m_pressedCol; }
    void setPressedCol(int col);

    // Paints the header into `area` (viewport coordinates); columns scrolled by xOffset.
    void paint(QPainter& p, const QRect& area, int xOffset) const;

Q_SIGNALS:
    // The look changed; `layout` when the height may have changed too.
    void changed(bool layout);

private:
    struct Item;
    Item itemFor(int col) const;
    int itemHeight(int col) const;
    void paintItem(QPainter& p, const QRect& rect, int col) const;
    void paintSortMark(QPainter& p, const QRect& rect, int order, int position, bool hot) const;
    int sortMarkWidth(int col) const;
    QFont font() const;
    void look(bool layout = false) { Q_EMIT changed(layout); }

    TessixGrid& m_grid;
    QPointer<IconList> m_imageList;
    FontHolder m_font;
    FontHolder m_sortInfoFont;
    int m_height = -1; // -1: from the font
    int m_hotTrackFlags = HotTrackText;
    int m_sortInfoStyle = SortInfoNumbered;
    int m_hotCol = 0;
    int m_pressedCol = 0;
    OleColor m_hotTrackForeColor = 0x00CC6600;
    OleColor m_sortIconColor = 0x80000010;
    OleColor m_foreColor = 0x80000012; // button text
    OleColor m_backColor = 0x8000000F; // button face
    OleColor m_separatorColor = 0x80000010;
    bool m_visible = true;
    bool m_useOSStyle = true;
    bool m_flat = false;
    bool m_buttons = true;
    bool m_dragColumns = true;
    bool m_hotTracking = true;
};
