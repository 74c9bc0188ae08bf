#pragma once
// The grid-wide settings: what the facade's look and behaviour members write and the units
// read. Plain data; writing one is followed by a repaint where it shows.

#include "core/GridInternal.h"

#include "components/grid/GridTypes.h"

#include <QPixmap>

// The grid-wide look members (colours are OLE colours).
struct GridLook {
    OleColor backColor = 0x80000005;          // window background
    OleColor foreColor = 0x80000008;          // window text
    OleColor backColorOddRows = DefaultColor; // DefaultColor: the grid's BackColor
    OleColor backColorEvenRows = DefaultColor;
    QPixmap backgroundPicture; // tiled; null = none
    int borderStyle = 3;       // 0 none, 2 thin (1 px), 3 sunken 3-D
    int gridLines = GridLinesBoth;
    OleColor gridLinesColor = 0x00D8D8D8;
    int dragGridLines = GridLinesNone;    // accepted and kept; the lines while dragging are ours
    OleColor selBackColor = 0x8000000D;   // highlight
    OleColor selForeColor = DefaultColor; // DefaultColor: see selectionTextColor()
    OleColor selBackColorNoFocus = 0x00D9D9D9;
    OleColor selForeColorNoFocus = DefaultColor;
    int selAlpha = 92; // 255 = opaque
    OleColor focusRectColor1 = 0x00000000;
    OleColor focusRectColor2 = 0x00FFFFFF; // differs from color 1: a dotted line
    int focusRectThickness = 1;
    bool showFocusRect = true;
    bool highlightSelCells = true;
    bool highlightSelIcons = false;
    bool useOSStyleContents = true;
    bool showControlsInAllCells = false;
    bool grayIconsWhenDisabled = true;
    bool showRowText = false;
    int rowTextStartCol = 1;
    int dynamicFormattingEvents = 0;
};

// Behaviour settings more than one unit reads.
struct GridOptions {
    bool editable = true;        // the editor and the painter (drop-down buttons)
    bool tabMovesCurCell = true; // the input unit and the editor
    bool autoWidthWithHeader = true;
    bool sortOnHeaderClick = true;
    bool headerClickOption = true; // accepted and kept
    int stretchCol = 0;            // the column filling the width the others leave; 0 none
    int treeCol = 0;               // the column showing tree levels and buttons; 0 none
    bool groupRowsExpanded = true; // bands made by later groupings start expanded
    int rowKeysFromRS = 0;         // 1: a recordset load keys rows by record position
};
