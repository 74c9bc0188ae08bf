#include "platform/MessageBox.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>

namespace platform {

QList<int> MessageBoxRequest::answers() const {
    switch (buttons()) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int MessageBoxRequest::escapeAnswer() const {
    const QList<int> all = answers();
    if (all.contains(vbCancel))
        return vbCancel;
    if (all.size() == 1)
        return all.front();
    return all.value(defaultButton(), all.front());
}

namespace {

QMessageBox::StandardButton standardButton(int answer) {
    switch (answer) {
    case vbCancel:
        return QMessageBox::Cancel;
    case vbAbort:
        return QMessageBox::Abort;
    case vbRetry:
        return QMessageBox::Retry;
    case vbIgnore:
        return QMessageBox::Ignore;
    case vbYes:
        return QMessageBox::Yes;
    case vbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon messageIcon(int icon) {
    switch (icon) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

QString describe(const MessageBoxRequest& request) {
    return QStringLiteral("message box \"%1\" (title \"%2\", flags %3)")
        .arg(request.text, request.title)
        .arg(request.flags);
}

} // namespace

QWidget* dialogParent() {
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

std::unique_ptr<QMessageBox> makeMessageBox(const MessageBoxRequest& request, QWidget* parent) {
    // Callers join lines with CR LF; the label breaks lines at LF only.
    QString text = request.text;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    auto box = std::make_unique<QMessageBox>(messageIcon(request.icon()), request.title, text,
                                             QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    // As on other desktops, the text can be copied (an address, a file name).
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    const QList<int> answers = request.answers();
    for (int answer : answers)
        box->addButton(standardButton(answer));
    box->setDefaultButton(standardButton(answers.value(request.defaultButton(), answers.front())));
    box->setEscapeButton(box->button(standardButton(request.escapeAnswer())));
    return box;
}

int QtMessageBoxService::msgBox(const MessageBoxRequest& request) {
    const std::unique_ptr<QMessageBox> box = makeMessageBox(request, dialogParent());
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    for (int answer : request.answers())
        if (clicked && clicked == box->button(standardButton(answer)))
            return answer;
    return request.escapeAnswer();
}

QString QtMessageBoxService::inputBox(const InputBoxRequest& request, bool& cancelled) {
    QInputDialog dialog(dialogParent());
    dialog.setWindowTitle(request.title);
    dialog.setLabelText(request.prompt);
    dialog.setTextValue(request.defaultText);
    cancelled = dialog.exec() != QDialog::Accepted;
    return cancelled ? QString() : dialog.textValue();
}

int ScriptedMessageBox::msgBox(const MessageBoxRequest& request) {
    int result = request.escapeAnswer();
    if (m_answers.isEmpty()) {
        m_unexpected.append(QStringLiteral("no answer scripted for ") + describe(request));
    } else if (const int scripted = m_answers.dequeue(); request.answers().contains(scripted)) {
        result = scripted;
    } else {
        m_unexpected.append(QStringLiteral("answer %1 is not a button of ").arg(scripted) +
                            describe(request));
    }
    m_shown.append({request, result});
    return result;
}

QString ScriptedMessageBox::inputBox(const InputBoxRequest& request, bool& cancelled) {
    ScriptedInput scripted{QString(), true};
    if (m_inputs.isEmpty())
        m_unexpected.append(QStringLiteral("no answer scripted for input box \"%1\" (title \"%2\")")
                                .arg(request.prompt, request.title));
    else
        scripted = m_inputs.dequeue();
    cancelled = scripted.cancelled;
    m_shownInputs.append({request, scripted.text, scripted.cancelled});
    return scripted.text;
}

MessageBoxService& messageBox() {
    static QtMessageBoxService production;
    return current<MessageBoxService>(production);
}

} // namespace platform

namespace {

QString titleOrProgramTitle(const QString& title) {
    return title.isEmpty() ? QString::fromUtf16(platform::ProgramTitleText) : title;
}

} // namespace

int MsgBox(const QString& text, int flags, const QString& title) {
    return platform::messageBox().msgBox({text, titleOrProgramTitle(title), flags});
}

QString InputBox(const QString& prompt, const QString& title, const QString& defaultText,
                 bool* cancelled) {
    bool wasCancelled = false;
    const QString text = platform::messageBox().inputBox(
        {prompt, titleOrProgramTitle(title), defaultText}, wasCancelled);
    if (cancelled)
        *cancelled = wasCancelled;
    return text;
}
