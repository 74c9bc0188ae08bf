#pragma once
// The file, colour and font dialogs as one service: the production one shows Qt's dialogs
// over the owner window; tests install a scripted double that records what each dialog was
// asked for and answers from a queue, so no modal dialog ever blocks a test.

#include "platform/Service.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QQueue>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class QDialog;
class QWidget;

namespace platform {

// The colour dialog keeps sixteen custom colours.
inline constexpr int CustomColorCount = 16;
using CustomColorArray = std::array<QColor, CustomColorCount>;

// Called with the dialog before it is shown, so a caller can adjust it.
using DialogHook = std::function<void(QDialog&)>;

struct FileDialogRequest {
    bool save = false;
    QWidget* owner = nullptr;
    QString title;
    QString initialDir;
    QString fileName;        // preset name (or path)
    QStringList nameFilters; // "Text files (*.txt)"
    int filterIndex = 0;     // 0-based
    QString defaultSuffix;   // added to a name typed without one
    bool multiSelect = false;
    bool mustExist = false;        // open: only existing files
    bool confirmOverwrite = false; // save: ask before replacing a file
    DialogHook hook;
};

struct FileDialogAnswer {
    bool accepted = false;
    QStringList files; // absolute paths
    int filterIndex = 0;
    int error = 0; // non-zero: the dialog failed with that code
};

struct ColorDialogRequest {
    QWidget* owner = nullptr;
    std::optional<QColor> initial; // none: the dialog's own start colour
    CustomColorArray customColors;
    DialogHook hook;
};

struct ColorDialogAnswer {
    bool accepted = false;
    QColor color;
    CustomColorArray customColors; // as the dialog left them
};

struct FontDialogRequest {
    QWidget* owner = nullptr;
    QFont font;
    bool monospacedOnly = false;
    bool scalableOnly = false;
    DialogHook hook;
};

struct FontDialogAnswer {
    bool accepted = false;
    QFont font;
};

class CommonDialogService {
public:
    virtual ~CommonDialogService() = default;
    virtual FileDialogAnswer fileDialog(const FileDialogRequest& request) = 0;
    virtual ColorDialogAnswer colorDialog(const ColorDialogRequest& request) = 0;
    virtual FontDialogAnswer fontDialog(const FontDialogRequest& request) = 0;
};

// QFileDialog, QColorDialog and QFontDialog, modal over the owner (else the active window).
class QtCommonDialogs : public CommonDialogService {
public:
    FileDialogAnswer fileDialog(const FileDialogRequest& request) override;
    ColorDialogAnswer colorDialog(const ColorDialogRequest& request) override;
    FontDialogAnswer fontDialog(const FontDialogRequest& request) override;
};

// Test double. Each dialog takes the next answer scripted for its kind; a dialog with none
// scripted is recorded in unexpected() and answered as cancelled.
class ScriptedCommonDialogs : public CommonDialogService {
public:
    void answerFiles(const QStringList& files, int filterIndex = 0);
    void failFileDialog(int error);
    void cancelFileDialog() { m_files.enqueue({}); }
    // The custom colours come back as the dialog got them unless given.
    void answerColor(const QColor& color, std::optional<CustomColorArray> customColors = {});
    void cancelColor() { m_colors.enqueue({}); }
    void answerFont(const QFont& font) { m_fonts.enqueue({true, font}); }
    void cancelFont() { m_fonts.enqueue({}); }

    const QList<FileDialogRequest>& fileRequests() const { return m_fileRequests; }
    const QList<ColorDialogRequest>& colorRequests() const { return m_colorRequests; }
    const QList<FontDialogRequest>& fontRequests() const { return m_fontRequests; }
    const QStringList& unexpected() const { return m_unexpected; }
    // Answers scripted but not yet used.
    qsizetype pending() const { return m_files.size() + m_colors.size() + m_fonts.size(); }

    FileDialogAnswer fileDialog(const FileDialogRequest& request) override;
    ColorDialogAnswer colorDialog(const ColorDialogRequest& request) override;
    FontDialogAnswer fontDialog(const FontDialogRequest& request) override;

private:
    struct ScriptedColor {
        bool accepted = false;
        QColor color;
        std::optional<CustomColorArray> customColors;
    };
    QQueue<FileDialogAnswer> m_files;
    QQueue<ScriptedColor> m_colors;
    QQueue<FontDialogAnswer> m_fonts;
    QList<FileDialogRequest> m_fileRequests;
    QList<ColorDialogRequest> m_colorRequests;
    QList<FontDialogRequest> m_fontRequests;
    QStringList m_unexpected;
};

using ScopedCommonDialogs = ScopedService<CommonDialogService>;
CommonDialogService& commonDialogs();

} // namespace platform
