#include "app/mSetIcon.h"

#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QtTest>

class TestSetIcon : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appIconRendersAtEverySize() {
        QWidget window;
        SetWindowIcon(&window, "AppIcon", false);
        for (int size : {16, 32, 48, 256}) {
            const QPixmap pixmap = window.windowIcon().pixmap(size, size);
            QCOMPARE(pixmap.size(), QSize(size, size));
            // Opaque in the middle: something was drawn.
            QCOMPARE(pixmap.toImage().pixelColor(size / 2, size / 2).alpha(), 255);
        }
    }

    void ownerChainAndApplication() {
        QApplication::setWindowIcon(QIcon());
        QMainWindow launcher;
        auto* owned = new QDialog(&launcher);
        SetWindowIcon(owned, "AppIcon", false);
        QVERIFY(owned->testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(!launcher.testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(QApplication::windowIcon().isNull());

        auto* second = new QDialog(owned);
        SetWindowIcon(second, "AppIcon", true);
        QVERIFY(second->testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(launcher.testAttribute(Qt::WA_SetWindowIcon));
        QVERIFY(!QApplication::windowIcon().isNull());
    }

    void missingResourceChangesNothing() {
        QWidget window;
        QPixmap red(16, 16);
        red.fill(Qt::red);
        window.setWindowIcon(QIcon(red));
        SetWindowIcon(&window, "NoSuchIcon", true);
        QCOMPARE(window.windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(Qt::red));
        SetWindowIcon(nullptr, "AppIcon", true);
    }
};

QTEST_MAIN(TestSetIcon)
#include "tst_seticon.moc"
