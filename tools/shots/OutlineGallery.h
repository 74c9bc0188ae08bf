#pragma once

class QWidget;

// Three Tessix grids side by side: an outline of three levels (expanded and collapsed
// parents, a parent whose children are not loaded yet), a list grouped into two levels of
// bands with their counts, and a grid scrolled to its middle with both scroll bars showing.
QWidget* makeOutlineGallery();
