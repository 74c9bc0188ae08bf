#include "controls/HyperlinkLabel.h"

#include <QApplication>
#include <QMouseEvent>

namespace {
const QColor LinkBlue(0, 0, 255);
const QColor LinkRed(255, 0, 0);
} // namespace

HyperlinkLabel::HyperlinkLabel(QWidget* parent)
    : QWidget(parent), Label1(new QLabel(this)), Timer1(new QTimer(this)) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setUnderline(true);
    Label1->setFont(font);
    Label1->setText(m_caption);
    Label1->setMouseTracking(true);
    Label1->installEventFilter(this);
    setLinkColor(LinkBlue);
    // The label gets no message when the pointer leaves it fast, so leaving is polled.
    Timer1->setInterval(50);
    connect(Timer1, &QTimer::timeout, this, &HyperlinkLabel::Timer1_Timer);
}

void HyperlinkLabel::SetCaption(const QString& caption) {
    m_caption = caption;
    Label1->setText(caption);
    updateGeometry();
}

void HyperlinkLabel::SetToolTipText(const QString& text) { Label1->setToolTip(text); }

QSize HyperlinkLabel::sizeHint() const { return Label1->sizeHint(); }

bool HyperlinkLabel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label1) {
        if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
            Label1_MouseMove();
        } else if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && Label1->rect().contains(mouse->pos()))
                Q_EMIT Click();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HyperlinkLabel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Label1->setGeometry(0, 0, width(), height());
}

void HyperlinkLabel::Label1_MouseMove() {
    if (m_hot || !IsMouseOver())
        return;
    m_hot = true;
    Timer1->start();
    setLinkColor(LinkRed);
    Label1->setCursor(Qt::PointingHandCursor);
}

void HyperlinkLabel::Timer1_Timer() {
    if (IsMouseOver())
        return;
    Label1->unsetCursor();
    m_hot = false;
    Timer1->stop();
    setLinkColor(LinkBlue);
}

bool HyperlinkLabel::IsMouseOver() const {
    const QPoint pos = QCursor::pos();
    const QRect screenRect(mapToGlobal(QPoint(0, 0)), size());
    if (!screenRect.contains(pos))
        return false;
    QWidget* under = QApplication::widgetAt(pos);
    return under == Label1 || under == this;
}

void HyperlinkLabel::setLinkColor(const QColor& color) {
    QPalette palette = Label1->palette();
    palette.setColor(QPalette::WindowText, color);
    Label1->setPalette(palette);
}
