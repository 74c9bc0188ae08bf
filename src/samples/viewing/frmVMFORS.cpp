#include "samples/viewing/frmVMFORS.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "platform/Settings.h"
#include "runtime/Variant.h"
#include "samples/viewing/DatabaseErrors.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

constexpr double LargeSales = 25000;

struct ColumnDesign {
    const char* header;
    int width;
};
constexpr ColumnDesign Columns[] = {
    {"ID", 32}, {"Company", 96}, {"Country", 96}, {"Total Sales", 96}};
constexpr int SalesCol = 4;

quint32 highlightColor() {
    return RGB(240, 210, 220);
}

} // namespace

const QString frmVMFORS::ServerSettingsApp = QStringLiteral("RemoteDatabases");
const QString frmVMFORS::ServerSettingsSection = QStringLiteral("Server");
const QString frmVMFORS::ServerSettingsKey = QStringLiteral("Connection");

const QString frmVMFORS::Source =
    QStringLiteral("SELECT ID, Company, Country, [Total Sales] FROM Customers ORDER BY ID");

bool frmVMFORS::IsHighlighted(const Variant& country, const Variant& totalSales) {
    // Comparisons with Null are false, so a Null on either side leaves the row plain.
    return country != Variant(QStringLiteral("USA")) && totalSales >= Variant(LargeSales);
}

frmVMFORS::frmVMFORS(QWidget* parent)
    : QWidget(parent),
      Label1{new QLabel(QStringLiteral("The sample imitates the browsing a recordset retrieved "
                                       "from a remote database when you use a forward-only "
                                       "cursor to get data by blocks of several rows. Scroll the "
                                       "grid down to request new rows dynamically."),
                        this),
             new QLabel(QStringLiteral("All non-US customers with total sales greater than 25000 "
                                       "are also highlighted dynamically."),
                        this)},
      lblSource(new QLabel(this)), grdVirtual(new TessixGrid(this)) {
    setWindowTitle(QStringLiteral("Browsing an ADO forward-only recordset in virtual mode"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());

    // A fixed layout: the explanation above the grid, which shows the four columns whole.
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    for (QLabel* label : Label1) {
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    layout->addWidget(lblSource);
    layout->addWidget(grdVirtual, 1);
    setFixedSize(376, 400);

    connect(grdVirtual, &TessixGrid::RequestNewRow, this, &frmVMFORS::grdVirtual_RequestNewRow);
    connect(grdVirtual, &TessixGrid::RequestRowData, this, &frmVMFORS::grdVirtual_RequestRowData);

    Form_Load();
}

// The server the settings name, else the sample database; the line above the grid says
// which (a long path shortened in its middle, whole in the tooltip).
bool frmVMFORS::openDatabase() {
    const QString server = GetSetting(ServerSettingsApp, ServerSettingsSection, ServerSettingsKey);
    if (server.trimmed().isEmpty()) {
        if (!OpenTestDatabase(m_connection))
            return false;
    } else if (!m_connection.Open(server)) {
        lblSource->setText(QStringLiteral("Data: the database server (not reached)"));
        ShowDatabaseError(QStringLiteral("The database server could not be reached."),
                          m_connection.LastError());
        return false;
    }
    const QString source =
        m_connection.OnServer()
            ? QStringLiteral("Data: PostgreSQL server ") + m_connection.DataSource()
            : QStringLiteral("Data: ") + m_connection.DataSource();
    lblSource->setToolTip(source);
    lblSource->setText(lblSource->fontMetrics().elidedText(
        source, Qt::ElideMiddle, width() - layout()->contentsMargins().left() * 2));
    return true;
}

void frmVMFORS::Form_Load() {
    if (!openDatabase())
        return;
    m_customers.SetCacheSize(CacheSize);
    m_customers.SetCursorLocation(db::adUseServer);
    m_customers.SetCursorType(db::adOpenForwardOnly);
    if (!m_customers.Open(Source, &m_connection)) {
        ShowDatabaseError(QStringLiteral("The customers could not be read."),
                          m_customers.LastError());
        return;
    }

    grdVirtual->BeginUpdate();
    ApplyGridLook(grdVirtual);
    grdVirtual->SetRowMode(true);
    grdVirtual->SetEditable(false);
    grdVirtual->SetSortOnHeaderClick(false);
    grdVirtual->SetDefaultRowHeight(grdVirtual->GetOptimalRowHeight());
    for (const ColumnDesign& col : Columns)
        grdVirtual->AddCol({}, QString::fromLatin1(col.header), col.width);
    GridColumn* sales = grdVirtual->ColObject(SalesCol);
    sales->SetCellAlignment(AlignRight);
    sales->SetCellFormatString(QStringLiteral("$#,##"));
    grdVirtual->SetVirtualMode(true);
    grdVirtual->EndUpdate();
}

void frmVMFORS::grdVirtual_RequestNewRow(RequestNewRowArgs& args) {
    if (m_customers.Eof())
        args.noMoreRows = true;
}

void frmVMFORS::grdVirtual_RequestRowData(int row) {
    db::Fields& fields = m_customers.Fields();
    grdVirtual->BeginUpdate();
    for (int col = 1; col <= grdVirtual->ColCount(); ++col)
        grdVirtual->SetCellValue(row, col, fields.Item(col - 1)->Value());
    if (IsHighlighted(fields.Item(QStringLiteral("Country"))->Value(),
                      fields.Item(QStringLiteral("Total Sales"))->Value())) {
        for (int col = 1; col <= grdVirtual->ColCount(); ++col)
            grdVirtual->SetCellBackColor(row, col, highlightColor());
    }
    grdVirtual->EndUpdate();
    // A record that cannot be read ends the data: the recordset is then at its end, so the
    // grid's next request is refused.
    if (!m_customers.MoveNext())
        ShowDatabaseError(QStringLiteral("The next customer could not be read."),
                          m_customers.LastError());
}
