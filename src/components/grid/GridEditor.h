#pragma once
// Editing cells in place: the text editor (a single-line QLineEdit, or a QPlainTextEdit for
// word-wrapped cells) placed over the cell, the drop-down list of combo cells, check-box
// toggles, what typing does (start an edit or search) and the popup menus. Every change
// the user makes goes through the commit protocol: BeforeCommitEdit (result 1 store,
// 0 keep the old value, 2 keep the editor open when canStay), the value stored,
// AfterCommitEdit, then EditEnd when an editor closes. Program-made writes raise none of it.
//
// The input unit calls the hooks below at the points where the grid's own handling of a
// key or click goes on, so KeyDown, KeyPress, CellClick and CellDblClick come first.

#include "components/grid/GridComboLists.h"
#include "components/grid/GridContextMenu.h"
#include "components/grid/GridEvents.h"
#include "components/grid/GridSearch.h"

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <optional>

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class GridComboPopup;
class TessixGrid;
struct GridChange;

// KeyPressBehaviour codes.
enum GridKeyPressBehaviour : int {
    TypingModeNone = 0,
    TypingModeAppend = 1,
    TypingModeReplace = 2,
    TypingModeSearchCurCol = 3,
    TypingModeSearchCol = 4
};

// The check state a value shows in a check-box cell: 0 / False unchecked, 2 grayed in a
// three-state cell, any other number / True checked. Empty, Null and text that is not a
// number leave `current`.
int checkStateForValue(const Variant& value, bool threeState, int current);
// A three-state check box: CellStyleFlags bit 16.
constexpr quint32 ThreeStateStyleFlag = 16;

class GridEditor : public QObject {
    Q_OBJECT
public:
    explicit GridEditor(TessixGrid& grid);
    ~GridEditor() override;

    bool Editable() const { return m_editable; }
    void SetEditable(bool on);
    int KeyPressBehaviour() const { return m_keyPressBehaviour; }
    void SetKeyPressBehaviour(int mode); // 0..4; other values are ignored
    int KeyPressSearchCol() const { return m_searchCol; }
    void SetKeyPressSearchCol(int col) { m_searchCol = col; }
    bool SearchFromCurRow() const { return m_searchFromCurRow; }
    void SetSearchFromCurRow(bool on) { m_searchFromCurRow = on; }
    bool CyclicSearch() const { return m_cyclicSearch; }
    void SetCyclicSearch(bool on) { m_cyclicSearch = on; }
    ComboLists& comboLists() { return m_comboLists; }
    const ComboLists& comboLists() const { return m_comboLists; }
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
    // A value written by the program: a check box shows it (no events).
    void valueWritten(int row, int col, const Variant& value);
    bool comboButtonShown(int row, int col) const;
    std::pair<const IconList*, int> comboEntryIcon(int row, int col) const;

    // ----- Hooks of the input unit -----
    // A key for the grid after KeyDown, before navigation: F2, F4, Alt+Down, and keys that
    // reach the grid while an editor is open. True when handled.
    bool gridKey(QKeyEvent* e);
    // A character after KeyPress (0 when the handler dropped it).
    void typed(int keyAscii);
    // After CellClick / CellDblClick (viewport point of the click).
    void cellClicked(int row, int col, const QPoint& pos);
    void cellDoubleClicked(const CellDblClickArgs& args);
    // Rows moved or went: the open editor follows its cell or is cancelled.
    void storeChanged(const GridChange& change);

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

    bool editableCell(int row, int col) const;
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
    void focusChanged(QWidget* old, QWidget* now);
    void search(QChar ch);

    TessixGrid& m_grid;
    ComboLists m_comboLists;
    GridContextMenus m_menus;
    GridSearch m_search;
    bool m_editable = true;
    int m_keyPressBehaviour = TypingModeReplace;
    int m_searchCol = 0;
    bool m_searchFromCurRow = false;
    bool m_cyclicSearch = false;

    std::optional<Session> m_session;
    int m_serial = 0;
    int m_busy = 0;            // raising an event that may move the focus (message boxes, menus)
    bool m_forwarding = false; // handing a key that reached the grid to the open editor
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
