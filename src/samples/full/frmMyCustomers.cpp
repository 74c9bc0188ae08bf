#include "samples/full/frmMyCustomers.h"

#include "app/Global.h"
#include "components/grid/GridComboLists.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "controls/ChoiceGroup.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "runtime/Format.h"
#include "samples/full/CustomerFile.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QVBoxLayout>

#include <initializer_list>

namespace {

const QString TypeCol = QStringLiteral("type");
const QString IdCol = QStringLiteral("id");
const QString NameCol = QStringLiteral("name");
const QString CountryCol = QStringLiteral("country");
const QString PatronCol = QStringLiteral("is_patron");
const QString SalesCol = QStringLiteral("sales");
const QString DebtCol = QStringLiteral("debt");
const QString InfoCol = QStringLiteral("info");

const QString TotalRowTag = QStringLiteral("total row");
const QString SumFormat = QStringLiteral("$#,##0");
const QString CrLf = QStringLiteral("\r\n");
constexpr int GroupRowHeight = 20;

FontObject makeFont(const QString& name, double size, bool bold) {
    return FontObject(FontData{name, size, bold, false});
}

std::optional<Currency> amountOf(const Variant& value) {
    if (value.isEmpty() || value.isNull())
        return std::nullopt;
    bool ok = false;
    const Currency amount = value.toCurrency(&ok);
    return ok ? std::optional<Currency>(amount) : std::nullopt;
}

QString headerToolTip(const QString& key) {
    if (key == TypeCol)
        return QStringLiteral("This column allows you to select the kind of a customer -") + CrLf +
               QStringLiteral("company or private person.");
    if (key == IdCol)
        return QStringLiteral("In this column you can enter a unique identifier for each "
                              "customer") +
               CrLf + QStringLiteral("(up to 5 characters).");
    if (key == NameCol)
        return QStringLiteral("Contains the full name of a customer.");
    if (key == CountryCol)
        return QStringLiteral("Contains the country a customer is located in.");
    if (key == PatronCol)
        return QStringLiteral("This column allows you to mark customers which") + CrLf +
               QStringLiteral("buy your products often and often.");
    if (key == SalesCol)
        return QStringLiteral("The column contains the total sum of purchases") + CrLf +
               QStringLiteral("a customer has made.");
    if (key == DebtCol)
        return QStringLiteral("Contains customer debt.");
    if (key == InfoCol)
        return QStringLiteral("You can type in your comments") + CrLf +
               QStringLiteral("concerning each customer here.");
    return {};
}

// "3, 7, 12" and "... and N more" past the lines kept.
QString lineList(const QList<int>& lines, int count) {
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    QString text = numbers.join(QStringLiteral(", "));
    if (count > lines.size())
        text += QStringLiteral(" and %1 more").arg(count - lines.size());
    return text;
}

// What the load message says of a file that was not read as it is.
QString loadReport(const CustomerFileContents& contents, const QString& path) {
    QStringList paragraphs;
    if (!contents.openError.isEmpty()) {
        paragraphs << QStringLiteral("The customer list could not be read from") + CrLf + path +
                          CrLf + QStringLiteral("(%1).").arg(contents.openError);
    }
    if (contents.problemCount > 0) {
        QStringList lines{QStringLiteral("Some lines of the customer list could not be read and "
                                         "were left out:")};
        for (const CustomerFileProblem& problem : contents.problems)
            lines << QStringLiteral("Line %1: %2.").arg(problem.line).arg(problem.reason);
        if (contents.problemCount > contents.problems.size())
            lines << QStringLiteral("... and %1 more.")
                         .arg(contents.problemCount - contents.problems.size());
        paragraphs << lines.join(CrLf);
    }
    if (contents.incomplete())
        paragraphs << QStringLiteral("If you save the list, the file is replaced by the rows "
                                     "shown. The file as it is now is then kept beside it as a "
                                     "backup.");
    if (contents.latin1LineCount > 0)
        paragraphs << QStringLiteral("Line %1 of the file is not UTF-8 text and was read as "
                                     "Latin-1, the encoding of older files. Check its accented "
                                     "letters; saving writes it as UTF-8.")
                          .arg(lineList(contents.latin1Lines, contents.latin1LineCount));
    return paragraphs.join(CrLf + CrLf);
}

// What a save would drop from a file that was not read completely.
QString lossText(const CustomerFileContents& contents) {
    if (contents.problemCount > 0)
        return QStringLiteral("%1 line(s) could not be read").arg(contents.problemCount);
    return QStringLiteral("the file could not be read (%1)").arg(contents.openError);
}

} // namespace

QString frmMyCustomers::CustomersFilePath() {
    return DataFolder() + QStringLiteral("/CustList.txt");
}

frmMyCustomers::frmMyCustomers(QWidget* parent)
    : QMainWindow(parent), picToolbar(new QWidget(this)),
      optGrpTypes(new QRadioButton(QStringLiteral("Type"))),
      optGrpCountries(new QRadioButton(QStringLiteral("Country"))),
      optGrpNo(new QRadioButton(QStringLiteral("No groups"))),
      optFiltDebt(new QRadioButton(QStringLiteral("Debtors"))),
      optFiltFin(new QRadioButton(QStringLiteral("Finland"))),
      optFiltAll(new QRadioButton(QStringLiteral("No filter"))),
      chkTotals(new QCheckBox(QStringLiteral("Totals"))), grdCust(new TessixGrid(this)),
      imlTypes(new IconList(QSize(16, 16), this)), imlFlags(new IconList(QSize(16, 16), this)),
      imlHdr(new IconList(QSize(16, 16), this)),
      picBackground(QStringLiteral(":/full/Background.svg")) {
    setWindowTitle(QStringLiteral("My Customers Demo"));
    setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, false).toQFont());
    resize(TwipsToPixelsX(12600), TwipsToPixelsY(8400));

    imlTypes->AddImage(QStringLiteral("Private"), ":/full/Private.svg");
    imlTypes->AddImage(QStringLiteral("Company"), ":/full/Company.svg");
    for (const char* code : {"CAN", "MEX", "FIN", "FRA", "GER", "ITA", "POR", "RUS", "SPA", "SWE"})
        imlFlags->AddImage(QString::fromLatin1(code),
                           QStringLiteral(":/full/%1.svg").arg(QLatin1String(code)));
    for (const char* key : {"Id", "Name", "Country", "Sales", "Debt", "Info"})
        imlHdr->AddImage(QString::fromLatin1(key),
                         QStringLiteral(":/full/Hdr%1.svg").arg(QLatin1String(key)));

    BuildToolbar();
    BuildMenus();
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(picToolbar);
    layout->addWidget(grdCust, 1);
    setCentralWidget(central);

    connect(grdCust, &TessixGrid::RequestEdit, this, &frmMyCustomers::grdCust_RequestEdit);
    connect(grdCust, &TessixGrid::BeforeCommitEdit, this,
            &frmMyCustomers::grdCust_BeforeCommitEdit);
    connect(grdCust, &TessixGrid::AfterCommitEdit, this, &frmMyCustomers::grdCust_AfterCommitEdit);
    connect(grdCust, &TessixGrid::RequestColHeaderToolTip, this,
            &frmMyCustomers::grdCust_RequestColHeaderToolTip);
    connect(grdCust, &TessixGrid::BeforeContextMenu, this,
            &frmMyCustomers::grdCust_BeforeContextMenu);
    connect(grdCust, &TessixGrid::ContextMenuClick, this,
            &frmMyCustomers::grdCust_ContextMenuClick);

    Form_Load();
}

void frmMyCustomers::BuildToolbar() {
    picToolbar->setFixedHeight(TwipsToPixelsY(555));
    auto* layout = new QHBoxLayout(picToolbar);
    layout->setContentsMargins(TwipsToPixelsX(120), 0, TwipsToPixelsX(120), 0);
    layout->setSpacing(TwipsToPixelsX(90));

    // Each set of option buttons sits in its own container, so the sets choose apart.
    const auto optionSet = [&](const QString& caption,
                               std::initializer_list<QRadioButton*> options) {
        layout->addWidget(new QLabel(caption, picToolbar));
        auto* box = new QWidget(picToolbar);
        auto* row = new QHBoxLayout(box);
        row->setContentsMargins(0, 0, 0, 0);
        for (QRadioButton* option : options)
            row->addWidget(option);
        layout->addWidget(box);
        layout->addSpacing(TwipsToPixelsX(300));
    };
    optionSet(QStringLiteral("Grouping:"), {optGrpTypes, optGrpCountries, optGrpNo});
    optionSet(QStringLiteral("Filter:"), {optFiltDebt, optFiltFin, optFiltAll});
    layout->addWidget(chkTotals);
    layout->addStretch(1);

    // The state at load; set before the menus connect the handlers, as a design would.
    optGrpNo->setChecked(true);
    optFiltAll->setChecked(true);
    chkTotals->setChecked(true);

    connect(chkTotals, &QCheckBox::stateChanged, this, &frmMyCustomers::chkTotals_Click);
}

void frmMyCustomers::BuildMenus() {
    const auto item = [this](QMenu* menu, const QString& text, auto handler, bool checkable = false,
                             bool checked = false) {
        QAction* action = menu->addAction(text);
        action->setCheckable(checkable);
        action->setChecked(checked);
        connect(action, &QAction::triggered, this, handler);
        return action;
    };

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFileSave = item(file, QStringLiteral("Save"), [this] { mnuFileSave_Click(); });
    mnuFileSave->setEnabled(false); // enabled by the first change: the "modified" flag
    mnuFileReload = item(file, QStringLiteral("Reload"), [this] { mnuFileReload_Click(); });
    file->addSeparator();
    mnuFileExit = item(file, QStringLiteral("Exit"), [this] { close(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* grouping = view->addMenu(QStringLiteral("Grouping"));
    auto* groupingChoice = new ChoiceGroup(this);
    const auto groupingItem = [&](const QString& text, QRadioButton* option, Grouping choice) {
        return groupingChoice->addChoice(grouping, text, option,
                                         [this, choice] { ApplyGroupingChoice(choice); });
    };
    mnuGrpTypes = groupingItem(QStringLiteral("By Types"), optGrpTypes, Grouping::Types);
    mnuGrpCountries =
        groupingItem(QStringLiteral("By Countries"), optGrpCountries, Grouping::Countries);
    grouping->addSeparator();
    mnuGrpNo = groupingItem(QStringLiteral("No Groups"), optGrpNo, Grouping::None);
    view->addSeparator();

    QMenu* filter = view->addMenu(QStringLiteral("Filter"));
    auto* filterChoice = new ChoiceGroup(this);
    const auto filterItem = [&](const QString& text, QRadioButton* option, Filter choice) {
        return filterChoice->addChoice(filter, text, option,
                                       [this, choice] { ApplyFilter(choice); });
    };
    mnuFiltDebt = filterItem(QStringLiteral("My Debtors"), optFiltDebt, Filter::Debtors);
    mnuFiltFin = filterItem(QStringLiteral("Only Finland Customers"), optFiltFin, Filter::Finland);
    filter->addSeparator();
    mnuFiltAll = filterItem(QStringLiteral("All Rows"), optFiltAll, Filter::All);
    view->addSeparator();

    QMenu* columns = view->addMenu(QStringLiteral("Columns"));
    auto* columnsChoice = new ChoiceGroup(this);
    mnuColsShort = columnsChoice->addChoice(columns, QStringLiteral("Short Mode"),
                                            [this] { ShowColumns(false); });
    mnuColsAll = columnsChoice->addChoice(
        columns, QStringLiteral("All Columns"), [this] { ShowColumns(true); }, true);
    view->addSeparator();

    QMenu* textSize = view->addMenu(QStringLiteral("Text Size"));
    auto* textSizeChoice = new ChoiceGroup(this);
    mnuViewTxt8 =
        textSizeChoice->addChoice(textSize, QStringLiteral("8 pt"), [this] { SetTextSize(8); });
    mnuViewTxt10 = textSizeChoice->addChoice(
        textSize, QStringLiteral("10 pt"), [this] { SetTextSize(10); }, true);
    view->addSeparator();
    mnuViewTotals = item(
        view, QStringLiteral("Totals"), [this] { chkTotals->setChecked(!chkTotals->isChecked()); },
        true, true);

    QMenu* tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    mnuTlsFitH =
        item(tools, QStringLiteral("Fit Row Heights"), [this] { grdCust->AutoHeightRows(); });
    mnuTlsFitW =
        item(tools, QStringLiteral("Fit Column Widths"), [this] { grdCust->AutoWidthCols(); });
    tools->addSeparator();
    mnuSaveLayout = item(tools, QStringLiteral("Save Layout"), [this] { mnuSaveLayout_Click(); });
    mnuRestLayout =
        item(tools, QStringLiteral("Restore Layout"), [this] { mnuRestLayout_Click(); });

    // Each of these inverts its own mark (the action does that) and applies the new mark.
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    mnuOptRow = item(
        options, QStringLiteral("Row Mode"),
        [this] { grdCust->SetRowMode(mnuOptRow->isChecked()); }, true);
    mnuOptFocusRect = item(
        options, QStringLiteral("Focus Rectangle"),
        [this] { grdCust->SetShowFocusRect(mnuOptFocusRect->isChecked()); }, true, true);
    mnuOptBackgrPic = item(
        options, QStringLiteral("Background Picture"),
        [this] {
            grdCust->SetBackgroundPicture(mnuOptBackgrPic->isChecked() ? picBackground : QPixmap());
        },
        true, true);
    options->addSeparator();
    QMenu* keyPress = options->addMenu(QStringLiteral("On Key Press"));
    auto* keyPressChoice = new ChoiceGroup(this);
    mnuKeyPrsEdit = keyPressChoice->addChoice(
        keyPress, QStringLiteral("Edit Cell"), [this] { SetKeyPressMode(false); }, true);
    mnuKeyPrsSrch = keyPressChoice->addChoice(keyPress, QStringLiteral("Customer Search"),
                                              [this] { SetKeyPressMode(true); });
}

void frmMyCustomers::Form_Load() {
    m_groupFont = makeFont(QStringLiteral("Arial"), 9, false);

    grdCust->BeginUpdate();
    ApplyGridLook(grdCust);
    grdCust->SetGridLinesColor(RGB(209, 209, 209));
    grdCust->SetHighlightSelIcons(false);
    grdCust->SetBackgroundPicture(picBackground);
    grdCust->SetBackColor(RGB(240, 236, 220));
    grdCust->SetImageList(QList<IconList*>{imlTypes, imlFlags});
    grdCust->SetFont(makeFont(QStringLiteral("MS Sans Serif"), 10, false));
    grdCust->SetDefaultRowHeight(grdCust->GetOptimalRowHeight({}, 1, 0, true, 0, true));
    grdCust->Header().SetImageList(imlHdr);
    grdCust->Header().SetFont(makeFont(QStringLiteral("Arial Narrow"), 8, true));

    ComboList* types = grdCust->ComboLists().Add(TypeCol);
    types->SetImageList(imlTypes);
    types->AddItem(QStringLiteral("Private person"), QStringLiteral("priv"),
                   imlTypes->ItemIndex(QStringLiteral("Private")), -1);
    types->AddItem(QStringLiteral("Company"), QStringLiteral("comp"),
                   imlTypes->ItemIndex(QStringLiteral("Company")), -1);
    types->SetFont(makeFont(QStringLiteral("Tahoma"), 10, true));
    types->AutoDropDownWidth();

    ComboList* countries = grdCust->ComboLists().Add(CountryCol);
    countries->SetImageList(imlFlags);
    const Variant separator(std::int16_t(0));
    const auto country = [&](const char* name, const char* code) {
        countries->AddItem(QString::fromLatin1(name), QString::fromLatin1(code),
                           imlFlags->ItemIndex(QString::fromLatin1(code)), -1);
    };
    countries->AddItem(QStringLiteral("=== America ==="), separator, 0, -1);
    country("Canada", "CAN");
    country("Mexico", "MEX");
    countries->AddItem(QStringLiteral("=== Europe  ==="), separator, 0, -1);
    country("Finland", "FIN");
    country("France", "FRA");
    country("Germany", "GER");
    country("Italy", "ITA");
    country("Portugal", "POR");
    country("Russia", "RUS");
    country("Spain", "SPA");
    country("Sweden", "SWE");
    countries->SetFont(makeFont(QStringLiteral("Courier New"), 9, true));
    countries->AutoDropDownWidth();

    const auto headerIcon = [&](const QString& col, const char* key) {
        grdCust->SetColHeaderIcon(col, imlHdr->ItemIndex(QString::fromLatin1(key)));
    };
    GridColumn* col = grdCust->AddCol(TypeCol, QStringLiteral("Type"), 38);
    col->SetMinWidth(24);
    col->SetCellType(CellTypeCombo);
    col->SetCellComboList(TypeCol);
    col->SetCellIconAlign(IconAlignLeft);

    grdCust->AddCol(IdCol, QStringLiteral("ID"));
    headerIcon(IdCol, "Id");

    grdCust->AddCol(NameCol, QStringLiteral("Name"), 120);
    headerIcon(NameCol, "Name");

    col = grdCust->AddCol(CountryCol, QStringLiteral("Country"), 105);
    headerIcon(CountryCol, "Country");
    col->SetMinWidth(30);
    col->SetCellType(CellTypeCombo);
    col->SetCellComboList(CountryCol);
    col->SetCellIconAlign(IconAlignRight);

    col = grdCust->AddCol(PatronCol, QStringLiteral("Patron"), -1, SortTypeCheckState);
    col->SetDefaultSortOrder(SortDescending);
    col->SetCheckBoxVisible(true);
    col->SetCheckBoxAlign(CheckBoxCenter);
    col->SetCellAlignment(AlignCenter);

    col = grdCust->AddCol(SalesCol, QStringLiteral("Sales"));
    headerIcon(SalesCol, "Sales");
    grdCust->SetColHeaderAlignH(SalesCol, AlignRight);
    col->SetCellFormatString(SumFormat);
    col->SetCellAlignment(AlignRight);
    col->SetCellIndentRight(2);

    col = grdCust->AddCol(DebtCol, QStringLiteral("Debt"));
    headerIcon(DebtCol, "Debt");
    grdCust->SetColHeaderAlignH(DebtCol, AlignRight);
    col->SetDefaultSortOrder(SortDescending);
    // The empty third section: a zero debt shows nothing.
    col->SetCellFormatString(QStringLiteral("$#,##0;;\"\""));
    col->SetCellAlignment(AlignRight);
    col->SetCellIndentRight(2);

    col = grdCust->AddCol(InfoCol, QStringLiteral("Info"), 240);
    headerIcon(InfoCol, "Info");
    col->SetCellTextFlags(TextFlagWordBreak | TextFlagEditControl | TextFlagEndEllipsis);

    grdCust->ContextMenu(MenuAreaEditor)
        .AddItem(QStringLiteral("Generate from the Customer Name"), true);
    grdCust->EndUpdate();

    LoadCustomers();

    grdCust->BeginUpdate();
    for (const QString& key : {IdCol, PatronCol, SalesCol, DebtCol})
        grdCust->AutoWidthCol(key);
    grdCust->EndUpdate();

    ShowTipOfTheDay(this);
}

void frmMyCustomers::LoadCustomers() {
    const QString path = CustomersFilePath();
    const CustomerFileContents contents = CustomerFile::read(path);

    grdCust->BeginUpdate();
    grdCust->SetMemMngWantFreeRows(20);
    for (const CustomerRecord& customer : contents.records) {
        const int row = grdCust->AddRow();
        grdCust->SetCellValue(row, TypeCol, customer.type);
        grdCust->SetCellValue(row, IdCol, customer.id);
        grdCust->SetCellValue(row, NameCol, customer.name);
        grdCust->SetCellValue(row, CountryCol, customer.country);
        // The grid's boxes know three states; any other non-zero byte means checked.
        grdCust->SetCellCheckState(
            row, PatronCol, customer.patron <= CheckGrayed ? customer.patron : int(CheckChecked));
        if (customer.sales)
            grdCust->SetCellValue(row, SalesCol, Variant(*customer.sales));
        if (customer.debt)
            grdCust->SetCellValue(row, DebtCol, Variant(*customer.debt));
        grdCust->SetCellValue(row, InfoCol, customer.info);
    }
    AddTotalRows();
    grdCust->EndUpdate();

    // A missing or damaged file leaves the window open with what could be read; a save then
    // keeps the damaged file as a backup first.
    m_loadLoss = contents.incomplete() ? lossText(contents) : QString();
    const QString report = loadReport(contents, path);
    if (!report.isEmpty())
        MsgBox(report, contents.openError.isEmpty() ? vbExclamation : vbCritical, windowTitle());
}

std::optional<QString> frmMyCustomers::SetIncompleteFileAside(const QString& path) {
    if (m_loadLoss.isEmpty() || !QFileInfo::exists(path))
        return QString();
    const QString backup =
        path + QDateTime::currentDateTime().toString(QStringLiteral(".yyyyMMdd-HHmmss")) +
        QStringLiteral(".bak");
    const QString question =
        QStringLiteral("The customer list was not read completely: %1. Saving replaces the "
                       "file with the rows shown, so that part will be gone from it.")
            .arg(m_loadLoss) +
        CrLf + CrLf + QStringLiteral("The file as it is now will be kept as") + CrLf + backup +
        CrLf + CrLf + QStringLiteral("Save the list?");
    if (MsgBox(question, vbOKCancel | vbExclamation, windowTitle()) != vbOK)
        return std::nullopt;
    // Moved, not copied: nothing of it is read again, whatever it is.
    if (!QFile::rename(path, backup)) {
        MsgBox(QStringLiteral("The file could not be kept as a backup, so the list was not "
                              "saved:") +
                   CrLf + backup,
               vbCritical, windowTitle());
        return std::nullopt;
    }
    return backup;
}

bool frmMyCustomers::SaveCustomers() {
    std::vector<CustomerRecord> customers;
    for (int row = 1; row <= grdCust->RowCount(); ++row) {
        if (grdCust->RowIsGroup(row))
            continue; // group and total rows are views, not customers
        customers.push_back(
            {grdCust->CellValue(row, TypeCol).toString(), grdCust->CellValue(row, IdCol).toString(),
             grdCust->CellValue(row, NameCol).toString(),
             grdCust->CellValue(row, CountryCol).toString(),
             grdCust->CellCheckState(row, PatronCol), amountOf(grdCust->CellValue(row, SalesCol)),
             amountOf(grdCust->CellValue(row, DebtCol)),
             grdCust->CellValue(row, InfoCol).toString()});
    }
    const QString path = CustomersFilePath();
    const std::optional<QString> backup = SetIncompleteFileAside(path);
    if (!backup)
        return false;
    QString error;
    if (!CustomerFile::write(path, customers, &error)) {
        if (!backup->isEmpty())
            QFile::rename(*backup, path); // the file stays as it was
        MsgBox(QStringLiteral("The customer list could not be saved to") + CrLf + path + CrLf +
                   QStringLiteral("(%1).").arg(error),
               vbCritical, windowTitle());
        return false;
    }
    mnuFileSave->setEnabled(false);
    m_loadLoss.clear(); // the file now holds all there is
    return true;
}

void frmMyCustomers::mnuFileSave_Click() {
    SaveCustomers();
}

void frmMyCustomers::mnuFileReload_Click() {
    grdCust->Clear();
    LoadCustomers();
}

void frmMyCustomers::closeEvent(QCloseEvent* event) {
    // Text still in an open editor counts as typed: commit it first.
    grdCust->CommitEdit();
    if (mnuFileSave->isEnabled()) {
        switch (MsgBox(QStringLiteral("Do you want to save changes?"), vbYesNoCancel | vbQuestion,
                       windowTitle())) {
        case vbYes:
            if (!SaveCustomers()) {
                event->ignore();
                return;
            }
            break;
        case vbNo:
            break;
        default:
            event->ignore();
            return;
        }
    }
    event->accept();
}

void frmMyCustomers::GenerateIdFromName() {
    const QString name = grdCust->CellValue(grdCust->CurRow(), NameCol).toString();
    const qsizetype space = name.indexOf(u' ');
    const QString id = space < 0 ? name.left(5) : name.left(3) + name.mid(space + 1, 2);
    grdCust->SetEditText(id.toUpper());
}

// ----- Editing -----

void frmMyCustomers::grdCust_RequestEdit(RequestEditArgs& args) {
    const QString key = grdCust->ColKey(args.col).toLower();
    if (key == IdCol) {
        args.maxLength = 5;
        args.textStyle = EditTextUpperCase;
    } else if (key == SalesCol || key == DebtCol) {
        MsgBox(QStringLiteral("You cannot edit this column.") + CrLf +
                   QStringLiteral("The value of this field is calculated based on additional "
                                  "data."),
               vbCritical | vbOKOnly, windowTitle());
        args.cancel = true;
    }
}

void frmMyCustomers::grdCust_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    const QString key = grdCust->ColKey(args.col).toLower();
    const Variant current = grdCust->CellValue(args.row, args.col);
    const bool changed = !(args.newValue == current);
    if (key == IdCol && changed) {
        const int answer =
            MsgBox(QStringLiteral("Are you sure to change the CustId from '") + current.toString() +
                       QStringLiteral("' to '") + args.newText + QStringLiteral("'?"),
                   (args.canStay ? vbYesNoCancel : vbYesNo) | vbQuestion, windowTitle());
        if (answer == vbCancel) {
            args.result = CommitStay;
            return;
        }
        if (answer == vbNo) {
            args.result = CommitDiscard;
            return;
        }
        args.result = CommitStore;
    }
    if (key == CountryCol && args.newValue.isNumericType() && args.newValue.toDouble() == 0) {
        args.result = CommitDiscard; // a separator of the list: the old country stays
        return;
    }
    // A check box toggle always changes the state, whatever the cell's value says.
    if (changed || args.kind == EditKindCheckBox)
        mnuFileSave->setEnabled(true);
}

void frmMyCustomers::grdCust_AfterCommitEdit(int, int col, const Variant&) {
    const QString key = grdCust->ColKey(col).toLower();
    // The row moves to the group of its new value.
    if (key == TypeCol && optGrpTypes->isChecked())
        ApplyGroupingChoice(Grouping::Types);
    else if (key == CountryCol && optGrpCountries->isChecked())
        ApplyGroupingChoice(Grouping::Countries);
}

void frmMyCustomers::grdCust_RequestColHeaderToolTip(ToolTipArgs& args) {
    args.title = grdCust->ColHeaderText(args.col) + QStringLiteral(" column");
    args.icon = ToolTipIconInfo;
    args.text = headerToolTip(grdCust->ColKey(args.col).toLower());
}

void frmMyCustomers::grdCust_BeforeContextMenu(BeforeContextMenuArgs& args) {
    if (args.area == MenuAreaEditor && grdCust->ColKey(args.col).toLower() == IdCol)
        args.show = true;
}

void frmMyCustomers::grdCust_ContextMenuClick(int area, int, int, int) {
    if (area == MenuAreaEditor)
        GenerateIdFromName();
}

// ----- Views -----

void frmMyCustomers::RemoveGroupRows() {
    for (int row = grdCust->RowCount(); row >= 1; --row)
        if (grdCust->RowIsGroup(row))
            grdCust->RemoveRow(row);
}

void frmMyCustomers::RemoveTotalRows() {
    grdCust->BeginUpdate();
    for (int row = grdCust->RowCount(); row >= 1; --row)
        if (grdCust->RowIsGroup(row) && !grdCust->RowTag(row).isEmpty())
            grdCust->RemoveRow(row);
    grdCust->EndUpdate();
}

int frmMyCustomers::InsertGroupRow(int before, int height) {
    AddRowArgs args;
    args.insertBefore = before;
    args.group = true;
    args.height = height;
    return grdCust->AddRow(args);
}

void frmMyCustomers::SetGroupRowLook(int row, const QString& text, OleColor backColor,
                                     int alignment) {
    const int rowText = grdCust->RowTextCol();
    grdCust->SetCellValue(row, rowText, text);
    grdCust->SetCellBackColor(row, rowText, backColor);
    grdCust->SetCellForeColor(row, rowText, RGB(255, 255, 255));
    grdCust->SetCellAlignment(row, rowText, alignment);
    grdCust->SetCellVAlignment(row, rowText, VAlignCenter);
    grdCust->SetCellFont(row, rowText, m_groupFont);
}

void frmMyCustomers::GroupByColumn(const QString& key) {
    const int col = grdCust->ColIndex(key);
    grdCust->SortByCol(col);
    Variant previous;
    // The first shown row always opens a group, also when its value is empty: otherwise a
    // customer without a country would sit outside every group and his sums would be
    // added to the next group's total.
    bool opened = false;
    // RowCount grows as group rows go in.
    for (int row = 1; row <= grdCust->RowCount(); ++row) {
        if (!grdCust->RowVisible(row))
            continue; // hidden rows neither open groups nor end them
        const Variant value = grdCust->CellValue(row, col);
        if (opened && value == previous)
            continue;
        opened = true;
        previous = value;
        const int group = InsertGroupRow(row, GroupRowHeight);
        SetGroupRowLook(group, grdCust->CellText(group + 1, col), RGB(0, 176, 176), AlignCenter);
        row = group + 1; // go on after the customer row that opened the group
    }
}

void frmMyCustomers::ApplyGrouping() {
    if (mnuGrpCountries->isChecked())
        GroupByColumn(CountryCol);
    else if (mnuGrpTypes->isChecked())
        GroupByColumn(TypeCol);
}

void frmMyCustomers::AddTotalRows() {
    if (!chkTotals->isChecked())
        return;
    const auto addTotal = [this](int before, const QString& caption, Currency sales,
                                 Currency debt) {
        const int row = InsertGroupRow(before, -1);
        grdCust->SetRowTag(row, TotalRowTag);
        SetGroupRowLook(row,
                        caption + vb::Format(Variant(sales), SumFormat) +
                            QStringLiteral(", Debt: ") + vb::Format(Variant(debt), SumFormat),
                        RGB(0, 128, 128), AlignRight);
    };
    Currency groupSales, groupDebt, grandSales, grandDebt;
    bool inGroup = false;
    for (int row = 1; row <= grdCust->RowCount(); ++row) {
        if (grdCust->RowIsGroup(row)) {
            inGroup = true;
        } else if (grdCust->RowVisible(row)) {
            const qint64 sales =
                amountOf(grdCust->CellValue(row, SalesCol)).value_or(Currency{}).scaled;
            const qint64 debt =
                amountOf(grdCust->CellValue(row, DebtCol)).value_or(Currency{}).scaled;
            groupSales.scaled += sales;
            groupDebt.scaled += debt;
            grandSales.scaled += sales;
            grandDebt.scaled += debt;
        }
        const bool last = row == grdCust->RowCount();
        if (inGroup && (last || grdCust->RowIsGroup(row + 1))) {
            addTotal(last ? 0 : row + 1, QStringLiteral("Total Sales: "), groupSales, groupDebt);
            groupSales = groupDebt = Currency{};
            ++row; // past the new total row
        }
    }
    addTotal(0, QStringLiteral("Grand Total Sales: "), grandSales, grandDebt);
}

void frmMyCustomers::ApplyFilter(Filter filter) {
    grdCust->BeginUpdate();
    RemoveGroupRows();
    for (int row = 1; row <= grdCust->RowCount(); ++row) {
        bool visible = true;
        if (filter == Filter::Debtors)
            visible = grdCust->CellValue(row, DebtCol) > Variant(0);
        else if (filter == Filter::Finland)
            visible = grdCust->CellValue(row, CountryCol) == Variant(QStringLiteral("FIN"));
        grdCust->SetRowVisible(row, visible);
    }
    ApplyGrouping();
    AddTotalRows();
    grdCust->EndUpdate();
}

void frmMyCustomers::ApplyGroupingChoice(Grouping grouping) {
    grdCust->BeginUpdate();
    RemoveGroupRows();
    if (grouping == Grouping::Countries)
        GroupByColumn(CountryCol);
    else if (grouping == Grouping::Types)
        GroupByColumn(TypeCol);
    AddTotalRows();
    grdCust->EndUpdate();
}

void frmMyCustomers::chkTotals_Click() {
    const bool checked = chkTotals->isChecked();
    mnuViewTotals->setChecked(checked);
    if (checked) {
        grdCust->BeginUpdate();
        AddTotalRows();
        grdCust->EndUpdate();
    } else {
        RemoveTotalRows();
    }
}

void frmMyCustomers::ShowColumns(bool all) {
    grdCust->BeginUpdate();
    for (int col = 1; col <= grdCust->ColCount(); ++col) {
        const QString key = grdCust->ColKey(col).toLower();
        const bool detail = key == IdCol || key == TypeCol || key == DebtCol || key == InfoCol;
        grdCust->SetColVisible(col, all || !detail);
    }
    grdCust->EndUpdate();
}

void frmMyCustomers::SetTextSize(int points) {
    grdCust->Font().SetSize(points);
    m_groupFont.SetSize(points);
    if (!mnuGrpNo->isChecked()) {
        const int rowText = grdCust->RowTextCol();
        for (int row = 1; row <= grdCust->RowCount(); ++row)
            if (grdCust->RowIsGroup(row))
                grdCust->SetCellFont(row, rowText, m_groupFont);
    }
}

void frmMyCustomers::SetKeyPressMode(bool search) {
    if (search) {
        grdCust->SetKeyPressBehaviour(TypingModeSearchCol);
        grdCust->SetKeyPressSearchCol(grdCust->ColIndex(NameCol));
    } else {
        grdCust->SetKeyPressBehaviour(TypingModeReplace);
    }
}

void frmMyCustomers::mnuSaveLayout_Click() {
    SaveSetting(SettingsApp, LayoutSection, QStringLiteral("Columns"), grdCust->ColLayout());
    SaveSetting(SettingsApp, LayoutSection, QStringLiteral("Sort"), grdCust->SortLayout());
}

void frmMyCustomers::mnuRestLayout_Click() {
    RemoveGroupRows();
    grdCust->SetColLayout(GetSetting(SettingsApp, LayoutSection, QStringLiteral("Columns"), {}));
    grdCust->SetSortLayout(GetSetting(SettingsApp, LayoutSection, QStringLiteral("Sort"), {}));
}
