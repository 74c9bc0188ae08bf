#include "samples/features/frmCustomSort.h"

#include "app/Global.h"
#include "app/ResourceRegistration.h"
#include "components/grid/TessixGrid.h"
#include "platform/Colors.h"
#include "platform/Twips.h"
#include "runtime/Numeric.h"
#include "runtime/Random.h"

#include <QCheckBox>
#include <QIcon>
#include <QLabel>
#include <QRegularExpression>
#include <QStringList>
#include <QVBoxLayout>

TESSIX_RESOURCE_REGISTRATION(registerSortingResources, sorting)

namespace {

const QString GroupCol = QStringLiteral("group");
const QString CompCol = QStringLiteral("comp");
const QString IpCol = QStringLiteral("ip");
const QString MemCol = QStringLiteral("mem");

constexpr int ComputerCount = 25;
constexpr int FilterMinMegabytes = 512;

// The tile at the screen's pixel density, so it stays sharp on high-density screens.
QPixmap backgroundTile() {
    registerSortingResources();
    return QIcon(QStringLiteral(":/sorting/ComputersTile.svg")).pixmap(QSize(32, 32));
}

int randomBetween(int low, int high) {
    return low + int(vb::Int(vb::Rnd() * (high - low + 1)));
}

} // namespace

QString frmCustomSort::IPSortKey(const QString& text) {
    QStringList parts = text.split(u'.');
    for (QString& part : parts)
        part = part.rightJustified(3, u'0');
    return parts.join(u'.');
}

int frmCustomSort::RAMInMegabytes(const QString& text) {
    static const QRegularExpression leadingNumber(QStringLiteral("^\\s*(\\d+(\\.\\d*)?|\\.\\d+)"));
    const QRegularExpressionMatch match = leadingNumber.match(text);
    if (!match.hasMatch())
        return 0;
    const double number = match.captured(1).toDouble();
    return int(vb::RoundHalfEven(text.endsWith(QStringLiteral("Gb")) ? number * 1024 : number));
}

frmCustomSort::frmCustomSort(QWidget* parent)
    : QWidget(parent),
      Label1(new QLabel(
          QStringLiteral(
              "This demo demonstrates how you can implement your own sort criteria using the "
              "CustomSort event. Click on the header of the 'IP Address' or 'RAM' column and see "
              "how Tessix sorts rows by values of this column. Notice that the grid below sorts "
              "IP addresses separately by each part of address using the ###.###.###.### format "
              "but stores these addresses as unformatted strings. The same is true for the RAM "
              "values."),
          this)),
      Label2(new QLabel(QStringLiteral("This demo also shows how you can highlight odd and even "
                                       "rows using two new properties, BackColorOddRows and "
                                       "BackColorEvenRows, and use flat header with its own "
                                       "background and foreground color independently from "
                                       "system settings."),
                        this)),
      Tessix1(new TessixGrid(this)),
      chkFiltMem(
          new QCheckBox(QStringLiteral("Show computers whose RAM is not less than 512Mb"), this)),
      picBackground(backgroundTile()) {
    setWindowTitle(QStringLiteral("Custom Sorting"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    resize(TwipsToPixelsX(8400), TwipsToPixelsY(7800));

    // The labels keep their place at the top; the grid takes what the window gains and the
    // check box stays at the bottom, all 120 twips from the edges.
    Label1->setWordWrap(true);
    Label2->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    const int marginX = TwipsToPixelsX(120);
    const int marginY = TwipsToPixelsY(120);
    layout->setContentsMargins(marginX, marginY, marginX, marginY);
    layout->setSpacing(marginY);
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    layout->addWidget(Tessix1, 1);
    layout->addWidget(chkFiltMem);

    connect(Tessix1, &TessixGrid::CustomSort, this, &frmCustomSort::Tessix1_CustomSort);
    connect(chkFiltMem, &QCheckBox::stateChanged, this, &frmCustomSort::chkFiltMem_Click);

    Form_Load();
}

void frmCustomSort::Form_Load() {
    Tessix1->BeginUpdate();
    ApplyGridLook(Tessix1);
    Tessix1->SetRowMode(true);
    Tessix1->SetFocusRectColor1(RGB(224, 0, 0));
    Tessix1->SetFocusRectColor2(RGB(224, 0, 0));
    Tessix1->SetEditable(false);
    Tessix1->SetGridLines(GridLinesVertical);
    Tessix1->SetBackColor(RGB(255, 255, 255));
    Tessix1->SetBackColorOddRows(RGB(153, 204, 204));
    Tessix1->SetBackColorEvenRows(RGB(0, 192, 224));
    Tessix1->SetSelBackColor(RGB(160, 160, 128));
    Tessix1->SetSelForeColor(RGB(255, 255, 255));
    Tessix1->SetBackgroundPicture(picBackground);
    Tessix1->SetDefaultRowHeight(Tessix1->GetOptimalRowHeight());

    GridHeader& header = Tessix1->Header();
    header.SetUseOSStyle(false);
    header.SetFlat(true);
    header.SetBackColor(RGB(225, 228, 229));
    header.SetForeColor(RGB(0, 0, 0));
    header.SetSolidSortIconColor(RGB(225, 68, 0));

    GridColumn* col = Tessix1->AddCol(GroupCol, QStringLiteral("Workgroup"));
    col->SetCellVAlignment(VAlignCenter);
    col->SetCellIndentLeft(4);

    col = Tessix1->AddCol(CompCol, QStringLiteral("Computer"));
    col->SetCellVAlignment(VAlignCenter);
    col->SetCellIndentLeft(4);
    col->SetCellIndentRight(2);

    col = Tessix1->AddCol(IpCol, QStringLiteral("IP Address"), -1, SortTypeCustom);
    col->SetCellAlignment(AlignCenter);
    col->SetCellVAlignment(VAlignCenter);
    col->SetCellIndentLeft(4);
    col->SetCellIndentRight(2);

    col = Tessix1->AddCol(MemCol, QStringLiteral("RAM"), -1, SortTypeCustom);
    col->SetHeaderAlignH(AlignRight);
    col->SetCellAlignment(AlignRight);
    col->SetCellVAlignment(VAlignCenter);
    col->SetCellIndentTop(0);
    col->SetCellIndentRight(4);

    FillComputers();
    Tessix1->AutoWidthCols();
    Tessix1->EndUpdate();
}

void frmCustomSort::FillComputers() {
    static const QString groups[] = {QStringLiteral("SALES"), QStringLiteral("SUPPORT"),
                                     QStringLiteral("DEV")};
    static const QString sizes[] = {QStringLiteral("128Mb"), QStringLiteral("256Mb"),
                                    QStringLiteral("512Mb"), QStringLiteral("1Gb"),
                                    QStringLiteral("2Gb")};
    Tessix1->SetRowCount(ComputerCount);
    for (int i = 1; i <= ComputerCount; ++i) {
        Tessix1->SetCellValue(i, GroupCol, groups[i / 10]);
        Tessix1->SetCellValue(i, CompCol,
                              QStringLiteral("Computer #%1").arg(i % 10 + 1, 2, 10, QChar(u'0')));
        QStringList address;
        for (int part = 0; part < 4; ++part)
            address << QString::number(randomBetween(1, 255));
        Tessix1->SetCellValue(i, IpCol, address.join(u'.'));
        Tessix1->SetCellValue(i, MemCol, sizes[randomBetween(0, 4)]);
    }
}

void frmCustomSort::Tessix1_CustomSort(CustomSortArgs& args) {
    const QString key = Tessix1->ColKey(args.col).toLower();
    if (key == IpCol) {
        const int order = QString::compare(IPSortKey(args.value1.toString()),
                                           IPSortKey(args.value2.toString()), Qt::CaseSensitive);
        args.result = order < 0 ? -1 : order > 0 ? 1 : 0;
    } else if (key == MemCol) {
        args.result =
            RAMInMegabytes(args.value1.toString()) - RAMInMegabytes(args.value2.toString());
    }
}

void frmCustomSort::chkFiltMem_Click() {
    const bool filtered = chkFiltMem->isChecked();
    Tessix1->BeginUpdate();
    for (int row = 1; row <= Tessix1->RowCount(); ++row)
        Tessix1->SetRowVisible(
            row, !filtered || RAMInMegabytes(Tessix1->CellValue(row, MemCol).toString()) >=
                                  FilterMinMegabytes);
    // No current cell, so no hidden row stays current.
    Tessix1->SetCurCell(0, 0);
    Tessix1->EndUpdate();
}
