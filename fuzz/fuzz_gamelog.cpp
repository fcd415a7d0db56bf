// Reads random bytes as a league's game log: the check against a small league, the nights and
// their changes put together, and every line that reads builds back to a line that reads the same.
#include "gamelog/gamelog.h"
#include "gamelog/gamelogcheck.h"
#include "gamelog/night.h"
#include "store/textfile.h"

#include <QByteArray>

#include <cstdlib>
#include <map>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const std::vector<std::string> lines = pny::splitLines(bytes);

    for (const std::string& text : lines) {
        pny::LogLine line;
        if (!pny::LogLine::parse(text, line))
            continue;
        const std::string built = line.build();
        pny::LogLine again;
        if (!pny::LogLine::parse(built, again) || again.build() != built)
            std::abort();  // a line we write must read back as itself
    }

    const std::vector<std::string> teams = {"T|", "|1|Otters|||||", "|2|Hawks|||||"};
    const std::map<int, std::vector<std::string>> players = {
        {1, {"P|", "|7|Ann|||40|9|", "|12|Bo|"}}, {2, {"P|", "|1|Dee|"}}};
    (void)pny::gameLogProblems(lines, teams, players);

    pny::GameLog log;
    log.setLines(lines);
    for (int night : log.nights()) {
        const std::optional<pny::Night> found = pny::nightOf(log, night);
        if (!found)
            std::abort();  // a night the log lists is a night it can show
        (void)pny::nightOfGame(log, found->game);
    }
    (void)log.playerSum(1, 1);
    (void)log.teamSum(2);
    return 0;
}
