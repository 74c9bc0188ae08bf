#include "samples/full/DesignLabel.h"

#include "platform/Colors.h"

#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
#include <QPixmap>
#include <qdrawutil.h>

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Positions and sizes are whole pixels; a fraction rounds to the nearest one.
int pixels(float value) {
    return int(std::lround(value));
}

// The "Icon" pointer: a small framed square, as no standard shape looks like it.
QCursor iconCursor() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(3, 3, 9, 9);
    p.fillRect(6, 6, 4, 4, Qt::black);
    return QCursor(picture, 8, 8);
}

QCursor pointerCursor(int pointer) {
    static const std::array<Qt::CursorShape, DesignLabel::MousePointerCount> shapes = {
        Qt::ArrowCursor,     Qt::ArrowCursor,   Qt::CrossCursor,     Qt::IBeamCursor,
        Qt::ArrowCursor,     Qt::SizeAllCursor, Qt::SizeBDiagCursor, Qt::SizeVerCursor,
        Qt::SizeFDiagCursor, Qt::SizeHorCursor, Qt::UpArrowCursor,   Qt::WaitCursor,
        Qt::ForbiddenCursor, Qt::BusyCursor,    Qt::WhatsThisCursor, Qt::SizeAllCursor};
    return pointer == 4 ? iconCursor() : QCursor(shapes[size_t(pointer)]);
}

} // namespace

DesignLabel::DesignLabel(const QString& name, const QString& caption, QWidget* parent)
    : QWidget(parent), m_caption(caption) {
    setObjectName(name);
}

void DesignLabel::SetAlignment(int alignment) {
    m_alignment = std::clamp(alignment, int(LeftJustify), int(Center));
    changed();
}

void DesignLabel::SetAppearance(int appearance) {
    m_appearance = std::clamp(appearance, int(Flat), int(ThreeD));
    changed();
}

void DesignLabel::SetAutoSize(bool on) {
    m_autoSize = on;
    changed();
}

void DesignLabel::SetBackColor(quint32 color) {
    m_backColor = color;
    changed();
}

void DesignLabel::SetBackStyle(int style) {
    m_backStyle = std::clamp(style, int(Transparent), int(Opaque));
    changed();
}

void DesignLabel::SetBorderStyle(int style) {
    m_borderStyle = std::clamp(style, int(NoBorder), int(FixedSingle));
    changed();
}

void DesignLabel::SetCaption(const QString& caption) {
    m_caption = caption;
    changed();
}

void DesignLabel::SetForeColor(quint32 color) {
    m_foreColor = color;
    changed();
}

void DesignLabel::SetLeft(float left) {
    move(pixels(left), y());
}

void DesignLabel::SetTop(float top) {
    move(x(), pixels(top));
}

void DesignLabel::SetWidth(float width) {
    resize(std::max(0, pixels(width)), height());
    changed();
}

void DesignLabel::SetHeight(float height) {
    resize(width(), std::max(0, pixels(height)));
    changed();
}

void DesignLabel::SetMousePointer(int pointer) {
    m_mousePointer = std::clamp(pointer, 0, MousePointerCount - 1);
    if (m_mousePointer == 0)
        unsetCursor(); // the parent's pointer
    else
        setCursor(pointerCursor(m_mousePointer));
}

void DesignLabel::SetUseMnemonic(bool on) {
    m_useMnemonic = on;
    changed();
}

void DesignLabel::SetWordWrap(bool on) {
    m_wordWrap = on;
    changed();
}

int DesignLabel::borderWidth() const {
    if (m_borderStyle == NoBorder)
        return 0;
    return m_appearance == ThreeD ? 2 : 1;
}

int DesignLabel::textFlags() const {
    static const std::array<int, 3> horizontal = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignHCenter};
    return horizontal[size_t(m_alignment)] | Qt::AlignTop | Qt::TextWordWrap |
           (m_useMnemonic ? Qt::TextShowMnemonic : 0);
}

QString DesignLabel::shownCaption() const {
    return QString(m_caption).replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

void DesignLabel::changed() {
    if (m_autoSize) {
        const QFontMetrics metrics(font());
        const int frame = 2 * borderWidth();
        const QString text = shownCaption();
        if (m_wordWrap) {
            const QRect fit = metrics.boundingRect(
                QRect(0, 0, std::max(1, width() - frame), 1 << 20), textFlags(), text);
            resize(width(), std::max(fit.height(), metrics.height()) + frame);
        } else {
            const QSize fit = metrics.size(textFlags() & ~Qt::TextWordWrap, text);
            resize(fit.width() + frame, std::max(fit.height(), metrics.height()) + frame);
        }
    }
    update();
}

void DesignLabel::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect all = rect();
    if (m_backStyle == Opaque)
        p.fillRect(all, OleColorToQColor(m_backColor));
    if (m_borderStyle == FixedSingle) {
        if (m_appearance == ThreeD) {
            qDrawWinPanel(&p, all, palette(), true);
        } else {
            p.setPen(palette().color(QPalette::WindowText));
            p.drawRect(all.adjusted(0, 0, -1, -1));
        }
    }
    const int border = borderWidth();
    p.setPen(isEnabled() ? OleColorToQColor(m_foreColor)
                         : palette().color(QPalette::Disabled, QPalette::WindowText));
    p.drawText(all.adjusted(border, border, -border, -border), textFlags(), shownCaption());
}
