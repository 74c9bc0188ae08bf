#pragma once
// Editing cells in place: the text editor (a single-line QLineEdit, or a QPlainTextEdit for
// word-wrapped cells) placed over the cell, the drop-down list of combo cells, check-box
// toggles, what typing does (start an edit or search) and the popup menus. Every change
// the user makes goes through the commit protocol: BeforeCommitEdit (result 1 store,
// 0 keep the old value, 2 keep the editor open when canStay), the value stored,
// AfterCommitEdit, then EditEnd when an editor closes. Program-made writes raise none of it.
//
// The input unit hands on its cell actions at the points where the grid's own handling of
// a key or click goes on, so KeyDown, KeyPress, CellClick and CellDblClick come first.

#include "core/GridInternal.h"

#include "components/grid/GridContextMenu.h"
#include "components/grid/GridEvents.h"
#include "core/GridFeature.h"
#include "input/GridCellActions.h"
#include "input/GridSearch.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class GridComboPopup;
struct GridContext;

class GridEditor : public QObject, public GridFeature, public GridCellActions {
    Q_OBJECT
public:
    explicit GridEditor(const GridContext& context);
    ~GridEditor() override;

    void SetEditable(bool on); // read back from the options
    int KeyPressBehaviour() const { return m_keyPressBehaviour; }
    void SetKeyPressBehaviour(int mode); // 0..4; other values are ignored
    int KeyPressSearchCol() const { return m_searchCol; }
    void SetKeyPressSearchCol(int col) { m_searchCol = col; }
    bool SearchFromCurRow() const { return m_searchFromCurRow; }
    void SetSearchFromCurRow(bool on) { m_searchFromCurRow = on; }
    bool CyclicSearch() const { return m_cyclicSearch; }
    void SetCyclicSearch(bool on) { m_cyclicSearch = on; }
    GridContextMenu& contextMenu(int area) { return m_menus.menu(area); }

    // The open text editor ("" / 0 when none); writing puts text into it, committed later
    // like typed text.
    QString EditText() const;
    void SetEditText(const QString& text);
    int EditSelStart() const;
    // Commits the open text editor (canStay True) or chooses the highlighted entry of an
    // open list. Returns whether no editor is open afterwards.
    bool CommitEdit();
    void CancelEdit(); // closes without storing (EditEnd follows)
    // Opens the editor of a cell as F2 does; false when it did not open.
    bool StartEdit(int row, int col);
    bool isEditing() const { return m_session.has_value(); }
    int editRow() const { return m_session ? m_session->row : 0; }
    int editCol() const { return m_session ? m_session->col : 0; }
    QWidget* editorWidget() const;      // the open text editor, nullptr when none
    GridComboPopup* comboPopup() const; // the open drop-down list, nullptr when none

    // Toggles a check box as the user does (through the commit events).
    void toggleCheckBox(int row, int col);
    // The current cell moves to (row, col), before CurCellChange: a move made by the
    // program while the editor is open commits the edit first.
    void currentCellMoving(int row, int col);

    // GridCellActions
    // A key for the grid after KeyDown, before navigation: F2, F4, Alt+Down, and keys that
    // reach the grid while an editor is open.
    bool gridKey(QKeyEvent* e) override;
    void typed(int keyAscii) override; // starts an edit or searches
    void cellClicked(int row, int col, const QPoint& pos) override;
    bool cellDoubleClicked(const CellDblClickArgs& args) override;
    // GridFeature: rows moved or went; the open editor follows its cell or is cancelled.
    void storeChanged(const GridChange& change) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Session {
        int serial = 0;
        int row = 0;
        int col = 0;
        int kind = EditKindText;
        QString startText;
        bool fromCellText = false; // the editor started with the cell's shown text
        Variant oldValue;
        int maxLength = 0;
        bool upperCase = false;
        bool multiLine = false;
    };
    enum class After { Stay, Up, Down, Left, Right, Next, Prev };

    bool isComboCell(int row, int col) const;
    bool isCheckBoxCell(int row, int col) const;
    bool openText(int row, int col, int keyAscii);
    bool openList(int row, int col, QChar jump);
    void listFinished(int serial, int index);
    bool commitText(bool canStay);
    void commitAndMove(After after);
    // Raises BeforeCommitEdit; returns the result and the value the handler left.
    int raiseBeforeCommit(BeforeCommitEditArgs& args);
    void endSession(); // closes the widgets; no events
    bool sameSession(int serial) const { return m_session && m_session->serial == serial; }
    QString editorText() const;
    void placeEditor();
    bool editorKey(QKeyEvent* e);
    bool editorChar(QKeyEvent* e);
    bool checkBoxHit(int row, int col, const QPoint& pos) const;
    bool comboButtonHit(int row, int col, const QPoint& pos) const;
    void gridContextMenu(const QPoint& pos, const QPoint& globalPos);
    void editorContextMenu(const QPoint& pos, const QPoint& globalPos);
    void appFocusChanged(QWidget* old, QWidget* now);
    void search(QChar ch);

    const GridContext& m_context;
    GridContextMenus m_menus;
    GridSearch m_search;
    int m_keyPressBehaviour = TypingModeReplace;
    int m_searchCol = 0;
    bool m_searchFromCurRow = false;
    bool m_cyclicSearch = false;

    std::optional<Session> m_session;
    int m_serial = 0;
    int m_busy = 0;            // raising an event that may move the focus (message boxes, menus)
    bool m_forwarding = false; // handing a key that reached the grid to the open editor
    // The last key the editor saw and left to its parents: the grid takes it for its own
    // when it arrives there, instead of handing it to the editor a second time.
    struct LeftKey {
        const QKeyEvent* event = nullptr;
        quint64 timestamp = 0;
        int key = 0;
    };
    LeftKey m_leftKey;
    QPointer<QLineEdit> m_line;
    QPointer<QPlainTextEdit> m_multi;
    QPointer<GridComboPopup> m_popup;

    // A click on the current cell edits it once the double-click time has passed.
    QTimer m_clickEdit;
    int m_clickRow = 0;
    int m_clickCol = 0;
    bool m_pressOnCurrent = false;
    bool m_skipClick = false; // the click that ends a double click
};
