#include "samples/ideas/frmCellDynamicFmt.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "platform/Twips.h"
#include "runtime/Format.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString CompanyCol = QStringLiteral("comp");
const QString CountryCol = QStringLiteral("cntryID");
const QString SalesCol = QStringLiteral("sales");

constexpr int SalesRows = 10000;
constexpr int RandomSeed = 11;
constexpr int LimitStep = 50;
constexpr int LimitMax = 999;
constexpr int LimitDigits = 3;
const QString UsShortForm = QStringLiteral("USA");

// The design, in twips: the panel's width and the info label's place.
constexpr int PanelWidthTwips = 3360;
constexpr int EdgeTwips = 120;
constexpr int InfoHeightTwips = 660;

QWidget* inRow(QWidget* parent, std::initializer_list<QWidget*> widgets) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    for (QWidget* widget : widgets) {
        widget->setParent(row);
        layout->addWidget(widget);
    }
    layout->addStretch();
    return row;
}

QLabel* heading(const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

} // namespace

frmCellDynamicFmt::frmCellDynamicFmt(QWidget* parent)
    : QWidget(parent),
      lblInfo(new QLabel(
          QStringLiteral("The grid below contains 10000 rows, but notice how fast its cells are "
                         "formatted if you enable different formatting options using the "
                         "check boxes in the Highlight section below:"),
          this)),
      Tessix1(new TessixGrid(this)), Picture1(new QWidget(this)),
      lblHighlight(heading(QStringLiteral("Highlight:"))),
      chkHlRowsUSA(new QCheckBox(QStringLiteral("Rows with US Companies"))),
      chkHlCellsSales(new QCheckBox(QStringLiteral("Highlight Cells with Sales not Less"))),
      lblThan(new QLabel(QStringLiteral("than"))), txtSalesLimit(new QLineEdit),
      cmdMinus(new QPushButton(QStringLiteral("-"))), cmdPlus(new QPushButton(QStringLiteral("+"))),
      lblThousands(new QLabel(QStringLiteral("thousands"))),
      lblCountryNames(heading(QStringLiteral("Country Names:"))),
      optCntryFull(new QRadioButton(QStringLiteral("Full Form"))),
      optCntryShort(new QRadioButton(QStringLiteral("Short Form"))),
      lblSalesFormat(heading(QStringLiteral("Sales Format:"))),
      optFmtNone(new QRadioButton(QStringLiteral("No Formatting"))),
      optFmtPredef(new QRadioButton(QStringLiteral("Predefined (\"#,##\")"))),
      optFmtRegional(new QRadioButton(QStringLiteral("Regional Currency Format"))) {
    setWindowTitle(QStringLiteral("Formatting Cells Dynamically"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    lblInfo->setWordWrap(true);
    txtSalesLimit->setText(QStringLiteral("750"));
    const int buttonSide = txtSalesLimit->sizeHint().height();
    txtSalesLimit->setFixedWidth(QFontMetrics(txtSalesLimit->font()).horizontalAdvance(u'0') * 4 +
                                 12);
    txtSalesLimit->setAlignment(Qt::AlignRight);
    for (QPushButton* button : {cmdMinus, cmdPlus})
        button->setFixedSize(buttonSide, buttonSide);

    // The panel reads from the top: what to highlight (the limit completing the check box's
    // sentence), then how countries and sales show.
    auto* panel = new QVBoxLayout(Picture1);
    panel->setContentsMargins(TwipsToPixelsX(EdgeTwips), 0, 0, 0);
    panel->setSpacing(4);
    panel->addWidget(lblHighlight);
    panel->addWidget(chkHlRowsUSA);
    panel->addWidget(chkHlCellsSales);
    panel->addWidget(inRow(Picture1, {lblThan, txtSalesLimit, cmdMinus, cmdPlus, lblThousands}));
    panel->addSpacing(12);
    panel->addWidget(lblCountryNames);
    panel->addWidget(optCntryFull);
    panel->addWidget(optCntryShort);
    panel->addSpacing(12);
    panel->addWidget(lblSalesFormat);
    panel->addWidget(optFmtNone);
    panel->addWidget(optFmtPredef);
    panel->addWidget(optFmtRegional);
    panel->addStretch();
    lblThan->setContentsMargins(TwipsToPixelsX(240), 0, 0, 0);
    for (QRadioButton* option :
         {optCntryFull, optCntryShort, optFmtNone, optFmtPredef, optFmtRegional})
        option->setContentsMargins(TwipsToPixelsX(120), 0, 0, 0);
    auto* countries = new QButtonGroup(this);
    countries->addButton(optCntryFull);
    countries->addButton(optCntryShort);
    auto* formats = new QButtonGroup(this);
    for (QRadioButton* option : {optFmtNone, optFmtPredef, optFmtRegional})
        formats->addButton(option);
    optCntryFull->setChecked(true);
    optFmtPredef->setChecked(true);

    connect(Tessix1, &TessixGrid::RowDynamicFormat, this,
            &frmCellDynamicFmt::Tessix1_RowDynamicFormat);
    connect(Tessix1, &TessixGrid::CellDynamicFormat, this,
            &frmCellDynamicFmt::Tessix1_CellDynamicFormat);
    connect(Tessix1, &TessixGrid::CellDynamicText, this,
            &frmCellDynamicFmt::Tessix1_CellDynamicText);
    for (QCheckBox* box : {chkHlRowsUSA, chkHlCellsSales})
        connect(box, &QCheckBox::stateChanged, Tessix1, &TessixGrid::Redraw);
    for (QRadioButton* option :
         {optCntryFull, optCntryShort, optFmtNone, optFmtPredef, optFmtRegional})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                Tessix1->Redraw();
        });
    connect(cmdMinus, &QPushButton::clicked, this, &frmCellDynamicFmt::cmdMinus_Click);
    connect(cmdPlus, &QPushButton::clicked, this, &frmCellDynamicFmt::cmdPlus_Click);
    connect(txtSalesLimit, &QLineEdit::textChanged, this, &frmCellDynamicFmt::txtSalesLimit_Change);

    resize(TwipsToPixelsX(10800), TwipsToPixelsY(7200));
    Form_Load();
}

void frmCellDynamicFmt::Form_Load() {
    MakeNumericTextBox(txtSalesLimit, LimitDigits);
    m_salesLimit = txtSalesLimit->text().toInt();
    m_countries = {{QStringLiteral("Australia"), QStringLiteral("Aust")},
                   {QStringLiteral("Canada"), QStringLiteral("Can")},
                   {QStringLiteral("France"), QStringLiteral("Fran")},
                   {QStringLiteral("Germany"), QStringLiteral("Ger")},
                   {QStringLiteral("United States"), UsShortForm}};

    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetEditable(false);
    Tessix1->SetDynamicFormattingEvents(DynamicRowFormat | DynamicCellText | DynamicCellFormat);
    Tessix1->Font().SetName(QStringLiteral("Verdana"));
    m_usRowFont = Tessix1->CreateFont({.Name = QStringLiteral("Arial"), .Size = 9, .Bold = true});
    m_salesCellFont = Tessix1->CreateFont({.Italic = true});
    // Highlighted rows use a larger font: every row is made tall enough for it.
    Tessix1->SetDefaultRowHeight(std::max(Tessix1->GetOptimalRowHeight(Tessix1->Font()),
                                          Tessix1->GetOptimalRowHeight(m_usRowFont)));
    Tessix1->AddCol(CompanyCol, QStringLiteral("Company Name"), 130);
    Tessix1->AddCol(CountryCol, QStringLiteral("Country"), 100);
    Tessix1->AddCol(SalesCol, QStringLiteral("Total Sales"), 100)->SetCellAlignment(AlignRight);
    m_countryCol = Tessix1->ColIndex(CountryCol);
    m_salesCol = Tessix1->ColIndex(SalesCol);
    Tessix1->SetRowCount(SalesRows);
    FillSales();
    Tessix1->EndUpdate();
}

void frmCellDynamicFmt::FillSales() {
    vb::Randomize(RandomSeed);
    const int countries = int(m_countries.size());
    for (int row = 1; row <= Tessix1->RowCount(); ++row) {
        Tessix1->SetCellValue(row, CompanyCol,
                              QStringLiteral("Company #%1").arg(row, 5, 10, QChar(u'0')));
        Tessix1->SetCellValue(row, CountryCol, Variant(1 + int(vb::Int(vb::Rnd() * countries))));
        Tessix1->SetCellValue(row, SalesCol,
                              Variant(qint32(vb::RoundHalfEven(vb::Rnd() * 1000)) * 1000));
    }
}

void frmCellDynamicFmt::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmCellDynamicFmt::Form_Resize() {
    const int edge = TwipsToPixelsX(EdgeTwips);
    const int panelWidth = TwipsToPixelsX(PanelWidthTwips);
    lblInfo->setGeometry(edge, TwipsToPixelsY(EdgeTwips), std::max(0, width() - 2 * edge),
                         TwipsToPixelsY(InfoHeightTwips));
    const int top = lblInfo->geometry().bottom() + 1 + TwipsToPixelsY(120);
    const int gridWidth = width() - panelWidth - TwipsToPixelsX(360);
    const int gridHeight = height() - lblInfo->y() - lblInfo->height() - TwipsToPixelsY(260);
    // A window too small for the grid (minimised, say) leaves the controls where they were.
    if (gridWidth < 1 || gridHeight < 1)
        return;
    Tessix1->setGeometry(edge, top, gridWidth, gridHeight);
    Picture1->setGeometry(width() - panelWidth - edge, top, panelWidth, gridHeight);
}

const frmCellDynamicFmt::Country* frmCellDynamicFmt::CountryOf(const Variant& id) const {
    const int index = id.toLong() - 1;
    return index >= 0 && index < int(m_countries.size()) ? &m_countries[size_t(index)] : nullptr;
}

void frmCellDynamicFmt::Tessix1_RowDynamicFormat(RowDynamicFormatArgs& args) {
    if (!chkHlRowsUSA->isChecked())
        return;
    const Country* country = CountryOf(Tessix1->CellValue(args.row, m_countryCol));
    if (country && country->shortForm == UsShortForm) {
        args.foreColor = RGB(255, 0, 0);
        args.font = m_usRowFont;
    }
}

void frmCellDynamicFmt::Tessix1_CellDynamicFormat(CellDynamicFormatArgs& args) {
    if (chkHlCellsSales->isChecked() && args.col == m_salesCol &&
        args.value.toDouble() >= m_salesLimit * 1000.0) {
        args.foreColor = RGB(0, 0, 255);
        args.backColor = RGB(255, 255, 0);
        args.font = m_salesCellFont;
    }
}

void frmCellDynamicFmt::Tessix1_CellDynamicText(CellDynamicTextArgs& args) {
    if (args.col == m_countryCol) {
        if (const Country* country = CountryOf(args.value))
            args.text = optCntryFull->isChecked() ? country->full : country->shortForm;
    } else if (args.col == m_salesCol) {
        if (optFmtPredef->isChecked())
            args.text = vb::Format(args.value, QStringLiteral("#,##"));
        else if (optFmtRegional->isChecked())
            args.text = vb::Format(args.value, QStringLiteral("Currency"));
    }
}

void frmCellDynamicFmt::cmdMinus_Click() {
    txtSalesLimit->setText(QString::number(std::max(0, m_salesLimit - LimitStep)));
}

void frmCellDynamicFmt::cmdPlus_Click() {
    txtSalesLimit->setText(QString::number(std::min(LimitMax, m_salesLimit + LimitStep)));
}

void frmCellDynamicFmt::txtSalesLimit_Change() {
    m_salesLimit = txtSalesLimit->text().toInt(); // an empty box reads 0
    if (chkHlCellsSales->isChecked())
        Tessix1->Redraw();
}
