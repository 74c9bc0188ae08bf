#pragma once
// The playground's "Current Cell" group: the current cell's bold and italic (which the user
// can change there) and read-outs of its colours and font.

#include <QGroupBox>

class QCheckBox;
class QLabel;
class TessixGrid;

class FunNGamesCurrentCell : public QGroupBox {
    Q_OBJECT
public:
    explicit FunNGamesCurrentCell(TessixGrid* grid, QWidget* parent = nullptr);

    QCheckBox* chkBold;
    QCheckBox* chkItalic;
    QLabel* lblBackColor;
    QLabel* lblForeColor;
    QLabel* lblFont;

    // Shows the cell's font and colours; row or col 0 (no current cell) disables the boxes.
    void ShowCell(int row, int col);

private:
    // Either box: the current cell gets a new font with the boxes' bold and italic.
    void chkFontStyle_Click();

    TessixGrid* grdThis;
};
