#include "generatecommand.h"

#include "folderaccess.h"

#include "schedule/roundrobin.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/store.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <cstdio>
#include <optional>

namespace pny::cli {

const char* const kGenerateUsage =
    "  generate [--folder DIR] [--year N] [--league N] [--yes] [--again]\n"
    "            append one round-robin game for every time slot stored for the league's\n"
    "            fields (set in the program with Make), then save. Asks first unless --yes.\n"
    "            Refuses when games to add are in the schedule already, unless --again.\n"
    "            Teams booked twice at the same date and time are listed afterwards.\n";

namespace {

int fail(const QString& message) {
    QTextStream(stderr) << "pny generate: " << message << '\n';
    return 1;
}

std::optional<int> indexOf(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// Reads "y"/"yes" (any case) from standard input.
bool answeredYes() {
    QTextStream in(stdin);
    const QString answer = in.readLine().trimmed().toLower();
    return answer == QLatin1String("y") || answer == QLatin1String("yes");
}

}  // namespace

int runGenerate(const QStringList& arguments) {
    QString folder;
    std::optional<int> year;
    std::optional<int> league;
    bool yes = false;
    bool again = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        if (option == QLatin1String("--help") || option == QLatin1String("-h")) {
            QTextStream(stdout) << "Usage: pny generate [OPTIONS]\n" << kGenerateUsage;
            return 0;
        }
        if (option == QLatin1String("--yes")) {
            yes = true;
            continue;
        }
        if (option == QLatin1String("--again")) {
            again = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            return fail(QStringLiteral("option %1 needs a value").arg(option));
        const QString value = arguments.at(++i);
        if (option == QLatin1String("--folder")) {
            folder = value;
        } else if (option == QLatin1String("--year") || option == QLatin1String("--league")) {
            const std::optional<int> index = indexOf(value);
            if (!index) {
                return fail(QStringLiteral("%1 takes a line index (0 or more), not \"%2\"")
                                .arg(option, value));
            }
            (option == QLatin1String("--year") ? year : league) = index;
        } else {
            return fail(QStringLiteral("unknown option \"%1\"; see pny --help").arg(option));
        }
    }

    if (folder.isEmpty())
        folder = QCoreApplication::applicationDirPath();
    if (!QFileInfo(folder).isDir())
        return fail(QStringLiteral("no data folder \"%1\"").arg(folder));
    FolderLock lock(folder);
    if (const int status = lockForWriting(lock, "generate"))
        return status;
    Store store(QDir(folder).absolutePath());
    QString fileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    if (!QFileInfo::exists(store.yearsPath()))
        return fail(QStringLiteral("no \"Baseball.Years\" in \"%1\"").arg(folder));
    store.loadYears();
    if (!fileError.isEmpty())
        return fail(fileError);

    // A year given here is used for this run only: the selection stored in the years file stays.
    const std::string storedYear = store.header.currentYear;
    if (year) {
        store.header.currentYear = numberText(*year);
        store.readYear(*year);
    }
    if (!store.hasYear() || !store.years.isValidRecord(toNumber(store.header.currentYear)))
        return fail(QStringLiteral("no usable year is chosen; give one with --year"));
    if (league)
        store.year.currentLeague = numberText(*league);
    store.ensureLeagues();
    if (!store.hasLeague() || !store.leagues.isValidRecord(toNumber(store.year.currentLeague))) {
        return fail(
            QStringLiteral("no usable league is chosen in year \"%1\"; give one with --league")
                .arg(fromCodePage(store.year.number)));
    }
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.loadTimes();
    if (!fileError.isEmpty())
        return fail(fileError);

    const SortedList teamOrder = buildTeamOrder(store);
    const SortedList fieldList = buildFieldList(store);
    QTextStream out(stdout);
    out << fromCodePage(store.year.number) << ' ' << fromCodePage(store.league.name) << ": "
        << fieldList.size() << " fields and " << teamOrder.size() << " teams; "
        << store.times.size() << " time slots give " << store.times.size() << " games.\n";
    const QString problem = generateCheck(fieldList.size(), teamOrder.size());
    if (!problem.isEmpty())
        return fail(problem);
    if (store.times.size() == 0) {
        return fail(QStringLiteral(
            "You must set the times that fields are available before adding games to the "
            "schedule."));
    }
    const int repeated = countRepeatedGames(store, teamOrder);
    if (repeated > 0 && !again) {
        return fail(repeatedGamesMessage(repeated, store.times.size()) +
                    QStringLiteral(" Nothing was added; give --again to add them all the same."));
    }
    if (!yes) {
        out << "Add " << store.times.size() << " Games to Schedule? [y/N] " << Qt::flush;
        if (!answeredYes()) {
            out << "Nothing was added.\n";
            return 1;
        }
    }

    const int firstNew = store.games.size();
    const int added = generateGames(store, teamOrder);
    store.header.currentYear = storedYear;
    if (!store.saveAll())
        return fail(fileError.isEmpty() ? QStringLiteral("the data could not be saved")
                                        : fileError);
    out << added << " games added.\n";
    const std::vector<DoubleBooking> clashes = findDoubleBookings(store, firstNew);
    if (!clashes.empty()) {
        out << "These teams are booked for more than one game at the same date and time:\n";
        for (const DoubleBooking& clash : clashes)
            out << "  " << fromCodePage(doubleBookingText(store, clash)) << '\n';
    }
    return 0;
}

}  // namespace pny::cli
