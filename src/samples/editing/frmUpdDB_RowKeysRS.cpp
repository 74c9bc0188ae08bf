#include "samples/editing/frmUpdDB_RowKeysRS.h"

#include "app/Global.h"
#include "components/grid/TessixGrid.h"
#include "platform/MessageBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmUpdDB_RowKeysRS::frmUpdDB_RowKeysRS(QWidget* parent)
    : QWidget(parent, Qt::Window), lblID(new QLabel(QStringLiteral("ID:"))),
      lblCompany(new QLabel(QStringLiteral("Company:"))),
      lblCountry(new QLabel(QStringLiteral("Country:"))),
      lblPhone(new QLabel(QStringLiteral("Phone:"))), txtID(new QLineEdit(QStringLiteral("ID"))),
      txtCompany(new QLineEdit(QStringLiteral("Company"))),
      txtCountry(new QLineEdit(QStringLiteral("Country"))),
      txtPhone(new QLineEdit(QStringLiteral("Phone"))),
      cmdFirst(new QPushButton(QStringLiteral("|<  First"))),
      cmdPrev(new QPushButton(QStringLiteral("<  Previous"))),
      cmdNext(new QPushButton(QStringLiteral("Next  >"))),
      cmdLast(new QPushButton(QStringLiteral("Last >|"))),
      cmdSave(new QPushButton(QStringLiteral("Save"))),
      cmdFind(new QPushButton(QStringLiteral("Find"))), grdRS(new TessixGrid) {
    setWindowTitle(QStringLiteral("Bound Controls Editing"));
    setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    resize(569, 330);

    // The edit area keeps its height and the grid takes what the window gains; the boxes
    // share the width that the buttons leave.
    auto* edit = new QGridLayout;
    edit->setColumnStretch(1, 1);
    edit->setColumnStretch(3, 1);
    edit->addWidget(lblID, 0, 0);
    edit->addWidget(txtID, 0, 1);
    edit->addWidget(lblCountry, 0, 2);
    edit->addWidget(txtCountry, 0, 3);
    edit->addWidget(cmdSave, 0, 4);
    edit->addWidget(lblCompany, 1, 0);
    edit->addWidget(txtCompany, 1, 1);
    edit->addWidget(lblPhone, 1, 2);
    edit->addWidget(txtPhone, 1, 3);
    auto* navigation = new QHBoxLayout;
    for (QPushButton* button : {cmdFirst, cmdPrev, cmdNext, cmdLast})
        navigation->addWidget(button);
    navigation->addStretch(1);
    edit->addLayout(navigation, 2, 0, 1, 4);
    edit->addWidget(cmdFind, 2, 4);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addLayout(edit);
    layout->addWidget(grdRS, 1);

    connect(grdRS, &TessixGrid::CurRowChange, this, &frmUpdDB_RowKeysRS::grdRS_CurRowChange);
    connect(cmdFirst, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdFirst_Click);
    connect(cmdPrev, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdPrev_Click);
    connect(cmdNext, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdNext_Click);
    connect(cmdLast, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdLast_Click);
    connect(cmdSave, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdSave_Click);
    connect(cmdFind, &QPushButton::clicked, this, &frmUpdDB_RowKeysRS::cmdFind_Click);
    connect(txtID, &QLineEdit::textChanged, this, &frmUpdDB_RowKeysRS::txtID_Change);
    connect(txtCompany, &QLineEdit::textChanged, this, &frmUpdDB_RowKeysRS::txtCompany_Change);
    connect(txtCountry, &QLineEdit::textChanged, this, &frmUpdDB_RowKeysRS::txtCountry_Change);
    connect(txtPhone, &QLineEdit::textChanged, this, &frmUpdDB_RowKeysRS::txtPhone_Change);

    Form_Load();
}

frmUpdDB_RowKeysRS::~frmUpdDB_RowKeysRS() = default;

std::vector<frmUpdDB_RowKeysRS::BoundBox> frmUpdDB_RowKeysRS::boundBoxes() const {
    return {{"ID", txtID}, {"Company", txtCompany}, {"Country", txtCountry}, {"Phone", txtPhone}};
}

void frmUpdDB_RowKeysRS::Form_Load() {
    if (!OpenTestDatabase(m_connection))
        return;
    if (!m_records.Open(QStringLiteral("Customers"), &m_connection, db::adOpenKeyset,
                        db::adLockOptimistic)) {
        MsgBox(m_records.LastError().Description, vbCritical);
        return;
    }
    grdRS->BeginUpdate();
    ApplyGridLook(grdRS);
    grdRS->SetEditable(false);
    grdRS->SetRowMode(true);
    grdRS->SetSortOnHeaderClick(false);
    grdRS->SetRowKeysFromRS(1);
    grdRS->SetDefaultRowHeight(grdRS->GetOptimalRowHeight({}, 1, 0, true));
    grdRS->FillFromRS(m_records);
    grdRS->SetCurCell(1, 1);
    grdRS->EndUpdate();
    ShowTipOfTheDay(this);
}

void frmUpdDB_RowKeysRS::grdRS_CurRowChange(int newRow, int /*previousRow*/) {
    if (newRow == 0)
        return;
    m_records.SetAbsolutePosition(grdRS->RowKey(newRow).toInt());
    for (const BoundBox& bound : boundBoxes())
        bound.box->setText(
            m_records.Fields().Item(QString::fromLatin1(bound.field))->Value().toString());
    // Last: setting the texts enabled it.
    cmdSave->setEnabled(false);
}

void frmUpdDB_RowKeysRS::cmdFirst_Click() {
    grdRS->SetCurRow(1);
}

void frmUpdDB_RowKeysRS::cmdPrev_Click() {
    if (grdRS->CurRow() > 1)
        grdRS->SetCurRow(grdRS->CurRow() - 1);
}

void frmUpdDB_RowKeysRS::cmdNext_Click() {
    if (grdRS->CurRow() < grdRS->RowCount())
        grdRS->SetCurRow(grdRS->CurRow() + 1);
}

void frmUpdDB_RowKeysRS::cmdLast_Click() {
    grdRS->SetCurRow(grdRS->RowCount());
}

void frmUpdDB_RowKeysRS::cmdSave_Click() {
    // A text a field cannot take (letters in ID) is refused while it is assigned, and is
    // reported like a refused update.
    bool stored = true;
    for (const BoundBox& bound : boundBoxes()) {
        db::Field* field = m_records.Fields().Item(QString::fromLatin1(bound.field));
        if (!field || !field->SetValue(Variant(bound.box->text()))) {
            stored = false;
            break;
        }
    }
    stored = stored && m_records.Update();
    if (!stored) {
        const db::Error error = m_records.LastError();
        if (error.Number == db::DuplicateKeyError)
            MsgBox(QStringLiteral("This primary key already exists!"), vbCritical);
        else
            // The database's words say what to put right; the record keeps its values.
            MsgBox(QStringLiteral("Error %1 updating databse").arg(error.Number) +
                       QStringLiteral("\r\n") + error.Description,
                   vbCritical);
        m_records.CancelUpdate();
        return;
    }
    // The grid shows the values as stored, after the database's conversions.
    const int row = grdRS->CurRow();
    for (const BoundBox& bound : boundBoxes()) {
        const QString name = QString::fromLatin1(bound.field);
        grdRS->SetCellValue(row, name, m_records.Fields().Item(name)->Value());
    }
}

void frmUpdDB_RowKeysRS::cmdFind_Click() {
    const QString text = InputBox(QStringLiteral("Enter the part name of the company to search:"),
                                  QStringLiteral("Search Company"))
                             .trimmed();
    if (text.isEmpty())
        return;
    const int position = m_records.AbsolutePosition();
    const bool searched = m_records.Find(QStringLiteral("Company LIKE %") + text + u'%', 0,
                                         db::adSearchForward, db::adBookmarkFirst);
    const int row = searched && !m_records.Eof()
                        ? grdRS->FindRowByKey(QString::number(m_records.AbsolutePosition()))
                        : 0;
    if (row == 0) {
        if (searched)
            MsgBox(QStringLiteral("Not found!"), vbExclamation);
        else
            MsgBox(m_records.LastError().Description, vbCritical);
        // The boxes and the grid show the record the search started from.
        m_records.SetAbsolutePosition(position);
        return;
    }
    grdRS->SetCurRow(row);
}

void frmUpdDB_RowKeysRS::txtID_Change() {
    cmdSave->setEnabled(true);
}

void frmUpdDB_RowKeysRS::txtCompany_Change() {
    cmdSave->setEnabled(true);
}

void frmUpdDB_RowKeysRS::txtCountry_Change() {
    cmdSave->setEnabled(true);
}

void frmUpdDB_RowKeysRS::txtPhone_Change() {
    cmdSave->setEnabled(true);
}
