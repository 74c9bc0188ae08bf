#pragma once

#include "components/grid/FontObject.h"
#include "components/grid/GridEvents.h"
#include "components/grid/GridTypes.h"

#include <QMainWindow>
#include <QPixmap>

#include <optional>

class IconList;
class QAction;
class QCheckBox;
class QMenu;
class QRadioButton;
class TessixGrid;

// "My Customers Demo": the customer list of Data/CustList.txt in a grid, edited in place
// (drop-down lists with icons for the type and the country, a check box for patrons, text
// elsewhere), saved on request, with filters, groupings, total rows and view options offered
// both on the toolbar and in the menus.
class frmMyCustomers : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMyCustomers(QWidget* parent = nullptr);

    // Where the window keeps its layout in the settings store.
    static inline const QString SettingsApp = QStringLiteral("Tessix_Demonstrator_Customers");
    static inline const QString LayoutSection = QStringLiteral("Layout");

    // The customer file: the Data folder + "/CustList.txt".
    static QString CustomersFilePath();

    QWidget* picToolbar;
    QRadioButton* optGrpTypes;
    QRadioButton* optGrpCountries;
    QRadioButton* optGrpNo;
    QRadioButton* optFiltDebt;
    QRadioButton* optFiltFin;
    QRadioButton* optFiltAll;
    QCheckBox* chkTotals;
    TessixGrid* grdCust;
    IconList* imlTypes;
    IconList* imlFlags;
    IconList* imlHdr;

    QAction* mnuFileSave;
    QAction* mnuFileReload;
    QAction* mnuFileExit;
    QAction* mnuGrpTypes;
    QAction* mnuGrpCountries;
    QAction* mnuGrpNo;
    QAction* mnuFiltDebt;
    QAction* mnuFiltFin;
    QAction* mnuFiltAll;
    QAction* mnuColsShort;
    QAction* mnuColsAll;
    QAction* mnuViewTxt8;
    QAction* mnuViewTxt10;
    QAction* mnuViewTotals;
    QAction* mnuTlsFitH;
    QAction* mnuTlsFitW;
    QAction* mnuSaveLayout;
    QAction* mnuRestLayout;
    QAction* mnuOptRow;
    QAction* mnuOptFocusRect;
    QAction* mnuOptBackgrPic;
    QAction* mnuKeyPrsEdit;
    QAction* mnuKeyPrsSrch;

    // The font of group and total rows (Arial, 9 points at load).
    FontObject GroupFont() const { return m_groupFont; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum class Filter { All, Debtors, Finland };
    enum class Grouping { None, Types, Countries };

    void BuildMenus();
    void BuildToolbar();
    void Form_Load();
    void LoadCustomers();
    bool SaveCustomers();
    // Before a save over a file that was not read completely: asks, and moves the file to a
    // backup beside it. The backup's path ("" when none was needed), or nothing when the
    // save must not go on.
    std::optional<QString> SetIncompleteFileAside(const QString& path);
    void GenerateIdFromName();

    // Views (group rows and total rows are both grid group rows; total rows carry a tag).
    void RemoveGroupRows();
    void RemoveTotalRows();
    void GroupByColumn(const QString& key);
    void ApplyGrouping();
    void AddTotalRows();
    int InsertGroupRow(int before, int height);
    void SetGroupRowLook(int row, const QString& text, OleColor backColor, int alignment);
    void ApplyFilter(Filter filter);
    void ApplyGroupingChoice(Grouping grouping);
    void SetTextSize(int points);
    void ShowColumns(bool all);
    void SetKeyPressMode(bool search);

    void mnuFileSave_Click();
    void mnuFileReload_Click();
    void chkTotals_Click();
    void mnuSaveLayout_Click();
    void mnuRestLayout_Click();
    void grdCust_RequestEdit(RequestEditArgs& args);
    void grdCust_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void grdCust_AfterCommitEdit(int row, int col, const Variant& previousValue);
    void grdCust_RequestColHeaderToolTip(ToolTipArgs& args);
    void grdCust_BeforeContextMenu(BeforeContextMenuArgs& args);
    void grdCust_ContextMenuClick(int area, int row, int col, int item);

    QPixmap picBackground;
    FontObject m_groupFont;
    // What saving would drop from the file as loaded; empty when it was read completely.
    QString m_loadLoss;
};
