#pragma once
// Dates as the classic Basic runtime keeps them: a double counting days since 1899-12-30,
// the fraction being the time of day. Before that day the integer part counts backwards
// but the fraction still runs forwards from midnight (-1.25 is 1899-12-29 06:00).
// Functions that can fail take an optional ok flag and then return 0.

#include <QDateTime>
#include <QString>

namespace vb {

// First day of the week for Weekday, WeekOfYear and DateDiff("ww").
enum DayOfWeek {
    vbUseSystemDayOfWeek = 0, // the user's locale decides
    vbSunday = 1,
    vbMonday,
    vbTuesday,
    vbWednesday,
    vbThursday,
    vbFriday,
    vbSaturday,
};

// Serials outside 100-01-01 .. 9999-12-31 do not convert. toSerial gives NaN (never a
// valid serial) for an invalid date or one outside that range.
bool isValidSerial(double serial);
double toSerial(const QDate& date, const QTime& time = QTime(0, 0));
double toSerial(const QDateTime& dateTime);
QDate dateOf(double serial);         // invalid for an invalid serial
QTime timeOf(double serial);         // rounded to the second
QDateTime fromSerial(double serial); // local time; invalid for an invalid serial

// Two-digit years 0..29 mean 2000..2029 and 30..99 mean 1930..1999. Out-of-range months
// and days carry into the neighbouring months and years (month 0 is December of the year
// before, day 0 the last day of the month before).
double DateSerial(int year, int month, int day, bool* ok = nullptr);
// Hours, minutes and seconds carry the same way; the result may exceed one day.
double TimeSerial(int hour, int minute, int second);

// interval: "yyyy", "q", "m", "y", "d", "w", "ww", "h", "n", "s" (case-insensitive).
// The count is truncated to whole intervals; month steps clamp the day to the month's end.
double DateAdd(const QString& interval, double count, double date, bool* ok = nullptr);
// Counts interval boundaries crossed from date1 to date2 ("d", "y", "w", "ww", "m", "q",
// "yyyy", "h", "n", "s"); negative when date2 lies before date1.
qint64 DateDiff(const QString& interval, double date1, double date2, int firstDayOfWeek = vbSunday,
                bool* ok = nullptr);

int Year(double date);
int Month(double date);
int Day(double date);
int Hour(double date);
int Minute(double date);
int Second(double date);
// 1..7 counted from firstDayOfWeek (Sunday is 1 with the default).
int Weekday(double date, int firstDayOfWeek = vbSunday);
// The week holding 1 January is week 1.
int WeekOfYear(double date, int firstDayOfWeek = vbSunday);

// The locale's short date pattern (QLocale notation) with a four-digit year.
QString shortDatePattern();
// The locale's long time pattern without its time zone ("h:mm:ss AP t" ends with one): the
// times the program shows and reads have none.
QString longTimePattern();

double Now();
double Date(); // today at midnight

// Reads dates and times as users and files write them: the locale's short and long date,
// ISO "yyyy-mm-dd", ISO date-times, and times with or without AM/PM.
double CDate(const QString& text, bool* ok = nullptr);
double DateValue(const QString& text, bool* ok = nullptr); // date part only
double TimeValue(const QString& text, bool* ok = nullptr); // time part only

} // namespace vb
