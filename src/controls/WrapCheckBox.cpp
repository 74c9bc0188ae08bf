#include "controls/WrapCheckBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
// The width asked for before the layout gives one: about the width of a short caption line.
constexpr int PreferredTextWidth = 180;

} // namespace

WrapCheckBox::WrapCheckBox(const QString& text, QWidget* parent) : QCheckBox(text, parent) {
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

QRect WrapCheckBox::indicatorRect() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QSize size(style()->pixelMetric(QStyle::PM_IndicatorWidth, &option, this),
                     style()->pixelMetric(QStyle::PM_IndicatorHeight, &option, this));
    // Level with the first line of the caption.
    const int top = std::max(0, (fontMetrics().height() - size.height()) / 2);
    return QRect(QPoint(0, top), size);
}

int WrapCheckBox::textLeft() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return indicatorRect().right() + 1 +
           style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
}

QRect WrapCheckBox::textRect(int width) const {
    return QRect(textLeft(), 0, std::max(1, width - textLeft()), textHeight(width));
}

int WrapCheckBox::textHeight(int width) const {
    return fontMetrics()
        .boundingRect(QRect(0, 0, std::max(1, width - textLeft()), 100000), Flags, text())
        .height();
}

int WrapCheckBox::heightForWidth(int width) const {
    return std::max(indicatorRect().bottom() + 1, textHeight(width)) + 2;
}

QSize WrapCheckBox::sizeHint() const {
    const int width = std::min(QCheckBox::sizeHint().width(), textLeft() + PreferredTextWidth);
    return QSize(width, heightForWidth(width));
}

QSize WrapCheckBox::minimumSizeHint() const {
    // Narrower boxes would take the height of a column of single words.
    return sizeHint();
}

void WrapCheckBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.rect = indicatorRect();
    painter.drawPrimitive(QStyle::PE_IndicatorCheckBox, option);
    const QRect caption = textRect(width());
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Flags, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = caption.adjusted(-1, 0, 1, 0);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}
