#pragma once
// A check box whose caption wraps at the width the layout gives it, for the long captions of
// option panels; a click anywhere on it toggles it, as on the caption of any check box.

#include <QCheckBox>

class WrapCheckBox : public QCheckBox {
    Q_OBJECT
public:
    explicit WrapCheckBox(const QString& text, QWidget* parent = nullptr);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }

private:
    // Where the caption goes in a box of that width: right of the indicator.
    QRect textRect(int width) const;
    int textLeft() const;
    int textHeight(int width) const;
    QRect indicatorRect() const;
};
