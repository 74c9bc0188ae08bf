// The playground: its generated rows and their status texts, the row-count errors, the
// option panel writing the grid (with its enabling rules and the one-time warning), the
// current cell's read-outs and commands, the editing guards, the pointer's status texts,
// trace mouse, the header menu and the saved layout.

#include "SampleWindowTest.h"

#include "app/Global.h"
#include "components/iconlist/IconList.h"
#include "controls/StatusBar.h"
#include "input/GridEditor.h"
#include "launcher/SampleCatalogue.h"
#include "platform/Colors.h"
#include "samples/exploring/FunNGamesCurrentCell.h"
#include "samples/exploring/FunNGamesOptions.h"
#include "samples/exploring/frmFunNGames.h"

#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// Picks the menu item with the key (none when empty) and records what the menu offered.
struct MenuChooser {
    QString pick;
    QStringList offered; // "text" or "text (disabled)"
    MenuChooser() {
        GridContextMenu::setChooser([this](int, const GridContextMenu& menu) {
            offered.clear();
            int chosen = 0;
            for (int i = 1; i <= menu.ItemCount(); ++i) {
                offered << menu.ItemText(i) + (menu.ItemEnabled(i) ? "" : " (disabled)");
                if (!pick.isEmpty() && menu.ItemKey(i) == pick)
                    chosen = i;
            }
            return chosen;
        });
    }
    ~MenuChooser() { GridContextMenu::setChooser({}); }
};

void rightClick(QWidget* widget, const QPoint& pos) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QCoreApplication::sendEvent(widget, &event);
}

} // namespace

class TestFrmFunNGames : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmFunNGames> window;

    TessixGrid& grid() { return *window->grdThis; }
    FunNGamesOptions& options() { return *window->Options; }
    FunNGamesCurrentCell& cell() { return *window->CurrentCell; }
    GridEditor& editor() { return grid().internals().editor; }
    QString status() { return window->StatusBar1->Text(); }
    platform::MessageBoxRequest lastBox() {
        return services->boxes.shown().isEmpty() ? platform::MessageBoxRequest{}
                                                 : services->boxes.shown().last().request;
    }
    QStringList cellTexts(const QString& col) {
        QStringList texts;
        for (int row = 1; row <= grid().RowCount(); ++row)
            texts << grid().CellText(row, col);
        return texts;
    }
    QPoint cellCenter(int row, const QString& col) {
        int left = 0, top = 0, width = 0, height = 0;
        grid().GetCellRect(row, col, left, top, width, height);
        return QPoint(left + width / 2, top + height / 2);
    }
    void repopulate(const QString& rows) {
        window->txtRows->setText(rows);
        window->cmdRepopulate->click();
    }

private Q_SLOTS:
    void init() {
        services = std::make_unique<IsolatedServices>();
        services->settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        window = shownWindow<frmFunNGames>();
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = services->boxes.unexpected();
        services.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    void loadsColumnsIconsAndRows() {
        QCOMPARE(window->windowTitle(), QString("Fun-n-Games with Tessix"));
        QStringList keys;
        for (int col = 1; col <= grid().ColCount(); ++col)
            keys << grid().ColKey(col);
        QCOMPARE(keys, QStringList({"rowno", "icon", "filename", "type", "date", "multiline", "cur",
                                    "check3d", "checkflat", "descr"}));
        QCOMPARE(window->ilsIcons->ImageCount(), 18);
        ComboList* types = grid().ComboLists().Item("test");
        QVERIFY(types);
        QCOMPARE(types->ItemCount(), 18);
        QCOMPARE(types->ItemText(5), QString("Dollar"));
        QCOMPARE(grid().RowCount(), 100);
        QCOMPARE(grid().CurRow(), 1);
        QCOMPARE(grid().CurCol(), 1);
        // The combo cells show the entry's text for their single-precision values.
        QVERIFY(grid().CellValue(1, "type").type() == VarType::Single);
        const int type = int(grid().CellValue(1, "type").toDouble());
        QCOMPARE(grid().CellText(1, "type"), window->ilsIcons->ItemKey(type));
        QVERIFY(grid().CellText(1, "filename").endsWith(".bak"));
        QCOMPARE(grid().CellText(1, "multiline"), QString("Row1,\r\nCol6"));
        QCOMPARE(grid().CellText(1, "cur"), QString("$1,234.56"));
        QVERIFY(grid().CellText(1, "descr").startsWith("This is a longer piece of text"));
        QCOMPARE(grid().CellIndentLeft(4, "descr"), 12);
    }

    // The same seed gives the same rows after a new load.
    void rowsAreRepeatable() {
        const QStringList names = cellTexts("filename");
        window = shownWindow<frmFunNGames>();
        QCOMPARE(cellTexts("filename"), names);
    }

    void specialRows() {
        const FontObject dateFont = grid().CellFont(5, "date");
        QCOMPARE(dateFont.Name(), QString("Times New Roman"));
        QVERIFY(dateFont.Bold());
        QVERIFY(dateFont.Italic());
        // The other cells of row 5 share the font, but only the date cell is italic.
        QVERIFY(!grid().CellFont(5, "filename").Italic());
        QVERIFY(grid().CellFont(5, "filename").Bold());
        QVERIFY(!grid().CellFont(4, "filename").Bold());
        QCOMPARE(grid().CellIndentLeft(5, "date"), 0);
        QCOMPARE(grid().CellBackColor(6, 3), RGB(102, 153, 204));
        QCOMPARE(grid().CellBackColor(6, 5), RGB(153, 204, 238));
        QCOMPARE(grid().CellBackColor(6, 6), RGB(102, 238, 204));
        QCOMPARE(grid().CellBackColor(6, 4), DefaultColor);
        for (int col = 1; col <= grid().ColCount(); ++col)
            QCOMPARE(grid().CellForeColor(7, col), RGB(255, 0, 0));
    }

    void repopulateShowsItsProgress() {
        QStringList texts;
        connect(window->StatusBar1, &StatusBar::TextChanged,
                [&](const QString& text) { texts << text; });
        repopulate("100");
        const QStringList progress = texts.filter("Setting cell properties");
        QCOMPARE(progress, QStringList({"Setting cell properties: 50 of 100 rows",
                                        "Setting cell properties: 100 of 100 rows"}));
        QCOMPARE(texts.first(), QString("Reserving memory..."));
        QVERIFY(texts.indexOf("Populating the grid...") < texts.indexOf(progress.first()));
        // The current cell's own text comes last.
        QVERIFY(texts.last().startsWith("Current Cell >>   Row:1 Col:1   Top:"));
        QCOMPARE(status(), texts.last());
    }

    void rowHeights() {
        window->chkRandomHeight->setChecked(false);
        repopulate("60");
        for (int row = 1; row <= grid().RowCount(); ++row)
            QCOMPARE(grid().RowHeight(row), 30);
        window->chkRandomHeight->setChecked(true);
        repopulate("60");
        QSet<int> heights;
        for (int row = 1; row <= grid().RowCount(); ++row) {
            QVERIFY(grid().RowHeight(row) >= 24 && grid().RowHeight(row) <= 48);
            heights << grid().RowHeight(row);
        }
        QVERIFY(heights.size() > 5);
    }

    void oddRowsOnly() {
        window->chkVisible->setChecked(true);
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(grid().RowVisible(row), row % 2 == 1);
        // New rows follow the box too.
        repopulate("10");
        QVERIFY(!grid().RowVisible(2));
        QVERIFY(grid().RowVisible(3));
        window->chkVisible->setChecked(false);
        for (int row = 1; row <= 10; ++row)
            QVERIFY(grid().RowVisible(row));
    }

    void zeroCurrencyIsEmpty() {
        grid().SetCellValue(2, "cur", Variant(Currency::fromDouble(0)));
        QCOMPARE(grid().CellText(2, "cur"), QString());
        QCOMPARE(grid().CellText(3, "cur"), QString("$1,234.56"));
    }

    void illegalRowCounts_data() {
        QTest::addColumn<QString>("rows");
        QTest::newRow("empty") << "";
        QTest::newRow("past 32 bits") << "99999999999";
        QTest::newRow("more than memory holds") << "1000001";
    }
    void illegalRowCounts() {
        QFETCH(QString, rows);
        const QStringList names = cellTexts("filename");
        services->boxes.answer(vbOK);
        repopulate(rows);
        QCOMPARE(lastBox().text, QString("Illegal number of rows!"));
        QCOMPARE(lastBox().icon(), int(vbCritical));
        QCOMPARE(cellTexts("filename"), names);
    }

    void zeroRowsEmptiesTheGrid() {
        repopulate("0");
        QCOMPARE(grid().RowCount(), 0);
        QCOMPARE(status(), QString());
        QVERIFY(!window->cmdSetCellValue->isEnabled());
        QVERIFY(!cell().chkBold->isEnabled());
    }

    void clearAndFitHeights() {
        window->cmdAutoRowHeight->click();
        // Two lines of "Multiline text" need more than one line of text.
        QVERIFY(grid().RowHeight(1) > grid().RowHeight(2) / 2);
        window->cmdEmpty->click();
        QCOMPARE(grid().RowCount(), 0);
        QCOMPARE(grid().ColCount(), 10);
    }

    // ----- Option panel -----

    void loadPushesThePanel() {
        QCOMPARE(grid().BorderStyle(), 2);
        QCOMPARE(grid().GridLines(), int(GridLinesBoth));
        QCOMPARE(grid().DragGridLines(), int(GridLinesNone));
        QCOMPARE(grid().FocusRectThickness(), 2);
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeAppend));
        QCOMPARE(grid().KeyPressSearchCol(), grid().ColIndex("type"));
        QCOMPARE(grid().SelAlpha(), 92);
        QCOMPARE(grid().FocusRectColor1(), OleColor(0x80000005));
        QVERIFY(grid().Editable());
        QVERIFY(!grid().MultiSelect());
        QVERIFY(grid().Header().Visible());
        QVERIFY(grid().GrayIconsWhenDisabled());
        QVERIFY(!options().chkSearchFromCurRow->isEnabled());
        QVERIFY(options().lblNoXPStCont->isHidden());
        QVERIFY(options().lblNoAlphaBlendSel->isHidden());
    }

    void searchWarnsOnce() {
        services->boxes.answer(vbOK);
        options().cmbKeyPressBehaviour->setCurrentIndex(TypingModeSearchCurCol);
        QCOMPARE(services->boxes.shown().size(), 1);
        QCOMPARE(lastBox().text, QString("Aplha-blend selection should be turned off\r\nto see the "
                                         "effect of incremental search.\r\n\r\nIt will be done "
                                         "automatically after you press OK."));
        QCOMPARE(lastBox().icon(), int(vbExclamation));
        QVERIFY(!options().chkAlphaBlendSel->isChecked());
        QCOMPARE(grid().SelAlpha(), 255);
        QVERIFY(options().chkSearchFromCurRow->isEnabled());
        QVERIFY(options().chkCyclicSearch->isEnabled());
        options().cmbKeyPressBehaviour->setCurrentIndex(TypingModeSearchCol);
        options().cmbKeyPressBehaviour->setCurrentIndex(TypingModeSearchCurCol);
        QCOMPARE(services->boxes.shown().size(), 1);
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeSearchCurCol));
        // Leaving the search modes disables the search options but keeps their values.
        options().chkCyclicSearch->setChecked(true);
        options().cmbKeyPressBehaviour->setCurrentIndex(TypingModeReplace);
        QVERIFY(!options().chkCyclicSearch->isEnabled());
        QVERIFY(grid().CyclicSearch());
    }

    void enablingRules() {
        options().chkHeader->setChecked(false);
        QVERIFY(!grid().Header().Visible());
        QVERIFY(!options().chkHeaderButtons->isEnabled());
        options().chkHeader->setChecked(true);
        QVERIFY(options().chkHeaderButtons->isEnabled());

        options().chkEnabled->setChecked(false);
        QVERIFY(!grid().Enabled());
        QVERIFY(options().chkDisIco->isEnabled());
        options().chkDisIco->setChecked(false);
        QVERIFY(!grid().GrayIconsWhenDisabled());
        options().chkEnabled->setChecked(true);
        QVERIFY(!options().chkDisIco->isEnabled());

        options().cmbGridLineDrag->setCurrentIndex(GridLinesVertical);
        options().cmbGridLines->setCurrentIndex(GridLinesNone);
        QVERIFY(!options().cmbGridLineDrag->isEnabled());
        QCOMPARE(grid().DragGridLines(), int(GridLinesVertical));
        options().cmbGridLines->setCurrentIndex(GridLinesHorizontal);
        QVERIFY(options().cmbGridLineDrag->isEnabled());

        options().chkShowFocusRect->setChecked(false);
        QVERIFY(!grid().ShowFocusRect());
        QVERIFY(!options().cmbFocusRect->isEnabled());
        QVERIFY(options().cmbFocusRectThickness->isEnabled());
    }

    void listsWriteTheirSettings() {
        const struct {
            int index;
            OleColor color1;
            OleColor color2;
        } styles[] = {
            {1, RGB(255, 255, 255), RGB(33, 115, 70)}, {2, RGB(33, 115, 70), RGB(33, 115, 70)},
            {3, RGB(255, 255, 255), RGB(255, 0, 0)},   {4, RGB(255, 0, 0), RGB(255, 0, 0)},
            {5, RGB(255, 255, 0), RGB(255, 0, 0)},     {0, 0x80000005, 0x80000008}};
        for (const auto& style : styles) {
            options().cmbFocusRect->setCurrentIndex(style.index);
            QCOMPARE(grid().FocusRectColor1(), style.color1);
            QCOMPARE(grid().FocusRectColor2(), style.color2);
        }
        for (int index = 0; index < 3; ++index) {
            options().cmbFocusRectThickness->setCurrentIndex(index);
            QCOMPARE(grid().FocusRectThickness(), index + 1);
        }
        for (int index = 0; index < 4; ++index) {
            options().cmbGridLines->setCurrentIndex(index);
            QCOMPARE(grid().GridLines(), index);
        }
        for (int index = 3; index >= 0; --index) {
            options().cmbGridLineDrag->setCurrentIndex(index);
            QCOMPARE(grid().DragGridLines(), index);
        }
        for (auto [option, style] :
             {std::pair{options().optBorderNone, 0}, std::pair{options().optBorder3D, 3},
              std::pair{options().optBorderThin, 2}}) {
            option->setChecked(true);
            QCOMPARE(grid().BorderStyle(), style);
        }
        options().cmbKeyPressBehaviour->setCurrentIndex(TypingModeNone);
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeNone));
        options().chkBackground->setChecked(true);
        QVERIFY(!grid().BackgroundPicture().isNull());
        options().chkBackground->setChecked(false);
        QVERIFY(grid().BackgroundPicture().isNull());
        options().chkRowMode->setChecked(true);
        QVERIFY(grid().RowMode());
        options().chkInterceptTab->setChecked(false);
        QVERIFY(!grid().TabMovesCurCell());
    }

    // The header tester's one instance opens beside the playground, and again after closing.
    void allHeaderOptionsOpensTheHeaderTester() {
        options().cmdAllHdrOpt->click();
        QWidget* tester = SampleWindow::Instance("frmCustomizeHeader").Window();
        QVERIFY(tester);
        QVERIFY(tester->isVisible());
        options().cmdAllHdrOpt->click();
        QCOMPARE(SampleWindow::Instance("frmCustomizeHeader").Window(), tester);
        tester->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // ----- Current cell -----

    void row5ReadsBoldAndItsFont() {
        grid().SetCurCell(5, 2);
        QVERIFY(cell().chkBold->isChecked());
        QVERIFY(!cell().chkItalic->isChecked());
        QCOMPARE(cell().lblFont->text(), QString("Times New Roman, 12"));
        // Showing the font changed no cell.
        QVERIFY(!grid().CellFont(5, 2).Italic());
        QVERIFY(grid().CellFont(5, "date").Italic());
        grid().SetCurCell(4, 2);
        QVERIFY(!cell().chkBold->isChecked());
        QCOMPARE(cell().lblFont->text(), QString("Tahoma, 8.25"));
        QCOMPARE(status().left(28), QString("Current Cell >>   Row:4 Col:"));
    }

    void boldBoxGivesTheCellItsFont() {
        grid().SetCurCell(3, "filename");
        cell().chkBold->setChecked(true);
        QVERIFY(grid().CellFont(3, "filename").Bold());
        QVERIFY(!grid().CellFont(3, "type").Bold());
        cell().chkItalic->setChecked(true);
        QVERIFY(grid().CellFont(3, "filename").Italic());
        QVERIFY(grid().CellFont(3, "filename").Bold());
    }

    void colourReadOuts() {
        grid().SetCurCell(3, "cur");
        QCOMPARE(cell().lblForeColor->text(), QString());
        QCOMPARE(QColorToOle(cell().lblForeColor->palette().color(QPalette::Window)),
                 grid().CellForeColor(3, "cur"));
        QCOMPARE(cell().lblBackColor->text(), QString("None"));
        grid().SetCurCell(3, "filename");
        QCOMPARE(cell().lblForeColor->text(), QString("Default"));
        grid().SetCurCell(6, 3);
        QCOMPARE(cell().lblBackColor->text(), QString());
        QCOMPARE(QColorToOle(cell().lblBackColor->palette().color(QPalette::Window)),
                 RGB(102, 153, 204));
    }

    void setCellValueCyclesThe3DBox() {
        grid().SetCurCell(2, "check3d");
        grid().SetCellValue(2, "check3d", Variant(0));
        QList<int> values;
        for (int i = 0; i < 4; ++i) {
            window->cmdSetCellValue->click();
            values << grid().CellValue(2, "check3d").toLong();
        }
        QCOMPARE(values, QList<int>({1, 2, 0, 1}));
        QCOMPARE(grid().CellCheckState(2, "check3d"), 1);
    }

    // A box the program only gave a state starts from that state; the flat box toggles.
    void setCellValueFollowsTheShownState() {
        grid().SetCellCheckState(2, "check3d", 2);
        grid().SetCurCell(2, "check3d");
        window->cmdSetCellValue->click();
        QCOMPARE(grid().CellCheckState(2, "check3d"), 0);
        grid().SetCellCheckState(2, "checkflat", 1);
        grid().SetCurCell(2, "checkflat");
        window->cmdSetCellValue->click();
        QCOMPARE(grid().CellCheckState(2, "checkflat"), 0);
        window->cmdSetCellValue->click();
        QCOMPARE(grid().CellValue(2, "checkflat").toLong(), -1);
        QCOMPARE(grid().CellCheckState(2, "checkflat"), 1);
    }

    void showCellValue_data() {
        QTest::addColumn<QString>("col");
        QTest::addColumn<QString>("text");
        QTest::newRow("currency") << "cur"
                                  << "Value: 1234.56\r\nType: Currency";
        QTest::newRow("row number") << "rowno"
                                    << "Value: 3\r\nType: Long";
        QTest::newRow("no value") << "icon"
                                  << "Cell value is missing";
    }
    void showCellValue() {
        QFETCH(QString, col);
        QFETCH(QString, text);
        grid().SetCurCell(3, col);
        services->boxes.answer(vbOK);
        window->cmdShowCellValue->click();
        QCOMPARE(lastBox().text, text);
        QCOMPARE(lastBox().icon(), 0);
    }

    void protectedCellsOpenNoEditor() {
        services->boxes.answer(vbOK);
        QVERIFY(!editor().StartEdit(3, grid().ColIndex("date")));
        QCOMPARE(lastBox().text, QString("We protect formatted cells from editing in the code."));
        QVERIFY(!editor().StartEdit(3, grid().ColIndex("icon")));
        QCOMPARE(services->boxes.shown().size(), 1);
        QVERIFY(!editor().isEditing());
    }

    void editorStartTexts() {
        QVERIFY(editor().StartEdit(3, grid().ColIndex("cur")));
        QCOMPARE(grid().EditText(), QString("1234.56"));
        editor().CancelEdit();
        QVERIFY(editor().StartEdit(3, grid().ColIndex("filename")));
        QTest::keyClicks(editor().editorWidget(), "abcdefghijklmnopq");
        QCOMPARE(grid().EditText().size(), 12);
        editor().CancelEdit();
    }

    void fileNameChangeIsConfirmed_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("stored");
        QTest::addColumn<bool>("editorOpen");
        QTest::newRow("Yes") << int(vbYes) << true << false;
        QTest::newRow("No") << int(vbNo) << false << false;
        QTest::newRow("Cancel") << int(vbCancel) << false << true;
    }
    void fileNameChangeIsConfirmed() {
        QFETCH(int, answer);
        QFETCH(bool, stored);
        QFETCH(bool, editorOpen);
        const QString before = grid().CellText(3, "filename");
        services->boxes.answer(answer);
        QVERIFY(editor().StartEdit(3, grid().ColIndex("filename")));
        grid().SetEditText("new.bak");
        // F3 in the file-name editor stores at once.
        QTest::keyClick(editor().editorWidget(), Qt::Key_F3);
        QCOMPARE(services->boxes.shown().size(), 1);
        QCOMPARE(lastBox().text, QString("Are you sure to change the filename to 'new.bak'?"));
        QCOMPARE(lastBox().buttons(), int(vbYesNoCancel));
        QCOMPARE(lastBox().icon(), int(vbQuestion));
        QCOMPARE(grid().CellText(3, "filename"), stored ? QString("new.bak") : before);
        QCOMPARE(editor().isEditing(), editorOpen);
        editor().CancelEdit();
    }

    void unchangedFileNameAsksNothing() {
        QVERIFY(editor().StartEdit(3, grid().ColIndex("filename")));
        grid().CommitEdit();
        QVERIFY(services->boxes.shown().isEmpty());
    }

    void grayedStateRefusedOnRow1Only() {
        for (int row : {1, 2})
            grid().SetCellCheckState(row, "check3d", 1);
        services->boxes.answer(vbOK);
        editor().toggleCheckBox(1, grid().ColIndex("check3d"));
        QCOMPARE(lastBox().text,
                 QString("This is a 3-state checkbox, but you can't change its state to grayed."
                         "\r\n(We implemented this check-up in the BeforeCommitEdit event for "
                         "the first row in the code.)"));
        QCOMPARE(grid().CellCheckState(1, "check3d"), 1);
        editor().toggleCheckBox(2, grid().ColIndex("check3d"));
        QCOMPARE(grid().CellCheckState(2, "check3d"), 2);
        QCOMPARE(services->boxes.shown().size(), 1);
    }

    void f5SortsAgain() {
        clickHeader(grid(), "rowno");
        QCOMPARE(grid().CellValue(1, "rowno").toLong(), 1);
        grid().SetCellValue(1, "rowno", Variant(1000));
        QCOMPARE(grid().CellValue(1, "rowno").toLong(), 1000);
        QTest::keyClick(&grid(), Qt::Key_F5);
        QCOMPARE(grid().CellValue(grid().RowCount(), "rowno").toLong(), 1000);
        QCOMPARE(grid().CellValue(1, "rowno").toLong(), 2);
    }

    // ----- Mouse, header menu, layout -----

    void descriptionIsProtectedFromSorting() {
        const QStringList names = cellTexts("filename");
        services->boxes.answer(vbOK);
        clickHeader(grid(), "descr");
        QCOMPARE(lastBox().text, QString("We protect in the code this column from sorting!"));
        QCOMPARE(cellTexts("filename"), names);
        clickHeader(grid(), "filename");
        QStringList sorted = names;
        sorted.sort();
        QCOMPARE(cellTexts("filename"), sorted);
    }

    void headerMenuHidesAndShowsColumns() {
        MenuChooser chooser;
        const QPoint type = headerItem(grid(), "type").center();
        rightClick(grid().viewport(), type);
        QCOMPARE(chooser.offered, QStringList({"Hide This Column", "Show All Columns (disabled)"}));
        chooser.pick = "hide_col";
        rightClick(grid().viewport(), type);
        QVERIFY(!grid().ColVisible("type"));
        chooser.pick = "show_all";
        rightClick(grid().viewport(), headerItem(grid(), "icon").center());
        QCOMPARE(chooser.offered, QStringList({"Hide This Column", "Show All Columns"}));
        for (int col = 1; col <= grid().ColCount(); ++col)
            QVERIFY(grid().ColVisible(col));
    }

    // A window wide enough for an empty header area beyond a narrow last column.
    void showNoColumnArea() {
        window->resize(1400, 700);
        grid().SetColWidth("descr", 40);
        QApplication::processEvents();
    }

    void beyondTheLastColumnOnlyShowsAll() {
        showNoColumnArea();
        grid().SetColVisible("rowno", false);
        MenuChooser chooser;
        chooser.pick = "show_all";
        const QRect last = headerItem(grid(), "descr");
        rightClick(grid().viewport(), QPoint(last.right() + 20, last.center().y()));
        QCOMPARE(chooser.offered, QStringList({"Show All Columns"}));
        QVERIFY(grid().ColVisible("rowno"));
    }

    void pointerMessages() {
        showNoColumnArea();
        QStringList texts;
        connect(window->StatusBar1, &StatusBar::TextChanged,
                [&](const QString& text) { texts << text; });
        const QPoint inside = cellCenter(2, "descr");
        QTest::mouseMove(grid().viewport(), inside);
        QTest::mouseMove(grid().viewport(), inside + QPoint(60, 0));
        QVERIFY(texts.contains("The mouse pointer has just entered into the 'Description' column"));
        const qsizetype left =
            texts.indexOf("The mouse pointer has just left the 'Description' column");
        QVERIFY(left >= 0);
        QCOMPARE(texts.value(left + 1),
                 QString("The mouse pointer has just entered into the no column area"));
        QTest::mouseMove(grid().viewport(), inside);
        QVERIFY(texts.contains("The mouse pointer has just left the no column area"));
    }

    void traceMouseFollowsCellsNotTheHeader() {
        window->chkTraceMouse->setChecked(true);
        QTest::mouseMove(grid().viewport(), cellCenter(3, "type"));
        QCOMPARE(grid().CurRow(), 3);
        QCOMPARE(grid().CurCol(), grid().ColIndex("type"));
        QVERIFY(status().startsWith("Current Cell >>   Row:3 Col:4"));
        QTest::mouseMove(grid().viewport(), headerItem(grid(), "filename").center());
        QCOMPARE(grid().CurRow(), 3);
        QCOMPARE(grid().CurCol(), grid().ColIndex("type"));
        window->chkTraceMouse->setChecked(false);
        QTest::mouseMove(grid().viewport(), cellCenter(2, "filename"));
        QCOMPARE(grid().CurRow(), 3);
    }

    void saveChangeRestoreLayout() {
        clickHeader(grid(), "filename");
        window->cmdSaveLayout->click();
        const QString columns = grid().ColLayout();
        const QString sort = grid().SortLayout();
        QCOMPARE(services->settings.get(frmFunNGames::SettingsApp, "Layout", "Columns", {}),
                 columns);
        QCOMPARE(services->settings.get(frmFunNGames::SettingsApp, "Layout", "Sort", {}), sort);

        grid().SetColWidth("type", 110);
        grid().SetColPos("descr", 1);
        clickHeader(grid(), "rowno");
        QVERIFY(grid().ColLayout() != columns);
        window->cmdRestoreLayout->click();
        QCOMPARE(grid().ColLayout(), columns);
        QCOMPARE(grid().SortLayout(), sort);
        QStringList sorted = cellTexts("filename");
        sorted.sort();
        QCOMPARE(cellTexts("filename"), sorted);
    }

    void damagedOrMissingLayoutLeavesTheGrid_data() {
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("sort");
        QTest::addColumn<bool>("message");
        QTest::newRow("nothing saved") << ""
                                       << "" << false;
        QTest::newRow("damaged") << "TXL2;garbage"
                                 << "TXS1;x" << true;
        QTest::newRow("older build, other columns") << "TXL1;2;k:size,40,1;k:name,100,1"
                                                    << "TXS1;1;k:size,0,0" << true;
    }
    void damagedOrMissingLayoutLeavesTheGrid() {
        QFETCH(QString, columns);
        QFETCH(QString, sort);
        QFETCH(bool, message);
        if (!columns.isEmpty())
            services->settings.save(frmFunNGames::SettingsApp, "Layout", "Columns", columns);
        if (!sort.isEmpty())
            services->settings.save(frmFunNGames::SettingsApp, "Layout", "Sort", sort);
        const QString before = grid().ColLayout();
        if (message)
            services->boxes.answer(vbOK);
        window->cmdRestoreLayout->click();
        QCOMPARE(services->boxes.shown().size(), message ? 1 : 0);
        QCOMPARE(grid().ColLayout(), before);
        clickHeader(grid(), "filename");
        QCOMPARE(grid().ColSortIndex("filename"), 1);
    }
};

QTEST_MAIN(TestFrmFunNGames)
#include "tst_frmfunngames.moc"
