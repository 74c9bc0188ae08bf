#include "samples/full/frmOutlookDemo.h"

#include "app/Global.h"
#include "app/ResourceRegistration.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "runtime/DateMath.h"
#include "samples/full/OutlookBands.h"
#include "samples/full/OutlookGrouping.h"
#include "samples/full/OutlookMessages.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TESSIX_RESOURCE_REGISTRATION(registerOutlookResources, outlook)

namespace {

const QString ImportanceCol = QStringLiteral("importance");
const QString MessageCol = QStringLiteral("message");
const QString AttachmentCol = QStringLiteral("attachment");
const QString FlagCol = QStringLiteral("flag");
const QString FromCol = QStringLiteral("from");
const QString SubjectCol = QStringLiteral("subject");
const QString ReceivedCol = QStringLiteral("received");
const QString SizeCol = QStringLiteral("size");
const QString BodyCol = QStringLiteral("body");

// The cells that turn bold while a message is unread.
const QStringList TextCols = {FromCol, SubjectCol, ReceivedCol, SizeCol};
// Columns at display positions up to this one are the icon columns, which stay in place.
constexpr int IconColumns = 4;
constexpr int PicOptionsWidth = 200;
constexpr int Margin = 5;

const QString CrLf = QStringLiteral("\r\n");

// Each paragraph of a body in lines of at most `width` characters.
QString wrapParagraphs(const QString& text, int width) {
    QStringList lines;
    for (const QString& paragraph : text.split(CrLf))
        lines << WrapText(paragraph, width);
    return lines.join(CrLf);
}

// A band by its captions from the outermost one.
QString bandPath(const TessixGrid& grid, int row) {
    QStringList path;
    for (int band = row; band > 0; band = grid.ParentRow(band))
        path.prepend(grid.CellValue(band, grid.RowTextCol()).toString());
    return path.join(QChar(0x1F));
}

// Whether each band is expanded, by its path.
QHash<QString, bool> bandStates(const TessixGrid& grid) {
    QHash<QString, bool> states;
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (grid.RowIsGroup(row))
            states.insert(bandPath(grid, row), grid.RowExpanded(row));
    return states;
}

// Bands made again take back the state they had; new ones keep theirs.
void restoreBandStates(TessixGrid& grid, const QHash<QString, bool>& states) {
    for (int row = 1; row <= grid.RowCount(); ++row) {
        if (!grid.RowIsGroup(row))
            continue;
        const auto state = states.constFind(bandPath(grid, row));
        if (state != states.constEnd())
            grid.SetRowExpanded(row, *state);
    }
}

} // namespace

frmOutlookDemo::frmOutlookDemo(QWidget* parent, std::optional<QDate> today)
    : QWidget(parent), grdMain(new TessixGrid(this)), picOptions(new QWidget(this)),
      grdCols(new TessixGrid(picOptions)), grdGrp(new TessixGrid(picOptions)),
      cmdApplyGrouping(new QPushButton(QStringLiteral("Apply"), picOptions)),
      cmdUngroup(new QPushButton(QStringLiteral("Ungroup"), picOptions)),
      chkGroupRowsExpanded(
          new QCheckBox(QStringLiteral("Expand group rows by default"), picOptions)),
      optPreviewNone(new QRadioButton(QStringLiteral("None"), picOptions)),
      optPreviewUnread(new QRadioButton(QStringLiteral("Unread messages"), picOptions)),
      optPreviewAll(new QRadioButton(QStringLiteral("All messages"), picOptions)),
      chkPreview2Lines(new QCheckBox(QStringLiteral("max. 2 lines"), picOptions)),
      imlMain(new IconList(QSize(16, 16), this)), imlHeader(new IconList(QSize(16, 16), this)),
      imlGrpCrit(new IconList(QSize(16, 16), this)), m_today(today.value_or(QDate::currentDate())),
      m_criteria(new GroupingCriteria(grdGrp, imlGrpCrit, this)) {
    registerOutlookResources();
    setWindowTitle(QStringLiteral("Outlook Style Grid Demonstration"));
    resize(820, 560);

    const auto image = [](IconList* list, const char* key, const char* file) {
        list->AddImage(QString::fromLatin1(key),
                       QStringLiteral(":/outlook/%1.svg").arg(QLatin1String(file)));
    };
    image(imlMain, "imp_high", "ImpHigh");
    image(imlMain, "imp_low", "ImpLow");
    image(imlMain, "msg_unread", "MsgUnread");
    image(imlMain, "msg_read", "MsgRead");
    image(imlMain, "msg_replied", "MsgReplied");
    image(imlMain, "msg_forwarded", "MsgForwarded");
    image(imlMain, "attachment", "Attachment");
    image(imlMain, "flag", "Flag");
    image(imlMain, "blank", "Blank");
    image(imlHeader, "importance", "HdrImportance");
    image(imlHeader, "message", "HdrMessage");
    image(imlHeader, "attachment", "HdrAttachment");
    image(imlHeader, "flag", "HdrFlag");
    image(imlGrpCrit, "grip", "Grip");

    BuildSidePanel();

    connect(grdMain, &TessixGrid::BeforeColDrag, this, &frmOutlookDemo::grdMain_BeforeColDrag);
    connect(grdMain, &TessixGrid::ColHeaderDragOver, this,
            &frmOutlookDemo::grdMain_ColHeaderDragOver);
    connect(grdMain, &TessixGrid::AfterColMove, this, &frmOutlookDemo::grdMain_AfterColMove);
    connect(grdMain, &TessixGrid::AfterColResize, this, &frmOutlookDemo::grdMain_AfterColResize);
    connect(grdMain, &TessixGrid::RequestCellToolTip, this,
            &frmOutlookDemo::grdMain_RequestCellToolTip);
    connect(grdMain, &TessixGrid::BeforeContextMenu, this,
            &frmOutlookDemo::grdMain_BeforeContextMenu);
    connect(grdMain, &TessixGrid::ContextMenuClick, this,
            &frmOutlookDemo::grdMain_ContextMenuClick);
    connect(grdMain, &TessixGrid::GetGroupValue, this, &frmOutlookDemo::grdMain_GetGroupValue);
    connect(grdMain, &TessixGrid::AfterGroupRowCreate, this,
            &frmOutlookDemo::grdMain_AfterGroupRowCreate);
    connect(grdCols, &TessixGrid::CellCheckChange, this, &frmOutlookDemo::grdCols_CellCheckChange);

    Form_Load();
}

void frmOutlookDemo::BuildSidePanel() {
    auto* layout = new QVBoxLayout(picOptions);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("Grouping:"), picOptions));
    layout->addWidget(grdGrp);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdApplyGrouping);
    buttons->addWidget(cmdUngroup);
    layout->addLayout(buttons);
    layout->addWidget(chkGroupRowsExpanded);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Columns:"), picOptions));
    layout->addWidget(grdCols, 1);
    layout->addSpacing(8);
    layout->addWidget(new QLabel(QStringLiteral("Auto-Preview:"), picOptions));
    for (QWidget* option : {optPreviewNone, optPreviewUnread, optPreviewAll})
        layout->addWidget(option);
    layout->addWidget(chkPreview2Lines);

    // The state at load, set before the handlers connect, as a design would.
    optPreviewUnread->setChecked(true);
    chkPreview2Lines->setChecked(true);

    for (QRadioButton* option : {optPreviewNone, optPreviewUnread, optPreviewAll})
        connect(option, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                UpdateAllPreviews();
        });
    connect(chkPreview2Lines, &QCheckBox::stateChanged, this, [this] { UpdateAllPreviews(); });
    connect(chkGroupRowsExpanded, &QCheckBox::stateChanged, this,
            &frmOutlookDemo::chkGroupRowsExpanded_Click);
    connect(cmdApplyGrouping, &QPushButton::clicked, this, &frmOutlookDemo::cmdApplyGrouping_Click);
    connect(cmdUngroup, &QPushButton::clicked, this, &frmOutlookDemo::cmdUngroup_Click);
}

void frmOutlookDemo::cmdApplyGrouping_Click() {
    m_criteria->ApplyTo(*grdMain);
}

void frmOutlookDemo::cmdUngroup_Click() {
    m_criteria->Reset();
    grdMain->Ungroup();
}

void frmOutlookDemo::chkGroupRowsExpanded_Click() {
    grdMain->SetGroupRowsExpanded(chkGroupRowsExpanded->isChecked());
}

void frmOutlookDemo::Form_Load() {
    SetupMessageGrid();
    FillSampleMessages();
    SetupSidePanel();
    ShowTipOfTheDay(this);
}

void frmOutlookDemo::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmOutlookDemo::Form_Resize() {
    picOptions->setGeometry(width() - PicOptionsWidth - Margin, Margin, PicOptionsWidth,
                            std::max(0, height() - 2 * Margin));
    grdMain->setGeometry(Margin, Margin, std::max(0, width() - PicOptionsWidth - 3 * Margin),
                         std::max(0, height() - 2 * Margin));
}

void frmOutlookDemo::SetupMessageGrid() {
    grdMain->BeginUpdate();
    ApplyGridLook(grdMain);
    grdMain->SetImageList(imlMain);
    grdMain->Header().SetImageList(imlHeader);
    grdMain->Header().SetFlat(true);

    grdMain->SetRowMode(true);
    grdMain->SetMultiSelect(true);
    grdMain->SetEditable(false);
    grdMain->SetShowRowText(true);
    grdMain->SetGridLines(GridLinesHorizontal);
    grdMain->SetGridLinesColor(RGB(255, 255, 255));
    grdMain->SetBackColor(RGB(255, 255, 255));
    grdMain->SetGroupRowsExpanded(false);

    for (const QString& key : {ImportanceCol, MessageCol, AttachmentCol, FlagCol}) {
        GridColumn* col = grdMain->AddCol(key, {}, 34, SortTypeIcon);
        grdMain->SetColHeaderIcon(key, imlHeader->ItemIndex(key));
        col->SetCellAlignment(AlignCenter);
    }
    grdMain->AddCol(FromCol, QStringLiteral("From"), 96);
    grdMain->AddCol(SubjectCol, QStringLiteral("Subject"), 160);
    GridColumn* col =
        grdMain->AddCol(ReceivedCol, QStringLiteral("Received"), 96, SortTypeAutomatic);
    col->SetDefaultSortOrder(SortDescending);
    col->SetCellFormatString(QStringLiteral("ddd ddddd h:mm AM/PM"));
    col = grdMain->AddCol(SizeCol, QStringLiteral("Size"), 58, SortTypeAutomatic);
    col->SetDefaultSortOrder(SortDescending);
    col->SetCellFormatString(QStringLiteral("# KB"));
    col->SetCellAlignment(AlignRight);

    grdMain->SetColKey(grdMain->RowTextCol(), BodyCol);
    GridColumn* body = grdMain->ColObject(grdMain->RowTextCol());
    body->SetCellForeColor(RGB(0, 0, 255));
    body->SetCellTextFlags(TextFlagWordBreak | TextFlagEditControl | TextFlagEndEllipsis);
    grdMain->SetRowTextStartCol(FromCol);

    // The height of a row whose preview shows two lines.
    const int row = grdMain->AddRow();
    grdMain->SetCellIcon(row, ImportanceCol, 1);
    grdMain->SetCellValue(row, SubjectCol, QStringLiteral("Test"));
    grdMain->SetCellValue(row, BodyCol,
                          QStringLiteral("1st row") + CrLf + QStringLiteral("2nd row"));
    grdMain->AutoHeightRow(row);
    TwoLinePreviewHeight = grdMain->RowHeight(row);
    grdMain->RemoveRow(row);

    grdMain->SetDefaultRowHeight(grdMain->GetOptimalRowHeight());
    grdMain->SetDefaultRowCellsHeight(grdMain->DefaultRowHeight());
    grdMain->EndUpdate();
    UnreadFont = grdMain->CreateFont({.Bold = true});
}

void frmOutlookDemo::FillSampleMessages() {
    grdMain->BeginUpdate();
    const QList<SampleMessage> messages = GenerateSampleMessages(m_today);
    grdMain->SetRowCount(int(messages.size()));
    const auto icon = [this](const QString& key) { return imlMain->ItemIndex(key); };
    const QString blank = QStringLiteral("blank");
    for (int row = 1; row <= grdMain->RowCount(); ++row) {
        const SampleMessage& m = messages[row - 1];
        grdMain->SetCellIcon(row, ImportanceCol, icon(m.importance));
        grdMain->SetCellIcon(row, MessageCol, icon(m.state));
        grdMain->SetCellIcon(row, AttachmentCol, icon(m.attachment ? AttachmentCol : blank));
        grdMain->SetCellIcon(row, FlagCol, icon(m.flagged ? FlagCol : blank));
        grdMain->SetCellValue(row, FromCol, m.sender);
        grdMain->SetCellValue(row, SubjectCol, m.subject);
        grdMain->SetCellValue(row, ReceivedCol, Variant::fromDate(m.received));
        grdMain->SetCellValue(row, SizeCol, Variant(std::int32_t(m.sizeKB)));
        grdMain->SetCellValue(row, BodyCol, m.body);
        // Other messages keep their columns' colours: the blue of the preview among them (a
        // colour of -1 written here would stand for the grid's text colour).
        if (m.spam)
            for (const QString& key : {FromCol, SubjectCol, ReceivedCol, SizeCol, BodyCol})
                grdMain->SetCellForeColor(row, key, SysButtonShadow);
    }
    grdMain->SortByCol(ReceivedCol);
    ComputeMaxPreviewHeight();
    constexpr int UnreadMessages = 16;
    for (int row = 1; row <= std::min(UnreadMessages, grdMain->RowCount()); ++row)
        MarkUnread(row);
    grdMain->SetCurCell(1, 1);
    grdMain->EndUpdate();
}

void frmOutlookDemo::SetupSidePanel() {
    SetupColumnChooser();
    m_criteria->Setup(*grdCols);
    // Three criteria under the header, without a scroll bar.
    grdGrp->setFixedHeight(grdGrp->Header().Height() + 3 * grdGrp->DefaultRowHeight() +
                           2 * grdGrp->frameWidth());
    chkGroupRowsExpanded->setChecked(grdMain->GroupRowsExpanded());
}

void frmOutlookDemo::SetupColumnChooser() {
    grdCols->BeginUpdate();
    ApplyGridLook(grdCols);
    grdCols->Header().SetVisible(false);
    grdCols->SetGridLines(GridLinesNone);
    grdCols->SetDefaultRowHeight(grdCols->GetOptimalRowHeight({}, 1, 0, true));
    grdCols->SetColCount(1);
    grdCols->StretchCol(1);
    GridColumn* col = grdCols->ColObject(1);
    col->SetCheckBoxVisible(true);
    col->SetCheckBoxAlign(CheckBoxLeft);
    for (int i = 1; i <= grdMain->ColCount(); ++i) {
        QString text = grdMain->ColHeaderText(i);
        const QString key = grdMain->ColKey(i);
        if (text.isEmpty())
            text = key.left(1).toUpper() + key.mid(1);
        const int row = grdCols->AddRow();
        grdCols->SetCellValue(row, 1, text);
        grdCols->SetCellCheckState(row, 1, grdMain->ColVisible(i) ? CheckChecked : CheckUnchecked);
        grdCols->SetRowTag(row, key);
    }
    grdCols->EndUpdate();
}

bool frmOutlookDemo::IsUnread(int row) const {
    return grdMain->CellIcon(row, MessageCol) == imlMain->ItemIndex(QStringLiteral("msg_unread"));
}

void frmOutlookDemo::MarkUnread(int row) {
    grdMain->SetCellIcon(row, MessageCol, imlMain->ItemIndex(QStringLiteral("msg_unread")));
    for (const QString& key : TextCols)
        grdMain->SetCellFont(row, key, UnreadFont);
    UpdateRowPreview(row);
}

void frmOutlookDemo::MarkRead(int row) {
    grdMain->SetCellIcon(row, MessageCol, imlMain->ItemIndex(QStringLiteral("msg_read")));
    for (const QString& key : TextCols)
        grdMain->ResetCellFont(row, key);
    UpdateRowPreview(row);
}

void frmOutlookDemo::ComputeMaxPreviewHeight() {
    MaxPreviewHeight = TwoLinePreviewHeight + (grdMain->ShowFocusRect() ? 4 : 0) +
                       (grdMain->GridLines() != GridLinesNone ? 1 : 0);
}

void frmOutlookDemo::UpdateRowPreview(int row) {
    const bool preview =
        optPreviewAll->isChecked() || (optPreviewUnread->isChecked() && IsUnread(row));
    if (preview) {
        grdMain->AutoHeightRow(row, 0, chkPreview2Lines->isChecked() ? MaxPreviewHeight : 0);
    } else {
        grdMain->SetRowCellsHeight(row, grdMain->DefaultRowHeight());
        grdMain->SetRowHeight(row, grdMain->DefaultRowHeight());
    }
}

void frmOutlookDemo::UpdateAllPreviews() {
    grdMain->BeginUpdate();
    ComputeMaxPreviewHeight();
    for (int row = 1; row <= grdMain->RowCount(); ++row)
        if (!grdMain->RowIsGroup(row))
            UpdateRowPreview(row);
    grdMain->EndUpdate();
}

// The preview starts under the column shown fifth, the first after the icon columns; when
// that one is hidden, under the next one shown, so hiding a column never hides the previews.
void frmOutlookDemo::UpdatePreviewStart() {
    for (int pos = IconColumns + 1; pos <= grdMain->ColCount(); ++pos) {
        const int col = grdMain->ColAtPos(pos);
        if (grdMain->ColVisible(col)) {
            grdMain->SetRowTextStartCol(col);
            return;
        }
    }
}

bool frmOutlookDemo::AnyMessageSelected() const {
    for (const GridCellPos& item : grdMain->SelItems().GetRows())
        if (!grdMain->RowIsGroup(item.row))
            return true;
    return false;
}

void frmOutlookDemo::grdMain_BeforeColDrag(BeforeColDragArgs& args) {
    if (args.col >= 1 && args.col <= IconColumns) {
        args.cancel = true;
        MsgBox(QStringLiteral("You can't drag this column!"), vbOKOnly);
    }
}

void frmOutlookDemo::grdMain_ColHeaderDragOver(ColHeaderDragOverArgs& args) {
    if (args.newPos >= 1 && args.newPos <= IconColumns) {
        MsgBox(QStringLiteral("You can't move any columns into this area"), vbOKOnly);
        args.cancel = true;
    }
}

void frmOutlookDemo::grdMain_AfterColMove() {
    UpdatePreviewStart();
}

void frmOutlookDemo::grdMain_AfterColResize() {
    if (optPreviewAll->isChecked() || optPreviewUnread->isChecked())
        UpdateAllPreviews();
}

void frmOutlookDemo::grdMain_RequestCellToolTip(ToolTipArgs& args) {
    if (args.col != grdMain->RowTextCol() || grdMain->RowIsGroup(args.row))
        return;
    args.title = QStringLiteral("Compact message preview:");
    args.icon = ToolTipIconInfo;
    args.text = wrapParagraphs(grdMain->CellValue(args.row, BodyCol).toString(), 60);
}

void frmOutlookDemo::grdMain_BeforeContextMenu(BeforeContextMenuArgs& args) {
    if (args.area != MenuAreaCell && args.area != MenuAreaNoRow)
        return;
    const bool enabled = AnyMessageSelected();
    GridContextMenu& menu = grdMain->ContextMenu(args.area);
    menu.Clear();
    menu.AddItem(QStringLiteral("Mark as Read"), enabled, 0, QStringLiteral("mark read"));
    menu.AddItem(QStringLiteral("Mark as Unread"), enabled, 0, QStringLiteral("mark unread"));
    menu.AddItem(QStringLiteral("-"), true);
    menu.AddItem(QStringLiteral("Delete"), enabled, 0, QStringLiteral("delete"));
}

void frmOutlookDemo::grdMain_ContextMenuClick(int area, int, int, int item) {
    if (area != MenuAreaCell && area != MenuAreaNoRow)
        return;
    grdMain->SelItems().SetSorted(true);
    const QVector<GridCellPos> selected = grdMain->SelItems().GetRows();
    const QString key = grdMain->ContextMenu(area).ItemKey(item);
    grdMain->BeginUpdate();
    if (key == QLatin1String("mark read") || key == QLatin1String("mark unread")) {
        ComputeMaxPreviewHeight();
        for (const GridCellPos& cell : selected) {
            if (grdMain->RowIsGroup(cell.row))
                continue;
            if (key == QLatin1String("mark read"))
                MarkRead(cell.row);
            else
                MarkUnread(cell.row);
        }
    } else if (key == QLatin1String("delete")) {
        for (auto it = selected.rbegin(); it != selected.rend(); ++it)
            if (!grdMain->RowIsGroup(it->row))
                grdMain->RemoveRow(it->row);
        // The bands are made again from the messages left, as the user had opened them.
        if (grdMain->SortObject().Count() > 0) {
            const QHash<QString, bool> states = bandStates(*grdMain);
            grdMain->Group();
            restoreBandStates(*grdMain, states);
        }
    }
    grdMain->EndUpdate();
}

void frmOutlookDemo::grdMain_GetGroupValue(GetGroupValueArgs& args) {
    const QString key = grdMain->ColKey(args.col);
    std::optional<MessageBand> band;
    if (key == ReceivedCol)
        band = ReceivedBand(vb::dateOf(args.value.toDateSerial()), m_today,
                            QLocale().firstDayOfWeek());
    else if (key == SizeCol)
        band = SizeBand(args.value.toLong());
    else // icon cells hold no value: their bands are named after what the icon means
        band = IconBand(key, imlMain->ItemKey(args.groupValue.toLong()));
    if (!band)
        return;
    args.groupValue = Variant(std::int32_t(band->value));
    args.caption = band->caption;
}

void frmOutlookDemo::grdMain_AfterGroupRowCreate(int row) {
    grdMain->SetCellForeColor(row, grdMain->RowTextCol(), SysWindowText);
}

void frmOutlookDemo::grdCols_CellCheckChange(int row, int col, int) {
    grdMain->BeginUpdate();
    grdMain->SetColVisible(grdCols->RowTag(row).toString(), grdCols->CellCheckState(row, col) != 0);
    UpdatePreviewStart();
    grdMain->EndUpdate();
    UpdateAllPreviews();
}
