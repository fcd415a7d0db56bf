#include "logcommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"

#include "gamelog/gamelog.h"
#include "gamelog/logtable.h"
#include "store/codepage.h"
#include "store/linecodec.h"

#include <QTextStream>

#include <cstdio>

namespace pny::cli {

const char* const kLogUsage =
    "  log --team N [--player N] [--folder DIR] [--year N] [--league N]\n"
    "            print a team's lines of the game log (or one player's) as tab-separated\n"
    "            text: entry, what it was, the night it corrects, date, game, teams,\n"
    "            player and the statistics added\n";

namespace {

const QString kCommand = QStringLiteral("log");

}  // namespace

int runLog(const QStringList& arguments) {
    const CommandLine syntax{"log",
                             "log --team N [OPTIONS]",
                             kLogUsage,
                             {{"--folder", "--year", "--league", "--team", "--player"}, {}, 0}};
    CommandArguments args;
    std::optional<int> player;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readIndex(read, QStringLiteral("--player"), player);
            if (problem.isEmpty() && !read.selection.team)
                return QStringLiteral("give the team with --team N");
            return problem;
        }))
        return *status;

    CommandStore data(args.dataFolder());
    if (!openForReading(data, kCommand, args.selection, true))
        return exitStatus(Outcome::Failure);
    Store& store = data.store;
    GameLog log;
    QString error;
    if (!log.read(store, error))
        return failure(kCommand, error);
    if (player) {
        std::vector<std::string> players;
        if (!store.teamPlayerLines(*args.selection.team, players, error))
            return failure(kCommand, error);
        if (*player < 1 || *player >= static_cast<int>(players.size()))
            return failure(kCommand, QStringLiteral("there is no player %1 on team %2")
                                         .arg(*player)
                                         .arg(*args.selection.team));
    }

    const ViewGrid grid = gameLogTable(store, log, *args.selection.team, player.value_or(0));
    QTextStream out(stdout);
    const auto printRow = [&out](const std::vector<std::string>& cells) {
        for (std::size_t c = 0; c < cells.size(); ++c)
            out << (c ? "\t" : "") << fromCodePage(cells[c]).trimmed();
        out << '\n';
    };
    printRow(grid.headers);
    for (const auto& row : grid.rows)
        printRow(row);
    out.flush();
    if (out.status() != QTextStream::Ok || std::ferror(stdout) || std::fflush(stdout) != 0)
        return failure(kCommand, QStringLiteral("the table could not be written"));
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
