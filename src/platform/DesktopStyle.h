#pragma once

#include <QProxyStyle>

// The program's widget style: Fusion, made to look like a desktop's own dialogs rather than
// like its fallback. Dialog buttons carry no icons (no coloured dots on Yes and No, no red
// cross on Cancel), and message boxes show the desktop theme's question, information,
// warning and error icons, or drawn ones (crisp at every scale) where the theme has none.
class DesktopStyle : public QProxyStyle {
    Q_OBJECT
public:
    DesktopStyle();

    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returnData = nullptr) const override;
    QIcon standardIcon(StandardPixmap standardIcon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
