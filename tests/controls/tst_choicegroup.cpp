#include "controls/ChoiceGroup.h"

#include <QMenu>
#include <QRadioButton>
#include <QtTest>

// An either/or choice: one exclusive group of menu items, each option button its mirror.
class TestChoiceGroup : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void menuItemsAreExclusive() {
        QMenu menu;
        ChoiceGroup group(&menu);
        QStringList picks;
        QAction* small = group.addChoice(&menu, "Small", [&] { picks << "small"; });
        QAction* large = group.addChoice(
            &menu, "Large", [&] { picks << "large"; }, true);
        QVERIFY(small->actionGroup() == &group && group.isExclusive()); // radio marks
        QVERIFY(!small->isChecked() && large->isChecked());

        small->trigger();
        QVERIFY(small->isChecked() && !large->isChecked());
        small->trigger(); // picked again: stays checked, its work runs again
        QVERIFY(small->isChecked());
        QCOMPARE(picks, QStringList({"small", "small"}));
    }

    void optionButtonsMirrorTheItems() {
        QWidget panel;
        auto* no = new QRadioButton("No", &panel);
        auto* yes = new QRadioButton("Yes", &panel);
        no->setChecked(true);
        QMenu menu;
        ChoiceGroup group(&menu);
        QStringList picks;
        QAction* mnuYes = group.addChoice(&menu, "Yes", yes, [&] { picks << "yes"; });
        QAction* mnuNo = group.addChoice(&menu, "No", no, [&] { picks << "no"; });
        QVERIFY(mnuNo->isChecked() && !mnuYes->isChecked());
        QVERIFY(picks.isEmpty());

        // From the menu: the button follows, the work runs once.
        mnuYes->trigger();
        QVERIFY(yes->isChecked() && !no->isChecked());
        QVERIFY(mnuYes->isChecked() && !mnuNo->isChecked());
        QCOMPARE(picks, QStringList({"yes"}));

        // From the button (a click or code): the menu follows, the work runs once.
        QTest::mouseClick(no, Qt::LeftButton, {}, QPoint(5, no->height() / 2));
        QVERIFY(mnuNo->isChecked() && !mnuYes->isChecked());
        yes->setChecked(true);
        QVERIFY(mnuYes->isChecked() && !mnuNo->isChecked());
        QCOMPARE(picks, QStringList({"yes", "no", "yes"}));

        // The menu item of the current choice repeats its work.
        mnuYes->trigger();
        QVERIFY(mnuYes->isChecked() && yes->isChecked());
        QCOMPARE(picks, QStringList({"yes", "no", "yes", "yes"}));
    }
};

QTEST_MAIN(TestChoiceGroup)
#include "tst_choicegroup.moc"
