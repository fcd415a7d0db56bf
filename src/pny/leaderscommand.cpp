#include "leaderscommand.h"

#include "leaguelisting.h"

#include "views/leaders.h"
#include "views/leadersexport.h"

namespace pny::cli {

const char* const kLeadersUsage =
    "  leaders [--folder DIR] [--year N] [--league N] [--top N] [--format tsv|csv|html]\n"
    "            print the league's leaders in every category across all its teams, one\n"
    "            block per category with its qualification rule; nothing is written.\n"
    "            --year, --league  a line index in the years or leagues file, in place\n"
    "                    of the current year or league stored in the files\n"
    "            --top N list N places (default: the league's own, 10 unless changed in\n"
    "                    the League Leaders window)\n"
    "            tsv     (default), csv or html, as for export\n";

int runLeaders(const QStringList& arguments) {
    LeagueListing listing;
    if (const auto status = listing.open(arguments, "leaders", "leaders [OPTIONS]", kLeadersUsage))
        return *status;
    LeagueLeaders leaders;
    QString error;
    if (!buildLeagueLeaders(listing.store(), listing.settings, leaders, error))
        return listing.fail(error);
    return listing.print([&] { return exportLeadersTsv(leaders); },
                         [&] { return exportLeadersCsv(leaders); },
                         [&] { return exportLeadersHtml(leaders); });
}

}  // namespace pny::cli
