#include "historycommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "printoutput.h"

#include "people/leaguehistory.h"
#include "people/peoplelinks.h"
#include "store/store.h"
#include "views/leadersettings.h"

#include <optional>

namespace pny::cli {

const char* const kHistoryUsage =
    "  history [--folder DIR] [--year N] [--league N] [--top N] [--format tsv|csv|html]\n"
    "            print the league's history over the seasons: every season's\n"
    "            standings leader of the leagues of the same name, then the all-time\n"
    "            leaders of every category, linked players' seasons counted together;\n"
    "            nothing is written.\n"
    "            --year, --league  a line index, in place of the current year or\n"
    "                    league stored in the files\n"
    "            --top N list N places (default: the league's own, as for leaders)\n"
    "            tsv     (default), csv or html, as for export\n";

namespace {

const QString kCommand = QStringLiteral("history");

}  // namespace

int runHistory(const QStringList& arguments) {
    const CommandLine syntax{"history",
                             "history [OPTIONS]",
                             kHistoryUsage,
                             {{"--folder", "--year", "--league", "--top", "--format"}, {}, 0}};
    CommandArguments args;
    std::optional<int> top;
    QString format;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readPlaces(read, top);
            return problem.isEmpty() ? readTableFormat(read, format) : problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;

    CommandStore data(args.dataFolder());
    if (!openForReading(data, kCommand, selection, false))
        return exitStatus(Outcome::Failure);
    Store& store = data.store;
    QString error;

    LeaderSettings settings;
    PeopleLinks people;
    LeagueHistory history;
    if (!readLeaderSettings(leaderSettingsPath(store), settings, error) ||
        !readPeople(store, people, error)) {
        return failure(kCommand, error);
    }
    if (top)
        settings.places = *top;
    if (!buildLeagueHistory(store, people, settings, history, error))
        return failure(kCommand, error);
    if (format == QLatin1String("csv"))
        return printOutput(kCommand, exportHistoryCsv(history));
    if (format == QLatin1String("html"))
        return printOutput(kCommand, exportHistoryHtml(history));
    return printOutput(kCommand, exportHistoryTsv(history));
}

}  // namespace pny::cli
