#pragma once
// Shared codes and small types of the grid. The numeric codes are the ones the windows pass,
// so they are plain (unscoped) enums that convert to int where a member takes a number.

#include "runtime/Variant.h"

#include <QString>
#include <cstdint>

class QObject;

// A cell by row and column index (0 for none).
struct GridCellPos {
    int row = 0;
    int col = 0;
    friend bool operator==(const GridCellPos&, const GridCellPos&) = default;
};

// OLE colour: 0x00BBGGRR, 0x800000nn = system colour nn. As a cell colour, DefaultColor means
// "no colour of its own" (the column's or grid's applies); it is the 32-bit form of -1.
using OleColor = quint32;
constexpr OleColor DefaultColor = 0xFFFFFFFFu;

// The row-text (preview) column is addressed by this index wherever a column is taken. It is
// never one of 1..ColCount, whatever the column count, and differs from 0 (= no column).
constexpr int RowTextColIndex = -1;

// A column argument: a 1-based index (RowTextColIndex for the row-text column) or a key,
// compared without regard to case.
class ColRef {
public:
    ColRef(int index) : m_index(index) {}
    ColRef(const char* key) : m_key(QString::fromUtf8(key)), m_isKey(true) {}
    ColRef(const QString& key) : m_key(key), m_isKey(true) {}

    bool isKey() const { return m_isKey; }
    int index() const { return m_index; } // 0 when the reference is a key
    const QString& key() const { return m_key; }

private:
    int m_index = 0;
    QString m_key;
    bool m_isKey = false;
};

// Sort types (SortType, AddCol sort type, ColSortType, SortObject.Add). The numbers follow
// the windows' use: 0 for text criteria, 4 for combo columns (ordered by what they show),
// 5 icon-only columns, 7 money, 13 check boxes, 97 dates and sizes, 98 custom.
enum GridSortType : int {
    SortTypeByValue = 0,     // by the stored value: Empty/Null, then numbers/dates, then text
    SortTypeTextNoCase = 1,  // the value's text, case-insensitive
    SortTypeTextCase = 2,    // the value's text, case-sensitive
    SortTypeNumber = 3,      // the value as a number; values that are not numbers act as Null
    SortTypeDisplayText = 4, // the displayed text (CellText: format, combo entry), no case
    SortTypeIcon = 5,        // the cell's icon index
    SortTypeDate = 6,        // the value as a date; values that are not dates act as Null
    SortTypeCurrency = 7,    // the value as currency (exact four decimals)
    SortTypeCheckState = 13, // unchecked, checked, grayed
    SortTypeAutomatic = 97,  // the same rule as SortTypeByValue
    SortTypeCustom = 98,     // the CustomSort hook compares two values
};

enum GridSortOrder : int { SortAscending = 0, SortDescending = 1 };

// CellAlignment, ColHeaderAlignH.
enum GridAlignH : int { AlignLeft = 0, AlignCenter = 1, AlignRight = 2 };
// CellVAlignment, ColHeaderAlignV.
enum GridAlignV : int { VAlignTop = 0, VAlignCenter = 1, VAlignBottom = 2 };
// CellIconAlign: 0 and 1 put the icon before the text, 2 at the right edge.
enum GridIconAlign : int { IconAlignDefault = 0, IconAlignLeft = 1, IconAlignRight = 2 };
// CheckBoxAlign, CellCheckBoxAlign: 4 puts the box at the right edge of the cell.
enum GridCheckBoxAlign : int { CheckBoxLeft = 0, CheckBoxCenter = 1, CheckBoxRight = 4 };

// Text flags (CellTextFlags, HeaderTextFlags, ColHeaderTextFlags): drawing-text bit values.
enum GridTextFlag : quint32 {
    TextFlagWordBreak = 0x10,
    TextFlagSingleLine = 0x20,
    TextFlagEditControl = 0x2000, // no partly visible last line
    TextFlagEndEllipsis = 0x8000,
    TextFlagWordEllipsis = 0x200000, // the ellipsis follows the last whole word that fits
};

enum GridCheckState : int { CheckUnchecked = 0, CheckChecked = 1, CheckGrayed = 2 };

enum GridCellType : int { CellTypeText = 0, CellTypeCombo = 1, CellTypeCustomDraw = 3 };

enum GridLinesCode : int {
    GridLinesNone = 0,
    GridLinesVertical = 1,
    GridLinesHorizontal = 2,
    GridLinesBoth = 3
};

// How clicks select: single cells, or whole rows (RowMode).
enum GridSelectionMode : int { SelectionCells = 0, SelectionRows = 1 };

// RowTreeButton.
enum GridTreeButton : int { TreeButtonNone = 1, TreeButtonShown = 2 };

// KeyPressBehaviour codes.
enum GridKeyPressBehaviour : int {
    TypingModeNone = 0,
    TypingModeAppend = 1,
    TypingModeReplace = 2,
    TypingModeSearchCurCol = 3,
    TypingModeSearchCol = 4
};

// A three-state check box: CellStyleFlags bit 16.
constexpr quint32 ThreeStateStyleFlag = 16;

// Named optional arguments of AddRow.
struct AddRowArgs {
    int insertBefore = 0; // 0: append (or after the parent's subtree)
    bool group = false;   // RowIsGroup
    int height = -1;      // -1: DefaultRowHeight
    Variant tag;          // RowTag
    QObject* tagObject = nullptr;
    bool visible = true;
    int parentRow = 0; // the new row becomes the last child of this row
};
