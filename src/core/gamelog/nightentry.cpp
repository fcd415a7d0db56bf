#include "gamelog/nightentry.h"

#include "entry/playerentry.h"
#include "gamelog/gamelog.h"
#include "gamelog/logbaseline.h"
#include "gamelog/nightdecisions.h"
#include "gamelog/nightnames.h"
#include "gamelog/totalsarithmetic.h"
#include "schedule/gameentry.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <map>

namespace pny {
namespace {

// A player's lines of a night, by player line.
using Lines = std::map<int, StatValues>;

Lines linesOf(const BoxScoreTeam& side) {
    Lines out;
    for (const BoxScoreLine& line : side.lines) {
        StatValues& values = out[line.player];
        for (std::size_t s = 0; s < values.size(); ++s)
            values[s] += line.values[s];
    }
    return out;
}

// The results a night gives a team: one win, loss or tie once both scores are in.
TeamResults resultsOf(const BoxScoreTeam& side, const BoxScoreTeam& other) {
    TeamResults r;
    if (!side.score || !other.score)
        return r;
    if (*side.score > *other.score)
        r.won = 1;
    else if (*side.score < *other.score)
        r.lost = 1;
    else
        r.tied = 1;
    return r;
}

std::string scoreText(const std::optional<long long>& score) {
    return score ? numberText(*score) : std::string();
}

// What a change does to one team: the difference between the night as it stood (`from`) and as
// it becomes (`to`); either may be absent (a new night, a removal).
struct SideChange {
    int team = 0;
    int opponent = 0;
    Lines lines;  // the differences, by player
    TeamResults results;
    std::string score;  // the typed score the night now has
};

SideChange sideChange(const BoxScoreTeam* from, const BoxScoreTeam* fromOther,
                      const BoxScoreTeam* to, const BoxScoreTeam* toOther) {
    SideChange change;
    change.team = to ? to->team : from->team;
    change.opponent = to ? toOther->team : fromOther->team;
    if (to) {
        change.lines = linesOf(*to);
        change.results = resultsOf(*to, *toOther);
        change.score = scoreText(to->score);
    }
    if (from) {
        for (const auto& [player, values] : linesOf(*from)) {
            StatValues& diff = change.lines[player];
            for (std::size_t s = 0; s < diff.size(); ++s)
                diff[s] -= values[s];
        }
        const TeamResults before = resultsOf(*from, *fromOther);
        change.results.won -= before.won;
        change.results.lost -= before.lost;
        change.results.tied -= before.tied;
    }
    for (auto it = change.lines.begin(); it != change.lines.end();) {
        if (isZero(it->second))
            it = change.lines.erase(it);
        else
            ++it;
    }
    return change;
}

QString nameOf(const std::string& bytes) {
    return fromCodePage(bytes).trimmed();
}

// The store's selection, put back once a night has gone through both teams.
class SelectionKeeper {
public:
    explicit SelectionKeeper(Store& store) : store_(store), team_(store.league.currentTeam) {}
    ~SelectionKeeper() {
        store_.league.currentTeam = team_;
        store_.readTeam(toNumber(team_));
        store_.ensurePlayers();
        store_.readPlayer(toNumber(store_.team.currentPlayer));
        store_.readGame(toNumber(store_.league.currentGame));
    }
    SelectionKeeper(const SelectionKeeper&) = delete;
    SelectionKeeper& operator=(const SelectionKeeper&) = delete;

private:
    Store& store_;
    std::string team_;
};

// Loads a team's players into the store. False with the reason when that cannot be done.
bool loadTeam(Store& store, int team, QString& refusal) {
    if (!store.teams.isValidRecord(team) ||
        !TeamRecord::parse(store.teams.line(team)).flag.empty()) {
        refusal = QStringLiteral("Team line %1 is not a team of this league.").arg(team);
        return false;
    }
    store.league.currentTeam = numberText(team);
    store.readTeam(team);
    if (!store.ensurePlayers() || store.players.unreadable()) {
        refusal = QStringLiteral("The players of %1 cannot be read, so nothing was added.")
                      .arg(nameOf(store.team.name));
        return false;
    }
    return true;
}

// A planned change of the store, worked out in full before anything is written.
struct Plan {
    struct TeamPart {
        SideChange change;
        std::map<int, PlayerRecord> players;  // the new records
        std::vector<LogLine> baselines;       // the players' totals not yet in the log
        TeamRecord record;                    // the new team record
        LogLine baselineTeam;                 // its results not yet in the log (team 0: none)
    };
    TeamPart home;
    TeamPart away;
};

bool planSide(Store& store, const GameLog& log, Plan::TeamPart& part, QString& refusal) {
    if (!loadTeam(store, part.change.team, refusal))
        return false;
    const TeamRecord team = store.team;
    for (const auto& [line, values] : part.change.lines) {
        if (!store.players.isValidRecord(line)) {
            refusal = QStringLiteral("Player line %1 is not a player of %2.")
                          .arg(line)
                          .arg(nameOf(team.name));
            return false;
        }
        const PlayerRecord before = PlayerRecord::parse(store.players.line(line));
        PlayerRecord after;
        refusal = addToTotals(before, values, after);
        if (!refusal.isEmpty()) {
            refusal =
                QStringLiteral("%1 (%2): %3").arg(nameOf(before.name), nameOf(team.name), refusal);
            return false;
        }
        part.players[line] = after;
        LogLine baseline;
        if (playerBaseline(log, part.change.team, line, before, baseline))
            part.baselines.push_back(baseline);
    }
    refusal = addTeamResults(team, part.change.results, part.record);
    if (!refusal.isEmpty()) {
        refusal = QStringLiteral("%1: %2").arg(nameOf(team.name), refusal);
        return false;
    }
    teamBaseline(log, part.change.team, team, part.baselineTeam);
    return true;
}

void writeSide(Store& store, const Plan::TeamPart& part) {
    QString ignored;
    loadTeam(store, part.change.team, ignored);
    for (const auto& [line, record] : part.players)
        store.players.setLine(line, record.build());
    if (!part.players.empty())
        store.changed.players = true;
    store.teams.setLine(part.change.team, part.record.build());
    store.changed.teams = true;
}

LogLine teamLine(const SideChange& change, const std::string& scoreBefore) {
    LogLine line;
    line.team = change.team;
    line.opponent = change.opponent;
    line.won = change.results.won;
    line.lost = change.results.lost;
    line.tied = change.results.tied;
    line.score = change.score;
    line.scoreBefore = scoreBefore;
    return line;
}

// The score a night found in its game before it was first added, home and away.
std::pair<std::string, std::string> originalScores(const GameLog& log, int night) {
    std::pair<std::string, std::string> scores;
    bool home = true;
    for (const LogLine* line : log.entryLines(night)) {
        if (!line->isTeamLine())
            continue;
        (home ? scores.first : scores.second) = line->scoreBefore;
        home = false;
    }
    return scores;
}

// What a recovery says when it completes the night's commit after a crash: the game, the day and
// the score, so that nobody types the night in again.
QString recoveryNote(const Store& store, const Night& night, LogKind kind) {
    const QString what = kind == LogKind::Change    ? QStringLiteral("change of the night")
                         : kind == LogKind::Removal ? QStringLiteral("removal of the night")
                                                    : QStringLiteral("night");
    const QString game = night.game > 0 ? QStringLiteral(" of game %1").arg(night.game) : QString();
    const QString date = QString::fromStdString(night.date);
    const QString day = date.size() == 8 ? date.left(4) + QLatin1Char('-') + date.mid(4, 2) +
                                               QLatin1Char('-') + date.mid(6)
                                         : date;
    return QStringLiteral("An interrupted save of the %1%2 on %3 (%4, %5) was completed")
        .arg(what, game, day, teamAndScore(store, night.home), teamAndScore(store, night.away));
}

NightOutcome applyChange(Store& store, const Night* from, const Night* to, LogKind kind,
                         int corrects) {
    NightOutcome out;
    if (!store.ensureTeams() || !store.ensureGames()) {
        out.refusal = QStringLiteral("The league's teams or games cannot be read.");
        return out;
    }
    GameLog log;
    if (!log.read(store, out.refusal))
        return out;
    const Night& night = to ? *to : *from;
    if (night.home.team == night.away.team) {
        out.refusal = QStringLiteral("A night needs two different teams.");
        return out;
    }
    if (to) {
        const std::vector<DecisionClash> clashes = decisionClashes(store, *to);
        if (!clashes.empty()) {
            out.refusal = clashes.front().text;
            return out;
        }
    }
    // The schedule's game takes the night's score. A past night whose game was since deleted or
    // given other teams is changed or removed all the same; only its game is left alone.
    GameRecord game;
    bool touchGame = false;
    if (night.game != 0) {
        if (!from && nightOfGame(log, night.game) != 0) {
            out.refusal = QStringLiteral(
                "This game's night is already in the game log; open it to change it.");
            return out;
        }
        game = GameRecord::parse(store.games.line(night.game));
        touchGame = store.games.isValidRecord(night.game) && game.flag.empty() &&
                    toNumber(game.home) == night.home.team &&
                    toNumber(game.away) == night.away.team;
        if (!touchGame && !from) {
            out.refusal =
                store.games.isValidRecord(night.game) && game.flag.empty()
                    ? QStringLiteral("The game's teams are not the night's teams.")
                    : QStringLiteral("Game line %1 is not in the schedule.").arg(night.game);
            return out;
        }
    }

    Plan plan;
    plan.home.change = sideChange(from ? &from->home : nullptr, from ? &from->away : nullptr,
                                  to ? &to->home : nullptr, to ? &to->away : nullptr);
    plan.away.change = sideChange(from ? &from->away : nullptr, from ? &from->home : nullptr,
                                  to ? &to->away : nullptr, to ? &to->home : nullptr);
    {
        SelectionKeeper keeper(store);
        if (!planSide(store, log, plan.home, out.refusal) ||
            !planSide(store, log, plan.away, out.refusal)) {
            return out;
        }
        writeSide(store, plan.home);
        writeSide(store, plan.away);
    }

    // The game's score: the night's when it is finished; otherwise, for a change or a removal,
    // what the game held before the night was added.
    const std::pair<std::string, std::string> before{game.homeScore, game.awayScore};
    if (touchGame) {
        bool write = false;
        if (to && to->finished()) {
            const GameScores scores =
                gameScores(scoreText(to->home.score), scoreText(to->away.score));
            game.homeScore = scores.home;
            game.awayScore = scores.away;
            write = true;
        } else if (from) {
            const auto original = originalScores(log, corrects);
            game.homeScore = original.first;
            game.awayScore = original.second;
            write = true;
        }
        if (write) {
            store.games.setLine(night.game, game.build());
            store.changed.games = true;
            store.readGame(toNumber(store.league.currentGame));
        }
    }

    // The log: first what it lacked of the totals, then the entry itself.
    std::vector<LogLine> baselines;
    for (const Plan::TeamPart* part : {&plan.home, &plan.away}) {
        if (part->baselineTeam.team != 0)
            baselines.push_back(part->baselineTeam);
        baselines.insert(baselines.end(), part->baselines.begin(), part->baselines.end());
    }
    if (!baselines.empty()) {
        const int entry = log.nextEntry();
        for (LogLine line : baselines) {
            line.entry = entry;
            line.kind = LogKind::Before;
            log.append(line);
        }
    }
    out.entry = log.nextEntry();
    const std::string* scoresBefore[] = {&before.first, &before.second};
    int side = 0;
    for (const Plan::TeamPart* part : {&plan.home, &plan.away}) {
        LogLine team = teamLine(part->change, *scoresBefore[side++]);
        team.entry = out.entry;
        team.kind = kind;
        team.corrects = corrects;
        team.date = night.date;
        team.time = night.time;
        team.game = night.game;
        log.append(team);
        for (const auto& [player, values] : part->change.lines) {
            LogLine line = team;
            line.player = player;
            line.values = values;
            line.won = line.lost = line.tied = 0;
            line.score.clear();
            line.scoreBefore.clear();
            log.append(line);
        }
    }
    store.stageFile(GameLog::pathOf(store), log.fileLines());
    store.setRecoveryNote(recoveryNote(store, night, kind));
    out.accepted = true;
    return out;
}

}  // namespace

NightOutcome addNight(Store& store, const Night& night) {
    return applyChange(store, nullptr, &night, LogKind::Night, 0);
}

NightOutcome changeNight(Store& store, int night, const Night& corrected) {
    NightOutcome out;
    GameLog log;
    if (!log.read(store, out.refusal))
        return out;
    const std::optional<Night> current = nightOf(log, night);
    if (!current) {
        out.refusal = QStringLiteral("Night %1 is not in the game log.").arg(night);
        return out;
    }
    Night target = corrected;
    // A change keeps the night's game, date and teams.
    target.date = current->date;
    target.time = current->time;
    target.game = current->game;
    target.home.team = current->home.team;
    target.away.team = current->away.team;
    return applyChange(store, &*current, &target, LogKind::Change, night);
}

NightOutcome removeNight(Store& store, int night) {
    NightOutcome out;
    GameLog log;
    if (!log.read(store, out.refusal))
        return out;
    const std::optional<Night> current = nightOf(log, night);
    if (!current) {
        out.refusal = QStringLiteral("Night %1 is not in the game log.").arg(night);
        return out;
    }
    return applyChange(store, &*current, nullptr, LogKind::Removal, night);
}

}  // namespace pny
