#pragma once
// The playground's "Appearance", "Grid Lines" and "Behaviour" groups: every control writes
// its grid setting the moment it changes. PushToGrid runs every handler once, so the grid
// is in the state the panel shows.

#include <QPixmap>
#include <QWidget>

#include <functional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLayout;
class QPushButton;
class QRadioButton;
class TessixGrid;

// The look of every group of the playground's panel: a titled frame, tight margins.
QGroupBox* OptionGroup(const QString& title, QLayout* layout);

class FunNGamesOptions : public QWidget {
    Q_OBJECT
public:
    FunNGamesOptions(TessixGrid* grid, QPixmap background, QWidget* parent = nullptr);

    // Appearance
    QCheckBox* chkXPStylesContents;
    QLabel* lblNoXPStCont;
    QCheckBox* chkXPStylesHeader;
    QLabel* lblNoXPStHdr;
    QCheckBox* chkHeader;
    QCheckBox* chkBackground;
    QCheckBox* chkHeaderButtons;
    QCheckBox* chkHighlightSelIcons;
    QPushButton* cmdAllHdrOpt;
    QCheckBox* chkHighlightSelCells;
    QRadioButton* optBorderNone;
    QRadioButton* optBorderThin;
    QRadioButton* optBorder3D;
    QCheckBox* chkShowFocusRect;
    QComboBox* cmbFocusRect;
    QComboBox* cmbFocusRectThickness;
    QCheckBox* chkShowControlsInAllCells;
    QCheckBox* chkAlphaBlendSel;
    QLabel* lblNoAlphaBlendSel;
    // Grid Lines
    QComboBox* cmbGridLines;
    QComboBox* cmbGridLineDrag;
    // Behaviour
    QCheckBox* chkEditable;
    QCheckBox* chkMultiselect;
    QCheckBox* chkRowMode;
    QCheckBox* chkEnabled;
    QCheckBox* chkDisIco;
    QCheckBox* chkInterceptTab;
    QComboBox* cmbKeyPressBehaviour;
    QCheckBox* chkSearchFromCurRow;
    QCheckBox* chkCyclicSearch;

    // Runs every control's handler, in panel order.
    void PushToGrid();
    // Features the desktop lacks are unchecked, disabled and marked "(not possible)".
    void CheckOSStyleAvailability();
    void CheckAlphaBlendAvailability();

private:
    QWidget* BuildAppearance();
    QWidget* BuildGridLines();
    QWidget* BuildBehaviour();
    void ConnectHandlers();
    // Connects the handler to the box and keeps it for PushToGrid.
    void OnToggled(QCheckBox* box, std::function<void(bool on)> handler);
    void OnChosen(QComboBox* list, std::function<void(int index)> handler);
    void OnSelected(QRadioButton* option, std::function<void()> handler);

    void cmbKeyPressBehaviour_Click(int index);
    void cmdAllHdrOpt_Click();

    TessixGrid* grdThis;
    QPixmap m_background;
    std::vector<std::function<void()>> m_handlers;
};
