#include "components/grid/GridScrollBar.h"

#include "view/GridScrollBars.h"

#include <QScrollBar>

QScrollBar& GridScrollBar::bar() const {
    return m_bars.bar(m_bar);
}

int GridScrollBar::Value() const {
    return bar().value();
}

void GridScrollBar::SetValue(int value) {
    m_bars.scrollTo(m_bar, value);
}

int GridScrollBar::Min() const {
    return bar().minimum();
}

int GridScrollBar::Max() const {
    return bar().maximum();
}

int GridScrollBar::LargeChange() const {
    return bar().pageStep();
}

int GridScrollBar::SmallChange() const {
    return bar().singleStep();
}

int GridScrollBar::Thickness() const {
    return m_bars.thickness(m_bar);
}

bool GridScrollBar::Visible() const {
    return m_bars.visible(m_bar);
}

bool GridScrollBar::Enabled() const {
    return bar().isEnabledTo(bar().parentWidget());
}

void GridScrollBar::SetEnabled(bool enabled) {
    m_bars.setEnabled(m_bar, enabled);
}

int GridScrollBar::DisplayMode() const {
    return m_bars.displayMode(m_bar);
}

void GridScrollBar::SetDisplayMode(int mode) {
    m_bars.setDisplayMode(m_bar, mode);
}
