#include "people/playerkey.h"

namespace pny {
namespace {

constexpr std::size_t kMaxDigits = 5;  // the widest index a record field holds

// Reads `letter` and the digits after it from `text` at `at`; 0 when they are not there.
int readPart(const std::string& text, std::size_t& at, char letter) {
    if (at >= text.size() || text[at] != letter)
        return 0;
    ++at;
    const std::size_t start = at;
    while (at < text.size() && text[at] >= '0' && text[at] <= '9')
        ++at;
    const std::size_t length = at - start;
    if (length == 0 || length > kMaxDigits || text[start] == '0')
        return 0;
    return std::stoi(text.substr(start, length));
}

}  // namespace

std::string PlayerKey::leagueBaseName() const {
    return leagueKeyText({year, league});
}

std::string PlayerKey::playersBaseName() const {
    return leagueBaseName() + "T" + std::to_string(team);
}

std::string leagueKeyText(const LeagueKey& key) {
    return "Y" + std::to_string(key.year) + "L" + std::to_string(key.league);
}

std::optional<LeagueKey> parseLeagueKey(const std::string& text) {
    std::size_t at = 0;
    LeagueKey key;
    key.year = readPart(text, at, 'Y');
    key.league = readPart(text, at, 'L');
    if (key.year == 0 || key.league == 0 || at != text.size())
        return std::nullopt;
    return key;
}

std::string playerKeyText(const PlayerKey& key) {
    return key.playersBaseName() + "P" + std::to_string(key.player);
}

std::optional<PlayerKey> parsePlayerKey(const std::string& text) {
    std::size_t at = 0;
    PlayerKey key;
    key.year = readPart(text, at, 'Y');
    key.league = readPart(text, at, 'L');
    key.team = readPart(text, at, 'T');
    key.player = readPart(text, at, 'P');
    if (key.year == 0 || key.league == 0 || key.team == 0 || key.player == 0 || at != text.size())
        return std::nullopt;
    return key;
}

}  // namespace pny
