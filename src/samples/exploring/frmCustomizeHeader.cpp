#include "samples/exploring/frmCustomizeHeader.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/CommonDlg.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RowCount = 20;
constexpr int CellValues = 7; // cells hold 0 to 6
constexpr int Col3Width = 128;
constexpr int NumberedIcons = 2;
// IsFeatureAvailable: the desktop's visual style.
constexpr int OSVisualStyles = 0;

QLabel* groupTitle(const QString& text) {
    auto* label = new QLabel(text);
    // Only the weight is set, so the rest follows the window's font.
    QFont bold;
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

// The radio button of a 0/1/2 alignment code; none for any other code.
QRadioButton* alignButton(int code, QRadioButton* first, QRadioButton* second,
                          QRadioButton* third) {
    switch (code) {
    case 0:
        return first;
    case 1:
        return second;
    case 2:
        return third;
    default:
        return nullptr;
    }
}

// The code of the chosen radio button of three, -1 when none is chosen.
int chosenAlign(const QRadioButton* first, const QRadioButton* second, const QRadioButton* third) {
    if (first->isChecked())
        return 0;
    if (second->isChecked())
        return 1;
    return third->isChecked() ? 2 : -1;
}

bool isOn(const QCheckBox* box) {
    return box->checkState() != Qt::Unchecked; // checked or grayed
}

} // namespace

frmCustomizeHeader::frmCustomizeHeader(QWidget* parent)
    : QWidget(parent, Qt::Window), Tessix1(new TessixGrid), Picture1(new QWidget),
      IconList1(new IconList(QSize(16, 16), this)),
      chkXPStyles(new QCheckBox(QStringLiteral("Use OS Visual Style"))),
      lblNoXPStyles(new QLabel(QStringLiteral("(not possible)"))),
      Label3(
          new QLabel(QStringLiteral("(when turned on, options with asterisk aren't available)"))),
      chkDragCols(new QCheckBox(QStringLiteral("Drag Columns"))),
      chkBtns(new QCheckBox(QStringLiteral("Buttons"))),
      chkFlat(new QCheckBox(QStringLiteral("Flat *"))),
      chkColImg(new QCheckBox(QStringLiteral("Show Column Images"))),
      chkHotTrack(new QCheckBox(QStringLiteral("Hot Tracking:"))),
      chkHotTrackText(new QCheckBox(QStringLiteral("Text *"))),
      chkHotTrackIcon(new QCheckBox(QStringLiteral("Icons *"))),
      chkHotTrackSortInfo(new QCheckBox(QStringLiteral("Sort Info *"))),
      cmdHotTrackForeColor(new QPushButton(QStringLiteral("HotTrackForeColor *"))),
      cboSortInfo(new QComboBox), cmdSortInfoFont(new QPushButton(QStringLiteral("Font"))),
      cmdSolidSortIconColor(new QPushButton(QStringLiteral("Solid Sort Icon Color"))),
      cmdBackColor(new QPushButton(QStringLiteral("BackColor *"))),
      cmdForeColor(new QPushButton(QStringLiteral("ForeColor"))),
      cmdItemTextFont(new QPushButton(QStringLiteral("Font"))),
      txtHeight(new QLineEdit(QStringLiteral("20"))),
      cmdApplyHdrHeight(new QPushButton(QStringLiteral("Apply"))),
      cmdAutoHeight(new QPushButton(QStringLiteral("Fit Height"))),
      cmdAutoWidth(new QPushButton(QStringLiteral("Autowidth Columns"))),
      chkAutoWidthWithHdr(new QCheckBox(QStringLiteral("with Header"))),
      Label4(new QLabel(QStringLiteral("(select a cell in the required column first)"))),
      txtItemText(new QPlainTextEdit), cmdApplyItemText(new QPushButton(QStringLiteral("Apply"))),
      chkItemWordWrap(new QCheckBox(QStringLiteral("Word Wrap"))),
      chkItemSingleLine(new QCheckBox(QStringLiteral("Single-line:"))),
      chkItemEndEllipsis(new QCheckBox(QStringLiteral("End Ellipsis"))),
      optHAlignLeft(new QRadioButton(QStringLiteral("Left"))),
      optHAlignCenter(new QRadioButton(QStringLiteral("Center"))),
      optHAlignRight(new QRadioButton(QStringLiteral("Right"))),
      optVAlignTop(new QRadioButton(QStringLiteral("Top"))),
      optVAlignCenter(new QRadioButton(QStringLiteral("Center"))),
      optVAlignBottom(new QRadioButton(QStringLiteral("Bottom"))),
      cmdItemBackColor(new QPushButton(QStringLiteral("BackColor *"))),
      cmdItemForeColor(new QPushButton(QStringLiteral("ForeColor"))),
      chkItemAllowSizing(new QCheckBox(QStringLiteral("Allow Sizing"))) {
    setWindowTitle(QStringLiteral("Customizing Tessix Header"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());

    IconList1->AddImage(QStringLiteral("attach"), ":/outlook/Attachment.svg");
    IconList1->AddImage(QStringLiteral("low"), ":/outlook/ImpLow.svg");
    IconList1->AddImage(QStringLiteral("unread"), ":/outlook/MsgUnread.svg");

    // The grid takes what the panel leaves; the panel scrolls when the window is too low.
    const int gap = TwipsToPixelsX(120);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(gap, gap, gap, gap);
    layout->setSpacing(gap);
    layout->addWidget(Tessix1, 1);
    layout->addWidget(BuildPanel());
    // The design size, taller where the desktop's font needs more room for the whole panel.
    resize(TwipsToPixelsX(9615),
           std::max(TwipsToPixelsY(8880), Picture1->sizeHint().height() + 2 * gap));

    // The design state: the grid's own initial header settings.
    for (QCheckBox* on : {chkXPStyles, chkDragCols, chkBtns, chkColImg, chkHotTrack,
                          chkHotTrackText, chkAutoWidthWithHdr})
        on->setChecked(true);
    cboSortInfo->addItems({QStringLiteral("No info"), QStringLiteral("Only Icons"),
                           QStringLiteral("Numerated Icons")});
    ConnectHandlers();
    Form_Load();
}

QWidget* frmCustomizeHeader::BuildPanel() {
    auto* panel = new QVBoxLayout(Picture1);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(3);
    for (QLabel* wrapped : {Label3, Label4})
        wrapped->setWordWrap(true);

    panel->addWidget(groupTitle(QStringLiteral("Appearance & Behaviour")));
    auto* osStyle = new QHBoxLayout;
    osStyle->addWidget(chkXPStyles);
    osStyle->addWidget(lblNoXPStyles, 1);
    panel->addLayout(osStyle);
    panel->addWidget(Label3);
    auto* behaviour = new QGridLayout;
    behaviour->setVerticalSpacing(2);
    const QList<QCheckBox*> left{chkDragCols, chkBtns, chkFlat, chkColImg};
    const QList<QCheckBox*> right{chkHotTrack, chkHotTrackText, chkHotTrackIcon,
                                  chkHotTrackSortInfo};
    for (int row = 0; row < 4; ++row) {
        behaviour->addWidget(left[row], row, 0);
        behaviour->addWidget(right[row], row, 1);
        // The hot-tracked parts sit under "Hot Tracking:".
        if (row > 0)
            right[row]->setContentsMargins(TwipsToPixelsX(240), 0, 0, 0);
    }
    panel->addLayout(behaviour);
    panel->addWidget(cmdHotTrackForeColor);

    panel->addSpacing(4);
    panel->addWidget(groupTitle(QStringLiteral("Sorted Columns Info")));
    auto* sortInfo = new QGridLayout;
    auto* infoLabel = new QLabel(QStringLiteral("Info Style:"));
    infoLabel->setBuddy(cboSortInfo);
    sortInfo->addWidget(infoLabel, 0, 0);
    sortInfo->addWidget(cboSortInfo, 0, 1, 1, 2);
    sortInfo->addWidget(cmdSortInfoFont, 1, 0);
    sortInfo->addWidget(cmdSolidSortIconColor, 1, 1, 1, 2);
    panel->addLayout(sortInfo);

    panel->addSpacing(4);
    panel->addWidget(groupTitle(QStringLiteral("Entire Header Colors and Font")));
    auto* colors = new QGridLayout;
    colors->addWidget(cmdBackColor, 0, 0);
    colors->addWidget(cmdForeColor, 0, 1);
    colors->addWidget(cmdItemTextFont, 1, 0);
    panel->addLayout(colors);

    panel->addSpacing(4);
    panel->addWidget(groupTitle(QStringLiteral("Header Height & Width of Items")));
    auto* height = new QGridLayout;
    auto* heightLabel = new QLabel(QStringLiteral("Height:"));
    heightLabel->setBuddy(txtHeight);
    height->addWidget(heightLabel, 0, 0);
    height->addWidget(txtHeight, 0, 1);
    height->addWidget(cmdApplyHdrHeight, 0, 2);
    height->addWidget(cmdAutoHeight, 1, 2);
    height->addWidget(cmdAutoWidth, 2, 0, 1, 2);
    height->addWidget(chkAutoWidthWithHdr, 2, 2);
    txtHeight->setFixedWidth(TwipsToPixelsX(500));
    panel->addLayout(height);

    panel->addSpacing(4);
    panel->addWidget(groupTitle(QStringLiteral("Current Column Header")));
    panel->addWidget(Label4);
    auto* text = new QGridLayout;
    auto* textLabel = new QLabel(QStringLiteral("Text:"));
    textLabel->setBuddy(txtItemText);
    text->addWidget(textLabel, 0, 0, Qt::AlignTop);
    text->addWidget(txtItemText, 0, 1, 2, 1);
    text->addWidget(cmdApplyItemText, 1, 2, Qt::AlignBottom);
    txtItemText->setFixedHeight(txtItemText->fontMetrics().lineSpacing() * 3 + 10);
    txtItemText->setTabChangesFocus(true);
    panel->addLayout(text);

    auto* flags = new QGridLayout;
    flags->addWidget(chkItemWordWrap, 0, 0);
    flags->addWidget(chkItemSingleLine, 0, 1);
    flags->addWidget(chkItemEndEllipsis, 1, 0);
    panel->addLayout(flags);

    const auto alignFrame = [this](const QString& title, QList<QRadioButton*> buttons) {
        auto* frame = new QGroupBox(title);
        auto* column = new QVBoxLayout(frame);
        column->setSpacing(1);
        column->setContentsMargins(6, 2, 6, 2);
        // Each frame is its own choice; at first neither has one.
        auto* group = new QButtonGroup(frame);
        for (QRadioButton* button : buttons) {
            group->addButton(button);
            column->addWidget(button);
        }
        return frame;
    };
    auto* aligns = new QHBoxLayout;
    aligns->addWidget(
        alignFrame(QStringLiteral("H-Align"), {optHAlignLeft, optHAlignCenter, optHAlignRight}));
    aligns->addWidget(
        alignFrame(QStringLiteral("V-Align"), {optVAlignTop, optVAlignCenter, optVAlignBottom}));
    panel->addLayout(aligns);

    auto* itemColors = new QHBoxLayout;
    itemColors->addWidget(cmdItemBackColor);
    itemColors->addWidget(cmdItemForeColor);
    panel->addLayout(itemColors);
    panel->addWidget(chkItemAllowSizing);
    panel->addStretch(1);

    auto* scroller = new QScrollArea;
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setWidgetResizable(true);
    scroller->setWidget(Picture1);
    // The design's width, or what the panel needs in the desktop's font when that is wider.
    scroller->setFixedWidth(
        std::max(TwipsToPixelsX(3375), Picture1->minimumSizeHint().width() +
                                           scroller->verticalScrollBar()->sizeHint().width()));
    return scroller;
}

void frmCustomizeHeader::ConnectHandlers() {
    GridHeader& header = Tessix1->Header();
    const auto onToggled = [this](QCheckBox* box, auto handler) {
        connect(box, &QCheckBox::toggled, this, handler);
    };
    onToggled(chkXPStyles, [this] { chkXPStyles_Click(); });
    onToggled(chkDragCols, [this, &header] { header.SetDragColumns(isOn(chkDragCols)); });
    onToggled(chkBtns, [this, &header] { header.SetButtons(isOn(chkBtns)); });
    onToggled(chkFlat, [this, &header] { header.SetFlat(isOn(chkFlat)); });
    onToggled(chkHotTrack, [this, &header] { header.SetHotTracking(isOn(chkHotTrack)); });
    onToggled(chkHotTrackIcon, [this] { SetHotTrackFlag(HotTrackIcons, chkHotTrackIcon); });
    onToggled(chkHotTrackText, [this] { SetHotTrackFlag(HotTrackText, chkHotTrackText); });
    onToggled(chkHotTrackSortInfo,
              [this] { SetHotTrackFlag(HotTrackSortInfo, chkHotTrackSortInfo); });
    onToggled(chkColImg, [this] { chkColImg_Click(); });
    onToggled(chkAutoWidthWithHdr,
              [this] { Tessix1->SetAutoWidthWithHeader(isOn(chkAutoWidthWithHdr)); });
    connect(cboSortInfo, &QComboBox::currentIndexChanged, this,
            &frmCustomizeHeader::cboSortInfo_Click);

    // The header-wide colours: each button edits one of them.
    const auto colorButton = [this, &header](QPushButton* button,
                                             OleColor (GridHeader::*get)() const,
                                             void (GridHeader::*set)(OleColor)) {
        connect(button, &QPushButton::clicked, this, [this, &header, get, set] {
            if (const std::optional<quint32> color = ChooseColor((header.*get)()))
                (header.*set)(*color);
        });
    };
    colorButton(cmdHotTrackForeColor, &GridHeader::HotTrackForeColor,
                &GridHeader::SetHotTrackForeColor);
    colorButton(cmdSolidSortIconColor, &GridHeader::SolidSortIconColor,
                &GridHeader::SetSolidSortIconColor);
    colorButton(cmdBackColor, &GridHeader::BackColor, &GridHeader::SetBackColor);
    colorButton(cmdForeColor, &GridHeader::ForeColor, &GridHeader::SetForeColor);
    connect(cmdSortInfoFont, &QPushButton::clicked, this,
            [this, &header] { EditHeaderFont(header.SortInfoFont()); });
    connect(cmdItemTextFont, &QPushButton::clicked, this,
            [this, &header] { EditHeaderFont(header.Font()); });

    connect(cmdApplyHdrHeight, &QPushButton::clicked, this,
            &frmCustomizeHeader::cmdApplyHdrHeight_Click);
    connect(txtHeight, &QLineEdit::returnPressed, this,
            &frmCustomizeHeader::cmdApplyHdrHeight_Click);
    connect(cmdAutoHeight, &QPushButton::clicked, this, &frmCustomizeHeader::cmdAutoHeight_Click);
    connect(cmdAutoWidth, &QPushButton::clicked, Tessix1, &TessixGrid::AutoWidthCols);

    for (QRadioButton* option : {optHAlignLeft, optHAlignCenter, optHAlignRight, optVAlignTop,
                                 optVAlignCenter, optVAlignBottom})
        connect(option, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked)
                ApplyColHeaderSettings();
        });
    for (QCheckBox* box : {chkItemSingleLine, chkItemWordWrap, chkItemEndEllipsis})
        onToggled(box, [this] { ApplyColHeaderSettings(); });
    onToggled(chkItemAllowSizing, [this] { chkItemAllowSizing_Click(); });
    connect(cmdApplyItemText, &QPushButton::clicked, this,
            &frmCustomizeHeader::cmdApplyItemText_Click);
    const auto columnColor = [this](QPushButton* button,
                                    OleColor (TessixGrid::*get)(const ColRef&) const,
                                    void (TessixGrid::*set)(const ColRef&, OleColor)) {
        connect(button, &QPushButton::clicked, this, [this, get, set] {
            if (!CheckColSelected())
                return;
            if (const std::optional<quint32> color =
                    ChooseColor((Tessix1->*get)(Tessix1->CurCol())))
                (Tessix1->*set)(Tessix1->CurCol(), *color);
        });
    };
    columnColor(cmdItemBackColor, &TessixGrid::ColHeaderBackColor,
                &TessixGrid::SetColHeaderBackColor);
    columnColor(cmdItemForeColor, &TessixGrid::ColHeaderForeColor,
                &TessixGrid::SetColHeaderForeColor);

    connect(Tessix1, &TessixGrid::CurColChange, this, &frmCustomizeHeader::Tessix1_CurColChange);
    connect(Tessix1, &TessixGrid::OSStyleChange, this,
            &frmCustomizeHeader::CheckOSStyleAvailability);
}

void frmCustomizeHeader::Form_Load() {
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->Header().SetImageList(IconList1);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());

    GridColumn* col = Tessix1->AddCol(QStringLiteral("col1"), QStringLiteral("Column 1"));
    col->SetHeaderIcon(1);
    col->SetAllowSizing(false);
    col = Tessix1->AddCol(QStringLiteral("col2"), QStringLiteral("Column 2 multiline"));
    col->SetHeaderIcon(2);
    col->SetHeaderAlignH(1);
    col->SetHeaderTextFlags(TextFlagWordBreak);
    col = Tessix1->AddCol(QStringLiteral("col3"), QStringLiteral("Column 3 bottom"), Col3Width);
    col->SetHeaderIcon(3);
    col->SetHeaderAlignV(2);

    Tessix1->SetRowCount(RowCount);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        for (int c = 1; c <= Tessix1->ColCount(); ++c)
            Tessix1->SetCellValue(row, c, Variant(float(vb::Int(vb::Rnd() * CellValues))));
    Tessix1->EndUpdate();

    cboSortInfo->setCurrentIndex(NumberedIcons);
    txtHeight->setText(QString::number(Tessix1->Header().Height()));
    MakeNumericTextBox(txtHeight, 0);
    CheckOSStyleAvailability();
    EnableNonOSStyleOptions();
    Tessix1->SetCurCell(1, 1);
}

bool frmCustomizeHeader::CheckColSelected() {
    if (Tessix1->CurCol() != 0)
        return true;
    MsgBox(QStringLiteral("First select any column by selecting one of its cells."), vbCritical);
    return false;
}

void frmCustomizeHeader::EnableNonOSStyleOptions() {
    const bool on = !chkXPStyles->isChecked();
    for (QWidget* option : std::initializer_list<QWidget*>{
             chkFlat, cmdBackColor, cmdItemBackColor, chkHotTrackText, chkHotTrackIcon,
             chkHotTrackSortInfo, cmdHotTrackForeColor})
        option->setEnabled(on);
}

void frmCustomizeHeader::CheckOSStyleAvailability() {
    if (Tessix1->IsFeatureAvailable(OSVisualStyles)) {
        chkXPStyles->setEnabled(true);
        lblNoXPStyles->hide();
        return;
    }
    chkXPStyles->setChecked(false);
    EnableNonOSStyleOptions();
    chkXPStyles->setEnabled(false);
    lblNoXPStyles->show();
}

void frmCustomizeHeader::chkXPStyles_Click() {
    Tessix1->Header().SetUseOSStyle(isOn(chkXPStyles));
    EnableNonOSStyleOptions();
}

void frmCustomizeHeader::SetHotTrackFlag(int flag, const QCheckBox* box) {
    GridHeader& header = Tessix1->Header();
    header.SetHotTrackFlags(isOn(box) ? header.HotTrackFlags() | flag
                                      : header.HotTrackFlags() & ~flag);
}

void frmCustomizeHeader::chkColImg_Click() {
    // Column i shows image i of the list.
    for (int col = 1; col <= Tessix1->ColCount(); ++col)
        Tessix1->SetColHeaderIcon(col, isOn(chkColImg) ? col : 0);
}

void frmCustomizeHeader::cboSortInfo_Click() {
    Tessix1->Header().SetSortInfoStyle(cboSortInfo->currentIndex());
}

void frmCustomizeHeader::cmdApplyHdrHeight_Click() {
    bool ok = false;
    const int height = txtHeight->text().toInt(&ok);
    // Empty, or more than a whole number can hold: say so and keep the text to correct.
    if (!ok) {
        MsgBox(QStringLiteral("Illegal value"), vbCritical);
        return;
    }
    Tessix1->Header().SetHeight(height);
}

void frmCustomizeHeader::cmdAutoHeight_Click() {
    Tessix1->Header().AutoHeight();
    txtHeight->setText(QString::number(Tessix1->Header().Height()));
}

std::optional<quint32> frmCustomizeHeader::ChooseColor(quint32 current) {
    CommonDlg dlg;
    dlg.hWndOwner = this;
    dlg.Color = OleColorToRGB(current);
    dlg.ColorFlags = cdlCCRGBInit;
    if (!dlg.ShowColor())
        return std::nullopt;
    return dlg.Color;
}

void frmCustomizeHeader::EditHeaderFont(FontObject font) {
    CommonDlg dlg;
    dlg.hWndOwner = this;
    dlg.FontName = font.Name();
    dlg.FontSize = float(font.Size());
    dlg.FontBold = font.Bold();
    dlg.FontItalic = font.Italic();
    if (!dlg.ShowFont())
        return;
    // The header's own font object, changed in place.
    font.SetName(dlg.FontName);
    font.SetSize(dlg.FontSize);
    font.SetBold(dlg.FontBold);
    font.SetItalic(dlg.FontItalic);
}

void frmCustomizeHeader::Tessix1_CurColChange(int newCol, int /*prevCol*/) {
    if (newCol == 0) {
        txtItemText->clear();
        return;
    }
    // Header texts break lines with CR LF, the box with LF.
    txtItemText->setPlainText(
        Tessix1->ColHeaderText(newCol).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    FillingPanel = true;
    if (QRadioButton* h = alignButton(Tessix1->ColHeaderAlignH(newCol), optHAlignLeft,
                                      optHAlignCenter, optHAlignRight))
        h->setChecked(true);
    if (QRadioButton* v = alignButton(Tessix1->ColHeaderAlignV(newCol), optVAlignTop,
                                      optVAlignCenter, optVAlignBottom))
        v->setChecked(true);
    const quint32 flags = Tessix1->ColHeaderTextFlags(newCol);
    chkItemSingleLine->setChecked(flags & TextFlagSingleLine);
    chkItemWordWrap->setChecked(flags & TextFlagWordBreak);
    chkItemEndEllipsis->setChecked(flags & TextFlagEndEllipsis);
    // Unchecked too when the column cannot be sized, so the box never shows another column's.
    chkItemAllowSizing->setChecked(Tessix1->ColAllowSizing(newCol));
    FillingPanel = false;
}

void frmCustomizeHeader::ApplyColHeaderSettings() {
    if (FillingPanel || !CheckColSelected())
        return;
    // All three settings are written together, whichever control changed.
    if (const int h = chosenAlign(optHAlignLeft, optHAlignCenter, optHAlignRight); h >= 0)
        Tessix1->SetColHeaderAlignH(Tessix1->CurCol(), h);
    if (const int v = chosenAlign(optVAlignTop, optVAlignCenter, optVAlignBottom); v >= 0)
        Tessix1->SetColHeaderAlignV(Tessix1->CurCol(), v);
    quint32 flags = 0;
    if (isOn(chkItemSingleLine))
        flags |= TextFlagSingleLine;
    if (isOn(chkItemWordWrap))
        flags |= TextFlagWordBreak;
    if (isOn(chkItemEndEllipsis))
        flags |= TextFlagEndEllipsis;
    Tessix1->SetColHeaderTextFlags(Tessix1->CurCol(), flags);
}

void frmCustomizeHeader::chkItemAllowSizing_Click() {
    if (FillingPanel || !CheckColSelected())
        return;
    Tessix1->SetColAllowSizing(Tessix1->CurCol(), isOn(chkItemAllowSizing));
}

void frmCustomizeHeader::cmdApplyItemText_Click() {
    if (CheckColSelected())
        Tessix1->SetColHeaderText(
            Tessix1->CurCol(), txtItemText->toPlainText().replace(u'\n', QStringLiteral("\r\n")));
}
