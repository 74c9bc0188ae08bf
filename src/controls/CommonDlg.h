#pragma once
// The file-open, file-save, colour and font dialogs driven by plain properties: a window
// creates a CommonDlg, sets the members it needs, calls a Show method and reads the results
// back from the same members. Member names and flag values are the classic common-dialog
// ones, so code written against them reads the same here. The dialogs come from the
// platform's dialog service (scripted in tests).

#include "platform/CommonDialogs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <stdexcept>

class QWidget;

// Dialog flags the class interprets (others are kept and handed back).
enum CommonDlgFlag : qint32 {
    cdlOFNOverwritePrompt = 0x2,
    cdlOFNEnableHook = 0x20,
    cdlOFNAllowMultiselect = 0x200,
    cdlOFNExtensionDifferent = 0x400, // out: the name's extension is not DefaultExt
    cdlOFNFileMustExist = 0x1000,
    cdlOFNExplorer = 0x80000,
    cdlCCRGBInit = 0x1,  // preselect Color
    cdlCCFullOpen = 0x2, // open with the custom colour part shown
    cdlCCEnableHook = 0x10,
    cdlCFScreenFonts = 0x1,
    cdlCFPrinterFonts = 0x2,
    cdlCFEnableHook = 0x8,
    cdlCFInitToLogFont = 0x40,
    cdlCFUseStyle = 0x80,    // FontStyle names the style to preselect
    cdlCFLimitSize = 0x2000, // only sizes from Min to Max
    cdlCFFixedPitchOnly = 0x4000,
    cdlCFScalableOnly = 0x20000,
};

// FontType bits after ShowFont.
enum CommonDlgFontType : qint32 {
    cdlBoldFontType = 0x100,
    cdlItalicFontType = 0x200,
    cdlRegularFontType = 0x400,
    cdlScreenFontType = 0x2000,
};

// Error numbers a file dialog raises.
enum CommonDlgErrorNumber : qint32 {
    cdlBufferTooSmall = 20476,
    cdlCancel = 32755,
};

// What ShowOpen and ShowSave raise: the error number and its text.
class CommonDlgError : public std::runtime_error {
public:
    CommonDlgError(qint32 number, const QString& description)
        : std::runtime_error(description.toStdString()), Number(number), Description(description) {}
    qint32 Number;
    QString Description;
};

class CommonDlg {
public:
    qint32 FileNameBufferSize = 20000; // characters the chosen names may take, NULs included
    QString DefaultExt;
    QString DialogTitle;
    // In: the preset name. Out: the chosen path; after choosing several files the raw list,
    // the folder and then each name, separated by NUL characters.
    QString FileName;
    QString FileTitle;
    QString Filter;         // "description|pattern|description|pattern..."
    qint32 FilterIndex = 0; // 1-based
    QString InitDir;
    quint32 Color = 0; // OLE colour in, plain RGB out
    QWidget* hWndOwner = nullptr;
    qint32 FontScript = 0;
    QString FontStyle;
    qint32 Min = 0;
    qint32 Max = 0;
    quint32 FontColor = 0;
    qint32 Flags = 0; // added to every dialog's own flags; out: the file dialog's flags
    qint32 FontFlags = 0;
    qint32 ColorFlags = 0;
    qint32 OpenFlags = 0;
    qint32 OpenFlagsEx = 0;
    platform::DialogHook CallBack; // called with the dialog when its hook flag is set
    QString FontName;
    bool CancelError = false; // cancelling a file dialog raises cdlCancel
    bool FontItalic = false;
    bool FontBold = false;
    bool FontStrikeThrough = false;
    bool FontUnderline = false;
    qint32 FontWeight = 0; // 0: from FontBold
    float FontSize = 0;    // points; whole points after ShowFont

    // After a file dialog: element 0 the folder, then the chosen names.
    QStringList FileList() const { return m_fileList; }
    qint32 FileOffset() const { return m_fileOffset; }
    qint32 FileExtOffset() const { return m_fileExtOffset; }
    QList<quint32> CustomColors() const;
    // Takes elements 0 to 15; indexes the list lacks keep their colour.
    void SetCustomColors(const QList<quint32>& colors);
    qint32 FontType() const { return m_fontType; }

    // True when the user confirmed; cancelling changes nothing.
    bool ShowColor();
    bool ShowFont();
    // Raise CommonDlgError on failure, and on Cancel when CancelError is set.
    void ShowOpen();
    void ShowSave();

private:
    void showFileDialog(bool save);
    void takeFiles(const QStringList& files);
    static std::array<quint32, platform::CustomColorCount> whiteColors() {
        std::array<quint32, platform::CustomColorCount> colors;
        colors.fill(0x00FFFFFF);
        return colors;
    }

    // White until set, as unused custom colours look in the dialog.
    std::array<quint32, platform::CustomColorCount> m_customColors = whiteColors();
    QStringList m_fileList;
    qint32 m_fileOffset = 0;
    qint32 m_fileExtOffset = 0;
    qint32 m_fontType = 0;
};
