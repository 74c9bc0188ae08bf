#pragma once
// The playground's sample data: its 18 icons, its ten columns with the "test" combo list of
// the "Type" column, and the generated file-like rows.

#include "components/grid/FontObject.h"

#include <QPixmap>

class IconList;
class TessixGrid;

namespace FunNGamesData {

// Keys of the images, in index order; they are also the "Type" entries' texts.
inline constexpr const char* IconKeys[] = {
    "Add",    "Calculator", "Component", "Danger",  "Database", "Dollar",
    "Euro",   "Heart",      "Lightning", "Mail",    "Message",  "Movie",
    "People", "Pinion",     "Problem",   "Refresh", "Text",     "Up"};

// The 254 x 128 picture the grid can show as its background.
QPixmap BackgroundPicture();
// Fills the list with the 18 images, 24 x 24 pixels.
void LoadIcons(IconList& icons);
// The combo list "test": one entry per image, its key as text and its index as value.
void AddTypeComboList(TessixGrid& grid, IconList& icons);
// The ten columns with their settings.
void AddColumns(TessixGrid& grid);

// The columns' indexes, looked up once for a whole fill rather than by key in every cell.
struct Columns {
    int rowno, icon, filename, type, date, multiline, cur, check3d, checkflat, descr;
    static Columns of(const TessixGrid& grid);
};

// What every generated row shares.
struct RowContext {
    Columns cols;
    int iconCount = 0;
    bool randomHeight = false;
    int currentYear = 2000;
    FontObject specialFont; // row 5's one font, shared by its cells
};

// Row 5's font: Times New Roman, 12 points, bold.
FontObject SpecialRowFont();
// Writes row `row`'s cells, drawing from the shared random generator in a fixed order, and
// then the special looks of rows 5, 6 and 7.
void FillRow(TessixGrid& grid, int row, const RowContext& context);

} // namespace FunNGamesData
