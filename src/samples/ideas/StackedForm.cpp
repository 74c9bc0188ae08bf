#include "samples/ideas/StackedForm.h"

#include "components/grid/FontObject.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QVBoxLayout>

QVBoxLayout* makeStackedForm(QWidget* form, int widthTwips, int heightTwips,
                             std::initializer_list<QLabel*> labels) {
    form->setFont(FontData{QStringLiteral("MS Sans Serif"), 8.25, false, false}.toQFont());
    form->resize(TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips));
    for (QLabel* label : labels)
        label->setWordWrap(true);
    auto* layout = new QVBoxLayout(form);
    const int marginX = TwipsToPixelsX(120);
    const int marginY = TwipsToPixelsY(120);
    layout->setContentsMargins(marginX, marginY, marginX, marginY);
    layout->setSpacing(marginY);
    return layout;
}
