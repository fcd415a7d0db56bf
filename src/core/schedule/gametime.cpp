#include "schedule/gametime.h"

#include "store/codepage.h"

#include <QLocale>

namespace pny {
namespace {

// Characters `from` (1-based) to `to` of a text, as far as it reaches.
std::string slice(const std::string& text, std::size_t from, std::size_t to) {
    if (text.size() < from)
        return {};
    return text.substr(from - 1, to - from + 1);
}

bool readDigits(const std::string& text, int& value) {
    if (text.empty())
        return false;
    value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

int hour12(int hour) {
    const int h = hour % 12;
    return h == 0 ? 12 : h;
}

std::string twoDigits(int value) {
    return (value < 10 ? "0" : "") + std::to_string(value);
}

}  // namespace

std::string dateTimeText(const std::string& date, const std::string& time) {
    return slice(date, 1, 4) + "/" + slice(date, 5, 6) + "/" + slice(date, 7, 8) + " " +
           slice(time, 1, 2) + ":" + slice(time, 3, 4);
}

std::optional<QDateTime> readGameDateTime(const std::string& date, const std::string& time) {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    if (!readDigits(slice(date, 1, 4), year) || !readDigits(slice(date, 5, 6), month) ||
        !readDigits(slice(date, 7, 8), day) || !readDigits(slice(time, 1, 2), hour) ||
        !readDigits(slice(time, 3, 4), minute)) {
        return std::nullopt;
    }
    const QDate d(year, month, day);
    const QTime t(hour, minute);
    if (!d.isValid() || !t.isValid())
        return std::nullopt;
    return QDateTime(d, t);
}

std::string invalidDateTimeMessage(const std::string& date, const std::string& time) {
    return "'" + dateTimeText(date, time) + "' is not a valid date and time";
}

std::string weekdayName(const QDate& date) {
    std::string bytes;
    const QString name = QLocale().dayName(date.dayOfWeek(), QLocale::ShortFormat);
    if (!toCodePage(name, bytes))
        return name.toLatin1().toStdString();
    return bytes;
}

std::string monthDayText(const QDate& date) {
    return std::to_string(date.month()) + "-" + std::to_string(date.day());
}

std::string scheduleTimeText(const QTime& time) {
    return std::to_string(hour12(time.hour())) + ":" + twoDigits(time.minute()) +
           (time.hour() < 12 ? " a" : " p");
}

std::string noteTimeText(const QTime& time) {
    return std::to_string(hour12(time.hour())) + ":" + twoDigits(time.minute()) +
           (time.hour() < 12 ? " am" : " pm");
}

std::string noteDateLine(const QDateTime& moment) {
    return weekdayName(moment.date()) + " " + monthDayText(moment.date()) + " at " +
           noteTimeText(moment.time());
}

}  // namespace pny
