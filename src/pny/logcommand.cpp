#include "logcommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "gamelog/gamelog.h"
#include "gamelog/logtable.h"
#include "store/codepage.h"
#include "store/linecodec.h"

#include <QFileInfo>
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
    if (asksForHelp(arguments))
        return showHelp(QStringLiteral("Usage: pny log --team N [OPTIONS]\n") + kLogUsage);
    CommandArguments args;
    SelectionOptions selection;
    std::optional<int> player;
    QString problem = readArguments(
        arguments, {{"--folder", "--year", "--league", "--team", "--player"}, {}, 0}, args);
    if (problem.isEmpty())
        problem = readSelectionOptions(args, selection);
    if (problem.isEmpty())
        problem = readIndex(args, QStringLiteral("--player"), player);
    if (problem.isEmpty() && !selection.team)
        problem = QStringLiteral("give the team with --team N");
    if (!problem.isEmpty())
        return usageError(kCommand, problem);
    if (!QFileInfo(args.dataFolder()).isDir())
        return failure(kCommand, QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    if (!prepareForReading(args.dataFolder(), "log"))
        return exitStatus(Outcome::Failure);

    CommandStore data(args.dataFolder());
    Store& store = data.store;
    if (const QString error = data.openSelection(selection, true); !error.isEmpty())
        return failure(kCommand, error);
    GameLog log;
    QString error;
    if (!log.read(store, error))
        return failure(kCommand, error);
    if (player) {
        std::vector<std::string> players;
        if (!store.teamPlayerLines(*selection.team, players, error))
            return failure(kCommand, error);
        if (*player < 1 || *player >= static_cast<int>(players.size()))
            return failure(kCommand, QStringLiteral("there is no player %1 on team %2")
                                         .arg(*player)
                                         .arg(*selection.team));
    }

    const ViewGrid grid = gameLogTable(store, log, *selection.team, player.value_or(0));
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
