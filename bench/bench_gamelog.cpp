// Times opening a player's game log: the league's log read from the disk and the player's table
// built, as the Game Log window does, for a player of a season of 200 nights in which his team
// played every night (two teams of 15 players, so the log holds some 6,000 lines). Prints the
// median and the slowest of 51 openings.
#include "gamelog/gamelog.h"
#include "gamelog/nightentry.h"
#include "gamelog/playergamelog.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

namespace {

constexpr int kPlayers = 15;
constexpr int kOpenings = 51;

pny::BoxScoreTeam side(int team, int night) {
    pny::BoxScoreTeam out;
    out.team = team;
    out.score = team == 1 ? 1 + night % 5 : 2;
    for (int p = 1; p <= kPlayers; ++p) {
        pny::BoxScoreLine line;
        line.player = p;
        line.values[pny::StatG] = 1;
        line.values[pny::StatPA] = 4;
        line.values[pny::Stat1B] = (p + night) % 3;
        line.values[pny::StatHR] = (p * night) % 7 == 0 ? 1 : 0;
        line.values[pny::StatIP] = p == 1 ? 7 : 0;
        line.values[pny::StatER] = p == 1 ? night % 4 : 0;
        line.values[pny::StatRA] = p == 1 ? night % 5 : 0;
        out.lines.push_back(line);
    }
    return out;
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int nights = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 200;
    QTemporaryDir dir(parent + QStringLiteral("/pny-bench-XXXXXX"));
    pny::Store store(dir.path());
    store.loadYears();
    store.year = pny::YearRecord::parse("|2026|Summer||");
    store.addYear();
    store.ensureLeagues();
    store.league = pny::LeagueRecord::parse("|1|Majors||||7|");
    store.addLeague();
    store.ensureTeams();
    for (int t = 1; t <= 2; ++t) {
        store.team =
            pny::TeamRecord::parse("|" + std::to_string(t) + "|Team " + std::to_string(t) + "|");
        store.addTeam();
        store.ensurePlayers();
        for (int p = 1; p <= kPlayers; ++p) {
            store.player = pny::PlayerRecord::parse("|" + std::to_string(p) + "|Player " +
                                                    std::to_string(p) + "|");
            store.addPlayer();
        }
    }
    for (int g = 1; g <= nights; ++g) {
        pny::Night night;
        night.date =
            "2026" + std::string(g % 12 < 9 ? "0" : "") + std::to_string(g % 12 + 1) + "15";
        night.time = "1800";
        night.home = side(1, g);
        night.away = side(2, g);
        const pny::NightOutcome outcome = pny::addNight(store, night);
        if (!outcome.accepted) {
            QTextStream(stderr) << "night " << g << " failed: " << outcome.refusal << '\n';
            return 1;
        }
    }
    if (!store.saveAll())
        return 1;

    std::vector<qint64> times;
    std::size_t rows = 0;
    for (int k = 0; k < kOpenings; ++k) {
        QElapsedTimer timer;
        timer.start();
        pny::GameLog log;
        QString error;
        if (!log.read(store, error)) {
            QTextStream(stderr) << error << '\n';
            return 1;
        }
        const pny::ViewGrid grid = pny::playerGameLog(store, log, 1, 7);
        times.push_back(timer.nsecsElapsed() / 1000);
        rows = grid.rows.size();
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << "the game log of a player with " << nights << " nights (" << rows
                        << " rows): median " << times[times.size() / 2] / 1000.0 << " ms, slowest "
                        << times.back() / 1000.0 << " ms\n";
    return 0;
}
