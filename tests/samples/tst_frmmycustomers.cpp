#include "app/Global.h"
#include "app/Startup.h"
#include "components/grid/GridComboLists.h"
#include "components/grid/GridContextMenu.h"
#include "components/grid/TessixGrid.h"
#include "grid/GridTestAccess.h"
#include "input/GridComboPopup.h"
#include "input/GridEditor.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"
#include "samples/full/CustomerFile.h"
#include "samples/full/frmMyCustomers.h"
#include "support/TestFiles.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

// Five customers of both types; one without a country, one with a negative debt.
const QByteArray Fixture = "\"comp\",\"C1\",\"Alpha Oy\",\"FIN\",1,1000,200,\"a\"\r\n"
                           "\"priv\",\"P1\",\"Bea Berg\",\"SWE\",0,50.25,0,\r\n"
                           "\"comp\",\"C2\",\"Gamma AG\",\"GER\",0,300,0,\"x\"\r\n"
                           "\"priv\",\"P2\",\"Dan Dahl\",\"FIN\",0,20,5.25,\"info, with comma\"\r\n"
                           "\"priv\",\"P3\",\"Eva\",,1,0,-10,\r\n";

const QString ProgramTitleCaption = QStringLiteral("My Customers Demo");

} // namespace

class TestFrmMyCustomers : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<platform::MemorySettingsStore> settings;
    std::unique_ptr<platform::ScopedSettingsStore> settingsScope;
    std::unique_ptr<platform::ScriptedMessageBox> boxes;
    std::unique_ptr<platform::ScopedMessageBox> boxesScope;
    std::unique_ptr<frmMyCustomers> window;

    QString filePath() const { return dir->filePath(QStringLiteral("CustList.txt")); }

    frmMyCustomers& open(const QByteArray& contents = Fixture) {
        writeFileBytes(filePath(), contents);
        window = std::make_unique<frmMyCustomers>();
        return *window;
    }

    TessixGrid& grid() { return *window->grdCust; }

    int rowOf(const QString& id) {
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (!grid().RowIsGroup(row) && grid().CellValue(row, "id").toString() == id)
                return row;
        return 0;
    }

    // The rows as the view shows them: "G:text" group rows, "T:text" total rows, the ID of a
    // customer, in brackets when the customer is hidden.
    QStringList rows() {
        QStringList out;
        for (int row = 1; row <= grid().RowCount(); ++row) {
            if (grid().RowIsGroup(row)) {
                const QString text = grid().CellValue(row, grid().RowTextCol()).toString();
                out << (grid().RowTag(row).isEmpty() ? "G:" : "T:") + text;
            } else {
                const QString id = grid().CellValue(row, "id").toString();
                out << (grid().RowVisible(row) ? id : "(" + id + ")");
            }
        }
        return out;
    }

    // The last box shown, checked for its caption.
    platform::MessageBoxRequest lastBox() {
        if (boxes->shown().isEmpty())
            return {};
        const platform::MessageBoxRequest request = boxes->shown().last().request;
        if (request.title != ProgramTitleCaption)
            qWarning("unexpected caption %s", qPrintable(request.title));
        return request;
    }

    // Types a text into a cell's editor and commits it as Enter would.
    void editText(int row, const QString& col, const QString& text) {
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex(col)));
        grid().SetEditText(text);
        grid().CommitEdit();
    }

    void chooseFromList(int row, const QString& col, const QString& entryText) {
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex(col)));
        GridComboPopup* popup = grid().internals().editor.comboPopup();
        QVERIFY(popup);
        const QList<QListWidgetItem*> found = popup->findItems(entryText, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        popup->setCurrentItem(found[0]);
        popup->chooseHighlighted();
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        dir = std::make_unique<QTemporaryDir>();
        SetDataFolder(dir->path());
        settings = std::make_unique<platform::MemorySettingsStore>();
        settings->save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        settingsScope = std::make_unique<platform::ScopedSettingsStore>(*settings);
        boxes = std::make_unique<platform::ScriptedMessageBox>();
        boxesScope = std::make_unique<platform::ScopedMessageBox>(*boxes);
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = boxes->unexpected();
        const qsizetype pending = boxes->pending();
        boxesScope.reset();
        boxes.reset();
        settingsScope.reset();
        settings.reset();
        SetDataFolder({});
        dir.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
        QCOMPARE(pending, qsizetype(0));
    }

    // ----- Load -----

    void loadBuildsColumnsAndRows() {
        open();
        QCOMPARE(window->windowTitle(), ProgramTitleCaption);
        const QStringList keys{"type",      "id",    "name", "country",
                               "is_patron", "sales", "debt", "info"};
        const QStringList headers{"Type",   "ID",    "Name", "Country",
                                  "Patron", "Sales", "Debt", "Info"};
        QCOMPARE(grid().ColCount(), 8);
        for (int col = 1; col <= 8; ++col) {
            QCOMPARE(grid().ColKey(col), keys[col - 1]);
            QCOMPARE(grid().ColHeaderText(col), headers[col - 1]);
        }
        QCOMPARE(grid().ColWidth("type"), 38);
        QCOMPARE(grid().ColWidth("name"), 120);
        QCOMPARE(grid().ColWidth("country"), 105);
        QCOMPARE(grid().ColWidth("info"), 240);
        QCOMPARE(grid().ColSortType("is_patron"), int(SortTypeCheckState));
        QVERIFY(grid().ColHeaderIcon("sales") > 0);
        QCOMPARE(grid().ColHeaderIcon("type"), 0);

        // At load: no filter, no grouping, totals on: the grand total row closes the list.
        QCOMPARE(rows(), QStringList({"C1", "P1", "C2", "P2", "P3",
                                      "T:Grand Total Sales: $1,370, Debt: $195"}));
        QVERIFY(!window->mnuFileSave->isEnabled());
        QVERIFY(window->optGrpNo->isChecked() && window->mnuGrpNo->isChecked());
        QVERIFY(window->optFiltAll->isChecked() && window->mnuFiltAll->isChecked());
        QVERIFY(window->chkTotals->isChecked() && window->mnuViewTotals->isChecked());
        QVERIFY(window->mnuColsAll->isChecked() && window->mnuViewTxt10->isChecked());
        QVERIFY(window->mnuOptFocusRect->isChecked() && window->mnuOptBackgrPic->isChecked());
        QVERIFY(window->mnuKeyPrsEdit->isChecked() && !window->mnuOptRow->isChecked());
        // Each either/or choice is one exclusive group (radio marks); on/off items stand alone.
        const QList<QList<QAction*>> choices = {
            {window->mnuGrpTypes, window->mnuGrpCountries, window->mnuGrpNo},
            {window->mnuFiltDebt, window->mnuFiltFin, window->mnuFiltAll},
            {window->mnuColsShort, window->mnuColsAll},
            {window->mnuViewTxt8, window->mnuViewTxt10},
            {window->mnuKeyPrsEdit, window->mnuKeyPrsSrch}};
        for (const QList<QAction*>& choice : choices) {
            QActionGroup* group = choice.front()->actionGroup();
            QVERIFY(group && group->isExclusive());
            QCOMPARE(group->actions(), choice);
        }
        for (QAction* onOff : {window->mnuViewTotals, window->mnuOptRow, window->mnuOptFocusRect,
                               window->mnuOptBackgrPic})
            QVERIFY(!onOff->actionGroup());
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeReplace));
        QCOMPARE(window->GroupFont().Name(), QString("Arial"));
        QCOMPARE(window->GroupFont().Size(), 9.0);
        QVERIFY(boxes->shown().isEmpty());
    }

    void loadShowsCells() {
        open();
        const int c1 = rowOf("C1"), p1 = rowOf("P1"), p3 = rowOf("P3");
        QCOMPARE(grid().CellText(c1, "type"), QString("Company"));
        QCOMPARE(grid().CellText(p1, "type"), QString("Private person"));
        QCOMPARE(grid().CellText(c1, "country"), QString("Finland"));
        QCOMPARE(grid().CellText(p3, "country"), QString());
        QCOMPARE(grid().CellCheckState(c1, "is_patron"), int(CheckChecked));
        QCOMPARE(grid().CellCheckState(p1, "is_patron"), int(CheckUnchecked));
        QCOMPARE(grid().CellText(c1, "sales"), QString("$1,000"));
        QCOMPARE(grid().CellText(p3, "sales"), QString("$0"));
        QCOMPARE(grid().CellText(p1, "debt"), QString()); // a zero debt shows nothing
        QCOMPARE(grid().CellText(p3, "debt"), QString("-$10"));
        QCOMPARE(grid().CellValue(rowOf("P2"), "info").toString(), QString("info, with comma"));
    }

    void comboLists() {
        open();
        const ComboList* types = grid().ComboLists().Item("type");
        QVERIFY(types);
        QCOMPARE(types->ItemCount(), 2);
        QCOMPARE(types->ItemText(0), QString("Private person"));
        QCOMPARE(types->ItemValue(1).toString(), QString("comp"));
        QVERIFY(types->ItemIcon(0) > 0 && types->ItemIcon(1) > 0);
        QCOMPARE(types->fontData(), (FontData{"Tahoma", 10, true, false}));

        const ComboList* countries = grid().ComboLists().Item("country");
        QVERIFY(countries);
        QCOMPARE(countries->ItemCount(), 12);
        QCOMPARE(countries->ItemText(3), QString("=== Europe  ==="));
        QVERIFY(countries->ItemIsSeparator(0) && countries->ItemIsSeparator(3));
        QCOMPARE(countries->ItemIcon(0), 0);
        QCOMPARE(countries->ItemValue(11).toString(), QString("SWE"));
        QCOMPARE(window->imlFlags->ItemIndex("SWE"), countries->ItemIcon(11));
        QCOMPARE(countries->fontData(), (FontData{"Courier New", 9, true, false}));
        QVERIFY(countries->DropDownWidth() > 0);
    }

    void missingFileKeepsTheWindow() {
        boxes->answer(vbOK);
        window = std::make_unique<frmMyCustomers>(); // no file in the data folder
        QCOMPARE(boxes->shown().size(), 1);
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.icon(), int(vbCritical));
        QVERIFY(box.text.contains("CustList.txt"));
        QCOMPARE(rows(), QStringList({"T:Grand Total Sales: $0, Debt: $0"}));
    }

    void malformedLinesAreReportedAndSkipped() {
        boxes->answer(vbOK);
        open("\"comp\",\"C1\",\"Alpha Oy\",\"FIN\",1,1000,200,\"a\"\r\n"
             "\"priv\",\"BAD\",\"Broken\"\r\n"
             "\"priv\",\"P1\",\"Bea Berg\",\"SWE\",0,50.25,oops,\r\n"
             "\"priv\",\"P2\",\"Dan Dahl\",\"FIN\",0,20,5.25,\r\n");
        QCOMPARE(boxes->shown().size(), 1);
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.icon(), int(vbExclamation));
        QVERIFY2(box.text.contains("Line 2:") && box.text.contains("Line 3:"),
                 qPrintable(box.text));
        QCOMPARE(rows(), QStringList({"C1", "P2", "T:Grand Total Sales: $1,020, Debt: $205"}));
    }

    // A line read as Latin-1 is named in the load message; nothing was left out, so a save
    // asks nothing more.
    void latin1LinesAreReported() {
        boxes->answer(vbOK);
        open("\"comp\",\"C1\",\"Alpha Oy\",\"FIN\",1,1000,200,\"a\"\r\n"
             "\"priv\",\"P1\",\"M\xfcller\",\"GER\",0,5,0,\"\"\r\n");
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.icon(), int(vbExclamation));
        QVERIFY2(box.text.contains("Line 2 ") && box.text.contains("Latin-1"),
                 qPrintable(box.text));
        QVERIFY2(!box.text.contains("backup"), qPrintable(box.text));
        QCOMPARE(grid().CellValue(rowOf("P1"), "name").toString(),
                 QString::fromUtf8("M\xc3\xbcller"));
        editText(rowOf("C1"), "name", "Alpha Ab");
        window->mnuFileSave->trigger();
        QCOMPARE(boxes->shown().size(), 1);
        QVERIFY(readFileBytes(filePath()).contains("\"M\xc3\xbcller\""));
    }

    // A save after a load that left lines out asks first and keeps the file as it was
    // beside it; cancelled, nothing is written.
    void saveAfterAPartialLoadKeepsTheFile_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("save") << int(vbOK);
        QTest::newRow("cancel") << int(vbCancel);
    }
    void saveAfterAPartialLoadKeepsTheFile() {
        QFETCH(int, answer);
        const QByteArray damaged = "\"comp\",\"C1\",\"Alpha Oy\",\"FIN\",1,1000,200,\"a\"\r\n"
                                   "\"priv\",\"BAD\",\"Broken\"\r\n";
        boxes->answer(vbOK);
        open(damaged);
        QVERIFY2(lastBox().text.contains("backup"), qPrintable(lastBox().text));
        editText(rowOf("C1"), "name", "Alpha Ab");
        boxes->answer(answer);
        window->mnuFileSave->trigger();
        const platform::MessageBoxRequest question = lastBox();
        QVERIFY2(question.text.contains("1 line(s) could not be read"), qPrintable(question.text));
        QCOMPARE(question.buttons(), int(vbOKCancel));
        const QStringList backups = QDir(dir->path()).entryList({"CustList.txt.*.bak"});
        if (answer == vbCancel) {
            QCOMPARE(readFileBytes(filePath()), damaged);
            QVERIFY(backups.isEmpty());
            QVERIFY(window->mnuFileSave->isEnabled());
            return;
        }
        QCOMPARE(backups.size(), 1);
        QVERIFY2(question.text.contains(backups[0]), qPrintable(question.text));
        QCOMPARE(readFileBytes(dir->filePath(backups[0])), damaged);
        QCOMPARE(readFileBytes(filePath()),
                 QByteArray("\"comp\",\"C1\",\"Alpha Ab\",\"FIN\",1,1000,200,\"a\"\r\n"));
        // The file is whole now: the next save asks nothing.
        editText(rowOf("C1"), "name", "Alpha Oy");
        window->mnuFileSave->trigger();
        QCOMPARE(boxes->shown().size(), 2);
    }

    // A file that could not be read at all (here: far too large) is not overwritten unasked.
    void saveAfterAFailedLoadKeepsTheFile() {
        {
            QFile big(filePath());
            QVERIFY(big.open(QIODevice::WriteOnly));
            QVERIFY(big.resize(CustomerFile::MaxFileBytes + 1));
        }
        boxes->answer(vbOK);
        window = std::make_unique<frmMyCustomers>();
        QCOMPARE(lastBox().icon(), int(vbCritical));
        QVERIFY2(lastBox().text.contains("larger than"), qPrintable(lastBox().text));
        QVERIFY2(lastBox().text.contains("backup"), qPrintable(lastBox().text));
        boxes->answer(vbOK);
        window->mnuFileSave->setEnabled(true); // as a first change would
        window->mnuFileSave->trigger();
        const QStringList backups = QDir(dir->path()).entryList({"CustList.txt.*.bak"});
        QCOMPARE(backups.size(), 1);
        QCOMPARE(QFileInfo(dir->filePath(backups[0])).size(), CustomerFile::MaxFileBytes + 1);
    }

    // ----- Save -----

    // Unchanged customers go back byte for byte; group and total rows are not written.
    void saveWritesTheFileBack() {
        open();
        const int c1 = rowOf("C1");
        grid().internals().editor.toggleCheckBox(c1, grid().ColIndex("is_patron"));
        QVERIFY(window->mnuFileSave->isEnabled());
        grid().internals().editor.toggleCheckBox(c1, grid().ColIndex("is_patron"));
        window->mnuFileSave->trigger();
        QVERIFY(!window->mnuFileSave->isEnabled());
        QCOMPARE(readFileBytes(filePath()), Fixture);
    }

    // Saving while grouped and filtered writes every customer in the order shown.
    void saveWhileGroupedAndFiltered() {
        open();
        window->optGrpCountries->setChecked(true);
        window->optFiltDebt->setChecked(true);
        grid().internals().editor.toggleCheckBox(rowOf("C2"), grid().ColIndex("is_patron"));
        window->mnuFileSave->trigger();
        QCOMPARE(readFileBytes(filePath()),
                 QByteArray("\"priv\",\"P3\",\"Eva\",,1,0,-10,\r\n"
                            "\"comp\",\"C1\",\"Alpha Oy\",\"FIN\",1,1000,200,\"a\"\r\n"
                            "\"priv\",\"P2\",\"Dan Dahl\",\"FIN\",0,20,5.25,\"info, with "
                            "comma\"\r\n"
                            "\"comp\",\"C2\",\"Gamma AG\",\"GER\",1,300,0,\"x\"\r\n"
                            "\"priv\",\"P1\",\"Bea Berg\",\"SWE\",0,50.25,0,\r\n"));
    }

    // A quote typed into a text cell survives a save and a reload.
    void quotesSurviveSaveAndReload() {
        open();
        editText(rowOf("C2"), "name", "The \"Best\" AG");
        editText(rowOf("C2"), "info", "say \"hi\"");
        window->mnuFileSave->trigger();
        window->mnuFileReload->trigger();
        QCOMPARE(grid().CellValue(rowOf("C2"), "name").toString(), QString("The \"Best\" AG"));
        QCOMPARE(grid().CellValue(rowOf("C2"), "info").toString(), QString("say \"hi\""));
    }

    void failedSaveKeepsTheChanges() {
        open();
        editText(rowOf("P1"), "name", "Bea Strand");
        SetDataFolder(dir->filePath("missing"));
        boxes->answer(vbOK);
        window->mnuFileSave->trigger();
        QCOMPARE(lastBox().icon(), int(vbCritical));
        QVERIFY(window->mnuFileSave->isEnabled());
    }

    // ----- Editing rules -----

    void editingTextEnablesSave() {
        open();
        editText(rowOf("P1"), "name", "Bea Berg"); // unchanged
        QVERIFY(!window->mnuFileSave->isEnabled());
        editText(rowOf("P1"), "name", "Bea Strand");
        QCOMPARE(grid().CellValue(rowOf("P1"), "name").toString(), QString("Bea Strand"));
        QVERIFY(window->mnuFileSave->isEnabled());
    }

    void idEditorTakesFiveCapitals() {
        open();
        const int row = rowOf("P1");
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex("id")));
        QWidget* editor = grid().internals().editor.editorWidget();
        QVERIFY(editor);
        grid().SetEditText({});
        QTest::keyClicks(editor, "abcdefg");
        QCOMPARE(grid().EditText(), QString("ABCDE"));
        grid().internals().editor.CancelEdit();
    }

    void idChangeIsConfirmed_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("editorOpen");
        QTest::addColumn<bool>("saveEnabled");
        QTest::newRow("Yes") << int(vbYes) << "NEW" << false << true;
        QTest::newRow("No") << int(vbNo) << "P1" << false << false;
        QTest::newRow("Cancel") << int(vbCancel) << "P1" << true << false;
    }
    void idChangeIsConfirmed() {
        QFETCH(int, answer);
        QFETCH(QString, value);
        QFETCH(bool, editorOpen);
        QFETCH(bool, saveEnabled);
        open();
        const int row = rowOf("P1");
        boxes->answer(answer);
        editText(row, "id", "NEW");
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.text, QString("Are you sure to change the CustId from 'P1' to 'NEW'?"));
        QCOMPARE(box.buttons(), int(vbYesNoCancel));
        QCOMPARE(box.icon(), int(vbQuestion));
        QCOMPARE(grid().CellValue(row, "id").toString(), value);
        QCOMPARE(grid().internals().editor.isEditing(), editorOpen);
        if (editorOpen)
            QCOMPARE(grid().EditText(), QString("NEW"));
        QCOMPARE(window->mnuFileSave->isEnabled(), saveEnabled);
        grid().internals().editor.CancelEdit();
    }

    // Where the editor cannot stay open, the question offers only Yes and No.
    void idQuestionWithoutCancel() {
        open();
        BeforeCommitEditArgs args{rowOf("P1"), grid().ColIndex("id"), CommitStore, "X", "X", "P1",
                                  false,       EditKindText};
        boxes->answer(vbNo);
        Q_EMIT grid().BeforeCommitEdit(args);
        QCOMPARE(lastBox().buttons(), int(vbYesNo));
        QCOMPARE(args.result, int(CommitDiscard));
    }

    void salesAndDebtCannotBeEdited_data() {
        QTest::addColumn<QString>("col");
        QTest::newRow("sales") << "sales";
        QTest::newRow("debt") << "debt";
    }
    void salesAndDebtCannotBeEdited() {
        QFETCH(QString, col);
        open();
        boxes->answer(vbOK);
        QVERIFY(!grid().internals().editor.StartEdit(rowOf("C1"), grid().ColIndex(col)));
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.text, QString("You cannot edit this column.\r\nThe value of this field is "
                                   "calculated based on additional data."));
        QCOMPARE(box.icon(), int(vbCritical));
        QCOMPARE(box.buttons(), int(vbOKOnly));
        QVERIFY(!grid().internals().editor.isEditing());
    }

    void patronCheckBoxEnablesSave() {
        open();
        window->show();
        const int row = rowOf("P1");
        int left = 0, top = 0, width = 0, height = 0;
        grid().GetCellRect(row, "is_patron", left, top, width, height);
        QVERIFY(width > 0 && height > 0);
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {},
                          QPoint(left + width / 2, top + height / 2));
        QCOMPARE(grid().CellCheckState(row, "is_patron"), int(CheckChecked));
        QVERIFY(window->mnuFileSave->isEnabled());
    }

    void countryFromTheList() {
        open();
        chooseFromList(rowOf("P3"), "country", "Sweden");
        QCOMPARE(grid().CellValue(rowOf("P3"), "country").toString(), QString("SWE"));
        QVERIFY(window->mnuFileSave->isEnabled());
    }

    // A separator of the country list never becomes a value, and changes nothing.
    void countrySeparatorIsRefused() {
        open();
        const int row = rowOf("C1");
        BeforeCommitEditArgs args{row,
                                  grid().ColIndex("country"),
                                  CommitStore,
                                  "=== Europe  ===",
                                  Variant(std::int16_t(0)),
                                  "FIN",
                                  false,
                                  EditKindCombo};
        Q_EMIT grid().BeforeCommitEdit(args);
        QCOMPARE(args.result, int(CommitDiscard));
        QVERIFY(!window->mnuFileSave->isEnabled());
    }

    // An edit of the grouped column moves the row into its new group.
    void editRegroups() {
        open();
        window->optGrpTypes->setChecked(true);
        chooseFromList(rowOf("P2"), "type", "Company");
        QCOMPARE(rows(),
                 QStringList({"G:Company", "C1", "C2", "P2", "T:Total Sales: $1,320, Debt: $205",
                              "G:Private person", "P1", "P3", "T:Total Sales: $50, Debt: -$10",
                              "T:Grand Total Sales: $1,370, Debt: $195"}));
    }

    void generateIdFromName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("id");
        QTest::newRow("two words") << "John Smith"
                                   << "JOHSM";
        QTest::newRow("one short word") << "Anna"
                                        << "ANNA";
        QTest::newRow("one long word") << "Christopher"
                                       << "CHRIS";
        QTest::newRow("two-letter first word") << "Li Wu"
                                               << "LI WU";
    }
    void generateIdFromName() {
        QFETCH(QString, name);
        QFETCH(QString, id);
        open();
        const int row = rowOf("P1");
        grid().SetCellValue(row, "name", name);
        grid().SetCurCell(row, "id");
        QVERIFY(grid().internals().editor.StartEdit(row, grid().ColIndex("id")));
        QString offered;
        GridContextMenu::setChooser([&](int area, const GridContextMenu& menu) {
            offered = area == MenuAreaEditor ? menu.ItemText(1) : QString();
            return 1;
        });
        QWidget* editor = grid().internals().editor.editorWidget();
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                                editor->mapToGlobal(QPoint(2, 2)));
        QApplication::sendEvent(editor, &event);
        GridContextMenu::setChooser({});
        QCOMPARE(offered, QString("Generate from the Customer Name"));
        QCOMPARE(grid().EditText(), id);
        grid().internals().editor.CancelEdit();
    }

    // The item is offered in the ID editor only.
    void generateItemOnlyForId() {
        open();
        BeforeContextMenuArgs args{MenuAreaEditor, rowOf("P1"), grid().ColIndex("name"),
                                   false,          0,           0};
        Q_EMIT grid().BeforeContextMenu(args);
        QVERIFY(!args.show);
        args.col = grid().ColIndex("id");
        Q_EMIT grid().BeforeContextMenu(args);
        QVERIFY(args.show);
    }

    void headerToolTips_data() {
        QTest::addColumn<QString>("col");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::newRow("type") << "type"
                              << "Type column"
                              << "This column allows you to select the kind of a customer -\r\n"
                                 "company or private person.";
        QTest::newRow("id") << "id"
                            << "ID column"
                            << "In this column you can enter a unique identifier for each "
                               "customer\r\n(up to 5 characters).";
        QTest::newRow("patron") << "is_patron"
                                << "Patron column"
                                << "This column allows you to mark customers which\r\n"
                                   "buy your products often and often.";
        QTest::newRow("debt") << "debt"
                              << "Debt column"
                              << "Contains customer debt.";
        QTest::newRow("info") << "info"
                              << "Info column"
                              << "You can type in your comments\r\nconcerning each customer here.";
    }
    void headerToolTips() {
        QFETCH(QString, col);
        QFETCH(QString, title);
        QFETCH(QString, text);
        open();
        ToolTipArgs args;
        args.col = grid().ColIndex(col);
        Q_EMIT grid().RequestColHeaderToolTip(args);
        QCOMPARE(args.title, title);
        QCOMPARE(args.icon, int(ToolTipIconInfo));
        QCOMPARE(args.text, text);
    }

    // ----- Close and reload -----

    void closeAsks_data() {
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closed");
        QTest::addColumn<bool>("saved");
        QTest::newRow("Yes") << int(vbYes) << true << true;
        QTest::newRow("No") << int(vbNo) << true << false;
        QTest::newRow("Cancel") << int(vbCancel) << false << false;
    }
    void closeAsks() {
        QFETCH(int, answer);
        QFETCH(bool, closed);
        QFETCH(bool, saved);
        open();
        window->show();
        editText(rowOf("P1"), "name", "Bea Strand");
        boxes->answer(answer);
        QCOMPARE(window->close(), closed);
        const platform::MessageBoxRequest box = lastBox();
        QCOMPARE(box.text, QString("Do you want to save changes?"));
        QCOMPARE(box.buttons(), int(vbYesNoCancel));
        QCOMPARE(box.icon(), int(vbQuestion));
        QCOMPARE(window->isVisible(), !closed);
        QCOMPARE(readFileBytes(filePath()).contains("Bea Strand"), saved);
        if (!closed) {
            QVERIFY(window->mnuFileSave->isEnabled());
            QCOMPARE(grid().CellValue(rowOf("P1"), "name").toString(), QString("Bea Strand"));
        }
    }

    void closeWithoutChangesDoesNotAsk() {
        open();
        window->show();
        window->mnuFileExit->trigger();
        QVERIFY(!window->isVisible());
        QVERIFY(boxes->shown().isEmpty());
    }

    void reloadDropsEditsKeepsSaveState() {
        open();
        window->optGrpCountries->setChecked(true);
        editText(rowOf("P1"), "name", "Bea Strand");
        window->mnuFileReload->trigger();
        QCOMPARE(grid().CellValue(rowOf("P1"), "name").toString(), QString("Bea Berg"));
        QVERIFY(window->mnuFileSave->isEnabled());
        // Totals again, but neither the grouping nor the filter the controls still show.
        QCOMPARE(rows(), QStringList({"C1", "P1", "C2", "P2", "P3",
                                      "T:Grand Total Sales: $1,370, Debt: $195"}));
    }

    // ----- Views -----

    void groupByCountry() {
        open();
        window->optGrpCountries->setChecked(true);
        QVERIFY(window->mnuGrpCountries->isChecked() && !window->mnuGrpNo->isChecked());
        // The customer without a country sorts first and opens a group of its own, so its
        // amounts stay out of the next group's sums.
        QCOMPARE(rows(), QStringList({"G:", "P3", "T:Total Sales: $0, Debt: -$10", "G:Finland",
                                      "C1", "P2", "T:Total Sales: $1,020, Debt: $205", "G:Germany",
                                      "C2", "T:Total Sales: $300, Debt: $0", "G:Sweden", "P1",
                                      "T:Total Sales: $50, Debt: $0",
                                      "T:Grand Total Sales: $1,370, Debt: $195"}));
        const int group = rows().indexOf("G:Finland") + 1;
        const int rowText = grid().RowTextCol();
        QCOMPARE(grid().RowHeight(group), 20);
        QCOMPARE(grid().CellBackColor(group, rowText), OleColor(0xB0B000)); // RGB(0, 176, 176)
        QCOMPARE(grid().CellForeColor(group, rowText), OleColor(0xFFFFFF));
        QCOMPARE(grid().CellAlignment(group, rowText), int(AlignCenter));
        QCOMPARE(grid().CellFont(group, rowText).data(), (FontData{"Arial", 9, false, false}));
        const int total = rows().indexOf("T:Total Sales: $300, Debt: $0") + 1;
        QCOMPARE(grid().CellBackColor(total, rowText), OleColor(0x808000)); // RGB(0, 128, 128)
        QCOMPARE(grid().CellAlignment(total, rowText), int(AlignRight));
        QCOMPARE(grid().RowTag(total).toString(), QString("total row"));
    }

    void debtorsGroupedByType() {
        open();
        window->mnuGrpTypes->trigger();
        QVERIFY(window->optGrpTypes->isChecked());
        window->mnuFiltDebt->trigger();
        QVERIFY(window->optFiltDebt->isChecked() && window->mnuFiltDebt->isChecked());
        // Hidden customers stay where the sort put them, inside the group before them.
        QCOMPARE(rows(), QStringList({"G:Company", "C1", "(C2)", "(P1)",
                                      "T:Total Sales: $1,000, Debt: $200", "G:Private person", "P2",
                                      "(P3)", "T:Total Sales: $20, Debt: $5",
                                      "T:Grand Total Sales: $1,020, Debt: $205"}));
    }

    void finlandFilter() {
        open();
        window->optFiltFin->setChecked(true);
        QCOMPARE(rows(), QStringList({"C1", "(P1)", "(C2)", "P2", "(P3)",
                                      "T:Grand Total Sales: $1,020, Debt: $205"}));
        window->mnuFiltAll->trigger();
        QCOMPARE(rows(), QStringList({"C1", "P1", "C2", "P2", "P3",
                                      "T:Grand Total Sales: $1,370, Debt: $195"}));
    }

    // Unchecking removes only the total rows; checking adds them again.
    void totalsSwitch() {
        open();
        window->optGrpCountries->setChecked(true);
        window->chkTotals->setChecked(false);
        QVERIFY(!window->mnuViewTotals->isChecked());
        QCOMPARE(rows(), QStringList({"G:", "P3", "G:Finland", "C1", "P2", "G:Germany", "C2",
                                      "G:Sweden", "P1"}));
        window->mnuViewTotals->trigger();
        QVERIFY(window->chkTotals->isChecked());
        QCOMPARE(rows().last(), QString("T:Grand Total Sales: $1,370, Debt: $195"));
        QCOMPARE(rows().filter(QRegularExpression("^T:Total")).size(), 4);
        // Without totals, a new grouping adds none.
        window->chkTotals->setChecked(false);
        window->optGrpNo->setChecked(true);
        QCOMPARE(rows(), QStringList({"P3", "C1", "P2", "C2", "P1"}));
    }

    void columnSets() {
        open();
        window->mnuColsShort->trigger();
        QStringList shown;
        for (int col = 1; col <= grid().ColCount(); ++col)
            if (grid().ColVisible(col))
                shown << grid().ColKey(col);
        QCOMPARE(shown, QStringList({"name", "country", "is_patron", "sales"}));
        QVERIFY(window->mnuColsShort->isChecked() && !window->mnuColsAll->isChecked());
        window->mnuColsAll->trigger();
        for (int col = 1; col <= grid().ColCount(); ++col)
            QVERIFY(grid().ColVisible(col));
        QVERIFY(!window->mnuColsShort->isChecked() && window->mnuColsAll->isChecked());
    }

    void textSize() {
        open();
        window->optGrpTypes->setChecked(true);
        const int heightBefore = grid().RowHeight(2);
        window->mnuViewTxt8->trigger();
        QCOMPARE(grid().Font().Size(), 8.0);
        QCOMPARE(window->GroupFont().Size(), 8.0);
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().RowIsGroup(row))
                QCOMPARE(grid().CellFont(row, grid().RowTextCol()).Size(), 8.0);
        QCOMPARE(grid().RowHeight(2), heightBefore);
        QVERIFY(window->mnuViewTxt8->isChecked() && !window->mnuViewTxt10->isChecked());
        window->mnuViewTxt10->trigger();
        QCOMPARE(grid().Font().Size(), 10.0);
        QCOMPARE(grid().CellFont(1, grid().RowTextCol()).Size(), 10.0);
    }

    void options() {
        open();
        window->mnuOptRow->trigger();
        QVERIFY(grid().RowMode() && window->mnuOptRow->isChecked());
        window->mnuOptFocusRect->trigger();
        QVERIFY(!grid().ShowFocusRect() && !window->mnuOptFocusRect->isChecked());
        QVERIFY(!grid().BackgroundPicture().isNull());
        window->mnuOptBackgrPic->trigger();
        QVERIFY(grid().BackgroundPicture().isNull());
        window->mnuOptBackgrPic->trigger();
        QVERIFY(!grid().BackgroundPicture().isNull());

        window->mnuKeyPrsSrch->trigger();
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeSearchCol));
        QCOMPARE(grid().KeyPressSearchCol(), grid().ColIndex("name"));
        QVERIFY(window->mnuKeyPrsSrch->isChecked() && !window->mnuKeyPrsEdit->isChecked());
        window->mnuKeyPrsEdit->trigger();
        QCOMPARE(grid().KeyPressBehaviour(), int(TypingModeReplace));
        QVERIFY(!window->mnuKeyPrsSrch->isChecked() && window->mnuKeyPrsEdit->isChecked());
    }

    // Typing in search mode moves to the customer whose name starts with the letters.
    void customerSearch() {
        open();
        window->mnuKeyPrsSrch->trigger();
        grid().SetCurCell(1, "name");
        QTest::keyClicks(&grid(), "ga");
        QCOMPARE(grid().CurRow(), rowOf("C2"));
        QVERIFY(!grid().internals().editor.isEditing());
        // Back to editing: a typed letter replaces the cell's text in a new editor.
        window->mnuKeyPrsEdit->trigger();
        QTest::keyClicks(&grid(), "z");
        QVERIFY(grid().internals().editor.isEditing());
        QCOMPARE(grid().EditText(), QString("z"));
        grid().internals().editor.CancelEdit();
    }

    void layoutSaveAndRestore() {
        open();
        // Nothing stored yet: the grid gets empty texts and stays usable.
        window->mnuRestLayout->trigger();
        QCOMPARE(grid().ColCount(), 8);
        QCOMPARE(rows().size(), 5);

        grid().SetColWidth("name", 200);
        grid().SortByCol("sales");
        window->mnuSaveLayout->trigger();
        const QString app = frmMyCustomers::SettingsApp;
        QCOMPARE(settings->get(app, "Layout", "Columns", {}), grid().ColLayout());
        QCOMPARE(settings->get(app, "Layout", "Sort", {}), grid().SortLayout());

        grid().SetColWidth("name", 90);
        window->optGrpCountries->setChecked(true);
        window->mnuRestLayout->trigger();
        QCOMPARE(grid().ColWidth("name"), 200);
        // Group and total rows go and stay gone; the options keep what they show.
        QCOMPARE(rows().filter(QRegularExpression("^[GT]:")).size(), 0);
        QVERIFY(window->optGrpCountries->isChecked());
    }

    void fitCommands() {
        open();
        grid().SetColWidth("name", 20);
        window->mnuTlsFitW->trigger();
        QVERIFY(grid().ColWidth("name") > 40);
        grid().SetRowHeight(1, 60);
        window->mnuTlsFitH->trigger();
        QVERIFY(grid().RowHeight(1) < 60);
    }
};

QTEST_MAIN(TestFrmMyCustomers)
#include "tst_frmmycustomers.moc"
