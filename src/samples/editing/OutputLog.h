#pragma once
// The output log under the grid of the database editing windows: the label "Output:" and
// the list the windows append their results to (AddLogLine), laid out the same in each.

class QBoxLayout;
class QLabel;
class QListWidget;

// Gives the label its text and the list its size, and adds both to the bottom of the
// window's layout.
void AddOutputLog(QBoxLayout* layout, QLabel* label, QListWidget* list);
