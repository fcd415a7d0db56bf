#pragma once

#include "gamelog/logline.h"

namespace pny {

class GameLog;

// What the log lacks of a total: a player's or team's first entry records the totals it had
// before the log began, and an entry after another program changed the files records that change,
// so that totals always equal the sum of the log. Each returns false when the log already adds up.
// The line has its team and player set; entry and kind are the caller's.

bool playerBaseline(const GameLog& log, int team, int player, const PlayerRecord& totals,
                    LogLine& line);
bool teamBaseline(const GameLog& log, int team, const TeamRecord& totals, LogLine& line);

// A player's totals less the sum of his log lines (innings compared as outs); all zero when the
// log adds up.
StatValues missingFromLog(const GameLog& log, int team, int player, const PlayerRecord& totals);

}  // namespace pny
