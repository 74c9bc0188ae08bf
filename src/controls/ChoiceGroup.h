#pragma once

#include <QActionGroup>

#include <functional>

class QMenu;
class QRadioButton;

// One either/or choice offered as menu items and, where a window has them, as option
// buttons too. The items are one exclusive action group, so menus show radio marks and
// exactly one item is checked; an item's option button mirrors it, so the menu and the
// buttons can never disagree.
class ChoiceGroup : public QActionGroup {
    Q_OBJECT
public:
    explicit ChoiceGroup(QObject* parent);

    // An item that runs chosen when the user picks it, even when it was already picked
    // (the way a menu command repeats its work).
    QAction* addChoice(QMenu* menu, const QString& text, std::function<void()> chosen,
                       bool checked = false);
    // An item that is one choice with option: picking either checks both and runs chosen
    // once; the item starts checked when the button is. Checking the button from code
    // chooses too.
    QAction* addChoice(QMenu* menu, const QString& text, QRadioButton* option,
                       std::function<void()> chosen);

private:
    QAction* addItem(QMenu* menu, const QString& text, bool checked);
};
