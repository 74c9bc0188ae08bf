#include "samples/editing/frmUpdDB_FieldLevel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
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
    FillEditingGrid(Tessix1, m_records);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        Tessix1->SetRowTag(row, Variant(row));
    ShowTipOfTheDay(this);
}

void frmUpdDB_FieldLevel::closeEvent(QCloseEvent* event) {
    // Nothing is pending but text still in an open editor: it counts as typed.
    Tessix1->CommitEdit();
    event->accept();
}

void frmUpdDB_FieldLevel::Tessix1_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    if (!IsEditToStore(args, Tessix1->CellValue(args.row, args.col)))
        return;
    const QString key = Tessix1->ColKey(args.col);
    if (key.toLower() == QStringLiteral("title") && args.newValue.isNumeric()) {
        MsgBox(QStringLiteral("Title can not be a number!"), vbCritical);
        args.result = CommitStay;
        return;
    }
    CommitAsStored(args, WriteField(args.row, key, args.newValue));
}

void frmUpdDB_FieldLevel::Tessix1_CellCheckChange(int row, int col, int previousState) {
    const int state = Tessix1->CellCheckState(row, col);
    if (state == previousState)
        return;
    WriteField(row, Tessix1->ColKey(col), Variant(state == CheckChecked), CheckBoxNotSavedNote());
}

std::optional<Variant> frmUpdDB_FieldLevel::WriteField(int row, const QString& key,
                                                       const Variant& value,
                                                       const QString& failureNote) {
    db::Field* field = AssignRowRecordField(Tessix1, row, m_records, key, value);
    if (field && m_records.Update()) {
        AddLogLine(List1,
                   QStringLiteral("Row #%1, Field '%2' updated successfully").arg(row).arg(key));
        return field->Value();
    }
    const db::Error error = m_records.LastError();
    m_records.CancelUpdate();
    ReportRowUpdateError(row, error, failureNote);
    return std::nullopt;
}
