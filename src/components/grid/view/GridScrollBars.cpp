#include "view/GridScrollBars.h"

#include "components/grid/GridEvents.h"
#include "core/GridContext.h"
#include "core/GridEventSink.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

namespace {

int reasonOf(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollLineUpOrLeft;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollLineDownOrRight;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollPageUpOrLeft;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollPageDownOrRight;
    case QAbstractSlider::SliderToMinimum:
    case QAbstractSlider::SliderToMaximum:
        return ScrollThumbPosition;
    case QAbstractSlider::SliderMove:
        return ScrollThumbTrack;
    default:
        return -1;
    }
}

} // namespace

GridScrollBars::GridScrollBars(const GridContext& context) : m_context(context) {
    watch(ScrollBarHorizontal);
    watch(ScrollBarVertical);
}

GridScrollBars::~GridScrollBars() {
    bar(ScrollBarHorizontal).removeEventFilter(this);
    bar(ScrollBarVertical).removeEventFilter(this);
}

QScrollBar& GridScrollBars::bar(int which) const {
    return *(which == ScrollBarVertical ? m_context.area.verticalScrollBar()
                                        : m_context.area.horizontalScrollBar());
}

bool GridScrollBars::visible(int which) const {
    return bar(which).isVisibleTo(&m_context.area);
}

int GridScrollBars::thickness(int which) const {
    if (!visible(which))
        return 0;
    const QSize hint = bar(which).sizeHint();
    return which == ScrollBarVertical ? hint.width() : hint.height();
}

void GridScrollBars::setEnabled(int which, bool enabled) {
    QScrollBar& b = bar(which);
    if (b.isEnabledTo(b.parentWidget()) == enabled)
        return;
    b.setEnabled(enabled);
    m_context.events.ScrollBarEnabledChanged(which, enabled);
}

void GridScrollBars::setDisplayMode(int which, int mode) {
    if (mode < ScrollBarNever || mode > ScrollBarAlways)
        return;
    m_modes[size_t(which)] = mode;
    const Qt::ScrollBarPolicy policy = mode == ScrollBarNever    ? Qt::ScrollBarAlwaysOff
                                       : mode == ScrollBarAlways ? Qt::ScrollBarAlwaysOn
                                                                 : Qt::ScrollBarAsNeeded;
    if (which == ScrollBarVertical)
        m_context.area.setVerticalScrollBarPolicy(policy);
    else
        m_context.area.setHorizontalScrollBarPolicy(policy);
    layoutChanged();
}

void GridScrollBars::watch(int which) {
    QScrollBar* b = &bar(which);
    b->installEventFilter(this);
    // Qt reports each action before the value moves.
    connect(b, &QAbstractSlider::actionTriggered, this, [this, which](int action) {
        int reason = reasonOf(action);
        if (m_userWheel) // the wheel over the bar itself moves it by lines
            reason = m_userReason[size_t(which)];
        if (reason < 0)
            return;
        m_context.events.ScrollBarBeforeScroll(which, reason, m_userWheel);
        if (reason == ScrollThumbTrack)
            m_context.events.ScrollBarThumbTrack(which, bar(which).sliderPosition());
    });
    connect(b, &QAbstractSlider::valueChanged, this,
            [this, which](int value) { m_context.events.ScrollBarPosChanged(which, value); });
    connect(b, &QAbstractSlider::sliderReleased, this, [this, which] {
        m_context.events.ScrollBarBeforeScroll(which, ScrollThumbPosition, false);
        m_context.events.ScrollBarEndScroll(which);
    });
}

bool GridScrollBars::eventFilter(QObject* watched, QEvent* event) {
    const int which = watched == &bar(ScrollBarVertical)     ? ScrollBarVertical
                      : watched == &bar(ScrollBarHorizontal) ? ScrollBarHorizontal
                                                             : -1;
    if (which < 0)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        // A drag ends through sliderReleased; arrow and page clicks end here.
        if (!bar(which).isSliderDown())
            m_context.events.ScrollBarEndScroll(which);
        return false;
    case QEvent::Wheel: {
        const auto* wheel = static_cast<QWheelEvent*>(event);
        const QPoint delta = wheel->angleDelta();
        const int d = which == ScrollBarVertical || delta.x() == 0 ? delta.y() : delta.x();
        const int reason = d > 0 ? ScrollLineUpOrLeft : ScrollLineDownOrRight;
        UserScroll scroll(*this, which == ScrollBarVertical ? reason : -1,
                          which == ScrollBarHorizontal ? reason : -1, true);
        const int before = bar(which).value();
        watched->event(event); // the bar's own handling, with the reason set
        if (bar(which).value() != before)
            m_context.events.ScrollBarEndScroll(which);
        return true;
    }
    default:
        return false;
    }
}

GridScrollBars::UserScroll::UserScroll(GridScrollBars& bars, int verticalReason,
                                       int horizontalReason, bool wheel)
    : m_bars(bars), m_saved(bars.m_userReason), m_savedWheel(bars.m_userWheel) {
    bars.m_userReason[ScrollBarVertical] = verticalReason;
    bars.m_userReason[ScrollBarHorizontal] = horizontalReason;
    bars.m_userWheel = wheel;
}

GridScrollBars::UserScroll::~UserScroll() {
    m_bars.m_userReason = m_saved;
    m_bars.m_userWheel = m_savedWheel;
}

void GridScrollBars::scrollTo(int which, int value) {
    QScrollBar& b = bar(which);
    value = std::clamp(value, b.minimum(), b.maximum());
    if (value == b.value())
        return;
    const int reason = m_userReason[size_t(which)];
    if (reason >= 0)
        m_context.events.ScrollBarBeforeScroll(which, reason, m_userWheel);
    b.setValue(value);
    if (reason >= 0)
        m_context.events.ScrollBarEndScroll(which);
}

void GridScrollBars::layoutChanged() {
    if (m_settleQueued)
        return;
    m_settleQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_settleQueued = false;
        settle();
    });
}

void GridScrollBars::styleChanged() {
    layoutChanged();
}

void GridScrollBars::settle() {
    for (int which : {ScrollBarHorizontal, ScrollBarVertical}) {
        const bool shown = visible(which);
        if (shown != m_reportedVisible[size_t(which)]) {
            m_reportedVisible[size_t(which)] = shown;
            m_context.events.ScrollBarVisibilityChanged(which, shown);
        }
        const int extent = thickness(which);
        if (extent != m_reportedThickness[size_t(which)]) {
            m_reportedThickness[size_t(which)] = extent;
            m_context.events.ScrollBarThicknessChanged(which, extent);
        }
    }
}
