#include "samples/editing/OutputLog.h"

#include "platform/Twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QListWidget>

namespace {

constexpr int ListHeightTwips = 1800;

} // namespace

void AddOutputLog(QBoxLayout* layout, QLabel* label, QListWidget* list) {
    label->setText(QStringLiteral("Output:"));
    list->setFixedHeight(TwipsToPixelsY(ListHeightTwips));
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setFocusPolicy(Qt::NoFocus);
    layout->addWidget(label);
    layout->addWidget(list);
}
