#include "people/seasonleagues.h"

#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "views/formats.h"
#include "views/leaders.h"

namespace pny {

std::string SeasonLeague::baseName() const {
    return leagueKeyText({year, league});
}

bool readSeasonLeagues(const Store& store, std::vector<SeasonLeague>& leagues, QString& error) {
    leagues.clear();
    std::vector<std::string> leagueLines;
    for (int y = 1; y < store.years.size(); ++y) {
        const YearRecord year = YearRecord::parse(store.years.line(y));
        if (!year.flag.empty())
            continue;
        if (!storeFileLines(store, "Y" + numberText(y), ".Leagues", leagueLines, error))
            return false;
        for (int l = 1; l < static_cast<int>(leagueLines.size()); ++l) {
            const LeagueRecord record =
                LeagueRecord::parse(leagueLines[static_cast<std::size_t>(l)]);
            if (!record.flag.empty())
                continue;
            SeasonLeague league;
            league.year = y;
            league.league = l;
            league.season = year.number.empty() ? year.name : year.number;
            league.name = record.name;
            league.inningsPerGame = inningsPerGame(record.innings);
            leagues.push_back(std::move(league));
        }
    }
    return true;
}

LeagueKey currentLeagueKey(const Store& store) {
    return {toNumber(store.header.currentYear), toNumber(store.year.currentLeague)};
}

const SeasonLeague* findSeasonLeague(const std::vector<SeasonLeague>& leagues, int year,
                                     int league) {
    for (const SeasonLeague& candidate : leagues) {
        if (candidate.year == year && candidate.league == league)
            return &candidate;
    }
    return nullptr;
}

}  // namespace pny
