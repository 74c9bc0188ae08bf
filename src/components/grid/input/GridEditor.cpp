// Editing in place.
//
// Sections, in file order:
//   Construction                    watching the widget, its viewport and the focus
//   Settings                        Editable, KeyPressBehaviour
//   What a cell allows              combo and check-box cells
//   Starting an edit                StartEdit, the text editor, the drop-down list
//   Committing                      the commit protocol, CommitEdit, CancelEdit, moving on
//   The open editor                 its text, caret and place over the cell
//   Keys in the editor              TextEditKeyDown, Esc, Enter, Tab, arrows, EditKeyPress
//   Cell actions: keys, typing, clicks  what the input unit hands on; typing search
//   Check boxes and drop-down buttons   hit tests, toggling through the commit protocol
//   Rows that move                  the open editor follows its row or is cancelled
//   Menus                           BeforeContextMenu, ContextMenuClick
//   Events of the grid, its viewport and the editors  presses, hides, focus changes
//
// Call flow of a typed edit:
//   GridInput::keyPress -> KeyDown -> gridKey (F2 opens) / KeyPress -> typed -> openText
//     -> RequestEdit -> the line editor shows; its keys -> editorKey -> TextEditKeyDown
//   Enter -> commitAndMove -> commitText(canStay) -> raiseBeforeCommit -> BeforeCommitEdit
//     -> writeCellValue -> AfterCommitEdit -> EditEnd; then GridCurrentCell::set moves on

#include "input/GridEditor.h"

#include "components/grid/GridComboLists.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"
#include "core/GridSettings.h"
#include "input/GridComboPopup.h"
#include "input/GridCurrentCell.h"
#include "input/GridKeyCodes.h"
#include "input/GridNavigation.h"
#include "input/GridSelection.h"
#include "model/GridCellWrite.h"
#include "model/GridStore.h"
#include "view/GridCellControls.h"
#include "view/GridGeometry.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <cmath>

namespace {

// The value an edited text stands for: the cell's current type when the text converts to
// it (numbers, dates, Booleans, money), otherwise the text itself. A whole-number cell
// given a fraction keeps the fraction (Double) rather than rounding it away.
Variant valueFromText(const QString& text, const Variant& old) {
    switch (old.type()) {
    case VarType::Empty:
    case VarType::Null:
    case VarType::String:
        return Variant(text);
    default:
        break;
    }
    if (text.trimmed().isEmpty())
        return Variant();
    const Variant typed(text);
    bool ok = false;
    if (old.type() == VarType::Integer || old.type() == VarType::Long) {
        const double d = typed.toDouble(&ok);
        if (ok && d != std::floor(d))
            return Variant(d);
    }
    const Variant converted = typed.convertedTo(old.type(), &ok);
    return ok ? converted : typed;
}

// The value a check-box cell keeps after a toggle: Booleans and numbers follow the state
// (numbers become the state's number in their own type); other values stay as they are.
Variant valueForState(const Variant& old, int state) {
    if (old.type() == VarType::Boolean)
        return Variant(state == CheckChecked);
    if (!old.isNumericType())
        return old;
    return Variant(state).convertedTo(old.type());
}

QRect globalRect(const QWidget* widget, const QRect& r) {
    return QRect(widget->mapToGlobal(r.topLeft()), r.size());
}

} // namespace

// ----- Construction -----

GridEditor::GridEditor(const GridContext& context) : m_context(context) {
    QAbstractScrollArea& area = context.area;
    area.viewport()->installEventFilter(this);
    area.installEventFilter(this);
    connect(area.verticalScrollBar(), &QScrollBar::valueChanged, this, &GridEditor::placeEditor);
    connect(area.horizontalScrollBar(), &QScrollBar::valueChanged, this, &GridEditor::placeEditor);
    connect(qApp, &QApplication::focusChanged, this, &GridEditor::appFocusChanged);
    m_clickEdit.setSingleShot(true);
    m_clickEdit.setInterval(QApplication::doubleClickInterval());
    connect(&m_clickEdit, &QTimer::timeout, this, [this] {
        if (m_context.navigation.current() == GridCellPos{m_clickRow, m_clickCol})
            StartEdit(m_clickRow, m_clickCol);
    });
}

GridEditor::~GridEditor() {
    m_context.area.viewport()->removeEventFilter(this);
    m_context.area.removeEventFilter(this);
}

void GridEditor::currentCellMoving(int row, int col) {
    // A move made while the editor is open (by the program) ends the edit first.
    if (m_session && m_session->kind == EditKindText && m_busy == 0 &&
        (row != m_session->row || col != m_session->col))
        commitText(false);
}

// ----- Settings -----

void GridEditor::SetEditable(bool on) {
    m_context.options.editable = on;
    if (!on)
        CancelEdit();
    m_context.repaint(); // combo buttons
}

void GridEditor::SetKeyPressBehaviour(int mode) {
    if (mode >= TypingModeNone && mode <= TypingModeSearchCol)
        m_keyPressBehaviour = mode;
    m_search.reset();
}

// ----- What a cell allows -----

bool GridEditor::isComboCell(int row, int col) const {
    return m_context.store.CellType(row, col) == CellTypeCombo;
}

bool GridEditor::isCheckBoxCell(int row, int col) const {
    return !isComboCell(row, col) && m_context.store.CellCheckBoxVisible(row, col);
}

// ----- Starting an edit -----

bool GridEditor::StartEdit(int row, int col) {
    m_clickEdit.stop();
    if (m_session || !editableCell(m_context, row, col))
        return false;
    if (isComboCell(row, col))
        return openList(row, col, QChar());
    if (isCheckBoxCell(row, col))
        return false; // edited through its box only
    return openText(row, col, 0);
}

bool GridEditor::openText(int row, int col, int keyAscii) {
    GridStore& store = m_context.store;
    RequestEditArgs args{row, col, keyAscii, false, store.CellText(row, col), 0, EditTextNormal};
    const QString typed = keyAscii != 0 ? QString(QChar(char16_t(keyAscii))) : QString();
    if (keyAscii != 0)
        args.text = m_keyPressBehaviour == TypingModeAppend ? args.text + typed : typed;
    ++m_busy;
    m_context.events.RequestEdit(args);
    --m_busy;
    // The handler may have refused, or changed the grid (rows, focus) under us.
    if (args.cancel || m_session || !editableCell(m_context, row, col))
        return false;

    Session s;
    s.serial = ++m_serial;
    s.row = row;
    s.col = col;
    s.kind = EditKindText;
    s.oldValue = store.CellValue(row, col);
    s.maxLength = std::max(0, args.maxLength);
    s.upperCase = args.textStyle & EditTextUpperCase;
    s.multiLine = store.CellTextFlags(row, col) & TextFlagWordBreak;
    QString text = args.text;
    if (keyAscii != 0 && s.upperCase && text.endsWith(typed)) // the typed letter only
        text = text.left(text.size() - 1) + typed.toUpper();
    if (s.maxLength > 0)
        text.truncate(s.maxLength);
    // Only a start from the cell's own text can be "untouched" (see commitText).
    s.startText = args.text == store.CellText(row, col) ? text : QString();
    s.fromCellText = args.text == store.CellText(row, col);
    const QFont font = store.cellFontData(row, col).toQFont();

    QWidget* editor = nullptr;
    if (s.multiLine) {
        if (!m_multi) {
            m_multi = new QPlainTextEdit(m_context.area.viewport());
            m_multi->setFrameShape(QFrame::NoFrame);
            m_multi->setTabChangesFocus(true);
            m_multi->installEventFilter(this);
            connect(m_multi, &QPlainTextEdit::textChanged, this, [this] {
                if (m_session && m_session->multiLine)
                    m_context.events.EditTextChange(m_session->row, m_session->col);
            });
        }
        m_session = s;
        const QSignalBlocker quiet(m_multi);
        m_multi->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        m_multi->moveCursor(QTextCursor::End);
        editor = m_multi;
    } else {
        if (!m_line) {
            m_line = new QLineEdit(m_context.area.viewport());
            m_line->setFrame(false);
            m_line->installEventFilter(this);
            connect(m_line, &QLineEdit::textChanged, this, [this] {
                if (m_session && !m_session->multiLine)
                    m_context.events.EditTextChange(m_session->row, m_session->col);
            });
        }
        m_session = s;
        const QSignalBlocker quiet(m_line);
        m_line->setMaxLength(s.maxLength > 0 ? s.maxLength : 32767);
        m_line->setText(text);
        m_line->setCursorPosition(int(text.size()));
        editor = m_line;
    }
    editor->setFont(font);
    placeEditor();
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    return true;
}

bool GridEditor::openList(int row, int col, QChar jump) {
    GridStore& store = m_context.store;
    ComboList* list = m_context.comboLists.Item(store.CellComboList(row, col));
    if (!list || list->ItemCount() == 0)
        return false;
    RequestEditArgs args{row, col,           jump.unicode(), false, store.CellText(row, col),
                         0,   EditTextNormal};
    ++m_busy;
    m_context.events.RequestEdit(args);
    --m_busy;
    list = m_context.comboLists.Item(store.CellComboList(row, col)); // the handler may change lists
    if (args.cancel || m_session || !editableCell(m_context, row, col) || !list ||
        list->ItemCount() == 0)
        return false;

    Session s;
    s.serial = ++m_serial;
    s.row = row;
    s.col = col;
    s.kind = EditKindCombo;
    s.oldValue = store.CellValue(row, col);
    m_session = s;
    m_popup = new GridComboPopup(*list, m_context.area.viewport());
    const int serial = s.serial;
    connect(m_popup, &GridComboPopup::finished, this,
            [this, serial](int index) { listFinished(serial, index); });
    m_context.repaint(); // the button shows in the edited cell
    m_popup->open(
        globalRect(m_context.area.viewport(), m_context.viewport().shownCellRect(row, col)),
        list->FindItem(s.oldValue));
    if (!jump.isNull())
        m_popup->jumpTo(jump);
    return true;
}

void GridEditor::listFinished(int serial, int index) {
    if (!sameSession(serial))
        return;
    const Session s = *m_session;
    const ComboList* list = m_context.comboLists.Item(m_context.store.CellComboList(s.row, s.col));
    endSession();
    m_context.area.setFocus(Qt::PopupFocusReason);
    if (list && index >= 0 && index < list->ItemCount() && !list->ItemIsSeparator(index)) {
        BeforeCommitEditArgs args{
            s.row,      s.col, CommitStore,  list->ItemText(index), list->ItemValue(index),
            s.oldValue, false, EditKindCombo};
        if (raiseBeforeCommit(args) == CommitStore) {
            writeCellValue(m_context.store, s.row, s.col, args.newValue);
            m_context.events.AfterCommitEdit(s.row, s.col, s.oldValue);
        }
    }
    m_context.events.EditEnd(s.row, s.col);
}

// ----- Committing -----

int GridEditor::raiseBeforeCommit(BeforeCommitEditArgs& args) {
    ++m_busy;
    m_context.events.BeforeCommitEdit(args);
    --m_busy;
    if (args.result == CommitStay && !args.canStay)
        return CommitDiscard; // nothing stays open to correct the value in
    return args.result;
}

bool GridEditor::commitText(bool canStay) {
    if (!m_session || m_session->kind != EditKindText)
        return !m_session;
    const Session s = *m_session;
    const QString text = editorText();
    // An untouched editor stands for the value it started from (a formatted text such as
    // "$1,234.56" must not turn the number into text).
    const bool untouched = s.fromCellText && text == s.startText;
    const Variant value = untouched ? s.oldValue : valueFromText(text, s.oldValue);
    BeforeCommitEditArgs args{s.row, s.col,      CommitStore, text,
                              value, s.oldValue, canStay,     EditKindText};
    const int result = raiseBeforeCommit(args);
    if (!sameSession(s.serial))
        return !m_session; // the handler ended the edit itself
    if (result == CommitStay) {
        if (QWidget* editor = editorWidget())
            editor->setFocus(Qt::OtherFocusReason);
        return false;
    }
    const bool hadFocus = editorWidget() && editorWidget()->hasFocus();
    endSession();
    if (hadFocus)
        m_context.area.setFocus(Qt::OtherFocusReason);
    if (result == CommitStore) {
        writeCellValue(m_context.store, s.row, s.col, args.newValue);
        m_context.events.AfterCommitEdit(s.row, s.col, s.oldValue);
    }
    m_context.events.EditEnd(s.row, s.col);
    return true;
}

bool GridEditor::CommitEdit() {
    if (!m_session)
        return true;
    if (m_session->kind == EditKindCombo) {
        if (m_popup)
            m_popup->chooseHighlighted();
        return !m_session;
    }
    return commitText(true);
}

void GridEditor::CancelEdit() {
    m_clickEdit.stop();
    if (!m_session)
        return;
    const Session s = *m_session;
    const bool hadFocus = editorWidget() && editorWidget()->hasFocus();
    endSession();
    if (hadFocus)
        m_context.area.setFocus(Qt::OtherFocusReason);
    m_context.events.EditEnd(s.row, s.col);
}

void GridEditor::endSession() {
    const bool combo = m_session && m_session->kind == EditKindCombo;
    m_session.reset();
    if (m_line)
        m_line->hide();
    if (m_multi)
        m_multi->hide();
    if (m_popup) {
        GridComboPopup* popup = m_popup;
        m_popup = nullptr;
        popup->close();
    }
    if (combo)
        m_context.repaint();
}

void GridEditor::commitAndMove(After after) {
    if (!commitText(true))
        return;
    std::optional<GridMove> move;
    switch (after) {
    case After::Stay:
        return;
    case After::Up:
        move = GridMove::Up;
        break;
    case After::Down:
        move = GridMove::Down;
        break;
    case After::Left:
        move = GridMove::Left;
        break;
    case After::Right:
        move = GridMove::Right;
        break;
    case After::Next:
        move = GridMove::NextCell;
        break;
    case After::Prev:
        move = GridMove::PrevCell;
        break;
    }
    const auto target = m_context.navigation.target(*move, m_context.selection.RowMode());
    if (target)
        m_context.current.set(target->row, target->col);
}

// ----- The open editor -----

QWidget* GridEditor::editorWidget() const {
    if (!m_session || m_session->kind != EditKindText)
        return nullptr;
    return m_session->multiLine ? static_cast<QWidget*>(m_multi) : m_line;
}

GridComboPopup* GridEditor::comboPopup() const {
    return m_popup;
}

QString GridEditor::editorText() const {
    if (!m_session || m_session->kind != EditKindText)
        return QString();
    if (m_session->multiLine)
        return m_multi ? m_multi->toPlainText().replace(QLatin1Char('\n'), QLatin1String("\r\n"))
                       : QString();
    return m_line ? m_line->text() : QString();
}

QString GridEditor::EditText() const {
    return editorText();
}

void GridEditor::SetEditText(const QString& text) {
    if (!m_session || m_session->kind != EditKindText)
        return;
    if (m_session->multiLine) {
        m_multi->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        m_multi->moveCursor(QTextCursor::End);
    } else {
        m_line->setText(text);
    }
}

int GridEditor::EditSelStart() const {
    if (!m_session || m_session->kind != EditKindText)
        return 0;
    if (m_session->multiLine)
        return m_multi->textCursor().selectionStart();
    return m_line->hasSelectedText() ? m_line->selectionStart() : m_line->cursorPosition();
}

void GridEditor::placeEditor() {
    QWidget* editor = editorWidget();
    if (!editor)
        return;
    const GridViewport viewport = m_context.viewport();
    QRect r = viewport.cellRect(m_session->row, m_session->col);
    // Leave the grid lines visible around the editor.
    const int lines = m_context.look.gridLines;
    r.adjust(0, 0, lines & GridLinesVertical ? -1 : 0, lines & GridLinesHorizontal ? -1 : 0);
    // Only over the part of the cell that shows: never over the frozen columns.
    r &= viewport.columnArea(m_session->col) & viewport.rowsArea();
    if (r.isEmpty()) {
        editor->move(-10000, -10000); // the cell is not shown (hidden, or scrolled away)
        return;
    }
    if (editor->geometry() != r)
        editor->setGeometry(r);
}

// ----- Keys in the editor -----

bool GridEditor::editorKey(QKeyEvent* e) {
    const int serial = m_session->serial;
    TextEditKeyDownArgs args{m_session->row, m_session->col, windowsKeyCode(e),
                             shiftState(e->modifiers())};
    if (args.keyCode != 0) {
        ++m_busy;
        m_context.events.TextEditKeyDown(args);
        --m_busy;
        if (!sameSession(serial) || args.keyCode == 0)
            return true; // the handler committed, or swallowed the key
    }
    const bool multi = m_session->multiLine;
    const Qt::KeyboardModifiers mods = e->modifiers();
    switch (e->key()) {
    case Qt::Key_Escape:
        CancelEdit();
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (multi && (mods & (Qt::ControlModifier | Qt::ShiftModifier))) {
            m_multi->insertPlainText(QStringLiteral("\n")); // a line break in the text
            return true;
        }
        commitAndMove(After::Stay);
        return true;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        if (!m_context.options.tabMovesCurCell)
            return false;
        commitAndMove(e->key() == Qt::Key_Backtab || (mods & Qt::ShiftModifier) ? After::Prev
                                                                                : After::Next);
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (multi)
            break;
        commitAndMove(e->key() == Qt::Key_Up ? After::Up : After::Down);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // At the edge of a single-line text the arrow leaves the cell.
        if (multi || m_line->hasSelectedText() || (mods & Qt::ShiftModifier))
            break;
        const bool left = e->key() == Qt::Key_Left;
        const int caret = m_line->cursorPosition();
        if ((left && caret == 0) || (!left && caret == m_line->text().size())) {
            commitAndMove(left ? After::Left : After::Right);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return editorChar(e);
}

// A character typed in the editor: EditKeyPress may change or discard it; the upper-case
// style turns letters into capitals.
bool GridEditor::editorChar(QKeyEvent* e) {
    const QString text = e->text();
    const bool backspace = e->key() == Qt::Key_Backspace;
    if (!backspace && (text.size() != 1 || !text[0].isPrint() ||
                       (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))))
        return false;
    const int serial = m_session->serial;
    const QChar typed = backspace ? QChar(8) : text[0];
    const QChar ch = m_session->upperCase ? typed.toUpper() : typed;
    EditKeyPressArgs args{m_session->row, m_session->col, ch.unicode()};
    ++m_busy;
    m_context.events.EditKeyPress(args);
    --m_busy;
    if (!sameSession(serial) || args.keyAscii == 0)
        return true;
    if (args.keyAscii == typed.unicode())
        return false; // the editor handles it as typed (limits, backspace...)
    if (args.keyAscii < 32)
        return true;
    const QString insert{QChar(char16_t(args.keyAscii))};
    if (m_session->multiLine) {
        const int max = m_session->maxLength;
        if (max == 0 || m_multi->toPlainText().size() < max || m_multi->textCursor().hasSelection())
            m_multi->insertPlainText(insert);
    } else {
        m_line->insert(insert);
    }
    return true;
}

// ----- Cell actions: keys, typing, clicks -----

bool GridEditor::gridKey(QKeyEvent* e) {
    if (m_session) {
        // Keys sent to the grid while its editor is open belong to the editor; typed
        // characters come through typed() after KeyPress.
        const QString text = e->text();
        if (m_session->kind == EditKindText && text.size() == 1 && text[0].isPrint() &&
            !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        // An editor that ignores the key hands it back to its parents, the grid among
        // them: the editor has had it (and raised TextEditKeyDown), so it ends here.
        if (m_leftKey.event == e && m_leftKey.timestamp == e->timestamp() &&
            m_leftKey.key == e->key()) {
            m_leftKey = {};
            return true;
        }
        QWidget* target = m_popup ? static_cast<QWidget*>(m_popup) : editorWidget();
        if (target && !m_forwarding) {
            m_forwarding = true;
            QCoreApplication::sendEvent(target, e);
            m_forwarding = false;
        }
        return true;
    }
    const int row = m_context.navigation.CurRow();
    const int col = m_context.navigation.CurCol();
    const bool alt = e->modifiers() & Qt::AltModifier;
    if (e->key() == Qt::Key_F2) {
        StartEdit(row, col);
        return true;
    }
    if ((e->key() == Qt::Key_F4 || (alt && e->key() == Qt::Key_Down)) && isComboCell(row, col) &&
        editableCell(m_context, row, col)) {
        openList(row, col, QChar());
        return true;
    }
    return false;
}

void GridEditor::typed(int keyAscii) {
    if (keyAscii <= 0)
        return;
    const QChar ch{char16_t(keyAscii)};
    if (m_session) {
        if (m_popup) {
            m_popup->jumpTo(ch);
        } else if (QWidget* editor = editorWidget(); editor && !m_forwarding) {
            QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(ch));
            m_forwarding = true;
            QCoreApplication::sendEvent(editor, &press);
            m_forwarding = false;
        }
        return;
    }
    const int row = m_context.navigation.CurRow();
    const int col = m_context.navigation.CurCol();
    if (row < 1 || col < 1)
        return;
    if (ch == QLatin1Char(' ') && isCheckBoxCell(row, col)) {
        toggleCheckBox(row, col);
        return;
    }
    switch (m_keyPressBehaviour) {
    case TypingModeAppend:
    case TypingModeReplace:
        if (!editableCell(m_context, row, col) || isCheckBoxCell(row, col))
            return;
        if (isComboCell(row, col))
            openList(row, col, ch);
        else
            openText(row, col, keyAscii);
        return;
    case TypingModeSearchCurCol:
    case TypingModeSearchCol:
        search(ch);
        return;
    default:
        return;
    }
}

void GridEditor::search(QChar ch) {
    const GridStore& store = m_context.store;
    const int col =
        m_keyPressBehaviour == TypingModeSearchCurCol ? m_context.navigation.CurCol() : m_searchCol;
    if (col < 1 || col > store.ColCount())
        return;
    const GridGeometry& geo = m_context.geometry;
    const auto text = [&](int row) -> std::optional<QString> {
        if (store.RowIsGroup(row) || geo.rowHeight(row) <= 0)
            return std::nullopt;
        return store.CellText(row, col);
    };
    const int row = m_search.type(ch, m_context.navigation.CurRow(), store.RowCount(), text,
                                  {m_searchFromCurRow, m_cyclicSearch});
    if (row > 0 && row != m_context.navigation.CurRow())
        m_context.current.set(row, m_context.navigation.CurCol() > 0 ? m_context.navigation.CurCol()
                                                                     : col);
}

void GridEditor::cellClicked(int row, int col, const QPoint& pos) {
    if (m_skipClick) {
        m_skipClick = false;
        return;
    }
    if (!editableCell(m_context, row, col) || m_session)
        return;
    if (checkBoxHit(row, col, pos)) {
        toggleCheckBox(row, col);
        return;
    }
    if (comboButtonHit(row, col, pos)) {
        openList(row, col, QChar());
        return;
    }
    if (m_pressOnCurrent && !isCheckBoxCell(row, col)) {
        m_clickRow = row;
        m_clickCol = col;
        m_clickEdit.start();
    }
}

bool GridEditor::cellDoubleClicked(const CellDblClickArgs& args) {
    m_clickEdit.stop();
    if (isCheckBoxCell(args.row, args.col))
        return false; // its release toggles the box again
    // The release that ends the double click is no click on the current cell, also when no
    // editor opens (do-default False, an edit refused): it must not open one later.
    m_skipClick = true;
    return args.doDefault && !m_session && StartEdit(args.row, args.col);
}

// ----- Check boxes and drop-down buttons -----

bool GridEditor::checkBoxHit(int row, int col, const QPoint& pos) const {
    const GridStore& store = m_context.store;
    if (!isCheckBoxCell(row, col))
        return false;
    const CellStyle& look = store.CellLook(row, col);
    const QRect content =
        cellContentRect(look, m_context.viewport().cellRect(row, col), m_context.look.gridLines);
    return checkBoxRect(look, content, checkBoxSize(m_context.area))
        .adjusted(-2, -2, 2, 2)
        .contains(pos);
}

bool GridEditor::comboButtonHit(int row, int col, const QPoint& pos) const {
    return comboButtonShown(m_context, row, col) &&
           comboButtonRect(m_context.viewport().cellRect(row, col)).contains(pos);
}

void GridEditor::toggleCheckBox(int row, int col) {
    GridStore& store = m_context.store;
    if (!editableCell(m_context, row, col) || !isCheckBoxCell(row, col))
        return;
    const int previous = store.CellCheckState(row, col);
    const bool threeState = store.CellStyleFlags(row, col) & ThreeStateStyleFlag;
    const int next = threeState ? (previous + 1) % 3
                                : (previous == CheckChecked ? CheckUnchecked : CheckChecked);
    const Variant oldValue = store.CellValue(row, col);
    BeforeCommitEditArgs args{
        row,      col,   CommitStore,     QString::number(next), Variant(std::int16_t(next)),
        oldValue, false, EditKindCheckBox};
    if (raiseBeforeCommit(args) != CommitStore)
        return;
    // The handler may have removed the row or hidden the box meanwhile.
    if (row > store.RowCount() || !store.CellCheckBoxVisible(row, col))
        return;
    store.SetCellCheckState(row, col, next);
    store.SetCellValue(row, col, valueForState(oldValue, next));
    m_context.events.AfterCommitEdit(row, col, oldValue);
    m_context.events.CellCheckChange(row, col, previous);
}

// ----- Rows that move -----

void GridEditor::storeChanged(const GridChange& change) {
    if (!m_session)
        return;
    int& row = m_session->row;
    switch (change.kind) {
    case GridChange::RowsInserted:
        if (row >= change.row)
            row += change.count;
        break;
    case GridChange::RowsRemoved:
        if (row >= change.row + change.count)
            row -= change.count;
        else if (row >= change.row)
            CancelEdit();
        break;
    case GridChange::RowsReordered: {
        const std::vector<int>& newToOld = *change.permutation;
        for (size_t i = 0; i < newToOld.size(); ++i)
            if (newToOld[i] + 1 == row) {
                row = int(i) + 1;
                break;
            }
        break;
    }
    case GridChange::RowsReset:
        CancelEdit();
        break;
    case GridChange::Columns:
        if (m_session->col > m_context.store.ColCount())
            CancelEdit();
        break;
    default:
        return;
    }
    placeEditor();
}

// ----- Menus -----

void GridEditor::gridContextMenu(const QPoint& pos, const QPoint& globalPos) {
    const GridViewport viewport = m_context.viewport();
    const bool inHeader = viewport.inHeader(pos);
    const auto [hitRow, hitCol] = m_context.viewport().cellAt(pos);
    const int col = inHeader || hitRow == 0 ? viewport.colAt(pos.x()) : hitCol;
    const int row = inHeader ? 0 : hitRow;
    int area = MenuAreaCell;
    if (inHeader)
        area = col > 0 ? MenuAreaHeader : MenuAreaNoColumn;
    else if (row == 0)
        area = MenuAreaNoRow;
    BeforeContextMenuArgs args{area, row, col, true, pos.x(), pos.y()};
    ++m_busy;
    m_context.events.BeforeContextMenu(args);
    const GridContextMenu& menu = m_menus.menu(area);
    int item = 0;
    if (args.show && menu.ItemCount() > 0) {
        QMenu popup(&m_context.area);
        item = menu.popup(area, popup, globalPos);
    }
    --m_busy;
    if (item > 0)
        m_context.events.ContextMenuClick(area, row, col, item);
}

void GridEditor::editorContextMenu(const QPoint& pos, const QPoint& globalPos) {
    const Session s = *m_session;
    BeforeContextMenuArgs args{MenuAreaEditor, s.row, s.col, false, pos.x(), pos.y()};
    ++m_busy;
    m_context.events.BeforeContextMenu(args);
    int item = 0;
    if (sameSession(s.serial)) {
        // The editor's own commands, then ours when the handler asked for them.
        std::unique_ptr<QMenu> menu(s.multiLine ? m_multi->createStandardContextMenu()
                                                : m_line->createStandardContextMenu());
        if (args.show)
            item = m_menus.menu(MenuAreaEditor).popup(MenuAreaEditor, *menu, globalPos);
        else
            menu->exec(globalPos);
    }
    --m_busy;
    if (item > 0)
        m_context.events.ContextMenuClick(MenuAreaEditor, s.row, s.col, item);
}

// ----- Events of the grid, its viewport and the editors -----

bool GridEditor::eventFilter(QObject* watched, QEvent* event) {
    QWidget* viewport = m_context.area.viewport();
    const QEvent::Type type = event->type();
    if (watched == viewport) {
        if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) {
            // A click anywhere in the grid ends the open edit first; a refused commit
            // keeps the editor and swallows the click.
            if (m_session && m_session->kind == EditKindText && !commitText(true))
                return true;
            const auto pos = static_cast<QMouseEvent*>(event)->position().toPoint();
            const auto [row, col] = m_context.viewport().cellAt(pos);
            m_pressOnCurrent = row > 0 && row == m_context.navigation.CurRow() &&
                               col == m_context.navigation.CurCol();
            if (type == QEvent::MouseButtonPress) {
                m_clickEdit.stop();
                m_skipClick = false; // a new click: no double click is ending
            }
        } else if (type == QEvent::ContextMenu) {
            auto* menu = static_cast<QContextMenuEvent*>(event);
            gridContextMenu(menu->pos(), menu->globalPos());
            return true;
        } else if (type == QEvent::Paint) {
            placeEditor(); // follows column and row changes
        }
        return false;
    }
    if (watched == &m_context.area) {
        if (type == QEvent::Hide && m_session) {
            if (m_session->kind == EditKindText)
                commitText(false);
            else
                CancelEdit();
        }
        return false;
    }
    const bool isEditor = m_session && watched == editorWidget();
    if (!isEditor)
        return false;
    if (type == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (editorKey(key))
            return true;
        m_leftKey = {key, key->timestamp(), key->key()};
        return false;
    }
    if (type == QEvent::ShortcutOverride) {
        // Keep Esc, Enter and Tab for the editor even if the window has shortcuts on them.
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape || key == Qt::Key_Return || key == Qt::Key_Enter) {
            event->accept();
            return true;
        }
    }
    if (type == QEvent::ContextMenu) {
        auto* menu = static_cast<QContextMenuEvent*>(event);
        editorContextMenu(menu->pos(), menu->globalPos());
        return true;
    }
    return false;
}

void GridEditor::appFocusChanged(QWidget* /*old*/, QWidget* now) {
    if (!m_session || m_session->kind != EditKindText || m_busy > 0)
        return;
    QWidget* editor = editorWidget();
    if (now == editor || (now && editor && editor->isAncestorOf(now)))
        return;
    if (now && (now == &m_context.area || m_context.area.isAncestorOf(now))) {
        // A click in the grid focuses it before the press arrives; the press commits.
        if (QGuiApplication::mouseButtons() == Qt::NoButton)
            commitText(true);
        return;
    }
    if (!now && (QApplication::activePopupWidget() || m_context.area.window()->isActiveWindow()))
        return;        // a popup or menu of our own
    commitText(false); // another control or another window
}
