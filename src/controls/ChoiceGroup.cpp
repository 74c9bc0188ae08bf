#include "controls/ChoiceGroup.h"

#include <QMenu>
#include <QRadioButton>

ChoiceGroup::ChoiceGroup(QObject* parent) : QActionGroup(parent) {
    setExclusionPolicy(ExclusionPolicy::Exclusive);
}

QAction* ChoiceGroup::addItem(QMenu* menu, const QString& text, bool checked) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(checked);
    addAction(action);
    return action;
}

QAction* ChoiceGroup::addChoice(QMenu* menu, const QString& text, std::function<void()> chosen,
                                bool checked) {
    QAction* action = addItem(menu, text, checked);
    connect(action, &QAction::triggered, this, [chosen = std::move(chosen)] { chosen(); });
    return action;
}

QAction* ChoiceGroup::addChoice(QMenu* menu, const QString& text, QRadioButton* option,
                                std::function<void()> chosen) {
    QAction* action = addItem(menu, text, option->isChecked());
    connect(option, &QRadioButton::toggled, this, [action, chosen](bool on) {
        if (!on)
            return;
        action->setChecked(true);
        chosen();
    });
    connect(action, &QAction::triggered, this, [option, chosen] {
        // The button's toggle does the work; an already chosen one would not toggle.
        if (option->isChecked())
            chosen();
        else
            option->setChecked(true);
    });
    return action;
}
