#include "samples/editing/frmUpdDB_GridLevel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/WindowPlacement.h"
#include "samples/editing/CellEdit.h"
#include "samples/editing/EditingGrid.h"
#include "samples/editing/OutputLog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString KeyField = QStringLiteral("id");

} // namespace

frmUpdDB_GridLevel::frmUpdDB_GridLevel(QWidget* parent)
    : QWidget(parent), Tessix1(new TessixGrid(this)),
      cmdSaveChanges(new QPushButton(QStringLiteral("Save Changes"), this)),
      Label2(new QLabel(QStringLiteral("Change cell values in several rows and press the Save "
                                       "Changes button or close the form to store your changes "
                                       "into the database."),
                        this)),
      Label1(new QLabel(this)), List1(new QListWidget(this)) {
    setWindowTitle(QStringLiteral("Updating Database thru Recordset - Grid-Level Editing"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    SetFixedWindowSize(this, QSize(TwipsToPixelsX(9600), TwipsToPixelsY(7200)));
    cmdSaveChanges->setEnabled(false);
    Label2->setWordWrap(true);

    // The explanation, the grid, the button under its right end, then the log.
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2);
    layout->addWidget(Tessix1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdSaveChanges);
    layout->addLayout(buttons);
    AddOutputLog(layout, Label1, List1);

    connect(cmdSaveChanges, &QPushButton::clicked, this, &frmUpdDB_GridLevel::cmdSaveChanges_Click);
    connect(Tessix1, &TessixGrid::BeforeCommitEdit, this,
            &frmUpdDB_GridLevel::Tessix1_BeforeCommitEdit);
    connect(Tessix1, &TessixGrid::CellCheckChange, this,
            &frmUpdDB_GridLevel::Tessix1_CellCheckChange);
    Form_Load();
}

void frmUpdDB_GridLevel::Form_Load() {
    if (!OpenTestDatabase(m_connection))
        return;
    m_records.SetActiveConnection(&m_connection);
    m_records.SetCursorLocation(db::adUseClient);
    m_records.SetCursorType(db::adOpenStatic);
    m_records.SetLockType(db::adLockBatchOptimistic);
    if (!m_records.Open(QStringLiteral("Customers"))) {
        MsgBox(m_records.LastError().Description, vbCritical);
        return;
    }
    FillEditingGrid(Tessix1, m_records);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        Tessix1->SetRowTag(row, Variant(row));
    ShowTipOfTheDay(this);
}

void frmUpdDB_GridLevel::closeEvent(QCloseEvent* event) {
    bool cancel = false;
    Form_QueryUnload(cancel);
    event->setAccepted(!cancel);
}

void frmUpdDB_GridLevel::Form_QueryUnload(bool& cancel) {
    // Text still in an open editor counts as typed.
    Tessix1->CommitEdit();
    if (!cmdSaveChanges->isEnabled())
        return;
    if (MsgBox(QStringLiteral("The grid contains unsaved changes.\r\nDo you want to save them?"),
               vbYesNo | vbQuestion, windowTitle()) != vbYes)
        return;
    bool ok = true;
    SaveChanges(ok);
    cancel = !ok;
}

void frmUpdDB_GridLevel::cmdSaveChanges_Click() {
    bool ok = true;
    SaveChanges(ok);
}

void frmUpdDB_GridLevel::Tessix1_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    if (!IsEditToStore(args, Tessix1->CellValue(args.row, args.col)))
        return;
    // A value the field refuses is not committed either: the grid shows only what the
    // batch holds.
    CommitAsStored(args, ChangeField(args.row, Tessix1->ColKey(args.col), args.newValue));
}

void frmUpdDB_GridLevel::Tessix1_CellCheckChange(int row, int col, int previousState) {
    const int state = Tessix1->CellCheckState(row, col);
    if (state == previousState)
        return;
    ChangeField(row, Tessix1->ColKey(col), Variant(state == CheckChecked), CheckBoxNotSavedNote());
}

std::optional<Variant> frmUpdDB_GridLevel::ChangeField(int row, const QString& key,
                                                       const Variant& value,
                                                       const QString& failureNote) {
    // No Update: in a batch the change stays pending until UpdateBatch.
    if (db::Field* field = AssignRowRecordField(Tessix1, row, m_records, key, value)) {
        cmdSaveChanges->setEnabled(true);
        return field->Value();
    }
    ReportRowUpdateError(row, m_records.LastError(), failureNote);
    return std::nullopt;
}

void frmUpdDB_GridLevel::SaveChanges(bool& ok) {
    if (m_records.UpdateBatch()) {
        cmdSaveChanges->setEnabled(false);
        AddLogLine(List1, QStringLiteral("Changes successfully stored into database"));
        ok = true;
        return;
    }
    const db::Error error = m_records.LastError();
    ok = false;
    m_records.SetFilter(db::adFilterPendingRecords);
    if (!m_records.Eof()) {
        const int id = m_records.Fields().Item(KeyField)->Value().toLong();
        MsgBox(
            QStringLiteral("Error updating row with Id=%1:\r\n%2").arg(id).arg(error.Description),
            vbCritical);
        if (const int row = Tessix1->FindRow(KeyField, QString::number(id)))
            Tessix1->SetCurCell(row, 1);
    } else {
        // Nothing is left pending to name, yet the batch failed: the user still hears why.
        MsgBox(error.Description, vbCritical);
    }
    m_records.SetFilter(db::adFilterNone);
}
