#include "views/displaysettings.h"

#include "store/linecodec.h"
#include "views/catalogues.h"

#include <algorithm>

namespace pny {
namespace {

// A mask read from a league record always has its full length; one built in memory may not.
void fillTo(std::string& text, std::size_t length, char filler) {
    if (text.size() < length)
        text.append(length - text.size(), filler);
}

std::vector<bool> starChecks(const std::string& mask, int count) {
    std::vector<bool> checks(static_cast<std::size_t>(count), false);
    for (int k = 0; k < count && k < static_cast<int>(mask.size()); ++k)
        checks[static_cast<std::size_t>(k)] = mask[static_cast<std::size_t>(k)] == '*';
    return checks;
}

void setStars(std::string& mask, int count, const std::vector<bool>& checks) {
    fillTo(mask, static_cast<std::size_t>(count), ' ');
    for (int k = 0; k < count; ++k) {
        const bool shown =
            k < static_cast<int>(checks.size()) && checks[static_cast<std::size_t>(k)];
        mask[static_cast<std::size_t>(k)] = shown ? '*' : ' ';
    }
}

// The index of tab 1 to 7 in the sort keys and sort directions fields; -1 for any other tab.
int sortIndex(int tab) {
    return tab >= kFirstPlayerTab && tab <= kScheduleTab ? tab - 1 : -1;
}

int sortItemCount(int tab) {
    return tab == kScheduleTab ? kScheduleSortItems : kPlayerColumns;
}

constexpr int kDefaultSortItem = 1;

}  // namespace

std::vector<bool> teamColumnChecks(const LeagueRecord& league) {
    return starChecks(league.teamMask, kTeamColumns);
}

void setTeamColumns(LeagueRecord& league, const std::vector<bool>& checks) {
    setStars(league.teamMask, kTeamColumns, checks);
}

std::vector<bool> scheduleColumnChecks(const LeagueRecord& league) {
    return starChecks(league.scheduleMask, kScheduleColumns);
}

void setScheduleColumns(LeagueRecord& league, const std::vector<bool>& checks) {
    setStars(league.scheduleMask, kScheduleColumns, checks);
}

void fillDefaultInnings(LeagueRecord& league) {
    if (league.innings.empty())
        league.innings = numberText(kDefaultInnings);
}

int inningsValue(const LeagueRecord& league) {
    return league.innings.empty() ? kDefaultInnings : toNumber(league.innings);
}

void setInnings(LeagueRecord& league, int value) {
    league.innings = numberText(std::clamp(value, kMinInnings, kMaxInnings));
}

unsigned char playerTabBit(int tab) {
    return isPlayerTab(tab) ? static_cast<unsigned char>(1u << (tab - 1)) : 0;
}

std::vector<bool> playerColumnChecks(const LeagueRecord& league, int tab) {
    std::vector<bool> checks(kPlayerColumns, false);
    const unsigned char bit = playerTabBit(tab);
    if (bit == 0)
        return checks;
    for (int k = 0; k < kPlayerColumns; ++k) {
        const auto at = static_cast<std::size_t>(k);
        if (at < league.playerMask.size())
            checks[at] = (static_cast<unsigned char>(league.playerMask[at]) & bit) == bit;
    }
    return checks;
}

void setPlayerColumns(LeagueRecord& league, int tab, const std::vector<bool>& checks) {
    const unsigned char bit = playerTabBit(tab);
    if (bit == 0)
        return;
    // A position never set takes its default before the tab's bit changes in it.
    for (std::size_t k = league.playerMask.size(); k < kPlayerColumns; ++k)
        league.playerMask.push_back(
            static_cast<char>(defaultPlayerMaskCode(static_cast<int>(k) + 1)));
    for (std::size_t k = 0; k < kPlayerColumns; ++k) {
        unsigned code = static_cast<unsigned char>(league.playerMask[k]) | 128u;
        if (k < checks.size() && checks[k])
            code |= bit;
        else
            code &= ~static_cast<unsigned>(bit);
        league.playerMask[k] = static_cast<char>(code);
    }
}

int sortItem(const LeagueRecord& league, int tab) {
    const int at = sortIndex(tab);
    if (at < 0 || at >= static_cast<int>(league.sortKeys.size()))
        return kDefaultSortItem;
    const int item =
        static_cast<unsigned char>(league.sortKeys[static_cast<std::size_t>(at)]) - 128;
    return item >= 0 && item < sortItemCount(tab) ? item : kDefaultSortItem;
}

void setSortItem(LeagueRecord& league, int tab, int item) {
    const int at = sortIndex(tab);
    if (at < 0 || item < 0 || item >= sortItemCount(tab))
        return;
    // Tabs whose key was never set read as item 1.
    fillTo(league.sortKeys, width::kSortKeys, static_cast<char>(128 + kDefaultSortItem));
    league.sortKeys[static_cast<std::size_t>(at)] = static_cast<char>(128 + item);
}

bool sortDescending(const LeagueRecord& league, int tab) {
    const int at = sortIndex(tab);
    return at >= 0 && at < static_cast<int>(league.sortDirections.size()) &&
           league.sortDirections[static_cast<std::size_t>(at)] == '1';
}

void setSortDescending(LeagueRecord& league, int tab, bool descending) {
    const int at = sortIndex(tab);
    if (at < 0)
        return;
    fillTo(league.sortDirections, width::kSortKeys, ' ');
    league.sortDirections[static_cast<std::size_t>(at)] = descending ? '1' : ' ';
}

void setFontFields(LeagueRecord& league, const TableFont& font) {
    const long long colour = (static_cast<long long>(std::clamp(font.red, 0, 255))) +
                             (static_cast<long long>(std::clamp(font.green, 0, 255)) << 8) +
                             (static_cast<long long>(std::clamp(font.blue, 0, 255)) << 16);
    league.fontColor = colour == 0 ? std::string() : numberText(colour);
    league.fontName = cutTo(font.name, width::kFontName);
    league.fontSize = font.pointSize > 0 ? numberText(font.pointSize) : std::string();
    league.bold = font.bold ? "1" : "";
    league.italic = font.italic ? "1" : "";
}

}  // namespace pny
