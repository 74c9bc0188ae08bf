// The status bar: its text, its place along the bottom of a resized window with the size grip
// at the right, and its own height whatever it is given.

#include "controls/StatusBar.h"

#include <QLabel>
#include <QSizeGrip>
#include <QTest>
#include <QTextEdit>
#include <QVBoxLayout>

class TestStatusBar : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void text();
    void staysAlongTheBottom();
};

void TestStatusBar::text() {
    StatusBar bar;
    bar.SetText(QStringLiteral("Calculating folder sizes (Esc to cancel)..."));
    QCOMPARE(bar.Text(), QStringLiteral("Calculating folder sizes (Esc to cancel)..."));
    // Shown as it is, not as markup.
    bar.SetText(QStringLiteral("<b>C:\\</b> & more"));
    QCOMPARE(bar.findChild<QLabel*>()->textFormat(), Qt::PlainText);
    bar.SetText(QString());
    QCOMPARE(bar.Text(), QString());
}

void TestStatusBar::staysAlongTheBottom() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QTextEdit);
    auto* bar = new StatusBar;
    layout->addWidget(bar);
    bar->SetText(QString(300, QLatin1Char('x'))); // a long text does not widen the window
    window.resize(400, 300);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const int height = bar->height();
    QVERIFY(height > 0);
    for (const QSize size : {QSize(640, 480), QSize(250, 200)}) {
        window.resize(size);
        QTRY_COMPARE(bar->geometry(), QRect(0, size.height() - height, size.width(), height));
        const QSizeGrip* grip = bar->findChild<QSizeGrip*>();
        QVERIFY(grip && grip->isVisible());
        QCOMPARE(grip->geometry().right(), bar->width() - 1);
    }
    // A height given from outside goes back to the bar's own.
    bar->resize(bar->width(), height * 3);
    QCOMPARE(bar->height(), height);
    QCOMPARE(bar->y(), window.height() - height);
}

QTEST_MAIN(TestStatusBar)
#include "tst_statusbar.moc"
