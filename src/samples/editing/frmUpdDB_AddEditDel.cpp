#include "samples/editing/frmUpdDB_AddEditDel.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "db/Recordset.h"
#include "platform/MessageBox.h"
#include "samples/editing/CellEdit.h"
#include "samples/editing/GridRowUpdate.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString IdCol = QStringLiteral("ID");
const QString Table = QStringLiteral("Customers");
const QString NewRecordText = QStringLiteral("(New)");
constexpr int KeyInsert = 45;
constexpr int KeyDelete = 46;

bool isIdColumn(const TessixGrid& grid, int col) {
    return grid.ColKey(col).toUpper() == IdCol;
}

} // namespace

frmUpdDB_AddEditDel::frmUpdDB_AddEditDel(QWidget* parent)
    : QWidget(parent, Qt::Window), Tessix1(new TessixGrid),
      cmdAddRec(new QPushButton(QStringLiteral("Add"))),
      cmdDelRec(new QPushButton(QStringLiteral("Delete"))),
      Label1(new QLabel(QStringLiteral(
          "Keyboard commands: Ins - add a new record, Del - delete the current row"))) {
    setWindowTitle(
        QStringLiteral("Updating Database through Direct Connection - Add, Edit, Delete Records"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(640, 400);

    // The grid takes what the window gains; the hint and the buttons stay under it.
    auto* commands = new QHBoxLayout;
    commands->addWidget(Label1, 1);
    commands->addWidget(cmdAddRec);
    commands->addWidget(cmdDelRec);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(Tessix1, 1);
    layout->addLayout(commands);

    connect(cmdAddRec, &QPushButton::clicked, this, &frmUpdDB_AddEditDel::cmdAddRec_Click);
    connect(cmdDelRec, &QPushButton::clicked, this, &frmUpdDB_AddEditDel::cmdDelRec_Click);
    connect(Tessix1, &TessixGrid::AfterCommitEdit, this,
            &frmUpdDB_AddEditDel::Tessix1_AfterCommitEdit);
    connect(Tessix1, &TessixGrid::CurRowChange, this, &frmUpdDB_AddEditDel::Tessix1_CurRowChange);
    connect(Tessix1, &TessixGrid::RequestEdit, this, &frmUpdDB_AddEditDel::Tessix1_RequestEdit);
    connect(Tessix1, &TessixGrid::CellDynamicText, this,
            &frmUpdDB_AddEditDel::Tessix1_CellDynamicText);
    connect(Tessix1, &TessixGrid::BeforeColDrag, this, &frmUpdDB_AddEditDel::Tessix1_BeforeColDrag);
    connect(Tessix1, &TessixGrid::KeyDown, this, &frmUpdDB_AddEditDel::Tessix1_KeyDown);
    connect(Tessix1, &TessixGrid::KeyPress, this, &frmUpdDB_AddEditDel::Tessix1_KeyPress);
    connect(Tessix1, &TessixGrid::CellDblClick, this, &frmUpdDB_AddEditDel::Tessix1_CellDblClick);
    connect(Tessix1, &TessixGrid::BeforeSort, this, &frmUpdDB_AddEditDel::Tessix1_BeforeSort);
    connect(Tessix1, &TessixGrid::AfterSort, this, &frmUpdDB_AddEditDel::Tessix1_AfterSort);

    Form_Load();
}

frmUpdDB_AddEditDel::~frmUpdDB_AddEditDel() = default;

void frmUpdDB_AddEditDel::Form_Load() {
    if (!OpenTestDatabase(m_connection))
        return;
    db::Recordset records;
    if (!records.Open(QStringLiteral(
                          "SELECT [ID],[Company],[First Name],[Last Name],[E-mail] FROM Customers"),
                      &m_connection, db::adOpenStatic)) {
        MsgBox(records.LastError().Description, vbCritical);
        return;
    }
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetSortOnHeaderClick(false);
    Tessix1->SetDynamicFormattingEvents(4);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());
    Tessix1->FillFromRS(records);
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        m_stored.insert(Tessix1->CellValue(row, IdCol).toString(), GridRowValues(*Tessix1, row));
    Tessix1->AutoWidthCols();
    Tessix1->SetKeyPressBehaviour(TypingModeAppend);
    Tessix1->AddRow();
    // The key column also fits the "(New)" drawn in the last row, measured there in place.
    const int newRow = Tessix1->RowCount();
    Tessix1->SetCellValue(newRow, IdCol, NewRecordText);
    Tessix1->AutoWidthCol(IdCol);
    Tessix1->SetCellValue(newRow, IdCol, Variant());
    Tessix1->EndUpdate();
    Tessix1->SetCurCell(Tessix1->RowCount(), QStringLiteral("company"));
}

void frmUpdDB_AddEditDel::closeEvent(QCloseEvent* event) {
    if (Form_QueryUnload())
        event->ignore();
    else
        event->accept();
}

bool frmUpdDB_AddEditDel::Form_QueryUnload() {
    // Text still in an open editor counts as typed.
    Tessix1->CommitEdit();
    if (!RowChanged)
        return false;
    const int answer = MsgBox(QStringLiteral("The current row has been edited.\r\n"
                                             "Do you want to save changes?"),
                              vbYesNo | vbQuestion, windowTitle());
    return answer == vbYes && !SaveRow(Tessix1->CurRow());
}

bool frmUpdDB_AddEditDel::isNewRecordRow(int row) const {
    return row > 0 && row == Tessix1->RowCount();
}

void frmUpdDB_AddEditDel::Tessix1_CellDynamicText(CellDynamicTextArgs& args) {
    if (isNewRecordRow(args.row) && isIdColumn(*Tessix1, args.col))
        args.text = NewRecordText;
}

void frmUpdDB_AddEditDel::Tessix1_RequestEdit(RequestEditArgs& args) {
    if (isIdColumn(*Tessix1, args.col)) {
        MsgBox(QStringLiteral("The ID values are generated automatically and cannot be changed."),
               vbCritical);
        args.cancel = true;
        return;
    }
    // Typing and double clicks made the row a record already; an edit started any other
    // way (F2, a click on the current cell) must not edit a record that does not exist.
    if (isNewRecordRow(args.row) && !AddRecord(false))
        args.cancel = true;
}

void frmUpdDB_AddEditDel::Tessix1_BeforeColDrag(BeforeColDragArgs& args) {
    if (args.col == 1)
        args.cancel = true;
}

void frmUpdDB_AddEditDel::Tessix1_KeyDown(KeyDownArgs& args) {
    if (args.keyCode == KeyInsert) {
        AddRecord(true);
    } else if (args.keyCode == KeyDelete) {
        DeleteRecord();
        args.doDefault = false;
    }
}

void frmUpdDB_AddEditDel::Tessix1_KeyPress(KeyPressArgs& args) {
    // A record the database refused takes no typing.
    if (isNewRecordRow(Tessix1->CurRow()) && !AddRecord(false))
        args.keyAscii = 0;
}

void frmUpdDB_AddEditDel::Tessix1_CellDblClick(CellDblClickArgs& args) {
    if (isNewRecordRow(Tessix1->CurRow()) && !AddRecord(false))
        args.doDefault = false;
}

void frmUpdDB_AddEditDel::Tessix1_BeforeSort() {
    Tessix1->RemoveRow(Tessix1->RowCount());
}

void frmUpdDB_AddEditDel::Tessix1_AfterSort() {
    Tessix1->AddRow();
}

void frmUpdDB_AddEditDel::Tessix1_AfterCommitEdit(int row, int col, const Variant& previousValue) {
    if (ChangesCell(previousValue, Tessix1->CellValue(row, col)))
        RowChanged = true;
}

void frmUpdDB_AddEditDel::Tessix1_CurRowChange(int /*newRow*/, int previousRow) {
    if (previousRow != 0 && !m_returningToFailedRow)
        SaveRow(previousRow);
}

bool frmUpdDB_AddEditDel::SaveRow(int row) {
    if (row == 0 || !RowChanged)
        return true;
    const Variant key = Tessix1->CellValue(row, IdCol);
    const db::Error error =
        db::SaveRow(m_connection, GridRowUpdate(*Tessix1, row, Table, QStringLiteral("Id"), key,
                                                m_stored.value(key.toString())));
    if (!error.isError()) {
        m_stored.insert(key.toString(), GridRowValues(*Tessix1, row));
        RowChanged = false;
        return true;
    }
    MsgBox(QStringLiteral("Error updating row #%1:\r\n").arg(row) + error.Description, vbCritical);
    m_returningToFailedRow = true;
    Tessix1->SetCurCell(row, QStringLiteral("id"));
    m_returningToFailedRow = false;
    return false;
}

bool frmUpdDB_AddEditDel::AddRecord(bool moveToNew) {
    // The record is made before the grid shows it, so a refused one leaves the grid as it
    // was. An empty table has no largest key: its first record gets 1.
    db::Recordset largest;
    Variant key;
    if (m_connection.Execute(QStringLiteral("SELECT MAX(ID) FROM Customers"), largest)) {
        const Variant found = largest.Fields().Item(0)->Value();
        key = found.isNull() || found.isEmpty() ? Variant(1) : found + Variant(1);
    }
    if (key.isEmpty() ||
        !m_connection.Execute(QStringLiteral("INSERT INTO Customers (ID) VALUES (") +
                              db::SqlLiteral(key) + u')')) {
        MsgBox(QStringLiteral("The new record could not be added:\r\n") +
                   m_connection.LastError().Description,
               vbCritical);
        return false;
    }
    Tessix1->BeginUpdate();
    const int n = Tessix1->RowCount();
    Tessix1->SetRowCount(n + 1);
    Tessix1->SetCellValue(n, IdCol, key);
    m_stored.insert(key.toString(), GridRowValues(*Tessix1, n));
    if (moveToNew)
        Tessix1->SetCurCell(Tessix1->RowCount() - 1, Tessix1->CurCol());
    // The fresh "(New)" row shows under the record it follows.
    Tessix1->EnsureVisibleRow(Tessix1->RowCount());
    Tessix1->EndUpdate();
    return true;
}

void frmUpdDB_AddEditDel::cmdAddRec_Click() {
    AddRecord(true);
    Tessix1->setFocus();
}

void frmUpdDB_AddEditDel::DeleteRecord() {
    int row = Tessix1->CurRow();
    if (row == 0 || row >= Tessix1->RowCount()) {
        MsgBox(QStringLiteral("Select a row to delete!"), vbCritical);
        return;
    }
    if (MsgBox(QStringLiteral("Do you really want to delete the current row?"),
               vbYesNo | vbQuestion) != vbYes)
        return;
    // The row goes only when its record went, so the grid keeps what the database holds.
    if (!m_connection.Execute(QStringLiteral("DELETE FROM Customers WHERE ID=") +
                              db::SqlLiteral(Tessix1->CellValue(row, IdCol)))) {
        MsgBox(QStringLiteral("The record could not be deleted:\r\n") +
                   m_connection.LastError().Description,
               vbCritical);
        return;
    }
    m_stored.remove(Tessix1->CellValue(row, IdCol).toString());
    Tessix1->RemoveRow(row);
    RowChanged = false;
    if (row == Tessix1->RowCount() && Tessix1->RowCount() > 1)
        --row;
    Tessix1->SetCurCell(row, Tessix1->CurCol());
    Tessix1->setFocus();
}

void frmUpdDB_AddEditDel::cmdDelRec_Click() {
    DeleteRecord();
}
