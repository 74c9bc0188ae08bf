#pragma once
// The column object: the look and value that cells of the column take when they are created,
// plus the column's own settings (key, header, width, sorting). Cell defaults apply to cells
// created after they are set; existing cells keep the look they were created with.

#include "components/grid/FontObject.h"
#include "components/grid/GridTypes.h"
#include "runtime/Variant.h"

#include <QString>
#include <optional>
#include <vector>

// The look of one cell. Interned by the store: equal looks share one table entry.
struct CellStyle {
    OleColor foreColor = DefaultColor;
    OleColor backColor = DefaultColor;
    std::optional<FontData> font; // none: the grid's font
    int icon = 0;                 // 0 = no icon
    quint32 textFlags = TextFlagEndEllipsis;
    quint32 styleFlags = 0;
    qint16 indentLeft = 2, indentRight = 2, indentTop = 1, indentBottom = 1;
    qint8 iconAlign = IconAlignDefault;
    qint8 alignment = AlignLeft;
    qint8 vAlignment = VAlignCenter;
    qint8 checkState = CheckUnchecked;
    qint8 cellType = CellTypeText;
    qint8 checkBoxAlign = CheckBoxLeft;
    bool checkBoxVisible = false;
    QString formatString;
    QString comboList; // combo-list key

    friend bool operator==(const CellStyle&, const CellStyle&) = default;
};
size_t qHash(const CellStyle& style, size_t seed = 0);

class GridStore;

// A removed column's object stays valid (index 0) but no longer affects the grid.
class GridColumn {
public:
    GridColumn(const GridColumn&) = delete;
    GridColumn& operator=(const GridColumn&) = delete;

    // --- Defaults of new cells ---
    FontObject CellFont() const;              // bound: editing it edits the column's default font
    void SetCellFont(const FontObject& font); // stores a copy
    int CellIcon() const { return m_defaults.icon; }
    void SetCellIcon(int icon);
    int CellIconAlign() const { return m_defaults.iconAlign; }
    void SetCellIconAlign(int align);
    int CellIndentLeft() const { return m_defaults.indentLeft; }
    void SetCellIndentLeft(int px);
    int CellIndentRight() const { return m_defaults.indentRight; }
    void SetCellIndentRight(int px);
    int CellIndentTop() const { return m_defaults.indentTop; }
    void SetCellIndentTop(int px);
    int CellIndentBottom() const { return m_defaults.indentBottom; }
    void SetCellIndentBottom(int px);
    int CellAlignment() const { return m_defaults.alignment; }
    void SetCellAlignment(int align);
    int CellVAlignment() const { return m_defaults.vAlignment; }
    void SetCellVAlignment(int align);
    quint32 CellTextFlags() const { return m_defaults.textFlags; }
    void SetCellTextFlags(quint32 flags);
    QString CellFormatString() const { return m_defaults.formatString; }
    void SetCellFormatString(const QString& format);
    OleColor CellForeColor() const { return m_defaults.foreColor; }
    void SetCellForeColor(OleColor color);
    OleColor CellBackColor() const { return m_defaults.backColor; }
    void SetCellBackColor(OleColor color);
    int CellType() const { return m_defaults.cellType; }
    void SetCellType(int type);
    QString CellComboList() const { return m_defaults.comboList; }
    void SetCellComboList(const QString& key);
    bool CheckBoxVisible() const { return m_defaults.checkBoxVisible; }
    void SetCheckBoxVisible(bool visible);
    int CheckBoxAlign() const { return m_defaults.checkBoxAlign; }
    void SetCheckBoxAlign(int align);
    quint32 CellStyleFlags() const { return m_defaults.styleFlags; }
    void SetCellStyleFlags(quint32 flags);
    Variant DefaultValue() const { return m_defaultValue; }
    void SetDefaultValue(const Variant& value);
    const CellStyle& defaults() const { return m_defaults; }

    // --- The column's own settings ---
    QString Key() const { return m_key; }
    bool SetKey(const QString& key); // false (and unchanged) when another column has it
    QString HeaderText() const { return m_headerText; }
    void SetHeaderText(const QString& text);
    int HeaderAlignH() const { return m_headerAlignH; }
    void SetHeaderAlignH(int align);
    int HeaderAlignV() const { return m_headerAlignV; }
    void SetHeaderAlignV(int align);
    quint32 HeaderTextFlags() const { return m_headerTextFlags; }
    void SetHeaderTextFlags(quint32 flags);
    OleColor HeaderForeColor() const { return m_headerForeColor; }
    void SetHeaderForeColor(OleColor color);
    OleColor HeaderBackColor() const { return m_headerBackColor; }
    void SetHeaderBackColor(OleColor color);
    int HeaderIcon() const { return m_headerIcon; }
    void SetHeaderIcon(int icon);
    bool AllowSizing() const { return m_allowSizing; }
    void SetAllowSizing(bool allow);
    int MinWidth() const { return m_minWidth; }
    void SetMinWidth(int px);                   // also widens the column when needed
    int MaxWidth() const { return m_maxWidth; } // 0 = no limit
    void SetMaxWidth(int px);
    int Width() const { return m_width; }
    void SetWidth(int px); // clamped to MinWidth..MaxWidth
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    int SortType() const { return m_sortType; }
    void SetSortType(int type);
    int DefaultSortOrder() const { return m_defaultSortOrder; } // 0 ascending, 1 descending
    void SetDefaultSortOrder(int order);

    // The column's 1-based index now (RowTextColIndex for the row-text column; 0 once removed).
    int index() const { return m_index; }

private:
    friend class GridStore;
    GridColumn(GridStore* store, int width);
    void changeDefaults(CellStyle next);
    void changed(); // a setting other than the cell defaults

    // The defaults in force from a row epoch on (see GridStore): rows created in epoch e
    // read the last entry whose epoch is <= e for cells they never set.
    struct DefaultsEntry {
        quint32 epoch;
        quint32 style;
        Variant value;
    };
    GridStore* m_store; // nullptr once the column was removed
    int m_index = 0;
    std::vector<DefaultsEntry> m_history;
    CellStyle m_defaults;
    Variant m_defaultValue;
    FontHolder m_font;
    QString m_key;
    QString m_headerText;
    quint32 m_headerTextFlags = TextFlagEndEllipsis;
    OleColor m_headerForeColor = DefaultColor;
    OleColor m_headerBackColor = DefaultColor;
    int m_headerIcon = 0;
    int m_width;
    int m_minWidth = 0;
    int m_maxWidth = 0;
    int m_sortType = SortTypeByValue;
    qint8 m_headerAlignH = AlignLeft;
    qint8 m_headerAlignV = VAlignCenter;
    qint8 m_defaultSortOrder = SortAscending;
    bool m_allowSizing = true;
    bool m_visible = true;
};
