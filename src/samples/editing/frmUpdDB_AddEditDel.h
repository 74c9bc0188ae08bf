#pragma once

#include "components/grid/GridEvents.h"
#include "db/Connection.h"

#include <QHash>
#include <QWidget>

#include <vector>

class QLabel;
class QPushButton;
class TessixGrid;

// "Add, Edit, Delete Records": five columns of the customers, edited in the grid and saved a
// row at a time when the user leaves the row; records added with "Add", Insert, or by typing
// into the "(New)" row that always ends the grid, and deleted with "Delete" or the Delete key.
// Adding and deleting reach the database at once; the window makes the keys, so the ID column
// can be neither edited nor moved.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmUpdDB_AddEditDel : public QWidget {
    Q_OBJECT
public:
    explicit frmUpdDB_AddEditDel(QWidget* parent = nullptr);
    ~frmUpdDB_AddEditDel() override;

    TessixGrid* Tessix1;
    QPushButton* cmdAddRec;
    QPushButton* cmdDelRec;
    QLabel* Label1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    // true when the closing must stop.
    bool Form_QueryUnload();
    void cmdAddRec_Click();
    void cmdDelRec_Click();
    void Tessix1_AfterCommitEdit(int row, int col, const Variant& previousValue);
    void Tessix1_CurRowChange(int newRow, int previousRow);
    void Tessix1_RequestEdit(RequestEditArgs& args);
    void Tessix1_CellDynamicText(CellDynamicTextArgs& args);
    void Tessix1_BeforeColDrag(BeforeColDragArgs& args);
    void Tessix1_KeyDown(KeyDownArgs& args);
    void Tessix1_KeyPress(KeyPressArgs& args);
    void Tessix1_CellDblClick(CellDblClickArgs& args);
    void Tessix1_BeforeSort();
    void Tessix1_AfterSort();

    // Writes the row when it holds changes; false (after telling the user, with the current
    // cell back on the row) when the database refused it.
    bool SaveRow(int row);
    // Makes the "(New)" row a record, in the database first; false (after telling the
    // user) when the database refused it, and then the grid is as before.
    bool AddRecord(bool moveToNew);
    void DeleteRecord();
    bool isNewRecordRow(int row) const;

    db::Connection m_connection;
    // Each record's values as loaded or last saved, by its key: a save writes the record only
    // while it still holds them.
    QHash<QString, std::vector<Variant>> m_stored;
    // The current row holds changes not yet written.
    bool RowChanged = false;
    // Set while a failed save moves the current cell back to its row: the row left then
    // holds no changes of its own, so that move saves nothing.
    bool m_returningToFailedRow = false;
};
