#include "platform/CommonDialogs.h"

#include "platform/MessageBox.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace platform {

namespace {

QWidget* ownerOf(QWidget* requested) {
    return requested ? requested : dialogParent();
}

void runHook(const DialogHook& hook, QDialog& dialog) {
    if (hook)
        hook(dialog);
}

} // namespace

FileDialogAnswer QtCommonDialogs::fileDialog(const FileDialogRequest& request) {
    QFileDialog dialog(ownerOf(request.owner), request.title, request.initialDir);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (request.save)
        dialog.setFileMode(QFileDialog::AnyFile);
    else if (request.multiSelect)
        dialog.setFileMode(QFileDialog::ExistingFiles);
    else
        dialog.setFileMode(request.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.nameFilters.isEmpty()) {
        dialog.setNameFilters(request.nameFilters);
        dialog.selectNameFilter(request.nameFilters.value(request.filterIndex));
    }
    dialog.setDefaultSuffix(request.defaultSuffix);
    if (!request.fileName.isEmpty())
        dialog.selectFile(request.fileName);
    runHook(request.hook, dialog);

    FileDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    if (answer.accepted) {
        answer.files = dialog.selectedFiles();
        answer.filterIndex = int(request.nameFilters.indexOf(dialog.selectedNameFilter()));
    }
    return answer;
}

ColorDialogAnswer QtCommonDialogs::colorDialog(const ColorDialogRequest& request) {
    // Qt keeps one set of custom colours for all its colour dialogs: each request brings
    // its own and takes back what the user left there.
    for (int i = 0; i < CustomColorCount; ++i)
        QColorDialog::setCustomColor(i, request.customColors[std::size_t(i)]);
    QColorDialog dialog(ownerOf(request.owner));
    if (request.initial)
        dialog.setCurrentColor(*request.initial);
    runHook(request.hook, dialog);

    ColorDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.color = dialog.selectedColor();
    for (int i = 0; i < CustomColorCount; ++i)
        answer.customColors[std::size_t(i)] = QColorDialog::customColor(i);
    return answer;
}

FontDialogAnswer QtCommonDialogs::fontDialog(const FontDialogRequest& request) {
    QFontDialog dialog(request.font, ownerOf(request.owner));
    dialog.setOption(QFontDialog::MonospacedFonts, request.monospacedOnly);
    dialog.setOption(QFontDialog::ScalableFonts, request.scalableOnly);
    runHook(request.hook, dialog);

    FontDialogAnswer answer;
    answer.accepted = dialog.exec() == QDialog::Accepted;
    answer.font = dialog.selectedFont();
    return answer;
}

void ScriptedCommonDialogs::answerFiles(const QStringList& files, int filterIndex) {
    m_files.enqueue({true, files, filterIndex, 0});
}

void ScriptedCommonDialogs::failFileDialog(int error) {
    FileDialogAnswer failed;
    failed.error = error;
    m_files.enqueue(failed);
}

void ScriptedCommonDialogs::answerColor(const QColor& color,
                                        std::optional<CustomColorArray> customColors) {
    m_colors.enqueue({true, color, std::move(customColors)});
}

FileDialogAnswer ScriptedCommonDialogs::fileDialog(const FileDialogRequest& request) {
    m_fileRequests.append(request);
    if (m_files.isEmpty()) {
        m_unexpected.append(
            QStringLiteral("no answer scripted for file dialog \"%1\"").arg(request.title));
        return {};
    }
    return m_files.dequeue();
}

ColorDialogAnswer ScriptedCommonDialogs::colorDialog(const ColorDialogRequest& request) {
    m_colorRequests.append(request);
    ColorDialogAnswer answer{false, request.initial.value_or(QColor()), request.customColors};
    if (m_colors.isEmpty()) {
        m_unexpected.append(QStringLiteral("no answer scripted for a colour dialog"));
        return answer;
    }
    const ScriptedColor scripted = m_colors.dequeue();
    answer.accepted = scripted.accepted;
    if (scripted.accepted)
        answer.color = scripted.color;
    if (scripted.customColors)
        answer.customColors = *scripted.customColors;
    return answer;
}

FontDialogAnswer ScriptedCommonDialogs::fontDialog(const FontDialogRequest& request) {
    m_fontRequests.append(request);
    if (m_fonts.isEmpty()) {
        m_unexpected.append(QStringLiteral("no answer scripted for a font dialog"));
        return {false, request.font};
    }
    return m_fonts.dequeue();
}

CommonDialogService& commonDialogs() {
    static QtCommonDialogs production;
    return current<CommonDialogService>(production);
}

} // namespace platform
