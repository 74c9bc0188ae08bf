#include "components/grid/GridHeader.h"

#include "components/iconlist/IconList.h"
#include "core/GridContext.h"
#include "model/GridStore.h"
#include "view/GridHeaderView.h"

#include <algorithm>

GridHeader::GridHeader(const GridContext& context)
    : m_context(context),
      m_font([&context] { return context.store.fontData(); }, [this] { changed(true); }),
      m_sortInfoFont(
          [this] {
              FontData small = m_font.data();
              small.size = std::max(6.0, small.size - 1.5);
              small.bold = false;
              small.italic = false;
              return small;
          },
          [this] { changed(); }) {}

GridHeader::~GridHeader() = default;

void GridHeader::SetVisible(bool visible) {
    m_visible = visible;
    changed(true);
}

void GridHeader::SetImageList(IconList* list) {
    m_imageList = list;
    changed();
}

void GridHeader::SetUseOSStyle(bool on) {
    m_useOSStyle = on;
    changed();
}

void GridHeader::SetFlat(bool on) {
    m_flat = on;
    changed();
}

void GridHeader::SetButtons(bool on) {
    m_buttons = on;
    changed();
}

void GridHeader::SetDragColumns(bool on) {
    m_dragColumns = on;
}

void GridHeader::SetHotTracking(bool on) {
    m_hotTracking = on;
    changed();
}

void GridHeader::SetHotTrackFlags(int flags) {
    m_hotTrackFlags = flags & (HotTrackIcons | HotTrackText | HotTrackSortInfo);
    changed();
}

void GridHeader::SetHotTrackForeColor(OleColor color) {
    m_hotTrackForeColor = color;
    changed();
}

void GridHeader::SetSortInfoStyle(int style) {
    if (style < SortInfoNone || style > SortInfoNumbered)
        return;
    m_sortInfoStyle = style;
    changed();
}

void GridHeader::SetSolidSortIconColor(OleColor color) {
    m_sortIconColor = color;
    changed();
}

void GridHeader::SetForeColor(OleColor color) {
    m_foreColor = color;
    changed();
}

void GridHeader::SetBackColor(OleColor color) {
    m_backColor = color;
    changed();
}

void GridHeader::SetSeparatorColor(OleColor color) {
    m_separatorColor = color;
    changed();
}

void GridHeader::changed(bool layout) const {
    m_context.repaint(layout);
}

int GridHeader::Height() const {
    return m_height >= 0 ? m_height : m_context.headerView.oneLineHeight();
}

void GridHeader::SetHeight(int px) {
    if (px < 0)
        return;
    m_height = px;
    changed(true);
}

void GridHeader::AutoHeight() {
    SetHeight(m_context.headerView.tallestItemHeight());
}
