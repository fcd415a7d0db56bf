#include "notes/noteheadings.h"

#include "schedule/gametime.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace pny {
namespace {

constexpr std::size_t kHeadingWidth = 80;
constexpr std::size_t kReferenceWidth = 5;

std::string numberAndName(const NamedRecord& record) {
    return record.number + " " + record.name;
}

std::string numberAndName(const TeamRecord& record) {
    return record.number + " " + record.name;
}

}  // namespace

NoteTarget noteTarget(const std::string& heading, const std::string& reference) {
    return {cutTo(heading, kHeadingWidth), cutTo(reference, kReferenceWidth)};
}

NoteTarget teamNoteTarget(const Store& store) {
    return noteTarget("TEAM: " + store.team.name, store.league.currentTeam);
}

NoteTarget playerNoteTarget(const Store& store) {
    return noteTarget("PLAYER:" + store.player.name, store.team.currentPlayer);
}

GameNoteLines readGameNoteLines(Store& store) {
    GameNoteLines lines;
    const GameRecord& game = store.game;
    store.readField(toNumber(game.field));
    lines.field = numberAndName(store.field);
    store.readTeam(toNumber(game.home));
    lines.home = numberAndName(store.team);
    store.readTeam(toNumber(game.away));
    lines.away = numberAndName(store.team);
    for (std::size_t i = 0; i < lines.umpires.size(); ++i) {
        store.readUmpire(toNumber(game.umpires[i]));
        lines.umpires[i] = numberAndName(store.umpire);
    }
    if (const auto moment = readGameDateTime(game.date, game.time))
        lines.date = noteDateLine(*moment);
    else
        lines.dateError = invalidDateTimeMessage(game.date, game.time);
    // The team buffer held the game's teams: give it back its current team.
    store.readTeam(toNumber(store.league.currentTeam));
    return lines;
}

NoteTarget gameNoteTarget(const Store& store, const GameNoteLines& lines, GameNoteChoice choice) {
    const GameRecord& game = store.game;
    switch (choice) {
        case GameNoteChoice::Field:
            return noteTarget("Field: " + lines.field, game.field);
        case GameNoteChoice::Game:
            return noteTarget("Game: " + lines.home + " vs " + lines.away + "  " + lines.date +
                                  " at " + lines.field,
                              store.league.currentGame);
        case GameNoteChoice::HomeTeam:
            return noteTarget("Team: " + lines.home, game.home);
        case GameNoteChoice::AwayTeam:
            return noteTarget("Team: " + lines.away, game.away);
        case GameNoteChoice::Umpire1:
        case GameNoteChoice::Umpire2:
        case GameNoteChoice::Umpire3:
        case GameNoteChoice::Umpire4: {
            const auto i = static_cast<std::size_t>(static_cast<int>(choice) -
                                                    static_cast<int>(GameNoteChoice::Umpire1));
            return noteTarget("Umpire: " + lines.umpires[i], game.umpires[i]);
        }
    }
    return {};
}

}  // namespace pny
