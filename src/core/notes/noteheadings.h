#pragma once

#include <array>
#include <optional>
#include <string>

namespace pny {

class Store;

// What the notes editor is opened on: a heading, whose first letter names the kind of item, and
// the item's index. Both in the code page; the heading is cut to 80 characters and the reference
// to 5. An empty reference means there is no item to open.
struct NoteTarget {
    std::string heading;
    std::string reference;
};

// Cuts a heading and a reference to their widths.
NoteTarget noteTarget(const std::string& heading, const std::string& reference);

// The current team of the Teams tab: "TEAM: " and its name, the league's current team.
NoteTarget teamNoteTarget(const Store& store);
// The current player of the player tabs: "PLAYER:" and his name, the team's current player.
NoteTarget playerNoteTarget(const Store& store);

// The items of a game that carry notes, in the order the choice dialog lists them.
enum class GameNoteChoice { Field, Game, HomeTeam, AwayTeam, Umpire1, Umpire2, Umpire3, Umpire4 };
constexpr int kGameNoteChoices = 8;

// The lines that name the items of the current game: number, a blank and name of its field, its
// teams and its umpires (a lone blank for one it lacks), and its date line.
struct GameNoteLines {
    std::string field;
    std::string home;
    std::string away;
    std::array<std::string, 4> umpires;
    std::string date;  // "Sat 5-11 at 7:30 pm"
    // Set instead of the date when the game's stored date and time are not valid (an empty
    // schedule): "'// :' is not a valid date and time".
    std::optional<std::string> dateError;
};

// Builds the lines of the current game (the game buffer) by reading its field, home team, away
// team and umpires into the store's buffers one after the other, and then reads the league's
// current team back into the team buffer. Expects the teams, games, fields and umpires lists of
// the current league to be loaded.
GameNoteLines readGameNoteLines(Store& store);

// The heading and reference of one item of the current game.
NoteTarget gameNoteTarget(const Store& store, const GameNoteLines& lines, GameNoteChoice choice);

}  // namespace pny
