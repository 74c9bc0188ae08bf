#pragma once

#include "db/Connection.h"
#include "db/Recordset.h"

#include <QWidget>

class QPushButton;
class TessixGrid;

// "Viewing ADO recordsets": the Customers table of the sample database in a read-only grid,
// loaded in one call each of five ways: every field; the fields ticked in a check list; a
// predefined, formatted set of columns; every field with the sales formatted; the records of
// two queries one after the other, their ID cells in two colours. The panel of buttons keeps
// its width at the right edge; the grid takes the rest of the window.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmViewRecordset : public QWidget {
    Q_OBJECT
public:
    explicit frmViewRecordset(QWidget* parent = nullptr);

    TessixGrid* grdMain;
    QWidget* picFeatures;
    QPushButton* cmdFillAll;
    QPushButton* cmdFillSelFld;
    TessixGrid* grdFields;
    QPushButton* cmdFillPredef;
    QPushButton* cmdFmtSales;
    QPushButton* cmd2Queries;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void SetupMainGrid();
    void FillFieldList();
    void cmdFillAll_Click();
    void cmdFillSelFld_Click();
    void cmdFillPredef_Click();
    void cmdFmtSales_Click();
    void cmd2Queries_Click();

    // Loads records into grdMain; false, after telling the user, when reading them failed.
    bool fill(db::Recordset& records, std::optional<int> mode = {});
    // The same with the records of a query on the window's connection.
    bool fillFromQuery(const QString& sql, std::optional<int> mode);

    db::Connection m_connection;
    db::Recordset m_customers; // the whole table, static, for every button
};
