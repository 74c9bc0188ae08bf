#include "samples/features/frmMemMng.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int ResultColWidth = 92;
// Enough digits for every limit and a little more, so a number above a limit can be typed
// and is then visibly brought back to it.
constexpr int BoxDigits = 9;

// Above the maximum the text becomes the maximum, then below the minimum (an empty text
// included) the minimum.
void clampBox(QLineEdit* box, int minimum, int maximum) {
    bool ok = false;
    const int value = box->text().toInt(&ok);
    if (ok && value > maximum)
        box->setText(QString::number(maximum));
    else if (!ok || value < minimum)
        box->setText(QString::number(minimum));
}

QLineEdit* numberBox(const char* text) {
    auto* box = new QLineEdit(QString::fromLatin1(text));
    MakeNumericTextBox(box, BoxDigits);
    box->setFixedWidth(TwipsToPixelsX(900));
    return box;
}

QLabel* wrappedLabel(const QString& text) {
    auto* label = new QLabel(text);
    label->setWordWrap(true);
    return label;
}

} // namespace

frmMemMng::frmMemMng(QWidget* parent)
    : QWidget(parent, Qt::Window), txtCols(numberBox("10")), txtRows(numberBox("2500")),
      txtRowsChunk(numberBox("100")), cmdRepopulate(new QPushButton(QStringLiteral("Repopulate"))),
      lblStatus(new QLabel(QStringLiteral("Working..."))), grdTest(new TessixGrid),
      grdRes(new TessixGrid), cmdClearRes(new QPushButton(QStringLiteral("Clear Results"))) {
    setWindowTitle(QStringLiteral("Memory Manager Tester"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(TwipsToPixelsX(8400), TwipsToPixelsY(8700));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(TwipsToPixelsX(120), TwipsToPixelsY(120), TwipsToPixelsX(120),
                               TwipsToPixelsY(120));
    layout->addWidget(wrappedLabel(QStringLiteral(
        "The Tessix cells are stored in an internal array, and Tessix always tries to have some "
        "free rows in this array. This approach significantly speeds up code execution when you "
        "add many rows to the grid with the AddRow method as the total number of operations "
        "needed to reallocate memory for new data is minimized because Tessix simply utilizes "
        "the already allocated space.")));
    layout->addWidget(wrappedLabel(QStringLiteral(
        "If Tessix does not have empty rows in its internal array to store a new row, it "
        "allocates new memory for this row and for some more rows specified in the "
        "MemMngWantFreeRows property. You can play with this parameter here and see how its "
        "value has an influence on the time of adding rows subsequently to the end of the "
        "grid.")));

    auto* inputs = new QHBoxLayout;
    const auto labelled = [&](const char* caption, QLineEdit* box) {
        auto* label = new QLabel(QString::fromLatin1(caption));
        label->setBuddy(box);
        inputs->addWidget(label);
        inputs->addWidget(box);
        inputs->addSpacing(TwipsToPixelsX(120));
    };
    labelled("Total Columns:", txtCols);
    labelled("Total Rows:", txtRows);
    labelled("Want Free Rows:", txtRowsChunk);
    inputs->addWidget(cmdRepopulate);
    inputs->addWidget(lblStatus);
    inputs->addStretch(1);
    // The label comes and goes during a run; the row keeps its place.
    QSizePolicy keepPlace = lblStatus->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    lblStatus->setSizePolicy(keepPlace);
    lblStatus->hide();
    layout->addLayout(inputs);

    layout->addWidget(new QLabel(QStringLiteral("Test Grid:")));
    layout->addWidget(grdTest, 1);
    layout->addWidget(new QLabel(QStringLiteral("Results:")));
    layout->addWidget(grdRes, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClearRes);
    layout->addLayout(buttons);

    connect(cmdRepopulate, &QPushButton::clicked, this, &frmMemMng::cmdRepopulate_Click);
    connect(cmdClearRes, &QPushButton::clicked, this, &frmMemMng::cmdClearRes_Click);
    // editingFinished comes when a box loses the focus (and on Enter).
    connect(txtCols, &QLineEdit::editingFinished, this, &frmMemMng::txtCols_Validate);
    connect(txtRows, &QLineEdit::editingFinished, this, &frmMemMng::txtRows_Validate);
    connect(txtRowsChunk, &QLineEdit::editingFinished, this, &frmMemMng::txtRowsChunk_Validate);

    Form_Load();
}

void frmMemMng::Form_Load() {
    ApplyGridLook(grdTest);

    grdRes->BeginUpdate();
    ApplyGridLook(grdRes);
    grdRes->SetRowMode(true);
    grdRes->SetEditable(false);
    // Results stay in run order.
    grdRes->SetHeaderClickOption(false);
    grdRes->SetSortOnHeaderClick(false);
    grdRes->SetDefaultRowHeight(grdRes->GetOptimalRowHeight());
    const auto addResultCol = [&](const char* key, const char* header) {
        GridColumn* col =
            grdRes->AddCol(QString::fromLatin1(key), QString::fromLatin1(header), ResultColWidth);
        col->SetHeaderAlignH(AlignCenter);
        col->SetCellAlignment(AlignCenter);
        return col;
    };
    addResultCol("cols", "Cols");
    addResultCol("rows", "Rows");
    addResultCol("free", "Want Free Rows");
    addResultCol("time", "Time, msec")->SetCellFormatString(QStringLiteral("0.000"));
    addResultCol("alloc", "Allocated Rows");
    grdRes->EndUpdate();
}

void frmMemMng::cmdRepopulate_Click() {
    // A run never uses a number outside the limits, even when the boxes did not lose the
    // focus first (Enter on the button).
    txtCols_Validate();
    txtRows_Validate();
    txtRowsChunk_Validate();
    const int rows = txtRows->text().toInt();
    const int cols = txtCols->text().toInt();

    grdTest->BeginUpdate();
    grdTest->Clear(true);
    for (int i = 0; i < cols; ++i)
        grdTest->AddCol();
    grdTest->SetMemMngWantFreeRows(txtRowsChunk->text().toInt());

    lblStatus->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Paints the label; input waits until the run is over.
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);

    // The steady clock in nanoseconds: a few thousand rows take well under a millisecond.
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < rows; ++i)
        grdTest->AddRow();
    const double milliseconds = double(timer.nsecsElapsed()) / 1e6;

    lblStatus->hide();
    QApplication::restoreOverrideCursor();
    grdTest->EndUpdate();

    grdRes->setFocus();
    grdRes->BeginUpdate();
    const int line = grdRes->AddRow();
    grdRes->SetCellValue(line, "cols", Variant(cols));
    grdRes->SetCellValue(line, "rows", Variant(rows));
    grdRes->SetCellValue(line, "free", Variant(grdTest->MemMngWantFreeRows()));
    grdRes->SetCellValue(line, "time", Variant(milliseconds));
    grdRes->SetCellValue(line, "alloc", Variant(grdTest->GetInfo(25)));
    grdRes->EndUpdate();
    grdRes->SetCurRow(grdRes->RowCount());
}

void frmMemMng::cmdClearRes_Click() {
    grdRes->Clear();
}

void frmMemMng::txtCols_Validate() {
    clampBox(txtCols, 1, MaxCols);
}

void frmMemMng::txtRows_Validate() {
    clampBox(txtRows, 1, MaxRows);
}

void frmMemMng::txtRowsChunk_Validate() {
    clampBox(txtRowsChunk, 0, MaxWantFreeRows);
}
