// The grid's parts driven without the widget: a plain scroll area that is never shown and a
// sink that records the events in the order they are raised. Shows what the widget's tests
// cannot see apart: the order across selection, navigation and editing, and events that are
// raised only while someone listens.

#include "core/GridEventSink.h"
#include "core/GridPrivate.h"

#include <QAbstractScrollArea>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <functional>

namespace {

// Records every event it hears as one short line.
struct RecordingSink final : GridEventSink {
    QStringList log;
    bool wantsItems = false;
    std::function<void(KeyDownArgs&)> onKeyDown;
    std::function<void(BeforeCommitEditArgs&)> onBeforeCommit;

    bool listening(GridOptionalEvent event) const override {
        return event == GridOptionalEvent::CellSelectionChange && wantsItems;
    }
    void BeforeSelectionChange() override { log << "BeforeSel"; }
    void AfterSelectionChange(bool changed) override {
        log << QString("AfterSel %1").arg(int(changed));
    }
    void CellSelectionChange(int row, int col, bool selected) override {
        log << QString("Item %1,%2 %3").arg(row).arg(col).arg(int(selected));
    }
    void CurRowChange(int row, int previousRow) override {
        log << QString("Row %1<-%2").arg(row).arg(previousRow);
    }
    void CurColChange(int col, int previousCol) override {
        log << QString("Col %1<-%2").arg(col).arg(previousCol);
    }
    void CurCellChange(int row, int col, int, int) override {
        log << QString("Cell %1,%2").arg(row).arg(col);
    }
    void KeyDown(KeyDownArgs& args) override {
        log << QString("KeyDown %1").arg(args.keyCode);
        if (onKeyDown)
            onKeyDown(args);
    }
    void BeforeCommitEdit(BeforeCommitEditArgs& args) override {
        log << QString("Before %1,%2 %3 canStay=%4")
                   .arg(args.row)
                   .arg(args.col)
                   .arg(args.newText)
                   .arg(int(args.canStay));
        if (onBeforeCommit)
            onBeforeCommit(args);
    }
    void AfterCommitEdit(int row, int col, const Variant&) override {
        log << QString("After %1,%2").arg(row).arg(col);
    }
    void EditEnd(int row, int col) override { log << QString("EditEnd %1,%2").arg(row).arg(col); }

    QStringList take() { return std::exchange(log, {}); }
};

// 5 rows x 3 columns of "r,c" texts over a scroll area that is never shown.
struct Parts {
    QAbstractScrollArea area;
    RecordingSink sink;
    GridPrivate grid{area, sink};

    Parts() {
        area.resize(300, 200);
        grid.store.SetColCount(3);
        grid.store.SetRowCount(5);
        for (int r = 1; r <= 5; ++r)
            for (int c = 1; c <= 3; ++c)
                grid.store.SetCellText(r, c, QString("%1,%2").arg(r).arg(c));
    }
    QLineEdit* lineEditor() { return qobject_cast<QLineEdit*>(grid.editor.editorWidget()); }
    void key(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        grid.keyPress(&press);
    }
};

} // namespace

class TestGridParts : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void programMoveRaisesSelectionThenCurrentCell();
    void itemEventsOnlyWhileListened();
    void keyDownComesFirstAndCanStopTheMove();
    void programMoveCommitsTheOpenEditorFirst();
    void refusedCommitKeepsTheValue();
};

void TestGridParts::programMoveRaisesSelectionThenCurrentCell() {
    Parts p;
    p.grid.current.set(3, 2);
    QCOMPARE(p.sink.take(),
             QStringList({"BeforeSel", "AfterSel 1", "Row 3<-0", "Col 2<-0", "Cell 3,2"}));
    // Past the last row and column: clamped, and only the parts that changed are reported.
    p.grid.current.set(99, 2);
    QCOMPARE(p.sink.take(), QStringList({"BeforeSel", "AfterSel 1", "Row 5<-3", "Cell 5,2"}));
    QCOMPARE(p.grid.selection.SelItems().Count(), 1);
}

void TestGridParts::itemEventsOnlyWhileListened() {
    Parts p;
    p.grid.selection.SetMultiSelect(true);
    p.grid.selection.selectAll();
    QVERIFY(!p.sink.take().join(' ').contains("Item"));
    p.sink.wantsItems = true;
    p.grid.selection.ClearSelection();
    const QStringList log = p.sink.take();
    QCOMPARE(log.count(), 2 + 5 * 3);
    QCOMPARE(log.first(), "BeforeSel");
    QCOMPARE(log[1], "Item 1,1 0");
    QCOMPARE(log.last(), "AfterSel 1");
}

void TestGridParts::keyDownComesFirstAndCanStopTheMove() {
    Parts p;
    p.grid.current.set(2, 1);
    p.sink.take();
    p.key(Qt::Key_Down);
    QCOMPARE(p.sink.take(),
             QStringList({"KeyDown 40", "BeforeSel", "AfterSel 1", "Row 3<-2", "Cell 3,1"}));
    p.sink.onKeyDown = [](KeyDownArgs& args) { args.keyCode = 0; };
    p.key(Qt::Key_Down);
    QCOMPARE(p.sink.take(), QStringList({"KeyDown 40"}));
    QCOMPARE(p.grid.navigation.CurRow(), 3);
}

void TestGridParts::programMoveCommitsTheOpenEditorFirst() {
    Parts p;
    p.grid.current.set(2, 1);
    QVERIFY(p.grid.editor.StartEdit(2, 1));
    p.lineEditor()->setText("typed");
    p.sink.take();
    // The edit ends before the window hears of the move, and cannot stay open.
    p.grid.current.set(4, 1);
    QCOMPARE(p.sink.take(),
             QStringList({"BeforeSel", "AfterSel 1", "Row 4<-2", "Before 2,1 typed canStay=0",
                          "After 2,1", "EditEnd 2,1", "Cell 4,1"}));
    QCOMPARE(p.grid.store.CellText(2, 1), "typed");
    QVERIFY(!p.grid.editor.isEditing());
}

void TestGridParts::refusedCommitKeepsTheValue() {
    Parts p;
    p.sink.onBeforeCommit = [](BeforeCommitEditArgs& args) { args.result = CommitDiscard; };
    QVERIFY(p.grid.editor.StartEdit(1, 3));
    p.lineEditor()->setText("refused");
    QVERIFY(p.grid.editor.CommitEdit());
    QCOMPARE(p.sink.take(), QStringList({"Before 1,3 refused canStay=1", "EditEnd 1,3"}));
    QCOMPARE(p.grid.store.CellText(1, 3), "1,3");
}

QTEST_MAIN(TestGridParts)
#include "tst_gridparts.moc"
