#include "exportcommand.h"

#include "arguments.h"
#include "commandstore.h"
#include "exitstatus.h"
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
    "            DIR     the data folder (default: the program's, see pny --help)\n"
    "            TAB     Teams, Players, Hitting, Running, Pitching, Fielding, Custom or\n"
    "                    Schedule, in any letter case (default: the tab last shown)\n"
    "            N       a line index in the years, leagues or teams file, in place of\n"
    "                    the current year, league or team stored in the files\n"
    "            tsv     (default) cells as shown, tab-separated, one row per line\n"
    "            csv     cells trimmed, comma-separated (RFC 4180)\n"
    "            html    a standalone page with the caption as its title\n"
    "            ics     the shown games in the website's calendar, in the computer's\n"
    "                    time zone (Schedule tab only)\n"
    "            FILE    write to FILE instead of standard output\n";

namespace {

const QString kCommand = QStringLiteral("export");

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

// The tab "--tab" gives, when given. Returns what is wrong, empty when nothing is.
QString readAnyTab(const CommandArguments& args, std::optional<int>& tab) {
    if (!args.has(QStringLiteral("--tab")))
        return {};
    tab = tabOf(args.value(QStringLiteral("--tab")));
    if (tab)
        return {};
    return QStringLiteral(
               "unknown tab \"%1\"; use Teams, Players, Hitting, Running, Pitching, "
               "Fielding, Custom or Schedule")
        .arg(args.value(QStringLiteral("--tab")));
}

// The format "--format" gives: a table format or the calendar's ics, in lower case.
QString readExportFormat(const CommandArguments& args, QString& format) {
    format = args.has(QStringLiteral("--format")) ? args.value(QStringLiteral("--format")).toLower()
                                                  : QStringLiteral("tsv");
    if (QStringList{"tsv", "csv", "html", "ics"}.contains(format))
        return {};
    return QStringLiteral("unknown format \"%1\"; use tsv, csv, html or ics")
        .arg(args.value(QStringLiteral("--format")));
}

}  // namespace

int runExport(const QStringList& arguments) {
    const CommandLine syntax{
        "export",
        "export [OPTIONS]",
        kExportUsage,
        {{"--folder", "--tab", "--year", "--league", "--team", "--format", "--output"}, {}, 0}};
    CommandArguments args;
    std::optional<int> chosenTab;
    QString format;
    if (const auto status = readCommandLine(arguments, syntax, args, [&](const auto& read) {
            const QString problem = readAnyTab(read, chosenTab);
            return problem.isEmpty() ? readExportFormat(read, format) : problem;
        }))
        return *status;
    const SelectionOptions& selection = args.selection;

    if (QFileInfo(args.dataFolder()).isDir() && !prepareForReading(args.dataFolder(), "export"))
        return exitStatus(Outcome::Failure);
    CommandStore data(args.dataFolder());
    Store& store = data.store;
    if (const QString error = data.open(true); !error.isEmpty())
        return failure(kCommand, error);

    const int tab = chosenTab ? *chosenTab : toNumber(store.header.tab);
    if (tab < 0 || tab >= kTabCount) {
        return failure(
            kCommand,
            QStringLiteral("the stored tab %1 is not one of 0 to 7; choose one with --tab")
                .arg(tab));
    }
    if (format == QLatin1String("ics") && tab != kScheduleTab)
        return failure(kCommand, QStringLiteral("the ics format is for the Schedule tab only"));

    // The selection given on the command line takes the place of the one stored in the files,
    // in memory only. A team is needed only where one is given; the player tabs of a league
    // without a usable team show their one blank row.
    if (const QString error = data.chooseYear(selection.year); !error.isEmpty())
        return failure(kCommand, error);
    if (const QString error = data.chooseLeague(selection.league); !error.isEmpty())
        return failure(kCommand, error);
    if (selection.team) {
        if (const QString error = data.chooseTeam(selection.team); !error.isEmpty())
            return failure(kCommand, error);
    }

    ViewState state;
    const ViewGrid grid = buildTable(store, state, tab);
    if (!data.fileError().isEmpty())
        return failure(kCommand, data.fileError());
    // A game whose date cannot be read stops the table: a part of it is not published as whole.
    if (!grid.error.empty())
        return failure(kCommand, fromCodePage(grid.error));

    QString writeError;
    const QString output = args.value(QStringLiteral("--output"));
    if (format == QLatin1String("ics")) {
        if (!writeOutput(output, exportIcs(store, grid), writeError))
            return failure(kCommand, writeError);
        return exitStatus(Outcome::Success);
    }
    QString text;
    if (format == QLatin1String("csv")) {
        text = exportCsv(grid);
    } else if (format == QLatin1String("html")) {
        text = exportHtml(grid);
    } else {
        text = exportTsv(grid);
    }
    if (!writeOutput(output, text.toUtf8(), writeError))
        return failure(kCommand, writeError);
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
