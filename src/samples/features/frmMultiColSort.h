#pragma once

#include <QStringList>
#include <QWidget>

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;
class TessixGrid;

// "Multi Columns Sort Demo": 100 random orders in a read-only grid that sorts by several
// columns at once (a header click sorts, Shift, Ctrl or Alt + click adds the column to the
// sort; the grid does all of it), and a choice of how the header marks the sort columns.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmMultiColSort : public QWidget {
    Q_OBJECT
public:
    explicit frmMultiColSort(QWidget* parent = nullptr);

    // The ten companies the orders come from.
    const QStringList& CompanyNames() const { return m_companies; }

    std::array<QLabel*, 2> Label1;
    TessixGrid* Tessix1;
    QGroupBox* Frame1;
    QRadioButton* optSortInfoNumIcon;
    QRadioButton* optSortInfoOnlyIcon;
    QRadioButton* optSortInfoNone;

private:
    void Form_Load();
    void FillOrders();
    void optSortInfoNone_Click();
    void optSortInfoOnlyIcon_Click();
    void optSortInfoNumIcon_Click();

    QStringList m_companies;
};
