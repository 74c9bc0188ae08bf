#pragma once

#include <QElapsedTimer>
#include <QWidget>

class FunNGamesCurrentCell;
class FunNGamesOptions;
class IconList;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QScrollArea;
class StatusBar;
class TessixGrid;
struct BeforeCommitEditArgs;
struct BeforeContextMenuArgs;
struct CellMouseArgs;
struct ColHeaderClickArgs;
struct KeyDownArgs;
struct RequestEditArgs;
struct TextEditKeyDownArgs;

// "Fun-n-Games with Tessix": the playground. Generated file-like rows in the grid on the
// left; on the right a panel of options that change the grid at once, the current cell's
// look, repopulating and a few commands; a status line describing the current cell and
// what the pointer does. Controls are public so tests can drive the window.
class frmFunNGames : public QWidget {
    Q_OBJECT
public:
    explicit frmFunNGames(QWidget* parent = nullptr);
    ~frmFunNGames() override;

    // Where "Save Layout" keeps the column layout and the sort.
    static inline const QString SettingsApp = QStringLiteral("Tessix_Demonstrator_FunNGames");
    // More rows than this would not fit in memory; they are refused like a bad number.
    static constexpr int MaxRows = 1000000;

    TessixGrid* grdThis;
    IconList* ilsIcons;
    QScrollArea* picOptions;
    FunNGamesOptions* Options;         // "Appearance", "Grid Lines", "Behaviour"
    FunNGamesCurrentCell* CurrentCell; // "Current Cell"
    // Populate Grid
    QLineEdit* txtRows;
    QPushButton* cmdRepopulate;
    QPushButton* cmdEmpty;
    QCheckBox* chkRandomHeight;
    // Other Features
    QPushButton* cmdAutoRowHeight;
    QCheckBox* chkVisible;
    QPushButton* cmdSetCellValue;
    QPushButton* cmdShowCellValue;
    QPushButton* cmdSaveLayout;
    QPushButton* cmdRestoreLayout;
    QCheckBox* chkTraceMouse;
    StatusBar* StatusBar1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* BuildPanel();
    void ConnectHandlers();
    void Form_Load();
    void PopulateGrid();
    // The status text of a long fill, shown while the handler still runs.
    void ShowProgress(const QString& text);

    void cmdRepopulate_Click();
    void cmdEmpty_Click();
    void cmdAutoRowHeight_Click();
    void chkVisible_Click();
    void cmdSetCellValue_Click();
    void cmdShowCellValue_Click();
    void cmdSaveLayout_Click();
    void cmdRestoreLayout_Click();
    void chkTraceMouse_Click();
    void grdThis_CurCellChange(int row, int col);
    void grdThis_RequestEdit(RequestEditArgs& args);
    void grdThis_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void grdThis_KeyDown(KeyDownArgs& args);
    void grdThis_TextEditKeyDown(TextEditKeyDownArgs& args);
    void grdThis_ColHeaderClick(ColHeaderClickArgs& args);
    void grdThis_ColMouseEnter(int col);
    void grdThis_ColMouseLeave(int col);
    void grdThis_CellMouseMove(CellMouseArgs& args);
    void grdThis_BeforeContextMenu(BeforeContextMenuArgs& args);
    void grdThis_ContextMenuClick(int area, int row, int col, int item);

    bool m_populating = false;
    bool m_closeRequested = false; // closed while populating: closes once the fill ends
    QElapsedTimer m_progressClock; // since the status bar was last painted
};
