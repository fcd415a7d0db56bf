#include "gamelog/boxscorecolumns.h"

#include <QByteArray>

#include <algorithm>

namespace pny {
namespace {

std::string userCaption(const LeagueRecord& league, PlayerStat stat) {
    std::string header = league.userHeaders[static_cast<std::size_t>(stat - StatC1)];
    header.erase(0, header.find_first_not_of(' '));
    header.erase(header.find_last_not_of(' ') + 1);
    return header;
}

BoxScoreColumn column(PlayerStat stat, EntryGroup group, const char* caption,
                      SheetCell cell = SheetCell::Count, const char* name = nullptr) {
    return {stat, group, caption, cell, name ? name : caption};
}

}  // namespace

std::string columnDescription(const BoxScoreColumn& column) {
    static const std::vector<std::pair<const char*, const char*>> scorers{
        {"AB", "at bats"},
        {"R", "runs scored"},
        {"H", "hits"},
        {"HBP", "hit by pitches"},
        {"SH", "sacrifice bunts"},
        {"SF", "sacrifice flies"},
        {"CI", "reached on catcher's interference"},
        {"DEC", "the decision: W, L or S"},
        {"IP", "innings pitched as 5.2: five innings and two outs"},
        {"P.H", "hits the pitcher allowed"},
        {"P.R", "runs the pitcher allowed"},
        {"P.BB", "walks the pitcher gave"},
        {"P.SO", "batters the pitcher struck out"},
        {"P.HB", "batters the pitcher hit"},
        {"BK", "balks"},
        {"NP", "pitches"},
        {"S", "strikes"},
        {"E", "errors"},
    };
    for (const auto& [name, text] : scorers) {
        // "IP" among every stored statistic is the whole innings, beside 3IP.
        const bool wholeInnings = column.stat == StatIP && column.cell == SheetCell::Count;
        if (column.name == name && !wholeInnings)
            return column.name + ": " + text;
    }
    // Every other column is a statistic of the player dialog, described as it describes it.
    for (const PlayerEntryRow& row : playerEntryRows()) {
        if (row.stat == column.stat && row.caption[0] != '\0')
            return row.caption;
    }
    return column.caption;
}

const char* groupCaption(EntryGroup group) {
    switch (group) {
        case EntryGroup::Offense:
            return "Batting";
        case EntryGroup::Pitching:
            return "Pitching";
        case EntryGroup::Defense:
            return "Fielding";
        case EntryGroup::Custom:
            break;
    }
    return "User";
}

std::vector<BoxScoreColumn> boxScoreColumns(const LeagueRecord& league) {
    std::vector<BoxScoreColumn> columns;
    for (const PlayerEntryRow& row : playerEntryRows()) {
        BoxScoreColumn column{row.stat, row.group, row.abbreviation, SheetCell::Count,
                              row.abbreviation};
        if (row.group == EntryGroup::Custom) {
            const std::string header = userCaption(league, row.stat);
            if (!header.empty())
                column.caption = column.name = header;
        }
        columns.push_back(std::move(column));
    }
    return columns;
}

std::vector<BoxScoreColumn> scorerColumns(const LeagueRecord& league) {
    using G = EntryGroup;
    using C = SheetCell;
    std::vector<BoxScoreColumn> columns{
        column(StatPA, G::Offense, "AB", C::AtBats),
        column(StatRS, G::Offense, "R"),
        column(Stat1B, G::Offense, "H", C::Hits),
        column(Stat2B, G::Offense, "2B"),
        column(Stat3B, G::Offense, "3B"),
        column(StatHR, G::Offense, "HR"),
        column(StatRBI, G::Offense, "RBI"),
        column(StatBB, G::Offense, "BB"),
        column(StatSO, G::Offense, "SO"),
        column(StatHP, G::Offense, "HBP"),
        column(StatSBnt, G::Offense, "SH"),
        column(StatSFly, G::Offense, "SF"),
        column(StatSB, G::Offense, "SB"),
        column(StatCS, G::Offense, "CS"),
        column(StatWCI, G::Offense, "CI"),
        column(StatPkO, G::Offense, "PkO"),
    };
    for (PlayerStat stat : {StatC1, StatC2, StatC3, StatC4}) {
        const std::string header = userCaption(league, stat);
        const std::string plain = "C" + std::to_string(stat - StatC1 + 1);
        // Named C1 to C4 whatever the header, so that a league's choice outlives a new header.
        columns.push_back({stat, G::Custom, header.empty() ? plain : header, C::Count, plain});
    }
    const std::vector<BoxScoreColumn> rest{
        column(StatWon, G::Pitching, "DEC", C::Decision),
        column(StatIP, G::Pitching, "IP", C::Innings),
        column(StatHA, G::Pitching, "H", C::Count, "P.H"),
        column(StatRA, G::Pitching, "R", C::Count, "P.R"),
        column(StatER, G::Pitching, "ER"),
        column(StatWA, G::Pitching, "BB", C::Count, "P.BB"),
        column(StatBSO, G::Pitching, "SO", C::Count, "P.SO"),
        column(StatBH, G::Pitching, "HB", C::Count, "P.HB"),
        column(StatWP, G::Pitching, "WP"),
        column(StatBks, G::Pitching, "BK"),
        column(StatBT, G::Pitching, "NP", C::Pitches),
        column(StatST, G::Pitching, "S"),
        column(StatRPO, G::Pitching, "RPO"),
        column(StatPO, G::Defense, "PO"),
        column(StatA, G::Defense, "A"),
        column(StatErr, G::Defense, "E"),
        column(StatPB, G::Defense, "PB"),
        column(StatInn, G::Defense, "Inn"),
    };
    columns.insert(columns.end(), rest.begin(), rest.end());
    return columns;
}

std::vector<BoxScoreColumn> defaultScorerColumns(const LeagueRecord& league, bool pitchCounts) {
    std::vector<std::string> names{"AB", "R",  "H",   "2B", "3B", "HR", "RBI",
                                   "BB", "SO", "HBP", "SH", "SF", "SB", "CS"};
    for (PlayerStat stat : {StatC1, StatC2, StatC3, StatC4}) {
        if (!userCaption(league, stat).empty())
            names.push_back("C" + std::to_string(stat - StatC1 + 1));
    }
    for (const char* name : {"DEC", "IP", "P.H", "P.R", "ER", "P.BB", "P.SO", "P.HB", "WP", "BK"})
        names.emplace_back(name);
    if (pitchCounts) {
        names.emplace_back("NP");
        names.emplace_back("S");
    }
    for (const char* name : {"PO", "A", "E"})
        names.emplace_back(name);
    return columnsNamed(scorerColumns(league), names);
}

bool sameColumnName(const std::string& a, const std::string& b) {
    return QByteArray::fromStdString(a).compare(QByteArray::fromStdString(b),
                                                Qt::CaseInsensitive) == 0;
}

const BoxScoreColumn* columnCalled(const std::vector<BoxScoreColumn>& available,
                                   const std::string& name) {
    const auto found = std::find_if(
        available.begin(), available.end(),
        [&](const BoxScoreColumn& column) { return sameColumnName(column.name, name); });
    return found == available.end() ? nullptr : &*found;
}

std::vector<BoxScoreColumn> columnsNamed(const std::vector<BoxScoreColumn>& available,
                                         const std::vector<std::string>& names) {
    std::vector<BoxScoreColumn> out;
    for (const std::string& name : names) {
        const BoxScoreColumn* found = columnCalled(available, name);
        if (!found)
            continue;
        const bool repeated = std::any_of(
            out.begin(), out.end(), [&](const BoxScoreColumn& c) { return c.name == found->name; });
        if (!repeated)
            out.push_back(*found);
    }
    return out;
}

}  // namespace pny
