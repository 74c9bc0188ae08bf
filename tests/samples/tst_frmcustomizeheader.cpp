// Customizing Tessix Header: the panel following the current column (filled without writing
// back), the column settings written together, the options greyed out under the OS style,
// the column images, the height, the no-column message and the colour and font dialogs.

#include "samples/exploring/frmCustomizeHeader.h"

#include "SampleWindowTest.h"
#include "platform/Colors.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include <cmath>
#include <functional>

namespace {

const QString NoColumnText =
    QStringLiteral("First select any column by selecting one of its cells.");

// A click on a cell, as the user selects one.
void clickCell(TessixGrid& grid, int row, int col) {
    int left = 0, top = 0, width = 0, height = 0;
    grid.GetCellRect(row, col, left, top, width, height);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {},
                      QPoint(left + width / 2, top + height / 2));
}

} // namespace

class TestFrmCustomizeHeader : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void atLoad();
    void panelFollowsTheColumn_data();
    void panelFollowsTheColumn();
    void columnSettingsWrittenTogether();
    void osStyleGreysOutOptions();
    void headerOptions();
    void columnImages();
    void height();
    void noCurrentColumn();
    void colorDialogs();
    void fontDialogs();
};

void TestFrmCustomizeHeader::atLoad() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    QCOMPARE(grid.ColCount(), 3);
    QCOMPARE(grid.RowCount(), 20);
    QCOMPARE(grid.ColWidth(3), 128);
    for (int row = 1; row <= 20; ++row)
        for (int col = 1; col <= 3; ++col) {
            const Variant value = grid.CellValue(row, col);
            QCOMPARE(value.type(), VarType::Single);
            QVERIFY(value.toDouble() >= 0 && value.toDouble() <= 6);
            QCOMPARE(value.toDouble(), std::floor(value.toDouble()));
        }
    QCOMPARE(grid.Header().ImageList(), window->IconList1);
    QCOMPARE(window->IconList1->ItemIndex(QStringLiteral("unread")), 3);
    QCOMPARE(window->cboSortInfo->currentIndex(), 2);
    QCOMPARE(grid.Header().SortInfoStyle(), 2);
    QCOMPARE(window->txtHeight->text(), QString::number(grid.Header().Height()));
    QVERIFY(window->chkXPStyles->isEnabled());
    QVERIFY(window->lblNoXPStyles->isHidden());
    // Column 1 current: its text, and not sizable as it was made.
    QCOMPARE(grid.CurCol(), 1);
    QCOMPARE(window->txtItemText->toPlainText(), QStringLiteral("Column 1"));
    QVERIFY(!window->chkItemAllowSizing->isChecked());
    QVERIFY(window->optHAlignLeft->isChecked());
    // The panel shows the grid's own initial header settings.
    const GridHeader& header = grid.Header();
    QCOMPARE(window->chkXPStyles->isChecked(), header.UseOSStyle());
    QCOMPARE(window->chkDragCols->isChecked(), header.DragColumns());
    QCOMPARE(window->chkBtns->isChecked(), header.Buttons());
    QCOMPARE(window->chkFlat->isChecked(), header.Flat());
    QCOMPARE(window->chkHotTrack->isChecked(), header.HotTracking());
    QCOMPARE(header.HotTrackFlags(), int(HotTrackText));
    QVERIFY(window->chkHotTrackText->isChecked());
    QVERIFY(!window->chkHotTrackIcon->isChecked() && !window->chkHotTrackSortInfo->isChecked());
    QCOMPARE(window->chkAutoWidthWithHdr->isChecked(), grid.AutoWidthWithHeader());
    QVERIFY(services.boxes.shown().isEmpty());
}

void TestFrmCustomizeHeader::panelFollowsTheColumn_data() {
    QTest::addColumn<int>("col");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("hAlign");
    QTest::addColumn<QString>("vAlign");
    QTest::addColumn<bool>("wordWrap");
    QTest::addColumn<bool>("allowSizing");
    QTest::addColumn<bool>("endEllipsis"); // the grid's default flags have it
    QTest::newRow("column 1") << 1 << "Column 1"
                              << "Left"
                              << "Center" << false << false << true;
    QTest::newRow("column 2") << 2 << "Column 2 multiline"
                              << "Center"
                              << "Center" << true << true << false;
    QTest::newRow("column 3") << 3 << "Column 3 bottom"
                              << "Left"
                              << "Bottom" << false << true << true;
}

void TestFrmCustomizeHeader::panelFollowsTheColumn() {
    QFETCH(int, col);
    QFETCH(QString, text);
    QFETCH(QString, hAlign);
    QFETCH(QString, vAlign);
    QFETCH(bool, wordWrap);
    QFETCH(bool, allowSizing);
    QFETCH(bool, endEllipsis);
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    // From another column first, so nothing of it stays on the panel.
    clickCell(grid, 4, col == 2 ? 1 : 2);
    const quint32 flagsBefore = grid.ColHeaderTextFlags(col);
    clickCell(grid, 5, col);
    QCOMPARE(grid.CurCol(), col);
    QCOMPARE(window->txtItemText->toPlainText(), text);
    const auto checked = [](std::initializer_list<QRadioButton*> buttons) {
        for (QRadioButton* button : buttons)
            if (button->isChecked())
                return button->text();
        return QString();
    };
    QCOMPARE(checked({window->optHAlignLeft, window->optHAlignCenter, window->optHAlignRight}),
             hAlign);
    QCOMPARE(checked({window->optVAlignTop, window->optVAlignCenter, window->optVAlignBottom}),
             vAlign);
    QCOMPARE(window->chkItemWordWrap->isChecked(), wordWrap);
    QVERIFY(!window->chkItemSingleLine->isChecked());
    QCOMPARE(window->chkItemEndEllipsis->isChecked(), endEllipsis);
    QCOMPARE(window->chkItemAllowSizing->isChecked(), allowSizing);
    // Filling the panel writes nothing back.
    QCOMPARE(grid.ColHeaderTextFlags(col), flagsBefore);
    QCOMPARE(grid.ColAllowSizing(1), false);
    QVERIFY(services.boxes.shown().isEmpty());
}

void TestFrmCustomizeHeader::columnSettingsWrittenTogether() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    clickCell(grid, 1, 2);
    // Both alignments rewritten from the panel along with the flags.
    grid.SetColHeaderAlignH(2, 2);
    grid.SetColHeaderAlignV(2, 0);
    window->chkItemSingleLine->click();
    QCOMPARE(grid.ColHeaderTextFlags(2), quint32(0x30));
    QCOMPARE(grid.ColHeaderAlignH(2), 1);
    QCOMPARE(grid.ColHeaderAlignV(2), 1);

    window->chkItemEndEllipsis->click();
    window->chkItemWordWrap->click();
    QCOMPARE(grid.ColHeaderTextFlags(2), quint32(0x8020));
    window->optHAlignRight->click();
    window->optVAlignBottom->click();
    QCOMPARE(grid.ColHeaderAlignH(2), 2);
    QCOMPARE(grid.ColHeaderAlignV(2), 2);
    QCOMPARE(grid.ColHeaderTextFlags(2), quint32(0x8020));

    window->chkItemAllowSizing->click();
    QVERIFY(!grid.ColAllowSizing(2));
    // A typed line break reaches the header as CR LF, and comes back as a line break.
    window->txtItemText->setPlainText(QStringLiteral("Two\nlines"));
    window->cmdApplyItemText->click();
    QCOMPARE(grid.ColHeaderText(2), QStringLiteral("Two\r\nlines"));
    clickCell(grid, 1, 1);
    clickCell(grid, 1, 2);
    QCOMPARE(window->txtItemText->toPlainText(), QStringLiteral("Two\nlines"));
    QVERIFY(services.boxes.shown().isEmpty());
}

void TestFrmCustomizeHeader::osStyleGreysOutOptions() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    const QList<QAbstractButton*> asterisked{window->chkFlat,
                                             window->cmdBackColor,
                                             window->cmdItemBackColor,
                                             window->chkHotTrackText,
                                             window->chkHotTrackIcon,
                                             window->chkHotTrackSortInfo,
                                             window->cmdHotTrackForeColor};
    for (const bool osStyle : {true, false, true}) {
        window->chkXPStyles->setChecked(osStyle);
        QCOMPARE(window->Tessix1->Header().UseOSStyle(), osStyle);
        for (QAbstractButton* option : asterisked)
            QVERIFY2(option->isEnabled() == !osStyle, qPrintable(option->text()));
        QVERIFY(window->chkHotTrack->isEnabled());
    }
    // A change of the desktop's style checks again; the style is still available.
    Q_EMIT window->Tessix1->OSStyleChange();
    QVERIFY(window->chkXPStyles->isEnabled());
    QVERIFY(window->lblNoXPStyles->isHidden());
}

void TestFrmCustomizeHeader::headerOptions() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    GridHeader& header = window->Tessix1->Header();
    window->chkXPStyles->setChecked(false);
    window->chkDragCols->click();
    window->chkBtns->click();
    window->chkFlat->click();
    window->chkHotTrack->click();
    QVERIFY(!header.DragColumns() && !header.Buttons() && header.Flat() && !header.HotTracking());
    // Each hot-tracking part sets or clears its own bit.
    window->chkHotTrackIcon->click();
    window->chkHotTrackSortInfo->click();
    QCOMPARE(header.HotTrackFlags(), 7);
    window->chkHotTrackText->click();
    QCOMPARE(header.HotTrackFlags(), 5);
    window->chkHotTrackIcon->click();
    QCOMPARE(header.HotTrackFlags(), 4);
    for (int style : {0, 1, 2}) {
        window->cboSortInfo->setCurrentIndex(style);
        QCOMPARE(header.SortInfoStyle(), style);
    }
    window->chkAutoWidthWithHdr->click();
    QVERIFY(!window->Tessix1->AutoWidthWithHeader());
}

void TestFrmCustomizeHeader::columnImages() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(grid.ColHeaderIcon(col), col);
    window->chkColImg->click();
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(grid.ColHeaderIcon(col), 0);
    window->chkColImg->click();
    for (int col = 1; col <= 3; ++col)
        QCOMPARE(grid.ColHeaderIcon(col), col);
}

void TestFrmCustomizeHeader::height() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    GridHeader& header = window->Tessix1->Header();
    const int oneLine = header.Height();
    // Fit Height makes room for column 2's two lines and shows the height chosen.
    window->cmdAutoHeight->click();
    QVERIFY(header.Height() > oneLine);
    QCOMPARE(window->txtHeight->text(), QString::number(header.Height()));

    window->txtHeight->setText(QStringLiteral("40"));
    window->cmdApplyHdrHeight->click();
    QCOMPARE(header.Height(), 40);
    // Nothing, or more than a whole number holds: a message, the height and the text kept.
    for (const QString& bad : {QString(), QStringLiteral("99999999999")}) {
        services.boxes.answer(vbOK);
        window->txtHeight->setText(bad);
        window->cmdApplyHdrHeight->click();
        QCOMPARE(header.Height(), 40);
        QCOMPARE(window->txtHeight->text(), bad);
        QCOMPARE(services.boxes.shown().last().request.text, QStringLiteral("Illegal value"));
    }
    QVERIFY(services.boxes.unexpected().isEmpty());
}

void TestFrmCustomizeHeader::noCurrentColumn() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    window->chkXPStyles->setChecked(false); // so the column's back colour button is enabled
    grid.SetCurCell(0, 0);
    QCOMPARE(window->txtItemText->toPlainText(), QString());
    const quint32 flags = grid.ColHeaderTextFlags(1);
    const QString text = grid.ColHeaderText(1);
    const QList<QAbstractButton*> actions{window->cmdApplyItemText,   window->cmdItemBackColor,
                                          window->cmdItemForeColor,   window->chkItemWordWrap,
                                          window->chkItemAllowSizing, window->optHAlignRight};
    for (QAbstractButton* action : actions) {
        services.boxes.answer(vbOK);
        action->click();
    }
    QCOMPARE(services.boxes.shown().size(), actions.size());
    for (const auto& box : services.boxes.shown()) {
        QCOMPARE(box.request.text, NoColumnText);
        QCOMPARE(box.request.icon(), int(vbCritical));
    }
    // The check comes before any dialog, and nothing changed.
    QVERIFY(services.dialogs.colorRequests().isEmpty());
    QCOMPARE(grid.ColHeaderTextFlags(1), flags);
    QCOMPARE(grid.ColHeaderText(1), text);
    QVERIFY(!grid.ColAllowSizing(1));
}

void TestFrmCustomizeHeader::colorDialogs() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    TessixGrid& grid = *window->Tessix1;
    GridHeader& header = grid.Header();
    window->chkXPStyles->setChecked(false);
    struct Case {
        QPushButton* button;
        std::function<OleColor()> color;
    };
    const QList<Case> cases{
        {window->cmdHotTrackForeColor, [&] { return header.HotTrackForeColor(); }},
        {window->cmdSolidSortIconColor, [&] { return header.SolidSortIconColor(); }},
        {window->cmdBackColor, [&] { return header.BackColor(); }},
        {window->cmdForeColor, [&] { return header.ForeColor(); }},
        {window->cmdItemBackColor, [&] { return grid.ColHeaderBackColor(1); }},
        {window->cmdItemForeColor, [&] { return grid.ColHeaderForeColor(1); }},
    };
    for (const Case& c : cases) {
        const OleColor before = c.color();
        services.dialogs.cancelColor();
        c.button->click();
        QCOMPARE(c.color(), before);
        // The dialog starts at the colour in use.
        QCOMPARE(QColorToOle(*services.dialogs.colorRequests().last().initial),
                 OleColorToRGB(before));
        services.dialogs.answerColor(QColor(12, 34, 56));
        c.button->click();
        QCOMPARE(c.color(), RGB(12, 34, 56));
    }
    QVERIFY(services.dialogs.unexpected().isEmpty());
}

void TestFrmCustomizeHeader::fontDialogs() {
    IsolatedServices services;
    auto window = shownWindow<frmCustomizeHeader>();
    GridHeader& header = window->Tessix1->Header();
    for (QPushButton* button : {window->cmdItemTextFont, window->cmdSortInfoFont}) {
        const auto font = [&] {
            return button == window->cmdItemTextFont ? header.fontData()
                                                     : header.sortInfoFontData();
        };
        const FontData before = font();
        services.dialogs.cancelFont();
        button->click();
        QCOMPARE(font().name, before.name);
        QCOMPARE(font().size, before.size);
        // The dialog opens with the font in use.
        QCOMPARE(services.dialogs.fontRequests().last().font.family(), before.name);

        QFont chosen(QStringLiteral("Liberation Serif"));
        chosen.setPointSize(12);
        chosen.setItalic(true);
        services.dialogs.answerFont(chosen);
        button->click();
        QCOMPARE(font().name, QStringLiteral("Liberation Serif"));
        QCOMPARE(font().size, 12.0);
        QVERIFY(font().italic);
        QVERIFY(!font().bold);
    }
    QVERIFY(services.dialogs.unexpected().isEmpty());
}

QTEST_MAIN(TestFrmCustomizeHeader)
#include "tst_frmcustomizeheader.moc"
