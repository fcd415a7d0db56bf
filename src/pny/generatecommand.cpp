#include "generatecommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"

#include "schedule/roundrobin.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QFileInfo>
#include <QTextStream>

#include <cstdio>

namespace pny::cli {

const char* const kGenerateUsage =
    "  generate [--folder DIR] [--year N] [--league N] [--yes] [--again]\n"
    "            append one round-robin game for every time slot stored for the league's\n"
    "            fields (set in the program with Make), then save. Asks first unless --yes.\n"
    "            Refuses when games to add are in the schedule already, unless --again.\n"
    "            Teams booked twice at the same date and time are listed afterwards.\n";

namespace {

const QString kCommand = QStringLiteral("generate");

// Reads "y"/"yes" (any case) from standard input.
bool answeredYes() {
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

}  // namespace

int runGenerate(const QStringList& arguments) {
    const CommandLine syntax{"generate",
                             "generate [OPTIONS]",
                             kGenerateUsage,
                             {{"--folder", "--year", "--league"}, {"--yes", "--again"}, 0}};
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args))
        return *status;
    const SelectionOptions& selection = args.selection;
    const bool yes = args.flag(QStringLiteral("--yes"));
    const bool again = args.flag(QStringLiteral("--again"));
    if (!QFileInfo(args.dataFolder()).isDir())
        return failure(kCommand, QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    FolderLock lock(args.dataFolder());
    if (const int status = lockForWriting(lock, "generate"))
        return status;

    CommandStore data(args.dataFolder());
    Store& store = data.store;
    if (const QString error = data.open(true); !error.isEmpty())
        return failure(kCommand, error);

    // A year given here is used for this run only: the selection stored in the years file stays.
    const std::string storedYear = store.header.currentYear;
    if (const QString error = data.chooseYear(selection.year); !error.isEmpty())
        return failure(kCommand, error);
    if (const QString error = data.chooseLeague(selection.league); !error.isEmpty())
        return failure(kCommand, error);
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.loadTimes();
    if (!data.fileError().isEmpty())
        return failure(kCommand, data.fileError());

    const SortedList teamOrder = buildTeamOrder(store);
    const SortedList fieldList = buildFieldList(store);
    QTextStream out(stdout);
    out << fromCodePage(store.year.number) << ' ' << fromCodePage(store.league.name) << ": "
        << fieldList.size() << " fields and " << teamOrder.size() << " teams; "
        << store.times.size() << " time slots give " << store.times.size() << " games.\n";
    if (const QString check = generateCheck(fieldList.size(), teamOrder.size()); !check.isEmpty())
        return failure(kCommand, check);
    if (store.times.size() == 0) {
        return failure(
            kCommand,
            QStringLiteral(
                "You must set the times that fields are available before adding games to the "
                "schedule."));
    }
    const int repeated = countRepeatedGames(store, teamOrder);
    if (repeated > 0 && !again) {
        return failure(
            kCommand,
            repeatedGamesMessage(repeated, store.times.size()) +
                QStringLiteral(" Nothing was added; give --again to add them all the same."));
    }
    if (!yes) {
        out << "Add " << store.times.size() << " Games to Schedule? [y/N] " << Qt::flush;
        if (!answeredYes()) {
            out << "Nothing was added.\n";
            return exitStatus(Outcome::Failure);
        }
    }

    const int firstNew = store.games.size();
    const int added = generateGames(store, teamOrder);
    store.header.currentYear = storedYear;
    if (!store.saveAll()) {
        return failure(kCommand, data.fileError().isEmpty()
                                     ? QStringLiteral("the data could not be saved")
                                     : data.fileError());
    }
    out << added << " games added.\n";
    const std::vector<DoubleBooking> clashes = findDoubleBookings(store, firstNew);
    if (!clashes.empty()) {
        out << "These teams are booked for more than one game at the same date and time:\n";
        for (const DoubleBooking& clash : clashes)
            out << "  " << fromCodePage(doubleBookingText(store, clash)) << '\n';
    }
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
