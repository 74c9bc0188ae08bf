#include "samples/viewing/frmViewRecordset.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "samples/viewing/DatabaseErrors.h"

#include <QPushButton>

namespace {

// The panel at the right edge, in pixels: the buttons' left margin and width, and the
// window's margins and the gap between grid and panel.
constexpr int ButtonLeft = 8;
constexpr int ButtonWidth = 169;
constexpr int PanelWidth = ButtonLeft + ButtonWidth + ButtonLeft;
constexpr int Margin = 6;
constexpr int PanelHeight = 457; // down to the last button's bottom
constexpr int SmallestGridWidth = 120;

// The design positions of the panel's controls: top and height.
struct Place {
    int top;
    int height;
};
constexpr Place FillAllPlace{0, 25};
constexpr Place FillSelFldPlace{32, 25};
constexpr Place FieldsPlace{64, 257};
constexpr Place FillPredefPlace{332, 37};
constexpr Place FmtSalesPlace{376, 37};
constexpr Place TwoQueriesPlace{420, 37};

constexpr bool WithCheckBoxes = true;
constexpr bool RemoveColumns = true;
constexpr int ModeColumnsOnly = 0;
constexpr int ModeIntoColumns = 1;
constexpr int ModeAppend = 2;

// Fields 1 to 4 ticked, 5 to 8 not, 9 to 12 ticked, and so on.
bool tickedAtFirst(int fieldIndex) {
    return fieldIndex % 8 < 4;
}

// A button's caption broken at spaces into lines that fit its width, as a button of the
// classic desktop wraps its text ("&&" shows as one "&").
QString wrappedCaption(const QPushButton& button, const QString& caption) {
    const QFontMetrics metrics(button.font());
    const int room = button.width() - 12;
    const auto shown = [](QString text) { return text.replace(QStringLiteral("&&"), "&"); };
    QStringList lines;
    for (const QString& word : caption.split(u' ')) {
        if (!lines.isEmpty() &&
            metrics.horizontalAdvance(shown(lines.last() + u' ' + word)) <= room)
            lines.last() += u' ' + word;
        else
            lines << word;
    }
    return lines.join(u'\n');
}

QPushButton* panelButton(QWidget* panel, const QString& caption, Place place) {
    auto* button = new QPushButton(panel);
    button->setGeometry(ButtonLeft, place.top, ButtonWidth, place.height);
    button->setText(wrappedCaption(*button, caption));
    return button;
}

} // namespace

frmViewRecordset::frmViewRecordset(QWidget* parent)
    : QWidget(parent), grdMain(new TessixGrid(this)), picFeatures(new QWidget(this)),
      cmdFillAll(nullptr), cmdFillSelFld(nullptr), grdFields(new TessixGrid(picFeatures)),
      cmdFillPredef(nullptr), cmdFmtSales(nullptr), cmd2Queries(nullptr) {
    setWindowTitle(QStringLiteral("Viewing ADO recordsets"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());

    cmdFillAll =
        panelButton(picFeatures, QStringLiteral("Fill Grid Using All Fields"), FillAllPlace);
    cmdFillSelFld = panelButton(picFeatures, QStringLiteral("Fill Grid Using Selected Fields:"),
                                FillSelFldPlace);
    grdFields->setGeometry(ButtonLeft, FieldsPlace.top, ButtonWidth, FieldsPlace.height);
    cmdFillPredef = panelButton(
        picFeatures, QStringLiteral("Fill Grid Using Predefined Set of Columns && Formatting"),
        FillPredefPlace);
    cmdFmtSales = panelButton(picFeatures,
                              QStringLiteral("Fill Grid Using All Fields && Format Sales Column"),
                              FmtSalesPlace);
    cmd2Queries = panelButton(
        picFeatures, QStringLiteral("Add the Results of 2 Queries to the Grid"), TwoQueriesPlace);

    setMinimumSize(PanelWidth + 3 * Margin + SmallestGridWidth, PanelHeight + 2 * Margin);
    resize(740, 488);

    connect(cmdFillAll, &QPushButton::clicked, this, &frmViewRecordset::cmdFillAll_Click);
    connect(cmdFillSelFld, &QPushButton::clicked, this, &frmViewRecordset::cmdFillSelFld_Click);
    connect(cmdFillPredef, &QPushButton::clicked, this, &frmViewRecordset::cmdFillPredef_Click);
    connect(cmdFmtSales, &QPushButton::clicked, this, &frmViewRecordset::cmdFmtSales_Click);
    connect(cmd2Queries, &QPushButton::clicked, this, &frmViewRecordset::cmd2Queries_Click);

    Form_Load();
}

void frmViewRecordset::Form_Load() {
    // Without the table there is nothing the buttons could show.
    picFeatures->setEnabled(false);
    if (!OpenTestDatabase(m_connection))
        return;
    if (!m_customers.Open(QStringLiteral("Customers"), &m_connection, db::adOpenStatic)) {
        ShowDatabaseError(QStringLiteral("The Customers table could not be read."),
                          m_customers.LastError());
        return;
    }
    SetupMainGrid();
    FillFieldList();
    picFeatures->setEnabled(true);
}

void frmViewRecordset::SetupMainGrid() {
    ApplyGridLook(grdMain);
    grdMain->SetEditable(false);
    grdMain->SetDefaultRowHeight(grdMain->GetOptimalRowHeight({}, 1, 0, WithCheckBoxes));
}

void frmViewRecordset::FillFieldList() {
    grdFields->BeginUpdate();
    ApplyGridLook(grdFields);
    grdFields->Header().SetVisible(false);
    grdFields->SetGridLines(GridLinesNone);
    grdFields->SetDefaultRowHeight(grdFields->GetOptimalRowHeight({}, 1, 0, WithCheckBoxes));
    grdFields->SetColCount(1);
    grdFields->StretchCol(1);
    GridColumn* names = grdFields->ColObject(1);
    names->SetCheckBoxVisible(true);
    names->SetCheckBoxAlign(CheckBoxLeft);
    const db::Fields& fields = m_customers.Fields();
    for (int i = 0; i < fields.Count(); ++i) {
        const int row = grdFields->AddRow();
        grdFields->SetCellValue(row, 1, fields.Item(i)->Name());
        grdFields->SetCellCheckState(row, 1, tickedAtFirst(i) ? CheckChecked : CheckUnchecked);
    }
    grdFields->EndUpdate();
}

bool frmViewRecordset::fill(db::Recordset& records, std::optional<int> mode) {
    if (grdMain->FillFromRS(records, mode))
        return true;
    ShowDatabaseError(QStringLiteral("The customers could not be read."), records.LastError());
    return false;
}

bool frmViewRecordset::fillFromQuery(const QString& sql, std::optional<int> mode) {
    db::Recordset records;
    if (m_connection.Execute(sql, records))
        return fill(records, mode);
    ShowDatabaseError(QStringLiteral("The query could not be run:\r\n") + sql,
                      m_connection.LastError());
    return false;
}

void frmViewRecordset::cmdFillAll_Click() {
    grdMain->BeginUpdate();
    grdMain->Clear(RemoveColumns);
    fill(m_customers);
    grdMain->EndUpdate();
}

void frmViewRecordset::cmdFillSelFld_Click() {
    grdMain->BeginUpdate();
    grdMain->Clear(RemoveColumns);
    for (int row = 1; row <= grdFields->RowCount(); ++row) {
        if (grdFields->CellCheckState(row, 1) == CheckChecked) {
            const QString name = grdFields->CellText(row, 1);
            grdMain->AddCol(name, name);
        }
    }
    // A grid without columns would get one for every field: nothing ticked shows nothing.
    if (grdMain->ColCount() > 0)
        fill(m_customers);
    grdMain->EndUpdate();
}

void frmViewRecordset::cmdFillPredef_Click() {
    grdMain->BeginUpdate();
    grdMain->Clear(RemoveColumns);
    GridColumn* col = grdMain->AddCol(QStringLiteral("company"), QStringLiteral("Company"));
    col->SetCellForeColor(RGB(0, 0, 0));
    col->SetCellBackColor(RGB(240, 240, 255));
    grdMain->AddCol(QStringLiteral("country"), QStringLiteral("Country"));
    col = grdMain->AddCol(QStringLiteral("total sales"), QStringLiteral("Total sales"));
    col->SetCellAlignment(AlignRight);
    col->SetCellFormatString(QStringLiteral("$#,##0"));
    col = grdMain->AddCol(QStringLiteral("has discount"), QStringLiteral("Discount"));
    col->SetCheckBoxVisible(true);
    col->SetCheckBoxAlign(CheckBoxCenter);
    col->SetCellStyleFlags(16);
    col = grdMain->AddCol(QStringLiteral("phone"), QStringLiteral("Phone"));
    col->SetCellAlignment(AlignCenter);
    fill(m_customers);
    grdMain->AutoWidthCols();
    grdMain->EndUpdate();
}

void frmViewRecordset::cmdFmtSales_Click() {
    grdMain->BeginUpdate();
    fill(m_customers, ModeColumnsOnly);
    if (GridColumn* sales = grdMain->ColObject(QStringLiteral("total sales"))) {
        sales->SetCellAlignment(AlignRight);
        sales->SetCellFormatString(QStringLiteral("$#,##0"));
    }
    fill(m_customers, ModeIntoColumns);
    grdMain->EndUpdate();
}

void frmViewRecordset::cmd2Queries_Click() {
    grdMain->BeginUpdate();
    grdMain->Clear();
    fill(m_customers, ModeColumnsOnly);
    GridColumn* id = grdMain->ColObject(QStringLiteral("id"));
    if (id)
        id->SetCellBackColor(RGB(255, 240, 232));
    // One failure is enough to tell: the second query is not tried then.
    if (fillFromQuery(QStringLiteral("SELECT * FROM [Customers] WHERE [Country]='Canada'"), {})) {
        if (id)
            id->SetCellBackColor(RGB(240, 232, 255));
        fillFromQuery(QStringLiteral("SELECT * FROM [Customers] WHERE [Total Sales]<1000"),
                      ModeAppend);
    }
    grdMain->EndUpdate();
}

void frmViewRecordset::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmViewRecordset::Form_Resize() {
    const int width = this->width();
    const int height = this->height();
    // A window too small for both (minimised, say) leaves them where they were.
    if (width - PanelWidth - 3 * Margin < 1 || height - 2 * Margin < 1)
        return;
    picFeatures->setGeometry(width - PanelWidth - Margin, Margin, PanelWidth, height - 2 * Margin);
    grdMain->setGeometry(Margin, Margin, width - PanelWidth - 3 * Margin, height - 2 * Margin);
}
