#pragma once

#include <QMetaObject>
#include <QWidget>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class TessixGrid;

// "Selected Items": a test grid of up to 99 999 rows in cell or row mode, single or multiple
// selection; a log of the selection events as they arrive; a menu of commands that change
// the grid under the selection; and the selection as SelItems reads it, with the time the
// read took, at most MaxListed lines.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmSelItems : public QWidget {
    Q_OBJECT
public:
    explicit frmSelItems(QWidget* parent = nullptr);

    static constexpr int MaxListed = 30000;

    TessixGrid* Tessix1;
    QLineEdit* txtRowCount;
    QPushButton* cmdSetRowCount;
    QLabel* lblPopulGrid;
    QCheckBox* chkMultisel;
    QCheckBox* chkRowMode;
    QPushButton* cmdTestCmds;
    QMenu* mnuTestCmds;
    // Indexes 1 to 6 as the menu shows them; element 0 is unused.
    QList<QAction*> mnuTestCmd;
    QListWidget* lstSelEvents;
    QCheckBox* chkMonitorBeforeAfter;
    QCheckBox* chkMonitorCellSel;
    QLabel* lblWarnCellSelChange;
    QCheckBox* chkMonitorCurCellChange;
    QPushButton* cmdClearEventLog;
    QListWidget* lstSelectedItems;
    QCheckBox* chkSorted;
    QCheckBox* chkUpdateSelList;
    QPushButton* cmdShowSelectedItems;
    QLabel* lblGotIn;
    QLabel* lblPopulListbox;

private:
    void Form_Load();
    void cmdSetRowCount_Click();
    void chkMultisel_Click();
    void chkRowMode_Click();
    void chkMonitorCellSel_Click();
    void chkUpdateSelList_Click();
    void chkSorted_Click();
    void cmdTestCmds_Click();
    void mnuTestCmd_Click(int index);
    void cmdClearEventLog_Click();
    void cmdShowSelectedItems_Click();
    void Tessix1_BeforeSelectionChange();
    void Tessix1_AfterSelectionChange(bool bSelContentsChanged);
    void Tessix1_CellSelectionChange(int lRow, int lCol, bool bSelected);
    void Tessix1_CurCellChange(int lRow, int lCol);

    void numberRows(int from, int to);
    void refreshIfAutomatic();

    // Only while it is monitored: the grid then skips an event per selected cell, which
    // selecting everything of a large grid would otherwise raise half a million times.
    QMetaObject::Connection m_cellSelConnection;
};
