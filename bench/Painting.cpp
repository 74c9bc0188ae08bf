#include "Painting.h"

#include "Bench.h"

#include <QApplication>
#include <QImage>
#include <QScrollBar>
#include <algorithm>
#include <vector>

namespace bench {

namespace {

constexpr int Frames = 15;

QImage shown(QAbstractScrollArea& view) {
    showSettled(view);
    return QImage(view.size(), QImage::Format_ARGB32_Premultiplied);
}

} // namespace

void showSettled(QAbstractScrollArea& view) {
    view.show();
    QApplication::processEvents();
}

double paintFrame(QAbstractScrollArea& view, bool scrolledRight) {
    QImage image = shown(view);
    QScrollBar* bar = view.verticalScrollBar();
    bar->setValue(bar->maximum() / 2);
    if (scrolledRight)
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
    QApplication::processEvents();
    std::vector<double> frames;
    for (int i = 0; i < Frames; ++i)
        frames.push_back(elapsedMs([&] { view.render(&image); }));
    std::sort(frames.begin(), frames.end());
    return frames[frames.size() / 2];
}

double msWithNextPaint(QAbstractScrollArea& view, const std::function<void()>& work) {
    QImage image = shown(view);
    return elapsedMs([&] {
        work();
        view.render(&image);
    });
}

} // namespace bench
