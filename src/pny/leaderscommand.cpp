#include "leaderscommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"
#include "folderarguments.h"

#include "store/store.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <optional>

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

namespace {

const char* const kUsageLine =
    "Usage: pny leaders [--folder DIR] [--year N] [--league N] [--top N] "
    "[--format tsv|csv|html]\n";

struct LeadersOptions {
    std::optional<int> year;
    std::optional<int> league;
    std::optional<int> top;
    QString format = QStringLiteral("tsv");
};

int fail(const QString& message, int code = 1) {
    QTextStream(stderr) << "pny leaders: " << message << '\n';
    return code;
}

// Takes the options of this command out of `arguments`; the rest (the folder) is left for the
// shared folder reader. Returns what is wrong, empty when the options are fine.
QString takeOptions(const QStringList& arguments, LeadersOptions& options, QStringList& rest) {
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        QString value;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        const bool ours = option == QLatin1String("--year") ||
                          option == QLatin1String("--league") || option == QLatin1String("--top") ||
                          option == QLatin1String("--format");
        if (!ours) {
            rest << arguments.at(i);
            continue;
        }
        if (equals <= 0) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("option %1 needs a value").arg(option);
            value = arguments.at(++i);
        }
        if (option == QLatin1String("--format")) {
            options.format = value.toLower();
            if (options.format != QLatin1String("tsv") && options.format != QLatin1String("csv") &&
                options.format != QLatin1String("html")) {
                return QStringLiteral("unknown format \"%1\"; use tsv, csv or html").arg(value);
            }
        } else if (option == QLatin1String("--top")) {
            bool ok = false;
            const int top = value.toInt(&ok);
            if (!ok || !validPlaces(top)) {
                return QStringLiteral("--top takes a number of places from %1 to %2, not \"%3\"")
                    .arg(kMinPlaces)
                    .arg(kMaxPlaces)
                    .arg(value);
            }
            options.top = top;
        } else {
            const std::optional<int> index = lineIndexArgument(value);
            if (!index) {
                return QStringLiteral("%1 takes a line index (0 or more), not \"%2\"")
                    .arg(option, value);
            }
            (option == QLatin1String("--year") ? options.year : options.league) = index;
        }
    }
    return {};
}

}  // namespace

int runLeaders(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << "Usage: pny leaders [OPTIONS]\n" << kLeadersUsage;
        return 0;
    }
    LeadersOptions options;
    QStringList rest;
    const QString problem = takeOptions(arguments, options, rest);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "pny leaders: " << problem << '\n' << kUsageLine;
        return 2;
    }
    CommandArguments folder;
    const QString folderProblem = readArguments(rest, {{"--folder"}, {}, 0}, folder);
    if (!folderProblem.isEmpty())
        return usageError(QStringLiteral("leaders"), folderProblem);
    if (!prepareForReading(folder.dataFolder(), "leaders"))
        return exitStatus(Outcome::Failure);
    CommandStore command(QDir(folder.dataFolder()).absolutePath());
    QString chosen = command.open(true);
    if (chosen.isEmpty())
        chosen = command.chooseYear(options.year);
    if (chosen.isEmpty())
        chosen = command.chooseLeague(options.league);
    if (!chosen.isEmpty())
        return fail(chosen);
    Store& store = command.store;

    LeaderSettings settings;
    QString error;
    if (!readLeaderSettings(leaderSettingsPath(store), settings, error))
        return fail(error);
    if (options.top)
        settings.places = *options.top;
    LeagueLeaders leaders;
    if (!buildLeagueLeaders(store, settings, leaders, error))
        return fail(error);

    QString text;
    if (options.format == QLatin1String("csv")) {
        text = exportLeadersCsv(leaders);
    } else if (options.format == QLatin1String("html")) {
        text = exportLeadersHtml(leaders);
    } else {
        text = exportLeadersTsv(leaders);
    }
    const QByteArray bytes = text.toUtf8();
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
        return fail(QStringLiteral("cannot write to standard output"));
    return 0;
}

}  // namespace pny::cli
