#include "samples/features/frmMultiColSort.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "runtime/DateMath.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const QString CompanyCol = QStringLiteral("company");
const QString SumCol = QStringLiteral("sum");
const QString PrepCol = QStringLiteral("prep");
const QString DateCol = QStringLiteral("date");

constexpr int OrderCount = 100;
constexpr double PrepaidShare = 0.3;
constexpr int DateColWidth = 72;
// GetOptimalRowHeight's fourth argument: room for a check box.
constexpr bool WithCheckBoxes = true;

// A whole number from 0 to count - 1, each as likely.
int randomBelow(int count) {
    return int(vb::Int(vb::Rnd() * count));
}

} // namespace

frmMultiColSort::frmMultiColSort(QWidget* parent)
    : QWidget(parent),
      Label1{new QLabel(QStringLiteral("The example demonstrates the multi column sort feature "
                                       "of Tessix. To sort a grid by 2 or more columns "
                                       "simultaneously, click the required column headers "
                                       "while holding down the SHIFT, CTRL or ALT key."),
                        this),
             new QLabel(QStringLiteral("You can adjust the sort info style using the option "
                                       "buttons below. Sort the grid by several columns and "
                                       "select different sort info styles to see the effect."),
                        this)},
      Tessix1(new TessixGrid(this)), Frame1(new QGroupBox(QStringLiteral("Sort Info Style"), this)),
      optSortInfoNumIcon(new QRadioButton(QStringLiteral("Numerated Icons"), Frame1)),
      optSortInfoOnlyIcon(new QRadioButton(QStringLiteral("Only Icons"), Frame1)),
      optSortInfoNone(new QRadioButton(QStringLiteral("None"), Frame1)) {
    setWindowTitle(QStringLiteral("Multi Columns Sort Demo"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    SetFixedWindowSize(this, QSize(TwipsToPixelsX(8400), TwipsToPixelsY(6600)));

    auto* options = new QVBoxLayout(Frame1);
    options->addWidget(optSortInfoNumIcon);
    options->addWidget(optSortInfoOnlyIcon);
    options->addWidget(optSortInfoNone);

    // The explanation across the top, the grid on the left, the choice of style beside it.
    const int gap = TwipsToPixelsX(120);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);
    for (QLabel* label : Label1)
        label->setWordWrap(true);
    layout->addWidget(Label1[0], 0, 0, 1, 2);
    layout->addWidget(Tessix1, 1, 0, 2, 1);
    layout->addWidget(Label1[1], 1, 1);
    layout->addWidget(Frame1, 2, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    Label1[1]->setFixedWidth(TwipsToPixelsX(2700));
    Frame1->setFixedWidth(TwipsToPixelsX(2700));
    layout->setRowStretch(2, 1);

    // The design state: numbered icons, the grid's own initial style, so nothing is set.
    optSortInfoNumIcon->setChecked(true);
    const auto onChosen = [this](QRadioButton* option, void (frmMultiColSort::*handler)()) {
        connect(option, &QRadioButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onChosen(optSortInfoNumIcon, &frmMultiColSort::optSortInfoNumIcon_Click);
    onChosen(optSortInfoOnlyIcon, &frmMultiColSort::optSortInfoOnlyIcon_Click);
    onChosen(optSortInfoNone, &frmMultiColSort::optSortInfoNone_Click);

    Form_Load();
}

void frmMultiColSort::Form_Load() {
    m_companies = {QStringLiteral("Alder & Sons"),    QStringLiteral("Bluewater Ltd"),
                   QStringLiteral("Cobalt Systems"),  QStringLiteral("Delta Freight"),
                   QStringLiteral("Evergreen Foods"), QStringLiteral("Falcon Media"),
                   QStringLiteral("Granite Works"),   QStringLiteral("Harbor Lights"),
                   QStringLiteral("Ironleaf Tools"),  QStringLiteral("Juniper Labs")};

    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetEditable(false);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight({}, 1, 0, WithCheckBoxes));

    Tessix1->AddCol(CompanyCol, QStringLiteral("Company"), 100);
    GridColumn* col = Tessix1->AddCol(SumCol, QStringLiteral("Sum"), 60);
    col->SetCellAlignment(AlignRight);
    col->SetCellFormatString(QStringLiteral("$#,##0;;\"\""));
    col = Tessix1->AddCol(PrepCol, QStringLiteral("Prepayment"), 48, SortTypeCheckState);
    col->SetCheckBoxVisible(true);
    col->SetCheckBoxAlign(CheckBoxCenter);
    col = Tessix1->AddCol(DateCol, QStringLiteral("Order date"), DateColWidth);
    col->SetCellFormatString(QStringLiteral("Short date"));

    FillOrders();
    // Wider where the user's short date (or the header) needs more room, so no date is cut.
    Tessix1->AutoWidthCol(DateCol);
    Tessix1->SetColWidth(DateCol, std::max(DateColWidth, Tessix1->ColWidth(DateCol)));
    Tessix1->EndUpdate();
}

void frmMultiColSort::FillOrders() {
    const double today = vb::Date();
    Tessix1->SetRowCount(OrderCount);
    for (int row = 1; row <= OrderCount; ++row) {
        Tessix1->SetCellValue(row, CompanyCol, m_companies[randomBelow(int(m_companies.size()))]);
        Tessix1->SetCellValue(row, SumCol, Variant(float(100 * (randomBelow(100) + 1))));
        Tessix1->SetCellCheckState(row, PrepCol,
                                   vb::Rnd() <= PrepaidShare ? CheckChecked : CheckUnchecked);
        const double month = vb::DateAdd(QStringLiteral("m"), -randomBelow(13), today);
        Tessix1->SetCellValue(
            row, DateCol,
            Variant::fromDate(vb::DateAdd(QStringLiteral("d"), -randomBelow(32), month)));
    }
}

void frmMultiColSort::optSortInfoNone_Click() {
    Tessix1->Header().SetSortInfoStyle(SortInfoNone);
}

void frmMultiColSort::optSortInfoOnlyIcon_Click() {
    Tessix1->Header().SetSortInfoStyle(SortInfoIcons);
}

void frmMultiColSort::optSortInfoNumIcon_Click() {
    Tessix1->Header().SetSortInfoStyle(SortInfoNumbered);
}
