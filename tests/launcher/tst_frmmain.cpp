#include "app/Global.h"
#include "app/Startup.h"
#include "components/grid/TessixGrid.h"
#include "controls/HyperlinkLabel.h"
#include "grid/GridTestAccess.h"
#include "launcher/SampleCatalogue.h"
#include "launcher/frmMain.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "platform/Twips.h"
#include "platform/WebBrowser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cmath>
#include <memory>

// A sample window for the launcher to open; it can refuse to close, like a window whose
// save prompt was cancelled.
class TestSample : public QWidget {
    Q_OBJECT
public:
    static inline int made = 0;
    bool refuse = false;

    TestSample() {
        ++made;
        setWindowTitle(QStringLiteral("Test Sample"));
        resize(200, 100);
    }

protected:
    void closeEvent(QCloseEvent* e) override {
        if (refuse)
            e->ignore();
        else
            e->accept();
    }
};

namespace {

const QString TestedClass = QStringLiteral("frmMyCustomers"); // first entry of the first group
const QString OtherClass = QStringLiteral("frmPropertyGrid");

void sendMouse(QWidget* w, QEvent::Type type, const QPoint& at, Qt::MouseButton button,
               Qt::MouseButtons buttons) {
    QMouseEvent e(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

// How many pixels of a rectangle are (nearly) white.
int whitePixels(QWidget* w, const QRect& area) {
    const QImage image = w->grab().toImage();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() > 235 && c.green() > 235 && c.blue() > 235)
                ++count;
        }
    return count;
}

} // namespace

class TestFrmMain : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    platform::MemorySettingsStore settings;
    platform::RecordingWebBrowser browser;
    std::unique_ptr<platform::ScopedSettingsStore> settingsScope;
    std::unique_ptr<platform::ScopedWebBrowser> browserScope;
    QPointer<frmMain> launcher;

    frmMain& open() {
        launcher = new frmMain;
        launcher->setAttribute(Qt::WA_DeleteOnClose);
        launcher->show();
        if (!QTest::qWaitForWindowExposed(launcher))
            qWarning("the launcher was not exposed");
        return *launcher;
    }
    TessixGrid& grid() { return *launcher->grdDemos; }
    QWidget* viewport() { return grid().viewport(); }
    int groupRow(const QString& caption) {
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().RowIsGroup(row) && groupCaption(row) == caption)
                return row;
        return 0;
    }
    QString groupCaption(int row) { return grid().CellValue(row, grid().RowTextCol()).toString(); }
    int entryRow(const QString& windowClass) {
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (auto* s = qobject_cast<SampleWindow*>(grid().RowTagObject(row)))
                if (s->WindowClass() == windowClass)
                    return row;
        return 0;
    }
    QStringList visibleEntries() {
        QStringList names;
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (!grid().RowIsGroup(row) && grid().RowVisible(row))
                names << grid().CellValue(row, "name").toString();
        return names;
    }
    QPoint groupPoint(int row) {
        return viewportOf(grid()).cellRect(row, grid().RowTextCol()).center();
    }
    QPoint cellPoint(int row, const char* col) {
        return viewportOf(grid()).cellRect(row, grid().ColIndex(col)).center();
    }
    void hover(const QPoint& at, Qt::MouseButtons buttons = Qt::NoButton) {
        sendMouse(viewport(), QEvent::MouseMove, at, Qt::NoButton, buttons);
    }
    void press(const QPoint& at) {
        hover(at);
        sendMouse(viewport(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    }
    void release(const QPoint& at) {
        sendMouse(viewport(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
    }
    void clickButton(int row) {
        press(cellPoint(row, "button"));
        release(cellPoint(row, "button"));
    }
    int icon(const char* key) {
        return launcher->imlLaunchBtn->ItemIndex(QString::fromLatin1(key));
    }
    bool customCursorShown() {
        return launcher->testAttribute(Qt::WA_SetCursor) &&
               launcher->cursor().shape() == Qt::BitmapCursor;
    }

private Q_SLOTS:
    void initTestCase() {
        InitializeApplication(*qApp);
        QVERIFY(dir.isValid());
        SetDataFolder(dir.path());
        settingsScope = std::make_unique<platform::ScopedSettingsStore>(settings);
        browserScope = std::make_unique<platform::ScopedWebBrowser>(browser);
    }
    void cleanup() {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* sample = qobject_cast<TestSample*>(w))
                sample->refuse = false;
        if (launcher)
            launcher->close();
        for (QWidget* w : QApplication::topLevelWidgets())
            w->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!launcher);
    }

    void catalogueAtLoad() {
        open();
        QCOMPARE(launcher->windowTitle(), QStringLiteral("Tessix Demonstrator Control Center"));
        QCOMPARE(TipsFilePath(), dir.path() + QStringLiteral("/TessixDemo.tips"));
        QCOMPARE(grid().RowCount(), 31);
        int row = 0;
        int expectedGroupHeight = int(std::lround(300 / TwipsPerPixelY() + 6));
        for (const SampleGroup& group : SampleCatalogue()) {
            ++row;
            QVERIFY(grid().RowIsGroup(row));
            QCOMPARE(groupCaption(row), group.caption);
            QCOMPARE(grid().RowTag(row).toString(), group.description);
            QCOMPARE(grid().CellType(row, grid().RowTextCol()), 3);
            QCOMPARE(grid().RowHeight(row), expectedGroupHeight);
            for (const SampleEntry& entry : group.entries) {
                ++row;
                QVERIFY(!grid().RowIsGroup(row));
                QCOMPARE(grid().CellValue(row, "name").toString(), entry.caption);
                QCOMPARE(grid().CellValue(row, grid().RowTextCol()).toString(), entry.description);
                auto* sample = qobject_cast<SampleWindow*>(grid().RowTagObject(row));
                QVERIFY(sample);
                QCOMPARE(sample, &SampleWindow::Instance(entry.windowClass));
                QCOMPARE(grid().CellIcon(row, "button"), icon("Launch_normal"));
            }
        }
        QCOMPARE(visibleEntries(), QStringList({"My Customers", "Outlook Style Demo",
                                                "Property Grid", "Folder Size Manager"}));
        QCOMPARE(launcher->ExpandedGroupRow(), 1);
        QVERIFY(!launcher->HintsHidden());
    }

    // Whatever group is open, the two columns fill the grid and nothing needs a scroll bar.
    void everyGroupFitsTheGrid() {
        open();
        QCOMPARE(grid().ColWidth("name") + grid().ColWidth("button") + 2, grid().width());
        QVERIFY(grid().ColWidth("button") >= 100 + 10);
        for (const SampleGroup& group : SampleCatalogue()) {
            launcher->ExpandGroup(groupRow(group.caption));
            QCoreApplication::processEvents();
            int shown = 0;
            for (int row = 1; row <= grid().RowCount(); ++row)
                if (grid().RowVisible(row))
                    shown += grid().RowHeight(row);
            QVERIFY2(shown <= grid().viewport()->height(), qPrintable(group.caption));
            QVERIFY(!grid().verticalScrollBar()->isVisible());
            QVERIFY(!grid().horizontalScrollBar()->isVisible());
        }
    }

    void pressingAGroupExpandsOnlyIt() {
        open();
        const int editing = groupRow(QStringLiteral("Editing Databases"));
        press(groupPoint(editing));
        release(groupPoint(editing));
        QCOMPARE(launcher->ExpandedGroupRow(), editing);
        QVERIFY(launcher->HintsHidden());
        QCOMPARE(visibleEntries(),
                 QStringList({"Field-Level Editing", "Row-Level Editing", "Grid-Level Editing",
                              "Bound Controls Editing", "Add, Edit, Delete..."}));
        // Neither a selection nor a current cell in the catalogue.
        QCOMPARE(grid().CurRow(), 0);

        // Pressing the open group again keeps it open.
        press(groupPoint(editing));
        release(groupPoint(editing));
        QCOMPARE(launcher->ExpandedGroupRow(), editing);
        QCOMPARE(visibleEntries().size(), 5);
    }

    // Collapsed groups invite a click until the first group change, then never again.
    void expandHintUntilTheFirstGroupChange() {
        open();
        const int ideas = groupRow(QStringLiteral("Ideas for Your Apps"));
        const QRect band = viewportOf(grid()).cellRect(ideas, grid().RowTextCol());
        // The band's right part, above its unpainted bottom line.
        const auto hintArea = [](const QRect& band) {
            return QRect(band.right() - 220, band.top(), 215, band.height() - 1);
        };
        QVERIFY(whitePixels(viewport(), hintArea(band)) > 20);

        launcher->ExpandGroup(groupRow(QStringLiteral("Exploring Tessix")));
        const QRect moved = viewportOf(grid()).cellRect(ideas, grid().RowTextCol());
        QCOMPARE(whitePixels(viewport(), hintArea(moved)), 0);
    }

    void hoveringAGroupLightsItsCaption() {
        open();
        const int row = groupRow(QStringLiteral("Full-featured Demos"));
        const QRect band = viewportOf(grid()).cellRect(row, grid().RowTextCol());
        const QRect caption(band.left() + 25, band.top() + 4, 150, band.height() - 8);
        QCOMPARE(whitePixels(viewport(), caption), 0);

        hover(groupPoint(row));
        QCOMPARE(launcher->HotRow(), row);
        QCOMPARE(launcher->ButtonState(), 1);
        QVERIFY(customCursorShown());
        QVERIFY(whitePixels(viewport(), caption) > 20);

        hover(cellPoint(row + 1, "name"));
        QCOMPARE(launcher->ButtonState(), 0);
        QVERIFY(!customCursorShown());
        QCOMPARE(whitePixels(viewport(), caption), 0);
    }

    // A click that expands a group moves the rows under the still pointer: the hot look
    // follows the row now under it without waiting for the next move.
    void hotLookFollowsRowsMovedByAnExpand() {
        open();
        const int row = groupRow(QStringLiteral("Editing Databases"));
        const QPoint at = groupPoint(row);
        const QRect band = viewportOf(grid()).cellRect(row, grid().RowTextCol());
        press(at);
        release(at);
        QCOMPARE(launcher->ExpandedGroupRow(), row);
        const int under = viewportOf(grid()).cellAt(at).first;
        QVERIFY(under != row); // the group moved up from under the pointer
        QTRY_COMPARE(launcher->HotRow(), under);
        QCOMPARE(launcher->ButtonState(), grid().RowIsGroup(under) ? 1 : 0);
        // The group's caption, now higher up, is not lit.
        const QRect moved = viewportOf(grid()).cellRect(row, grid().RowTextCol());
        QVERIFY(moved.top() < band.top());
        const QRect caption(moved.left() + 25, moved.top() + 4, 150, moved.height() - 8);
        QCOMPARE(whitePixels(viewport(), caption), 0);
    }

    void hoveringALaunchButtonLightsIt() {
        open();
        const int row = entryRow(TestedClass);
        hover(cellPoint(row, "name"));
        QCOMPARE(launcher->ButtonState(), 0);
        QVERIFY(!customCursorShown());

        hover(cellPoint(row, "button"));
        QCOMPARE(grid().CellIcon(row, "button"), icon("Launch_hot"));
        QCOMPARE(launcher->ButtonState(), 1);
        QVERIFY(customCursorShown());

        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(viewport(), &leave);
        QCOMPARE(grid().CellIcon(row, "button"), icon("Launch_normal"));
        QCOMPARE(launcher->ButtonState(), 0);
        QCOMPARE(launcher->HotRow(), 0);
        QVERIFY(!customCursorShown());
    }

    // One instance per sample: shown at the first launch, brought back while open, loaded
    // afresh once the user has closed it.
    void releasingTheButtonOpensTheSample() {
        ScopedSampleWindow registered(TestedClass, [] { return new TestSample; });
        open();
        const int row = entryRow(TestedClass);
        const int madeBefore = TestSample::made;

        press(cellPoint(row, "button"));
        QCOMPARE(launcher->ButtonState(), 2);
        QVERIFY(!SampleWindow::Instance(TestedClass).Window());
        release(cellPoint(row, "button"));
        QCOMPARE(launcher->ButtonState(), 1);
        QWidget* first = SampleWindow::Instance(TestedClass).Window();
        QVERIFY(first);
        QVERIFY(first->isVisible());
        QVERIFY(first->parent() == nullptr);
        QVERIFY(!first->isModal());
        QVERIFY(!first->windowIcon().isNull());
        QCOMPARE(TestSample::made, madeBefore + 1);

        clickButton(row);
        QCOMPARE(SampleWindow::Instance(TestedClass).Window(), first);
        QCOMPARE(TestSample::made, madeBefore + 1);

        QPointer<QWidget> closed = first;
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!closed);
        clickButton(row);
        QCOMPARE(TestSample::made, madeBefore + 2);
        QVERIFY(SampleWindow::Instance(TestedClass).Window()->isVisible());
    }

    // A launch right after a close, before the closed window is gone, still loads afresh.
    void relaunchRightAfterClosingLoadsAfresh() {
        ScopedSampleWindow registered(TestedClass, [] { return new TestSample; });
        open();
        const int row = entryRow(TestedClass);
        clickButton(row);
        QWidget* first = SampleWindow::Instance(TestedClass).Window();
        QVERIFY(first);
        first->close();
        clickButton(row);
        QWidget* second = SampleWindow::Instance(TestedClass).Window();
        QVERIFY(second && second != first);
        QVERIFY(second->isVisible());
    }

    void releaseAwayFromThePressedButtonOpensNothing_data() {
        QTest::addColumn<QString>("releaseOn");
        QTest::newRow("left the grid") << "outside";
        QTest::newRow("same row, name cell") << "name";
        QTest::newRow("same row, description") << "description";
        QTest::newRow("another row's button") << "other button";
    }
    void releaseAwayFromThePressedButtonOpensNothing() {
        QFETCH(QString, releaseOn);
        ScopedSampleWindow registered(TestedClass, [] { return new TestSample; });
        ScopedSampleWindow other(OtherClass, [] { return new TestSample; });
        open();
        const int row = entryRow(TestedClass);
        const int madeBefore = TestSample::made;
        press(cellPoint(row, "button"));
        QPoint target;
        if (releaseOn == "outside") {
            QEvent leave(QEvent::Leave);
            QApplication::sendEvent(viewport(), &leave);
        } else if (releaseOn == "name") {
            target = cellPoint(row, "name");
        } else if (releaseOn == "description") {
            target = viewportOf(grid()).cellRect(row, grid().RowTextCol()).center();
        } else {
            target = cellPoint(entryRow(OtherClass), "button");
        }
        if (!target.isNull())
            hover(target, Qt::LeftButton);
        QCOMPARE(grid().CellIcon(row, "button"), icon("Launch_normal"));
        release(target.isNull() ? QPoint(-5, -5) : target);
        QCOMPARE(TestSample::made, madeBefore);

        // Nothing is left pressed: a later press on the entry's caption opens nothing either.
        press(cellPoint(row, "name"));
        release(cellPoint(row, "name"));
        QCOMPARE(TestSample::made, madeBefore);
        QCOMPARE(grid().CurRow(), 0);
    }

    void samplesNotBuiltOpenNothing() {
        // A window of the catalogue taken out for the test, whichever are built.
        const ScopedSampleWindow notBuilt(QStringLiteral("frmOutlookDemo"), {});
        open();
        const int row = entryRow(QStringLiteral("frmOutlookDemo"));
        const int windows = QApplication::topLevelWidgets().size();
        clickButton(row);
        QVERIFY(!SampleWindow::Instance(QStringLiteral("frmOutlookDemo")).Window());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QCOMPARE(launcher->ButtonState(), 1);
    }

    void groupTooltip() {
        open();
        const int row = groupRow(QStringLiteral("Full-featured Demos"));
        ToolTipArgs args;
        args.row = row;
        args.col = grid().RowTextCol();
        Q_EMIT grid().RequestCellToolTip(args);
        QCOMPARE(args.title, QStringLiteral("Full-featured Demos"));
        QCOMPARE(args.icon, int(ToolTipIconInfo));
        QCOMPARE(args.text, QStringLiteral("Main samples which demonstrate what you can do\r\n"
                                           "with Tessix."));

        ToolTipArgs entry;
        entry.row = row + 1;
        entry.col = grid().ColIndex("name");
        Q_EMIT grid().RequestCellToolTip(entry);
        QVERIFY(entry.text.isEmpty());
        QVERIFY(entry.title.isEmpty());
    }

    void keyboardIsIgnored() {
        open();
        grid().setFocus();
        const QStringList before = visibleEntries();
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Space, Qt::Key_A,
                            Qt::Key_Return})
            QTest::keyClick(&grid(), key);
        QTest::keyClick(&grid(), Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(grid().CurRow(), 0);
        QCOMPARE(grid().verticalScrollBar()->value(), 0);
        QCOMPARE(visibleEntries(), before);
    }

    void showTipsSetting_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("storedAfterLoad");
        QTest::newRow("absent") << false << QString() << true << "1";
        QTest::newRow("on") << true << "1" << true << "1";
        QTest::newRow("off") << true << "0" << false << "0";
        QTest::newRow("not a number") << true << "yes" << false << "yes";
        QTest::newRow("other number") << true << "2" << false << "2";
    }
    void showTipsSetting() {
        QFETCH(bool, present);
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        QFETCH(QString, storedAfterLoad);
        DeleteSetting(LauncherSettingsApp, LauncherSettingsSection);
        if (present)
            SaveSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, stored);
        open();
        QCOMPARE(launcher->chkTip->isChecked(), checked);
        QCOMPARE(settings.get(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "none"),
                 storedAfterLoad);

        QTest::mouseClick(launcher->chkTip, Qt::LeftButton);
        QCOMPARE(settings.get(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, {}),
                 checked ? QStringLiteral("0") : QStringLiteral("1"));
        QTest::mouseClick(launcher->chkTip, Qt::LeftButton);
        QCOMPARE(settings.get(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, {}),
                 checked ? QStringLiteral("1") : QStringLiteral("0"));
    }

    void tipCheckBoxTexts() {
        open();
        QCOMPARE(launcher->chkTip->text(), QStringLiteral("Show Useful Tips in Demos"));
        QCOMPARE(launcher->chkTip->toolTip(),
                 QStringLiteral("Turns on/off the Tip of the Day window in the samples"));
    }

    void hyperlinkOpensTheExtraSamplesPage_data() {
        QTest::addColumn<bool>("hasBrowser");
        QTest::newRow("browser") << true;
        QTest::newRow("no browser") << false;
    }
    void hyperlinkOpensTheExtraSamplesPage() {
        QFETCH(bool, hasBrowser);
        platform::ScriptedMessageBox boxes;
        platform::ScopedMessageBox boxScope(boxes);
        browser.setHasBrowser(hasBrowser);
        open();
        HyperlinkLabel* link = launcher->hprlnkExtraSamples;
        QCOMPARE(link->Caption(), QStringLiteral("Find More Samples Online"));
        const QString address = frmMain::ExtraSamplesAddress();
        QVERIFY(address.endsWith(QStringLiteral("/activex-grid/extra-samples.aspx")));
        QCOMPARE(link->Label1->toolTip(), address);
        const qsizetype before = browser.addresses().size();
        if (!hasBrowser)
            boxes.answer(vbOK);
        QTest::mouseClick(link->Label1, Qt::LeftButton);
        browser.setHasBrowser(true);
        QCOMPARE(browser.addresses().size(), before + 1);
        QCOMPARE(browser.addresses().last(), address);
        // Without a browser the user is told, and given the address to open elsewhere.
        QCOMPARE(boxes.shown().size(), hasBrowser ? 0 : 1);
        if (!hasBrowser) {
            const platform::MessageBoxRequest& box = boxes.shown().front().request;
            QVERIFY(box.text.contains("No web browser"));
            QVERIFY(box.text.endsWith(address));
            QCOMPARE(box.icon(), int(vbExclamation));
        }
        QVERIFY2(boxes.unexpected().isEmpty(), qPrintable(boxes.unexpected().join("; ")));
    }

    // Closing the launcher closes the other windows; one that refuses (a save prompt
    // answered so) keeps itself and the launcher open, and the run goes on until the
    // launcher is closed again with the window agreeing.
    void refusingWindowKeepsTheLauncherOpen() {
        ScopedSampleWindow refusing(TestedClass, [] {
            auto* w = new TestSample;
            w->refuse = true;
            return w;
        });
        ScopedSampleWindow willing(OtherClass, [] { return new TestSample; });
        open();
        clickButton(entryRow(OtherClass));
        clickButton(entryRow(TestedClass));
        QPointer<TestSample> stubborn =
            qobject_cast<TestSample*>(SampleWindow::Instance(TestedClass).Window());
        QPointer<QWidget> other = SampleWindow::Instance(OtherClass).Window();
        QVERIFY(stubborn && other);

        bool launcherStayed = false;
        bool stubbornStayed = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(!launcher->close());
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            launcherStayed = launcher && launcher->isVisible();
            stubbornStayed = stubborn && stubborn->isVisible();
            QTimer::singleShot(0, this, [&] {
                // Still running; now the window agrees, and the run ends with the launcher.
                stubborn->refuse = false;
                launcher->close();
            });
        });
        // A safety net only: the run should end as soon as the last window closes.
        QTimer::singleShot(30000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(launcherStayed);
        QVERIFY(stubbornStayed);
    }
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
