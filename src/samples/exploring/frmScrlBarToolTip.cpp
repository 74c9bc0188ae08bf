#include "samples/exploring/frmScrlBarToolTip.h"

#include "platform/Twips.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>

frmScrlBarToolTip::frmScrlBarToolTip(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint), Image1(new QLabel(this)),
      Label1(new QLabel(QStringLiteral("You are dragging the scroll box now"), this)),
      Label2(new QLabel(QStringLiteral("The current position is"), this)),
      LabelPos(new QLabel(QStringLiteral("123"), this)) {
    setFixedSize(TwipsToPixelsX(2295), TwipsToPixelsY(1155));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::ToolTipBase));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::ToolTipText));
    setPalette(colours);

    Image1->setPixmap(QApplication::windowIcon().pixmap(16, 16));
    Image1->setGeometry(TwipsToPixelsX(60), TwipsToPixelsY(60), 16, 16);
    QFont bold = Label1->font();
    bold.setBold(true);
    Label1->setFont(bold);
    Label1->setWordWrap(true);
    const int textLeft = TwipsToPixelsX(420);
    const int textWidth = width() - textLeft - TwipsToPixelsX(60);
    Label1->setGeometry(textLeft, TwipsToPixelsY(60), textWidth, TwipsToPixelsY(420));
    Label2->setGeometry(textLeft, TwipsToPixelsY(540), textWidth, TwipsToPixelsY(240));
    LabelPos->setGeometry(textLeft, TwipsToPixelsY(800), textWidth, TwipsToPixelsY(240));
}

void frmScrlBarToolTip::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::ToolTipText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}
