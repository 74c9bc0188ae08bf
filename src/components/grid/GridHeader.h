#pragma once
// The `Header` object: the look of the column header (OS style or own colours, flat or
// buttons, hot tracking, icons, sort marks) and its height. Per-column header settings
// (text, alignment, icon, colours) live in the column objects; the grid's view paints the
// header from these settings.

#include "components/grid/FontObject.h"
#include "components/grid/GridTypes.h"
#include "components/iconlist/IconList.h"

#include <QPointer>

struct GridContext;

// SortInfoStyle codes.
enum GridSortInfoStyle : int { SortInfoNone = 0, SortInfoIcons = 1, SortInfoNumbered = 2 };
// HotTrackFlags bits.
enum GridHotTrackFlag : int { HotTrackIcons = 1, HotTrackText = 2, HotTrackSortInfo = 4 };

class GridHeader {
public:
    explicit GridHeader(const GridContext& context);
    ~GridHeader();
    GridHeader(const GridHeader&) = delete;
    GridHeader& operator=(const GridHeader&) = delete;

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
    // The fonts in force (the grid's font until set; the sort numbers' derived from it).
    FontData fontData() const { return m_font.data(); }
    FontData sortInfoFontData() const { return m_sortInfoFont.data(); }

private:
    void changed(bool layout = false) const;

    const GridContext& m_context;
    QPointer<IconList> m_imageList;
    FontHolder m_font;
    FontHolder m_sortInfoFont;
    int m_height = -1; // -1: from the font
    int m_hotTrackFlags = HotTrackText;
    int m_sortInfoStyle = SortInfoNumbered;
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
