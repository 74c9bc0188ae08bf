#pragma once

#include "components/grid/GridEvents.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QWidget>

#include <optional>

class QLabel;
class QListWidget;
class QPushButton;
class TessixGrid;

// "Updating Database thru Recordset - Grid-Level Editing": the Customers table in a grid
// whose edits go into a client-side batch recordset at once but reach the database only
// with "Save Changes" (or the save offered on closing), all in one batch. The button is
// enabled exactly while changes are pending. A failed batch names the first record that
// could not be stored and moves the current cell to its row. Row i holds record i (RowTag),
// so sorting by header click is off. Controls and handlers carry the names of the demo's
// design; they are public so tests can drive the window.
class frmUpdDB_GridLevel : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdDB_GridLevel(QWidget* parent = nullptr);

    TessixGrid* Tessix1;
    QPushButton* cmdSaveChanges;
    QLabel* Label2;
    QLabel* Label1;
    QListWidget* List1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(bool& cancel);
    void cmdSaveChanges_Click();
    void Tessix1_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void Tessix1_CellCheckChange(int row, int col, int previousState);
    void SaveChanges(bool& ok);
    // Puts a change of the row's record in the batch; the field's value as it took it, or
    // nothing when it refused the value (reported, with the note when given).
    std::optional<Variant> ChangeField(int row, const QString& key, const Variant& value,
                                       const QString& failureNote = QString());

    db::Connection m_connection;
    db::Recordset m_records;
};
