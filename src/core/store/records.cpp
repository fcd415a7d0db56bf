#include "store/records.h"

#include "store/linecodec.h"

namespace pny {
namespace {

std::string rightTrimmed(std::string text) {
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    return text;
}

// A mask field stored with its trailing blanks removed; a mask that hides every column keeps one
// blank, since an empty field reads as the default mask and the hidden columns would come back.
std::string maskField(const std::string& mask) {
    const std::string text = rightTrimmed(mask);
    return text.empty() && !mask.empty() ? std::string(" ") : text;
}

std::string filledTo(std::string text, std::size_t length) {
    text.resize(length, ' ');
    return text;
}

}  // namespace

YearsHeader YearsHeader::parse(const std::string& line) {
    std::string buffer = line;
    YearsHeader h;
    h.letter = nextField(buffer, 1);
    h.tab = nextField(buffer, 1);
    h.keep3 = nextField(buffer, 5);
    h.currentYear = nextField(buffer, 5);
    h.height = nextField(buffer, 5);
    h.width = nextField(buffer, 5);
    h.keep7 = nextField(buffer, 6);
    return h;
}

std::string YearsHeader::build() const {
    return LineBuilder()
        .add(letter, 1)
        .add(tab, 1)
        .add(keep3, 5)
        .add(currentYear, 5)
        .add(height, 5)
        .add(width, 5)
        .add(keep7, 6)
        .line();
}

YearRecord YearRecord::parse(const std::string& line) {
    std::string buffer = line;
    YearRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.number = nextField(buffer, width::kNumber);
    r.name = nextField(buffer, width::kName);
    r.currentLeague = nextField(buffer, width::kIndex);
    return r;
}

std::string YearRecord::build() const {
    return LineBuilder()
        .add(flag, width::kFlag)
        .add(number, width::kNumber)
        .add(name, width::kName)
        .add(currentLeague, width::kIndex)
        .line();
}

unsigned char defaultPlayerMaskCode(int position) {
    if (position == 1)
        return 160;
    if (position <= 3)
        return 191;
    if (position <= 11)
        return 129;
    if (position == 12)
        return 144;
    if (position <= 14)
        return 129;
    if (position <= 20)
        return 132;
    if (position <= 31)
        return 130;
    if (position <= 38)
        return 144;
    if (position <= 40)
        return 136;
    if (position <= 42)
        return 128;
    if (position == 43)
        return 136;
    if (position <= 45)
        return 128;
    if (position <= 47)
        return 136;
    if (position == 48)
        return 128;
    if (position == 49)
        return 136;
    if (position == 50)
        return 128;
    if (position <= 56)
        return 136;
    return 128;
}

LeagueRecord LeagueRecord::parse(const std::string& line) {
    std::string buffer = line;
    LeagueRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.number = nextField(buffer, width::kNumber);
    r.name = nextField(buffer, width::kName);
    r.currentTeam = nextField(buffer, width::kIndex);
    r.currentGame = nextField(buffer, width::kIndex);
    r.innings = nextField(buffer, width::kCount);
    r.fontColor = nextField(buffer, width::kFontColor);
    r.fontName = nextField(buffer, width::kFontName);
    r.fontSize = nextField(buffer, width::kCount);
    r.bold = nextField(buffer, 1);
    r.italic = nextField(buffer, 1);

    // Sort keys: a blank means sort key 1 (the player number).
    r.sortKeys = filledTo(nextField(buffer, width::kSortKeys), width::kSortKeys);
    for (char& c : r.sortKeys) {
        if (c == ' ')
            c = static_cast<char>(129);
    }
    r.sortDirections = filledTo(nextField(buffer, width::kSortKeys), width::kSortKeys);

    // A blank in the player mask means the position was never set: it takes its default.
    r.playerMask = filledTo(nextField(buffer, width::kPlayerMask), width::kPlayerMask);
    for (std::size_t k = 0; k < r.playerMask.size(); ++k) {
        if (r.playerMask[k] == ' ') {
            r.playerMask[k] = static_cast<char>(defaultPlayerMaskCode(static_cast<int>(k) + 1));
        }
    }

    std::string schedule = nextField(buffer, width::kScheduleMask);
    if (schedule.empty())
        schedule = " ****** *";
    r.scheduleMask = filledTo(schedule, width::kScheduleMask);

    std::string team = nextField(buffer, width::kTeamMask);
    if (team.empty())
        team = "********";
    r.teamMask = filledTo(team, width::kTeamMask);

    for (std::string& header : r.userHeaders)
        header = nextField(buffer, width::kUserHeader);
    return r;
}

std::string LeagueRecord::build() const {
    LineBuilder b;
    b.add(flag, width::kFlag)
        .add(number, width::kNumber)
        .add(name, width::kName)
        .add(currentTeam, width::kIndex)
        .add(currentGame, width::kIndex)
        .add(innings, width::kCount)
        .add(fontColor, width::kFontColor)
        .add(fontName, width::kFontName)
        .add(fontSize, width::kCount)
        .add(bold, 1)
        .add(italic, 1)
        .add(sortKeys, width::kSortKeys)
        .add(rightTrimmed(sortDirections), width::kSortKeys)
        .add(playerMask, width::kPlayerMask)
        .add(maskField(scheduleMask), width::kScheduleMask)
        .add(maskField(teamMask), width::kTeamMask);
    for (const std::string& header : userHeaders)
        b.add(header, width::kUserHeader);
    return b.line();
}

TeamRecord TeamRecord::parse(const std::string& line) {
    std::string buffer = line;
    TeamRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.number = nextField(buffer, width::kNumber);
    r.name = nextField(buffer, width::kName);
    r.won = nextField(buffer, width::kCount);
    r.lost = nextField(buffer, width::kCount);
    r.tied = nextField(buffer, width::kCount);
    r.currentPlayer = nextField(buffer, width::kIndex);
    return r;
}

std::string TeamRecord::build() const {
    return LineBuilder()
        .add(flag, width::kFlag)
        .add(number, width::kNumber)
        .add(name, width::kName)
        .add(won, width::kCount)
        .add(lost, width::kCount)
        .add(tied, width::kCount)
        .add(currentPlayer, width::kIndex)
        .line();
}

int PlayerRecord::value(PlayerStat s) const {
    return toNumber(stats[s]);
}

PlayerRecord PlayerRecord::parse(const std::string& line) {
    std::string buffer = line;
    PlayerRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.number = nextField(buffer, width::kNumber);
    r.name = nextField(buffer, width::kName);
    for (std::string& stat : r.stats)
        stat = nextField(buffer, width::kCount);
    return r;
}

std::string PlayerRecord::build() const {
    LineBuilder b;
    b.add(flag, width::kFlag).add(number, width::kNumber).add(name, width::kName);
    for (const std::string& stat : stats)
        b.add(stat, width::kCount);
    return b.line();
}

GameRecord GameRecord::parse(const std::string& line) {
    std::string buffer = line;
    GameRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.date = nextField(buffer, width::kDate);
    r.time = nextField(buffer, width::kTime);
    r.field = nextField(buffer, width::kIndex);
    r.home = nextField(buffer, width::kIndex);
    r.away = nextField(buffer, width::kIndex);
    for (std::string& umpire : r.umpires)
        umpire = nextField(buffer, width::kIndex);
    r.homeScore = nextField(buffer, width::kCount);
    r.awayScore = nextField(buffer, width::kCount);
    return r;
}

std::string GameRecord::build() const {
    LineBuilder b;
    b.add(flag, width::kFlag)
        .add(date, width::kDate)
        .add(time, width::kTime)
        .add(field, width::kIndex)
        .add(home, width::kIndex)
        .add(away, width::kIndex);
    for (const std::string& umpire : umpires)
        b.add(umpire, width::kIndex);
    b.add(homeScore, width::kCount).add(awayScore, width::kCount);
    return b.line();
}

NamedRecord NamedRecord::parse(const std::string& line) {
    std::string buffer = line;
    NamedRecord r;
    r.flag = nextField(buffer, width::kFlag);
    r.number = nextField(buffer, width::kNumber);
    r.name = nextField(buffer, width::kName);
    return r;
}

std::string NamedRecord::build() const {
    return LineBuilder()
        .add(flag, width::kFlag)
        .add(number, width::kNumber)
        .add(name, width::kName)
        .line();
}

}  // namespace pny
