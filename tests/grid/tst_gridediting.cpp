// Editing text cells through the real widget: starting an edit (typing, F2, double click,
// a click on the current cell), the commit keys and clicks, results 0 and 2, Esc, the
// RequestEdit outputs, EditKeyPress, the value's type after an edit, the multi-line editor
// and focus loss. Each event must arrive once and in order.

#include "EditEventLog.h"
#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QVBoxLayout>

Q_DECLARE_METATYPE(Variant)

namespace {
QLineEdit* lineEditor(TessixGrid& grid) {
    return qobject_cast<QLineEdit*>(grid.internals().editor.editorWidget());
}
} // namespace

class TestGridEditing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void typingStartsAndEnterCommits();
    void commitKeysMove_data();
    void commitKeysMove();
    void clickElsewhereCommits();
    void resultDiscardKeepsOldValue();
    void resultStayKeepsEditorOpen();
    void escCancels();
    void requestEditOutputs();
    void editKeyPressDiscards();
    void appendAndNoneBehaviour();
    void startByF2DoubleClickAndClick();
    void doubleClickWithoutEditorLeavesNoClick();
    void notEditable();
    void newValueTakesTheCellsType_data();
    void newValueTakesTheCellsType();
    void untouchedFormattedTextKeepsValue();
    void editTextAndCommitEditFromHandlers();
    void keyTheEditorLeavesIsRaisedOnce();
    void multiLineEditor();
    void focusLossCannotStay();
    void editorFollowsScrolling();
    void rowsRemovedUnderEditor();
};

void TestGridEditing::typingStartsAndEnterCommits() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    QList<int> textChanges;
    connect(&t.grid, &TessixGrid::EditTextChange, [&](int row, int) { textChanges << row; });
    t.grid.SetCurCell(2, 1);
    QTest::keyClicks(&t.grid, "x");
    QLineEdit* editor = lineEditor(t.grid);
    QVERIFY(editor && editor->isVisible());
    QCOMPARE(t.grid.EditText(), QString("x"));
    QCOMPARE(t.grid.EditSelStart(), 1);
    QCOMPARE(editor->geometry().topLeft(), viewportOf(t.grid).cellRect(2, 1).topLeft());
    QTest::keyClicks(editor, "yz");
    QCOMPARE(textChanges.size(), 2); // the starting text is no change
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(2, 1).toString(), QString("xyz"));
    QCOMPARE(t.current(), QString("2,1"));
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(log.take(), QStringList({"RequestEdit 2,1 key=120 text=x",
                                      "Before 2,1 text=xyz value=xyz:String canStay=1 kind=0",
                                      "After 2,1 previous=2,1", "EditEnd 2,1"}));
}

void TestGridEditing::commitKeysMove_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("mods");
    QTest::addColumn<QString>("after");
    QTest::newRow("enter stays") << int(Qt::Key_Return) << 0 << "2,2";
    QTest::newRow("tab") << int(Qt::Key_Tab) << 0 << "2,3";
    QTest::newRow("shift+tab") << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << "2,1";
    QTest::newRow("down") << int(Qt::Key_Down) << 0 << "3,2";
    QTest::newRow("up") << int(Qt::Key_Up) << 0 << "1,2";
    QTest::newRow("right at the end") << int(Qt::Key_Right) << 0 << "2,3";
}

void TestGridEditing::commitKeysMove() {
    QFETCH(int, key);
    QFETCH(int, mods);
    QFETCH(QString, after);
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    t.grid.SetCurCell(2, 2);
    QTest::keyClicks(&t.grid, "q");
    QTest::keyClick(lineEditor(t.grid), Qt::Key(key), Qt::KeyboardModifiers(mods));
    QCOMPARE(t.grid.CellValue(2, 2).toString(), QString("q"));
    QCOMPARE(t.current(), after);
    QCOMPARE(log.lines.filter(QRegularExpression("^Before")).size(), 1);
    QCOMPARE(log.lines.last(), QString("EditEnd 2,2"));
}

void TestGridEditing::clickElsewhereCommits() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    t.grid.SetCurCell(1, 1);
    QTest::keyClicks(&t.grid, "n");
    t.click(4, 3);
    QCOMPARE(t.grid.CellValue(1, 1).toString(), QString("n"));
    QCOMPARE(t.current(), QString("4,3"));
    QCOMPARE(log.take(), QStringList({"RequestEdit 1,1 key=110 text=n",
                                      "Before 1,1 text=n value=n:String canStay=1 kind=0",
                                      "After 1,1 previous=1,1", "EditEnd 1,1"}));
}

void TestGridEditing::resultDiscardKeepsOldValue() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    log.result = CommitDiscard;
    t.grid.SetCurCell(3, 1);
    QTest::keyClicks(&t.grid, "z");
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(3, 1).toString(), QString("3,1"));
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(log.take(),
             QStringList({"RequestEdit 3,1 key=122 text=z",
                          "Before 3,1 text=z value=z:String canStay=1 kind=0", "EditEnd 3,1"}));
}

void TestGridEditing::resultStayKeepsEditorOpen() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    log.result = CommitStay;
    t.grid.SetCurCell(3, 1);
    QTest::keyClicks(&t.grid, "z");
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Down);
    t.click(5, 2); // a click elsewhere is refused too
    QVERIFY(t.grid.internals().editor.isEditing());
    QCOMPARE(t.current(), QString("3,1"));
    QCOMPARE(t.grid.EditText(), QString("z"));
    QCOMPARE(log.lines.filter(QRegularExpression("^Before")).size(), 2);
    QCOMPARE(log.lines.filter(QRegularExpression("^EditEnd")).size(), 0);
    // The user corrects the text; now it is accepted.
    log.take();
    log.result = CommitStore;
    QTest::keyClicks(lineEditor(t.grid), "2");
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(3, 1).toString(), QString("z2"));
    QCOMPARE(log.take(), QStringList({"Before 3,1 text=z2 value=z2:String canStay=1 kind=0",
                                      "After 3,1 previous=3,1", "EditEnd 3,1"}));
}

void TestGridEditing::escCancels() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    t.grid.SetCurCell(2, 3);
    QTest::keyClicks(&t.grid, "abc");
    QCOMPARE(t.grid.EditText(), QString("abc")); // keys sent to the grid reach the editor
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Escape);
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(t.grid.CellValue(2, 3).toString(), QString("2,3"));
    QCOMPARE(log.take(), QStringList({"RequestEdit 2,3 key=97 text=a", "EditEnd 2,3"}));
}

void TestGridEditing::requestEditOutputs() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    log.cancel = true;
    t.grid.SetCurCell(1, 1);
    QTest::keyClicks(&t.grid, "k");
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(log.take(), QStringList({"RequestEdit 1,1 key=107 text=k"})); // no EditEnd

    log.cancel = false;
    log.maxLength = 3;
    log.textStyle = EditTextUpperCase;
    QTest::keyClicks(&t.grid, "j");
    QTest::keyClicks(lineEditor(t.grid), "ohnny");
    QCOMPARE(t.grid.EditText(), QString("JOH"));
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(1, 1).toString(), QString("JOH"));
    // Appending: only typed letters turn capital, the cell's text stays as it is.
    t.grid.SetCellValue(1, 1, "ab");
    t.grid.SetKeyPressBehaviour(TypingModeAppend);
    log.maxLength = 0;
    QTest::keyClicks(&t.grid, "c");
    QTest::keyClicks(lineEditor(t.grid), "d");
    QCOMPARE(t.grid.EditText(), QString("abCD"));
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Escape);
    t.grid.SetKeyPressBehaviour(TypingModeReplace);

    // The handler's starting text replaces the cell's text.
    connect(&t.grid, &TessixGrid::RequestEdit, [](RequestEditArgs& a) { a.text = "plain"; });
    log.maxLength = 0;
    log.textStyle = EditTextNormal;
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QCOMPARE(t.grid.EditText(), QString("plain"));
}

void TestGridEditing::editKeyPressDiscards() {
    InputTestGrid t(5, 3);
    QList<int> seen;
    connect(&t.grid, &TessixGrid::EditKeyPress, [&](EditKeyPressArgs& a) {
        seen << a.keyAscii;
        if (a.keyAscii >= '0' && a.keyAscii <= '9')
            a.keyAscii = 0; // no digits
        else if (a.keyAscii == '_')
            a.keyAscii = '-'; // replaced
    });
    t.grid.SetCurCell(1, 2);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QLineEdit* editor = lineEditor(t.grid);
    editor->clear();
    QTest::keyClicks(editor, "a1b_2");
    QTest::keyClick(editor, Qt::Key_Backspace);
    QCOMPARE(t.grid.EditText(), QString("ab"));
    QCOMPARE(seen, QList<int>({'a', '1', 'b', '_', '2', 8}));
}

void TestGridEditing::appendAndNoneBehaviour() {
    InputTestGrid t(5, 3);
    t.grid.SetCurCell(2, 2);
    t.grid.SetKeyPressBehaviour(TypingModeAppend);
    QCOMPARE(t.grid.KeyPressBehaviour(), int(TypingModeAppend));
    QTest::keyClicks(&t.grid, "!");
    QCOMPARE(t.grid.EditText(), QString("2,2!"));
    t.grid.internals().editor.CancelEdit();
    t.grid.SetKeyPressBehaviour(TypingModeNone);
    t.grid.SetKeyPressBehaviour(9); // ignored
    QCOMPARE(t.grid.KeyPressBehaviour(), int(TypingModeNone));
    QTest::keyClicks(&t.grid, "x");
    QVERIFY(!t.grid.internals().editor.isEditing());
}

void TestGridEditing::startByF2DoubleClickAndClick() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    t.grid.SetCurCell(1, 1);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QCOMPARE(t.grid.EditText(), QString("1,1"));
    QCOMPARE(t.grid.EditSelStart(), 3);
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Escape);

    // A double click raises CellDblClick first; do-default False keeps the editor shut.
    bool allow = false;
    connect(&t.grid, &TessixGrid::CellDblClick, [&](CellDblClickArgs& a) { a.doDefault = allow; });
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.cellPoint(3, 2));
    QVERIFY(!t.grid.internals().editor.isEditing());
    allow = true;
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.cellPoint(3, 2));
    QCOMPARE(t.grid.EditText(), QString("3,2"));
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Escape);

    // A single click on the current cell edits once the double-click time has passed;
    // a click that makes a cell current does not.
    log.take();
    t.click(4, 3);
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QVERIFY(!t.grid.internals().editor.isEditing());
    t.click(4, 3);
    QTRY_VERIFY(t.grid.internals().editor.isEditing());
    QCOMPARE(log.take(), QStringList({"RequestEdit 4,3 key=0 text=4,3"}));
}

// A double click on the current cell that opens no editor (do-default False, or an edit
// refused) ends with a release that is no click: no editor opens after the double-click time.
void TestGridEditing::doubleClickWithoutEditorLeavesNoClick() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    bool refuse = false;
    connect(&t.grid, &TessixGrid::CellDblClick, [&](CellDblClickArgs& a) { a.doDefault = refuse; });
    connect(&t.grid, &TessixGrid::RequestEdit, [&](RequestEditArgs& a) { a.cancel = true; });
    t.grid.SetCurCell(3, 2);
    for (bool doDefault : {false, true}) {
        refuse = doDefault;
        log.take();
        systemDoubleClick(t.viewport(), t.cellPoint(3, 2));
        QTest::qWait(QApplication::doubleClickInterval() + 50);
        QVERIFY(!t.grid.internals().editor.isEditing());
        QCOMPARE(log.take().size(), doDefault ? 1 : 0); // the refused RequestEdit, once
    }
    // The next click on the current cell edits as before.
    disconnect(&t.grid, &TessixGrid::RequestEdit, nullptr, nullptr);
    t.click(3, 2);
    QTRY_VERIFY(t.grid.internals().editor.isEditing());
}

void TestGridEditing::notEditable() {
    InputTestGrid t(5, 3);
    EditEventLog log(t.grid);
    t.grid.SetEditable(false);
    QVERIFY(!t.grid.Editable());
    t.grid.SetCurCell(1, 1);
    QTest::keyClicks(&t.grid, "x");
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QTest::mouseDClick(t.viewport(), Qt::LeftButton, {}, t.cellPoint(1, 1));
    QVERIFY(!t.grid.internals().editor.isEditing());
    QVERIFY(log.lines.isEmpty());
    // Turning editing off closes an open editor without storing.
    t.grid.SetEditable(true);
    QTest::keyClicks(&t.grid, "x");
    t.grid.SetEditable(false);
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(t.grid.CellValue(1, 1).toString(), QString("1,1"));
}

void TestGridEditing::newValueTakesTheCellsType_data() {
    QTest::addColumn<Variant>("old");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected"); // value:type
    QTest::newRow("long") << Variant(5) << "7"
                          << "7:Long";
    QTest::newRow("long given a fraction") << Variant(5) << "7.5"
                                           << "7.5:Double";
    QTest::newRow("integer") << Variant(std::int16_t(5)) << "12"
                             << "12:Integer";
    QTest::newRow("double") << Variant(1.5) << "2.25"
                            << "2.25:Double";
    QTest::newRow("currency") << Variant(Currency::fromDouble(3)) << "4.5"
                              << "4.5:Currency";
    QTest::newRow("letters in a number") << Variant(5) << "abc"
                                         << "abc:String";
    QTest::newRow("number emptied") << Variant(5) << ""
                                    << ":Empty";
    QTest::newRow("text stays text") << Variant("old") << "123"
                                     << "123:String";
    QTest::newRow("empty cell") << Variant() << "9"
                                << "9:String";
    QTest::newRow("boolean") << Variant(true) << "False"
                             << "False:Boolean";
}

void TestGridEditing::newValueTakesTheCellsType() {
    QFETCH(Variant, old);
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    InputTestGrid t(3, 2);
    t.grid.SetCellValue(1, 1, old);
    QString seen;
    connect(&t.grid, &TessixGrid::BeforeCommitEdit, [&](BeforeCommitEditArgs& a) {
        seen = a.newValue.toString() + ":" + a.newValue.typeName();
        QVERIFY(a.oldValue.sameAs(old));
    });
    t.grid.SetCurCell(1, 1);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    t.grid.SetEditText(typed);
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(seen, expected);
    QCOMPARE(t.grid.CellValue(1, 1).toString() + ":" + t.grid.CellValue(1, 1).typeName(), expected);
}

void TestGridEditing::untouchedFormattedTextKeepsValue() {
    InputTestGrid t(3, 2);
    t.grid.SetCellFormatString(1, 1, "$#,##0.00");
    t.grid.SetCellValue(1, 1, Variant(Currency::fromDouble(1234.5)));
    t.grid.SetCurCell(1, 1);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QCOMPARE(t.grid.EditText(), t.grid.CellText(1, 1)); // the shown text
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(1, 1).type(), VarType::Currency);
    QCOMPARE(t.grid.CellValue(1, 1).toDouble(), 1234.5);
}

void TestGridEditing::editTextAndCommitEditFromHandlers() {
    InputTestGrid t(3, 2);
    EditEventLog log(t.grid);
    QList<int> keys;
    connect(&t.grid, &TessixGrid::TextEditKeyDown, [&](TextEditKeyDownArgs& a) {
        keys << a.keyCode;
        if (a.keyCode == 114) { // F3 commits from the handler
            t.grid.SetEditText("from F3");
            t.grid.CommitEdit();
        }
    });
    t.grid.SetCurCell(2, 2);
    QTest::keyClicks(&t.grid, "a");
    QTest::keyClick(lineEditor(t.grid), Qt::Key_B, Qt::ShiftModifier);
    QTest::keyClick(lineEditor(t.grid), Qt::Key_F3);
    QCOMPARE(keys.mid(keys.size() - 2), QList<int>({66, 114})); // B, F3 (Shift came first)
    QCOMPARE(keys.first(), 16);
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(t.grid.CellValue(2, 2).toString(), QString("from F3"));
    QCOMPARE(log.lines.filter(QRegularExpression("^EditEnd")).size(), 1);
    t.grid.SetEditText("ignored"); // no editor: nothing happens
    QCOMPARE(t.grid.EditText(), QString());
}

// F3 means nothing to the line editor, which hands it to the grid; the grid must not give
// it back to the editor (TextEditKeyDown twice would commit twice after a refused commit).
void TestGridEditing::keyTheEditorLeavesIsRaisedOnce() {
    InputTestGrid t(3, 2);
    int f3 = 0;
    connect(&t.grid, &TessixGrid::TextEditKeyDown, [&](TextEditKeyDownArgs& a) {
        if (a.keyCode == 114)
            ++f3;
    });
    t.grid.SetCurCell(2, 2);
    QTest::keyClicks(&t.grid, "a");
    QTest::keyClick(lineEditor(t.grid), Qt::Key_F3);
    QCOMPARE(f3, 1);
    QTest::keyClick(lineEditor(t.grid), Qt::Key_F3);
    QCOMPARE(f3, 2);
    QVERIFY(t.grid.internals().editor.isEditing());
}

void TestGridEditing::multiLineEditor() {
    InputTestGrid t(3, 2);
    t.grid.SetCellTextFlags(1, 2, TextFlagWordBreak);
    t.grid.SetCurCell(1, 2);
    QTest::keyClicks(&t.grid, "a");
    auto* editor = qobject_cast<QPlainTextEdit*>(t.grid.internals().editor.editorWidget());
    QVERIFY(editor);
    QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(editor, "b");
    QTest::keyClick(editor, Qt::Key_Up); // moves the caret, no commit
    QVERIFY(t.grid.internals().editor.isEditing());
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(1, 2).toString(), QString("a\r\nb"));
}

void TestGridEditing::focusLossCannotStay() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* grid = new TessixGrid;
    auto* other = new QLineEdit;
    layout->addWidget(grid);
    layout->addWidget(other);
    grid->SetColCount(2);
    grid->SetRowCount(3);
    window.resize(300, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    EditEventLog log(*grid);
    log.result = CommitStay; // not possible now: taken as "keep the old value"
    grid->SetCurCell(1, 1);
    grid->setFocus();
    QTest::keyClicks(grid, "v");
    QVERIFY(grid->internals().editor.isEditing());
    other->setFocus();
    QVERIFY(!grid->internals().editor.isEditing());
    QVERIFY(grid->CellValue(1, 1).isEmpty());
    QCOMPARE(log.take(),
             QStringList({"RequestEdit 1,1 key=118 text=v",
                          "Before 1,1 text=v value=v:String canStay=0 kind=0", "EditEnd 1,1"}));
}

void TestGridEditing::editorFollowsScrolling() {
    InputTestGrid t(100, 3, QSize(200, 200));
    t.grid.SetCurCell(3, 2);
    QTest::keyClick(&t.grid, Qt::Key_F2);
    QWidget* editor = t.grid.internals().editor.editorWidget();
    t.grid.verticalScrollBar()->setValue(40);
    QCOMPARE(editor->geometry().topLeft(), viewportOf(t.grid).cellRect(3, 2).topLeft());
    t.grid.SetColWidth(1, 90); // the column moves right
    QTest::qWait(1);
    QCoreApplication::processEvents();
    t.grid.viewport()->repaint();
    QCOMPARE(editor->geometry().topLeft(), viewportOf(t.grid).cellRect(3, 2).topLeft());
}

void TestGridEditing::rowsRemovedUnderEditor() {
    InputTestGrid t(5, 2);
    EditEventLog log(t.grid);
    t.grid.SetCurCell(4, 1);
    QTest::keyClicks(&t.grid, "w");
    t.grid.RemoveRow(1); // the edited row moves up: the editor follows it
    QCOMPARE(t.grid.internals().editor.editRow(), 3);
    QTest::keyClick(lineEditor(t.grid), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(3, 1).toString(), QString("w"));
    QTest::keyClicks(&t.grid, "u");
    t.grid.RemoveRow(3); // the edited row goes: the edit is cancelled
    QVERIFY(!t.grid.internals().editor.isEditing());
    QCOMPARE(log.lines.last(), QString("EditEnd 3,1"));
}

QTEST_MAIN(TestGridEditing)
#include "tst_gridediting.moc"
