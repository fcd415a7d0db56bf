#include "views/catalogues.h"

namespace pny {
namespace {

const std::vector<CatalogueColumn> kTeamCatalogue = {
    {" Place", "Place in Team Standings", false},
    {" Team#", "Team Number", false},
    {" Team Name", "Team Name", true},
    {" Won", "Games Won", false},
    {" Lost", "Games Lost", false},
    {" Tied", "Games Tied", false},
    {" Pct.", "Winning Percentage", false},
    {" GB", "Games Behind", false},
};

const std::vector<CatalogueColumn> kPlayerCatalogue = {
    {" Seq", "Sequence Number (Seq)", false},
    {" No", "Player Number (No)", false},
    {" Player Name", "Player Name (Name) ", true},
    {" G", "Games Played (G)", false},
    {" AB", "Official At Bats (AB)", false},
    {" H", "Total Hits (H)", false},
    {" W", "Total Walks (W)", false},
    {" Sac", "Total Sacrifices (Sac)", false},
    {" Avg", "Batting Average (Avg)", false},
    {" Slg", "Slugging Pct (Slg)", false},
    {" OB%", "On Base Pct (OB%)", false},
    {" Inn", "Innings Played (Inn)", false},
    {" PA", "Plate Appearances (PA) ", false},
    {" BO", "Batting Order (BO)", false},
    {" RS", "Runs Scored (RS)", false},
    {" PkO", "Picked Off (PkO)", false},
    {" SA", "Steals Attempted (SA)", false},
    {" SB", "Stolen Bases (SB)", false},
    {" CS", "Caught Stealing (CS)", false},
    {" SB%", "Stolen Base Pct (SB%)", false},
    {" 1B", "Singles (1B)", false},
    {" 2B", "Doubles (2B)", false},
    {" 3B", "Triples (3B)", false},
    {" HR", "Home Runs (HR)", false},
    {" RBI", "Runs Batted In (RBI)", false},
    {" SO", "Strike Outs (SO)", false},
    {" BB", "Bases on Balls (BB)", false},
    {" HP", "Hit by Pitches (HP)", false},
    {" WCI", "Walk Catcher Intrfrd (WCI)", false},
    {" SBnt", "Sacrifice Bunts (SBnt) ", false},
    {" SFly", "Sacrifice Flies (SFly)", false},
    {" Pos", "Field Position (Pos)", false},
    {" PB", "Passed Balls (PB)", false},
    {" PO", "Put Outs (PO)", false},
    {" A", "Assists Made (A)", false},
    {" TC", "Total Chances (TC)", false},
    {" Err", "Errors Made (Err)", false},
    {" F%", "Fielding Pct (Fld%)", false},
    {" GP", "Games Pitched (GP)", false},
    {" IP", "Innings Pitched (IP)", false},
    {" ST", "Strikes Thrown (ST)", false},
    {" BT", "Balls Thrown (BT)", false},
    {" PT", "Pitches Thrown (PT)", false},
    {" WP", "Wild Pitches (WP)", false},
    {" Bks", "Balks (Bks)", false},
    {" HA", "Hits Allowed (HA)", false},
    {" WA", "Walks Allowed (WA)", false},
    {" BH", "Batters Hit (BH)", false},
    {" BSO", "Batters Struck Out (BSO)", false},
    {" RPO", "Runners Picked Off (RPO)", false},
    {" RA", "Runs Allowed (RA)", false},
    {" ER", "Earned Runs (ER)", false},
    {" ERA", "Earn Run Avg (ERA)", false},
    {" Won", "Games Won (Won)", false},
    {" Lost", "Games Lost (Lost)", false},
    {" W%", "Winning Pct (W%)", false},
    {" Sv", "Games Saved (Sv)", false},
    {"", "User Defined", false},
    {"", "User Defined", false},
    {"", "User Defined", false},
    {"", "User Defined", false},
};

const std::vector<CatalogueColumn> kScheduleCatalogue = {
    {" Game", "Game Number", false},      {" Fld#", "Field Number", false},
    {" Field Name", "Field Name", true},  {" Day", "Game Day", false},
    {" Date", "Game Date", false},        {" Time", "Game Time", false},
    {" Home", "Home Team Number", false}, {" Home Team", "Home Team Name", true},
    {" Away", "Away Team Number", false}, {" Away Team", "Away Team Name", true},
    {" HTS", "Home Team Score", false},   {" ATS", "Away Team Score", false},
    {" Ump#", "Umpire 1 Number", false},  {" Ump Name", "Umpire 1 Name", true},
    {" Ump#", "Umpire 2 Number", false},  {" Ump Name", "Umpire 2 Name", true},
    {" Ump#", "Umpire 3 Number", false},  {" Ump Name", "Umpire 3 Name", true},
    {" Ump#", "Umpire 4 Number", false},  {" Ump Name", "Umpire 4 Name", true},
};

const std::vector<CatalogueColumn> kNoCatalogue;

// The mask character at `position` (from 1); a mask shorter than that reads as a blank there.
char maskAt(const std::string& mask, int position) {
    const std::size_t at = static_cast<std::size_t>(position - 1);
    return at < mask.size() ? mask[at] : ' ';
}

}  // namespace

const std::vector<CatalogueColumn>& catalogueOf(int tab) {
    if (tab == kTeamsTab)
        return kTeamCatalogue;
    if (isPlayerTab(tab))
        return kPlayerCatalogue;
    if (tab == kScheduleTab)
        return kScheduleCatalogue;
    return kNoCatalogue;
}

std::string catalogueHeader(const LeagueRecord& league, int tab, int position) {
    const std::vector<CatalogueColumn>& catalogue = catalogueOf(tab);
    if (position < 1 || position > static_cast<int>(catalogue.size()))
        return {};
    if (isPlayerTab(tab) && position > kPlayerColumns - 4) {
        return league.userHeaders[static_cast<std::size_t>(position - (kPlayerColumns - 3))];
    }
    return catalogue[static_cast<std::size_t>(position - 1)].header;
}

bool columnShown(const LeagueRecord& league, int tab, int position) {
    if (tab == kTeamsTab)
        return maskAt(league.teamMask, position) == '*';
    if (tab == kScheduleTab)
        return maskAt(league.scheduleMask, position) == '*';
    if (!isPlayerTab(tab))
        return false;
    const unsigned bit = 1u << (tab - 1);
    // A blank means the position was never set: it takes its default code.
    const char stored = maskAt(league.playerMask, position);
    const unsigned code =
        stored == ' ' ? defaultPlayerMaskCode(position) : static_cast<unsigned char>(stored);
    return (code & bit) == bit;
}

std::vector<bool> shownColumns(const LeagueRecord& league, int tab) {
    const int count = static_cast<int>(catalogueOf(tab).size());
    std::vector<bool> shown(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k)
        shown[static_cast<std::size_t>(k - 1)] = columnShown(league, tab, k);
    return shown;
}

}  // namespace pny
