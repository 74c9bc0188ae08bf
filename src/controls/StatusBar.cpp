#include "controls/StatusBar.h"

#include <QLabel>
#include <QResizeEvent>

StatusBar::StatusBar(QWidget* parent) : QStatusBar(parent), m_panel(new QLabel(this)) {
    setSizeGripEnabled(true);
    // Long paths are cut at the window's edge rather than widening the window.
    m_panel->setMinimumWidth(0);
    m_panel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    m_panel->setTextFormat(Qt::PlainText);
    addWidget(m_panel, 1);
}

void StatusBar::SetText(const QString& text) {
    m_panel->setText(text);
    Q_EMIT TextChanged(text);
}

QString StatusBar::Text() const {
    return m_panel->text();
}

void StatusBar::resizeEvent(QResizeEvent* event) {
    QStatusBar::resizeEvent(event);
    // A height given from outside goes back to the bar's own (the resize below comes back
    // here once, with that height).
    const int natural = sizeHint().height();
    if (event->size().height() != natural)
        resize(width(), natural);
}
