#pragma once

#include "components/grid/FontObject.h"
#include "components/grid/GridEvents.h"

#include <QDate>
#include <QWidget>

#include <optional>

class GroupingCriteria;
class IconList;
class QCheckBox;
class QPushButton;
class QRadioButton;
class TessixGrid;

// "Outlook Style Grid Demonstration": a mailbox of generated messages in the manner of a
// desktop mail reader (icon columns, bold unread messages, a blue preview of the body under
// each row, a column chooser, a popup menu to mark messages read or unread or delete them,
// the whole body as a tooltip), grouped on request into bands by up to three columns.
// Controls and handlers carry the names the demo's documentation uses.
class frmOutlookDemo : public QWidget {
    Q_OBJECT
public:
    // today: the day the messages are dated back from and the date bands count from; the
    // current date when none.
    explicit frmOutlookDemo(QWidget* parent = nullptr, std::optional<QDate> today = std::nullopt);

    TessixGrid* grdMain;
    QWidget* picOptions;
    TessixGrid* grdCols;
    TessixGrid* grdGrp;
    QPushButton* cmdApplyGrouping;
    QPushButton* cmdUngroup;
    QCheckBox* chkGroupRowsExpanded;
    QRadioButton* optPreviewNone;
    QRadioButton* optPreviewUnread;
    QRadioButton* optPreviewAll;
    QCheckBox* chkPreview2Lines;
    IconList* imlMain;
    IconList* imlHeader;
    IconList* imlGrpCrit;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void BuildSidePanel();
    void Form_Load();
    void Form_Resize();
    void SetupMessageGrid();
    void FillSampleMessages();
    void SetupSidePanel();
    void SetupColumnChooser();

    bool IsUnread(int row) const;
    void MarkUnread(int row);
    void MarkRead(int row);
    void ComputeMaxPreviewHeight();
    void UpdateRowPreview(int row);
    void UpdateAllPreviews();
    void UpdatePreviewStart();
    bool AnyMessageSelected() const;

    void cmdApplyGrouping_Click();
    void cmdUngroup_Click();
    void chkGroupRowsExpanded_Click();
    void grdMain_BeforeColDrag(BeforeColDragArgs& args);
    void grdMain_ColHeaderDragOver(ColHeaderDragOverArgs& args);
    void grdMain_AfterColMove();
    void grdMain_AfterColResize();
    void grdMain_RequestCellToolTip(ToolTipArgs& args);
    void grdMain_BeforeContextMenu(BeforeContextMenuArgs& args);
    void grdMain_ContextMenuClick(int area, int row, int col, int item);
    void grdMain_GetGroupValue(GetGroupValueArgs& args);
    void grdMain_AfterGroupRowCreate(int row);
    void grdCols_CellCheckChange(int row, int col, int previousState);

    const QDate m_today;
    GroupingCriteria* m_criteria;
    int TwoLinePreviewHeight = 0;
    int MaxPreviewHeight = 0;
    FontObject UnreadFont;
};
