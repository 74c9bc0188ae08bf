#pragma once

#include "components/grid/FontObject.h"
#include "components/grid/GridEvents.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TessixGrid;

// "Formatting Cells Dynamically": 10 000 rows of sales figures, stored once, whose look is
// decided only while a cell is drawn: country names in full or short from the stored
// country IDs, sales in one of three number formats, rows of US companies and sales cells
// not below a limit highlighted. An option change redraws the visible cells and touches no
// row, so it costs the same whatever the number of rows.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmCellDynamicFmt : public QWidget {
    Q_OBJECT
public:
    explicit frmCellDynamicFmt(QWidget* parent = nullptr);

    // The highlight limit in whole thousands.
    int SalesLimit() const { return m_salesLimit; }

    QLabel* lblInfo;
    TessixGrid* Tessix1;
    QWidget* Picture1;
    QLabel* lblHighlight;
    QCheckBox* chkHlRowsUSA;
    QCheckBox* chkHlCellsSales;
    QLabel* lblThan;
    QLineEdit* txtSalesLimit;
    QPushButton* cmdMinus;
    QPushButton* cmdPlus;
    QLabel* lblThousands;
    QLabel* lblCountryNames;
    QRadioButton* optCntryFull;
    QRadioButton* optCntryShort;
    QLabel* lblSalesFormat;
    QRadioButton* optFmtNone;
    QRadioButton* optFmtPredef;
    QRadioButton* optFmtRegional;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    struct Country {
        QString full;
        QString shortForm;
    };

    void Form_Load();
    void Form_Resize();
    void FillSales();
    const Country* CountryOf(const Variant& id) const;
    void Tessix1_RowDynamicFormat(RowDynamicFormatArgs& args);
    void Tessix1_CellDynamicFormat(CellDynamicFormatArgs& args);
    void Tessix1_CellDynamicText(CellDynamicTextArgs& args);
    void cmdMinus_Click();
    void cmdPlus_Click();
    void txtSalesLimit_Change();

    int m_salesLimit = 0;
    std::vector<Country> m_countries; // index + 1 = the stored country ID
    FontObject m_usRowFont;
    FontObject m_salesCellFont;
    int m_countryCol = 0;
    int m_salesCol = 0;
};
