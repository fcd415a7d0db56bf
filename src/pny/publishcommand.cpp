#include "publishcommand.h"

#include "folderaccess.h"
#include "folderarguments.h"

#include "publish/publishleague.h"
#include "store/store.h"

#include <QDir>
#include <QFileInfo>
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

const char* const kUsageLine =
    "Usage: pny publish --output DIR [--folder DIR] [--year N] [--league N]\n";

struct PublishOptions {
    QString output;
    std::optional<int> year;
    std::optional<int> league;
};

int fail(const QString& message, int code = 1) {
    QTextStream(stderr) << "pny publish: " << message << '\n';
    return code;
}

// Takes this command's options out of `arguments`, leaving the folder for the shared reader.
QString takeOptions(const QStringList& arguments, PublishOptions& options, QStringList& rest) {
    for (int i = 0; i < arguments.size(); ++i) {
        QString option = arguments.at(i);
        QString value;
        const qsizetype equals = option.indexOf(QLatin1Char('='));
        if (equals > 0) {
            value = option.mid(equals + 1);
            option.truncate(equals);
        }
        const bool ours = option == QLatin1String("--output") ||
                          option == QLatin1String("--year") || option == QLatin1String("--league");
        if (!ours) {
            rest << arguments.at(i);
            continue;
        }
        if (equals <= 0) {
            if (i + 1 >= arguments.size())
                return QStringLiteral("option %1 needs a value").arg(option);
            value = arguments.at(++i);
        }
        if (option == QLatin1String("--output")) {
            options.output = value;
            continue;
        }
        const std::optional<int> index = lineIndexArgument(value);
        if (!index) {
            return QStringLiteral("%1 takes a line index (0 or more), not \"%2\"")
                .arg(option, value);
        }
        (option == QLatin1String("--year") ? options.year : options.league) = index;
    }
    if (options.output.isEmpty())
        return QStringLiteral("give the website's folder with --output DIR");
    return {};
}

}  // namespace

int runPublish(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << "Usage: pny publish [OPTIONS]\n" << kPublishUsage;
        return 0;
    }
    PublishOptions options;
    QStringList rest;
    const QString problem = takeOptions(arguments, options, rest);
    if (!problem.isEmpty()) {
        QTextStream(stderr) << "pny publish: " << problem << '\n' << kUsageLine;
        return 2;
    }
    FolderArguments folder;
    if (!readFolderArguments(rest, 0, "publish", kUsageLine, folder))
        return 2;
    if (!QFileInfo(folder.folder).isDir())
        return fail(QStringLiteral("no data folder \"%1\"").arg(folder.folder));
    if (!prepareForReading(folder.folder, "publish"))
        return 1;

    Store store(QDir(folder.folder).absolutePath());
    const QString chosen = chooseLeague(store, options.year, options.league);
    if (!chosen.isEmpty())
        return fail(chosen);
    QString error;
    int files = 0;
    if (!publishLeague(store, options.output, error, &files))
        return fail(error);
    QTextStream(stdout) << "Published " << files << " files into "
                        << QDir::toNativeSeparators(QDir(options.output).absolutePath()) << '\n';
    return 0;
}

}  // namespace pny::cli
