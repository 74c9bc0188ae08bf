#pragma once

#include <QStatusBar>

class QLabel;

// One line of status text along the bottom of a window, with a size grip at the right. The
// window puts it last in its layout (or as its main window's status bar); its height is
// always the bar's own.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const;

Q_SIGNALS:
    // Every SetText, also of the same text: a long job's progress is a sequence of texts.
    void TextChanged(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // A permanent panel rather than showMessage: menus' status tips would wipe a message.
    QLabel* m_panel;
};
