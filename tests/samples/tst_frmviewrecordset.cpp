// "Viewing ADO recordsets" on a copy of the sample database: the field list's ticks, each
// fill button's columns, formats and check boxes (each pressed after another), nothing
// ticked, the two queries' ID colours, the panel on resize, and the failures the window
// reports and survives: no database, a query that fails.

#include "DatabaseWindowTest.h"
#include "app/Startup.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "platform/Colors.h"
#include "samples/viewing/frmViewRecordset.h"

#include <QApplication>
#include <QPushButton>
#include <QtTest>

namespace {

const QStringList AllFields = {"ID",    "Company",      "Country",       "Total Sales",
                               "Phone", "First Name",   "Last Name",     "E-mail",
                               "Title", "Has Discount", "Customer Since"};
const QStringList TickedFields = {"ID",    "Company",      "Country",       "Total Sales",
                                  "Title", "Has Discount", "Customer Since"};
const QStringList PredefinedKeys = {"company", "country", "total sales", "has discount", "phone"};

// Customer 120 has sales of exactly 25000; customer 27 is Canadian with sales below 1000.
constexpr int SalesRow = 120;
constexpr int SmallCanadian = 27;

QStringList keysOf(const TessixGrid& grid) {
    QStringList keys;
    for (int col = 1; col <= grid.ColCount(); ++col)
        keys << grid.ColKey(col);
    return keys;
}

} // namespace

class TestFrmViewRecordset : public QObject {
    Q_OBJECT
    DatabaseWindowFixture<frmViewRecordset> f;

    TessixGrid& grid() { return *f.window->grdMain; }
    TessixGrid& fields() { return *f.window->grdFields; }

    int count(const QString& where) {
        db::Connection connection;
        db::Recordset rs;
        if (!connection.Open(f.data->file().connectionString()) ||
            !connection.Execute("SELECT COUNT(*) FROM Customers WHERE " + where, rs))
            return -1;
        return rs.Fields().Item(0)->Value().toLong();
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        f.start();
        f.open();
    }
    void cleanup() {
        const QStringList unexpected = f.finish();
        QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join("; ")));
    }

    void opensWithTheFieldListTicked() {
        QVERIFY(f.services->boxes.shown().isEmpty());
        QCOMPARE(grid().ColCount(), 0);
        QCOMPARE(grid().RowCount(), 0);
        QVERIFY(!fields().Header().Visible());
        QCOMPARE(fields().RowCount(), AllFields.size());
        QStringList ticked;
        for (int row = 1; row <= fields().RowCount(); ++row) {
            QCOMPARE(fields().CellText(row, 1), AllFields[row - 1]);
            if (fields().CellCheckState(row, 1) == CheckChecked)
                ticked << fields().CellText(row, 1);
        }
        QCOMPARE(ticked, TickedFields);

        // The user ticks a name with Space and cannot edit it.
        fields().setFocus();
        fields().SetCurCell(5, 1);
        QTest::keyClick(&fields(), Qt::Key_Space);
        QCOMPARE(fields().CellCheckState(5, 1), int(CheckChecked));
        for (const Qt::Key key : {Qt::Key_F2, Qt::Key_X, Qt::Key_Return}) {
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : &fields(), key);
        }
        QCOMPARE(fields().CellText(5, 1), "Phone");
    }

    // Each button after another one: the grid is rebuilt from scratch every time.
    void fillButtons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QString>("salesText");
        QTest::addColumn<int>("salesAlignment");
        QTest::addColumn<bool>("checkBoxes"); // or the yes/no values as text
        QTest::newRow("all fields")
            << "cmdFillAll" << AllFields << "25000" << int(AlignLeft) << true;
        QTest::newRow("selected fields")
            << "cmdFillSelFld" << TickedFields << "25000" << int(AlignLeft) << false;
        QTest::newRow("predefined columns")
            << "cmdFillPredef" << PredefinedKeys << "$25,000" << int(AlignRight) << true;
        QTest::newRow("sales formatted")
            << "cmdFmtSales" << AllFields << "$25,000" << int(AlignRight) << true;
    }
    void fillButtons() {
        QFETCH(QString, button);
        QFETCH(QStringList, keys);
        QFETCH(QString, salesText);
        QFETCH(int, salesAlignment);
        QFETCH(bool, checkBoxes);
        f.window->cmd2Queries->click();
        QPushButton* pressed = button == "cmdFillAll"      ? f.window->cmdFillAll
                               : button == "cmdFillSelFld" ? f.window->cmdFillSelFld
                               : button == "cmdFillPredef" ? f.window->cmdFillPredef
                                                           : f.window->cmdFmtSales;
        pressed->click();
        QCOMPARE(keysOf(grid()), keys);
        QCOMPARE(grid().RowCount(), 300);
        QCOMPARE(grid().CellText(SalesRow, "total sales"), salesText);
        QCOMPARE(grid().ColObject("total sales")->CellAlignment(), salesAlignment);
        QCOMPARE(grid().CellValue(SalesRow, "company").toString(),
                 grid().CellValue(SalesRow, "Company").toString());
        // Yes/no values show as check boxes, without text beside them, in the columns made
        // for them; as True or False in a plain column.
        int yes = 0;
        for (int row = 1; row <= grid().RowCount(); ++row)
            yes += checkBoxes ? grid().CellCheckState(row, "has discount") == CheckChecked
                              : grid().CellText(row, "has discount") == "True";
        QCOMPARE(yes, count("[Has Discount]"));
        QCOMPARE(grid().CellText(1, "has discount"), checkBoxes ? QString() : "False");
    }

    void predefinedColumnsLook() {
        f.window->cmdFillPredef->click();
        QCOMPARE(grid().ColHeaderText("total sales"), "Total sales");
        QCOMPARE(grid().ColHeaderText("has discount"), "Discount");
        QCOMPARE(grid().CellBackColor(5, "company"), OleColor(RGB(240, 240, 255)));
        QCOMPARE(grid().CellForeColor(5, "company"), OleColor(0));
        QCOMPARE(grid().CellAlignment(5, "phone"), int(AlignCenter));
        QCOMPARE(grid().CellCheckBoxAlign(5, "has discount"), int(CheckBoxCenter));
        QVERIFY(grid().CellCheckBoxVisible(5, "has discount"));
        // Fitted to the contents: no company name is cut.
        QFontMetrics metrics(grid().font());
        QVERIFY(grid().ColWidth("company") >=
                metrics.horizontalAdvance(grid().CellText(5, "company")));
    }

    void nothingTicked() {
        f.window->cmdFillAll->click();
        for (int row = 1; row <= fields().RowCount(); ++row)
            fields().SetCellCheckState(row, 1, CheckUnchecked);
        f.window->cmdFillSelFld->click();
        QCOMPARE(grid().ColCount(), 0);
        QCOMPARE(grid().RowCount(), 0);
    }

    void twoQueriesInTwoColours() {
        f.window->cmdFillPredef->click();
        f.window->cmd2Queries->click();
        QCOMPARE(keysOf(grid()), AllFields);
        const int canadians = count("Country='Canada'");
        QCOMPARE(grid().RowCount(), canadians + count("[Total Sales]<1000"));
        const OleColor orange = RGB(255, 240, 232), violet = RGB(240, 232, 255);
        QList<OleColor> coloursOfSmallCanadian;
        for (int row = 1; row <= grid().RowCount(); ++row) {
            const bool first = row <= canadians;
            QCOMPARE(grid().CellBackColor(row, "id"), first ? orange : violet);
            if (first)
                QCOMPARE(grid().CellText(row, "Country"), "Canada");
            else
                QVERIFY(grid().CellValue(row, "Total Sales") < Variant(1000));
            if (grid().CellValue(row, "id").toLong() == SmallCanadian)
                coloursOfSmallCanadian << grid().CellBackColor(row, "id");
        }
        QCOMPARE(coloursOfSmallCanadian, (QList<OleColor>{orange, violet}));
        // Only the ID cells are coloured.
        QVERIFY(grid().CellBackColor(1, "Company") != orange);
    }

    void panelKeepsItsWidth() {
        const int panel = f.window->picFeatures->width();
        for (const QSize size : {QSize(1000, 600), QSize(800, 520)}) {
            f.window->resize(size);
            QCoreApplication::processEvents();
            const QRect grid = f.window->grdMain->geometry();
            const QRect features = f.window->picFeatures->geometry();
            QCOMPARE(features.width(), panel);
            QCOMPARE(features.right() + 1, size.width() - 6);
            QCOMPARE(features.top(), 6);
            QCOMPARE(features.height(), size.height() - 12);
            QCOMPARE(grid.topLeft(), QPoint(6, 6));
            QCOMPARE(grid.right() + 1, features.left() - 6);
            QCOMPARE(grid.height(), size.height() - 12);
        }
        // Never so small that the buttons are cut.
        f.window->resize(100, 100);
        QVERIFY(f.window->cmd2Queries->geometry().bottom() < f.window->picFeatures->height());
        QVERIFY(f.window->grdMain->width() > 0);
    }

    // Without its database the window says so, as every database window does, and stays
    // empty.
    void noDatabase() {
        f.window.reset();
        ScopedEmptyData empty;
        f.services->boxes.answer(vbOK);
        f.show();
        QCOMPARE(f.services->boxes.shown().size(), 1);
        const platform::MessageBoxRequest box = f.services->boxes.shown()[0].request;
        QVERIFY2(box.text.startsWith("The sample database could not be opened."),
                 qPrintable(box.text));
        QVERIFY(box.text.contains("Test.db"));
        QCOMPARE(box.icon(), int(vbCritical));
        QCOMPARE(fields().RowCount(), 0);
        QVERIFY(!f.window->cmdFillAll->isEnabled());
        QVERIFY(!f.window->cmd2Queries->isEnabled());
    }

    // A query that fails is reported; the window goes on with what it holds.
    void failingQuery() {
        db::Connection other;
        QVERIFY(other.Open(f.data->file().connectionString()));
        QVERIFY2(other.Execute("DROP TABLE Customers"), qPrintable(other.LastError().Description));
        f.services->boxes.answer(vbOK);
        f.window->cmd2Queries->click();
        QCOMPARE(f.services->boxes.shown().size(), 1); // the second query is not tried
        const platform::MessageBoxRequest box = f.services->boxes.shown()[0].request;
        QVERIFY2(box.text.contains("WHERE [Country]='Canada'") &&
                     box.text.contains("no such table"),
                 qPrintable(box.text));
        QCOMPARE(box.icon(), int(vbCritical));
        f.window->cmdFillAll->click();
        QCOMPARE(grid().RowCount(), 300);
    }
};

QTEST_MAIN(TestFrmViewRecordset)
#include "tst_frmviewrecordset.moc"
