#include "SampleWindowTest.h"

#include "app/Global.h"
#include "app/Startup.h"
#include "components/grid/GridComboLists.h"
#include "components/iconlist/IconList.h"
#include "input/GridComboPopup.h"
#include "input/GridEditor.h"
#include "platform/Colors.h"
#include "samples/full/DesignLabel.h"
#include "samples/full/frmPropertyGrid.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

namespace {

const QString Sizes = QStringLiteral("Must be a value from 1 to 200!");
const QString Places = QStringLiteral("Must be a value from -10 to 100!");

} // namespace

class TestFrmPropertyGrid : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmPropertyGrid> window;

    TessixGrid& grid() { return *window->grdProp; }
    DesignLabel& label() { return *window->Label1; }
    GridEditor& editor() { return grid().internals().editor; }

    int rowOf(const QString& property) { return grid().FindRow("property", property); }
    QString valueText(const QString& property) { return grid().CellText(rowOf(property), "value"); }

    // The sheet as shown: "[band]" for group rows, property names for the others.
    QStringList rows() {
        QStringList out;
        for (int row = 1; row <= grid().RowCount(); ++row)
            out << (grid().RowIsGroup(row) ? "[" + grid().CellText(row, grid().RowTextCol()) + "]"
                                           : grid().CellValue(row, "property").toString());
        return out;
    }

    QPoint valuePoint(const QString& property) {
        const int row = rowOf(property);
        grid().EnsureVisibleRow(row);
        const QRect cell = viewportOf(grid()).cellRect(row, grid().ColIndex("value"));
        return QPoint(cell.left() + 8, cell.center().y()); // clear of the drop-down button
    }
    void clickValue(const QString& property) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, {}, valuePoint(property));
    }
    void doubleClickValue(const QString& property) {
        systemDoubleClick(grid().viewport(), valuePoint(property));
    }
    // Past the double-click time, when a click on the current cell would start an edit.
    void waitPastDoubleClick() { QTest::qWait(QApplication::doubleClickInterval() + 50); }
    // Makes the property's value current and types the keys into the grid, as the user does:
    // the first one starts the editor, the others go into it.
    void typeInto(const QString& property, const QString& keys) {
        grid().SetCurCell(rowOf(property), "value");
        QTest::keyClicks(&grid(), keys);
    }
    void pressKey(Qt::Key key) {
        QWidget* target = editor().editorWidget();
        QTest::keyClick(target ? target : static_cast<QWidget*>(&grid()), key);
    }
    void chooseFromList(const QString& property, const QString& entryText) {
        clickValue(property);
        QVERIFY(editor().StartEdit(rowOf(property), grid().ColIndex("value")));
        GridComboPopup* popup = editor().comboPopup();
        QVERIFY(popup);
        const QList<QListWidgetItem*> found = popup->findItems(entryText, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        popup->setCurrentItem(found[0]);
        QTest::keyClick(popup, Qt::Key_Return);
        QVERIFY(!editor().isEditing());
    }
    QStringList boxTexts() {
        QStringList texts;
        for (const auto& box : services->boxes.shown())
            texts << box.request.text;
        return texts;
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        services->settings.save(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey, "0");
        window = shownWindow<frmPropertyGrid>();
    }
    void cleanup() {
        window.reset();
        const QStringList unexpected = services->boxes.unexpected();
        services.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    // ----- The sheet -----

    void sheetShowsTheLabelsProperties() {
        QCOMPARE(window->windowTitle(), QString("Property Grid Demo"));
        QCOMPARE(window->Label2[0]->text(), QString("Test object (Label1):"));
        QCOMPARE(window->Label2[1]->text(), QString("Label1 properties:"));
        QVERIFY(window->optViewAlphabetic->isChecked());
        QVERIFY(!grid().Header().Visible());
        QCOMPARE(rows(), QStringList({"(Name)", "Alignment", "Appearance", "AutoSize", "BackColor",
                                      "BackStyle", "BorderStyle", "Caption", "Enabled", "ForeColor",
                                      "Height", "Left", "MousePointer", "Tag", "ToolTipText", "Top",
                                      "UseMnemonic", "Width", "WordWrap"}));
        // The label's design (120, 480, 2775, 1815 twips) in pixels.
        const QStringList shown{"(Name)=Label1",
                                "Caption=Label1",
                                "Left=8",
                                "Top=32",
                                "Width=185",
                                "Height=121",
                                "AutoSize=False",
                                "BorderStyle=1 - Fixed Single",
                                "Appearance=1 - 3D",
                                "BackColor=White",
                                "ForeColor=Black",
                                "MousePointer=0 - Default",
                                "Alignment=0 - Left Justify",
                                "UseMnemonic=True",
                                "Enabled=True"};
        for (const QString& pair : shown) {
            const QStringList parts = pair.split('=');
            QCOMPARE(parts[0] + "=" + valueText(parts[0]), pair);
        }
        QCOMPARE(label().geometry(), QRect(8, 32, 185, 121));
        QCOMPARE(grid().CellType(rowOf("Caption"), "value"), int(CellTypeText));
        QCOMPARE(grid().CellTextFlags(rowOf("Tag"), "value"), quint32(TextFlagWordBreak));
    }

    void colourListShowsSwatches() {
        const ComboList* colors = grid().ComboLists().Item("Colors");
        QVERIFY(colors);
        QCOMPARE(colors->ImageList(), window->ImgList);
        QCOMPARE(colors->ItemCount(), 16);
        QCOMPARE(window->ImgList->ImageCount(), 16);
        QCOMPARE(colors->ItemText(3), QString("Ochre"));
        QCOMPARE(colors->ItemValue(3).toLong(), qint32(RGB(128, 128, 0)));
        QCOMPARE(colors->ItemIcon(3), window->ImgList->ItemIndex("OCHRE"));
        // The swatch shows its colour.
        const QImage ochre = window->ImgList->pixmap(colors->ItemIcon(3)).toImage();
        QCOMPARE(ochre.pixelColor(8, 8), QColor(128, 128, 0));
        QCOMPARE(grid().ComboLists().Item("Justify")->ItemIcon(0), 0);
        // "True/False" and "Colors" are made once and shared.
        QCOMPARE(grid().ComboLists().Count(), 7);
        QCOMPARE(grid().CellComboList(rowOf("WordWrap"), "value"), QString("True/False"));
        QCOMPARE(grid().CellComboList(rowOf("ForeColor"), "value"), QString("Colors"));
    }

    void viewsBandAndUnbandKeepingValues() {
        const int fullWidth = grid().GetInfo(10);
        const auto fitsTheGrid = [&] {
            const int value = grid().ColWidth("value");
            QCOMPARE(grid().ColWidth("property") + value + grid().VScrollBar().Thickness(),
                     fullWidth);
            for (const auto& list : grid().ComboLists())
                QCOMPARE(list->DropDownWidth(), value);
        };
        fitsTheGrid();
        typeInto("Left", "42");
        pressKey(Qt::Key_Return);

        QTest::mouseClick(window->optViewCategorized, Qt::LeftButton);
        QVERIFY(window->optViewCategorized->isChecked());
        QCOMPARE(rows(), QStringList({"[Appearance]", "Appearance", "BackColor",   "BackStyle",
                                      "BorderStyle",  "Caption",    "ForeColor",   "[Behavior]",
                                      "Enabled",      "[Misc]",     "(Name)",      "Alignment",
                                      "MousePointer", "Tag",        "ToolTipText", "UseMnemonic",
                                      "WordWrap",     "[Position]", "AutoSize",    "Height",
                                      "Left",         "Top",        "Width"}));
        for (int row = 1; row <= grid().RowCount(); ++row)
            if (grid().RowIsGroup(row))
                QCOMPARE(grid().CellBackColor(row, grid().RowTextCol()), grid().BackColor());
        QCOMPARE(valueText("Left"), QString("42"));
        fitsTheGrid();

        // A double click on a band collapses it; its rows fold away, the others stay.
        const auto shown = [&](const QString& property) {
            return !viewportOf(grid()).cellRect(rowOf(property), 1).isEmpty();
        };
        const int misc = grid().FindRow(grid().RowTextCol(), "Misc");
        systemDoubleClick(grid().viewport(),
                          viewportOf(grid()).cellRect(misc, grid().RowTextCol()).center());
        QVERIFY(!grid().RowExpanded(misc));
        QVERIFY(!shown("Tag"));
        QVERIFY(shown("Left"));
        QVERIFY(!editor().isEditing());

        QTest::mouseClick(window->optViewAlphabetic, Qt::LeftButton);
        QCOMPARE(rows().size(), 19);
        QCOMPARE(rows().first(), QString("(Name)"));
        QCOMPARE(rows().last(), QString("WordWrap"));
        QVERIFY(shown("Tag"));
        QCOMPARE(valueText("Left"), QString("42"));
        QCOMPARE(grid().SortObject().Count(), 0);
        fitsTheGrid();
    }

    void valueColumnMakesRoomForTheScrollBar() {
        window->optViewCategorized->setChecked(true);
        const auto fits = [&] {
            return grid().ColWidth("property") + grid().ColWidth("value") +
                       grid().VScrollBar().Thickness() ==
                   grid().GetInfo(10);
        };
        QVERIFY(grid().VScrollBar().Thickness() > 0);
        QVERIFY(fits());
        const QStringList bands{"Appearance", "Behavior", "Misc", "Position"};
        for (const QString& band : bands) {
            const int row = grid().FindRow(grid().RowTextCol(), band);
            systemDoubleClick(grid().viewport(),
                              viewportOf(grid()).cellRect(row, grid().RowTextCol()).center());
        }
        QTRY_COMPARE(grid().VScrollBar().Thickness(), 0); // four bands fit
        QVERIFY(fits());
        QCOMPARE(grid().ComboLists().Item("Colors")->DropDownWidth(), grid().ColWidth("value"));
    }

    // ----- Typing and committing numbers -----

    void typingIsFiltered_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("editorText"); // "(none)": no editor opened
        const auto typing = [](const char* tag, QString property, QString keys, QString shown) {
            QTest::newRow(tag) << property << keys << shown;
        };
        typing("minus first in Left", "Left", "-5", "-5");
        typing("minus after a digit", "Left", "5-", "5");
        typing("second minus", "Top", "-1-", "-1");
        typing("point in Top", "Top", "1.5", "15");
        typing("letters and signs in Left", "Left", "7a+ /,9", "79");
        typing("minus starts nothing in Width", "Width", "-", "(none)");
        typing("minus inside Height", "Height", "1-2", "12");
        typing("point in Width", "Width", "5.5", "55");
        typing("letter starts nothing in Top", "Top", "x", "(none)");
        typing("point starts nothing in Left", "Left", ".", "(none)");
        typing("text rows take anything", "Tag", "a.-b", "a.-b");
    }
    void typingIsFiltered() {
        QFETCH(QString, property);
        QFETCH(QString, keys);
        QFETCH(QString, editorText);
        typeInto(property, keys);
        QCOMPARE(editor().isEditing() ? grid().EditText() : QString("(none)"), editorText);
        pressKey(Qt::Key_Escape);
        QVERIFY(!editor().isEditing());
    }

    void nothingGoesInFrontOfTheMinus() {
        typeInto("Left", "-3");
        pressKey(Qt::Key_Home);
        QTest::keyClicks(editor().editorWidget(), "4-");
        QCOMPARE(grid().EditText(), QString("-3"));
        pressKey(Qt::Key_End);
        QTest::keyClick(editor().editorWidget(), Qt::Key_Backspace);
        QTest::keyClick(editor().editorWidget(), Qt::Key_Backspace);
        QTest::keyClicks(editor().editorWidget(), "9");
        QCOMPARE(grid().EditText(), QString("9"));
        pressKey(Qt::Key_Escape);
    }

    void rangesAreCheckedAtCommit_data() {
        QTest::addColumn<QString>("property");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("refusal"); // "" accepted
        const auto commit = [](const char* tag, QString property, QString typed, QString refusal) {
            QTest::newRow(tag) << property << typed << refusal;
        };
        commit("height 0", "Height", "0", Sizes);
        commit("height 1", "Height", "1", "");
        commit("height 200", "Height", "200", "");
        commit("width 201", "Width", "201", Sizes);
        commit("top -10", "Top", "-10", "");
        commit("top 100", "Top", "100", "");
        commit("top -11", "Top", "-11", Places);
        commit("left 101", "Left", "101", Places);
        // No number at all: refused like a number out of range, never stored.
        commit("left minus alone", "Left", "-", Places);
    }
    void rangesAreCheckedAtCommit() {
        QFETCH(QString, property);
        QFETCH(QString, typed);
        QFETCH(QString, refusal);
        const QRect before = label().geometry();
        const QString shownBefore = valueText(property);
        if (!refusal.isEmpty())
            services->boxes.answer(vbOK);
        typeInto(property, typed);
        pressKey(Qt::Key_Return);
        if (refusal.isEmpty()) {
            QVERIFY(!editor().isEditing());
            QVERIFY(boxTexts().isEmpty());
            QCOMPARE(valueText(property), typed);
            const QRect now = label().geometry();
            const int applied = property == "Left"    ? now.x()
                                : property == "Top"   ? now.y()
                                : property == "Width" ? now.width()
                                                      : now.height();
            QCOMPARE(applied, typed.toInt());
        } else {
            QCOMPARE(boxTexts(), QStringList{refusal});
            QCOMPARE(services->boxes.shown().first().request.buttons(), int(vbOKOnly));
            QVERIFY(editor().isEditing()); // open on the typed text, to correct it
            QCOMPARE(grid().EditText(), typed);
            QCOMPARE(label().geometry(), before);
            pressKey(Qt::Key_Escape);
            QCOMPARE(valueText(property), shownBefore);
        }
    }

    void anEmptiedSizeIsRefused() {
        services->boxes.answer(vbOK);
        grid().SetCurCell(rowOf("Width"), "value");
        QTest::keyClick(&grid(), Qt::Key_F2);
        QCOMPARE(grid().EditText(), QString("185"));
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(editor().editorWidget(), Qt::Key_Backspace);
        pressKey(Qt::Key_Return);
        QCOMPARE(boxTexts(), QStringList{Sizes});
        QVERIFY(editor().isEditing());
        pressKey(Qt::Key_Escape);
        QCOMPARE(valueText("Width"), QString("185"));
        QCOMPARE(label().width(), 185);
    }

    void nameIsReadOnly() {
        services->boxes.answer(vbOK);
        services->boxes.answer(vbOK);
        doubleClickValue("(Name)");
        waitPastDoubleClick();
        typeInto("(Name)", "x");
        QCOMPARE(boxTexts(), QStringList({"Read-only at run-time", "Read-only at run-time"}));
        QVERIFY(!editor().isEditing());
        QCOMPARE(valueText("(Name)"), QString("Label1"));
        // The names never open an editor, and say nothing.
        systemDoubleClick(grid().viewport(),
                          viewportOf(grid()).cellRect(rowOf("Left"), 1).center());
        QVERIFY(!editor().isEditing());
        QCOMPARE(boxTexts().size(), 2);
    }

    // ----- Texts -----

    void captionShowsWhileTypedAndEscRestoresIt() {
        typeInto("Caption", "H");
        QCOMPARE(label().Caption(), QString("H"));
        for (const QString key : {"i", "!"}) {
            QTest::keyClicks(editor().editorWidget(), key);
            QCOMPARE(label().Caption(), grid().EditText());
        }
        QCOMPARE(label().Caption(), QString("Hi!"));
        pressKey(Qt::Key_Escape);
        QCOMPARE(label().Caption(), QString("Label1"));
        QCOMPARE(valueText("Caption"), QString("Label1"));

        typeInto("Caption", "Two");
        QTest::keyClick(editor().editorWidget(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(editor().editorWidget(), "lines");
        pressKey(Qt::Key_Return);
        QCOMPARE(label().Caption(), QString("Two\r\nlines"));
        QCOMPARE(grid().CellValue(rowOf("Caption"), "value").toString(), QString("Two\r\nlines"));
        QVERIFY(grid().RowHeight(rowOf("Caption")) > grid().DefaultRowHeight());
    }

    void tagAndToolTipAreSetAndRowsFitThem() {
        typeInto("ToolTipText", "The test object");
        pressKey(Qt::Key_Return);
        QCOMPARE(label().toolTip(), QString("The test object"));
        QCOMPARE(grid().RowHeight(rowOf("ToolTipText")), grid().DefaultRowHeight());
        typeInto("Tag", "one");
        QTest::keyClick(editor().editorWidget(), Qt::Key_Return, Qt::ShiftModifier);
        QTest::keyClicks(editor().editorWidget(), "two");
        pressKey(Qt::Key_Return);
        QCOMPARE(label().Tag(), QString("one\r\ntwo"));
        QVERIFY(grid().RowHeight(rowOf("Tag")) > grid().DefaultRowHeight());
    }

    // ----- Lists -----

    void listChoicesApplyAtOnce() {
        chooseFromList("BorderStyle", "0 - None");
        QCOMPARE(label().BorderStyle(), 0);
        chooseFromList("Alignment", "2 - Center");
        QCOMPARE(label().Alignment(), 2);
        chooseFromList("ForeColor", "Red");
        QCOMPARE(label().ForeColor(), RGB(255, 0, 0));
        QCOMPARE(valueText("ForeColor"), QString("Red"));
        chooseFromList("BackStyle", "0 - Transparent");
        QCOMPARE(label().BackStyle(), 0);
        chooseFromList("Enabled", "False");
        QVERIFY(!label().isEnabled());
        chooseFromList("MousePointer", "2 - Cross");
        QCOMPARE(label().cursor().shape(), Qt::CrossCursor);
        chooseFromList("MousePointer", "0 - Default"); // the first codes are entries like others
        QCOMPARE(label().MousePointer(), 0);
        QVERIFY(!label().testAttribute(Qt::WA_SetCursor));
        // The label draws what it was given: red text, no background.
        label().SetCaption(QStringLiteral("MMMMMMMM"));
        chooseFromList("Enabled", "True");
        const QImage shot = label().grab().toImage();
        bool red = false;
        for (int x = 0; x < shot.width() && !red; ++x)
            for (int y = 0; y < 20 && !red; ++y)
                red = shot.pixelColor(x, y).red() > 200 && shot.pixelColor(x, y).green() < 80;
        QVERIFY(red);
    }

    void doubleClickStepsToTheNextEntry() {
        doubleClickValue("BackColor");
        QCOMPARE(valueText("BackColor"), QString("Black")); // from White, the last, to the first
        QCOMPARE(label().BackColor(), RGB(0, 0, 0));
        doubleClickValue("BackColor");
        QCOMPARE(valueText("BackColor"), QString("Dark Red"));
        waitPastDoubleClick();
        QVERIFY(!editor().isEditing()); // no list opens after the double click

        for (int step = 1; step <= 16; ++step) {
            doubleClickValue("MousePointer");
            QCOMPARE(label().MousePointer(), step % 16);
        }
        QCOMPARE(valueText("MousePointer"), QString("0 - Default"));

        // A text row edits on a double click.
        doubleClickValue("Tag");
        QVERIFY(editor().isEditing());
        pressKey(Qt::Key_Escape);
    }

    void autoSizeFitsTheLabelAndTheSheetFollows() {
        chooseFromList("AutoSize", "True");
        QVERIFY(label().AutoSize());
        QVERIFY(label().width() < 185 && label().height() < 121); // "Label1" needs little room
        QCOMPARE(valueText("Width"), QString::number(label().width()));
        QCOMPARE(valueText("Height"), QString::number(label().height()));

        // The label keeps fitting its caption: the sheet shows the size it takes.
        const int narrow = label().width();
        typeInto("Caption", "A much longer caption");
        pressKey(Qt::Key_Return);
        QVERIFY(label().width() > narrow);
        QCOMPARE(valueText("Width"), QString::number(label().width()));

        // Double-clicking toggles it off; the label keeps its size.
        const QSize fitted = label().size();
        doubleClickValue("AutoSize");
        QCOMPARE(valueText("AutoSize"), QString("False"));
        QVERIFY(!label().AutoSize());
        QCOMPARE(label().size(), fitted);
    }

    void wordWrapFitsTheHeightToTheWidth() {
        chooseFromList("WordWrap", "True");
        typeInto("Width", "60");
        pressKey(Qt::Key_Return);
        typeInto("Caption", "Several words that wrap");
        pressKey(Qt::Key_Return);
        chooseFromList("AutoSize", "True");
        QCOMPARE(label().width(), 60);
        QVERIFY(label().height() > label().fontMetrics().height() * 2);
        QCOMPARE(valueText("Height"), QString::number(label().height()));
    }
};

QTEST_MAIN(TestFrmPropertyGrid)
#include "tst_frmpropertygrid.moc"
