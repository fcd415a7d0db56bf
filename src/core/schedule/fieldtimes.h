#pragma once

#include "store/sortedlist.h"

#include <QDate>
#include <QTime>

#include <optional>
#include <string>
#include <vector>

namespace pny {

// The time slots at which the league's fields are free. A slot is one line of the times list:
// "yyyymmddhhnn" followed by the field's index (its line in the fields list) without padding,
// for example "199606151830" + "3". The list is kept sorted, so slots come in date and time order
// and slots at the same moment in the order of their field keys as text ("12" before "3").

// The field key of a slot: characters 13 to 17, fewer when the line is shorter.
std::string slotFieldKey(const std::string& line);
// True when the slot belongs to the field `key` (compared as text: key 1 does not match 12).
bool slotIsForField(const std::string& line, const std::string& key);
// The number of slots of one field.
int slotCount(const SortedList& times, const std::string& key);
// The line of a slot.
std::string slotLine(const QDate& date, const QTime& time, const std::string& key);

// The time of a slot as the availability grid shows it: "h:nnam" or "h:nnpm", right-justified in
// 7 characters (" 6:30pm", "12:00pm").
std::string slotTimeText(const std::string& line);

// One row of the availability grid: the slot's position in the times list, its year, month and
// day, and its time text.
struct SlotRow {
    int position = 0;
    std::string year, month, day, time;
};
std::vector<SlotRow> slotRows(const SortedList& times, const std::string& key);

// The hour box as it is written back: blanks removed, read as a decimal integer (0 when it is
// not one), right-justified in 2 characters ("6" becomes " 6").
std::string normaliseHourBox(const std::string& text);
// The minute box as it is written back: 2 digits with a leading zero ("5" becomes "05").
std::string normaliseMinuteBox(const std::string& text);

// The time of the (normalised) hour and minute boxes on the 12-hour clock: hour 1 to 12, minute
// 0 to 59; 12 am is midnight, 12 pm noon. Nothing when they are out of range.
std::optional<QTime> readSlotTime(const std::string& hour, const std::string& minute, bool pm);
// A calendar date typed as year, month and day; a year below 100 is taken in the current century.
std::optional<QDate> readSlotDate(const std::string& year, const std::string& month,
                                  const std::string& day);

// Weekday list items: 0 Sunday to 6 Saturday.
int weekdayItem(const QDate& date);

// What the availability dialog's Add Time and Change Time read from their boxes.
struct SlotRequest {
    std::string startYear, startMonth, startDay;
    std::string hour, minute;
    bool pm = true;
    bool every = false;  // "Games Every" rather than "Single Game"
    int weekday = 1;     // the weekday list's item
    std::string endYear, endMonth, endDay;
};

enum class SlotError { None, BadDateTime, EndBeforeStart };

struct SlotOutcome {
    SlotError error = SlotError::None;
    std::string hourBox;    // the normalised hour box
    std::string minuteBox;  // the normalised minute box
    int weekday = 1;        // what the weekday list shows afterwards
    int added = 0;          // lines that were not there before
};

// The text of a slot error ("Enter Correct Date and Time", "Ending Date Before Starting").
const char* slotErrorText(SlotError error);

// Add Time (replaceCurrent false) and Change Time (true): on valid boxes, Change Time first
// removes the slot at `currentPosition`; then every date from the end date back to the start date
// that falls on the chosen weekday gets a slot, and `currentPosition` ends on the last one handled,
// the earliest. A single game is a series of one day. `changed` is set unless the boxes are
// wrong, even when no date of the range fell on the weekday.
SlotOutcome addSlots(SortedList& times, bool& changed, const SlotRequest& request,
                     const std::string& key, bool replaceCurrent, int& currentPosition);

// Delete Time: removes the slot at `position`; false when there is none there.
bool removeSlot(SortedList& times, bool& changed, int position);

// Reset All: removes every slot of every field, listed or not.
void clearSlots(SortedList& times, bool& changed);

// The position of an exact line, or -1.
int slotPosition(const SortedList& times, const std::string& line);

// The boxes a grid row fills: start date, hour (characters 1-2 of the time text), minute
// (characters 4-5) and am/pm (character 6), and the slot line rebuilt from them.
struct SlotBoxes {
    std::string year, month, day, hour, minute;
    bool pm = true;
    int weekday = -1;  // of the date; -1 when the row holds no date
};
SlotBoxes boxesOfRow(const SlotRow& row);
// The slot line those boxes stand for under field `key`, or empty when they form no time.
std::string lineOfBoxes(const SlotBoxes& boxes, const std::string& key);

}  // namespace pny
