#pragma once

#include <QWidget>

class QLabel;

// The small borderless window beside the grid of "Playing with Scroll Bars" while a scroll
// box is dragged: a picture, what is going on, and the current position in LabelPos. It has
// no logic of its own; the scroll-bar window places it and writes the position.
class frmScrlBarToolTip : public QWidget {
    Q_OBJECT
public:
    explicit frmScrlBarToolTip(QWidget* parent = nullptr);

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* LabelPos;

protected:
    void paintEvent(QPaintEvent* event) override;
};
