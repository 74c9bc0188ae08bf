#include "samples/exploring/frmFrozenColsTester.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "controls/CommonDlg.h"
#include "controls/WrapCheckBox.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "runtime/DateMath.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTime>
#include <QVBoxLayout>

namespace {

constexpr int StartCols = 7;
constexpr int StartRows = 20;
constexpr int StartFrozen = 2;
constexpr int BothGridLines = 3;

} // namespace

frmFrozenColsTester::frmFrozenColsTester(QWidget* parent)
    : QWidget(parent, Qt::Window),
      lblSampleDescr(new QLabel(QStringLiteral(
          "The grid below has two frozen columns initially, but you can change it by dragging "
          "columns from the non-frozen area into the frozen one (or vice versa). The options at "
          "right allows you to control some aspects of this behavior and change the properties "
          "of the line that separates the frozen area."))),
      Tessix1(new TessixGrid), Picture1(new QWidget), cmbGridLines(new QComboBox),
      chkDrawAlways(new WrapCheckBox(
          QStringLiteral("Draw frozen columns edge even if grid lines aren't visible"))),
      cmdAddCol(new QPushButton(QStringLiteral("Add Column To End"))),
      cmdRemoveCol(new QPushButton(QStringLiteral("Remove Last Column"))),
      chkAllowDrag(new WrapCheckBox(
          QStringLiteral("Allow column dragging between the frozen and non-frozen areas"))),
      chkDispWarn(new WrapCheckBox(QStringLiteral("Display warning when you try to drag the last "
                                                  "column out of the frozen or non-frozen area"))),
      Frame1(new QGroupBox(QStringLiteral("Frozen Columns Edge"))), txtEdgeW(new QLineEdit),
      cmdSetEdgeW(new QPushButton(QStringLiteral("Set"))), lblColor(new QLabel),
      cmdSelEdgeColor(new QPushButton(QStringLiteral("Choose"))) {
    setWindowTitle(QStringLiteral("Frozen Columns Tester"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(TwipsToPixelsX(9000), TwipsToPixelsY(6300));

    // The description across the top, the grid taking what is left, the panel at the right.
    const int gap = TwipsToPixelsX(120);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);
    lblSampleDescr->setWordWrap(true);
    layout->addWidget(lblSampleDescr, 0, 0, 1, 2);
    layout->addWidget(Tessix1, 1, 0);
    layout->addWidget(Picture1, 1, 1, Qt::AlignTop);
    layout->setColumnStretch(0, 1);
    layout->setRowStretch(1, 1);
    Picture1->setFixedWidth(TwipsToPixelsX(3000));

    auto* panel = new QVBoxLayout(Picture1);
    panel->setContentsMargins(0, 0, 0, 0);
    auto* gridLinesRow = new QHBoxLayout;
    auto* gridLinesLabel = new QLabel(QStringLiteral("Grid lines:"));
    gridLinesLabel->setBuddy(cmbGridLines);
    gridLinesRow->addWidget(gridLinesLabel);
    gridLinesRow->addWidget(cmbGridLines, 1);
    panel->addLayout(gridLinesRow);
    panel->addWidget(chkDrawAlways);
    panel->addSpacing(gap);
    panel->addWidget(cmdAddCol);
    panel->addWidget(cmdRemoveCol);
    panel->addSpacing(gap);
    panel->addWidget(chkAllowDrag);
    panel->addWidget(chkDispWarn);
    panel->addSpacing(gap);
    panel->addWidget(Frame1);

    auto* edge = new QGridLayout(Frame1);
    auto* widthLabel = new QLabel(QStringLiteral("Width:"));
    widthLabel->setBuddy(txtEdgeW);
    auto* colorLabel = new QLabel(QStringLiteral("Color:"));
    edge->addWidget(widthLabel, 0, 0);
    edge->addWidget(txtEdgeW, 0, 1);
    edge->addWidget(cmdSetEdgeW, 0, 2);
    edge->addWidget(colorLabel, 1, 0);
    edge->addWidget(lblColor, 1, 1);
    edge->addWidget(cmdSelEdgeColor, 1, 2);
    edge->setColumnStretch(1, 1);
    lblColor->setFrameShape(QFrame::Box);
    lblColor->setAutoFillBackground(true);
    lblColor->setMinimumHeight(cmdSelEdgeColor->sizeHint().height() - 4);

    chkAllowDrag->setChecked(true);
    chkDispWarn->setChecked(true);
    cmbGridLines->addItems({QStringLiteral("None"), QStringLiteral("Vertical"),
                            QStringLiteral("Horizontal"), QStringLiteral("Both")});

    connect(cmbGridLines, &QComboBox::currentIndexChanged, this,
            &frmFrozenColsTester::cmbGridLines_Click);
    connect(chkDrawAlways, &QCheckBox::toggled, this, &frmFrozenColsTester::chkDrawAlways_Click);
    connect(cmdAddCol, &QPushButton::clicked, this, &frmFrozenColsTester::cmdAddCol_Click);
    connect(cmdRemoveCol, &QPushButton::clicked, this, &frmFrozenColsTester::cmdRemoveCol_Click);
    connect(cmdSetEdgeW, &QPushButton::clicked, this, &frmFrozenColsTester::cmdSetEdgeW_Click);
    connect(txtEdgeW, &QLineEdit::returnPressed, this, &frmFrozenColsTester::cmdSetEdgeW_Click);
    connect(cmdSelEdgeColor, &QPushButton::clicked, this,
            &frmFrozenColsTester::cmdSelEdgeColor_Click);
    connect(Tessix1, &TessixGrid::BeforeColDrag, this, &frmFrozenColsTester::Tessix1_BeforeColDrag);
    connect(Tessix1, &TessixGrid::ColHeaderDragOver, this,
            &frmFrozenColsTester::Tessix1_ColHeaderDragOver);

    Form_Load();
}

void frmFrozenColsTester::Form_Load() {
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetFrozenCols(StartFrozen);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());
    Tessix1->SetColCount(StartCols);
    // Titled, so a dragged column is easy to follow.
    for (int col = 1; col <= StartCols; ++col)
        Tessix1->SetColHeaderText(col, QStringLiteral("Column %1").arg(col));
    Tessix1->SetRowCount(StartRows);
    for (int row = 1; row <= StartRows; ++row)
        for (int col = 1; col <= StartCols; ++col)
            Tessix1->SetCellValue(row, col, QStringLiteral("R%1C%2").arg(row).arg(col));
    Tessix1->EndUpdate();

    MakeNumericTextBox(txtEdgeW, 0);
    txtEdgeW->setText(QString::number(Tessix1->FrozenEdgeWidth()));
    ShowEdgeColor();
    cmbGridLines->setCurrentIndex(BothGridLines);
    ShowTipOfTheDay(this);
}

void frmFrozenColsTester::cmbGridLines_Click() {
    Tessix1->SetGridLines(cmbGridLines->currentIndex());
}

void frmFrozenColsTester::chkDrawAlways_Click() {
    Tessix1->SetDrawFrozenEdgeAlways(chkDrawAlways->isChecked());
}

void frmFrozenColsTester::cmdAddCol_Click() {
    Tessix1->AddCol({}, QLocale().toString(QTime::currentTime(), vb::longTimePattern()));
}

void frmFrozenColsTester::cmdRemoveCol_Click() {
    // The column shown last: after a drag it need not be the one added last.
    Tessix1->RemoveCol(Tessix1->ColAtPos(Tessix1->ColCount()));
}

void frmFrozenColsTester::cmdSetEdgeW_Click() {
    bool ok = false;
    const int width = txtEdgeW->text().toInt(&ok);
    if (!ok || !Tessix1->SetFrozenEdgeWidth(width))
        MsgBox(QStringLiteral("Illegal value"), vbCritical);
}

void frmFrozenColsTester::cmdSelEdgeColor_Click() {
    CommonDlg dlg;
    // A system colour arrives as the colour it stands for.
    dlg.Color = OleColorToRGB(Tessix1->FrozenEdgeColor());
    dlg.ColorFlags = cdlCCRGBInit | cdlCCFullOpen;
    dlg.hWndOwner = this;
    if (!dlg.ShowColor())
        return;
    Tessix1->SetFrozenEdgeColor(dlg.Color);
    ShowEdgeColor();
}

void frmFrozenColsTester::Tessix1_BeforeColDrag(BeforeColDragArgs& args) {
    // The grid itself keeps each area non-empty; the window only explains why.
    if (args.lastInArea && chkDispWarn->isChecked())
        MsgBox(QStringLiteral("You cannot make the frozen or non-frozen area empty."),
               vbInformation);
}

void frmFrozenColsTester::Tessix1_ColHeaderDragOver(ColHeaderDragOverArgs& args) {
    if (chkAllowDrag->isChecked() || !args.crossesBoundary)
        return;
    MsgBox(QStringLiteral("Check the Allow column dragging...\r\noption to allow this movement!"),
           vbInformation);
    args.cancel = true;
}

void frmFrozenColsTester::ShowEdgeColor() {
    QPalette palette = lblColor->palette();
    palette.setColor(QPalette::Window, OleColorToQColor(Tessix1->FrozenEdgeColor()));
    lblColor->setPalette(palette);
}
