#pragma once

#include "components/grid/FontObject.h"
#include "components/grid/GridEvents.h"

#include <QCheckBox>
#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QWidget>

class HyperlinkLabel;
class IconList;
class QPainter;
class TessixGrid;

// The Control Center: the window the program opens first. Its grid lists the sample
// windows as an accordion of six groups, one expanded at a time; an entry's launch button
// opens its sample window. Closing it closes every other window; a window that refuses (its
// save prompt answered so, or a failed save) keeps the launcher open too.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);

    TessixGrid* grdDemos;
    QCheckBox* chkTip;
    HyperlinkLabel* hprlnkExtraSamples;
    IconList* imlSample;
    IconList* imlLaunchBtn;
    IconList* imlTreeBtns;

    // The web page of further samples (also the hyperlink's tooltip).
    static QString ExtraSamplesAddress();

    // Catalogue state, read by the tests.
    int ExpandedGroupRow() const { return m_expandedGroupRow; }
    bool HintsHidden() const { return m_hintsHidden; }
    int HotRow() const { return m_hotRow; }
    int HotCol() const { return m_hotCol; }
    int ButtonState() const { return m_buttonState; }
    // The window's own pointer, shown while the pointer is over a group or a launch button.
    const QCursor& CustomCursor() const { return m_customCursor; }

    // Makes that group the expanded one; the others' entries are hidden.
    void ExpandGroup(int row);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    enum { ButtonIdle = 0, ButtonHot = 1, ButtonPressed = 2 };

    void Form_Load();
    // false when a window refused to close.
    bool Form_Unload();
    void BuildCatalogue();
    void AddGroupRow(const QString& caption, const QString& description);
    void AddSampleRow(const QString& caption, const QString& description, QObject* sampleWindow,
                      bool visible);
    void DrawGroupRow(int row, QPainter& dc, int left, int top, int right, int bottom);
    // A group row or a launch button: the cells that react to the pointer.
    bool IsLaunchTarget(int row, int col) const;
    bool IsLaunchButton(int row, int col) const;
    void LaunchSample(int row);

    void chkTip_Click();
    void hprlnkExtraSamples_Click();
    void grdDemos_CustomDrawCell(CustomDrawCellArgs& args);
    void grdDemos_KeyDown(KeyDownArgs& args);
    void grdDemos_CellMouseEnter(int row, int col);
    void grdDemos_CellMouseLeave(int row, int col);
    void grdDemos_CellMouseDown(CellMouseArgs& args);
    void grdDemos_CellMouseUp(CellMouseArgs& args);
    void grdDemos_RequestCellToolTip(ToolTipArgs& args);

    QPixmap picBackground;
    QCursor m_customCursor;
    // Kept for the window's lifetime, like the device fonts taken from them.
    FontObject CaptionFont;
    FontObject HintFont;
    FontObject EntryFont;
    QFont m_captionFontHandle;
    QFont m_hintFontHandle;

    int m_expandedGroupRow = 1;
    bool m_hintsHidden = false;
    int m_hotRow = 0;
    int m_hotCol = 0;
    int m_buttonState = ButtonIdle;
};
