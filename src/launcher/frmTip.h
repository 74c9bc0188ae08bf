#pragma once

#include <QDialog>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

// "Tip of the Day": shows the tips of the sample window that has just opened, one at a
// time, and remembers in the tips file which one it showed last.
class frmTip : public QDialog {
    Q_OBJECT
public:
    // The program-wide instance, created on first use and again after it was closed.
    static frmTip& Instance();
    // The instance if one is loaded, else null (for tests and shut-down).
    static frmTip* Loaded();

    // Re-targets the window to the sample window and shows its next tip once the sample
    // window is up.
    void Exec(QWidget* form);

    QLabel* Image1;
    QLabel* lblDemoCaption;
    QLabel* Label2;
    QPlainTextEdit* txtTipText;
    QPushButton* cmdClose;
    QLabel* lblTipNo;
    QPushButton* cmdNext;
    QPushButton* cmdPrev;
    QTimer* Timer1;

    QString Section() const { return m_section; }
    int CurrentTip() const { return m_currentTip; }
    int TipsCount() const { return m_tipsCount; }

private:
    explicit frmTip(QWidget* parent = nullptr);
    void ShowTip(int step);
    void Timer1_Timer();

    QString m_section;
    int m_currentTip = 0;
    int m_tipsCount = 0;
};
