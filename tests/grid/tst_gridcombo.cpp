// Combo lists and combo cells: the list API (entries, FindItem across types, separators,
// keys), what a combo cell shows (CellText = the entry's text), and choosing entries with
// the keyboard and the mouse through the real popup, where separators cannot be chosen.

#include "EditEventLog.h"
#include "GridTestAccess.h"
#include "InputTestGrid.h"

#include "components/iconlist/IconList.h"
#include "input/GridComboPopup.h"
#include "view/GridCellControls.h"

namespace {
// Column 2 holds combo cells on the list "country": a separator, two countries, a second
// separator and a third country.
struct ComboGrid : InputTestGrid {
    ComboList* list = nullptr;
    ComboGrid() : InputTestGrid(4, 3) {
        list = grid.ComboLists().Add("country");
        list->AddItem("=== America ===", Variant(std::int16_t(0)), 0, -1);
        list->AddItem("Canada", "CAN", 0, -1);
        list->AddItem("Mexico", "MEX", 0, -1);
        list->AddItem("=== Europe  ===", Variant(std::int16_t(0)), 0, -1);
        list->AddItem("Finland", "FIN", 0, -1);
        for (int r = 1; r <= 4; ++r) {
            grid.SetCellType(r, 2, CellTypeCombo);
            grid.SetCellComboList(r, 2, "country");
            grid.SetCellValue(r, 2, "MEX");
        }
    }
    GridComboPopup* popup() { return grid.internals().editor.comboPopup(); }
    QPoint itemPoint(int index) { return popup()->visualItemRect(popup()->item(index)).center(); }
};
} // namespace

class TestGridCombo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listEntries();
    void findItemAcrossTypes();
    void listsByKey();
    void cellShowsTheEntryText();
    void chooseWithKeyboard();
    void separatorsCannotBeChosen();
    void chooseWithMouse();
    void escapeChoosesNothing();
    void refusedChoiceKeepsValue();
    void typingOpensAndJumps();
    void dropDownSize();
    void buttonsInAllCells();
};

void TestGridCombo::listEntries() {
    ComboGrid t;
    QCOMPARE(t.list->ItemCount(), 5);
    QCOMPARE(t.list->ItemText(1), QString("Canada"));
    QCOMPARE(t.list->ItemValue(2).toString(), QString("MEX"));
    QVERIFY(t.list->ItemIsSeparator(0));
    QVERIFY(!t.list->ItemIsSeparator(1));
    QCOMPARE(t.list->ItemText(9), QString()); // bad indexes read empty
    QVERIFY(t.list->ItemValue(-1).isEmpty());
    QCOMPARE(t.list->AddItem("Sweden", "SWE"), 5); // the new index
    t.list->Clear();
    QCOMPARE(t.list->ItemCount(), 0);
}

void TestGridCombo::findItemAcrossTypes() {
    ComboList list("n", [] { return FontData(); }, {});
    list.AddItem("Zero", Variant(std::int16_t(0)));
    list.AddItem("One", 1);
    list.AddItem("No", false);
    list.AddItem("Two text", "2");
    list.AddItem("Red", 255);
    QCOMPARE(list.FindItem(Variant(1.0f)), 1); // a Single finds the whole number
    QCOMPARE(list.FindItem(Variant(255)), 4);
    QCOMPARE(list.FindItem(Variant(false)), 2); // not the separator
    QCOMPARE(list.FindItem(Variant(std::int16_t(0))), 0);
    QCOMPARE(list.FindItem(Variant("2")), 3);
    QCOMPARE(list.FindItem(Variant(2)), -1); // a number never finds text
    QCOMPARE(list.FindItem(Variant("1")), -1);
    QCOMPARE(list.FindItem(Variant()), -1);
    QCOMPARE(list.FindItem(Variant::null()), -1);
}

void TestGridCombo::listsByKey() {
    TessixGrid grid;
    ComboLists& lists = grid.ComboLists();
    ComboList* a = lists.Add("Test");
    QCOMPARE(lists.Add("TEST"), a); // the same list again
    ComboList* b = lists.Add("other");
    QCOMPARE(lists.Count(), 2);
    QCOMPARE(lists.Item("test"), a);
    QCOMPARE(lists.Item(2), b);
    QCOMPARE(lists.Item(3), nullptr);
    int widths = 0;
    for (const auto& list : lists) {
        list->SetDropDownWidth(120);
        widths += list->DropDownWidth();
    }
    QCOMPARE(widths, 240);
    QVERIFY(lists.Remove("OTHER"));
    QVERIFY(!lists.Remove("other"));
    QCOMPARE(lists.Count(), 1);
}

void TestGridCombo::cellShowsTheEntryText() {
    ComboGrid t;
    QCOMPARE(t.grid.CellText(1, 2), QString("Mexico"));
    t.grid.SetCellValue(2, 2, "XXX"); // no entry: the value's own text
    QCOMPARE(t.grid.CellText(2, 2), QString("XXX"));
    t.list->AddItem("Unknown", "XXX");
    QCOMPARE(t.grid.CellText(2, 2), QString("Unknown"));
    // The entry's icon comes from the list's own image list.
    IconList icons;
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::red);
    icons.AddImage("mex", image);
    t.list->SetImageList(&icons);
    QCOMPARE(comboEntryIcon(t.grid.internals().context, 1, 2).first, nullptr); // entry has no icon
    ComboList* flags = t.grid.ComboLists().Add("flags");
    flags->SetImageList(&icons);
    flags->AddItem("Mexico", "MEX", 1);
    t.grid.SetCellComboList(1, 2, "flags");
    QCOMPARE(comboEntryIcon(t.grid.internals().context, 1, 2),
             std::make_pair(static_cast<const IconList*>(&icons), 1));
}

void TestGridCombo::chooseWithKeyboard() {
    ComboGrid t;
    EditEventLog log(t.grid);
    t.grid.SetCurCell(2, 2);
    t.key(Qt::Key_F4);
    QVERIFY(t.popup() && t.popup()->isVisible());
    QCOMPARE(t.popup()->highlighted(), 2);    // the cell's entry
    QTest::keyClick(t.popup(), Qt::Key_Down); // skips the separator
    QCOMPARE(t.popup()->highlighted(), 4);
    QTest::keyClick(t.popup(), Qt::Key_Return);
    QVERIFY(!t.popup());
    QCOMPARE(t.grid.CellValue(2, 2).toString(), QString("FIN"));
    QCOMPARE(t.grid.CellText(2, 2), QString("Finland"));
    QCOMPARE(log.take(), QStringList({"RequestEdit 2,2 key=0 text=Mexico",
                                      "Before 2,2 text=Finland value=FIN:String canStay=0 kind=1",
                                      "After 2,2 previous=MEX", "EditEnd 2,2"}));
    // Alt+Down opens too.
    t.key(Qt::Key_Down, Qt::AltModifier);
    QVERIFY(t.popup());
    QCOMPARE(t.current(), QString("2,2"));
}

void TestGridCombo::separatorsCannotBeChosen() {
    ComboGrid t;
    t.grid.SetCurCell(1, 2);
    t.grid.SetCellValue(1, 2, Variant());
    t.key(Qt::Key_F4);
    QCOMPARE(t.popup()->highlighted(), 1); // the first entry that can be chosen
    QTest::keyClick(t.popup(), Qt::Key_Up);
    QCOMPARE(t.popup()->highlighted(), 1);
    QTest::keyClick(t.popup(), Qt::Key_End);
    QCOMPARE(t.popup()->highlighted(), 4);
    QTest::mouseClick(t.popup()->viewport(), Qt::LeftButton, {}, t.itemPoint(3));
    QVERIFY(t.popup()); // a click on a heading chooses nothing
    QVERIFY(t.grid.CellValue(1, 2).isEmpty());
}

void TestGridCombo::chooseWithMouse() {
    ComboGrid t;
    EditEventLog log(t.grid);
    t.grid.SetCurCell(3, 2);
    QVERIFY(comboButtonShown(t.grid.internals().context, 3, 2));
    QVERIFY(!comboButtonShown(t.grid.internals().context, 2, 2)); // only in the current cell
    const QPoint button = comboButtonRect(viewportOf(t.grid).cellRect(3, 2)).center();
    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, button);
    QVERIFY(t.popup());
    QTest::mouseClick(t.popup()->viewport(), Qt::LeftButton, {}, t.itemPoint(1));
    QVERIFY(!t.popup());
    QCOMPARE(t.grid.CellValue(3, 2).toString(), QString("CAN"));
    QCOMPARE(log.lines.filter("Before").size(), 1);
}

void TestGridCombo::escapeChoosesNothing() {
    ComboGrid t;
    EditEventLog log(t.grid);
    t.grid.SetCurCell(1, 2);
    t.key(Qt::Key_F4);
    QTest::keyClick(t.popup(), Qt::Key_Down);
    QTest::keyClick(t.popup(), Qt::Key_Escape);
    QVERIFY(!t.popup());
    QCOMPARE(t.grid.CellValue(1, 2).toString(), QString("MEX"));
    QCOMPARE(log.take(), QStringList({"RequestEdit 1,2 key=0 text=Mexico", "EditEnd 1,2"}));
}

void TestGridCombo::refusedChoiceKeepsValue() {
    ComboGrid t;
    EditEventLog log(t.grid);
    log.result = CommitDiscard;
    t.grid.SetCurCell(1, 2);
    t.key(Qt::Key_F4);
    QTest::keyClick(t.popup(), Qt::Key_Up);
    QTest::keyClick(t.popup(), Qt::Key_Return);
    QCOMPARE(t.grid.CellValue(1, 2).toString(), QString("MEX"));
    QCOMPARE(log.lines.filter("After").size(), 0);
    QCOMPARE(log.lines.last(), QString("EditEnd 1,2"));
    // RequestEdit may refuse to open the list.
    log.cancel = true;
    t.key(Qt::Key_F4);
    QVERIFY(!t.popup());
}

void TestGridCombo::typingOpensAndJumps() {
    ComboGrid t;
    t.grid.SetCurCell(4, 2);
    QTest::keyClicks(&t.grid, "f");
    QVERIFY(t.popup());
    QCOMPARE(t.popup()->highlighted(), 4);
    QTest::keyClicks(t.popup(), "c");
    QCOMPARE(t.popup()->highlighted(), 1);
}

void TestGridCombo::dropDownSize() {
    ComboGrid t;
    t.list->SetDropDownItems(2);
    t.list->SetDropDownItems(0); // at least one entry
    QCOMPARE(t.list->DropDownItems(), 1);
    t.list->SetDropDownItems(3);
    t.list->AutoDropDownWidth();
    const int fitted = t.list->DropDownWidth();
    QVERIFY(fitted > QFontMetrics(t.grid.font()).horizontalAdvance("Canada"));
    t.grid.SetCurCell(1, 2);
    t.key(Qt::Key_F4);
    QCOMPARE(t.popup()->width(), fitted);
    QVERIFY(t.popup()->height() < 4 * t.popup()->sizeHintForRow(0));
    QTest::keyClick(t.popup(), Qt::Key_Escape);
    t.list->SetDropDownWidth(0); // as wide as the cell
    t.key(Qt::Key_F4);
    QCOMPARE(t.popup()->width(), viewportOf(t.grid).cellRect(1, 2).width());
}

void TestGridCombo::buttonsInAllCells() {
    ComboGrid t;
    t.grid.SetCurCell(1, 1);
    QVERIFY(!comboButtonShown(t.grid.internals().context, 2, 2));
    t.grid.SetShowControlsInAllCells(true);
    QVERIFY(comboButtonShown(t.grid.internals().context, 2, 2));

    t.grid.SetEditable(false);
    QVERIFY(!comboButtonShown(t.grid.internals().context, 2, 2));
}

QTEST_MAIN(TestGridCombo)
#include "tst_gridcombo.moc"
