#include "publishcommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"

#include "publish/publishleague.h"
#include "store/store.h"

#include <QDir>
#include <QTextStream>

#include <optional>

namespace pny::cli {

const char* const kPublishUsage =
    "  publish --output DIR [--folder DIR] [--year N] [--league N]\n"
    "            write the league's website into the folder given with --output: the\n"
    "            standings, the leaders, a page per team, player and night of the game\n"
    "            log, the schedule, a calendar (schedule.ics) and a results feed\n"
    "            (feed.xml); files already up to date are left alone. The output\n"
    "            folder may not be the data folder nor lie inside it. --year and\n"
    "            --league as for leaders.\n";

namespace {

const QString kCommand = QStringLiteral("publish");

}  // namespace

int runPublish(const QStringList& arguments) {
    const CommandLine syntax{"publish",
                             "publish [OPTIONS]",
                             kPublishUsage,
                             {{"--folder", "--output", "--year", "--league"}, {}, 0}};
    CommandArguments args;
    if (const auto status = readCommandLine(arguments, syntax, args, [](const auto& read) {
            return read.value(QStringLiteral("--output")).isEmpty()
                       ? QStringLiteral("give the website's folder with --output DIR")
                       : QString();
        }))
        return *status;
    const SelectionOptions& selection = args.selection;
    const QString output = args.value(QStringLiteral("--output"));

    CommandStore data(args.dataFolder());
    if (!openForReading(data, kCommand, selection, false))
        return exitStatus(Outcome::Failure);
    QString error;
    int files = 0;
    if (!publishLeague(data.store, output, error, &files))
        return failure(kCommand, error);
    QTextStream(stdout) << "Published " << files << " files into "
                        << QDir::toNativeSeparators(QDir(output).absolutePath()) << '\n';
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
