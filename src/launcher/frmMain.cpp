#include "launcher/frmMain.h"

#include "app/Global.h"
#include "app/mSetIcon.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/HyperlinkLabel.h"
#include "launcher/SampleCatalogue.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"
#include "platform/WindowPlacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QPainter>
#include <QPointer>

#include <cmath>

namespace {

const QString NameCol = QStringLiteral("name");
const QString ButtonCol = QStringLiteral("button");
const QString ExpandHint = QStringLiteral("<< Click to expand sample group");

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

FontObject makeFont(const char* name, double size, bool bold) {
    return FontObject(FontData{QString::fromLatin1(name), size, bold, false});
}

// The "ShowTips" setting as the check box shows it: only 1 checks the box.
int showTipsValue() {
    bool ok = false;
    const int value =
        GetSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, QStringLiteral("1"))
            .trimmed()
            .toInt(&ok);
    return ok ? value : 0;
}

} // namespace

QString frmMain::ExtraSamplesAddress() {
    return QStringLiteral("https://www.tessix-grid.example/activex-grid/extra-samples.aspx");
}

frmMain::frmMain(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      grdDemos(new TessixGrid(this)),
      chkTip(new QCheckBox(QStringLiteral("Show Useful Tips in Demos"), this)),
      hprlnkExtraSamples(new HyperlinkLabel(this)), imlSample(new IconList(QSize(16, 16), this)),
      imlLaunchBtn(new IconList(QSize(100, 20), this)),
      imlTreeBtns(new IconList(QSize(16, 16), this)),
      picBackground(QStringLiteral(":/launcher/CatalogueBackground.svg")),
      m_customCursor(QIcon(QStringLiteral(":/launcher/LauncherCursor.svg")).pixmap(32, 32), 0, 0) {
    setWindowTitle(QStringLiteral("Tessix Demonstrator Control Center"));
    // A fixed single border: the window cannot be resized.
    SetFixedWindowSize(this, twipsRect(0, 0, 7815, 8280).size());
    setFont(makeFont("MS Sans Serif", 8.25, false).toQFont());

    grdDemos->setGeometry(twipsRect(120, 120, 7575, 7635));
    chkTip->setGeometry(twipsRect(120, 7860, 2415, 375));
    chkTip->setToolTip(QStringLiteral("Turns on/off the Tip of the Day window in the samples"));
    hprlnkExtraSamples->setGeometry(twipsRect(5760, 7920, 1935, 195));
    hprlnkExtraSamples->SetCaption(QStringLiteral("Find More Samples Online"));

    imlSample->AddImage(QStringLiteral("GridSample"), ":/launcher/GridSample.svg");
    imlLaunchBtn->AddImage(QStringLiteral("Launch_hot"), ":/launcher/LaunchHot.svg");
    imlLaunchBtn->AddImage(QStringLiteral("Launch_normal"), ":/launcher/LaunchNormal.svg");
    imlTreeBtns->AddImage(QStringLiteral("DOWN ARROW"), ":/launcher/DownArrow.svg");
    imlTreeBtns->AddImage(QStringLiteral("RIGHT ARROW"), ":/launcher/RightArrow.svg");

    connect(chkTip, &QCheckBox::stateChanged, this, &frmMain::chkTip_Click);
    connect(hprlnkExtraSamples, &HyperlinkLabel::Click, this, &frmMain::hprlnkExtraSamples_Click);
    connect(grdDemos, &TessixGrid::CustomDrawCell, this, &frmMain::grdDemos_CustomDrawCell);
    connect(grdDemos, &TessixGrid::KeyDown, this, &frmMain::grdDemos_KeyDown);
    connect(grdDemos, &TessixGrid::CellMouseEnter, this, &frmMain::grdDemos_CellMouseEnter);
    connect(grdDemos, &TessixGrid::CellMouseLeave, this, &frmMain::grdDemos_CellMouseLeave);
    connect(grdDemos, &TessixGrid::CellMouseDown, this, &frmMain::grdDemos_CellMouseDown);
    connect(grdDemos, &TessixGrid::CellMouseUp, this, &frmMain::grdDemos_CellMouseUp);
    connect(grdDemos, &TessixGrid::RequestCellToolTip, this, &frmMain::grdDemos_RequestCellToolTip);

    Form_Load();
}

void frmMain::Form_Load() {
    SetTipsFilePath(DataFolder() + QStringLiteral("/TessixDemo.tips"));
    // The box starts unchecked; checking it from here stores the value read, as a click would.
    chkTip->setChecked(showTipsValue() == 1);
    hprlnkExtraSamples->SetToolTipText(ExtraSamplesAddress());

    m_expandedGroupRow = 1;
    CaptionFont = makeFont("Tahoma", 10, true);
    HintFont = makeFont("Tahoma", 8, false);
    EntryFont = makeFont("Arial", 9, true);
    m_captionFontHandle = CaptionFont.toQFont();
    m_hintFontHandle = HintFont.toQFont();

    BuildCatalogue();
}

void frmMain::BuildCatalogue() {
    grdDemos->BeginUpdate();
    grdDemos->Header().SetVisible(false);
    grdDemos->SetBorderStyle(2);
    grdDemos->SetBackColor(0xF8F8F8); // RGB(248, 248, 248)
    grdDemos->SetGridLines(GridLinesNone);
    grdDemos->SetShowRowText(true);
    grdDemos->SetBackgroundPicture(picBackground);
    grdDemos->SetImageList(QList<IconList*>{imlSample, imlLaunchBtn});
    grdDemos->SetFont(makeFont("Tahoma", 10, false));

    GridColumn* name = grdDemos->AddCol(NameCol, {}, TwipsToPixelsX(2400));
    name->SetCellFont(EntryFont);
    name->SetCellIconAlign(IconAlignLeft);
    name->SetCellIcon(imlSample->ItemIndex(QStringLiteral("GridSample")));
    name->SetCellIndentLeft(10);
    name->SetCellVAlignment(VAlignBottom);

    GridColumn* button = grdDemos->AddCol(ButtonCol);
    button->SetCellIconAlign(IconAlignRight);
    button->SetCellIcon(imlLaunchBtn->ItemIndex(QStringLiteral("Launch_normal")));
    button->SetCellIndentRight(10);
    button->SetCellIndentTop(5);

    GridColumn* rowText = grdDemos->ColObject(grdDemos->RowTextCol());
    rowText->SetCellTextFlags(TextFlagWordBreak);
    rowText->SetCellIndentLeft(10);
    rowText->SetCellIndentBottom(10);

    bool firstGroup = true;
    for (const SampleGroup& group : SampleCatalogue()) {
        AddGroupRow(group.caption, group.description);
        for (const SampleEntry& entry : group.entries)
            AddSampleRow(entry.caption, entry.description,
                         &SampleWindow::Instance(entry.windowClass), firstGroup);
        firstGroup = false;
    }

    // The two columns fill the grid inside its one-pixel border.
    grdDemos->AutoWidthCol(ButtonCol);
    grdDemos->SetColWidth(NameCol, grdDemos->width() - grdDemos->ColWidth(ButtonCol) - 2);
    for (int row = 1; row <= grdDemos->RowCount(); ++row)
        if (!grdDemos->RowIsGroup(row))
            grdDemos->AutoHeightRow(row);
    grdDemos->EndUpdate();
}

void frmMain::AddGroupRow(const QString& caption, const QString& description) {
    AddRowArgs args;
    args.group = true;
    args.tag = description;
    const int row = grdDemos->AddRow(args);
    const int rowText = grdDemos->RowTextCol();
    grdDemos->SetCellValue(row, rowText, caption);
    grdDemos->SetCellType(row, rowText, CellTypeCustomDraw);
    grdDemos->SetRowHeight(row, int(std::lround(300 / TwipsPerPixelY() + 6)));
}

void frmMain::AddSampleRow(const QString& caption, const QString& description,
                           QObject* sampleWindow, bool visible) {
    AddRowArgs args;
    args.tagObject = sampleWindow;
    args.visible = visible;
    const int row = grdDemos->AddRow(args);
    grdDemos->SetCellValue(row, NameCol, caption);
    grdDemos->SetCellValue(row, grdDemos->RowTextCol(), description);
}

void frmMain::ExpandGroup(int row) {
    if (row == m_expandedGroupRow)
        return;
    m_expandedGroupRow = row;
    m_hintsHidden = true;
    grdDemos->BeginUpdate();
    bool inExpanded = false;
    for (int r = 1; r <= grdDemos->RowCount(); ++r) {
        if (grdDemos->RowIsGroup(r))
            inExpanded = (r == row);
        else
            grdDemos->SetRowVisible(r, inExpanded);
    }
    grdDemos->EndUpdate();
}

void frmMain::DrawGroupRow(int row, QPainter& dc, int left, int top, int right, int bottom) {
    const int width = right - left;
    for (int i = 0; i <= 4; ++i) {
        const int d = (5 - i) * 15;
        const QColor band(150 - d, 190 - d, 255 - d);
        dc.fillRect(QRect(left, top + i, width, 1), band);
        dc.fillRect(QRect(left, bottom - 2 - i, width, 1), band);
    }
    // The line at bottom - 1 stays unpainted: it separates the band from the next row.
    dc.fillRect(QRect(left, top + 5, width, (bottom - 6) - (top + 5)), QColor(150, 190, 255));
    imlTreeBtns->PaintImage(row == m_expandedGroupRow ? 1 : 2, dc, left + 5, top + 5);

    QRect text(QPoint(left + 25, top + 4), QPoint(right - 1, bottom - 5));
    const QString caption = grdDemos->CellValue(row, grdDemos->RowTextCol()).toString();
    const int look = row == m_hotRow ? m_buttonState : ButtonIdle;
    const QFont previous = dc.font();
    dc.setFont(m_captionFontHandle);
    if (look == ButtonHot) {
        dc.setPen(QColor(144, 144, 144));
        dc.drawText(text.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, caption);
    }
    dc.setPen(look == ButtonHot ? Qt::white : Qt::black);
    dc.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption);

    if (!m_hintsHidden && row != m_expandedGroupRow) {
        dc.setFont(m_hintFontHandle);
        dc.setPen(Qt::white);
        text.setRight(text.right() - 5);
        dc.drawText(text, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, ExpandHint);
    }
    dc.setFont(previous);
}

bool frmMain::IsLaunchButton(int row, int col) const {
    return row > 0 && !grdDemos->RowIsGroup(row) && col > 0 &&
           grdDemos->ColKey(col).compare(ButtonCol, Qt::CaseInsensitive) == 0;
}

bool frmMain::IsLaunchTarget(int row, int col) const {
    return (row > 0 && grdDemos->RowIsGroup(row)) || IsLaunchButton(row, col);
}

void frmMain::LaunchSample(int row) {
    auto* sample = qobject_cast<SampleWindow*>(grdDemos->RowTagObject(row));
    QWidget* window = sample ? sample->Load() : nullptr;
    // Samples not built yet stay in the catalogue and open nothing.
    if (!window)
        return;
    SetWindowIcon(window, QStringLiteral("AppIcon"), false);
    // A window already open stays where the user put it.
    if (!window->isVisible())
        PlaceWindowBeside(window, this);
    window->show();
    window->raise();
    window->activateWindow();
}

void frmMain::chkTip_Click() {
    SaveSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey,
                chkTip->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
}

void frmMain::hprlnkExtraSamples_Click() {
    if (!OpenWebAddress(ExtraSamplesAddress()))
        MsgBox(QStringLiteral("No web browser could be started on this computer. You can open "
                              "the page yourself at this address:") +
                   QStringLiteral("\r\n\r\n") + ExtraSamplesAddress(),
               vbExclamation);
}

void frmMain::grdDemos_CustomDrawCell(CustomDrawCellArgs& args) {
    if (grdDemos->RowIsGroup(args.row))
        DrawGroupRow(args.row, args.painter, args.left, args.top, args.right, args.bottom);
}

void frmMain::grdDemos_KeyDown(KeyDownArgs& args) {
    args.keyCode = 0; // the catalogue ignores the keyboard
}

void frmMain::grdDemos_CellMouseEnter(int row, int col) {
    m_hotRow = row;
    m_hotCol = col;
    if (grdDemos->RowIsGroup(row)) {
        m_buttonState = ButtonHot;
        setCursor(m_customCursor);
        grdDemos->RedrawCell(row, col);
    } else if (IsLaunchButton(row, col)) {
        m_buttonState = ButtonHot;
        setCursor(m_customCursor);
        grdDemos->SetCellIcon(row, col, imlLaunchBtn->ItemIndex(QStringLiteral("Launch_hot")));
    }
}

void frmMain::grdDemos_CellMouseLeave(int row, int col) {
    // Leaving a pressed button restores its look too; it stays pressed (without a row to
    // open) until the release.
    if (m_buttonState != ButtonIdle && IsLaunchTarget(row, col)) {
        if (m_buttonState == ButtonHot)
            m_buttonState = ButtonIdle;
        unsetCursor();
        if (grdDemos->RowIsGroup(row))
            grdDemos->RedrawCell(row, col);
        else
            grdDemos->SetCellIcon(row, col,
                                  imlLaunchBtn->ItemIndex(QStringLiteral("Launch_normal")));
    }
    m_hotRow = 0;
    m_hotCol = 0;
}

void frmMain::grdDemos_CellMouseDown(CellMouseArgs& args) {
    if (args.row == 0)
        return;
    args.doDefault = false; // no selection or current cell in the catalogue
    if (grdDemos->RowIsGroup(args.row)) {
        ExpandGroup(args.row);
    } else if (m_buttonState == ButtonHot) {
        m_buttonState = ButtonPressed;
        grdDemos->RedrawCell(m_hotRow, m_hotCol);
    }
}

void frmMain::grdDemos_CellMouseUp(CellMouseArgs&) {
    if (m_buttonState != ButtonPressed)
        return;
    // Only a release over the pressed button opens its sample: the pointer may have left it
    // (no hot row then) or moved onto another part of a row meanwhile.
    const bool onButton = IsLaunchButton(m_hotRow, m_hotCol);
    m_buttonState = onButton ? ButtonHot : ButtonIdle;
    if (m_hotRow == 0)
        return;
    grdDemos->RedrawCell(m_hotRow, m_hotCol);
    if (onButton)
        LaunchSample(m_hotRow);
}

void frmMain::grdDemos_RequestCellToolTip(ToolTipArgs& args) {
    if (!grdDemos->RowIsGroup(args.row))
        return;
    args.title = grdDemos->CellValue(args.row, grdDemos->RowTextCol()).toString();
    args.icon = ToolTipIconInfo;
    args.text = WrapText(grdDemos->RowTag(args.row).toString(), 50);
}

void frmMain::closeEvent(QCloseEvent* event) {
    event->setAccepted(Form_Unload());
}

bool frmMain::Form_Unload() {
    // Every other window runs its own close handling (a save prompt, say). The first that
    // refuses stops the shut-down: it and the launcher stay open, with the windows not yet
    // asked.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = widget->windowType();
        const bool loaded = widget->isVisible() || widget->testAttribute(Qt::WA_DeleteOnClose);
        if (widget != this && (type == Qt::Window || type == Qt::Dialog) && loaded)
            windows.append(widget);
    }
    for (const QPointer<QWidget>& window : windows)
        if (window && !window->close())
            return false;
    return true;
}
