#pragma once
// "Tessix Custom Draw Demo". Controls and handlers carry the names the demo's documentation
// gives them (Tessix1, Timer1, Tessix1_CustomDrawCell...), so they are public where tests
// drive them.

#include "components/grid/GridEvents.h"

#include <QFont>
#include <QRegion>
#include <QWidget>

class IconList;
class QTimer;
class TessixGrid;

namespace mAPIDraw {
struct Box;
}

// Three small grids whose second column the window paints itself: static drawings whose
// sizes it reports for fitting, a progress bar and a pie that move twice a second, and a
// tiled picture behind a cell's own text with a thick line under another cell.
class frmCustomDraw : public QWidget {
    Q_OBJECT
public:
    explicit frmCustomDraw(QWidget* parent = nullptr);

    TessixGrid* Tessix1;
    TessixGrid* Tessix2;
    TessixGrid* Tessix3;
    QTimer* Timer1;
    IconList* imlCustBGPattern;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void CreateDrawFonts();
    void SetupDrawGrid(TessixGrid* grid);

    // Drawing is confined to the rectangle until EndCellClip, which puts back the clip
    // there was before (or none).
    void BeginCellClip(QPainter& dc, int left, int top, int right, int bottom);
    void EndCellClip(QPainter& dc);

    void DrawCircles(QPainter& dc, const mAPIDraw::Box& cell);
    void DrawEllipse(QPainter& dc, const mAPIDraw::Box& cell);
    void DrawFontSample(QPainter& dc, const mAPIDraw::Box& cell);
    void DrawProgressBar(QPainter& dc, const mAPIDraw::Box& cell);
    void DrawPie(QPainter& dc, const mAPIDraw::Box& cell);

    void Tessix1_CustomDrawCell(CustomDrawCellArgs& args);
    void Tessix2_CustomDrawCell(CustomDrawCellArgs& args);
    void Tessix1_RequestCustomDrawCellSize(CustomDrawCellSizeArgs& args);
    void Tessix2_RequestCustomDrawCellSize(CustomDrawCellSizeArgs& args);
    void Tessix3_CustomDrawCellBackground(CustomDrawCellArgs& args);
    void Tessix3_CustomDrawCellForeground(CustomDrawCellArgs& args);
    void Tessix3_CellClick(int row, int col);
    void Timer1_Timer();

    QFont m_arialBold;
    QFont m_tahoma;
    QFont m_courierBold;

    QRegion m_savedClip;
    bool m_hadClip = false;
};
