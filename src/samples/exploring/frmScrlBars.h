#pragma once

#include <QList>
#include <QWidget>

#include <memory>

class GridScrollBar;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TessixGrid;
class frmScrlBarToolTip;

// "Playing with Scroll Bars": a sample grid whose two scroll bars are read and changed from a
// panel (value, display mode, enabled, their figures), and a log of every scroll-bar event
// the grid raises, the latest MaxLogRows kept. While a scroll box is dragged a small window
// beside the grid shows the position.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window. The two frames work alike, so their handlers take the bar (0
// horizontal, 1 vertical).
class frmScrlBars : public QWidget {
    Q_OBJECT
public:
    explicit frmScrlBars(QWidget* parent = nullptr);
    ~frmScrlBars() override;

    static constexpr int MaxLogRows = 1000;

    // The tooltip window while a scroll box is dragged; null otherwise.
    frmScrlBarToolTip* ToolTip() const { return m_toolTip.get(); }

    QLabel* Label1;
    TessixGrid* Tessix1;
    QWidget* picInfo;
    // Indexes 1 and 2 as in the design; element 0 is unused.
    QList<QLabel*> Label2;
    QGroupBox* Frame2; // horizontal
    QLineEdit* txtHSBValue;
    QPushButton* cmdSetHSBValue;
    QList<QRadioButton*> optHSBDispMode; // index = DisplayMode
    QCheckBox* chkHScrlBarEnabled;
    QPushButton* cmbShowHSBInfo;
    QGroupBox* Frame1; // vertical
    QLineEdit* txtVSBValue;
    QPushButton* cmdSetVSBValue;
    QList<QRadioButton*> optVSBDispMode;
    QCheckBox* chkVScrlBarEnabled;
    QPushButton* cmdShowVSBInfo;
    TessixGrid* grdEvents;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void cmdSetValue_Click(int bar);
    void optDispMode_Click(int bar, int index);
    void chkScrlBarEnabled_Click(int bar);
    void cmdShowInfo_Click(int bar);
    void Tessix1_ScrollBarBeforeScroll(int bar, int reason, bool mouseWheel);
    void Tessix1_ScrollBarPosChanged(int bar, int value);
    void Tessix1_ScrollBarThumbTrack(int bar, int value);
    void Tessix1_ScrollBarEndScroll(int bar);

    void AddLogEntry(int bar, const QString& eventName, const QString& params);
    void showToolTip(int bar);
    GridScrollBar& scrollBar(int bar) const;
    QLineEdit* valueBox(int bar) const;

    std::unique_ptr<frmScrlBarToolTip> m_toolTip;
    bool ToolTipShown = false;
};
