#pragma once

#include "components/grid/GridEvents.h"

#include <QPixmap>
#include <QWidget>

class QCheckBox;
class QLabel;
class TessixGrid;

// "Custom Sorting": 25 computers whose IP addresses and RAM sizes sort by what they mean
// (the grid asks the window through CustomSort) while the cells keep the texts as typed;
// odd and even rows in colours of their own under a flat header with its own colours; a
// check box that hides the computers with less than 512 Mb.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmCustomSort : public QWidget {
    Q_OBJECT
public:
    explicit frmCustomSort(QWidget* parent = nullptr);

    // The sort keys, computed from the texts shown and never stored.
    // Each part of a dotted address padded to three digits: "7.213.45.198" gives
    // "007.213.045.198", so the keys compare as texts in the addresses' order.
    static QString IPSortKey(const QString& text);
    // The size in megabytes: the leading number, times 1024 when the text ends with "Gb"
    // ("512Mb" 512, "1Gb" 1024), rounded to a whole number; 0 without a leading number.
    static int RAMInMegabytes(const QString& text);

    QLabel* Label1;
    QLabel* Label2;
    TessixGrid* Tessix1;
    QCheckBox* chkFiltMem;
    // The grid's background tile.
    QPixmap picBackground;

private:
    void Form_Load();
    void FillComputers();
    void chkFiltMem_Click();
    void Tessix1_CustomSort(CustomSortArgs& args);
};
