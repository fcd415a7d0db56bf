#include "gamelog/logtable.h"

#include "gamelog/boxscorecolumns.h"
#include "gamelog/gamelog.h"
#include "store/linecodec.h"
#include "store/store.h"

namespace pny {
namespace {

std::string valueText(long long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

std::string indexText(int index) {
    return index == 0 ? std::string() : std::to_string(index);
}

}  // namespace

const char* logKindName(char kind) {
    switch (kind) {
        case 'B':
            return "Before the log";
        case 'N':
            return "Night";
        case 'E':
            return "Entry";
        case 'T':
            return "Totals typed";
        case 'C':
            return "Change";
        case 'R':
            return "Removal";
        default:
            return "";
    }
}

ViewGrid gameLogTable(const Store& store, const GameLog& log, int team, int player) {
    ViewGrid grid;
    const std::vector<BoxScoreColumn> columns = boxScoreColumns(store.league);
    grid.headers = {"Entry", "What", "Corrects", "Date", "Time",
                    "Game",  "Team", "Opponent", "No",   "Name"};
    for (const BoxScoreColumn& column : columns)
        grid.headers.push_back(column.caption);
    for (const char* header : {"W", "L", "T", "Score"})
        grid.headers.emplace_back(header);

    std::vector<std::string> players;
    QString error;
    store.teamPlayerLines(team, players, error);
    const auto teamName = [&store](int line) {
        return line == 0 ? std::string() : TeamRecord::parse(store.teams.line(line)).name;
    };
    for (const LogLine& line : log.lines()) {
        if (line.team != team || (player > 0 && line.player != player))
            continue;
        std::vector<std::string> row = {std::to_string(line.entry),
                                        logKindName(static_cast<char>(line.kind)),
                                        indexText(line.corrects),
                                        line.date,
                                        line.time,
                                        indexText(line.game),
                                        teamName(line.team),
                                        teamName(line.opponent)};
        if (line.isTeamLine()) {
            row.insert(row.end(), {"", ""});
            row.insert(row.end(), columns.size(), std::string());
            row.insert(row.end(), {valueText(line.won), valueText(line.lost), valueText(line.tied),
                                   line.score});
        } else {
            const PlayerRecord record =
                line.player < static_cast<int>(players.size())
                    ? PlayerRecord::parse(players[static_cast<std::size_t>(line.player)])
                    : PlayerRecord();
            row.insert(row.end(), {record.number, record.name});
            for (const BoxScoreColumn& column : columns)
                row.push_back(valueText(line.values[column.stat]));
            row.insert(row.end(), 4, std::string());
        }
        grid.rows.push_back(std::move(row));
    }
    return grid;
}

}  // namespace pny
