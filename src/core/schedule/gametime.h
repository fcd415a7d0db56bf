#pragma once

#include <QDateTime>

#include <optional>
#include <string>

namespace pny {

// The "yyyy/mm/dd hh:nn" text of a stored date ("yyyymmdd") and time ("hhnn"), character by
// character, as it is read back and as the error message quotes it.
std::string dateTimeText(const std::string& date, const std::string& time);

// The moment of a stored date and time, or nothing when they do not form a valid one.
std::optional<QDateTime> readGameDateTime(const std::string& date, const std::string& time);

// "'1996/13/01 18:30' is not a valid date and time"
std::string invalidDateTimeMessage(const std::string& date, const std::string& time);

// The abbreviated weekday name in the user's language, in the code page ("Sat").
std::string weekdayName(const QDate& date);
// Month and day without leading zeros: "6-15".
std::string monthDayText(const QDate& date);
// The 12-hour time of the schedule view: "6:30 p", "12:15 a".
std::string scheduleTimeText(const QTime& time);
// The 12-hour time of the notes: "7:30 pm".
std::string noteTimeText(const QTime& time);
// The date line of a game's notes: "Sat 5-11 at 7:30 pm".
std::string noteDateLine(const QDateTime& moment);

}  // namespace pny
