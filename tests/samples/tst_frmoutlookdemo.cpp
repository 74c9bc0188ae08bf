// "Outlook Style Grid Demonstration" driven through its controls: the mailbox at load, the
// refused column moves and the preview that follows the fifth column, the read state and its
// previews, the popup menu on messages and on bands, tooltips over previews only, and the
// grouping panel (criteria, refusals, reordering by the grip, bands by date and size,
// collapsed bands, deleting across bands). The messages are dated back from a fixed day.

#include "SampleWindowTest.h"

#include "app/Global.h"
#include "components/grid/GridContextMenu.h"
#include "components/iconlist/IconList.h"
#include "input/GridComboPopup.h"
#include "input/GridToolTips.h"
#include "platform/Colors.h"
#include "runtime/DateMath.h"
#include "samples/full/OutlookBands.h"
#include "samples/full/OutlookGrouping.h"
#include "samples/full/frmOutlookDemo.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

namespace {

const QDate Today(2026, 12, 10);

// What the popup menu offered ("Mark as Read:1" = enabled) and which item to choose.
struct MenuChooser {
    QString pick;
    QStringList offered;
    MenuChooser() {
        GridContextMenu::setChooser([this](int, const GridContextMenu& menu) {
            offered.clear();
            int chosen = 0;
            for (int i = 1; i <= menu.ItemCount(); ++i) {
                offered << QString("%1:%2").arg(menu.ItemText(i)).arg(menu.ItemEnabled(i));
                if (!pick.isEmpty() && menu.ItemKey(i) == pick)
                    chosen = i;
            }
            return chosen;
        });
    }
    ~MenuChooser() { GridContextMenu::setChooser({}); }
};

} // namespace

class TestFrmOutlookDemo : public QObject {
    Q_OBJECT

    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmOutlookDemo> window;

    TessixGrid& list() { return *window->grdMain; }
    TessixGrid& criteria() { return *window->grdGrp; }
    int icon(const char* key) { return window->imlMain->ItemIndex(key); }
    bool unread(int row) { return list().CellIcon(row, "message") == icon("msg_unread"); }
    QString subject(int row) { return list().CellValue(row, "subject").toString(); }

    QPoint cellPoint(TessixGrid& grid, int row, const QString& col) {
        return viewportOf(grid).cellRect(row, grid.ColIndex(col)).center();
    }
    QPoint previewPoint(int row) { return viewportOf(list()).rowTextRect(row).center(); }

    // Drags a header item to a point of the header, as the user does.
    void dragHeader(const QString& key, QPoint to) {
        QWidget* vp = list().viewport();
        QTest::mousePress(vp, Qt::LeftButton, {}, headerItem(list(), key).center());
        QTest::mouseMove(vp, headerItem(list(), key).center() + QPoint(12, 0));
        QTest::mouseMove(vp, to);
        QTest::mouseRelease(vp, Qt::LeftButton, {}, to);
    }
    QPoint headerLeftEdge(const QString& key) {
        const QRect item = headerItem(list(), key);
        return QPoint(item.left() + 3, item.center().y());
    }

    // A point on the row's cells (a band's caption for a band), the row scrolled into view.
    QPoint rowPoint(int row) {
        list().EnsureVisibleRow(row);
        return viewportOf(list()).rowRect(row).topLeft() + QPoint(200, 4);
    }
    void click(int row, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, rowPoint(row));
    }
    // A right click on the row's cells: the grid's press, then its menu.
    QStringList menuOn(int row, const QString& pick = {}) {
        MenuChooser chooser;
        chooser.pick = pick;
        const QPoint at = rowPoint(row);
        QTest::mousePress(list().viewport(), Qt::RightButton, {}, at);
        QTest::mouseRelease(list().viewport(), Qt::RightButton, {}, at);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, list().viewport()->mapToGlobal(at));
        QApplication::sendEvent(list().viewport(), &event);
        return chooser.offered;
    }

    // Chooses the entry of a combo cell of the criteria with the keyboard.
    void choose(int row, const QString& col, const QString& value) {
        criteria().SetCurCell(row, col);
        QTest::keyClick(&criteria(), Qt::Key_F4);
        GridComboPopup* popup = criteria().internals().editor.comboPopup();
        QVERIFY(popup);
        const int target = criteria().ComboLists().Item(col)->FindItem(value);
        QVERIFY(target >= 0);
        while (popup->highlighted() < target)
            QTest::keyClick(popup, Qt::Key_Down);
        while (popup->highlighted() > target)
            QTest::keyClick(popup, Qt::Key_Up);
        QTest::keyClick(popup, Qt::Key_Return);
    }
    QString criterion(int row) {
        return criteria().CellValue(row, "field").toString() + " " +
               criteria().CellValue(row, "order").toString();
    }
    // Top-level bands, "caption:expanded", in the list's order.
    QStringList bands() {
        QStringList captions;
        for (int row = 1; row <= list().RowCount(); ++row)
            if (list().RowIsGroup(row) && list().ParentRow(row) == 0)
                captions << list().CellValue(row, list().RowTextCol()).toString();
        return captions;
    }
    int messageCount() {
        int count = 0;
        for (int row = 1; row <= list().RowCount(); ++row)
            count += list().RowIsGroup(row) ? 0 : 1;
        return count;
    }
    void groupBy(const QString& field, const QString& order) {
        window->chkGroupRowsExpanded->setChecked(true);
        choose(1, "field", field);
        choose(1, "order", order);
        window->cmdApplyGrouping->click();
    }

private Q_SLOTS:
    void init() {
        services = std::make_unique<IsolatedServices>();
        window = std::make_unique<frmOutlookDemo>(nullptr, Today);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = services->boxes.unexpected();
        services.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    void loadState();
    void columnMovesRefused();
    void previewFollowsFifthColumn();
    void previewsFollowReadState();
    void readStateCycle();
    void menuOnGroupRowIsDisabled();
    void toolTipsOnlyOverPreviews();
    void criteriaRefuseDuplicateField();
    void criteriaApplyAndUngroup();
    void bandsByDateAndSize_data();
    void bandsByDateAndSize();
    void reorderCriteriaByGrip();
    void collapsedBands();
    void deleteAcrossBands();
};

void TestFrmOutlookDemo::loadState() {
    QCOMPARE(window->windowTitle(), QString("Outlook Style Grid Demonstration"));
    QCOMPARE(list().RowCount(), 200);
    QCOMPARE(list().CurRow(), 1);
    QCOMPARE(list().CurCol(), 1);
    const double endOfToday = vb::toSerial(Today) + 1;
    double previous = endOfToday;
    for (int row = 1; row <= 200; ++row) {
        QVERIFY(!list().RowIsGroup(row));
        // Newest first, none from the future.
        const double received = list().CellValue(row, "received").toDateSerial();
        QVERIFY2(received <= previous, qPrintable(QString::number(row)));
        previous = received;
        QVERIFY(received >= vb::toSerial(Today.addDays(-41)));
        QCOMPARE(unread(row), row <= 16);
        QCOMPARE(list().CellFont(row, "subject").Bold(), row <= 16);
        const bool spam = list().CellValue(row, "from").toString() == "Barry Dealmaker";
        QCOMPARE(subject(row).startsWith("[spam]  "), spam);
        QCOMPARE(list().CellForeColor(row, "size"), spam ? SysButtonShadow : DefaultColor);
        // Previews in blue, spam in grey.
        QCOMPARE(list().CellForeColor(row, "body"), spam ? SysButtonShadow : RGB(0, 0, 255));
        const int size = list().CellValue(row, "size").toLong();
        QVERIFY(size >= 1 && size <= 1000);
    }
    // Unread messages show their preview, read ones none.
    QVERIFY(list().RowHeight(1) > list().DefaultRowHeight());
    QCOMPARE(list().RowHeight(17), list().DefaultRowHeight());
    QCOMPARE(list().RowTextStartCol(), list().ColIndex("from"));

    // The column chooser lists every column, checked; the criteria offer the same fields.
    TessixGrid& cols = *window->grdCols;
    QStringList chooser;
    for (int row = 1; row <= cols.RowCount(); ++row)
        chooser << QString("%1=%2:%3")
                       .arg(cols.CellText(row, 1), cols.RowTag(row).toString())
                       .arg(cols.CellCheckState(row, 1));
    QCOMPARE(chooser, QStringList({"Importance=importance:1", "Message=message:1",
                                   "Attachment=attachment:1", "Flag=flag:1", "From=from:1",
                                   "Subject=subject:1", "Received=received:1", "Size=size:1"}));
    const ComboList* fields = criteria().ComboLists().Item("field");
    QCOMPARE(fields->ItemCount(), 9);
    QCOMPARE(fields->ItemText(0), QString("(none)"));
    QCOMPARE(fields->ItemText(4) + "=" + fields->ItemValue(4).toString(), QString("Flag=flag"));
    for (int row = 1; row <= 3; ++row)
        QCOMPARE(criterion(row), QString("(none) asc"));
    QVERIFY(!window->chkGroupRowsExpanded->isChecked());
}

void TestFrmOutlookDemo::columnMovesRefused() {
    const QString layout = list().ColLayout();
    services->boxes.answer(vbOK);
    dragHeader("importance", headerItem(list(), "subject").center());
    services->boxes.answer(vbOK);
    dragHeader("subject", headerLeftEdge("message"));
    const auto& shown = services->boxes.shown();
    QCOMPARE(shown.size(), 2);
    QCOMPARE(shown[0].request.text, QString("You can't drag this column!"));
    QCOMPARE(shown[1].request.text, QString("You can't move any columns into this area"));
    for (const auto& box : shown)
        QCOMPARE(box.request.buttons(), int(vbOKOnly));
    QCOMPARE(list().ColLayout(), layout);
}

void TestFrmOutlookDemo::previewFollowsFifthColumn() {
    dragHeader("subject", headerLeftEdge("from"));
    QCOMPARE(list().ColAtPos(5), list().ColIndex("subject"));
    QCOMPARE(list().RowTextStartCol(), list().ColIndex("subject"));
    QCOMPARE(viewportOf(list()).rowTextRect(1).left(), headerItem(list(), "subject").left());

    // Hiding the fifth column in the chooser keeps the previews, under the next column.
    TessixGrid& cols = *window->grdCols;
    const int subjectRow = cols.FindRow(1, "Subject");
    cols.internals().editor.toggleCheckBox(subjectRow, 1);
    QVERIFY(!list().ColVisible("subject"));
    QCOMPARE(list().RowTextStartCol(), list().ColIndex("from"));
    QVERIFY(viewportOf(list()).rowTextRect(1).height() > 0);
    QCOMPARE(viewportOf(list()).rowTextRect(1).left(), headerItem(list(), "from").left());
}

void TestFrmOutlookDemo::previewsFollowReadState() {
    // The long second body, read: made unread, it shows two lines; all of it without the limit.
    int row = 17;
    while (!list().CellValue(row, "body").toString().startsWith("My neighbour"))
        ++row;
    click(row);
    menuOn(row, "mark unread");
    QVERIFY(unread(row));
    const int twoLines = list().RowHeight(row);
    QVERIFY(twoLines > list().DefaultRowHeight());
    window->chkPreview2Lines->setChecked(false);
    QVERIFY(list().RowHeight(row) > twoLines);
    window->chkPreview2Lines->setChecked(true);
    QCOMPARE(list().RowHeight(row), twoLines);

    menuOn(row, "mark read");
    QCOMPARE(list().RowHeight(row), list().DefaultRowHeight());
    window->optPreviewAll->setChecked(true);
    QCOMPARE(list().RowHeight(row), twoLines);
    window->optPreviewNone->setChecked(true);
    for (int r = 1; r <= list().RowCount(); ++r)
        QCOMPARE(list().RowHeight(r), list().DefaultRowHeight());

    // A narrower column leaves less room to the whole preview: it takes more lines.
    window->optPreviewAll->setChecked(true);
    window->chkPreview2Lines->setChecked(false);
    const int whole = list().RowHeight(row);
    const QRect item = headerItem(list(), "subject");
    const QPoint divider(item.right(), item.center().y());
    QTest::mousePress(list().viewport(), Qt::LeftButton, {}, divider);
    QTest::mouseMove(list().viewport(), divider - QPoint(120, 0));
    QTest::mouseRelease(list().viewport(), Qt::LeftButton, {}, divider - QPoint(120, 0));
    QVERIFY(list().ColWidth("subject") < item.width());
    QVERIFY(list().RowHeight(row) > whole);
}

void TestFrmOutlookDemo::readStateCycle() {
    int row = 17;
    while (list().CellIcon(row, "message") != icon("msg_replied"))
        ++row;
    click(row);
    menuOn(row, "mark unread");
    QVERIFY(unread(row));
    QVERIFY(list().CellFont(row, "from").Bold());
    menuOn(row, "mark read");
    QCOMPARE(list().CellIcon(row, "message"), icon("msg_read"));
    QVERIFY(!list().CellFont(row, "from").Bold());
    menuOn(row, "mark unread");
    QVERIFY(unread(row));
    menuOn(row, "mark read");
    QCOMPARE(list().CellIcon(row, "message"), icon("msg_read"));

    // Several selected messages at once.
    click(20);
    click(22, Qt::ControlModifier);
    menuOn(22, "mark unread");
    QVERIFY(unread(20) && unread(22) && !unread(21));
}

void TestFrmOutlookDemo::menuOnGroupRowIsDisabled() {
    const QStringList enabled = {"Mark as Read:1", "Mark as Unread:1", "-:1", "Delete:1"};
    QCOMPARE(menuOn(3), enabled);
    groupBy("received", "desc");
    QVERIFY(list().RowIsGroup(1));
    click(1);
    QCOMPARE(menuOn(1), QStringList({"Mark as Read:0", "Mark as Unread:0", "-:1", "Delete:0"}));
    // A band and a message selected together: the message counts.
    click(3, Qt::ControlModifier);
    QCOMPARE(menuOn(3), enabled);
}

void TestFrmOutlookDemo::toolTipsOnlyOverPreviews() {
    GridToolTips& tips = list().internals().input.toolTips();
    const auto hover = [&](const QPoint& at) {
        QHelpEvent help(QEvent::ToolTip, at, list().viewport()->mapToGlobal(at));
        QApplication::sendEvent(list().viewport(), &help);
        return tips.isShown();
    };
    int row = 1;
    while (!list().CellValue(row, "body").toString().contains("\r\n"))
        ++row;
    QVERIFY(hover(previewPoint(row)));
    QCOMPARE(tips.shownTitle(), QString("Compact message preview:"));
    // Each paragraph wrapped at 60 characters.
    const QString body = list().CellValue(row, "body").toString();
    QStringList lines;
    for (const QString& paragraph : body.split("\r\n"))
        lines << WrapText(paragraph, 60).split("\r\n");
    QCOMPARE(tips.shownText(), lines.join('\n'));
    QVERIFY(!hover(cellPoint(list(), row, "subject")));

    groupBy("size", "asc");
    QVERIFY(list().RowIsGroup(1));
    QVERIFY(!hover(viewportOf(list()).rowRect(1).center()));
    window->optPreviewAll->setChecked(true);
    QVERIFY(!list().RowIsGroup(2));
    QVERIFY(hover(previewPoint(2)));
}

void TestFrmOutlookDemo::criteriaRefuseDuplicateField() {
    choose(1, "field", "from");
    services->boxes.answer(vbOK);
    choose(2, "field", "from");
    const auto& shown = services->boxes.shown();
    QCOMPARE(shown.size(), 1);
    QCOMPARE(shown[0].request.text, QString("'From' field is already present in the field list.\r\n"
                                            "Try to select another value."));
    QCOMPARE(shown[0].request.title, window->windowTitle());
    QCOMPARE(shown[0].request.icon(), int(vbCritical));
    QCOMPARE(criterion(2), QString("(none) asc"));
    // "(none)" may be chosen twice; choosing it greys the criterion again.
    choose(2, "field", "size");
    QCOMPARE(criteria().CellForeColor(2, "order"), SysWindowText);
    choose(2, "field", "(none)");
    QCOMPARE(criteria().CellForeColor(2, "field"), SysGrayText);
    QCOMPARE(criteria().CellForeColor(2, "order"), SysGrayText);
    QCOMPARE(shown.size(), 1);
    // The grip is no field to edit.
    criteria().SetCurCell(1, "drag");
    QTest::keyClick(&criteria(), Qt::Key_F2);
    QVERIFY(!criteria().internals().editor.isEditing());
}

void TestFrmOutlookDemo::criteriaApplyAndUngroup() {
    // Rows 1 and 3 active, row 2 inactive: two levels, row 1 outermost.
    choose(1, "field", "from");
    choose(3, "field", "size");
    choose(3, "order", "desc");
    window->chkGroupRowsExpanded->setChecked(true);
    window->cmdApplyGrouping->click();
    const SortObject& sort = list().SortObject();
    QCOMPARE(sort.Count(), 2);
    QCOMPARE(sort.ItemAt(1)->col.key(), QString("from"));
    QCOMPARE(sort.ItemAt(2)->col.key(), QString("size"));
    QCOMPARE(sort.ItemAt(2)->order, int(SortDescending));
    QCOMPARE(bands().first(), QString("Anna Lindqvist"));
    QCOMPARE(list().CellValue(2, list().RowTextCol()).toString(), QString("Very Large (> 500 KB)"));
    QCOMPARE(list().CellForeColor(1, list().RowTextCol()), SysWindowText);
    QCOMPARE(messageCount(), 200);

    // All criteria "(none)": Apply removes the bands.
    choose(1, "field", "(none)");
    choose(3, "field", "(none)");
    window->cmdApplyGrouping->click();
    QVERIFY(bands().isEmpty());

    choose(2, "field", "received");
    window->cmdApplyGrouping->click();
    QVERIFY(!bands().isEmpty());
    window->cmdUngroup->click();
    QVERIFY(bands().isEmpty());
    QCOMPARE(list().SortObject().Count(), 0);
    // Deleting afterwards brings no bands back.
    click(1);
    menuOn(1, "delete");
    QCOMPARE(messageCount(), 199);
    QVERIFY(bands().isEmpty());
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(criterion(row), QString("(none) asc"));
        QCOMPARE(criteria().CellForeColor(row, "field"), SysGrayText);
    }
}

void TestFrmOutlookDemo::bandsByDateAndSize_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("order");
    QTest::addColumn<QStringList>("order_of_bands");
    QTest::newRow("received descending")
        << "received"
        << "desc"
        << QStringList{"Today", "Yesterday", "Earlier this week", "Earlier this month", "Older"};
    QTest::newRow("importance descending")
        << "importance"
        << "desc" << QStringList{"High importance", "Normal importance", "Low importance"};
    QTest::newRow("message ascending")
        << "message"
        << "asc" << QStringList{"Unread", "Read", "Replied", "Forwarded"};
    QTest::newRow("size ascending")
        << "size"
        << "asc"
        << QStringList{"Tiny (< 10 KB)", "Small (10 - 25 KB)", "Medium (25 - 100 KB)",
                       "Large (100 - 500 KB)", "Very Large (> 500 KB)"};
}

// Every message lies in the band its value (or icon) belongs to, and the bands come in their
// order.
void TestFrmOutlookDemo::bandsByDateAndSize() {
    QFETCH(QString, field);
    QFETCH(QString, order);
    QFETCH(QStringList, order_of_bands);
    groupBy(field, order);
    const QStringList shown = bands();
    QVERIFY(!shown.isEmpty());
    int last = -1;
    for (const QString& band : shown) {
        const int at = order_of_bands.indexOf(band);
        QVERIFY2(at > last, qPrintable(band));
        last = at;
    }
    QString band;
    for (int row = 1; row <= list().RowCount(); ++row) {
        if (list().RowIsGroup(row)) {
            band = list().CellValue(row, list().RowTextCol()).toString();
            continue;
        }
        const Variant value = list().CellValue(row, field);
        const std::optional<MessageBand> expected =
            field == "size" ? SizeBand(value.toLong())
            : field == "received"
                ? ReceivedBand(vb::dateOf(value.toDateSerial()), Today, QLocale().firstDayOfWeek())
                : IconBand(field, window->imlMain->ItemKey(list().CellIcon(row, field)));
        QVERIFY(expected);
        QCOMPARE(band, expected->caption);
    }
    QCOMPARE(messageCount(), 200);
}

void TestFrmOutlookDemo::reorderCriteriaByGrip() {
    choose(1, "field", "from");
    choose(2, "field", "size");
    choose(2, "order", "desc");
    QWidget* vp = criteria().viewport();
    const OleColor focus = criteria().FocusRectColor1();
    QTest::mousePress(vp, Qt::LeftButton, {}, cellPoint(criteria(), 1, "drag"));
    QVERIFY(criteria().RowMode());
    QCOMPARE(criteria().FocusRectColor1(), RGB(255, 0, 0));
    QCOMPARE(window->cursor().shape(), Qt::SizeVerCursor);
    for (int row : {2, 3}) {
        QTest::mouseMove(vp, cellPoint(criteria(), row, "field") + QPoint(0, -3));
        QTest::mouseMove(vp, cellPoint(criteria(), row, "field"));
    }
    QTest::mouseRelease(vp, Qt::LeftButton, {}, cellPoint(criteria(), 3, "field"));
    QCOMPARE(QStringList({criterion(1), criterion(2), criterion(3)}),
             QStringList({"size desc", "(none) asc", "from asc"}));
    // Each row keeps the colours of its values.
    QCOMPARE(criteria().CellForeColor(1, "order"), SysWindowText);
    QCOMPARE(criteria().CellForeColor(2, "field"), SysGrayText);
    QCOMPARE(criteria().CellForeColor(3, "field"), SysWindowText);
    QCOMPARE(criteria().CurRow(), 3);
    QVERIFY(!criteria().RowMode());
    QCOMPARE(criteria().FocusRectColor1(), focus);
    QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);

    window->chkGroupRowsExpanded->setChecked(true);
    window->cmdApplyGrouping->click();
    QCOMPARE(list().SortObject().ItemAt(1)->col.key(), QString("size"));
    QCOMPARE(bands().first(), QString("Very Large (> 500 KB)"));
}

void TestFrmOutlookDemo::collapsedBands() {
    choose(1, "field", "received");
    window->cmdApplyGrouping->click();
    QVERIFY(list().RowIsGroup(1));
    QVERIFY(!list().RowExpanded(1));
    QCOMPARE(viewportOf(list()).rowRect(2).height(), 0); // folded into the band
    window->chkGroupRowsExpanded->setChecked(true);
    QVERIFY(!list().RowExpanded(1)); // only bands made afterwards
    window->cmdApplyGrouping->click();
    QVERIFY(list().RowExpanded(1));
    QVERIFY(viewportOf(list()).rowRect(2).height() > 0);

    // Deleting a message keeps the bands as the user opened or closed them.
    window->chkGroupRowsExpanded->setChecked(false);
    window->cmdApplyGrouping->click();
    QTest::mouseDClick(list().viewport(), Qt::LeftButton, {}, rowPoint(1));
    QVERIFY(list().RowExpanded(1));
    const QStringList before = bands();
    click(2);
    menuOn(2, "delete");
    QCOMPARE(messageCount(), 199);
    QCOMPARE(bands(), before);
    QVERIFY(list().RowExpanded(1));
    for (int row = 2; row <= list().RowCount(); ++row)
        if (list().RowIsGroup(row))
            QVERIFY(!list().RowExpanded(row));
}

void TestFrmOutlookDemo::deleteAcrossBands() {
    groupBy("size", "asc");
    const QStringList before = bands();
    QVERIFY(before.size() >= 2);
    // The first message of the first band and the last message of the list, in another band.
    const int first = 2;
    const int lastRow = list().RowCount();
    QVERIFY(!list().RowIsGroup(first) && !list().RowIsGroup(lastRow));
    const QString gone1 = subject(first) + list().CellText(first, "received");
    const QString gone2 = subject(lastRow) + list().CellText(lastRow, "received");
    click(first);
    click(1, Qt::ControlModifier); // a band too: bands are never deleted
    click(lastRow, Qt::ControlModifier);
    menuOn(lastRow, "delete");
    QCOMPARE(messageCount(), 198);
    QCOMPARE(bands(), before);
    for (int row = 1; row <= list().RowCount(); ++row) {
        if (list().RowIsGroup(row))
            continue;
        const QString message = subject(row) + list().CellText(row, "received");
        QVERIFY(message != gone1 && message != gone2);
    }
    // No band is left empty.
    for (int row = 1; row <= list().RowCount(); ++row)
        if (list().RowIsGroup(row))
            QVERIFY(row < list().RowCount() && !list().RowIsGroup(row + 1));

    // Emptying a band removes it at the rebuild.
    const QString firstBand = bands().first();
    click(2);
    int row = 2;
    while (row + 1 <= list().RowCount() && !list().RowIsGroup(row + 1))
        ++row;
    click(row, Qt::ShiftModifier);
    menuOn(row, "delete");
    QVERIFY(!bands().contains(firstBand));
}

QTEST_MAIN(TestFrmOutlookDemo)
#include "tst_frmoutlookdemo.moc"
