#include "samples/exploring/FunNGamesOptions.h"

#include "app/mSetIcon.h"
#include "components/grid/TessixGrid.h"
#include "controls/WrapCheckBox.h"
#include "launcher/SampleCatalogue.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// IsFeatureAvailable codes.
constexpr int OSVisualStyles = 0;
constexpr int AlphaBlendSelection = 3;
constexpr int SemiTransparent = 92;
constexpr int Opaque = 255;

// The two colours of each focus rectangle style, in list order.
struct FocusRectStyle {
    const char* name;
    OleColor color1;
    OleColor color2;
};
const OleColor SeaGreen = RGB(33, 115, 70);
const OleColor LightRed = RGB(255, 0, 0);
const OleColor White = RGB(255, 255, 255);
const FocusRectStyle FocusRectStyles[] = {
    {"Default", 0x80000005, 0x80000008},     {"Sea Green Dotted", White, SeaGreen},
    {"Sea Green Solid", SeaGreen, SeaGreen}, {"Light Red Dotted", White, LightRed},
    {"Light Red Solid", LightRed, LightRed}, {"Light Yellow-Red", RGB(255, 255, 0), LightRed},
};

QLabel* notPossible() {
    auto* label = new QLabel(QStringLiteral("(not possible)"));
    label->hide();
    return label;
}

// The panel is narrow: a list takes the width its row leaves and cuts long items there
// (the open list shows them whole).
QComboBox* dropDownList(const QStringList& items) {
    auto* list = new QComboBox;
    list->addItems(items);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(3);
    return list;
}

QStringList gridLineItems() {
    return {QStringLiteral("None"), QStringLiteral("Vertical"), QStringLiteral("Horizontal"),
            QStringLiteral("Both")};
}

// A check box with its "(not possible)" label beside it.
QHBoxLayout* withLabel(QWidget* box, QWidget* label) {
    auto* row = new QHBoxLayout;
    row->setSpacing(4);
    row->addWidget(box);
    row->addWidget(label);
    row->addStretch(1);
    return row;
}

// Two controls side by side, the second starting half way.
QHBoxLayout* pair(QWidget* first, QWidget* second) {
    auto* row = new QHBoxLayout;
    row->addWidget(first, 1);
    row->addWidget(second, 1);
    return row;
}

} // namespace

QGroupBox* OptionGroup(const QString& title, QLayout* layout) {
    auto* box = new QGroupBox(title);
    layout->setContentsMargins(6, 2, 6, 4);
    layout->setSpacing(3);
    box->setLayout(layout);
    return box;
}

FunNGamesOptions::FunNGamesOptions(TessixGrid* grid, QPixmap background, QWidget* parent)
    : QWidget(parent),
      chkXPStylesContents(new QCheckBox(QStringLiteral("Use OS Visual Style in Contents"))),
      lblNoXPStCont(notPossible()),
      chkXPStylesHeader(new QCheckBox(QStringLiteral("Use OS Visual Style in Header"))),
      lblNoXPStHdr(notPossible()), chkHeader(new QCheckBox(QStringLiteral("Header"))),
      chkBackground(new QCheckBox(QStringLiteral("Background Bitmap"))),
      chkHeaderButtons(new QCheckBox(QStringLiteral("Header Buttons"))),
      chkHighlightSelIcons(new QCheckBox(QStringLiteral("Highlight Selected Icons"))),
      cmdAllHdrOpt(new QPushButton(QStringLiteral("All Header Options"))),
      chkHighlightSelCells(new QCheckBox(QStringLiteral("Highlight Selected Cells"))),
      optBorderNone(new QRadioButton(QStringLiteral("None"))),
      optBorderThin(new QRadioButton(QStringLiteral("Thin"))),
      optBorder3D(new QRadioButton(QStringLiteral("3D"))),
      chkShowFocusRect(new QCheckBox(QStringLiteral("Focus Rectangle:"))),
      cmbFocusRect(dropDownList({})),
      cmbFocusRectThickness(
          dropDownList({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")})),
      chkShowControlsInAllCells(
          new WrapCheckBox(QStringLiteral("Show Cell Controls (Combo Buttons) in All Cells"))),
      chkAlphaBlendSel(new QCheckBox(QStringLiteral("Semi-transparent Selection"))),
      lblNoAlphaBlendSel(notPossible()), cmbGridLines(dropDownList(gridLineItems())),
      cmbGridLineDrag(dropDownList(gridLineItems())),
      chkEditable(new QCheckBox(QStringLiteral("Editable"))),
      chkMultiselect(new QCheckBox(QStringLiteral("Multi-selection"))),
      chkRowMode(new QCheckBox(QStringLiteral("Row Mode"))),
      chkEnabled(new QCheckBox(QStringLiteral("Enabled"))),
      chkDisIco(new QCheckBox(QStringLiteral("Disable Icons"))),
      chkInterceptTab(new WrapCheckBox(QStringLiteral("Tab/Shift+Tab Changes the Current Cell"))),
      cmbKeyPressBehaviour(dropDownList({QStringLiteral("None"), QStringLiteral("Append cell text"),
                                         QStringLiteral("Replace cell text"),
                                         QStringLiteral("Search current column"),
                                         QStringLiteral("Search the \"Type\" column")})),
      chkSearchFromCurRow(new QCheckBox(QStringLiteral("From the Current Row"))),
      chkCyclicSearch(new QCheckBox(QStringLiteral("Cyclic Search"))), grdThis(grid),
      m_background(std::move(background)) {
    for (const FocusRectStyle& style : FocusRectStyles)
        cmbFocusRect->addItem(QString::fromLatin1(style.name));

    // The design states.
    for (QCheckBox* on :
         {chkXPStylesContents, chkXPStylesHeader, chkHeader, chkHeaderButtons, chkHighlightSelIcons,
          chkHighlightSelCells, chkShowFocusRect, chkShowControlsInAllCells, chkAlphaBlendSel,
          chkEditable, chkEnabled, chkDisIco, chkInterceptTab})
        on->setChecked(true);
    chkDisIco->setEnabled(false);
    chkSearchFromCurRow->setEnabled(false);
    chkCyclicSearch->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(BuildAppearance());
    layout->addWidget(BuildGridLines());
    layout->addWidget(BuildBehaviour());
    ConnectHandlers();
}

// Each row lays out on its own, so the narrow panel fits the widest row, not the widest
// column of all rows.
QWidget* FunNGamesOptions::BuildAppearance() {
    auto* rows = new QVBoxLayout;
    rows->addLayout(withLabel(chkXPStylesContents, lblNoXPStCont));
    rows->addLayout(withLabel(chkXPStylesHeader, lblNoXPStHdr));
    rows->addLayout(pair(chkHeader, chkBackground));
    rows->addLayout(pair(chkHeaderButtons, cmdAllHdrOpt));
    rows->addWidget(chkHighlightSelIcons);
    rows->addWidget(chkHighlightSelCells);

    auto* border = new QHBoxLayout;
    border->addWidget(new QLabel(QStringLiteral("Grid Border Style:")));
    auto* borders = new QButtonGroup(this);
    for (QRadioButton* option : {optBorderNone, optBorderThin, optBorder3D}) {
        borders->addButton(option);
        border->addWidget(option);
    }
    border->addStretch(1);
    rows->addLayout(border);
    rows->addLayout(pair(chkShowFocusRect, cmbFocusRect));
    auto* thicknessLabel = new QLabel(QStringLiteral("Focus Rectangle Thickness:"));
    thicknessLabel->setBuddy(cmbFocusRectThickness);
    auto* thickness = pair(thicknessLabel, cmbFocusRectThickness);
    thickness->addStretch(1);
    rows->addLayout(thickness);
    rows->addWidget(chkShowControlsInAllCells);
    rows->addLayout(withLabel(chkAlphaBlendSel, lblNoAlphaBlendSel));
    return OptionGroup(QStringLiteral("Appearance"), rows);
}

QWidget* FunNGamesOptions::BuildGridLines() {
    auto* row = new QHBoxLayout;
    auto* show = new QLabel(QStringLiteral("Show:"));
    show->setBuddy(cmbGridLines);
    auto* drag = new QLabel(QStringLiteral("Drag:"));
    drag->setBuddy(cmbGridLineDrag);
    row->addWidget(show);
    row->addWidget(cmbGridLines, 1);
    row->addSpacing(6);
    row->addWidget(drag);
    row->addWidget(cmbGridLineDrag, 1);
    return OptionGroup(QStringLiteral("Grid Lines"), row);
}

QWidget* FunNGamesOptions::BuildBehaviour() {
    auto* rows = new QVBoxLayout;
    rows->addLayout(pair(chkEditable, chkMultiselect));
    // "Disable Icons" sits in brackets right of "Enabled".
    auto* enabled = new QHBoxLayout;
    enabled->setSpacing(0);
    enabled->addWidget(chkEnabled);
    enabled->addSpacing(4);
    enabled->addWidget(new QLabel(QStringLiteral("(")));
    enabled->addWidget(chkDisIco);
    enabled->addWidget(new QLabel(QStringLiteral(")")));
    enabled->addStretch(1);
    auto* modes = new QHBoxLayout;
    modes->addWidget(chkRowMode, 1);
    modes->addLayout(enabled, 1);
    rows->addLayout(modes);
    rows->addWidget(chkInterceptTab);
    auto* keyLabel = new QLabel(QStringLiteral("On Key Press:"));
    keyLabel->setBuddy(cmbKeyPressBehaviour);
    rows->addLayout(pair(keyLabel, cmbKeyPressBehaviour));
    rows->addLayout(pair(chkSearchFromCurRow, chkCyclicSearch));
    return OptionGroup(QStringLiteral("Behaviour"), rows);
}

void FunNGamesOptions::OnToggled(QCheckBox* box, std::function<void(bool on)> handler) {
    connect(box, &QCheckBox::toggled, this, handler);
    m_handlers.push_back([box, handler] { handler(box->isChecked()); });
}

void FunNGamesOptions::OnChosen(QComboBox* list, std::function<void(int index)> handler) {
    connect(list, &QComboBox::currentIndexChanged, this, handler);
    m_handlers.push_back([list, handler] { handler(list->currentIndex()); });
}

void FunNGamesOptions::OnSelected(QRadioButton* option, std::function<void()> handler) {
    connect(option, &QRadioButton::toggled, this, [handler](bool checked) {
        if (checked)
            handler();
    });
    m_handlers.push_back([option, handler] {
        if (option->isChecked())
            handler();
    });
}

void FunNGamesOptions::ConnectHandlers() {
    TessixGrid* grid = grdThis;
    OnToggled(chkXPStylesContents, [grid](bool on) { grid->SetUseOSStyleContents(on); });
    OnToggled(chkXPStylesHeader, [grid](bool on) { grid->Header().SetUseOSStyle(on); });
    OnToggled(chkHeader, [this, grid](bool on) {
        grid->Header().SetVisible(on);
        chkHeaderButtons->setEnabled(on);
    });
    OnToggled(chkBackground,
              [this, grid](bool on) { grid->SetBackgroundPicture(on ? m_background : QPixmap()); });
    OnToggled(chkHeaderButtons, [grid](bool on) { grid->Header().SetButtons(on); });
    OnToggled(chkHighlightSelIcons, [grid](bool on) { grid->SetHighlightSelIcons(on); });
    connect(cmdAllHdrOpt, &QPushButton::clicked, this, &FunNGamesOptions::cmdAllHdrOpt_Click);
    OnToggled(chkHighlightSelCells, [grid](bool on) { grid->SetHighlightSelCells(on); });
    OnSelected(optBorderNone, [grid] { grid->SetBorderStyle(0); });
    OnSelected(optBorderThin, [grid] { grid->SetBorderStyle(2); });
    OnSelected(optBorder3D, [grid] { grid->SetBorderStyle(3); });
    OnToggled(chkShowFocusRect, [this, grid](bool on) {
        grid->SetShowFocusRect(on);
        grid->Refresh();
        cmbFocusRect->setEnabled(on);
    });
    OnChosen(cmbFocusRect, [grid](int index) {
        if (index < 0 || index >= int(std::size(FocusRectStyles)))
            return;
        grid->SetFocusRectColor1(FocusRectStyles[index].color1);
        grid->SetFocusRectColor2(FocusRectStyles[index].color2);
    });
    OnChosen(cmbFocusRectThickness, [grid](int index) {
        if (index >= 0)
            grid->SetFocusRectThickness(index + 1);
    });
    OnToggled(chkShowControlsInAllCells, [grid](bool on) { grid->SetShowControlsInAllCells(on); });
    OnToggled(chkAlphaBlendSel,
              [grid](bool on) { grid->SetSelAlpha(on ? SemiTransparent : Opaque); });
    OnChosen(cmbGridLines, [this, grid](int index) {
        if (index < 0)
            return;
        grid->SetGridLines(index);
        // The drag lines keep their setting while no lines show.
        cmbGridLineDrag->setEnabled(index != GridLinesNone);
    });
    OnChosen(cmbGridLineDrag, [grid](int index) {
        if (index >= 0)
            grid->SetDragGridLines(index);
    });
    OnToggled(chkEditable, [grid](bool on) { grid->SetEditable(on); });
    OnToggled(chkMultiselect, [grid](bool on) { grid->SetMultiSelect(on); });
    OnToggled(chkRowMode, [grid](bool on) { grid->SetRowMode(on); });
    OnToggled(chkEnabled, [this, grid](bool on) {
        grid->SetEnabled(on);
        chkDisIco->setEnabled(!on);
    });
    OnToggled(chkDisIco, [grid](bool on) { grid->SetGrayIconsWhenDisabled(on); });
    OnToggled(chkInterceptTab, [grid](bool on) { grid->SetTabMovesCurCell(on); });
    OnChosen(cmbKeyPressBehaviour, [this](int index) { cmbKeyPressBehaviour_Click(index); });
    OnToggled(chkSearchFromCurRow, [grid](bool on) { grid->SetSearchFromCurRow(on); });
    OnToggled(chkCyclicSearch, [grid](bool on) { grid->SetCyclicSearch(on); });
    connect(grdThis, &TessixGrid::OSStyleChange, this, &FunNGamesOptions::CheckOSStyleAvailability);
}

void FunNGamesOptions::PushToGrid() {
    for (const std::function<void()>& handler : m_handlers)
        handler();
}

void FunNGamesOptions::cmbKeyPressBehaviour_Click(int index) {
    if (index < 0)
        return;
    grdThis->SetKeyPressBehaviour(index);
    const bool searching = index > TypingModeReplace;
    chkSearchFromCurRow->setEnabled(searching);
    chkCyclicSearch->setEnabled(searching);
    const int mode = grdThis->KeyPressBehaviour();
    if ((mode == TypingModeSearchCurCol || mode == TypingModeSearchCol) &&
        chkAlphaBlendSel->isChecked()) {
        MsgBox(QStringLiteral("Aplha-blend selection should be turned off\r\n"
                              "to see the effect of incremental search.\r\n\r\n"
                              "It will be done automatically after you press OK."),
               vbExclamation);
        chkAlphaBlendSel->setChecked(false);
    }
}

void FunNGamesOptions::cmdAllHdrOpt_Click() {
    QWidget* window = SampleWindow::Instance(QStringLiteral("frmCustomizeHeader")).Load();
    if (!window)
        return;
    SetWindowIcon(window, QStringLiteral("AppIcon"), false);
    window->show();
    window->raise();
    window->activateWindow();
}

void FunNGamesOptions::CheckOSStyleAvailability() {
    const bool available = grdThis->IsFeatureAvailable(OSVisualStyles);
    for (auto [box, label] : {std::pair{chkXPStylesContents, lblNoXPStCont},
                              std::pair{chkXPStylesHeader, lblNoXPStHdr}}) {
        if (!available)
            box->setChecked(false);
        box->setEnabled(available);
        label->setVisible(!available);
    }
}

void FunNGamesOptions::CheckAlphaBlendAvailability() {
    if (grdThis->IsFeatureAvailable(AlphaBlendSelection))
        return;
    chkAlphaBlendSel->setChecked(false);
    chkAlphaBlendSel->setEnabled(false);
    lblNoAlphaBlendSel->show();
}
