#include "careercommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "printoutput.h"

#include "people/career.h"
#include "people/peoplelinks.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/tableexport.h"

#include <QCollator>
#include <QLocale>

namespace pny::cli {

const char* const kCareerUsage =
    "  career [--folder DIR] [--year N] [--league N] [--team N] [--player P] [--tab TAB]\n"
    "         [--format tsv|csv|html]\n"
    "            print a player's career: one row per season and team with the tab's\n"
    "            columns, then the career totals, the rates worked out from the summed\n"
    "            counts; seasons count together where Link Players joined them. Nothing\n"
    "            is written.\n"
    "            N       a line index in the years, leagues or teams file, in place of\n"
    "                    the current year, league or team stored in the files\n"
    "            P       the player's number on that team, or his name (letter case\n"
    "                    ignored); default: the team's current player\n"
    "            TAB     Players, Hitting, Running, Pitching, Fielding or Custom\n"
    "                    (default: Players)\n"
    "            tsv     (default), csv or html, as for export\n";

namespace {

const QString kCommand = QStringLiteral("career");

// The line of the team's player `wanted` names: his number first, otherwise his name in the
// program's collation, letter case ignored; 0 when no active player has it.
int findPlayer(const Store& store, const QString& wanted) {
    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    int byName = 0;
    for (int p = 1; p < store.players.size(); ++p) {
        const PlayerRecord player = PlayerRecord::parse(store.players.line(p));
        if (!player.flag.empty())
            continue;
        if (fromCodePage(player.number).trimmed() == wanted.trimmed())
            return p;
        if (byName == 0 &&
            collator.compare(fromCodePage(player.name).trimmed(), wanted.trimmed()) == 0) {
            byName = p;
        }
    }
    return byName;
}

// The player tab "--tab" gives, when given. Returns what is wrong, empty when nothing is.
QString readPlayerTab(const CommandArguments& args, int& tab) {
    if (!args.has(QStringLiteral("--tab")))
        return {};
    const std::optional<int> chosen = tabOf(args.value(QStringLiteral("--tab")));
    if (!chosen || !isPlayerTab(*chosen)) {
        return QStringLiteral(
                   "\"%1\" is not a player tab; use Players, Hitting, Running, Pitching, "
                   "Fielding or Custom")
            .arg(args.value(QStringLiteral("--tab")));
    }
    tab = *chosen;
    return {};
}

}  // namespace

int runCareer(const QStringList& arguments) {
    const CommandLine syntax{
        "career",
        "career [OPTIONS]",
        kCareerUsage,
        {{"--folder", "--year", "--league", "--team", "--player", "--tab", "--format"}, {}, 0}};
    CommandArguments args;
    int tab = kFirstPlayerTab;  // Players: games, at bats, hits and the batting rates
    QString format;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readPlayerTab(read, tab);
            return problem.isEmpty() ? readTableFormat(read, format) : problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;

    CommandStore data(args.dataFolder());
    if (!openForReading(data, kCommand, selection, true))
        return exitStatus(Outcome::Failure);
    Store& store = data.store;
    store.ensurePlayers();
    if (!data.fileError().isEmpty())
        return failure(kCommand, data.fileError());

    int line = toNumber(store.team.currentPlayer);
    if (args.has(QStringLiteral("--player"))) {
        line = findPlayer(store, args.value(QStringLiteral("--player")));
        if (line == 0) {
            return failure(kCommand, QStringLiteral("no player \"%1\" on team \"%2\"")
                                         .arg(args.value(QStringLiteral("--player")),
                                              fromCodePage(store.team.name)));
        }
    }
    PlayerKey key = currentPlayerKey(store);
    key.player = line;

    PeopleLinks people;
    Career career;
    QString error;
    if (!readPeople(store, people, error) ||
        !readCareer(store, people.recordsOf(key), career, error))
        return failure(kCommand, error);
    if (career.seasons.empty())
        return failure(kCommand, QStringLiteral("team \"%1\" has no current player; choose one "
                                                "with --player")
                                     .arg(fromCodePage(store.team.name)));
    const ViewGrid grid = careerGrid(career, store.league, tab);
    if (format == QLatin1String("csv"))
        return printOutput(kCommand, exportCsv(grid));
    if (format == QLatin1String("html"))
        return printOutput(kCommand, exportHtml(grid));
    return printOutput(kCommand, exportTsv(grid));
}

}  // namespace pny::cli
