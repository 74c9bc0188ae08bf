#include "app/Global.h"

#include "components/grid/TessixGrid.h"
#include "db/Connection.h"
#include "platform/ActiveWindow.h"
#include "platform/Colors.h"
#include "platform/IniFile.h"
#include "platform/MessageBox.h"
#include "platform/Settings.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QRegularExpressionValidator>
#include <QTime>

namespace {

QString& dataFolderOverride() {
    static QString path;
    return path;
}

QString& tipsFilePath() {
    static QString path;
    return path;
}

std::function<void(QWidget*)>& tipOfTheDayHandler() {
    static std::function<void(QWidget*)> handler;
    return handler;
}

constexpr int MaxLogLines = 1000;
// QLineEdit's own default maximum, which stands for "no limit".
constexpr int NoLengthLimit = 32767;

// The locale's short time format, with seconds added where it has none: log lines written
// within the same minute must stay apart.
QString logTimeFormat() {
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    if (!format.contains(u's'))
        format.replace(QStringLiteral("mm"), QStringLiteral("mm:ss"));
    return format;
}

} // namespace

QString ProgramTitle() {
    return QString::fromUtf16(platform::ProgramTitleText);
}

QString DataFolder() {
    if (!dataFolderOverride().isEmpty())
        return dataFolderOverride();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Data");
}

void SetDataFolder(const QString& path) {
    dataFolderOverride() = path;
}

QString TipsFilePath() {
    return tipsFilePath();
}

void SetTipsFilePath(const QString& path) {
    tipsFilePath() = path;
}

QString ReadIniString(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue) {
    return ReadProfileString(file, section, key, defaultValue);
}

bool WriteIniString(const QString& file, const QString& section, const QString& key,
                    const QString& value) {
    return WriteProfileString(file, section, key, value);
}

void MakeNumericTextBox(QLineEdit* box, int maxLength) {
    if (!box)
        return;
    static const QRegularExpression digits(QStringLiteral("[0-9]*"));
    box->setValidator(new QRegularExpressionValidator(digits, box));
    box->setMaxLength(maxLength > 0 ? maxLength : NoLengthLimit);
}

void AddLogLine(QListWidget* list, const QString& text) {
    if (!list)
        return;
    while (list->count() >= MaxLogLines)
        delete list->takeItem(0);
    const QString time = QLocale().toString(QTime::currentTime(), logTimeFormat());
    list->addItem(u'[' + time + QStringLiteral("]  ") + text);
    list->scrollToBottom();
}

QString WrapText(const QString& text, int width) {
    if (width <= 0)
        return text;
    const QStringView all(text);
    QString wrapped;
    wrapped.reserve(text.size() + 2 * (text.size() / width + 1));
    qsizetype lineStart = 0;
    while (text.size() > lineStart + width) {
        // The last space among the line's first width characters ends it; a word longer
        // than the line is broken hard after width characters. Only the line itself is
        // searched, so the whole text is read once.
        const qsizetype space = all.mid(lineStart, width).lastIndexOf(u' ');
        const qsizetype length = space >= 0 ? space : width;
        wrapped += all.mid(lineStart, length);
        wrapped += QStringLiteral("\r\n");
        // A space right after a word that filled the line is the break, not an empty line.
        const bool spaceTaken = space >= 0 || all[lineStart + width] == u' ';
        lineStart += length + (spaceTaken ? 1 : 0);
    }
    wrapped += all.mid(lineStart);
    return wrapped;
}

int MaxLong(int a, int b) {
    return a > b ? a : b;
}

void ApplyGridLook(TessixGrid* grid) {
    if (!grid)
        return;
    grid->SetSelForeColor(RGB(0, 0, 0));
    grid->SetSelBackColor(RGB(204, 232, 255));
    grid->SetFocusRectColor1(RGB(153, 209, 255));
    grid->SetFocusRectColor2(RGB(153, 209, 255));
    grid->SetBorderStyle(2);
}

bool OpenTestDatabase(db::Connection& connection) {
    const QString file = DataFolder() + QStringLiteral("/Test.db");
    if (connection.Open(QStringLiteral("Provider=SQLite;Data Source=") + file))
        return true;
    const db::Error& error = connection.LastError();
    if (error.Number == db::ProviderCannotStart) {
        MsgBox(QStringLiteral("Could not initialize MS ActiveX Data Objects Library (MS ADO)"));
        CloseActiveWindow();
    } else {
        MsgBox(QStringLiteral("The sample database could not be opened.\r\n") + error.Description,
               vbCritical);
    }
    return false;
}

void ShowTipOfTheDay(QWidget* form) {
    if (GetSetting(LauncherSettingsApp, LauncherSettingsSection, ShowTipsKey,
                   QStringLiteral("1")) != QStringLiteral("1"))
        return;
    if (tipOfTheDayHandler())
        tipOfTheDayHandler()(form);
}

void SetTipOfTheDayHandler(std::function<void(QWidget*)> handler) {
    tipOfTheDayHandler() = std::move(handler);
}
