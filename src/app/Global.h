#pragma once

#include <QString>

#include <functional>

class QLineEdit;
class QListWidget;
class TessixGrid;
class QWidget;
namespace db {
class Connection;
}

// Routines every window may use. They keep no state of their own apart from the tips file
// path, the data folder override and the tip window hook.

// "Tessix 7.5 Main Demo": the caption of message boxes that name no other.
QString ProgramTitle();

// Where the launcher keeps its "show tips" choice in the settings store.
inline const QString LauncherSettingsApp = QStringLiteral("{A3B87F3C-7C95-41E3-94C9-3B27FB79BDDF}");
inline const QString LauncherSettingsSection = QStringLiteral("Main");
inline const QString ShowTipsKey = QStringLiteral("ShowTips");

// The Data folder beside the executable. Tests point it elsewhere; an empty path goes back
// to the folder beside the executable.
QString DataFolder();
void SetDataFolder(const QString& path);

// The tips file; empty until the launcher sets it.
QString TipsFilePath();
void SetTipsFilePath(const QString& path);

// One value of an INI file; the default when the file, section or key is missing.
QString ReadIniString(const QString& file, const QString& section, const QString& key,
                      const QString& defaultValue);
// Writes one value of an INI file; false when the file could not be written.
bool WriteIniString(const QString& file, const QString& section, const QString& key,
                    const QString& value);

// Lets the box accept digits only (typed or pasted) and, unless maxLength is 0, at most
// maxLength characters.
void MakeNumericTextBox(QLineEdit* box, int maxLength);

// Appends "[time]  text" to an event log, dropping the oldest line once it holds 1000, and
// shows the new line.
void AddLogLine(QListWidget* list, const QString& text);

// Breaks text into lines of at most width - 1 characters at spaces (the last line may have
// width), joined with CR LF. A word of width characters or more is broken after every width
// characters; a space right after such a piece is its break.
QString WrapText(const QString& text, int width);

// The larger of a and b; b when they are equal.
int MaxLong(int a, int b);

// The program's common selection and border look of a grid; windows that want other
// colours set them afterwards.
void ApplyGridLook(TessixGrid* grid);

// Opens the sample database, Data/Test.db, on the connection. When the database layer
// cannot start at all it says so, closes the active window and returns false; any other
// failure (a missing or damaged file) is shown in a message naming the file, and the
// caller stops its set-up.
bool OpenTestDatabase(db::Connection& connection);

// Shows the Tip of the Day for a sample window unless the user switched tips off. The tip
// window registers itself as the handler (it also sets its own icon); without one this does
// nothing.
void ShowTipOfTheDay(QWidget* form);
void SetTipOfTheDayHandler(std::function<void(QWidget*)> handler);
