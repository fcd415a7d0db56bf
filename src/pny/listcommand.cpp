#include "listcommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "store/codepage.h"
#include "store/listitems.h"

#include <QFileInfo>
#include <QTextStream>

namespace pny::cli {

const char* const kListUsage =
    "  list [--folder DIR] [--year N] [--league N]\n"
    "            print the seasons, or with --year a season's leagues, or with --league\n"
    "            a league's teams (of the current season unless --year is given), one per\n"
    "            line: the line index the options take, the number and the name,\n"
    "            tab-separated, after a header line. Deleted items are left out.\n";

int runList(const QStringList& arguments) {
    const QString command = QStringLiteral("list");
    const CommandLine syntax{"list",
                             "list [--folder DIR] [--year N] [--league N]",
                             kListUsage,
                             {{"--folder", "--year", "--league"}, {}, 0}};
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args))
        return *status;
    const SelectionOptions& selection = args.selection;

    // Like every reader, completes a save a crash interrupted before reading the lists.
    if (QFileInfo(args.dataFolder()).isDir() && !prepareForReading(args.dataFolder(), "list"))
        return exitStatus(Outcome::Failure);
    CommandStore data(args.dataFolder());
    if (const QString error = data.open(false); !error.isEmpty())
        return failure(command, error);
    const RecordList* list = &data.store.years;
    if (selection.year || selection.league) {
        if (const QString error = data.chooseYear(selection.year); !error.isEmpty())
            return failure(command, error);
        // Loads the season's leagues; only the teams need a usable league.
        const QString leagueError = data.chooseLeague(selection.league);
        if (!data.fileError().isEmpty())
            return failure(command, data.fileError());
        list = &data.store.leagues;
        if (selection.league) {
            if (!leagueError.isEmpty())
                return failure(command, leagueError);
            data.store.ensureTeams();
            if (!data.fileError().isEmpty())
                return failure(command, data.fileError());
            list = &data.store.teams;
        }
    }

    QTextStream out(stdout);
    out << "index\tnumber\tname\n";
    for (const std::string& text : listItemsOf(*list, false).texts) {
        const ListItem item = parseListItem(text);
        out << QString::fromStdString(item.index) << '\t' << fromCodePage(item.number) << '\t'
            << fromCodePage(item.name) << '\n';
    }
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
