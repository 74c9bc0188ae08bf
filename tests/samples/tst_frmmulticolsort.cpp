#include "SampleWindowTest.h"
#include "app/Startup.h"
#include "runtime/DateMath.h"
#include "runtime/Random.h"
#include "samples/features/frmMultiColSort.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QRadioButton>
#include <QtTest>

#include <memory>

namespace {

// The sort marks at the right end of a header item: what differs there from the unsorted
// header, and the picture of that strip.
struct Mark {
    int width = 0; // pixels across that differ from the unsorted header
    QImage strip;
};

// The marks of the items of a header, and whether nothing else in it changed.
struct HeaderMarks {
    QMap<QString, Mark> items;
    bool restUnchanged = false;
    const Mark& operator[](const QString& key) const { return *items.find(key); }
};

constexpr int StripWidth = 24; // the triangle, a gap and one digit fit

} // namespace

class TestFrmMultiColSort : public QObject {
    Q_OBJECT
    std::unique_ptr<IsolatedServices> services;
    std::unique_ptr<frmMultiColSort> window;

    TessixGrid& grid() { return *window->Tessix1; }

    // The header before any sort.
    QImage plainHeader;

    void open() {
        window = shownWindow<frmMultiColSort>();
        plainHeader = renderHeader();
    }

    QRect headerItem(const QString& key) { return ::headerItem(grid(), key); }
    void clickHeader(const QString& key, Qt::KeyboardModifiers modifiers = {}) {
        ::clickHeader(grid(), key, modifiers);
    }

    // The strip at the right end of a header item, clear of its edges.
    QImage strip(const QImage& header, const QString& key) {
        const QRect item = headerItem(key);
        return header.copy(item.right() - 2 - StripWidth, item.top() + 2, StripWidth,
                           item.height() - 4);
    }

    QImage renderHeader() {
        const QImage image = grid().viewport()->grab().toImage();
        return image.copy(0, 0, image.width(), grid().Header().Height());
    }

    // The marks of the sort in force, against the header as it was before any sort.
    HeaderMarks marks(const QStringList& keys) {
        const QImage sorted = renderHeader();
        HeaderMarks found;
        QImage outside = sorted, plainOutside = plainHeader;
        for (const QString& key : keys) {
            const QImage a = strip(sorted, key), b = strip(plainHeader, key);
            int left = StripWidth, right = -1;
            for (int y = 0; y < a.height(); ++y)
                for (int x = 0; x < a.width(); ++x)
                    if (a.pixel(x, y) != b.pixel(x, y)) {
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            found.items[key] = {std::max(0, right - left + 1), a};
            const QRect item = headerItem(key);
            const QRect band(item.right() - 2 - StripWidth, 0, StripWidth, sorted.height());
            QPainter(&outside).fillRect(band, Qt::black);
            QPainter(&plainOutside).fillRect(band, Qt::black);
        }
        found.restUnchanged = outside == plainOutside;
        return found;
    }

    // Rows in order of (company, sum)?
    bool orderedByCompanyThenSum() {
        for (int row = 2; row <= grid().RowCount(); ++row) {
            const QString a = grid().CellValue(row - 1, "company").toString();
            const QString b = grid().CellValue(row, "company").toString();
            if (a > b || (a == b && grid().CellValue(row - 1, "sum").toDouble() >
                                        grid().CellValue(row, "sum").toDouble()))
                return false;
        }
        return true;
    }

private Q_SLOTS:
    void initTestCase() { InitializeApplication(*qApp); }
    void init() {
        services = std::make_unique<IsolatedServices>();
        vb::Randomize(3);
    }
    void cleanup() {
        window.reset();
        const bool silent = services->boxes.shown().isEmpty();
        services.reset();
        QVERIFY2(silent, "the window showed a message box");
    }

    void loadFillsOrders() {
        open();
        QCOMPARE(window->windowTitle(), QString("Multi Columns Sort Demo"));
        QCOMPARE(window->Frame1->title(), QString("Sort Info Style"));
        QVERIFY(window->optSortInfoNumIcon->isChecked());
        QCOMPARE(grid().Header().SortInfoStyle(), int(SortInfoNumbered));
        QVERIFY(!grid().Editable());

        const QStringList keys{"company", "sum", "prep", "date"};
        const QStringList headers{"Company", "Sum", "Prepayment", "Order date"};
        const QList<int> widths{100, 60, 48, 72};
        QCOMPARE(grid().ColCount(), 4);
        for (int col = 1; col <= 4; ++col) {
            QCOMPARE(grid().ColKey(col), keys[col - 1]);
            QCOMPARE(grid().ColHeaderText(col), headers[col - 1]);
            // The date column widens where the short date needs it.
            if (keys[col - 1] == "date")
                QVERIFY(grid().ColWidth(col) >= widths[col - 1]);
            else
                QCOMPARE(grid().ColWidth(col), widths[col - 1]);
        }
        QCOMPARE(grid().ColSortType("prep"), int(SortTypeCheckState));

        QCOMPARE(grid().RowCount(), 100);
        QCOMPARE(window->CompanyNames().size(), 10);
        const double today = vb::Date();
        const double earliest = vb::DateAdd("m", -12, today) - 31;
        int checked = 0;
        for (int row = 1; row <= 100; ++row) {
            QVERIFY(window->CompanyNames().contains(grid().CellValue(row, "company").toString()));
            const Variant sum = grid().CellValue(row, "sum");
            QCOMPARE(sum.type(), VarType::Single);
            QVERIFY(sum.toDouble() >= 100 && sum.toDouble() <= 10000);
            QCOMPARE(int(sum.toDouble()) % 100, 0);
            const int state = grid().CellCheckState(row, "prep");
            QVERIFY(state == CheckUnchecked || state == CheckChecked);
            checked += state;
            QVERIFY(grid().CellCheckBoxVisible(row, "prep"));
            QCOMPARE(grid().CellCheckBoxAlign(row, "prep"), int(CheckBoxCenter));
            QCOMPARE(grid().CellText(row, "prep"), QString());
            const Variant date = grid().CellValue(row, "date");
            QCOMPARE(date.type(), VarType::Date);
            QVERIFY(date.toDateSerial() >= earliest && date.toDateSerial() <= today);
            QCOMPARE(grid().CellText(row, "date"), date.toString()); // the short date
        }
        QVERIFY(checked > 0 && checked < 100);
    }

    // Written by hand, a zero shows nothing; other sums as money without cents.
    void sumFormat() {
        open();
        for (int row = 1; row <= grid().RowCount(); ++row)
            QVERIFY(!grid().CellText(row, "sum").isEmpty()); // the data never holds 0
        grid().SetCellValue(1, "sum", Variant(0.0f));
        QCOMPARE(grid().CellText(1, "sum"), QString());
        grid().SetCellValue(1, "sum", Variant(12300.0f));
        QCOMPARE(grid().CellText(1, "sum"), QString("$12,300"));
    }

    void companyThenSum_data() {
        QTest::addColumn<int>("modifier");
        QTest::newRow("shift") << int(Qt::ShiftModifier);
        QTest::newRow("ctrl") << int(Qt::ControlModifier);
        QTest::newRow("alt") << int(Qt::AltModifier);
    }
    void companyThenSum() {
        QFETCH(int, modifier);
        open();
        clickHeader("company");
        clickHeader("sum", Qt::KeyboardModifiers(modifier));
        QCOMPARE(grid().ColSortIndex("company"), 1);
        QCOMPARE(grid().ColSortIndex("sum"), 2);
        QVERIFY(orderedByCompanyThenSum());
        // A plain click starts over with that column alone.
        clickHeader("sum");
        QCOMPARE(grid().ColSortIndex("company"), 0);
        QCOMPARE(grid().ColSortIndex("sum"), 1);
    }

    // Rendered: numbers beside the triangles with "Numerated Icons", triangles alone with
    // "Only Icons", nothing with "None".
    void sortMarksPerStyle() {
        open();
        const QStringList keys{"company", "sum"};
        clickHeader("company");
        const Mark single = marks(keys)["company"];
        QVERIFY(single.width > 0);

        clickHeader("sum", Qt::ShiftModifier);
        QVERIFY(orderedByCompanyThenSum());
        const HeaderMarks numbered = marks(keys);
        // One column sorted showed the triangle alone, also in the numbered style.
        QVERIFY(numbered["company"].width > single.width);
        QVERIFY(numbered["sum"].width > single.width);
        QVERIFY(numbered["company"].strip != numbered["sum"].strip); // 1 and 2

        window->optSortInfoOnlyIcon->setChecked(true);
        QCOMPARE(grid().Header().SortInfoStyle(), int(SortInfoIcons));
        const HeaderMarks icons = marks(keys);
        QCOMPARE(icons["company"].width, single.width);
        QVERIFY(icons["company"].strip == icons["sum"].strip); // both ascending, no number
        QVERIFY(icons["company"].strip == single.strip);

        window->optSortInfoNone->setChecked(true);
        QCOMPARE(grid().Header().SortInfoStyle(), int(SortInfoNone));
        const HeaderMarks none = marks(keys);
        QCOMPARE(none["company"].width, 0);
        QCOMPARE(none["sum"].width, 0);
        QVERIFY(orderedByCompanyThenSum()); // the style changes the marks, not the order

        // The numbers follow the positions: sum first now, company second.
        window->optSortInfoNumIcon->setChecked(true);
        clickHeader("sum");
        clickHeader("company", Qt::ShiftModifier);
        const HeaderMarks swapped = marks(keys);
        QVERIFY(swapped["sum"].strip == numbered["company"].strip);
        QVERIFY(swapped["company"].strip == numbered["sum"].strip);
        // Nothing but the marks changed in the header.
        for (const HeaderMarks* found : {&numbered, &icons, &none, &swapped})
            QVERIFY(found->restUnchanged);
    }

    void checkBoxColumnGroups() {
        open();
        const auto states = [this] {
            QString text;
            for (int row = 1; row <= grid().RowCount(); ++row)
                text += QString::number(grid().CellCheckState(row, "prep"));
            return text;
        };
        const int checked = int(states().count('1'));
        clickHeader("prep");
        const QString first = states();
        clickHeader("prep");
        const QString second = states();
        const QString uncheckedFirst = QString(100 - checked, '0') + QString(checked, '1');
        const QString checkedFirst = QString(checked, '1') + QString(100 - checked, '0');
        QVERIFY(first == uncheckedFirst || first == checkedFirst);
        QCOMPARE(second, first == uncheckedFirst ? checkedFirst : uncheckedFirst);
    }
};

QTEST_MAIN(TestFrmMultiColSort)
#include "tst_frmmulticolsort.moc"
