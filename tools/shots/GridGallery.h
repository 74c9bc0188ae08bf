#pragma once

class QWidget;

// A Tessix grid showing off its look: header icons and numbered sort marks, group rows,
// icons, check boxes, a custom-drawn chart column, wrapped row text, odd/even colours, a
// selected row and the focus rectangle.
QWidget* makeGridGallery();
