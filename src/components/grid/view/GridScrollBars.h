#pragma once
// The scroll bars as the grid reports them: the scroll-bar events with their reasons for the
// user's scrolls (by the bars, by keys and by the wheel), the position, and the changes of
// thickness, visibility and enabled state. Visibility and thickness are compared with what
// was last reported once the scroll area has settled its layout (at the next turn of the
// event loop), so handlers that resize columns or refit rows run outside the layout pass and
// only real changes are reported.

#include "core/GridInternal.h"

#include "core/GridFeature.h"

#include <QObject>
#include <array>

class QAbstractScrollArea;
class QScrollBar;
struct GridContext;

class GridScrollBars : public QObject, public GridFeature {
    Q_OBJECT
public:
    explicit GridScrollBars(const GridContext& context);
    ~GridScrollBars() override;

    QScrollBar& bar(int bar) const; // GridScrollBarCode
    int thickness(int bar) const;
    bool visible(int bar) const;
    void setEnabled(int bar, bool enabled);
    int displayMode(int bar) const { return m_modes[size_t(bar)]; }
    void setDisplayMode(int bar, int mode);

    // A scroll the user asked for by key or wheel: within its scope scrollTo raises
    // ScrollBarBeforeScroll with these reasons before each change and ScrollBarEndScroll
    // after it. A reason below 0 leaves that bar's moves unreported.
    class UserScroll {
    public:
        UserScroll(GridScrollBars& bars, int verticalReason, int horizontalReason, bool wheel);
        ~UserScroll();
        UserScroll(const UserScroll&) = delete;
        UserScroll& operator=(const UserScroll&) = delete;

    private:
        GridScrollBars& m_bars;
        std::array<int, 2> m_saved;
        bool m_savedWheel;
    };
    void scrollTo(int bar, int value);

    // The layout may have changed: check visibility and thickness once it has settled.
    void layoutChanged() override;
    // The desktop's style changed: thickness may have too.
    void styleChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch(int bar);
    void settle();

    const GridContext& m_context;
    std::array<int, 2> m_modes{1, 1};
    std::array<int, 2> m_userReason{-1, -1}; // per bar, inside a UserScroll
    bool m_userWheel = false;
    std::array<bool, 2> m_reportedVisible{false, false};
    std::array<int, 2> m_reportedThickness{0, 0};
    std::array<bool, 2> m_dragging{false, false};
    bool m_settleQueued = false;
};
