#include "samples/editing/frmUpdDB_FieldLevel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "samples/editing/CellEdit.h"
#include "samples/editing/OutputLog.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

// GetOptimalRowHeight's fourth argument: room for a check box.
constexpr bool WithCheckBoxes = true;

} // namespace

frmUpdDB_FieldLevel::frmUpdDB_FieldLevel(QWidget* parent)
    : QWidget(parent), Tessix1(new TessixGrid(this)), Label1(new QLabel(this)),
      List1(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Updating Database thru Recordset - Field-Level Editing"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    SetFixedWindowSize(this, QSize(TwipsToPixelsX(9600), TwipsToPixelsY(6600)));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Tessix1, 1);
    AddOutputLog(layout, Label1, List1);

    connect(Tessix1, &TessixGrid::BeforeCommitEdit, this,
            &frmUpdDB_FieldLevel::Tessix1_BeforeCommitEdit);
    connect(Tessix1, &TessixGrid::CellCheckChange, this,
            &frmUpdDB_FieldLevel::Tessix1_CellCheckChange);
    Form_Load();
}

void frmUpdDB_FieldLevel::Form_Load() {
    if (!OpenTestDatabase(m_connection))
        return;
    if (!m_records.Open(QStringLiteral("Customers"), &m_connection, db::adOpenKeyset,
                        db::adLockOptimistic)) {
        MsgBox(m_records.LastError().Description, vbCritical);
        return;
    }
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight({}, 1, 0, WithCheckBoxes));
    Tessix1->FillFromRS(m_records);
    Tessix1->AutoWidthCols();
    Tessix1->SetSortOnHeaderClick(false);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        Tessix1->SetRowTag(row, Variant(row));
    Tessix1->EndUpdate();
    ShowTipOfTheDay(this);
}

void frmUpdDB_FieldLevel::Tessix1_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    // A toggle comes here and to CellCheckChange; the latter writes it, once.
    if (args.kind == EditKindCheckBox)
        return;
    if (!ChangesCell(Tessix1->CellValue(args.row, args.col), args.newValue))
        return;
    const QString key = Tessix1->ColKey(args.col);
    if (key.toLower() == QStringLiteral("title") && args.newValue.isNumeric()) {
        MsgBox(QStringLiteral("Title can not be a number!"), vbCritical);
        args.result = CommitStay;
        return;
    }
    if (const std::optional<Variant> stored = WriteField(args.row, key, args.newValue))
        args.newValue = *stored; // the cell shows what the database holds
    else
        args.result = CommitStay;
}

void frmUpdDB_FieldLevel::Tessix1_CellCheckChange(int row, int col, int previousState) {
    const int state = Tessix1->CellCheckState(row, col);
    if (state == previousState)
        return;
    WriteField(row, Tessix1->ColKey(col), Variant(state == CheckChecked),
               QStringLiteral("The check box shows a state that was not saved."));
}

std::optional<Variant> frmUpdDB_FieldLevel::WriteField(int row, const QString& key,
                                                       const Variant& value,
                                                       const QString& failureNote) {
    db::Field* field = m_records.Fields().Item(key);
    if (m_records.SetAbsolutePosition(Tessix1->RowTag(row).toLong()) && field &&
        field->SetValue(value) && m_records.Update()) {
        AddLogLine(List1,
                   QStringLiteral("Row #%1, Field '%2' updated successfully").arg(row).arg(key));
        return field->Value();
    }
    const db::Error error = m_records.LastError();
    m_records.CancelUpdate();
    ReportRowUpdateError(row, error, failureNote);
    return std::nullopt;
}
