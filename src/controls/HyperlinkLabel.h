#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>

// A one-line text that looks and behaves like a web link: blue and underlined, red with a
// hand cursor while the pointer is over it. It opens nothing itself; the window handles
// Click.
class HyperlinkLabel : public QWidget {
    Q_OBJECT
public:
    explicit HyperlinkLabel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    void SetToolTipText(const QString& text);
    bool IsHot() const { return m_hot; }

    QLabel* Label1;
    QTimer* Timer1;

    QSize sizeHint() const override;

Q_SIGNALS:
    void Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Label1_MouseMove();
    void Timer1_Timer();
    // The pointer is inside the control and no other window covers that point.
    bool IsMouseOver() const;
    void setLinkColor(const QColor& color);

    QString m_caption = QStringLiteral("HyperlinkLabel");
    bool m_hot = false;
};
