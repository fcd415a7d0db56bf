// Times opening a player's game log: the league's log read from the disk and the player's table
// built, as the Game Log window does, for a player of a season of 200 nights in which his team
// played every night (two teams of 15 players, so the log holds some 6,000 lines). Prints the
// median and the slowest of 51 openings.
#include "gamelog/gamelog.h"
#include "gamelog/nightentry.h"
#include "gamelog/playergamelog.h"
#include "store/store.h"

#include "benchseason.h"

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

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int nights = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 200;
    QTemporaryDir dir(parent + QStringLiteral("/pny-bench-XXXXXX"));
    pny::Store store(dir.path());
    bench::makeSeason(store, 2, kPlayers);
    for (int g = 1; g <= nights; ++g) {
        pny::Night night;
        night.date =
            "2026" + std::string(g % 12 < 9 ? "0" : "") + std::to_string(g % 12 + 1) + "15";
        night.time = "1800";
        night.home = bench::nightSide(1, 1 + g % 5, g, kPlayers);
        night.away = bench::nightSide(2, 2, g, kPlayers);
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
