#pragma once
// The frame the drag-and-drop windows share: the design's 8.25-point MS Sans Serif, wrapped
// explanation labels, and the controls one under the other, 120 twips from the edges and
// from each other.

#include <initializer_list>

class QLabel;
class QVBoxLayout;
class QWidget;

// Sets the form's font and size (in twips), wraps the labels and returns the form's layout,
// empty, for the window to fill from the top down.
QVBoxLayout* makeStackedForm(QWidget* form, int widthTwips, int heightTwips,
                             std::initializer_list<QLabel*> labels);
