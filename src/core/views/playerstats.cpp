#include "views/playerstats.h"

#include "store/store.h"
#include "views/formats.h"

namespace pny {

bool isSummedStat(PlayerStat stat) {
    return stat != StatG && stat != StatBO && stat != StatPos && stat != StatGP;
}

DerivedTexts deriveStats(const StatValues& v, long long inningsPerGame) {
    const long long hits = v[Stat1B] + v[Stat2B] + v[Stat3B] + v[StatHR];
    const long long walks = v[StatBB] + v[StatHP] + v[StatWCI];
    const long long sacrifices = v[StatSBnt] + v[StatSFly];
    const long long atBats = v[StatPA] - (walks + sacrifices);
    const long long bases = v[Stat1B] + 2 * v[Stat2B] + 3 * v[Stat3B] + 4 * v[StatHR];
    const long long attempts = v[StatSB] + v[StatCS];
    const long long outs = 3 * v[StatIP] + v[StatIP3];
    const long long chances = v[StatPO] + v[StatA] + v[StatErr];

    DerivedTexts t;
    t[DerivedAB] = formatCount(atBats);
    t[DerivedH] = formatCount(hits);
    t[DerivedW] = formatCount(walks);
    t[DerivedSac] = formatCount(sacrifices);
    t[DerivedAvg] = formatRate(hits, atBats);
    t[DerivedSlg] = formatRate(bases, atBats);
    t[DerivedOBP] = formatRate(hits + walks, atBats + walks);
    t[DerivedSA] = formatCount(attempts);
    t[DerivedSBP] = formatRate(v[StatSB], attempts);
    t[DerivedPT] = formatCount(v[StatST] + v[StatBT]);
    t[DerivedERA] = formatEra(v[StatER], outs, inningsPerGame);
    t[DerivedWP] = formatRate(v[StatWon], v[StatWon] + v[StatLost]);
    t[DerivedTC] = formatCount(chances);
    t[DerivedFldP] = formatRate(v[StatPO] + v[StatA], chances);
    return t;
}

bool PlayerStatsCache::validFor(const Store& store) const {
    return !key.empty() && key == store.loaded.players;
}

const DerivedTexts& PlayerStatsCache::entry(int line) const {
    static const DerivedTexts kEmpty;
    if (line < 0 || line >= static_cast<int>(entries.size()))
        return kEmpty;
    return entries[static_cast<std::size_t>(line)];
}

void computePlayerStats(const Store& store, PlayerStatsCache& cache, ProgressCounter* progress) {
    const long long innings = inningsPerGame(store.league.innings);
    cache.key = store.loaded.players;
    cache.sums.fill(0);
    const int lines = store.players.size();
    // Sized to the list, however many players the team has; entries of skipped lines are kept.
    cache.entries.resize(static_cast<std::size_t>(lines));
    StatValues values{};
    for (int i = 1; i < lines; ++i) {
        if (progress)
            progress->step();
        const PlayerRecord record = PlayerRecord::parse(store.players.line(i));
        if (!record.flag.empty())
            continue;
        for (int s = 0; s < PlayerStatCount; ++s) {
            const PlayerStat stat = static_cast<PlayerStat>(s);
            const long long value = record.value(stat);
            values[static_cast<std::size_t>(s)] = value;
            if (isSummedStat(stat))
                cache.sums[static_cast<std::size_t>(s)] += value;
        }
        cache.entries[static_cast<std::size_t>(i)] = deriveStats(values, innings);
    }
    cache.totals = deriveStats(cache.sums, innings);
    cache.sums[StatIP] += cache.sums[StatIP3] / 3;
    cache.sums[StatIP3] %= 3;
}

}  // namespace pny
