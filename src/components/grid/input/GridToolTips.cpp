#include "input/GridToolTips.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

// A tooltip window with an optional icon and bold title above the text.
class GridToolTipPopup : public QWidget {
public:
    GridToolTipPopup() : QWidget(nullptr, Qt::ToolTip | Qt::BypassGraphicsProxyWidget) {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setForegroundRole(QPalette::ToolTipText);
        setBackgroundRole(QPalette::ToolTipBase);
        setPalette(QApplication::palette("QToolTip"));
        setAutoFillBackground(true);

        auto* outer = new QHBoxLayout(this);
        outer->setContentsMargins(6, 4, 6, 4);
        outer->setSpacing(6);
        m_icon = new QLabel(this);
        m_icon->setAlignment(Qt::AlignTop);
        outer->addWidget(m_icon);
        auto* texts = new QVBoxLayout;
        texts->setSpacing(2);
        m_title = new QLabel(this);
        QFont bold = m_title->font();
        bold.setBold(true);
        m_title->setFont(bold);
        m_text = new QLabel(this);
        for (QLabel* l : {m_title, m_text})
            l->setTextFormat(Qt::PlainText);
        texts->addWidget(m_title);
        texts->addWidget(m_text);
        outer->addLayout(texts);
    }

    void setContent(const QString& text, const QString& title, int icon) {
        static const QStyle::StandardPixmap icons[] = {QStyle::SP_MessageBoxInformation,
                                                       QStyle::SP_MessageBoxWarning,
                                                       QStyle::SP_MessageBoxCritical};
        const bool hasIcon = icon >= 1 && icon <= 3;
        if (hasIcon) {
            const int size = style()->pixelMetric(QStyle::PM_SmallIconSize);
            m_icon->setPixmap(style()->standardIcon(icons[icon - 1]).pixmap(size, size));
        }
        m_icon->setVisible(hasIcon);
        m_title->setText(title);
        m_title->setVisible(!title.isEmpty());
        m_text->setText(text);
        adjustSize();
    }

    QString text() const { return m_text->text(); }
    QString title() const { return m_title->text(); }

private:
    QLabel* m_icon;
    QLabel* m_title;
    QLabel* m_text;
};

GridToolTips::GridToolTips(QWidget* watched, Ask ask, QObject* parent)
    : QObject(parent), m_watched(watched), m_ask(std::move(ask)) {
    m_watched->installEventFilter(this);
}

GridToolTips::~GridToolTips() {
    hideTip();
}

void GridToolTips::hideTip() {
    if (m_popup)
        m_popup->close();
    m_popup = nullptr;
    m_area = {};
}

bool GridToolTips::isShown() const {
    return m_popup && m_popup->isVisible();
}

QString GridToolTips::shownText() const {
    return isShown() ? m_popup->text() : QString();
}

QString GridToolTips::shownTitle() const {
    return isShown() ? m_popup->title() : QString();
}

void GridToolTips::showAt(const QPoint& pos, const QPoint& globalPos) {
    const std::optional<GridToolTipContent> content = m_ask(pos);
    if (!content || content->text.isEmpty()) {
        hideTip();
        return;
    }
    if (!m_popup)
        m_popup = new GridToolTipPopup;
    QString text = content->text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), '\n');
    m_popup->setContent(text, content->title, content->icon);
    m_area = content->area;

    // Below the pointer, kept on the screen.
    QPoint at = globalPos + QPoint(2, 16);
    if (const QScreen* screen = m_watched->screen()) {
        const QRect avail = screen->availableGeometry();
        const QSize size = m_popup->sizeHint();
        at.setX(std::min(at.x(), avail.right() - size.width()));
        if (at.y() + size.height() > avail.bottom())
            at.setY(globalPos.y() - size.height() - 4);
    }
    m_popup->move(at);
    m_popup->show();
}

bool GridToolTips::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_watched)
        return false;
    switch (event->type()) {
    case QEvent::ToolTip: {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (!isShown() || !m_area.contains(help->pos()))
            showAt(help->pos(), help->globalPos());
        return true;
    }
    case QEvent::MouseMove:
        if (isShown() && !m_area.contains(static_cast<QMouseEvent*>(event)->position().toPoint()))
            hideTip();
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::Hide:
        hideTip();
        break;
    default:
        break;
    }
    return false;
}
