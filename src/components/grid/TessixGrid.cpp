#include "components/grid/TessixGrid.h"

#include "core/GridEventSink.h"
#include "core/GridPrivate.h"
#include "model/GridCellWrite.h"
#include "model/GridLayoutText.h"
#include "model/GridRecordLoad.h"
#include "platform/Colors.h"

#include <QFocusEvent>
#include <QMetaMethod>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

// The parts' events, raised as the widget's signals.
class TessixGrid::Relay final : public GridEventSink {
public:
    explicit Relay(TessixGrid& grid) : m_grid(grid) {}

    bool listening(GridOptionalEvent event) const override {
        switch (event) {
        case GridOptionalEvent::CellSelectionChange:
            return connected(&TessixGrid::CellSelectionChange);
        case GridOptionalEvent::CustomDrawCellBackground:
            return connected(&TessixGrid::CustomDrawCellBackground);
        case GridOptionalEvent::CustomDrawCellForeground:
            return connected(&TessixGrid::CustomDrawCellForeground);
        case GridOptionalEvent::GetGroupValue:
            return connected(&TessixGrid::GetGroupValue);
        }
        return false;
    }

#define TESSIX_GRID_EVENT_SIGNAL(name, params, args)                                               \
    void name params override {                                                                    \
        Q_EMIT m_grid.name args;                                                                   \
    }
    TESSIX_GRID_EVENTS(TESSIX_GRID_EVENT_SIGNAL)
#undef TESSIX_GRID_EVENT_SIGNAL

private:
    template <typename Signal> bool connected(Signal signal) const {
        return m_grid.isSignalConnected(QMetaMethod::fromSignal(signal));
    }

    TessixGrid& m_grid;
};

TessixGrid::TessixGrid(QWidget* parent)
    : QAbstractScrollArea(parent), m_relay(std::make_unique<Relay>(*this)),
      d(std::make_unique<GridPrivate>(*this, *m_relay)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    SetBorderStyle(d->look.borderStyle);
}

TessixGrid::~TessixGrid() = default;

// A column member read through the column object, with a fallback for a bad column.
namespace {
template <typename T, typename Get>
T columnRead(const GridStore& store, const ColRef& col, T fallback, Get get) {
    const GridColumn* c = store.ColObject(col);
    return c ? get(*c) : fallback;
}
} // namespace

// ----- Structure -----

GridColumn* TessixGrid::AddCol(const QString& key, const QString& headerText, int width,
                               int sortType, const ColRef& before) {
    return d->store.AddCol(key, headerText, width, sortType, before);
}

bool TessixGrid::RemoveCol(const ColRef& col) {
    return d->store.RemoveCol(col);
}

int TessixGrid::ColCount() const {
    return d->store.ColCount();
}

void TessixGrid::SetColCount(int count) {
    d->store.SetColCount(count);
}

QString TessixGrid::ColKey(const ColRef& col) const {
    return d->store.ColKey(col);
}

bool TessixGrid::SetColKey(const ColRef& col, const QString& key) {
    return d->store.SetColKey(col, key);
}

int TessixGrid::ColIndex(const ColRef& col) const {
    return d->store.ColIndex(col);
}

int TessixGrid::ColPos(const ColRef& col) const {
    return d->store.ColPos(col);
}

int TessixGrid::ColAtPos(int pos) const {
    return d->store.ColAtPos(pos);
}

bool TessixGrid::SetColPos(const ColRef& col, int pos) {
    return d->store.SetColPos(col, pos);
}

GridColumn* TessixGrid::ColObject(const ColRef& col) const {
    return d->store.ColObject(col);
}

void TessixGrid::Clear(bool removeCols) {
    d->store.Clear(removeCols);
}

int TessixGrid::AddRow(const AddRowArgs& args) {
    return d->store.AddRow(args);
}

bool TessixGrid::RemoveRow(int row) {
    return d->store.RemoveRow(row);
}

int TessixGrid::RowCount() const {
    return d->store.RowCount();
}

void TessixGrid::SetRowCount(int count) {
    d->store.SetRowCount(count);
}

int TessixGrid::FindRow(const ColRef& col, const QString& text) const {
    return d->store.FindRow(col, text);
}

int TessixGrid::FindRowByKey(const QString& key) const {
    return d->store.FindRowByKey(key);
}

// ----- Per-column header members -----

#define TESSIX_COLUMN_MEMBER(Type, Name, Getter, Setter, fallback)                                 \
    Type TessixGrid::Name(const ColRef& col) const {                                               \
        return columnRead<Type>(d->store, col, fallback,                                           \
                                [](const GridColumn& c) { return c.Getter(); });                   \
    }                                                                                              \
    void TessixGrid::Set##Name(const ColRef& col, Type value) {                                    \
        if (GridColumn* c = d->store.ColObject(col))                                               \
            c->Setter(value);                                                                      \
    }

TESSIX_COLUMN_MEMBER(int, ColWidth, Width, SetWidth, 0)
TESSIX_COLUMN_MEMBER(bool, ColVisible, Visible, SetVisible, false)
TESSIX_COLUMN_MEMBER(int, ColHeaderAlignH, HeaderAlignH, SetHeaderAlignH, 0)
TESSIX_COLUMN_MEMBER(int, ColHeaderAlignV, HeaderAlignV, SetHeaderAlignV, 0)
TESSIX_COLUMN_MEMBER(quint32, ColHeaderTextFlags, HeaderTextFlags, SetHeaderTextFlags, 0)
TESSIX_COLUMN_MEMBER(OleColor, ColHeaderForeColor, HeaderForeColor, SetHeaderForeColor,
                     DefaultColor)
TESSIX_COLUMN_MEMBER(OleColor, ColHeaderBackColor, HeaderBackColor, SetHeaderBackColor,
                     DefaultColor)
TESSIX_COLUMN_MEMBER(int, ColHeaderIcon, HeaderIcon, SetHeaderIcon, 0)
TESSIX_COLUMN_MEMBER(bool, ColAllowSizing, AllowSizing, SetAllowSizing, false)
#undef TESSIX_COLUMN_MEMBER

int TessixGrid::ColSortIndex(const ColRef& col) const {
    return d->sort.ColSortIndex(col);
}

QString TessixGrid::ColHeaderText(const ColRef& col) const {
    return columnRead<QString>(d->store, col, QString(),
                               [](const GridColumn& c) { return c.HeaderText(); });
}

void TessixGrid::SetColHeaderText(const ColRef& col, const QString& text) {
    if (GridColumn* c = d->store.ColObject(col))
        c->SetHeaderText(text);
}

int TessixGrid::ColSortType(const ColRef& col) const {
    return columnRead<int>(d->store, col, 0, [](const GridColumn& c) { return c.SortType(); });
}

void TessixGrid::SetColSortIndex(const ColRef& col, int index) {
    d->sort.SetColSortIndex(col, index);
    d->repaint(false); // the header's sort marks
}

// ----- Cells -----

Variant TessixGrid::CellValue(int row, const ColRef& col) const {
    return d->store.CellValue(row, col);
}

void TessixGrid::SetCellValue(int row, const ColRef& col, const char* text) {
    SetCellValue(row, col, QString::fromUtf8(text));
}

QString TessixGrid::CellText(int row, const ColRef& col) const {
    return d->store.CellText(row, col);
}

FontObject TessixGrid::CellFont(int row, const ColRef& col) {
    return d->store.CellFont(row, col);
}

void TessixGrid::SetCellFont(int row, const ColRef& col, const FontObject& font) {
    d->store.SetCellFont(row, col, font);
}

void TessixGrid::ResetCellFont(int row, const ColRef& col) {
    d->store.ResetCellFont(row, col);
}

#define TESSIX_CELL_MEMBER(Type, Name)                                                             \
    Type TessixGrid::Name(int row, const ColRef& col) const {                                      \
        return d->store.Name(row, col);                                                            \
    }                                                                                              \
    void TessixGrid::Set##Name(int row, const ColRef& col, Type value) {                           \
        d->store.Set##Name(row, col, value);                                                       \
    }
TESSIX_GRID_CELL_MEMBERS(TESSIX_CELL_MEMBER)
#undef TESSIX_CELL_MEMBER

void TessixGrid::SetCellValue(int row, const ColRef& col, const Variant& v) {
    writeCellValue(d->store, row, col, v);
}

void TessixGrid::SetCellValue(int row, const ColRef& col, const QString& text) {
    writeCellText(d->store, row, col, text);
}

void TessixGrid::GetCellRect(int row, const ColRef& col, int& left, int& top, int& width,
                             int& height) const {
    const QRect r = d->context.viewport().cellRect(row, d->store.ColIndex(col));
    left = r.left();
    top = r.top();
    width = r.width();
    height = r.height();
}

// ----- Rows -----

int TessixGrid::RowHeight(int row) const {
    return d->store.RowHeight(row);
}

void TessixGrid::SetRowHeight(int row, int px) {
    d->store.SetRowHeight(row, px);
}

int TessixGrid::RowCellsHeight(int row) const {
    return d->store.RowCellsHeight(row);
}

void TessixGrid::SetRowCellsHeight(int row, int px) {
    d->store.SetRowCellsHeight(row, px);
}

bool TessixGrid::RowVisible(int row) const {
    return d->store.RowVisible(row);
}

void TessixGrid::SetRowVisible(int row, bool visible) {
    d->store.SetRowVisible(row, visible);
}

Variant TessixGrid::RowTag(int row) const {
    return d->store.RowTag(row);
}

void TessixGrid::SetRowTag(int row, const Variant& tag) {
    d->store.SetRowTag(row, tag);
}

QObject* TessixGrid::RowTagObject(int row) const {
    return d->store.RowTagObject(row);
}

void TessixGrid::SetRowTagObject(int row, QObject* object) {
    d->store.SetRowTagObject(row, object);
}

QString TessixGrid::RowKey(int row) const {
    return d->store.RowKey(row);
}

bool TessixGrid::RowIsGroup(int row) const {
    return d->store.RowIsGroup(row);
}

void TessixGrid::SetRowIsGroup(int row, bool group) {
    d->store.SetRowIsGroup(row, group);
}

int TessixGrid::RowTreeButton(int row) const {
    return d->store.RowTreeButton(row);
}

void TessixGrid::SetRowTreeButton(int row, int button) {
    d->store.SetRowTreeButton(row, button);
}

bool TessixGrid::RowExpanded(int row) const {
    return d->store.RowExpanded(row);
}

void TessixGrid::SetRowExpanded(int row, bool expanded) {
    d->outline.setExpanded(row, expanded);
}

int TessixGrid::ParentRow(int row) const {
    return d->store.ParentRow(row);
}

// ----- Grid-wide look -----

int TessixGrid::SelAlpha() const {
    return d->look.selAlpha;
}

int TessixGrid::FocusRectThickness() const {
    return d->look.focusRectThickness;
}

int TessixGrid::BorderStyle() const {
    return d->look.borderStyle;
}

bool TessixGrid::Enabled() const {
    return isEnabled();
}

void TessixGrid::SetEnabled(bool enabled) {
    setEnabled(enabled);
}

FontObject TessixGrid::Font() const {
    return d->store.Font();
}

void TessixGrid::SetFont(const FontObject& font) {
    d->store.SetFont(font);
}

#define TESSIX_LOOK_MEMBER(Type, Name, field)                                                      \
    Type TessixGrid::Name() const {                                                                \
        return d->look.field;                                                                      \
    }                                                                                              \
    void TessixGrid::Set##Name(Type value) {                                                       \
        d->look.field = value;                                                                     \
        d->repaint(false);                                                                         \
    }
TESSIX_GRID_LOOK_MEMBERS(TESSIX_LOOK_MEMBER)
#undef TESSIX_LOOK_MEMBER

void TessixGrid::SetSelAlpha(int alpha) {
    d->look.selAlpha = std::clamp(alpha, 0, 255);
    d->repaint(false);
}

void TessixGrid::SetFocusRectThickness(int px) {
    d->look.focusRectThickness = std::clamp(px, 1, 3);
    d->repaint(false);
}

void TessixGrid::SetBorderStyle(int style) {
    switch (style) {
    case 0:
        setFrameStyle(QFrame::NoFrame);
        break;
    case 2: // exactly one pixel per side; painted in event()
        setFrameStyle(QFrame::Box | QFrame::Plain);
        setLineWidth(1);
        break;
    case 3:
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
        break;
    default:
        return;
    }
    d->look.borderStyle = style;
    update();
}

FontObject TessixGrid::CreateFont(const CreateFontArgs& args) const {
    FontData data = d->store.fontData();
    data.name = args.Name.value_or(data.name);
    if (args.Size && *args.Size > 0)
        data.size = *args.Size;
    data.bold = args.Bold.value_or(data.bold);
    data.italic = args.Italic.value_or(data.italic);
    return FontObject(data);
}

// ----- Sizing -----

int TessixGrid::DefaultRowHeight() const {
    return d->store.DefaultRowHeight();
}

void TessixGrid::SetDefaultRowHeight(int px) {
    d->store.SetDefaultRowHeight(px);
}

int TessixGrid::DefaultRowCellsHeight() const {
    return d->store.DefaultRowCellsHeight();
}

void TessixGrid::SetDefaultRowCellsHeight(int px) {
    d->store.SetDefaultRowCellsHeight(px);
}

bool TessixGrid::AutoWidthWithHeader() const {
    return d->options.autoWidthWithHeader;
}

void TessixGrid::SetAutoWidthWithHeader(bool on) {
    d->options.autoWidthWithHeader = on;
}

int TessixGrid::GetOptimalRowHeight(const std::optional<FontObject>& font, int lines, int,
                                    bool checkBoxes, int, bool comboButtons) const {
    return d->sizing.optimalRowHeight(font ? font->data() : d->store.fontData(), std::max(1, lines),
                                      checkBoxes, comboButtons);
}

void TessixGrid::AutoHeightRow(int row, int minHeight, int maxHeight) {
    d->sizing.autoHeightRow(row, minHeight, maxHeight);
}

void TessixGrid::AutoHeightRows() {
    d->sizing.autoHeightRows();
}

void TessixGrid::AutoWidthCol(const ColRef& col) {
    d->sizing.autoWidthCol(d->store.ColIndex(col));
}

void TessixGrid::AutoWidthCols() {
    d->sizing.autoWidthCols();
}

void TessixGrid::StretchCol(const ColRef& col) {
    d->sizing.stretchCol(d->store.ColIndex(col));
}

// ----- Frozen columns -----

int TessixGrid::FrozenCols() const {
    return d->store.FrozenCols();
}

void TessixGrid::SetFrozenCols(int count) {
    d->store.SetFrozenCols(count);
}

int TessixGrid::FrozenEdgeWidth() const {
    return d->frozen.EdgeWidth();
}

bool TessixGrid::SetFrozenEdgeWidth(int px) {
    return d->frozen.SetEdgeWidth(px);
}

OleColor TessixGrid::FrozenEdgeColor() const {
    return d->frozen.EdgeColor();
}

void TessixGrid::SetFrozenEdgeColor(OleColor color) {
    d->frozen.SetEdgeColor(color);
}

bool TessixGrid::DrawFrozenEdgeAlways() const {
    return d->frozen.DrawEdgeAlways();
}

void TessixGrid::SetDrawFrozenEdgeAlways(bool on) {
    d->frozen.SetDrawEdgeAlways(on);
}

// ----- Row text -----

int TessixGrid::RowTextCol() const {
    return d->store.RowTextCol();
}

int TessixGrid::RowTextStartCol() const {
    return d->look.rowTextStartCol;
}

void TessixGrid::SetRowTextStartCol(const ColRef& col) {
    const int index = d->store.ColIndex(col);
    if (index < 1)
        return;
    d->look.rowTextStartCol = index;
    d->repaint(false);
}

// ----- Header, sorting, layouts -----

GridHeader& TessixGrid::Header() {
    return d->header;
}

const GridHeader& TessixGrid::Header() const {
    return d->header;
}

bool TessixGrid::SortOnHeaderClick() const {
    return d->options.sortOnHeaderClick;
}

void TessixGrid::SetSortOnHeaderClick(bool on) {
    d->options.sortOnHeaderClick = on;
}

bool TessixGrid::HeaderClickOption() const {
    return d->options.headerClickOption;
}

void TessixGrid::SetHeaderClickOption(bool on) {
    d->options.headerClickOption = on;
}

void TessixGrid::SortByCol(const ColRef& col) {
    d->sort.SortByCol(col);
}

void TessixGrid::Sort() {
    d->sort.Sort();
}

void TessixGrid::SortChildRows(int row) {
    d->sort.SortChildRows(row);
}

int TessixGrid::TreeCol() const {
    return d->options.treeCol;
}

void TessixGrid::SetTreeCol(const ColRef& col) {
    // An index may name a column still to be added (windows set it before their columns).
    d->options.treeCol = std::max(0, col.isKey() ? d->store.ColIndex(col) : col.index());
    d->repaint(false);
}

void TessixGrid::Group() {
    d->grouping.group(d->sortObject.keys(d->store), d->options.groupRowsExpanded);
    d->outline.leaveFolds(); // into collapsed bands
}

void TessixGrid::Ungroup() {
    d->sortObject.Clear(); // rows deleted later must not bring the bands back
    d->grouping.ungroup();
}

bool TessixGrid::GroupRowsExpanded() const {
    return d->options.groupRowsExpanded;
}

void TessixGrid::SetGroupRowsExpanded(bool expanded) {
    d->options.groupRowsExpanded = expanded;
}

::SortObject& TessixGrid::SortObject() {
    return d->sortObject;
}

QString TessixGrid::ColLayout() const {
    return encodeColLayout(d->store);
}

bool TessixGrid::SetColLayout(const QString& text) {
    return applyColLayout(d->store, text);
}

QString TessixGrid::SortLayout() const {
    return encodeSortLayout(d->store, d->sort);
}

bool TessixGrid::SetSortLayout(const QString& text) {
    const bool applied = applySortLayout(d->store, d->sort, text);
    d->repaint(true);
    return applied;
}

// ----- Scroll bars -----

GridScrollBar& TessixGrid::VScrollBar() {
    return d->vScrollBar;
}

GridScrollBar& TessixGrid::HScrollBar() {
    return d->hScrollBar;
}

// ----- Image lists -----

void TessixGrid::SetImageList(IconList* list) {
    SetImageList(QList<IconList*>{list});
}

void TessixGrid::SetImageList(const QList<IconList*>& lists) {
    d->images.set(lists);
    d->repaint(false);
}

// ----- Information, batching, repainting -----

int TessixGrid::MemMngWantFreeRows() const {
    return d->store.MemMngWantFreeRows();
}

void TessixGrid::SetMemMngWantFreeRows(int rows) {
    d->store.SetMemMngWantFreeRows(rows);
}

void TessixGrid::BeginUpdate() {
    d->beginUpdate();
}

void TessixGrid::Redraw() {
    d->repaint(false);
}

int TessixGrid::GetInfo(int item) const {
    switch (item) {
    case 10:
        return contentsRect().width();
    case 17:
        return int(d->geometry.columns().size());
    case 25:
        return d->store.AllocatedRows();
    default:
        return 0;
    }
}

bool TessixGrid::IsFeatureAvailable(int feature) const {
    return feature == 0 || feature == 3;
}

void TessixGrid::EndUpdate() {
    d->endUpdate();
}

void TessixGrid::Refresh() {
    d->Refresh();
}

void TessixGrid::RedrawCell(int row, const ColRef& col) {
    d->RedrawCell(row, d->store.ColIndex(col));
}

void TessixGrid::EnsureVisibleRow(int row) {
    d->current.ensureRowVisible(row);
}

// ----- Selection and the current cell -----

bool TessixGrid::MultiSelect() const {
    return d->selection.MultiSelect();
}

void TessixGrid::SetMultiSelect(bool on) {
    d->selection.SetMultiSelect(on);
}

bool TessixGrid::RowMode() const {
    return d->selection.RowMode();
}

void TessixGrid::SetRowMode(bool on) {
    d->selection.SetRowMode(on);
    d->repaint(false);
}

bool TessixGrid::CellSelected(int row, const ColRef& col) const {
    return d->selection.CellSelected(row, d->store.ColIndex(col));
}

void TessixGrid::SetCellSelected(int row, const ColRef& col, bool selected) {
    d->selection.SetCellSelected(row, d->store.ColIndex(col), selected);
}

void TessixGrid::ClearSelection() {
    d->selection.ClearSelection();
}

GridSelItems& TessixGrid::SelItems() {
    return d->selection.SelItems();
}

int TessixGrid::CurRow() const {
    return d->navigation.CurRow();
}

int TessixGrid::CurCol() const {
    return d->navigation.CurCol();
}

void TessixGrid::SetCurRow(int row) {
    d->current.setRow(row);
}

void TessixGrid::SetCurCell(int row, const ColRef& col) {
    // An index past the last column is clamped like the row; an unknown key means none.
    d->current.set(row, col.isKey() ? d->store.ColIndex(col) : col.index());
}

bool TessixGrid::TabMovesCurCell() const {
    return d->options.tabMovesCurCell;
}

void TessixGrid::SetTabMovesCurCell(bool on) {
    d->options.tabMovesCurCell = on;
}

// ----- Editing: editor, check boxes, combo lists, typing, menus -----

bool TessixGrid::Editable() const {
    return d->options.editable;
}

void TessixGrid::SetEditable(bool on) {
    d->editor.SetEditable(on);
}

int TessixGrid::KeyPressBehaviour() const {
    return d->editor.KeyPressBehaviour();
}

void TessixGrid::SetKeyPressBehaviour(int mode) {
    d->editor.SetKeyPressBehaviour(mode);
}

int TessixGrid::KeyPressSearchCol() const {
    return d->editor.KeyPressSearchCol();
}

void TessixGrid::SetKeyPressSearchCol(const ColRef& col) {
    d->editor.SetKeyPressSearchCol(d->store.ColIndex(col));
}

bool TessixGrid::SearchFromCurRow() const {
    return d->editor.SearchFromCurRow();
}

void TessixGrid::SetSearchFromCurRow(bool on) {
    d->editor.SetSearchFromCurRow(on);
}

bool TessixGrid::CyclicSearch() const {
    return d->editor.CyclicSearch();
}

void TessixGrid::SetCyclicSearch(bool on) {
    d->editor.SetCyclicSearch(on);
}

QString TessixGrid::EditText() const {
    return d->editor.EditText();
}

void TessixGrid::SetEditText(const QString& text) {
    d->editor.SetEditText(text);
}

int TessixGrid::EditSelStart() const {
    return d->editor.EditSelStart();
}

void TessixGrid::CommitEdit() {
    d->editor.CommitEdit();
}

ComboLists& TessixGrid::ComboLists() {
    return d->comboLists;
}

GridContextMenu& TessixGrid::ContextMenu(int area) {
    return d->editor.contextMenu(area);
}

// ----- Drag and drop with other programs -----

void TessixGrid::OLEDrag() {
    d->dragDrop.OLEDrag();
}

int TessixGrid::OLEDropMode() const {
    return d->dragDrop.OLEDropMode();
}

void TessixGrid::SetOLEDropMode(int mode) {
    d->dragDrop.SetOLEDropMode(mode);
}

// ----- Recordsets -----

bool TessixGrid::FillFromRS(GridRecordSource& records, std::optional<int> mode) {
    return loadRecords(d->store, *d, records, mode, d->options.rowKeysFromRS == 1);
}

bool TessixGrid::VirtualMode() const {
    return d->virtualRows.enabled();
}

void TessixGrid::SetVirtualMode(bool on) {
    d->virtualRows.setEnabled(on);
}

int TessixGrid::RowKeysFromRS() const {
    return d->options.rowKeysFromRS;
}

void TessixGrid::SetRowKeysFromRS(int value) {
    d->options.rowKeysFromRS = value;
}

// ----- Qt events -----

bool TessixGrid::event(QEvent* e) {
    if (e->type() == QEvent::Paint && d->look.borderStyle == 2) {
        // The thin border: exactly one pixel per side in the button-shadow colour.
        QPainter p(this);
        p.setPen(OleColorToQColor(0x80000010));
        p.setBrush(Qt::NoBrush);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void TessixGrid::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    d->paint(p, e->rect());
}

void TessixGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    d->resized();
}

void TessixGrid::scrollContentsBy(int, int) {
    d->scrolled();
}

bool TessixGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Leave)
        d->pointerLeft();
    return QAbstractScrollArea::viewportEvent(e);
}

void TessixGrid::mousePressEvent(QMouseEvent* e) {
    if (!d->mousePress(e))
        QAbstractScrollArea::mousePressEvent(e);
}

void TessixGrid::mouseMoveEvent(QMouseEvent* e) {
    if (!d->mouseMove(e))
        QAbstractScrollArea::mouseMoveEvent(e);
}

void TessixGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (!d->mouseRelease(e))
        QAbstractScrollArea::mouseReleaseEvent(e);
}

void TessixGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!d->mouseDoubleClick(e))
        QAbstractScrollArea::mouseDoubleClickEvent(e);
}

void TessixGrid::wheelEvent(QWheelEvent* e) {
    if (!d->wheel(e))
        QAbstractScrollArea::wheelEvent(e);
}

void TessixGrid::keyPressEvent(QKeyEvent* e) {
    if (!d->keyPress(e))
        QAbstractScrollArea::keyPressEvent(e);
}

void TessixGrid::changeEvent(QEvent* e) {
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::StyleChange || e->type() == QEvent::PaletteChange)
        d->styleChanged();
}

void TessixGrid::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    d->focusChanged(true);
}

void TessixGrid::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    d->focusChanged(false);
}
