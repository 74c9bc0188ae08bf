#include "samples/editing/frmUpdDB_RowLevel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "db/Recordset.h"
#include "db/RowUpdate.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "samples/editing/CellEdit.h"
#include "samples/editing/EditingGrid.h"
#include "samples/editing/OutputLog.h"

#include <QCloseEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

const QString KeyCol = QStringLiteral("id");

} // namespace

frmUpdDB_RowLevel::frmUpdDB_RowLevel(QWidget* parent)
    : QWidget(parent), Tessix1(new TessixGrid(this)), Label1(new QLabel(this)),
      List1(new QListWidget(this)) {
    setWindowTitle(
        QStringLiteral("Updating Database through Direct Connection - Row-Level Editing"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    SetFixedWindowSize(this, QSize(TwipsToPixelsX(9600), TwipsToPixelsY(6600)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tessix1, 1);
    AddOutputLog(layout, Label1, List1);

    connect(Tessix1, &TessixGrid::AfterCommitEdit, this,
            &frmUpdDB_RowLevel::Tessix1_AfterCommitEdit);
    connect(Tessix1, &TessixGrid::CellCheckChange, this,
            &frmUpdDB_RowLevel::Tessix1_CellCheckChange);
    connect(Tessix1, &TessixGrid::CurRowChange, this, &frmUpdDB_RowLevel::Tessix1_CurRowChange);
    Form_Load();
}

void frmUpdDB_RowLevel::Form_Load() {
    if (!OpenTestDatabase(m_connection))
        return;
    // Only for loading: afterwards the grid holds the data.
    db::Recordset records;
    if (!records.Open(QStringLiteral("Customers"), &m_connection, db::adOpenStatic)) {
        MsgBox(records.LastError().Description, vbCritical);
        return;
    }
    FillEditingGrid(Tessix1, records);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        m_savedRows.push_back(RowValues(row));
    ShowTipOfTheDay(this);
}

void frmUpdDB_RowLevel::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_QueryUnload(cancel);
    event->setAccepted(!cancel);
}

void frmUpdDB_RowLevel::Form_QueryUnload(bool& cancel) {
    // Text still in an open editor counts as typed.
    Tessix1->CommitEdit();
    if (!m_rowChanged)
        return;
    if (MsgBox(QStringLiteral("The current row has been edited.\r\nDo you want to save changes?"),
               vbYesNo | vbQuestion, windowTitle()) != vbYes)
        return;
    bool ok = true;
    SaveRow(Tessix1->CurRow(), ok);
    cancel = !ok;
}

void frmUpdDB_RowLevel::Tessix1_AfterCommitEdit(int row, int col, const Variant& previousValue) {
    if (ChangesCell(previousValue, Tessix1->CellValue(row, col)))
        m_rowChanged = true;
}

void frmUpdDB_RowLevel::Tessix1_CellCheckChange(int row, int col, int previousState) {
    if (previousState != Tessix1->CellCheckState(row, col))
        m_rowChanged = true;
}

void frmUpdDB_RowLevel::Tessix1_CurRowChange(int /*newRow*/, int previousRow) {
    if (previousRow == 0)
        return;
    bool ok = true;
    SaveRow(previousRow, ok); // a failed save does not stop the move
}

std::vector<Variant> frmUpdDB_RowLevel::RowValues(int row) const {
    std::vector<Variant> values;
    for (int col = 1; col <= Tessix1->ColCount(); ++col)
        values.push_back(Tessix1->ColObject(col)->CheckBoxVisible()
                             ? Variant(Tessix1->CellCheckState(row, col) == CheckChecked)
                             : Tessix1->CellValue(row, col));
    return values;
}

void frmUpdDB_RowLevel::SaveRow(int row, bool& ok) {
    ok = true;
    if (row == 0 || !m_rowChanged)
        return;
    m_rowChanged = false; // before writing: a failed write leaves it cleared
    const std::vector<Variant>& saved = m_savedRows[size_t(row - 1)];
    const std::vector<Variant> values = RowValues(row);
    db::RowUpdate update{QStringLiteral("Customers"),
                         {},
                         QStringLiteral("Id"),
                         saved[size_t(Tessix1->ColIndex(KeyCol) - 1)]};
    for (int col = 1; col <= Tessix1->ColCount(); ++col) {
        const size_t i = size_t(col - 1);
        const bool checkBox = Tessix1->ColObject(col)->CheckBoxVisible();
        update.fields.push_back({Tessix1->ColKey(col), values[i],
                                 checkBox ? std::optional<bool>(values[i].toBool()) : std::nullopt,
                                 saved[i]});
    }
    const db::Error error = db::SaveRow(m_connection, update);
    if (error.isError()) {
        ReportRowUpdateError(row, error,
                             QStringLiteral("The row's changes stay in the grid but were not "
                                            "saved."));
        ok = false;
        return;
    }
    m_savedRows[size_t(row - 1)] = values;
    AddLogLine(List1, QStringLiteral("Row #%1 updated successfully").arg(row));
}
