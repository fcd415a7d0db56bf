#pragma once

#include "store/sortedlist.h"

#include <QString>

#include <string>
#include <vector>

namespace pny {

class Store;

// The round-robin schedule generator: one game for every time slot of the league's times list,
// in list order, the pairs taken from the pairing table of the number of active teams and run
// through again, home and away reversed on every second pass, when there are more slots.

// The team order: one entry per active team, its No. right-justified in 5 characters followed by
// its index; sorted, so that position p (from 1) is team p of the pairing tables.
SortedList buildTeamOrder(const Store& store);
// The team index of a team order entry.
std::string teamIndexOfEntry(const std::string& entry);

// The field list: one entry per active field, its No. right-justified in 5 characters, its index
// left-justified in 5 and its name; sorted, in effect by No.
SortedList buildFieldList(const Store& store);

// One row of the field selection grid.
struct FieldRow {
    std::string index;   // the field's index, the hidden column
    std::string number;  // the No., right-justified in 5 characters
    std::string name;
    int timeSlots = 0;  // slots of this field in the times list
};
std::vector<FieldRow> fieldRows(const SortedList& fieldList, const SortedList& times);

// The confirmation asked before anything else.
QString generateConfirmation(int fields, int teams);

// Why a schedule cannot be made: empty when it can.
QString generateCheck(int fields, int teams);

// Appends one game per slot of the times list through Store::addGame. Returns the number of
// games added; none when the team count has no pairing table.
int generateGames(Store& store, const SortedList& teamOrder);

// How many of the games generateGames would add are in the schedule already (same date, time,
// field and teams, not deleted): a schedule generated twice doubles every game.
int countRepeatedGames(const Store& store, const SortedList& teamOrder);
// "3 of the 15 games to be added are already in the schedule, with the same date, time, field
// and teams."
QString repeatedGamesMessage(int repeated, int planned);

// A team given two or more games at one date and time.
struct DoubleBooking {
    std::string date;  // yyyymmdd
    std::string time;  // hhnn
    std::string team;  // the team's index
    int games = 0;
};

// Every team booked more than once at the same date and time, where at least one of the games is
// one of those from `firstNewGame` on. Deleted games do not count. Ordered by date, time and team
// index.
std::vector<DoubleBooking> findDoubleBookings(const Store& store, int firstNewGame);

// "1996/06/15 6:30 pm: team 2 Tigers has 2 games", in the code page.
std::string doubleBookingText(const Store& store, const DoubleBooking& booking);

}  // namespace pny
