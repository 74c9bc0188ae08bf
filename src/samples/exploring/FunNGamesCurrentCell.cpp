#include "samples/exploring/FunNGamesCurrentCell.h"

#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>

namespace {

constexpr OleColor WindowBackground = 0x80000005;

// The colour as the label's background, with the caption when the cell has none of its own.
void showColor(QLabel* label, OleColor color, const QString& noColorCaption) {
    const bool none = color == DefaultColor;
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, OleColorToQColor(none ? WindowBackground : color));
    label->setPalette(palette);
    label->setText(none ? noColorCaption : QString());
}

QLabel* colorLabel() {
    auto* label = new QLabel;
    label->setAutoFillBackground(true);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    label->setMinimumWidth(60);
    return label;
}

} // namespace

FunNGamesCurrentCell::FunNGamesCurrentCell(TessixGrid* grid, QWidget* parent)
    : QGroupBox(QStringLiteral("Current Cell"), parent),
      chkBold(new QCheckBox(QStringLiteral("Bold"))),
      chkItalic(new QCheckBox(QStringLiteral("Italic"))), lblBackColor(colorLabel()),
      lblForeColor(colorLabel()), lblFont(new QLabel(QStringLiteral("Label1"))), grdThis(grid) {
    auto* rows = new QGridLayout(this);
    rows->setContentsMargins(6, 2, 6, 4);
    rows->setSpacing(2);
    rows->addWidget(chkBold, 0, 0);
    rows->addWidget(new QLabel(QStringLiteral("BackColor:")), 0, 1);
    rows->addWidget(lblBackColor, 0, 2);
    rows->addWidget(chkItalic, 1, 0);
    rows->addWidget(new QLabel(QStringLiteral("ForeColor:")), 1, 1);
    rows->addWidget(lblForeColor, 1, 2);
    rows->addWidget(new QLabel(QStringLiteral("Font:")), 2, 0);
    rows->addWidget(lblFont, 3, 0, 1, 3);
    rows->setColumnStretch(2, 1);

    for (QCheckBox* box : {chkBold, chkItalic})
        connect(box, &QCheckBox::toggled, this, &FunNGamesCurrentCell::chkFontStyle_Click);
}

void FunNGamesCurrentCell::ShowCell(int row, int col) {
    const bool ok = row != 0 && col != 0;
    chkBold->setEnabled(ok);
    chkItalic->setEnabled(ok);
    if (!ok)
        return;
    const FontObject font = grdThis->CellFont(row, col);
    {
        // Showing the cell's style is not a change of it.
        const QSignalBlocker bold(chkBold);
        const QSignalBlocker italic(chkItalic);
        chkBold->setChecked(font.Bold());
        chkItalic->setChecked(font.Italic());
    }
    showColor(lblForeColor, grdThis->CellForeColor(row, col), QStringLiteral("Default"));
    showColor(lblBackColor, grdThis->CellBackColor(row, col), QStringLiteral("None"));
    lblFont->setText(font.Name() + QStringLiteral(", ") + QString::number(font.Size()));
}

void FunNGamesCurrentCell::chkFontStyle_Click() {
    const int row = grdThis->CurRow();
    const int col = grdThis->CurCol();
    if (row == 0 || col == 0)
        return;
    const FontObject current = grdThis->CellFont(row, col);
    grdThis->SetCellFont(row, col,
                         FontObject(FontData{current.Name(), current.Size(), chkBold->isChecked(),
                                             chkItalic->isChecked()}));
}
