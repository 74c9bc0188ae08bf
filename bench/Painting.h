#pragma once
// Showing and painting a table for a figure: a frame of its own, or the one that follows
// some work.

#include <QAbstractScrollArea>
#include <functional>

namespace bench {

// Shown, with the events of showing (layouts, the first paint) run.
void showSettled(QAbstractScrollArea& view);
// Median milliseconds of rendering the shown table, scrolled to its middle (and, when
// asked, to its right end), into an image.
double paintFrame(QAbstractScrollArea& view, bool scrolledRight = false);
// Milliseconds of the work plus the frame that shows its outcome, on the shown table.
double msWithNextPaint(QAbstractScrollArea& view, const std::function<void()>& work);

} // namespace bench
