#pragma once
// The grouping half of the Outlook style demo: the small grid `grdGrp` as an editor of up
// to three grouping criteria (a column of the message list and a direction each, the first
// row being the outermost band level), its rows reordered by dragging them by their grip,
// and the criteria applied to the message list as bands.

#include "components/grid/GridEvents.h"
#include "components/grid/GridTypes.h"

#include <QObject>

class IconList;
class TessixGrid;
class QWidget;

inline constexpr OleColor SysWindowText = 0x80000008;
inline constexpr OleColor SysButtonShadow = 0x80000010;
inline constexpr OleColor SysGrayText = 0x80000011;

class GroupingCriteria : public QObject {
    Q_OBJECT
public:
    // The field value of an inactive criterion.
    static inline const QString NoField = QStringLiteral("(none)");

    // grid: the editor (grdGrp), icon 1 of `grips` its grip; window: its caption titles the
    // refusal of a field chosen twice, its pointer shows while a row is dragged.
    GroupingCriteria(TessixGrid* grid, IconList* grips, QWidget* window);

    // Builds the editor: three inactive criteria; the fields offered are the rows of the
    // column chooser (text and column key), after "(none)".
    void Setup(const TessixGrid& columnChooser);
    // Groups the list by the active criteria, top to bottom; ungroups it when none is.
    void ApplyTo(TessixGrid& list) const;
    // Every criterion back to "(none)" and ascending.
    void Reset();
    bool DraggingCriterion() const { return m_dragging; }

private:
    void SetCriterionLook(int row);
    void StartCriterionDrag();
    void EndCriterionDrag();

    void grdGrp_RequestEdit(RequestEditArgs& args);
    void grdGrp_BeforeCommitEdit(BeforeCommitEditArgs& args);
    void grdGrp_AfterCommitEdit(int row, int col, const Variant& previousValue);
    void grdGrp_CellMouseDown(CellMouseArgs& args);
    void grdGrp_CellMouseMove(CellMouseArgs& args);
    void grdGrp_CellMouseUp(CellMouseArgs& args);

    TessixGrid* m_grid;
    IconList* m_grips;
    QWidget* m_window;
    bool m_dragging = false;
    OleColor m_focusColor1 = 0;
    OleColor m_focusColor2 = 0;
};
