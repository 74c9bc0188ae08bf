#include "samples/features/frmCustomDraw.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "runtime/Numeric.h"
#include "samples/features/mAPIDraw.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

#include <array>
#include <cmath>

using mAPIDraw::Box;

namespace {

constexpr int DescriptionCol = 1;
constexpr int DrawCol = 2;
constexpr int ProgressRow = 1;
constexpr int PieRow = 2;
constexpr int GridLineRow = 1; // Tessix3: the cell with the thick line under it
constexpr int PictureRow = 2;  // Tessix3: the cell with the tiled picture behind its text

// The sizes the drawings need, by row, reported to the grid for fitting.
struct DrawSize {
    int width;
    int height;
};
constexpr std::array<DrawSize, 3> StaticSizes{{{93, 30}, {25, 40}, {205, 35}}};
constexpr std::array<DrawSize, 2> DynamicSizes{{{200, 19}, {63, 63}}};

constexpr OleColor SysWindow = 0x80000005;
constexpr OleColor SysWindowText = 0x80000008;
constexpr OleColor SysHighlight = 0x8000000D;
constexpr OleColor SysHighlightText = 0x8000000E;
constexpr OleColor SysDarkShadow = 0x80000015;

constexpr double DegreesToRadians = 0.0174532925199433;
constexpr int PieRadius = 30;

QFont drawFont(const char* name, bool bold) {
    return FontData{QString::fromLatin1(name), 10, bold, false}.toQFont();
}

void answerSize(CustomDrawCellSizeArgs& args, const DrawSize* sizes, int count) {
    if (args.col != DrawCol || args.row < 1 || args.row > count)
        return;
    args.width = sizes[args.row - 1].width;
    args.height = sizes[args.row - 1].height;
}

Box cellBox(const CustomDrawCellArgs& args) {
    return {args.left, args.top, args.right, args.bottom};
}

// A caption in bold and its explanation, wrapped to the grids' width below them.
void addCaption(QVBoxLayout* layout, const QString& caption, const QString& text, int width) {
    auto* title = new QLabel(caption);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* info = new QLabel(text);
    info->setWordWrap(true);
    info->setFixedWidth(width);
    info->setFixedHeight(info->heightForWidth(width));
    auto* pair = new QVBoxLayout;
    pair->setSpacing(TwipsToPixelsY(30));
    pair->addWidget(title);
    pair->addWidget(info);
    layout->addLayout(pair);
}

} // namespace

frmCustomDraw::frmCustomDraw(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), Tessix1(new TessixGrid),
      Tessix2(new TessixGrid), Tessix3(new TessixGrid), Timer1(new QTimer(this)),
      imlCustBGPattern(new IconList(QSize(27, 25), this)) {
    setWindowTitle(QStringLiteral("Tessix Custom Draw Demo"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    imlCustBGPattern->AddImage(QStringLiteral("smile_27x25"), ":/customdraw/smile_27x25.svg");
    Timer1->setInterval(500);

    const int width = TwipsToPixelsX(6840);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixelsX(120), TwipsToPixelsY(90), TwipsToPixelsX(105),
                               TwipsToPixelsY(120));
    layout->setSpacing(TwipsToPixelsY(45));
    // The grids keep their designed sizes; the window is as large as its contents and cannot
    // be resized.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    const auto addGrid = [&](TessixGrid* grid, int heightTwips) {
        grid->setFixedSize(width, TwipsToPixelsY(heightTwips));
        layout->addWidget(grid);
        layout->addSpacing(TwipsToPixelsY(120));
    };
    addCaption(layout, QStringLiteral("Static Custom Draw Cells:"),
               QStringLiteral("The grid below shows how you can create custom draw cells. You can "
                              "specify width and height for such cells, and the user can auto fit "
                              "the width of the column that contains these cells."),
               width);
    addGrid(Tessix1, 2175);
    addCaption(layout, QStringLiteral("Dynamic Custom Draw Cells:"),
               QStringLiteral("This grid contains cells drawn dynamically. You can freely resize "
                              "the last column that contains these cells. In this sample these "
                              "cells aren't updated while you are resizing the column."),
               width);
    addGrid(Tessix2, 1935);
    addCaption(layout, QStringLiteral("Modifying The Standard Cell Contents Drawing:"),
               QStringLiteral("In the grids above we use custom drawing to draw the cell contents "
                              "from scratch, but in the one below we do custom drawing in addition "
                              "to the standard cell contents drawing."),
               width);
    addGrid(Tessix3, 1875);

    const auto noSort = [](ColHeaderClickArgs& args) { args.doDefault = false; };
    connect(Tessix1, &TessixGrid::ColHeaderClick, this, noSort);
    connect(Tessix2, &TessixGrid::ColHeaderClick, this, noSort);
    connect(Tessix1, &TessixGrid::CustomDrawCell, this, &frmCustomDraw::Tessix1_CustomDrawCell);
    connect(Tessix2, &TessixGrid::CustomDrawCell, this, &frmCustomDraw::Tessix2_CustomDrawCell);
    connect(Tessix1, &TessixGrid::RequestCustomDrawCellSize, this,
            &frmCustomDraw::Tessix1_RequestCustomDrawCellSize);
    connect(Tessix2, &TessixGrid::RequestCustomDrawCellSize, this,
            &frmCustomDraw::Tessix2_RequestCustomDrawCellSize);
    connect(Tessix3, &TessixGrid::CustomDrawCellBackground, this,
            &frmCustomDraw::Tessix3_CustomDrawCellBackground);
    connect(Tessix3, &TessixGrid::CustomDrawCellForeground, this,
            &frmCustomDraw::Tessix3_CustomDrawCellForeground);
    connect(Tessix3, &TessixGrid::CellClick, this, &frmCustomDraw::Tessix3_CellClick);
    connect(Timer1, &QTimer::timeout, this, &frmCustomDraw::Timer1_Timer);

    Form_Load();
}

void frmCustomDraw::Form_Load() {
    CreateDrawFonts();
    SetupDrawGrid(Tessix1);
    SetupDrawGrid(Tessix2);
    SetupDrawGrid(Tessix3);
    Timer1->start();
}

void frmCustomDraw::closeEvent(QCloseEvent* event) {
    // Nothing is left to animate once the window is gone.
    Timer1->stop();
    event->accept();
}

void frmCustomDraw::CreateDrawFonts() {
    m_arialBold = drawFont("Arial", true);
    m_tahoma = drawFont("Tahoma", false);
    m_courierBold = drawFont("Courier New", true);
}

void frmCustomDraw::SetupDrawGrid(TessixGrid* grid) {
    grid->BeginUpdate();
    ApplyGridLook(grid);
    grid->SetEditable(false);
    grid->SetFont(grid->CreateFont({.Size = 10}));
    grid->AddCol({}, QStringLiteral("Description"), 210)->SetCellTextFlags(TextFlagWordBreak);
    GridColumn* drawn = grid->AddCol({}, QStringLiteral("Custom Draw Cell"), 230);

    if (grid == Tessix1) {
        drawn->SetCellType(CellTypeCustomDraw);
        grid->SetRowCount(3);
        grid->SetCellValue(1, DescriptionCol,
                           "Three circles: a red circle, a yellow circle and a "
                           "green circle");
        grid->SetCellValue(2, DescriptionCol, "A blue ellipse which expands to the hole cell");
        grid->SetCellValue(3, DescriptionCol, "Several fonts in the same cell");
    } else if (grid == Tessix2) {
        drawn->SetCellType(CellTypeCustomDraw);
        grid->SetRowCount(2);
        grid->SetCellValue(ProgressRow, DescriptionCol, "Progress bar example");
        grid->SetCellValue(ProgressRow, DrawCol, Variant(5));
        grid->SetCellValue(PieRow, DescriptionCol, "Another dynamically drawn cell");
        grid->SetCellValue(PieRow, DrawCol, Variant(18));
    } else {
        grid->SetRowCount(2);
        grid->SetCellValue(GridLineRow, DescriptionCol, "Non-standard grid line");
        grid->SetCellCheckBoxVisible(GridLineRow, DrawCol, true);
        grid->SetCellCheckBoxAlign(GridLineRow, DrawCol, CheckBoxRight);
        grid->SetCellValue(PictureRow, DescriptionCol,
                           "Custom picture background sample. We use our own bitmap as the tiled "
                           "cell background.");
        grid->SetCellValue(PictureRow, DrawCol, "TEST TEXT");
        grid->SetCellAlignment(PictureRow, DrawCol, AlignCenter);
        grid->SetCellVAlignment(PictureRow, DrawCol, VAlignCenter);
        grid->SetCellFont(PictureRow, DrawCol, grid->CreateFont({.Size = 16}));
    }
    grid->AutoHeightRows();
    grid->EndUpdate();
}

// ----- Clipping -----

void frmCustomDraw::BeginCellClip(QPainter& dc, int left, int top, int right, int bottom) {
    m_hadClip = dc.hasClipping();
    m_savedClip = m_hadClip ? dc.clipRegion() : QRegion();
    // Within whatever the painter already allows (the grid clips to the cell and the exposed
    // area), so the rectangle can only narrow the drawing, never widen it.
    dc.setClipRect(QRect(left, top, std::max(0, right - left), std::max(0, bottom - top)),
                   m_hadClip ? Qt::IntersectClip : Qt::ReplaceClip);
}

void frmCustomDraw::EndCellClip(QPainter& dc) {
    if (m_hadClip)
        dc.setClipRegion(m_savedClip);
    else
        dc.setClipping(false);
    m_savedClip = QRegion();
    m_hadClip = false;
}

// ----- Tessix1: static drawings -----

void frmCustomDraw::DrawCircles(QPainter& dc, const Box& cell) {
    const std::array<OleColor, 3> colors{RGB(255, 0, 0), RGB(255, 255, 0), RGB(0, 255, 0)};
    for (int i = 0; i < 3; ++i)
        mAPIDraw::FillEllipse(
            dc, {cell.left + 1 + 31 * i, cell.top + 1, cell.left + 29 + 31 * i, cell.top + 29},
            OleColorToQColor(colors[size_t(i)]));
}

void frmCustomDraw::DrawEllipse(QPainter& dc, const Box& cell) {
    mAPIDraw::FillEllipse(dc, {cell.left + 1, cell.top + 1, cell.right - 2, cell.bottom - 2},
                          OleColorToQColor(RGB(0, 0, 255)));
}

void frmCustomDraw::DrawFontSample(QPainter& dc, const Box& cell) {
    const QRect firstLine =
        Box{cell.left + 2, cell.top + 1, cell.right - 3, cell.top + 18}.toRect();
    const QRect secondLine =
        Box{cell.left + 2, cell.top + 17, cell.right - 3, cell.top + 34}.toRect();
    const QFont previous = dc.font();
    dc.setFont(m_arialBold);
    dc.drawText(firstLine, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                QStringLiteral("Files count:"));
    dc.drawText(secondLine, Qt::AlignLeft | Qt::AlignBottom | Qt::TextSingleLine,
                QStringLiteral("Total size:"));
    dc.setFont(m_tahoma);
    dc.drawText(firstLine, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                QStringLiteral("3'159 files"));
    dc.drawText(secondLine, Qt::AlignRight | Qt::AlignBottom | Qt::TextSingleLine,
                QStringLiteral("1'517'486 bytes"));
    dc.setFont(previous);
}

void frmCustomDraw::Tessix1_CustomDrawCell(CustomDrawCellArgs& args) {
    const Box cell = cellBox(args);
    BeginCellClip(args.painter, args.left, args.top, args.right, args.bottom);
    switch (args.row) {
    case 1:
        DrawCircles(args.painter, cell);
        break;
    case 2:
        DrawEllipse(args.painter, cell);
        break;
    case 3:
        DrawFontSample(args.painter, cell);
        break;
    default:
        break;
    }
    EndCellClip(args.painter);
}

void frmCustomDraw::Tessix1_RequestCustomDrawCellSize(CustomDrawCellSizeArgs& args) {
    answerSize(args, StaticSizes.data(), int(StaticSizes.size()));
}

// ----- Tessix2: drawings that move -----

void frmCustomDraw::DrawProgressBar(QPainter& dc, const Box& cell) {
    const int percent = Tessix2->CellValue(ProgressRow, DrawCol).toLong();
    mAPIDraw::FillBox(dc, {cell.left, cell.top, cell.right - 1, cell.bottom - 1},
                      OleColorToQColor(SysWindow));
    const int x =
        cell.left + int(vb::RoundHalfEven((cell.right - cell.left - 3) * percent / 100.0));
    const Box bar{cell.left + 1, cell.top + 2, x, cell.bottom - 3};
    mAPIDraw::FillBox(dc, bar, OleColorToQColor(SysHighlight));

    // The text twice, each time clipped to one side of the bar's end: light over the bar,
    // dark beside it.
    const QFont previous = dc.font();
    dc.setFont(m_courierBold);
    const QString text = QString::number(percent) + u'%';
    const QRect textRect =
        Box{cell.left + 1, cell.top + 2, cell.right - 2, cell.bottom - 3}.toRect();
    const auto pass = [&](const Box& clip, OleColor color) {
        BeginCellClip(dc, clip.left, clip.top, clip.right, clip.bottom);
        dc.setPen(OleColorToQColor(mAPIDraw::OleColorToRGB(color)));
        dc.drawText(textRect, Qt::AlignCenter | Qt::TextSingleLine, text);
        EndCellClip(dc);
    };
    pass(bar, SysHighlightText);
    pass({x, cell.top + 2, cell.right - 2, cell.bottom - 3}, SysWindowText);
    dc.setFont(previous);
}

void frmCustomDraw::DrawPie(QPainter& dc, const Box& cell) {
    const int degrees = Tessix2->CellValue(PieRow, DrawCol).toLong();
    const int cx = cell.left + (cell.right - cell.left - 3) / 2 + 1;
    const int cy = cell.top + 1 + PieRadius;
    const Box box{cx - PieRadius, cell.top + 1, cx + PieRadius, cell.top + 1 + 2 * PieRadius};
    const double angle = degrees * DegreesToRadians;
    const QPoint end(cx + int(vb::RoundHalfEven(PieRadius * std::cos(angle))),
                     cy - int(vb::RoundHalfEven(PieRadius * std::sin(angle))));

    dc.save();
    dc.setPen(QPen(Qt::black, 1));
    dc.setBrush(OleColorToQColor(RGB(255, 0, 0)));
    mAPIDraw::Ellipse(dc, box);
    dc.setBrush(OleColorToQColor(RGB(0, 0, 255)));
    mAPIDraw::Pie(dc, box, QPoint(cx + PieRadius, cy), end);
    dc.restore();
}

void frmCustomDraw::Tessix2_CustomDrawCell(CustomDrawCellArgs& args) {
    if (args.row == ProgressRow)
        DrawProgressBar(args.painter, cellBox(args));
    else if (args.row == PieRow)
        DrawPie(args.painter, cellBox(args));
}

void frmCustomDraw::Tessix2_RequestCustomDrawCellSize(CustomDrawCellSizeArgs& args) {
    answerSize(args, DynamicSizes.data(), int(DynamicSizes.size()));
}

void frmCustomDraw::Timer1_Timer() {
    int percent = Tessix2->CellValue(ProgressRow, DrawCol).toLong() + 5;
    if (percent > 100)
        percent = 5;
    int degrees = Tessix2->CellValue(PieRow, DrawCol).toLong() + 18;
    if (degrees > 360)
        degrees -= 360;
    Tessix2->SetCellValue(ProgressRow, DrawCol, Variant(percent));
    Tessix2->SetCellValue(PieRow, DrawCol, Variant(degrees));
}

// ----- Tessix3: drawing around the grid's own contents -----

void frmCustomDraw::Tessix3_CustomDrawCellBackground(CustomDrawCellArgs& args) {
    if (args.row != PictureRow || args.col != DrawCol)
        return;
    BeginCellClip(args.painter, args.left, args.top, args.right - 1, args.bottom - 1);
    const int stepX = imlCustBGPattern->ImageWidth();
    const int stepY = imlCustBGPattern->ImageHeight();
    for (int y = args.top; y < args.bottom; y += stepY)
        for (int x = args.left; x < args.right; x += stepX)
            imlCustBGPattern->PaintImage(1, args.painter, x, y, args.selected);
    EndCellClip(args.painter);
}

void frmCustomDraw::Tessix3_CustomDrawCellForeground(CustomDrawCellArgs& args) {
    if (args.row != GridLineRow || args.col != DrawCol)
        return;
    // A three-pixel line instead of the grid line under this cell.
    mAPIDraw::FillBox(args.painter, {args.left, args.bottom - 3, args.right, args.bottom},
                      OleColorToQColor(SysDarkShadow));
}

void frmCustomDraw::Tessix3_CellClick(int row, int col) {
    if (row == GridLineRow && col == DrawCol)
        MsgBox(QStringLiteral("The grid isn't editable!"), vbOKOnly);
}
