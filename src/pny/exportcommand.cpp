#include "exportcommand.h"

#include "folderaccess.h"

#include "store/codepage.h"
#include "store/datafiles.h"
#include "store/filecommit.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/icsexport.h"
#include "views/tableexport.h"
#include "views/tableview.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

namespace pny::cli {

const char* const kExportUsage =
    "  export [--folder DIR] [--tab TAB] [--year N] [--league N] [--team N]\n"
    "         [--format tsv|csv|html|ics] [--output FILE]\n"
    "            print the table of one tab as the program shows it; nothing is written\n"
    "            to the data files.\n"
    "            DIR     the data folder (default: the folder of the pny program)\n"
    "            TAB     Teams, Players, Hitting, Running, Pitching, Fielding, Custom or\n"
    "                    Schedule, in any letter case (default: the tab last shown)\n"
    "            N       a line index in the years, leagues or teams file, in place of\n"
    "                    the current year, league or team stored in the files\n"
    "            tsv     (default) cells as shown, tab-separated, one row per line\n"
    "            csv     cells trimmed, comma-separated (RFC 4180)\n"
    "            html    a standalone page with the caption as its title\n"
    "            ics     the shown games as a calendar file (Schedule tab only)\n"
    "            FILE    write to FILE instead of standard output\n";

namespace {

const char* const kTabNames[kTabCount] = {"Teams",    "Players",  "Hitting", "Running",
                                          "Pitching", "Fielding", "Custom",  "Schedule"};

struct ExportOptions {
    QString folder;
    std::optional<int> tab;
    std::optional<int> year;
    std::optional<int> league;
    std::optional<int> team;
    QString format = QStringLiteral("tsv");
    QString output;
};

int fail(const QString& message) {
    QTextStream(stderr) << "pny export: " << message << '\n';
    return 1;
}

std::optional<int> tabOf(const QString& name) {
    for (int t = 0; t < kTabCount; ++t) {
        if (name.compare(QLatin1String(kTabNames[t]), Qt::CaseInsensitive) == 0)
            return t;
    }
    return std::nullopt;
}

std::optional<int> indexOf(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 0)
        return std::nullopt;
    return value;
}

// Reads the options; returns an error message, empty when they are fine.
QString parseOptions(const QStringList& arguments, ExportOptions& options) {
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        if (i + 1 >= arguments.size())
            return QStringLiteral("option %1 needs a value").arg(option);
        const QString value = arguments.at(++i);
        if (option == QLatin1String("--folder")) {
            options.folder = value;
        } else if (option == QLatin1String("--tab")) {
            options.tab = tabOf(value);
            if (!options.tab) {
                return QStringLiteral(
                           "unknown tab \"%1\"; use Teams, Players, Hitting, Running, Pitching, "
                           "Fielding, Custom or Schedule")
                    .arg(value);
            }
        } else if (option == QLatin1String("--year") || option == QLatin1String("--league") ||
                   option == QLatin1String("--team")) {
            const std::optional<int> index = indexOf(value);
            if (!index) {
                return QStringLiteral("%1 takes a line index (0 or more), not \"%2\"")
                    .arg(option, value);
            }
            if (option == QLatin1String("--year"))
                options.year = index;
            if (option == QLatin1String("--league"))
                options.league = index;
            if (option == QLatin1String("--team"))
                options.team = index;
        } else if (option == QLatin1String("--format")) {
            options.format = value.toLower();
            if (options.format != QLatin1String("tsv") && options.format != QLatin1String("csv") &&
                options.format != QLatin1String("html") && options.format != QLatin1String("ics")) {
                return QStringLiteral("unknown format \"%1\"; use tsv, csv, html or ics")
                    .arg(value);
            }
        } else if (option == QLatin1String("--output")) {
            options.output = value;
        } else {
            return QStringLiteral("unknown option \"%1\"; see pny --help").arg(option);
        }
    }
    return {};
}

bool writeOutput(const QString& path, const QByteArray& bytes, QString& error) {
    if (path.isEmpty()) {
        // Flushed and checked: a full disk behind a redirection must not pass for success.
        const auto size = static_cast<std::size_t>(bytes.size());
        if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
            error = QStringLiteral("cannot write to standard output: %1")
                        .arg(QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        return true;
    }
    error = refuseOutputPath(path);
    if (!error.isEmpty())
        return false;
    return writeFileAtomically(path, bytes, error);
}

}  // namespace

int runExport(const QStringList& arguments) {
    if (arguments.contains(QLatin1String("--help")) || arguments.contains(QLatin1String("-h"))) {
        QTextStream(stdout) << "Usage: pny export [OPTIONS]\n" << kExportUsage;
        return 0;
    }
    ExportOptions options;
    const QString error = parseOptions(arguments, options);
    if (!error.isEmpty())
        return fail(error);

    if (options.folder.isEmpty())
        options.folder = QCoreApplication::applicationDirPath();
    if (!QFileInfo(options.folder).isDir()) {
        return fail(QStringLiteral("no data folder \"%1\"").arg(options.folder));
    }
    if (!prepareForReading(options.folder, "export"))
        return 1;
    Store store(QDir(options.folder).absolutePath());
    QString fileError;
    store.onFileError = [&fileError](const QString& message) {
        if (fileError.isEmpty())
            fileError = message;
    };
    if (!QFileInfo::exists(store.yearsPath())) {
        return fail(QStringLiteral("no \"Baseball.Years\" in \"%1\"").arg(options.folder));
    }
    store.loadYears();
    if (!fileError.isEmpty())
        return fail(fileError);

    const int tab = options.tab ? *options.tab : toNumber(store.header.tab);
    if (tab < 0 || tab >= kTabCount) {
        return fail(QStringLiteral("the stored tab %1 is not one of 0 to 7; choose one with --tab")
                        .arg(tab));
    }
    if (options.format == QLatin1String("ics") && tab != kScheduleTab)
        return fail(QStringLiteral("the ics format is for the Schedule tab only"));

    // The selection given on the command line takes the place of the one stored in the files,
    // in memory only.
    if (options.year) {
        store.header.currentYear = numberText(*options.year);
        store.readYear(*options.year);
    }
    if (!store.hasYear() || !store.years.isValidRecord(toNumber(store.header.currentYear))) {
        return fail(QStringLiteral("no usable year is chosen; give one with --year"));
    }
    if (options.league)
        store.year.currentLeague = numberText(*options.league);
    store.ensureLeagues();
    if (!store.hasLeague() || !store.leagues.isValidRecord(toNumber(store.year.currentLeague))) {
        return fail(
            QStringLiteral("no usable league is chosen in year \"%1\"; give one with --league")
                .arg(fromCodePage(store.year.number)));
    }
    if (options.team) {
        store.league.currentTeam = numberText(*options.team);
    }

    ViewState state;
    const ViewGrid grid = buildTable(store, state, tab);
    if (!fileError.isEmpty())
        return fail(fileError);
    // A game whose date cannot be read stops the table: a part of it is not published as whole.
    if (!grid.error.empty())
        return fail(fromCodePage(grid.error));

    QString writeError;
    if (options.format == QLatin1String("ics")) {
        if (!writeOutput(options.output, exportIcs(store, grid), writeError))
            return fail(writeError);
        return 0;
    }
    QString text;
    if (options.format == QLatin1String("csv")) {
        text = exportCsv(grid);
    } else if (options.format == QLatin1String("html")) {
        text = exportHtml(grid);
    } else {
        text = exportTsv(grid);
    }
    if (!writeOutput(options.output, text.toUtf8(), writeError))
        return fail(writeError);
    return 0;
}

}  // namespace pny::cli
