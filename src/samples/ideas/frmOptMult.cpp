#include "samples/ideas/frmOptMult.h"

#include "app/Global.h"
#include "app/ResourceRegistration.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/HyperlinkLabel.h"
#include "platform/Colors.h"
#include "runtime/Format.h"
#include "samples/ideas/RentalOptions.h"

#include <QLabel>

TESSIX_RESOURCE_REGISTRATION(registerIdeasResources, ideas)

namespace {

const QString IconCol = QStringLiteral("Icon");
const QString ItemCol = QStringLiteral("Item");
const QString PriceCol = QStringLiteral("Price");
const QString DetailCol = QStringLiteral("Detail");

constexpr int PictureSize = 32;
constexpr int IconColumnStartWidth = 50;
// The grid's thin border (one pixel each side) and a pixel of air at each edge.
constexpr int BorderAllowance = 4;

// Where the controls sit in the fixed-size window, in pixels.
constexpr int WindowWidth = 500;
constexpr int WindowHeight = 560;
constexpr int Margin = 8;
constexpr int LineHeight = 18;
constexpr int GridTop = Margin + LineHeight + 4;
constexpr int GridHeight = WindowHeight - GridTop - LineHeight - 2 * Margin;
constexpr int ClearLinkWidth = 110;

} // namespace

frmOptMult::frmOptMult(QWidget* parent)
    : QWidget(parent),
      Label1(new QLabel(QStringLiteral("Click rows to select required options:"), this)),
      grdMenu(new TessixGrid(this)), lblTotal(new QLabel(this)),
      hlinkClear(new HyperlinkLabel(this)),
      IconList1(new IconList(QSize(PictureSize, PictureSize), this)),
      m_titleFont(FontData{QStringLiteral("MS Sans Serif"), 8, true, false}),
      m_descriptionFont(FontData{QStringLiteral("Arial"), 8, false, false}) {
    setWindowTitle(QStringLiteral("Option Multiselect Demo"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    setFixedSize(WindowWidth, WindowHeight);

    Label1->setGeometry(Margin, Margin, WindowWidth - 2 * Margin, LineHeight);
    grdMenu->setGeometry(Margin, GridTop, WindowWidth - 2 * Margin, GridHeight);
    const int bottomTop = GridTop + GridHeight + Margin;
    lblTotal->setGeometry(Margin, bottomTop, WindowWidth - 3 * Margin - ClearLinkWidth, LineHeight);
    QFont totalFont = lblTotal->font();
    totalFont.setBold(true);
    lblTotal->setFont(totalFont);
    hlinkClear->SetCaption(QStringLiteral("Remove Selection"));
    hlinkClear->setGeometry(WindowWidth - Margin - ClearLinkWidth, bottomTop, ClearLinkWidth,
                            LineHeight);
    hlinkClear->Label1->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    registerIdeasResources();
    for (const RentalOption& option : RentalOptions())
        IconList1->AddImage(option.picture, option.picture);

    connect(grdMenu, &TessixGrid::CellMouseDown, this, &frmOptMult::grdMenu_CellMouseDown);
    connect(grdMenu, &TessixGrid::ScrollBarThicknessChanged, this,
            &frmOptMult::grdMenu_ScrollBarThicknessChanged);
    // Keys and Ctrl+A change the selection too; the total follows whatever chose it.
    connect(grdMenu, &TessixGrid::AfterSelectionChange, this, &frmOptMult::UpdateTotal);
    connect(hlinkClear, &HyperlinkLabel::Click, this, &frmOptMult::hlinkClear_Click);

    Form_Load();
}

QString frmOptMult::FormatPrice(Currency amount) {
    return u'$' + vb::Format(Variant(amount), QStringLiteral("0.00"));
}

void frmOptMult::Form_Load() {
    grdMenu->BeginUpdate();
    ApplyGridLook(grdMenu);
    grdMenu->SetImageList(IconList1);
    grdMenu->SetRowMode(true);
    grdMenu->SetShowRowText(true);
    grdMenu->SetEditable(false);
    grdMenu->Header().SetVisible(false);
    grdMenu->SetGridLines(GridLinesHorizontal);
    grdMenu->SetGridLinesColor(RGB(0, 0, 0));
    grdMenu->SetShowFocusRect(false);
    grdMenu->SetBackColor(RGB(255, 255, 255));
    grdMenu->SetSelForeColor(RGB(0, 0, 0));
    grdMenu->SetSelBackColor(RGB(255, 200, 200));
    grdMenu->SetMultiSelect(true);

    GridColumn* col = grdMenu->AddCol(IconCol, {}, IconColumnStartWidth);
    col->SetCellBackColor(RGB(226, 233, 243));
    col->SetCellIndentLeft(20);

    col = grdMenu->AddCol(ItemCol);
    col->SetCellTextFlags(TextFlagWordBreak);
    col->SetCellFont(m_titleFont);
    col->SetCellIndentLeft(4);

    col = grdMenu->AddCol(PriceCol);
    col->SetCellFont(m_titleFont);
    col->SetCellAlignment(AlignRight);
    col->SetCellFormatString(QStringLiteral("$0.00"));

    grdMenu->SetColKey(grdMenu->RowTextCol(), DetailCol);
    col = grdMenu->ColObject(DetailCol);
    col->SetCellTextFlags(TextFlagWordBreak);
    col->SetCellFont(m_descriptionFont);
    col->SetCellIndentLeft(2);
    col->SetCellIndentRight(4); // the text keeps clear of the grid's edge
    col->SetCellForeColor(RGB(0, 0, 136));
    grdMenu->SetRowTextStartCol(ItemCol);

    FillOptions();
    grdMenu->AutoWidthCol(IconCol);
    grdMenu->AutoWidthCol(PriceCol);
    FitItemColumn();
    grdMenu->EndUpdate();
    ShowTotal(Currency{});
    ShowTipOfTheDay(this);
}

void frmOptMult::FillOptions() {
    for (const RentalOption& option : RentalOptions()) {
        const int row = grdMenu->AddRow();
        grdMenu->SetCellIcon(row, IconCol, IconList1->ItemIndex(option.picture));
        grdMenu->SetCellValue(row, PriceCol,
                              Variant(*Currency::parse(QString::fromLatin1(option.price))));
        grdMenu->SetCellValue(row, DetailCol, option.description);
        grdMenu->SetCellValue(row, ItemCol, option.title.join(QStringLiteral("\r\n")));
    }
}

void frmOptMult::FitItemColumn() {
    grdMenu->BeginUpdate();
    grdMenu->SetColWidth(ItemCol,
                         std::max(0, grdMenu->width() - grdMenu->ColWidth(IconCol) -
                                         grdMenu->ColWidth(PriceCol) -
                                         grdMenu->VScrollBar().Thickness() - BorderAllowance));
    grdMenu->AutoHeightRows();
    grdMenu->EndUpdate();
}

void frmOptMult::UpdateTotal() {
    Currency total;
    for (const GridCellPos& item : grdMenu->SelItems().GetRows())
        total = Currency::add(total, grdMenu->CellValue(item.row, PriceCol).toCurrency())
                    .value_or(total);
    ShowTotal(total);
}

void frmOptMult::ShowTotal(Currency amount) {
    lblTotal->setText(QStringLiteral("Total: ") + FormatPrice(amount));
}

void frmOptMult::grdMenu_CellMouseDown(CellMouseArgs& args) {
    if (args.row < 1)
        return;
    args.doDefault = false;
    grdMenu->SetCellSelected(args.row, ItemCol, !grdMenu->CellSelected(args.row, ItemCol));
    UpdateTotal();
}

void frmOptMult::grdMenu_ScrollBarThicknessChanged(int bar, int) {
    if (bar == 1)
        FitItemColumn();
}

void frmOptMult::hlinkClear_Click() {
    grdMenu->ClearSelection();
    ShowTotal(Currency{});
}
