#include "samples/exploring/FunNGamesData.h"

#include "app/ResourceRegistration.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"
#include "runtime/DateMath.h"
#include "runtime/Format.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

TESSIX_RESOURCE_REGISTRATION(registerResources, funngames)

namespace FunNGamesData {

namespace {

const QString DescriptionText = QStringLiteral(
    "This is a longer piece of text which can wrap onto a second line if the default cell "
    "format is changed so the qvTextSingleLine option is removed. Test ampersands: "
    "&Ampersand.");

constexpr quint32 DescriptionFlags =
    TextFlagWordBreak | TextFlagEditControl | TextFlagEndEllipsis | TextFlagWordEllipsis;
constexpr int IndentStep = 12;

// A whole number from 1 to count.
int randomIndex(int count) {
    return int(vb::Int(vb::Rnd() * count)) + 1;
}

int nearest(double value) {
    return int(vb::RoundHalfEven(value));
}

} // namespace

QPixmap BackgroundPicture() {
    registerResources();
    return QPixmap(QStringLiteral(":/funngames/FunBackground.svg"));
}

void LoadIcons(IconList& icons) {
    registerResources();
    for (const char* key : IconKeys)
        icons.AddImage(QString::fromLatin1(key),
                       QStringLiteral(":/funngames/%1.svg").arg(QLatin1String(key)));
}

void AddTypeComboList(TessixGrid& grid, IconList& icons) {
    ComboList* list = grid.ComboLists().Add(QStringLiteral("test"));
    list->SetImageList(&icons);
    for (int i = 1; i <= icons.ImageCount(); ++i)
        list->AddItem(icons.ItemKey(i), i, i, -1);
    list->SetFont(grid.CreateFont({.Size = 10, .Bold = true}));
    list->AutoDropDownWidth();
}

void AddColumns(TessixGrid& grid) {
    grid.AddCol(QStringLiteral("rowno"), QStringLiteral("Row #"), 48);
    grid.AddCol(QStringLiteral("icon"), QStringLiteral("Icon"), 48, SortTypeIcon)->SetMinWidth(28);
    grid.AddCol(QStringLiteral("filename"), QStringLiteral("Filename"), 84)->SetMaxWidth(100);

    GridColumn* type =
        grid.AddCol(QStringLiteral("type"), QStringLiteral("Type"), 96, SortTypeDisplayText);
    type->SetMinWidth(75);
    type->SetMaxWidth(120);
    type->SetCellVAlignment(VAlignCenter);
    type->SetCellType(CellTypeCombo);
    type->SetCellComboList(QStringLiteral("test"));

    grid.AddCol(QStringLiteral("date"), QStringLiteral("Modified"), 64)
        ->SetCellFormatString(QStringLiteral("yyyy-mm-dd"));

    GridColumn* multiline =
        grid.AddCol(QStringLiteral("multiline"), QStringLiteral("Multiline text"), 60);
    multiline->SetCellTextFlags(TextFlagWordBreak);
    multiline->SetCellStyleFlags(32);

    GridColumn* cur =
        grid.AddCol(QStringLiteral("cur"), QStringLiteral("Currency"), 72, SortTypeCurrency);
    cur->SetAllowSizing(false);
    // The empty third section shows a zero as an empty cell.
    cur->SetCellFormatString(QStringLiteral("$#,##0.00;;\"\""));
    cur->SetCellAlignment(AlignRight);

    GridColumn* check3d = grid.AddCol(QStringLiteral("check3d"), QStringLiteral("3D checkbox"), 60);
    check3d->SetCheckBoxVisible(true);
    check3d->SetCheckBoxAlign(CheckBoxRight);
    check3d->SetCellStyleFlags(ThreeStateStyleFlag);

    GridColumn* checkflat =
        grid.AddCol(QStringLiteral("checkflat"), QStringLiteral("Flat checkbox"), 60);
    checkflat->SetCheckBoxVisible(true);
    checkflat->SetCheckBoxAlign(CheckBoxRight);

    GridColumn* descr = grid.AddCol(QStringLiteral("descr"), QStringLiteral("Description"), 370);
    descr->SetCellTextFlags(DescriptionFlags);
    descr->SetDefaultValue(DescriptionText);
}

Columns Columns::of(const TessixGrid& grid) {
    const auto col = [&grid](const char* key) { return grid.ColIndex(QString::fromLatin1(key)); };
    return {col("rowno"),     col("icon"), col("filename"), col("type"),      col("date"),
            col("multiline"), col("cur"),  col("check3d"),  col("checkflat"), col("descr")};
}

FontObject SpecialRowFont() {
    return FontObject(FontData{QStringLiteral("Times New Roman"), 12, true, false});
}

void FillRow(TessixGrid& grid, int row, const RowContext& context) {
    const int n = context.iconCount;
    const Columns& c = context.cols;
    if (context.randomHeight)
        grid.SetRowHeight(row, nearest(vb::Rnd() * 24 + 24));
    grid.SetCellValue(row, c.rowno, Variant(row));
    grid.SetCellIcon(row, c.icon, randomIndex(n));
    grid.SetCellValue(row, c.filename,
                      vb::Format(Variant(vb::Rnd() * 1000000), QStringLiteral("000000")) +
                          QStringLiteral(".bak"));
    grid.SetCellValue(row, c.type, Variant(float(randomIndex(n))));
    const int year = nearest(context.currentYear + vb::Rnd() * 8 - 1);
    const int month = nearest(vb::Rnd() * 12);
    const int day = nearest(vb::Rnd() * 31);
    grid.SetCellValue(row, c.date, Variant::fromDate(vb::DateSerial(year, month, day)));
    grid.SetCellValue(row, c.multiline,
                      QStringLiteral("Row%1,\r\nCol%2").arg(row).arg(grid.ColPos(c.multiline)));
    grid.SetCellValue(row, c.cur, Variant(Currency::fromDouble(1234.56)));
    grid.SetCellForeColor(row, c.cur, RGB(int(vb::Int(vb::Rnd() * 16)) * 16, 0, 0));
    grid.SetCellCheckState(row, c.check3d, int(vb::Int(vb::Rnd() * 3)));
    grid.SetCellCheckState(row, c.checkflat, vb::Rnd() < 0.5 ? 0 : 1);
    grid.SetCellIndentLeft(row, c.descr, (row % 3) * IndentStep);
    grid.SetCellIcon(row, c.descr, randomIndex(n));

    switch (row) {
    case 5: {
        for (int col = 1; col <= grid.ColCount(); ++col)
            grid.SetCellFont(row, col, context.specialFont);
        // The date cell alone turns italic: its font handle is that cell's own.
        grid.CellFont(row, c.date).SetItalic(true);
        grid.SetCellIndentLeft(row, c.date, 0);
        grid.SetCellIndentRight(row, c.date, 0);
        break;
    }
    case 6:
        grid.SetCellBackColor(row, 3, RGB(102, 153, 204));
        grid.SetCellBackColor(row, 5, RGB(153, 204, 238));
        grid.SetCellBackColor(row, 6, RGB(102, 238, 204));
        break;
    case 7:
        for (int col = 1; col <= grid.ColCount(); ++col)
            grid.SetCellForeColor(row, col, RGB(255, 0, 0));
        break;
    default:
        break;
    }
}

} // namespace FunNGamesData
