#include "DateMath.h"

#include <QLocale>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>

namespace vb {

namespace {

const QDate Epoch(1899, 12, 30);
const QDate FirstDate(100, 1, 1);
const QDate LastDate(9999, 12, 31);
constexpr qint64 SecondsPerDay = 86400;

void setOk(bool* ok, bool value) {
    if (ok)
        *ok = value;
}

// The calendar day and the second of the day a serial stands for.
struct DayAndSecond {
    qint64 day = 0; // days since the epoch
    qint64 second = 0;
};

DayAndSecond split(double serial) {
    const double whole = std::trunc(serial);
    qint64 day = qint64(whole);
    qint64 second = std::llround(std::fabs(serial - whole) * SecondsPerDay);
    if (second >= SecondsPerDay) { // 23:59:59.7 rounds into the next calendar day
        second -= SecondsPerDay;
        ++day;
    }
    return {day, second};
}

double join(qint64 day, qint64 second) {
    const double fraction = double(second) / SecondsPerDay;
    return day >= 0 ? double(day) + fraction : double(day) - fraction;
}

double joinDate(const QDate& date, qint64 second, bool* ok) {
    const bool valid = date.isValid() && date >= FirstDate && date <= LastDate;
    setOk(ok, valid);
    return valid ? join(Epoch.daysTo(date), second) : 0;
}

// Seconds on a continuous scale, for hour, minute and second arithmetic.
qint64 absoluteSeconds(double serial) {
    const DayAndSecond ds = split(serial);
    return ds.day * SecondsPerDay + ds.second;
}

double fromAbsoluteSeconds(qint64 seconds, bool* ok) {
    const qint64 day =
        seconds >= 0 ? seconds / SecondsPerDay : -((-seconds + SecondsPerDay - 1) / SecondsPerDay);
    return joinDate(Epoch.addDays(day), seconds - day * SecondsPerDay, ok);
}

int resolveFirstDay(int firstDayOfWeek) {
    if (firstDayOfWeek >= vbSunday && firstDayOfWeek <= vbSaturday)
        return firstDayOfWeek;
    return QLocale().firstDayOfWeek() % 7 + 1; // Qt counts Monday = 1 .. Sunday = 7
}

// Days from the start of the week to the date, 0..6.
int daysIntoWeek(const QDate& date, int firstDayOfWeek) {
    const int sundayBased = date.dayOfWeek() % 7; // Sunday 0 .. Saturday 6
    return (sundayBased - (resolveFirstDay(firstDayOfWeek) - 1) + 7) % 7;
}

// Two-digit years follow the classic window: 00..29 are 2000..2029, 30..99 are 1930..1999.
int fullYear(int year) {
    return year >= 0 && year < 100 ? year + (year < 30 ? 2000 : 1900) : year;
}

// The order of day, month and year in the locale's short date: "mdy", "dmy" or "ymd".
QString fieldOrder(const QString& pattern) {
    QString order;
    for (const QChar c : pattern) {
        const QChar field = c.toLower();
        if ((field == u'd' || field == u'm' || field == u'y') && !order.contains(field))
            order += field;
    }
    return order.size() == 3 ? order : QStringLiteral("mdy");
}

// Day and month as numbers, perhaps with the year, in the locale's order: "12/11",
// "12-11-2024", "2024/12/11" (a long first number is the year). The separators are '/' and
// '-', and '.' where the locale writes dates but no times with it. The current year where
// none is given.
QDate parseNumericDate(const QString& text) {
    static const QRegularExpression fields(
        QStringLiteral("^(\\d{1,4})([/.-])(\\d{1,2})(?:\\2(\\d{1,4}))?$"));
    const QRegularExpressionMatch match = fields.match(text);
    if (!match.hasMatch())
        return {};
    const QLocale locale;
    const QString datePattern = locale.dateFormat(QLocale::ShortFormat);
    if (match.capturedView(2) == u"." &&
        (!datePattern.contains(u'.') || locale.timeFormat(QLocale::ShortFormat).contains(u'.')))
        return {};
    const bool withYear = match.hasCaptured(4);
    QString order =
        withYear && match.capturedLength(1) > 2 ? QStringLiteral("ymd") : fieldOrder(datePattern);
    if (!withYear)
        order.remove(u'y');
    if (match.capturedLength(1) > 2 && order[0] != u'y')
        return {}; // a long number is a year, never a day or a month
    int year = QDate::currentDate().year(), month = 0, day = 0;
    for (int i = 0; i < order.size(); ++i) {
        const int group = i == 0 ? 1 : i == 1 ? 3 : 4;
        const int number = match.capturedView(group).toInt();
        if (order[i] == u'y')
            year = match.capturedLength(group) > 2 ? number : fullYear(number);
        else if (order[i] == u'm')
            month = number;
        else
            day = number;
    }
    return QDate(year, month, day);
}

QDate parseDate(const QString& text) {
    const QLocale locale;
    const QStringList formats = {QStringLiteral("yyyy-MM-dd"), shortDatePattern(),
                                 locale.dateFormat(QLocale::ShortFormat),
                                 locale.dateFormat(QLocale::LongFormat)};
    for (const QString& f : formats) {
        QDate d = locale.toDate(text, f);
        if (!d.isValid())
            d = QDate::fromString(text, f);
        if (d.isValid()) {
            if (!f.contains(QLatin1String("yyyy")) && f.contains(QLatin1String("yy")))
                d = QDate(fullYear(d.year() % 100), d.month(), d.day());
            return d;
        }
    }
    return parseNumericDate(text);
}

QTime parseTime(const QString& text) {
    const QLocale locale;
    const QStringList formats = {QStringLiteral("H:mm:ss"),
                                 QStringLiteral("H:mm"),
                                 QStringLiteral("h:mm:ss AP"),
                                 QStringLiteral("h:mm AP"),
                                 QStringLiteral("h:mm:ssAP"),
                                 QStringLiteral("h:mmAP"),
                                 QStringLiteral("h AP"),
                                 locale.timeFormat(QLocale::ShortFormat),
                                 locale.timeFormat(QLocale::LongFormat)};
    for (const QString& f : formats) {
        QTime t = locale.toTime(text, f);
        if (!t.isValid())
            t = QTime::fromString(text, f);
        if (t.isValid())
            return t;
    }
    return {};
}

} // namespace

QString shortDatePattern() {
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    // A two-digit year is ambiguous in a program that lists dates of many decades.
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return format;
}

QString longTimePattern() {
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1String("(t)"));
    format.remove(u't');
    return format.trimmed();
}

bool isValidSerial(double serial) {
    if (!std::isfinite(serial) || std::fabs(serial) > 3e6)
        return false;
    const QDate d = Epoch.addDays(split(serial).day);
    return d >= FirstDate && d <= LastDate;
}

double toSerial(const QDate& date, const QTime& time) {
    const QTime t = time.isValid() ? time : QTime(0, 0);
    bool ok = false;
    const double serial = joinDate(date, t.msecsSinceStartOfDay() / 1000, &ok);
    return ok ? serial : std::numeric_limits<double>::quiet_NaN();
}

double toSerial(const QDateTime& dateTime) {
    return toSerial(dateTime.date(), dateTime.time());
}

QDate dateOf(double serial) {
    return isValidSerial(serial) ? Epoch.addDays(split(serial).day) : QDate();
}

QTime timeOf(double serial) {
    return isValidSerial(serial) ? QTime(0, 0).addSecs(int(split(serial).second)) : QTime();
}

QDateTime fromSerial(double serial) {
    return isValidSerial(serial) ? QDateTime(dateOf(serial), timeOf(serial)) : QDateTime();
}

double DateSerial(int year, int month, int day, bool* ok) {
    year = fullYear(year);
    // Months carry into years; days are then counted from the first of that month.
    const qint64 months = qint64(year) * 12 + (month - 1);
    const qint64 y = months >= 0 ? months / 12 : -((-months + 11) / 12);
    const int m = int(months - y * 12) + 1;
    if (y < FirstDate.year() || y > LastDate.year()) {
        setOk(ok, false);
        return 0;
    }
    return joinDate(QDate(int(y), m, 1).addDays(qint64(day) - 1), 0, ok);
}

double TimeSerial(int hour, int minute, int second) {
    const qint64 total = qint64(hour) * 3600 + qint64(minute) * 60 + second;
    return double(total) / SecondsPerDay;
}

double DateAdd(const QString& interval, double count, double date, bool* ok) {
    const QString unit = interval.toLower();
    const double n = std::trunc(count);
    if (!isValidSerial(date) || !std::isfinite(n) || std::fabs(n) > 1e9) {
        setOk(ok, false);
        return 0;
    }
    const DayAndSecond ds = split(date);
    const QDate d = Epoch.addDays(ds.day);
    const qint64 steps = qint64(n);
    if (unit == QLatin1String("yyyy") || unit == QLatin1String("q") || unit == QLatin1String("m")) {
        const qint64 months = steps * (unit == QLatin1String("yyyy") ? 12
                                       : unit == QLatin1String("q")  ? 3
                                                                     : 1);
        if (std::abs(months) > 12 * 10000) {
            setOk(ok, false);
            return 0;
        }
        return joinDate(d.addMonths(int(months)), ds.second, ok); // addMonths clamps the day
    }
    qint64 seconds = 0;
    if (unit == QLatin1String("y") || unit == QLatin1String("d") || unit == QLatin1String("w"))
        seconds = steps * SecondsPerDay;
    else if (unit == QLatin1String("ww"))
        seconds = steps * 7 * SecondsPerDay;
    else if (unit == QLatin1String("h"))
        seconds = steps * 3600;
    else if (unit == QLatin1String("n"))
        seconds = steps * 60;
    else if (unit == QLatin1String("s"))
        seconds = steps;
    else {
        setOk(ok, false);
        return 0;
    }
    return fromAbsoluteSeconds(absoluteSeconds(date) + seconds, ok);
}

qint64 DateDiff(const QString& interval, double date1, double date2, int firstDayOfWeek, bool* ok) {
    if (!isValidSerial(date1) || !isValidSerial(date2)) {
        setOk(ok, false);
        return 0;
    }
    const QString unit = interval.toLower();
    const QDate d1 = dateOf(date1), d2 = dateOf(date2);
    const qint64 days = d1.daysTo(d2);
    auto floorDiv = [](qint64 a, qint64 b) { return a >= 0 ? a / b : -((-a + b - 1) / b); };
    setOk(ok, true);
    if (unit == QLatin1String("d") || unit == QLatin1String("y"))
        return days;
    if (unit == QLatin1String("w"))
        return days / 7; // whole weeks, truncated toward zero
    if (unit == QLatin1String("ww")) {
        const QDate s1 = d1.addDays(-daysIntoWeek(d1, firstDayOfWeek));
        const QDate s2 = d2.addDays(-daysIntoWeek(d2, firstDayOfWeek));
        return s1.daysTo(s2) / 7;
    }
    if (unit == QLatin1String("m"))
        return qint64(d2.year() - d1.year()) * 12 + d2.month() - d1.month();
    if (unit == QLatin1String("q"))
        return qint64(d2.year() - d1.year()) * 4 + (d2.month() - 1) / 3 - (d1.month() - 1) / 3;
    if (unit == QLatin1String("yyyy"))
        return d2.year() - d1.year();
    const qint64 s1 = absoluteSeconds(date1), s2 = absoluteSeconds(date2);
    if (unit == QLatin1String("h"))
        return floorDiv(s2, 3600) - floorDiv(s1, 3600);
    if (unit == QLatin1String("n"))
        return floorDiv(s2, 60) - floorDiv(s1, 60);
    if (unit == QLatin1String("s"))
        return s2 - s1;
    setOk(ok, false);
    return 0;
}

int Year(double date) {
    return dateOf(date).year();
}
int Month(double date) {
    return dateOf(date).month();
}
int Day(double date) {
    return dateOf(date).day();
}
int Hour(double date) {
    return timeOf(date).hour();
}
int Minute(double date) {
    return timeOf(date).minute();
}
int Second(double date) {
    return timeOf(date).second();
}

int Weekday(double date, int firstDayOfWeek) {
    const QDate d = dateOf(date);
    return d.isValid() ? daysIntoWeek(d, firstDayOfWeek) + 1 : 0;
}

int WeekOfYear(double date, int firstDayOfWeek) {
    const QDate d = dateOf(date);
    if (!d.isValid())
        return 0;
    const int offset = daysIntoWeek(QDate(d.year(), 1, 1), firstDayOfWeek);
    return (d.dayOfYear() - 1 + offset) / 7 + 1;
}

double Now() {
    return toSerial(QDateTime::currentDateTime());
}

double Date() {
    return toSerial(QDate::currentDate());
}

double CDate(const QString& text, bool* ok) {
    const QString t = text.simplified();
    if (t.isEmpty()) {
        setOk(ok, false);
        return 0;
    }
    if (const QDate d = parseDate(t); d.isValid())
        return joinDate(d, 0, ok);
    if (const QDateTime iso = QDateTime::fromString(t, Qt::ISODate); iso.isValid())
        return joinDate(iso.date(), iso.time().msecsSinceStartOfDay() / 1000, ok);
    if (const QTime time = parseTime(t); time.isValid()) {
        setOk(ok, true);
        return join(0, time.msecsSinceStartOfDay() / 1000);
    }
    // "date time": try every blank as the border between the two.
    for (qsizetype i = t.indexOf(u' '); i > 0; i = t.indexOf(u' ', i + 1)) {
        const QDate d = parseDate(t.left(i));
        const QTime time = parseTime(t.mid(i + 1));
        if (d.isValid() && time.isValid())
            return joinDate(d, time.msecsSinceStartOfDay() / 1000, ok);
    }
    setOk(ok, false);
    return 0;
}

double DateValue(const QString& text, bool* ok) {
    bool parsed = false;
    const double serial = CDate(text, &parsed);
    setOk(ok, parsed);
    return parsed ? std::trunc(serial) : 0;
}

double TimeValue(const QString& text, bool* ok) {
    bool parsed = false;
    const double serial = CDate(text, &parsed);
    setOk(ok, parsed);
    return parsed ? double(split(serial).second) / SecondsPerDay : 0;
}

} // namespace vb
