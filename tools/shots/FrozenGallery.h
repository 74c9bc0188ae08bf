#pragma once

class QWidget;

// Tessix grids with frozen columns, scrolled to the right: a monthly table with its first
// two columns frozen (the current cell in a scrolled column, a column half under the frozen
// area), and a grouped list whose band captions stay put, without grid lines but with the
// edge drawn anyway.
QWidget* makeFrozenGallery();
