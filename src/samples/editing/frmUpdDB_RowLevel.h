#pragma once

#include "db/Connection.h"
#include "runtime/Variant.h"

#include <QWidget>

#include <vector>

class QLabel;
class QListWidget;
class TessixGrid;

// "Updating Database through Direct Connection - Row-Level Editing": the Customers table
// loaded once into a grid; the edits of a row are written with one UPDATE statement on the
// connection when the user leaves the row, and closing with an edited row offers to save it.
// A save writes only over a record that still holds what the row showed when it was loaded
// or last saved, so a change made meanwhile elsewhere is reported, not overwritten.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmUpdDB_RowLevel : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdDB_RowLevel(QWidget* parent = nullptr);

    TessixGrid* Tessix1;
    QLabel* Label1;
    QListWidget* List1;

    // Some cell of the current row changed since the row was last saved.
    bool RowChanged() const { return m_rowChanged; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_QueryUnload(bool& cancel);
    void Tessix1_AfterCommitEdit(int row, int col, const Variant& previousValue);
    void Tessix1_CellCheckChange(int row, int col, int previousState);
    void Tessix1_CurRowChange(int newRow, int previousRow);
    void SaveRow(int row, bool& ok);
    // The row's values as a save writes them: check boxes by their state.
    std::vector<Variant> RowValues(int row) const;

    db::Connection m_connection;
    bool m_rowChanged = false;
    // Each row's values as loaded or last saved (index row - 1).
    std::vector<std::vector<Variant>> m_savedRows;
};
