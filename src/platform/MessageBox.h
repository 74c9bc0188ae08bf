#pragma once

#include "platform/Service.h"

#include <QList>
#include <QQueue>
#include <QString>
#include <QStringList>

#include <memory>

class QMessageBox;
class QWidget;

// The classic message box flags and answers.
enum MsgBoxStyle : int {
    vbOKOnly = 0,
    vbOKCancel = 1,
    vbAbortRetryIgnore = 2,
    vbYesNoCancel = 3,
    vbYesNo = 4,
    vbRetryCancel = 5,
    vbCritical = 16,
    vbQuestion = 32,
    vbExclamation = 48,
    vbInformation = 64,
    vbDefaultButton1 = 0,
    vbDefaultButton2 = 256,
    vbDefaultButton3 = 512,
};

enum MsgBoxResult : int {
    vbOK = 1,
    vbCancel = 2,
    vbAbort = 3,
    vbRetry = 4,
    vbIgnore = 5,
    vbYes = 6,
    vbNo = 7,
};

namespace platform {

// The caption of every box whose caller names none.
inline constexpr char16_t ProgramTitleText[] = u"Tessix 7.5 Main Demo";

// One message box as the caller asked for it. Text lines are joined with CR LF.
struct MessageBoxRequest {
    QString text;
    QString title;
    int flags = vbOKOnly;

    int buttons() const { return flags & 0x7; }
    int icon() const { return flags & 0x70; }
    // 0 for the first button, 1 for the second, 2 for the third.
    int defaultButton() const { return (flags >> 8) & 0x3; }
    // The answers of the buttons, left to right.
    QList<int> answers() const;
    // What closing the box answers: its Cancel (or sole OK) button, else the default button.
    int escapeAnswer() const;
};

struct InputBoxRequest {
    QString prompt;
    QString title;
    QString defaultText;
};

class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    // Shows a modal box and returns the answer (vbOK ... vbNo).
    virtual int msgBox(const MessageBoxRequest& request) = 0;
    // Shows a modal input box; returns the text, or nothing with cancelled set.
    virtual QString inputBox(const InputBoxRequest& request, bool& cancelled) = 0;
};

// The window a modal box or dialog opens over: the modal one on top, else the active one.
QWidget* dialogParent();

// The box the program shows for a request: its icon, buttons, default and escape button.
std::unique_ptr<QMessageBox> makeMessageBox(const MessageBoxRequest& request, QWidget* parent);

// QMessageBox and QInputDialog over the active window.
class QtMessageBoxService : public MessageBoxService {
public:
    int msgBox(const MessageBoxRequest& request) override;
    QString inputBox(const InputBoxRequest& request, bool& cancelled) override;
};

// Test double: answers from a script and records every box. A box the script has no
// answer for (or an answer that is not one of its buttons) is recorded in unexpected() and
// answered as if the user had closed it.
class ScriptedMessageBox : public MessageBoxService {
public:
    struct ShownBox {
        MessageBoxRequest request;
        int answer;
    };
    struct ShownInput {
        InputBoxRequest request;
        QString answer;
        bool cancelled;
    };

    void answer(int result) { m_answers.enqueue(result); }
    void answerInput(const QString& text) { m_inputs.enqueue({text, false}); }
    void cancelInput() { m_inputs.enqueue({QString(), true}); }

    const QList<ShownBox>& shown() const { return m_shown; }
    const QList<ShownInput>& shownInputs() const { return m_shownInputs; }
    // Descriptions of the boxes nobody scripted an answer for.
    const QStringList& unexpected() const { return m_unexpected; }
    // Answers scripted but not yet used.
    qsizetype pending() const { return m_answers.size() + m_inputs.size(); }

    int msgBox(const MessageBoxRequest& request) override;
    QString inputBox(const InputBoxRequest& request, bool& cancelled) override;

private:
    struct ScriptedInput {
        QString text;
        bool cancelled;
    };
    QQueue<int> m_answers;
    QQueue<ScriptedInput> m_inputs;
    QList<ShownBox> m_shown;
    QList<ShownInput> m_shownInputs;
    QStringList m_unexpected;
};

using ScopedMessageBox = ScopedService<MessageBoxService>;
MessageBoxService& messageBox();

} // namespace platform

// A modal message box; an empty title means the program's title.
int MsgBox(const QString& text, int flags = vbOKOnly, const QString& title = QString());

// A modal input box; returns the text entered, or an empty string on Cancel (then
// *cancelled is true when given). An empty title means the program's title.
QString InputBox(const QString& prompt, const QString& title = QString(),
                 const QString& defaultText = QString(), bool* cancelled = nullptr);
