#include "samples/full/frmPropertyGrid.h"

#include "app/Global.h"
#include "components/grid/GridComboLists.h"
#include "components/grid/TessixGrid.h"
#include "components/iconlist/IconList.h"
#include "platform/Colors.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "samples/full/DesignLabel.h"
#include "samples/full/LabelProperties.h"

#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QRadioButton>

#include <algorithm>

namespace {

const QString PropertyCol = QStringLiteral("property");
const QString ValueCol = QStringLiteral("value");
const QString CategoryCol = QStringLiteral("category");
const QString CaptionProperty = QStringLiteral("Caption");

// A colour swatch: the colour in a dark frame, with a pixel of room around it.
QImage swatch(quint32 color, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(OleColorToQColor(color));
    p.drawRect(QRect(QPoint(1, 2), size - QSize(3, 5)));
    return image;
}

QRect twipsRect(int left, int top, int width, int height) {
    return QRect(TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height));
}

} // namespace

frmPropertyGrid::frmPropertyGrid(QWidget* parent)
    : QWidget(parent), Label1(nullptr), grdProp(new TessixGrid(this)),
      optViewAlphabetic(new QRadioButton(QStringLiteral("Alphabetic view"), this)),
      optViewCategorized(new QRadioButton(QStringLiteral("Categorized view"), this)),
      Label2{new QLabel(QStringLiteral("Test object (Label1):"), this),
             new QLabel(QStringLiteral("Label1 properties:"), this)},
      ImgList(new IconList(QSize(16, 16), this)) {
    setWindowTitle(QStringLiteral("Property Grid Demo"));
    setFont(FontObject(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}).toQFont());
    setFixedSize(TwipsToPixelsX(9120), TwipsToPixelsY(5880));

    // The label moves within the area left of the sheet, which clips it: wherever its
    // position and size take it, it never covers the sheet. The area starts at the window's
    // corner, so the label's Left and Top are the window's own.
    auto* testArea = new QWidget(this);
    testArea->setGeometry(0, 0, TwipsToPixelsX(4620), height());
    Label2[0]->setParent(testArea);
    Label2[0]->setGeometry(twipsRect(120, 150, 3000, 255));
    Label1 = new DesignLabel(QStringLiteral("Label1"), QStringLiteral("Label1"), testArea);
    Label1->setGeometry(twipsRect(120, 480, 2775, 1815));
    Label1->SetBorderStyle(DesignLabel::FixedSingle);

    Label2[1]->setGeometry(twipsRect(4680, 150, 4200, 255));
    grdProp->setGeometry(twipsRect(4680, 480, 4320, 4800));
    optViewAlphabetic->setGeometry(twipsRect(4680, 5400, 2040, 300));
    optViewCategorized->setGeometry(twipsRect(6840, 5400, 2160, 300));

    for (const PropertyListEntry& entry : PropertyListEntries(ColorsList))
        ImgList->AddImage(entry.imageKey,
                          swatch(quint32(entry.value.toLong()), ImgList->ImageSize()));

    optViewAlphabetic->setChecked(true); // the design's state; Form_Load shows it
    connect(optViewAlphabetic, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optViewAlphabetic_Click();
    });
    connect(optViewCategorized, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            optViewCategorized_Click();
    });
    connect(grdProp, &TessixGrid::RequestEdit, this, &frmPropertyGrid::grdProp_RequestEdit);
    connect(grdProp, &TessixGrid::EditKeyPress, this, &frmPropertyGrid::grdProp_EditKeyPress);
    connect(grdProp, &TessixGrid::EditTextChange, this, &frmPropertyGrid::grdProp_EditTextChange);
    connect(grdProp, &TessixGrid::BeforeCommitEdit, this,
            &frmPropertyGrid::grdProp_BeforeCommitEdit);
    connect(grdProp, &TessixGrid::AfterCommitEdit, this, &frmPropertyGrid::grdProp_AfterCommitEdit);
    connect(grdProp, &TessixGrid::EditEnd, this, &frmPropertyGrid::grdProp_EditEnd);
    connect(grdProp, &TessixGrid::CellDblClick, this, &frmPropertyGrid::grdProp_CellDblClick);
    connect(grdProp, &TessixGrid::AfterGroupRowCreate, this,
            &frmPropertyGrid::grdProp_AfterGroupRowCreate);
    connect(grdProp, &TessixGrid::ScrollBarThicknessChanged, this,
            &frmPropertyGrid::grdProp_ScrollBarThicknessChanged);

    Form_Load();
}

void frmPropertyGrid::Form_Load() {
    grdProp->BeginUpdate();
    ApplyGridLook(grdProp);
    grdProp->SetImageList(ImgList);
    grdProp->Header().SetVisible(false);
    grdProp->SetShowFocusRect(false);
    grdProp->SetShowControlsInAllCells(true);
    // One line of text, with room for the drop-down buttons.
    grdProp->SetDefaultRowHeight(grdProp->GetOptimalRowHeight({}, 1, 0, /*checkBoxes=*/false, 0,
                                                              /*comboButtons=*/true));

    grdProp->AddCol(PropertyCol)->SetCellVAlignment(VAlignCenter);
    grdProp->AddCol(ValueCol)->SetCellVAlignment(VAlignCenter);
    grdProp->SetColKey(grdProp->RowTextCol(), CategoryCol);

    for (const LabelProperty& property : LabelProperties())
        AddPropertyRow(property);
    grdProp->AutoWidthCol(PropertyCol);
    optViewAlphabetic_Click();
    grdProp->EndUpdate();
    ShowTipOfTheDay(this);
}

void frmPropertyGrid::AddPropertyRow(const LabelProperty& property) {
    const int row = grdProp->AddRow();
    grdProp->SetCellValue(row, PropertyCol, property.name);
    if (property.editor == PropertyEditor::List) {
        CreateList(property.list);
        grdProp->SetCellType(row, ValueCol, CellTypeCombo);
        grdProp->SetCellComboList(row, ValueCol, property.list);
    } else if (property.editor == PropertyEditor::MultiLineText) {
        grdProp->SetCellTextFlags(row, ValueCol, TextFlagWordBreak);
    }
    grdProp->SetCellValue(row, ValueCol, property.read(*Label1));
    grdProp->SetCellValue(row, CategoryCol, property.category);
}

void frmPropertyGrid::CreateList(const QString& key) {
    if (grdProp->ComboLists().Item(key))
        return; // made for an earlier property
    ComboList* list = grdProp->ComboLists().Add(key);
    if (key == ColorsList)
        list->SetImageList(ImgList);
    for (const PropertyListEntry& entry : PropertyListEntries(key))
        list->AddItem(entry.text, entry.value,
                      entry.imageKey.isEmpty() ? 0 : ImgList->ItemIndex(entry.imageKey), -1);
}

const LabelProperty* frmPropertyGrid::PropertyOfRow(int row) const {
    if (row < 1 || grdProp->RowIsGroup(row))
        return nullptr;
    return FindLabelProperty(grdProp->CellValue(row, PropertyCol).toString());
}

void frmPropertyGrid::ApplyProperty(int row) {
    const LabelProperty* property = PropertyOfRow(row);
    if (!property || !property->write)
        return;
    property->write(*Label1, grdProp->CellValue(row, ValueCol));
    if (property->editor == PropertyEditor::MultiLineText)
        grdProp->AutoHeightRow(row, grdProp->DefaultRowHeight());
    ShowLabelSize();
}

void frmPropertyGrid::SetPropertyValue(const QString& name, const Variant& value) {
    if (const int row = grdProp->FindRow(PropertyCol, name))
        grdProp->SetCellValue(row, ValueCol, value);
}

void frmPropertyGrid::ShowLabelSize() {
    // Not only a change of AutoSize itself: with AutoSize on, a new caption, border or
    // wrapping resizes the label too.
    if (!Label1->AutoSize())
        return;
    SetPropertyValue(QStringLiteral("Height"), Variant(Label1->Height()));
    SetPropertyValue(QStringLiteral("Width"), Variant(Label1->Width()));
}

void frmPropertyGrid::ResizeValueColumn() {
    const int width = std::max(0, grdProp->GetInfo(10) - grdProp->ColWidth(PropertyCol) -
                                      grdProp->VScrollBar().Thickness());
    grdProp->SetColWidth(ValueCol, width);
    for (const auto& list : grdProp->ComboLists())
        list->SetDropDownWidth(width);
}

// ----- Views -----

void frmPropertyGrid::optViewAlphabetic_Click() {
    grdProp->BeginUpdate();
    grdProp->Ungroup();
    grdProp->SortByCol(PropertyCol);
    ResizeValueColumn();
    grdProp->EndUpdate();
}

void frmPropertyGrid::optViewCategorized_Click() {
    grdProp->BeginUpdate();
    grdProp->SortObject().Clear();
    grdProp->SortObject().Add(CategoryCol, SortAscending, SortTypeByValue);
    grdProp->Group();
    grdProp->SortByCol(PropertyCol);
    ResizeValueColumn();
    grdProp->EndUpdate();
}

void frmPropertyGrid::grdProp_AfterGroupRowCreate(int row) {
    grdProp->SetCellBackColor(row, grdProp->RowTextCol(), grdProp->BackColor());
}

void frmPropertyGrid::grdProp_ScrollBarThicknessChanged(int bar, int) {
    // Taller rows (a long caption) can bring the vertical bar: the value column then makes
    // room for it rather than scrolling sideways.
    if (bar == 1)
        ResizeValueColumn();
}

// ----- Editing -----

void frmPropertyGrid::grdProp_RequestEdit(RequestEditArgs& args) {
    const LabelProperty* property = PropertyOfRow(args.row);
    if (args.col != grdProp->ColIndex(ValueCol) || !property) {
        args.cancel = true;
        return;
    }
    if (property->editor == PropertyEditor::ReadOnly) {
        MsgBox(QStringLiteral("Read-only at run-time"), vbExclamation);
        args.cancel = true;
    } else if (property->number && !AcceptsStartText(*property->number, args.text)) {
        args.cancel = true;
    } else if (property->name == CaptionProperty) {
        // The editor's starting text is no change of it: a caption started by typing shows
        // its first character here.
        Label1->SetCaption(args.text);
    }
}

void frmPropertyGrid::grdProp_EditKeyPress(EditKeyPressArgs& args) {
    const LabelProperty* property = PropertyOfRow(args.row);
    if (property && property->number &&
        !KeepsTypedChar(*property->number, args.keyAscii, grdProp->EditText(),
                        grdProp->EditSelStart()))
        args.keyAscii = 0;
}

void frmPropertyGrid::grdProp_EditTextChange(int row, int) {
    if (const LabelProperty* property = PropertyOfRow(row);
        property && property->name == CaptionProperty)
        Label1->SetCaption(grdProp->EditText());
}

void frmPropertyGrid::grdProp_EditEnd(int row, int) {
    // The stored caption: the new one after a commit, the old one after Esc.
    if (const LabelProperty* property = PropertyOfRow(row);
        property && property->name == CaptionProperty) {
        Label1->SetCaption(grdProp->CellValue(row, ValueCol).toString());
        ShowLabelSize();
    }
}

void frmPropertyGrid::grdProp_BeforeCommitEdit(BeforeCommitEditArgs& args) {
    const LabelProperty* property = PropertyOfRow(args.row);
    if (!property || !property->number)
        return;
    if (const QString refusal = RefusalOf(*property->number, args.newText); !refusal.isEmpty()) {
        MsgBox(refusal, vbExclamation);
        args.result = CommitStay;
    }
}

void frmPropertyGrid::grdProp_AfterCommitEdit(int row, int, const Variant&) {
    ApplyProperty(row);
}

void frmPropertyGrid::grdProp_CellDblClick(CellDblClickArgs& args) {
    if (args.row == 0 || args.col == 0 || grdProp->RowIsGroup(args.row) ||
        grdProp->CellType(args.row, args.col) != CellTypeCombo)
        return;
    const ComboList* list = grdProp->ComboLists().Item(grdProp->CellComboList(args.row, args.col));
    if (!list || list->ItemCount() == 0)
        return;
    // The next entry, from the last back to the first; a value not in the list goes to the
    // first entry.
    const int next =
        (list->FindItem(grdProp->CellValue(args.row, args.col)) + 1) % list->ItemCount();
    grdProp->SetCellValue(args.row, args.col, list->ItemValue(next));
    ApplyProperty(args.row);
    args.doDefault = false;
}
