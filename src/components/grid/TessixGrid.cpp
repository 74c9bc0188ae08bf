#include "components/grid/TessixGrid.h"

#include "components/grid/GridEditor.h"
#include "components/grid/GridInput.h"
#include "components/grid/GridLayoutText.h"
#include "components/grid/GridSizing.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"

#include <QFocusEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

// What the geometry measures, answered from the store and the look.
class TessixGrid::Space : public GridGeometry::Source {
public:
    explicit Space(TessixGrid& grid) : m_grid(grid) {}

    // GridGeometry::Source
    int rowCount() const override { return m_grid.m_store->RowCount(); }
    GridGeometry::RowLayout rowLayout(int row) const override {
        const GridStore& s = *m_grid.m_store;
        GridGeometry::RowLayout l;
        l.group = s.RowIsGroup(row);
        l.height = s.shownRowHeight(row);
        // Without row text the cells take the whole row; group rows are all row text.
        l.cellsHeight = l.group                     ? 0
                        : m_grid.m_look.showRowText ? std::min(s.RowCellsHeight(row), l.height)
                                                    : l.height;
        return l;
    }
    int rowHeight(int row) const override { return m_grid.m_store->shownRowHeight(row); }
    QVector<GridGeometry::ColumnSpan> displayedColumns() const override {
        QVector<GridGeometry::ColumnSpan> cols;
        for (int col : m_grid.m_store->displayOrder())
            if (const GridColumn* c = m_grid.m_store->ColObject(col); c && c->Visible())
                cols.push_back({col, c->Width()});
        return cols;
    }
    int rowTextStartCol() const override {
        // A hidden start column hands over to the next shown one in display order.
        const GridStore& s = *m_grid.m_store;
        const auto& order = s.displayOrder();
        auto it = std::find(order.begin(), order.end(), m_grid.m_look.rowTextStartCol);
        for (; it != order.end(); ++it)
            if (const GridColumn* c = s.ColObject(*it); c && c->Visible())
                return *it;
        return 0;
    }
    int rowTextCol() const override { return RowTextColIndex; }

private:
    TessixGrid& m_grid;
};

TessixGrid::TessixGrid(QWidget* parent)
    : QAbstractScrollArea(parent), m_store(std::make_unique<GridStore>()),
      m_sort(std::make_unique<GridSort>(*m_store)), m_space(std::make_unique<Space>(*this)),
      m_geometry(std::make_unique<GridGeometry>(*m_space)),
      m_header(std::make_unique<GridHeader>(*this)),
      m_painter(std::make_unique<GridPainter>(*this)),
      m_sizing(std::make_unique<GridSizing>(*this)) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    SetBorderStyle(m_look.borderStyle);
    m_store->setChangeHandler([this](const GridChange& c) { onStoreChange(c); });
    m_sort->setCustomSort(
        [this](int col, int row1, int row2, const Variant& v1, const Variant& v2, int& result) {
            CustomSortArgs args{col, row1, row2, v1, v2, result};
            Q_EMIT CustomSort(args);
            result = args.result;
        });
    m_sort->setSortHooks([this] { Q_EMIT BeforeSort(); },
                         [this] {
                             Q_EMIT AfterSort();
                             requestRepaint(true);
                         });
    connect(m_header.get(), &GridHeader::changed, this,
            [this](bool layout) { requestRepaint(layout); });
    auto input = std::make_unique<GridInput>(*this);
    m_gridInput = input.get();
    setInputHandler(std::move(input));
    m_editor = std::make_unique<GridEditor>(*this);
    updateScrollBars();
}

TessixGrid::~TessixGrid() {
    // The store's handler calls back into the widget: silence it before members go.
    m_store->setChangeHandler({});
}

// ----- Store changes -> geometry and repaints -----

void TessixGrid::onStoreChange(const GridChange& change) {
    if (m_gridInput)
        m_gridInput->storeChanged(change); // the current cell follows its row
    if (m_editor)
        m_editor->storeChanged(change); // so does an open editor
    switch (change.kind) {
    case GridChange::Cell:
        // A whole-viewport update: Qt merges them into one paint of the visible rows, and
        // finding the cell's rectangle could force a geometry rebuild per write.
        requestRepaint();
        return;
    case GridChange::Row:
        requestRepaint();
        return;
    case GridChange::RowHeight:
    case GridChange::RowVisibility:
        m_geometry->rowHeightChanged(change.row);
        requestRepaint(true);
        return;
    case GridChange::RowsInserted:
        if (change.row == m_store->RowCount() - change.count + 1)
            m_geometry->rowsAppended(change.count); // a log growing row by row stays O(log n)
        else
            m_geometry->invalidateRows();
        requestRepaint(true);
        return;
    case GridChange::RowsRemoved:
        m_geometry->rowsRemoved(change.row, change.count); // no rebuild per removal
        requestRepaint(true);
        return;
    case GridChange::RowsReordered:
    case GridChange::RowsReset:
        m_geometry->invalidateRows();
        requestRepaint(true);
        return;
    case GridChange::Columns:
    case GridChange::Column:
        m_geometry->invalidateColumns();
        applyStretch();
        requestRepaint(true);
        return;
    case GridChange::Font:
        requestRepaint(true); // the header's height follows the grid font until set
        return;
    }
}

void TessixGrid::requestRepaint(bool layout) {
    if (updating()) {
        m_pendingRepaint = true;
        m_pendingLayout = m_pendingLayout || layout;
        return;
    }
    if (layout)
        layoutChanged();
    viewport()->update();
}

void TessixGrid::layoutChanged() {
    updateScrollBars();
    if (m_gridInput)
        m_gridInput->layoutChanged();
}

void TessixGrid::EndUpdate() {
    if (m_updateDepth == 0 || --m_updateDepth > 0)
        return;
    if (m_pendingLayout)
        layoutChanged();
    if (m_pendingRepaint || m_pendingLayout)
        viewport()->update();
    m_pendingRepaint = m_pendingLayout = false;
}

void TessixGrid::Refresh() {
    requestRepaint(true);
    if (!updating())
        viewport()->repaint();
}

void TessixGrid::RedrawCell(int row, const ColRef& col) {
    const QRect r = cellViewportRect(row, m_store->ColIndex(col));
    if (updating())
        m_pendingRepaint = true;
    else if (!r.isEmpty())
        viewport()->update(r);
}

// ----- Geometry -----

QPoint TessixGrid::contentOffset() const {
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QRect TessixGrid::rowsArea() const {
    const QRect vp = viewport()->rect();
    return QRect(0, rowsTop(), vp.width(), std::max(0, vp.height() - rowsTop()));
}

QRect TessixGrid::cellViewportRect(int row, int col) const {
    const QRect r = m_geometry->cellRect(row, col);
    return r.isEmpty() ? QRect() : r.translated(-contentOffset() + QPoint(0, rowsTop()));
}

std::pair<int, int> TessixGrid::cellAtPoint(const QPoint& pos) const {
    if (pos.y() < rowsTop())
        return {0, headerColAt(pos)};
    return m_geometry->cellAt(pos + contentOffset() - QPoint(0, rowsTop()));
}

int TessixGrid::headerColAt(const QPoint& pos) const {
    return m_geometry->colAt(pos.x() + contentOffset().x());
}

void TessixGrid::GetCellRect(int row, const ColRef& col, int& left, int& top, int& width,
                             int& height) const {
    const QRect r = cellViewportRect(row, m_store->ColIndex(col));
    left = r.left();
    top = r.top();
    width = r.width();
    height = r.height();
}

void TessixGrid::updateScrollBars() {
    const QSize area = rowsArea().size();
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, m_geometry->totalHeight() - area.height()));
    v->setPageStep(std::max(1, area.height()));
    v->setSingleStep(std::max(1, m_store->DefaultRowHeight()));
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, m_geometry->totalWidth() - area.width()));
    h->setPageStep(std::max(1, area.width()));
    h->setSingleStep(20);
}

void TessixGrid::EnsureVisibleRow(int row) {
    if (m_geometry->rowHeight(row) <= 0)
        return;
    updateScrollBars(); // the range may be stale inside BeginUpdate
    const int top = m_geometry->rowTop(row);
    const int bottom = top + m_geometry->rowHeight(row);
    QScrollBar* v = verticalScrollBar();
    const int page = rowsArea().height();
    if (top < v->value())
        v->setValue(top);
    else if (bottom > v->value() + page)
        v->setValue(std::min(top, bottom - page));
}

void TessixGrid::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    applyStretch();
    layoutChanged();
}

void TessixGrid::scrollContentsBy(int, int) {
    if (m_gridInput)
        m_gridInput->layoutChanged();
    viewport()->update();
}

// ----- Columns through their objects -----

namespace {
template <typename T, typename Get>
T columnRead(const GridStore& store, const ColRef& col, T fallback, Get get) {
    const GridColumn* c = store.ColObject(col);
    return c ? get(*c) : fallback;
}
} // namespace

#define TESSIX_COLUMN_MEMBER(Type, Name, Getter, Setter, fallback)                                 \
    Type TessixGrid::Name(const ColRef& col) const {                                               \
        return columnRead<Type>(*m_store, col, fallback,                                           \
                                [](const GridColumn& c) { return c.Getter(); });                   \
    }                                                                                              \
    void TessixGrid::Set##Name(const ColRef& col, Type value) {                                    \
        if (GridColumn* c = m_store->ColObject(col))                                               \
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

QString TessixGrid::ColHeaderText(const ColRef& col) const {
    const GridColumn* c = m_store->ColObject(col);
    return c ? c->HeaderText() : QString();
}

void TessixGrid::SetColHeaderText(const ColRef& col, const QString& text) {
    if (GridColumn* c = m_store->ColObject(col))
        c->SetHeaderText(text);
}

int TessixGrid::ColSortType(const ColRef& col) const {
    return columnRead<int>(*m_store, col, 0, [](const GridColumn& c) { return c.SortType(); });
}

void TessixGrid::SetColSortIndex(const ColRef& col, int index) {
    m_sort->SetColSortIndex(col, index);
    requestRepaint(); // the header's sort marks
}

void TessixGrid::SetRowTextStartCol(const ColRef& col) {
    const int index = m_store->ColIndex(col);
    if (index < 1)
        return;
    m_look.rowTextStartCol = index;
    requestRepaint();
}

QString TessixGrid::ColLayout() const {
    return encodeColLayout(*m_store);
}
void TessixGrid::SetColLayout(const QString& text) {
    applyColLayout(*m_store, text);
}
QString TessixGrid::SortLayout() const {
    return encodeSortLayout(*m_store, *m_sort);
}
void TessixGrid::SetSortLayout(const QString& text) {
    applySortLayout(*m_store, *m_sort, text);
    requestRepaint(true);
}

// ----- Look -----

void TessixGrid::SetSelAlpha(int alpha) {
    m_look.selAlpha = std::clamp(alpha, 0, 255);
    lookChanged();
}

void TessixGrid::SetFocusRectThickness(int px) {
    m_look.focusRectThickness = std::clamp(px, 1, 3);
    lookChanged();
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
    m_look.borderStyle = style;
    update();
}

void TessixGrid::paintBorder() {
    QPainter p(this);
    p.setPen(OleColorToQColor(0x80000010));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

FontObject TessixGrid::CreateFont(const CreateFontArgs& args) const {
    FontData data = m_store->fontData();
    data.name = args.Name.value_or(data.name);
    if (args.Size && *args.Size > 0)
        data.size = *args.Size;
    data.bold = args.Bold.value_or(data.bold);
    data.italic = args.Italic.value_or(data.italic);
    return FontObject(data);
}

// ----- Sizing -----

int TessixGrid::GetOptimalRowHeight(const std::optional<FontObject>& font, int lines, int,
                                    bool checkBoxes, int, bool comboButtons) const {
    return m_sizing->optimalRowHeight(font ? font->data() : m_store->fontData(), std::max(1, lines),
                                      checkBoxes, comboButtons);
}

void TessixGrid::AutoHeightRow(int row, int minHeight, int maxHeight) {
    m_sizing->autoHeightRow(row, minHeight, maxHeight);
}

void TessixGrid::AutoHeightRows() {
    m_sizing->autoHeightRows();
}

void TessixGrid::AutoWidthCol(const ColRef& col) {
    m_sizing->autoWidthCol(m_store->ColIndex(col));
}

void TessixGrid::AutoWidthCols() {
    BeginUpdate();
    for (int col = 1; col <= m_store->ColCount(); ++col)
        m_sizing->autoWidthCol(col);
    EndUpdate();
}

void TessixGrid::StretchCol(const ColRef& col) {
    const int index = m_store->ColIndex(col);
    m_stretchCol = index > 0 ? index : 0;
    applyStretch();
}

void TessixGrid::applyStretch() {
    GridColumn* stretched = m_stretchCol ? m_store->ColObject(m_stretchCol) : nullptr;
    if (!stretched) {
        m_stretchCol = 0;
        return;
    }
    int others = 0;
    for (const auto& c : m_space->displayedColumns())
        if (c.col != m_stretchCol)
            others += c.width;
    const int width = std::max(stretched->MinWidth(), viewport()->width() - others);
    if (width != stretched->Width()) {
        const int keep = m_stretchCol;
        m_stretchCol = 0; // setting the width comes back here through the store
        stretched->SetWidth(width);
        m_stretchCol = keep;
    }
}

// ----- Image lists -----

void TessixGrid::SetImageList(IconList* list) {
    SetImageList(QList<IconList*>{list});
}

void TessixGrid::SetImageList(const QList<IconList*>& lists) {
    m_imageLists.clear();
    for (IconList* list : lists)
        if (list)
            m_imageLists.push_back(list);
    requestRepaint();
}

QList<IconList*> TessixGrid::imageLists() const {
    QList<IconList*> lists;
    for (const auto& list : m_imageLists)
        if (list)
            lists.push_back(list);
    return lists;
}

// ----- Information -----

int TessixGrid::GetInfo(int item) const {
    switch (item) {
    case 10:
        return contentsRect().width();
    case 17:
        return int(m_geometry->columns().size());
    case 25:
        return m_store->AllocatedRows();
    default:
        return 0;
    }
}

bool TessixGrid::IsFeatureAvailable(int feature) const {
    return feature == 0 || feature == 3;
}

// ----- Hooks for the input units -----

void TessixGrid::setInputHandler(std::unique_ptr<GridInputHandler> handler) {
    m_input = std::move(handler);
}

bool TessixGrid::isCellSelected(int row, int col) const {
    return m_gridInput && m_gridInput->isSelected(row, col);
}

void TessixGrid::setCurrentCellForPaint(int row, int col) {
    m_currentRow = row;
    m_currentCol = col;
    requestRepaint();
}

// ----- Events -----

bool TessixGrid::event(QEvent* e) {
    if (e->type() == QEvent::Paint && m_look.borderStyle == 2) {
        paintBorder();
        return true;
    }
    return QAbstractScrollArea::event(e);
}

void TessixGrid::paintEvent(QPaintEvent* e) {
    QPainter p(viewport());
    m_painter->paint(p, e->rect());
}

bool TessixGrid::viewportEvent(QEvent* e) {
    if (e->type() == QEvent::Leave && m_input)
        m_input->pointerLeft();
    return QAbstractScrollArea::viewportEvent(e);
}

void TessixGrid::mousePressEvent(QMouseEvent* e) {
    if (!m_input || !m_input->mousePress(e))
        QAbstractScrollArea::mousePressEvent(e);
}

void TessixGrid::mouseMoveEvent(QMouseEvent* e) {
    if (!m_input || !m_input->mouseMove(e))
        QAbstractScrollArea::mouseMoveEvent(e);
}

void TessixGrid::mouseReleaseEvent(QMouseEvent* e) {
    if (!m_input || !m_input->mouseRelease(e))
        QAbstractScrollArea::mouseReleaseEvent(e);
}

void TessixGrid::mouseDoubleClickEvent(QMouseEvent* e) {
    if (!m_input || !m_input->mouseDoubleClick(e))
        QAbstractScrollArea::mouseDoubleClickEvent(e);
}

void TessixGrid::wheelEvent(QWheelEvent* e) {
    if (!m_input || !m_input->wheel(e))
        QAbstractScrollArea::wheelEvent(e);
}

void TessixGrid::keyPressEvent(QKeyEvent* e) {
    if (!m_input || !m_input->keyPress(e))
        QAbstractScrollArea::keyPressEvent(e);
}

void TessixGrid::focusInEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusInEvent(e);
    if (m_input)
        m_input->focusChanged(true);
    viewport()->update(); // selection colours depend on the focus
}

void TessixGrid::focusOutEvent(QFocusEvent* e) {
    QAbstractScrollArea::focusOutEvent(e);
    if (m_input)
        m_input->focusChanged(false);
    viewport()->update();
}
