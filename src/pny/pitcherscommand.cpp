#include "pitcherscommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
#include "folderaccess.h"
#include "printoutput.h"

#include "gamelog/gamelog.h"
#include "pitching/eligiblepitchers.h"
#include "pitching/pitchrulesfile.h"
#include "store/codepage.h"
#include "views/tableexport.h"

#include <QDate>
#include <QFileInfo>

namespace pny::cli {

const char* const kPitchersUsage =
    "  pitchers [--date YYYY-MM-DD] [--team N] [--format tsv|csv|html] [--folder DIR]\n"
    "           [--year N] [--league N]\n"
    "            print every pitcher of the league (or of team N) who pitched in the 14\n"
    "            days before the date (default: the next date of the schedule with a\n"
    "            game): his last night, its pitches and, when the league has pitch rules,\n"
    "            the days of rest they require, the first date he is eligible and whether\n"
    "            he is on the date. A night without a pitch count reads \"unknown\".\n"
    "  pitchers --set-max N --set-rest P:D,P:D... | --clear-rules [--folder DIR] ...\n"
    "            set the league's pitch rules and save them: at most N pitches a day (0\n"
    "            for no maximum), and from P pitches in a day D days of rest, as in\n"
    "            21:1,36:2,51:3,66:4 (fewer pitches than the first step need none).\n"
    "            Either may be given alone; --clear-rules takes the rules away.\n";

namespace {

const QString kCommand = QStringLiteral("pitchers");

QString rulesSummary(const std::optional<PitchRules>& rules) {
    if (!rules)
        return QStringLiteral("no pitch rules");
    return QStringLiteral("daily maximum %1; %2")
        .arg(rules->dailyMax > 0 ? QString::number(rules->dailyMax) : QStringLiteral("none"),
             rules->rest.empty() ? QStringLiteral("no rest required")
                                 : QStringLiteral("days of rest ") +
                                       QString::fromStdString(restTableDescription(rules->rest)));
}

// Sets or clears the rules of the chosen league under the folder's lock.
int setRules(const CommandArguments& args, const SelectionOptions& selection) {
    std::optional<int> max;
    std::optional<std::vector<RestStep>> rest;
    const bool clear = args.flag(QStringLiteral("--clear-rules"));
    if (clear && (args.has(QStringLiteral("--set-max")) || args.has(QStringLiteral("--set-rest"))))
        return usageError(kCommand,
                          QStringLiteral("--clear-rules takes no --set-max or --set-rest"));
    if (args.has(QStringLiteral("--set-max"))) {
        max = parseDailyMax(args.value(QStringLiteral("--set-max")).toStdString());
        if (!max) {
            return usageError(kCommand, QStringLiteral("--set-max takes a number of pitches from 0 "
                                                       "to %1, not \"%2\"")
                                            .arg(kMaxPitchCount)
                                            .arg(args.value(QStringLiteral("--set-max"))));
        }
    }
    if (args.has(QStringLiteral("--set-rest"))) {
        std::string problem;
        rest = parseRestTable(args.value(QStringLiteral("--set-rest")).toStdString(), problem);
        if (!rest) {
            return usageError(kCommand, QStringLiteral("--set-rest: %1; give pitches:days steps "
                                                       "such as 21:1,36:2,51:3,66:4")
                                            .arg(QString::fromStdString(problem)));
        }
    }
    if (!QFileInfo(args.dataFolder()).isDir())
        return failure(kCommand, QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    FolderLock lock(args.dataFolder());
    if (const int status = lockForWriting(lock, "pitchers"))
        return status;
    CommandStore data(args.dataFolder());
    if (const QString error = data.openSelection(selection, false); !error.isEmpty())
        return failure(kCommand, error);
    const QString path = pitchRulesPath(data.store);
    std::optional<PitchRules> rules;
    QString error;
    // Rules that cannot be read are replaced only as a whole, never merged with.
    if (!readPitchRules(path, rules, error) && (!max || !rest))
        return failure(kCommand, error);
    if (clear) {
        rules.reset();
    } else {
        PitchRules changed = rules.value_or(PitchRules());
        if (max)
            changed.dailyMax = *max;
        if (rest)
            changed.rest = *rest;
        rules = changed;
    }
    if (!writePitchRules(path, rules, error))
        return failure(kCommand, error);
    return printOutput(
        kCommand, QStringLiteral("%1: %2.\n")
                      .arg(fromCodePage(data.store.league.name).trimmed(), rulesSummary(rules)));
}

// The date "--date" gives, when given. Returns what is wrong, empty when nothing is.
QString readDate(const CommandArguments& args, QDate& date) {
    if (!args.has(QStringLiteral("--date")))
        return {};
    const QString text = args.value(QStringLiteral("--date"));
    date = QDate::fromString(text, Qt::ISODate);
    if (!date.isValid() || text.size() != 10)
        return QStringLiteral("--date takes a date as YYYY-MM-DD, not \"%1\"").arg(text);
    return {};
}

}  // namespace

int runPitchers(const QStringList& arguments) {
    const CommandLine syntax{"pitchers",
                             "pitchers [OPTIONS]",
                             kPitchersUsage,
                             {{"--folder", "--year", "--league", "--team", "--date", "--format",
                               "--set-max", "--set-rest"},
                              {"--clear-rules"},
                              0}};
    CommandArguments args;
    QString format;
    QDate date;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readTableFormat(read, format);
            return problem.isEmpty() ? readDate(read, date) : problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;
    if (args.has(QStringLiteral("--set-max")) || args.has(QStringLiteral("--set-rest")) ||
        args.flag(QStringLiteral("--clear-rules"))) {
        return setRules(args, selection);
    }

    if (!QFileInfo(args.dataFolder()).isDir())
        return failure(kCommand, QStringLiteral("no data folder \"%1\"").arg(args.dataFolder()));
    if (!prepareForReading(args.dataFolder(), "pitchers"))
        return exitStatus(Outcome::Failure);
    CommandStore data(args.dataFolder());
    Store& store = data.store;
    if (const QString error = data.openSelection(selection, selection.team.has_value());
        !error.isEmpty()) {
        return failure(kCommand, error);
    }
    store.ensureTeams();
    store.ensureGames();
    if (!data.fileError().isEmpty())
        return failure(kCommand, data.fileError());
    QString error;
    std::optional<PitchRules> rules;
    if (!readPitchRules(pitchRulesPath(store), rules, error))
        return failure(kCommand, error);
    GameLog log;
    if (!log.read(store, error))
        return failure(kCommand, error);
    if (!date.isValid())
        date = nextGameDate(store, QDate::currentDate());

    const ViewGrid grid = eligiblePitchers(store, log, rules, date, selection.team.value_or(0));
    const QString text = format == QLatin1String("csv")    ? exportCsv(grid)
                         : format == QLatin1String("html") ? exportHtml(grid)
                                                           : exportTsv(grid);
    return printOutput(kCommand, text);
}

}  // namespace pny::cli
