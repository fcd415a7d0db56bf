// Times the commit that follows a box score: a players file, a teams file and the years file,
// written as one commit with its sync, on the disk of the folder given (default: a new folder in
// the system's temporary folder). Prints the median and the slowest of the runs.
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <vector>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QString parent = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::tempPath();
    const int runs = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 50;
    QTemporaryDir dir(parent + QStringLiteral("/pny-bench-XXXXXX"));
    pny::Store store(dir.path());
    store.loadYears();
    store.year = pny::YearRecord::parse("|2026|Summer||");
    store.addYear();
    store.ensureLeagues();
    store.league = pny::LeagueRecord::parse("|1|Majors|7|");
    store.addLeague();
    store.ensureTeams();
    for (int t = 1; t <= 12; ++t) {
        store.team =
            pny::TeamRecord::parse("|" + std::to_string(t) + "|Team " + std::to_string(t) + "|");
        store.addTeam();
    }
    store.ensurePlayers();
    for (int p = 1; p <= 15; ++p) {
        store.player = pny::PlayerRecord::parse("|" + std::to_string(p) + "|Player " +
                                                std::to_string(p) + "|");
        store.addPlayer();
    }
    if (!store.saveAll())
        return 1;

    std::vector<qint64> times;
    for (int run = 0; run < runs; ++run) {
        // A night: every player's games go up, the team wins.
        for (int p = 1; p <= 15; ++p) {
            store.readPlayer(p);
            store.player.stat(pny::StatG) = std::to_string(run + 1);
            store.team.currentPlayer = std::to_string(p);
            store.writePlayer();
        }
        store.team.won = std::to_string(run + 1);
        store.writeTeam();
        QElapsedTimer timer;
        timer.start();
        if (!store.commit())
            return 1;
        times.push_back(timer.nsecsElapsed() / 1000);
    }
    std::sort(times.begin(), times.end());
    QTextStream(stdout) << "commit after a box score (players, teams, years) in " << parent
                        << ": median " << times[times.size() / 2] / 1000.0 << " ms, slowest "
                        << times.back() / 1000.0 << " ms over " << runs << " runs\n";
    return 0;
}
