#pragma once

#include "db/Connection.h"
#include "db/Recordset.h"

#include <QWidget>

#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;
class TessixGrid;

// "Bound Controls Editing": a read-only grid of the customers serves as the navigator; four
// boxes above it show the ID, company, country and phone of the current row's record, where
// the user edits them and saves the record through an updatable recordset. Each row's key is
// its record's position in the recordset, so rows and records find each other both ways.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmUpdDB_RowKeysRS : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdDB_RowKeysRS(QWidget* parent = nullptr);
    ~frmUpdDB_RowKeysRS() override;

    QLabel* lblID;
    QLabel* lblCompany;
    QLabel* lblCountry;
    QLabel* lblPhone;
    QLineEdit* txtID;
    QLineEdit* txtCompany;
    QLineEdit* txtCountry;
    QLineEdit* txtPhone;
    QPushButton* cmdFirst;
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QPushButton* cmdLast;
    QPushButton* cmdSave;
    QPushButton* cmdFind;
    TessixGrid* grdRS;

private:
    void Form_Load();
    void grdRS_CurRowChange(int newRow, int previousRow);
    void cmdFirst_Click();
    void cmdPrev_Click();
    void cmdNext_Click();
    void cmdLast_Click();
    void cmdSave_Click();
    void cmdFind_Click();
    void txtID_Change();
    void txtCompany_Change();
    void txtCountry_Change();
    void txtPhone_Change();

    // The boxes in the order their fields are written, with the fields' names.
    struct BoundBox {
        const char* field;
        QLineEdit* box;
    };
    std::vector<BoundBox> boundBoxes() const;

    db::Connection m_connection;
    db::Recordset m_records; // follows the grid's current row
};
