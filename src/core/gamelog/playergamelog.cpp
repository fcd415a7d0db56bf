#include "gamelog/playergamelog.h"

#include "gamelog/boxscorecolumns.h"
#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "gamelog/logtable.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "views/formats.h"
#include "views/playerstats.h"

namespace pny {
namespace {

// The season-to-date columns after the night's line: counts, then the rates they make.
enum RunningColumn { RunAB, RunH, RunHR, RunRBI, RunAvg, RunSlg, RunOBP, RunIP, RunER, RunERA };
const char* const kRunningHeaders[] = {" Tot AB", " Tot H", " Tot HR", " Tot RBI", " Avg",
                                       " Slg",    " OB%",   " Tot IP", " Tot ER",  " ERA"};

// "yyyymmdd" as " yyyy-mm-dd"; anything else as stored.
std::string dateText(const std::string& date) {
    if (date.size() != 8)
        return date.empty() ? std::string() : ' ' + date;
    return ' ' + date.substr(0, 4) + '-' + date.substr(4, 2) + '-' + date.substr(6, 2);
}

std::string teamName(const Store& store, int team) {
    if (!store.teams.isValidRecord(team))
        return {};
    return ' ' + TeamRecord::parse(store.teams.line(team)).name;
}

// The night a row belongs to: its own entry, or the night a change or removal corrects.
int nightOfLine(const LogLine& line) {
    if (line.kind == LogKind::Night)
        return line.entry;
    if (line.kind == LogKind::Change || line.kind == LogKind::Removal)
        return line.corrects;
    return 0;
}

std::vector<std::string> runningTexts(const StatValues& sums, long long inningsPerGame) {
    const DerivedTexts derived = deriveStats(sums, inningsPerGame);
    // Innings shown as the totals row shows them: thirds carried into innings.
    const long long outs = 3 * sums[StatIP] + sums[StatIP3];
    std::vector<std::string> texts(std::size(kRunningHeaders));
    texts[RunAB] = derived[DerivedAB];
    texts[RunH] = derived[DerivedH];
    texts[RunHR] = formatCount(sums[StatHR]);
    texts[RunRBI] = formatCount(sums[StatRBI]);
    texts[RunAvg] = derived[DerivedAvg];
    texts[RunSlg] = derived[DerivedSlg];
    texts[RunOBP] = derived[DerivedOBP];
    texts[RunIP] = formatInnings(outs / 3, outs % 3);
    texts[RunER] = formatCount(sums[StatER]);
    texts[RunERA] = derived[DerivedERA];
    return texts;
}

}  // namespace

ViewGrid playerGameLog(const Store& store, const GameLog& log, int team, int player) {
    const std::vector<BoxScoreColumn> columns = boxScoreColumns(store.league);
    const long long innings = inningsPerGame(store.league.innings);

    ViewGrid grid;
    grid.headers = {"", " Date", " Opponent", " Entry"};
    for (const BoxScoreColumn& column : columns)
        grid.headers.push_back(' ' + column.caption);
    for (const char* header : kRunningHeaders)
        grid.headers.push_back(header);
    grid.wideColumns = {2};

    std::string playerName;
    std::vector<std::string> players;
    QString error;
    if (store.teamPlayerLines(team, players, error) && player >= 1 &&
        player < static_cast<int>(players.size())) {
        playerName = PlayerRecord::parse(players[static_cast<std::size_t>(player)]).name;
    }
    grid.caption = playerName + (playerName.empty() ? "" : " ") + "Game Log" +
                   (store.teams.isValidRecord(team) ? " -" + teamName(store, team) : "");

    StatValues sums{};
    for (const LogLine& line : log.lines()) {
        if (line.team != team || line.player != player || line.isTeamLine())
            continue;
        for (std::size_t s = 0; s < sums.size(); ++s)
            sums[s] += line.values[s];
        std::vector<std::string> row;
        row.reserve(grid.headers.size());
        const int night = nightOfLine(line);
        row.push_back(night > 0 ? numberText(night) : std::string());
        row.push_back(dateText(line.date));
        row.push_back(line.opponent > 0 ? teamName(store, line.opponent) : std::string());
        row.push_back(' ' + std::string(logKindName(static_cast<char>(line.kind))));
        for (const BoxScoreColumn& column : columns)
            row.push_back(formatCount(line.values[column.stat]));
        for (std::string& text : runningTexts(sums, innings))
            row.push_back(std::move(text));
        grid.rows.push_back(std::move(row));
    }

    // The totals row: what the log adds up to, which is the player's totals.
    std::vector<std::string> totals{"", "", " Totals", ""};
    StatValues carried = sums;
    if (carried[StatIP3] > 2) {
        carried[StatIP] += carried[StatIP3] / 3;
        carried[StatIP3] %= 3;
    }
    for (const BoxScoreColumn& column : columns)
        totals.push_back(formatCount(carried[column.stat]));
    for (std::string& text : runningTexts(sums, innings))
        totals.push_back(std::move(text));
    grid.rows.push_back(std::move(totals));
    return grid;
}

}  // namespace pny
