#include "controls/CommonDlg.h"

#include "platform/Colors.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>

#include <algorithm>
#include <cmath>

namespace {

constexpr int FaceNameLength = 31;
constexpr int NormalWeight = 400;
constexpr int BoldWeight = 700;

// "Text files|*.txt;*.log|All files|*.*" as Qt's filters, "Text files (*.txt *.log)".
QStringList nameFilters(const QString& filter) {
    const QStringList parts = filter.trimmed().split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts[i + 1].trimmed().replace(u';', u' ');
        const QString suffix = QStringLiteral("(%1)").arg(patterns);
        // A description that already shows its patterns keeps them once.
        filters << (parts[i].endsWith(suffix) ? parts[i] : parts[i] + u' ' + suffix);
    }
    return filters;
}

} // namespace

QList<quint32> CommonDlg::CustomColors() const {
    return QList<quint32>(m_customColors.begin(), m_customColors.end());
}

void CommonDlg::SetCustomColors(const QList<quint32>& colors) {
    const qsizetype count = std::min<qsizetype>(colors.size(), platform::CustomColorCount);
    std::copy_n(colors.begin(), count, m_customColors.begin());
}

bool CommonDlg::ShowColor() {
    const qint32 flags = ColorFlags | Flags;
    platform::ColorDialogRequest request;
    request.owner = hWndOwner;
    if (flags & cdlCCRGBInit)
        request.initial = OleColorToQColor(Color);
    for (std::size_t i = 0; i < m_customColors.size(); ++i)
        request.customColors[i] = OleColorToQColor(m_customColors[i]);
    if (flags & cdlCCEnableHook)
        request.hook = CallBack;

    const platform::ColorDialogAnswer answer = platform::commonDialogs().colorDialog(request);
    // The dialog keeps the user's custom colours, confirmed or not.
    for (std::size_t i = 0; i < m_customColors.size(); ++i)
        m_customColors[i] = QColorToOle(answer.customColors[i]);
    if (!answer.accepted)
        return false;
    Color = QColorToOle(answer.color);
    return true;
}

bool CommonDlg::ShowFont() {
    const qint32 flags =
        Flags | FontFlags | cdlCFScreenFonts | cdlCFPrinterFonts | cdlCFInitToLogFont;
    QFont font;
    if (!FontName.isEmpty())
        font.setFamily(FontName.left(FaceNameLength));
    // Whole points, halves to even, as the classic conversion to a whole number rounds.
    const int points = int(std::nearbyint(FontSize));
    if (points > 0)
        font.setPointSize(points);
    font.setStrikeOut(FontStrikeThrough);
    font.setUnderline(FontUnderline);
    font.setItalic(FontItalic);
    const int weight = FontWeight != 0 ? FontWeight : (FontBold ? BoldWeight : NormalWeight);
    font.setWeight(QFont::Weight(std::clamp(weight, 1, 1000)));
    if ((flags & cdlCFUseStyle) && !FontStyle.isEmpty())
        font.setStyleName(FontStyle);

    platform::FontDialogRequest request;
    request.owner = hWndOwner;
    request.font = font;
    request.monospacedOnly = flags & cdlCFFixedPitchOnly;
    request.scalableOnly = flags & cdlCFScalableOnly;
    if (flags & cdlCFEnableHook)
        request.hook = CallBack;
    const platform::FontDialogAnswer answer = platform::commonDialogs().fontDialog(request);
    if (!answer.accepted)
        return false;

    const QFont& chosen = answer.font;
    const double chosenPoints =
        chosen.pointSizeF() > 0 ? chosen.pointSizeF() : QFontInfo(chosen).pointSizeF();
    int tenths = int(std::lround(chosenPoints * 10));
    if ((flags & cdlCFLimitSize) && Min > 0 && Max >= Min)
        tenths = std::clamp(tenths, Min * 10, Max * 10);
    FontName = chosen.family();
    FontItalic = chosen.italic();
    FontBold = chosen.bold();
    FontWeight = chosen.weight();
    FontSize = float(tenths / 10); // the tenths dropped, as the dialog reports whole points
    FontStrikeThrough = chosen.strikeOut();
    FontUnderline = chosen.underline();
    FontStyle =
        chosen.styleName().isEmpty() ? QFontDatabase::styleString(chosen) : chosen.styleName();
    m_fontType = (FontBold ? cdlBoldFontType : cdlRegularFontType) |
                 (FontItalic ? cdlItalicFontType : 0) | cdlScreenFontType;
    return true;
}

void CommonDlg::ShowOpen() {
    showFileDialog(false);
}

void CommonDlg::ShowSave() {
    showFileDialog(true);
}

void CommonDlg::showFileDialog(bool save) {
    const qint32 flags = OpenFlags | Flags | cdlOFNExplorer;
    const QStringList filters = nameFilters(Filter);
    platform::FileDialogRequest request;
    request.save = save;
    request.owner = hWndOwner;
    request.title = DialogTitle;
    request.initialDir = InitDir;
    request.fileName = FileName;
    request.nameFilters = filters;
    request.filterIndex = std::max(FilterIndex, 1) - 1;
    request.defaultSuffix = DefaultExt;
    request.multiSelect = flags & cdlOFNAllowMultiselect;
    request.mustExist = flags & cdlOFNFileMustExist;
    request.confirmOverwrite = flags & cdlOFNOverwritePrompt;
    if (flags & cdlOFNEnableHook)
        request.hook = CallBack;

    const platform::FileDialogAnswer answer = platform::commonDialogs().fileDialog(request);
    if (answer.error != 0)
        throw CommonDlgError(answer.error, QStringLiteral("Unexpected error."));
    if (!answer.accepted || answer.files.isEmpty()) {
        if (CancelError)
            throw CommonDlgError(cdlCancel, QStringLiteral("Cancel was selected."));
        return;
    }
    // The names with their NUL separators and the closing NUL must fit the buffer.
    qsizetype needed = 1;
    for (const QString& file : answer.files)
        needed += file.size() + 1;
    if (needed > FileNameBufferSize)
        throw CommonDlgError(cdlBufferTooSmall,
                             QStringLiteral("Filename buffer is too small for the selected "
                                            "files."));

    takeFiles(answer.files);
    qint32 returned = flags;
    if (!DefaultExt.isEmpty() &&
        QFileInfo(answer.files.front()).suffix().compare(DefaultExt, Qt::CaseInsensitive) != 0)
        returned |= cdlOFNExtensionDifferent;
    OpenFlags = returned;
    Flags = returned;
    if (answer.filterIndex >= 0 && answer.filterIndex < filters.size())
        FilterIndex = answer.filterIndex + 1;
}

void CommonDlg::takeFiles(const QStringList& files) {
    const QFileInfo first(files.front());
    const QString folder = first.absolutePath();
    if (files.size() == 1) {
        FileName = first.absoluteFilePath();
        FileTitle = first.fileName();
        m_fileList = {folder, FileTitle};
        m_fileOffset = qint32(FileName.size() - FileTitle.size());
        const qsizetype dot = FileTitle.lastIndexOf(u'.');
        m_fileExtOffset = qint32(dot < 0 ? FileName.size() : m_fileOffset + dot + 1);
        return;
    }
    m_fileList = {folder};
    for (const QString& file : files)
        m_fileList << QDir(folder).relativeFilePath(file);
    FileName = m_fileList.join(QChar(0));
    FileTitle.clear();
    m_fileOffset = qint32(folder.size() + 1);
    m_fileExtOffset = 0;
}
