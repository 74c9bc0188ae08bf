#pragma once

#include "components/grid/GridEvents.h"
#include "runtime/Variant.h"

#include <QWidget>

#include <array>

class DesignLabel;
class IconList;
class QLabel;
class QRadioButton;
class TessixGrid;
struct LabelProperty;

// "Property Grid Demo": a property sheet of the test label Label1 in a grid. Every change
// made in the sheet is applied to the label at once; coded and Boolean properties and the
// colours (with swatches) are chosen from drop-down lists, and a double click steps to the
// next entry; positions and sizes take whole numbers in their ranges; the caption shows on
// the label while it is typed. The sheet lists the properties by name or banded by category.
// Controls and handlers carry the names of the demo's design; they are public so tests can
// drive the window.
class frmPropertyGrid : public QWidget {
    Q_OBJECT
public:
    explicit frmPropertyGrid(QWidget* parent = nullptr);

    DesignLabel* Label1;
    TessixGrid* grdProp;
    QRadioButton* optViewAlphabetic;
    QRadioButton* optViewCategorized;
    std::array<QLabel*, 2> Label2; // "Test object (Label1):", "Label1 properties:"
    IconList* ImgList;

    // Copies the row's value into Label1.
    void ApplyProperty(int row);
    // Sets the value of the row whose property is `name`.
    void SetPropertyValue(const QString& name, const Variant& value);

private:
    void Form_Load();
    void AddPropertyRow(const LabelProperty& property);
    void CreateList(const QString& key);
    void ResizeValueColumn();
    // With AutoSize on, the label has sized itself: the sheet shows its size.
    void ShowLabelSize();
    const LabelProperty* PropertyOfRow(int row) const;

    void optViewAlphabetic_Click();
    void optViewCategorized_Click();
    void grdProp_RequestEdit(RequestEditArgs& args);
    void grdProp_EditKeyPress(EditKeyPressArgs& args);
    void grdProp_EditTextChange(int row, int col);
    void grdProp_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void grdProp_AfterCommitEdit(int row, int col, const Variant& previousValue);
    void grdProp_EditEnd(int row, int col);
    void grdProp_CellDblClick(CellDblClickArgs& args);
    void grdProp_AfterGroupRowCreate(int row);
    void grdProp_ScrollBarThicknessChanged(int bar, int value);
};
