#include "entry/boxscorerows.h"

#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"

#include <algorithm>
#include <tuple>

namespace pny {

bool readBoxScoreRows(const Store& store, int team, std::vector<BoxScoreRow>& rows, QString& error,
                      const std::vector<int>& keep) {
    rows.clear();
    std::vector<std::string> lines;
    if (!store.teamPlayerLines(team, lines, error))
        return false;
    for (int line = 1; line < static_cast<int>(lines.size()); ++line) {
        const PlayerRecord player = PlayerRecord::parse(lines[static_cast<std::size_t>(line)]);
        if (!player.flag.empty() && std::find(keep.begin(), keep.end(), line) == keep.end())
            continue;
        rows.push_back({line, player.number, player.name, player.stat(StatBO)});
    }
    sortBoxScoreRows(rows);
    return true;
}

void sortBoxScoreRows(std::vector<BoxScoreRow>& rows) {
    // A batting order that is no positive number counts as none.
    const auto key = [](const BoxScoreRow& row) {
        const int order = toNumber(row.bo);
        return std::make_tuple(order > 0 ? 0 : 1, order > 0 ? order : 0, toNumber(row.number),
                               row.player);
    };
    std::stable_sort(rows.begin(), rows.end(), [&key](const BoxScoreRow& a, const BoxScoreRow& b) {
        return key(a) < key(b);
    });
}

StatValues boxScoreTotals(const std::vector<BoxScoreLine>& lines) {
    StatValues sums{};
    for (const BoxScoreLine& line : lines) {
        for (std::size_t s = 0; s < sums.size(); ++s)
            sums[s] += line.values[s];
    }
    // Thirds are carried as the player dialog carries them: only a sum above 2.
    if (sums[StatIP3] > 2) {
        sums[StatIP] += sums[StatIP3] / 3;
        sums[StatIP3] %= 3;
    }
    return sums;
}

}  // namespace pny
