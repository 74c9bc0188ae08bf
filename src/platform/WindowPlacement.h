#pragma once

#include <QRect>
#include <QSize>

class QWidget;

// Where top-level windows open, and how a window keeps one size. Window managers place new
// windows as they like (one put a tall window half below the screen); these routines put
// the frame (title bar and borders included) wholly inside the screen's available area.

// The frame of a new window of frameSize: beside anchor (right, left, below, above, in
// that order) where it fits in available, otherwise over anchor offset down and to the
// right, moved into available. A frame larger than available is cut to it.
QRect PlaceBeside(const QSize& frameSize, const QRect& anchor, const QRect& available);

// Places a window that is not shown yet this way beside anchor, on anchor's screen (the
// primary screen without an anchor), shrinking it to the screen when it is larger. Before
// the first show a window has no frame yet; the anchor's frame stands in for it.
void PlaceWindowBeside(QWidget* window, const QWidget* anchor);

// Gives a window one size the user cannot change: also no maximize button.
void SetFixedWindowSize(QWidget* window, const QSize& size);
