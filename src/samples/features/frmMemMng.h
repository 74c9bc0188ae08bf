#pragma once
// "Memory Manager Tester". Controls and handlers carry the names the demo's documentation
// gives them (txtCols, cmdRepopulate, grdRes, cmdRepopulate_Click...), and the controls are
// public so tests can drive them.

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class TessixGrid;

// Times how long the grid takes to receive a number of rows, one AddRow at a time, for a
// number of columns and a reserve of pre-allocated rows, and lists one line per run.
class frmMemMng : public QWidget {
    Q_OBJECT
public:
    explicit frmMemMng(QWidget* parent = nullptr);

    // The limits the boxes take when they lose the focus.
    static constexpr int MaxCols = 512;
    static constexpr int MaxRows = 100000;
    static constexpr int MaxWantFreeRows = 10000;

    QLineEdit* txtCols;
    QLineEdit* txtRows;
    QLineEdit* txtRowsChunk;
    QPushButton* cmdRepopulate;
    QLabel* lblStatus;
    TessixGrid* grdTest;
    TessixGrid* grdRes;
    QPushButton* cmdClearRes;

private:
    void Form_Load();
    void cmdRepopulate_Click();
    void cmdClearRes_Click();
    void txtCols_Validate();
    void txtRows_Validate();
    void txtRowsChunk_Validate();
};
