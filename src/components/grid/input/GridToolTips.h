#pragma once
// Tooltips for cells and header items: the window's handler gives text, title and icon
// for the spot under the resting pointer; the tip shows only when there is a text and
// goes away when the pointer leaves that spot.

#include "core/GridInternal.h"

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <functional>
#include <optional>

class QWidget;
class GridToolTipPopup;

// What the handler answered for one spot. icon: 0 none, 1 information, 2 warning, 3 error.
struct GridToolTipContent {
    QString text;
    QString title;
    int icon = 0;
    QRect area; // the cell or header item, in the watched widget's coordinates
};

class GridToolTips : public QObject {
    Q_OBJECT
public:
    // ask(pos) raises the tooltip event for the spot at pos (watched widget coordinates);
    // nothing when the spot has no tooltip.
    using Ask = std::function<std::optional<GridToolTipContent>(const QPoint&)>;

    GridToolTips(QWidget* watched, Ask ask, QObject* parent = nullptr);
    ~GridToolTips() override;

    void hideTip();
    bool isShown() const;
    // The text shown now (CR LF turned into line breaks), for checks.
    QString shownText() const;
    QString shownTitle() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showAt(const QPoint& pos, const QPoint& globalPos);

    QWidget* m_watched;
    Ask m_ask;
    QPointer<GridToolTipPopup> m_popup;
    QRect m_area;
};
