#include "platform/WindowPlacement.h"

#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// Room left between the anchor and the new window.
constexpr int Gap = 8;
// How far a window that cannot go beside its anchor is moved from it, so both stay visible.
constexpr int CascadeOffset = 32;

// Moves rect the least distance that puts it inside area (its size already fits).
QRect movedInto(QRect rect, const QRect& area) {
    rect.moveLeft(std::clamp(rect.left(), area.left(), area.right() - rect.width() + 1));
    rect.moveTop(std::clamp(rect.top(), area.top(), area.bottom() - rect.height() + 1));
    return rect;
}

} // namespace

QRect PlaceBeside(const QSize& frameSize, const QRect& anchor, const QRect& available) {
    const QSize size = frameSize.boundedTo(available.size());
    const QRect candidates[] = {
        QRect(QPoint(anchor.right() + 1 + Gap, anchor.top()), size),
        QRect(QPoint(anchor.left() - Gap - size.width(), anchor.top()), size),
        QRect(QPoint(anchor.left(), anchor.bottom() + 1 + Gap), size),
        QRect(QPoint(anchor.left(), anchor.top() - Gap - size.height()), size),
    };
    for (const QRect& beside : candidates) {
        // Slide along the anchor's side as far as needed, but never over the anchor.
        const QRect placed = movedInto(beside, available);
        if (!placed.intersects(anchor))
            return placed;
    }
    return movedInto(QRect(anchor.topLeft() + QPoint(CascadeOffset, CascadeOffset), size),
                     available);
}

void PlaceWindowBeside(QWidget* window, const QWidget* anchor) {
    QScreen* screen = anchor ? anchor->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The decoration the window manager adds, as it has added it to the anchor.
    QMargins frame;
    QRect anchorFrame;
    if (anchor && anchor->isVisible()) {
        anchorFrame = anchor->frameGeometry();
        const QRect inner = anchor->geometry();
        frame =
            QMargins(inner.left() - anchorFrame.left(), inner.top() - anchorFrame.top(),
                     anchorFrame.right() - inner.right(), anchorFrame.bottom() - inner.bottom());
    }
    const QRect available = screen->availableGeometry();
    const QSize frameSize = window->size().grownBy(frame);
    QRect placed(QPoint(), frameSize.boundedTo(available.size()));
    if (anchorFrame.isValid()) {
        placed = PlaceBeside(frameSize, anchorFrame, available);
    } else {
        placed.moveCenter(available.center());
        placed = movedInto(placed, available);
    }
    const QSize inner = placed.size().shrunkBy(frame).expandedTo(window->minimumSize());
    if (inner != window->size())
        window->resize(inner);
    // A top-level window's position is that of its frame.
    window->move(placed.topLeft());
}

void SetFixedWindowSize(QWidget* window, const QSize& size) {
    window->setFixedSize(size);
    constexpr Qt::WindowFlags buttons = Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                        Qt::WindowMinimizeButtonHint |
                                        Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
    Qt::WindowFlags flags = window->windowFlags();
    // A window that names no buttons gets the window manager's full set, maximize included:
    // name the usual ones instead.
    if (!(flags & buttons)) {
        flags |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        if (window->windowType() == Qt::Window)
            flags |= Qt::WindowMinimizeButtonHint;
    }
    window->setWindowFlags(flags & ~Qt::WindowMaximizeButtonHint);
}
