#include "controls/HyperlinkLabel.h"

#include <QSignalSpy>
#include <QtTest>

namespace {
QColor textColor(const HyperlinkLabel& link) {
    return link.Label1->palette().color(QPalette::WindowText);
}
} // namespace

class TestHyperlinkLabel : public QObject {
    Q_OBJECT
    QWidget* window = nullptr;
    HyperlinkLabel* link = nullptr;

private Q_SLOTS:
    void init() {
        window = new QWidget;
        window->resize(300, 120);
        link = new HyperlinkLabel(window);
        link->setGeometry(20, 20, 180, 20);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
    }
    void cleanup() { delete window; }

    void startsAsBlueUnderlinedDefault() {
        HyperlinkLabel fresh;
        QCOMPARE(fresh.Caption(), QStringLiteral("HyperlinkLabel"));
        QCOMPARE(textColor(fresh), QColor(0, 0, 255));
        QVERIFY(fresh.Label1->font().underline());
    }

    void captionAndToolTip() {
        link->SetCaption(QStringLiteral("Find More Samples Online"));
        link->SetToolTipText(QStringLiteral("More samples"));
        QCOMPARE(link->Label1->text(), QStringLiteral("Find More Samples Online"));
        QCOMPARE(link->Label1->toolTip(), QStringLiteral("More samples"));
    }

    void hoverTurnsRedAndLeavingTurnsBlueWithinOneTick() {
        const QPoint inside = link->mapToGlobal(QPoint(10, 10));
        QCursor::setPos(inside);
        QTest::mouseMove(link->Label1, QPoint(10, 10));
        QTRY_VERIFY(link->IsHot());
        QCOMPARE(textColor(*link), QColor(255, 0, 0));
        QCOMPARE(link->Label1->cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(link->Timer1->isActive());

        // Leaving sends the label nothing; the timer notices within 50 ms.
        QCursor::setPos(window->mapToGlobal(QPoint(250, 100)));
        QTest::qWait(link->Timer1->interval() + 20);
        QVERIFY(!link->IsHot());
        QCOMPARE(textColor(*link), QColor(0, 0, 255));
        QVERIFY(!link->Timer1->isActive());
    }

    void coveredPartDoesNotStayHot() {
        auto* cover = new QWidget(window);
        cover->setGeometry(20, 20, 60, 20); // over the link's left part
        cover->show();
        QCursor::setPos(link->mapToGlobal(QPoint(100, 10)));
        QTest::mouseMove(link->Label1, QPoint(100, 10));
        QTRY_VERIFY(link->IsHot());
        QCursor::setPos(link->mapToGlobal(QPoint(10, 10)));
        QTest::qWait(link->Timer1->interval() + 20);
        QVERIFY(!link->IsHot());
    }

    void clickRaisesClick() {
        QSignalSpy spy(link, &HyperlinkLabel::Click);
        QTest::mouseClick(link->Label1, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(spy.count(), 1);
        QTest::mouseClick(link->Label1, Qt::RightButton, {}, QPoint(10, 10));
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_MAIN(TestHyperlinkLabel)
#include "tst_hyperlinklabel.moc"
