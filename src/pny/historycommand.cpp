#include "historycommand.h"

#include "leaguelisting.h"

#include "people/leaguehistory.h"
#include "people/peoplelinks.h"

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

int runHistory(const QStringList& arguments) {
    LeagueListing listing;
    if (const auto status = listing.open(arguments, "history", "history [OPTIONS]", kHistoryUsage))
        return *status;
    // Linked players' seasons count together in the all-time lists.
    PeopleLinks people;
    LeagueHistory history;
    QString error;
    if (!readPeople(listing.store(), people, error) ||
        !buildLeagueHistory(listing.store(), people, listing.settings, history, error))
        return listing.fail(error);
    return listing.print([&] { return exportHistoryTsv(history); },
                         [&] { return exportHistoryCsv(history); },
                         [&] { return exportHistoryHtml(history); });
}

}  // namespace pny::cli
