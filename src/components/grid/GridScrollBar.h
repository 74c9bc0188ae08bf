#pragma once
// The `VScrollBar` and `HScrollBar` objects. Values count pixels of the content, as the
// view scrolls: Value 0 is the top (left), Max the last position, SmallChange one default
// row (20 pixels across), LargeChange one page.

#include "components/grid/GridEvents.h"

class GridScrollBars;
class QScrollBar;

class GridScrollBar {
public:
    GridScrollBar(GridScrollBars& bars, int bar) : m_bars(bars), m_bar(bar) {}
    GridScrollBar(const GridScrollBar&) = delete;
    GridScrollBar& operator=(const GridScrollBar&) = delete;

    int Value() const;
    void SetValue(int value); // kept within Min..Max; read it back for what was taken
    int Min() const;
    int Max() const;
    int LargeChange() const;
    int SmallChange() const;
    int Thickness() const; // width of the vertical bar, height of the horizontal; 0 hidden
    bool Visible() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);
    int DisplayMode() const; // GridScrollBarMode
    void SetDisplayMode(int mode);

private:
    QScrollBar& bar() const;

    GridScrollBars& m_bars;
    int m_bar; // GridScrollBarCode
};
