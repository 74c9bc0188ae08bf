#pragma once

#include "components/grid/GridEvents.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QWidget>

class QLabel;
class QListWidget;
class TessixGrid;

// "Updating Database thru Recordset - Field-Level Editing": the Customers table in a grid,
// each committed cell written at once through an optimistic keyset recordset and reported in
// the output log. Row i holds record i (RowTag), so sorting by header click is off.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmUpdDB_FieldLevel : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdDB_FieldLevel(QWidget* parent = nullptr);

    TessixGrid* Tessix1;
    QLabel* Label1;
    QListWidget* List1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Tessix1_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void Tessix1_CellCheckChange(int row, int col, int previousState);
    // Stores one field of the row's record; on success the record's value as stored, on a
    // failure (reported, with the note when given) nothing.
    std::optional<Variant> WriteField(int row, const QString& key, const Variant& value,
                                      const QString& failureNote = QString());

    db::Connection m_connection;
    db::Recordset m_records;
};
