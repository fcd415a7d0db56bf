#include "schedule/fieldtimes.h"

#include "views/formats.h"

#include <algorithm>

namespace pny {
namespace {

constexpr std::size_t kKeyStart = 12;
constexpr std::size_t kKeyWidth = 5;

// A decimal integer with an optional sign, blanks anywhere ignored; nothing when the text is
// empty or holds anything else.
std::optional<int> readInteger(const std::string& text) {
    std::string digits;
    for (char c : text) {
        if (c != ' ')
            digits += c;
    }
    std::size_t i = 0;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '-' || digits[i] == '+')) {
        negative = digits[i] == '-';
        ++i;
    }
    if (i == digits.size() || digits.size() - i > 9)
        return std::nullopt;
    int value = 0;
    for (; i < digits.size(); ++i) {
        if (digits[i] < '0' || digits[i] > '9')
            return std::nullopt;
        value = value * 10 + (digits[i] - '0');
    }
    return negative ? -value : value;
}

std::string twoDigits(int value) {
    return zeroPad(value, 2);
}

std::string slice(const std::string& text, std::size_t from, std::size_t count) {
    return from < text.size() ? text.substr(from, count) : std::string();
}

}  // namespace

std::string slotFieldKey(const std::string& line) {
    return slice(line, kKeyStart, kKeyWidth);
}

bool slotIsForField(const std::string& line, const std::string& key) {
    return slotFieldKey(line) == key;
}

int slotCount(const SortedList& times, const std::string& key) {
    const auto& lines = times.lines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&key](const std::string& l) {
        return slotIsForField(l, key);
    }));
}

std::string slotLine(const QDate& date, const QTime& time, const std::string& key) {
    return zeroPad(date.year(), 4) + twoDigits(date.month()) + twoDigits(date.day()) +
           twoDigits(time.hour()) + twoDigits(time.minute()) + key;
}

std::string slotTimeText(const std::string& line) {
    const int hour = readInteger(slice(line, 8, 2)).value_or(0);
    const int minute = readInteger(slice(line, 10, 2)).value_or(0);
    const int shown = hour % 12 == 0 ? 12 : hour % 12;
    const std::string text =
        std::to_string(shown) + ":" + twoDigits(minute) + (hour < 12 ? "am" : "pm");
    return padLeft(text, 7);
}

std::vector<SlotRow> slotRows(const SortedList& times, const std::string& key) {
    std::vector<SlotRow> rows;
    for (int i = 0; i < times.size(); ++i) {
        const std::string& line = times.at(i);
        if (!slotIsForField(line, key))
            continue;
        rows.push_back(
            {i, slice(line, 0, 4), slice(line, 4, 2), slice(line, 6, 2), slotTimeText(line)});
    }
    return rows;
}

std::string normaliseHourBox(const std::string& text) {
    return padLeft(std::to_string(readInteger(text).value_or(0)), 2);
}

std::string normaliseMinuteBox(const std::string& text) {
    const int minute = readInteger(text).value_or(0);
    return minute >= 0 && minute < 10 ? "0" + std::to_string(minute) : std::to_string(minute);
}

std::optional<QTime> readSlotTime(const std::string& hour, const std::string& minute, bool pm) {
    const std::optional<int> h = readInteger(hour);
    const std::optional<int> m = readInteger(minute);
    if (!h || !m || *h < 1 || *h > 12 || *m < 0 || *m > 59)
        return std::nullopt;
    return QTime(*h % 12 + (pm ? 12 : 0), *m);
}

std::optional<QDate> readSlotDate(const std::string& year, const std::string& month,
                                  const std::string& day) {
    std::optional<int> y = readInteger(year);
    const std::optional<int> m = readInteger(month);
    const std::optional<int> d = readInteger(day);
    if (!y || !m || !d || *y < 0)
        return std::nullopt;
    if (*y < 100)
        *y += QDate::currentDate().year() / 100 * 100;
    const QDate date(*y, *m, *d);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

int weekdayItem(const QDate& date) {
    return date.dayOfWeek() % 7;
}

const char* slotErrorText(SlotError error) {
    switch (error) {
        case SlotError::BadDateTime:
            return "Enter Correct Date and Time";
        case SlotError::EndBeforeStart:
            return "Ending Date Before Starting";
        case SlotError::None:
            break;
    }
    return "";
}

SlotOutcome addSlots(SortedList& times, bool& changed, const SlotRequest& request,
                     const std::string& key, bool replaceCurrent, int& currentPosition) {
    SlotOutcome outcome;
    outcome.hourBox = normaliseHourBox(request.hour);
    outcome.minuteBox = normaliseMinuteBox(request.minute);
    outcome.weekday = request.weekday;

    const std::optional<QTime> time = readSlotTime(outcome.hourBox, outcome.minuteBox, request.pm);
    const std::optional<QDate> start =
        readSlotDate(request.startYear, request.startMonth, request.startDay);
    std::optional<QDate> end;
    if (start) {
        if (request.every) {
            end = readSlotDate(request.endYear, request.endMonth, request.endDay);
        } else {
            outcome.weekday = weekdayItem(*start);
            end = start;
        }
    }
    if (!time || !start || !end) {
        outcome.error = SlotError::BadDateTime;
        return outcome;
    }
    if (*end < *start) {
        outcome.error = SlotError::EndBeforeStart;
        return outcome;
    }

    if (replaceCurrent && currentPosition >= 0 && currentPosition < times.size())
        times.removeAt(currentPosition);
    std::string last;
    for (QDate date = *end; date >= *start; date = date.addDays(-1)) {
        if (weekdayItem(date) != outcome.weekday)
            continue;
        last = slotLine(date, *time, key);
        if (times.insert(last))
            ++outcome.added;
    }
    if (!last.empty())
        currentPosition = slotPosition(times, last);
    changed = true;
    return outcome;
}

bool removeSlot(SortedList& times, bool& changed, int position) {
    if (position < 0 || position >= times.size())
        return false;
    times.removeAt(position);
    changed = true;
    return true;
}

void clearSlots(SortedList& times, bool& changed) {
    times.clear();
    changed = true;
}

int slotPosition(const SortedList& times, const std::string& line) {
    const auto& lines = times.lines();
    const auto it = std::find(lines.begin(), lines.end(), line);
    return it == lines.end() ? -1 : static_cast<int>(it - lines.begin());
}

SlotBoxes boxesOfRow(const SlotRow& row) {
    SlotBoxes boxes;
    boxes.year = row.year;
    boxes.month = row.month;
    boxes.day = row.day;
    boxes.hour = slice(row.time, 0, 2);
    boxes.minute = slice(row.time, 3, 2);
    boxes.pm = slice(row.time, 5, 1) != "a";
    if (const std::optional<QDate> date = readSlotDate(row.year, row.month, row.day))
        boxes.weekday = weekdayItem(*date);
    return boxes;
}

std::string lineOfBoxes(const SlotBoxes& boxes, const std::string& key) {
    const std::optional<QTime> time = readSlotTime(boxes.hour, boxes.minute, boxes.pm);
    if (!time)
        return {};
    return boxes.year + boxes.month + boxes.day + twoDigits(time->hour()) +
           twoDigits(time->minute()) + key;
}

}  // namespace pny
