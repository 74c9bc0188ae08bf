#pragma once

#include <QWidget>

#include <optional>

class FontObject;
class IconList;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class TessixGrid;

// "Customizing Tessix Header": every header option of the grid on one panel, each applied
// the moment it changes: the header-wide look and behaviour, the sort marks, colours, fonts
// and height, and the settings of the current column's header. Nothing is saved.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmCustomizeHeader : public QWidget {
    Q_OBJECT
public:
    explicit frmCustomizeHeader(QWidget* parent = nullptr);

    TessixGrid* Tessix1;
    QWidget* Picture1;
    IconList* IconList1;
    // Appearance & Behaviour
    QCheckBox* chkXPStyles;
    QLabel* lblNoXPStyles;
    QLabel* Label3;
    QCheckBox* chkDragCols;
    QCheckBox* chkBtns;
    QCheckBox* chkFlat;
    QCheckBox* chkColImg;
    QCheckBox* chkHotTrack;
    QCheckBox* chkHotTrackText;
    QCheckBox* chkHotTrackIcon;
    QCheckBox* chkHotTrackSortInfo;
    QPushButton* cmdHotTrackForeColor;
    // Sorted Columns Info
    QComboBox* cboSortInfo;
    QPushButton* cmdSortInfoFont;
    QPushButton* cmdSolidSortIconColor;
    // Entire Header Colors and Font
    QPushButton* cmdBackColor;
    QPushButton* cmdForeColor;
    QPushButton* cmdItemTextFont;
    // Header Height & Width of Items
    QLineEdit* txtHeight;
    QPushButton* cmdApplyHdrHeight;
    QPushButton* cmdAutoHeight;
    QPushButton* cmdAutoWidth;
    QCheckBox* chkAutoWidthWithHdr;
    // Current Column Header
    QLabel* Label4;
    QPlainTextEdit* txtItemText;
    QPushButton* cmdApplyItemText;
    QCheckBox* chkItemWordWrap;
    QCheckBox* chkItemSingleLine;
    QCheckBox* chkItemEndEllipsis;
    QRadioButton* optHAlignLeft;
    QRadioButton* optHAlignCenter;
    QRadioButton* optHAlignRight;
    QRadioButton* optVAlignTop;
    QRadioButton* optVAlignCenter;
    QRadioButton* optVAlignBottom;
    QPushButton* cmdItemBackColor;
    QPushButton* cmdItemForeColor;
    QCheckBox* chkItemAllowSizing;

private:
    QWidget* BuildPanel();
    void ConnectHandlers();
    void Form_Load();
    bool CheckColSelected();
    void EnableNonOSStyleOptions();
    void CheckOSStyleAvailability();
    void ApplyColHeaderSettings();
    void SetHotTrackFlag(int flag, const QCheckBox* box);
    // The colour the user chose in a colour dialog that starts at `current`; none on Cancel.
    std::optional<quint32> ChooseColor(quint32 current);
    void EditHeaderFont(FontObject font);

    void chkXPStyles_Click();
    void chkColImg_Click();
    void cboSortInfo_Click();
    void cmdApplyHdrHeight_Click();
    void cmdAutoHeight_Click();
    void Tessix1_CurColChange(int newCol, int prevCol);
    void chkItemAllowSizing_Click();
    void cmdApplyItemText_Click();

    bool FillingPanel = false;
};
