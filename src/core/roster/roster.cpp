#include "roster/roster.h"

#include "roster/rostercsv.h"
#include "roster/rosterplan.h"
#include "store/codepage.h"
#include "store/linecodec.h"
#include "store/listitems.h"
#include "store/records.h"
#include "store/store.h"
#include "views/tableexport.h"

#include <algorithm>

namespace pny {
namespace {

struct Columns {
    int number = -1;
    int name = -1;
    int first = -1;
    int last = -1;
};

Columns findColumns(const QStringList& headers) {
    Columns columns;
    for (int i = 0; i < headers.size(); ++i) {
        const QString header = headers.at(i).trimmed().toLower();
        int* column = nullptr;
        if (header == QLatin1String("no") || header == QLatin1String("no.") ||
            header == QLatin1String("number") || header == QLatin1String("#") ||
            header == QLatin1String("num") || header == QLatin1String("jersey")) {
            column = &columns.number;
        } else if (header == QLatin1String("name") || header == QLatin1String("player")) {
            column = &columns.name;
        } else if (header == QLatin1String("first") || header == QLatin1String("first name")) {
            column = &columns.first;
        } else if (header == QLatin1String("last") || header == QLatin1String("last name")) {
            column = &columns.last;
        }
        if (column && *column < 0)
            *column = i;
    }
    return columns;
}

QString cellOf(const QStringList& cells, int column) {
    return column >= 0 && column < cells.size() ? cells.at(column).simplified() : QString();
}

// The code page bytes of a field, or a reason it cannot be stored.
QString storable(const QString& text, const char* what, std::size_t width, std::string& bytes) {
    QString offending;
    if (typedFieldBytes(text, bytes, offending) != TypedTextProblem::None) {
        return QStringLiteral("the %1 \"%2\" has a character the data files cannot hold: %3")
            .arg(QLatin1String(what), text, offending);
    }
    if (bytes.size() > width) {
        return QStringLiteral("the %1 \"%2\" is longer than %3 characters")
            .arg(QLatin1String(what), text)
            .arg(width);
    }
    return {};
}

}  // namespace

RosterFile readRoster(const QByteArray& bytes) {
    RosterFile roster;
    const std::vector<CsvRow> rows = parseCsv(decodeRosterText(bytes));
    if (rows.empty()) {
        roster.error = QStringLiteral("the file is empty");
        return roster;
    }
    const Columns columns = findColumns(rows.front().cells);
    if (columns.name < 0 && (columns.first < 0 || columns.last < 0)) {
        roster.error =
            QStringLiteral(
                "line %1: no column named \"Name\" or \"Player\", nor \"First\" and \"Last\"")
                .arg(rows.front().line);
        return roster;
    }
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const CsvRow& row = rows[r];
        const QString name = columns.name >= 0
                                 ? cellOf(row.cells, columns.name)
                                 : (cellOf(row.cells, columns.first) + QLatin1Char(' ') +
                                    cellOf(row.cells, columns.last))
                                       .trimmed();
        const QString number = cellOf(row.cells, columns.number);
        if (name.isEmpty()) {
            roster.problems.push_back({row.line, QStringLiteral("no name")});
            continue;
        }
        RosterPlayer player;
        player.line = row.line;
        QString problem = storable(number, "number", width::kNumber, player.number);
        if (problem.isEmpty())
            problem = storable(name, "name", width::kName, player.name);
        if (!problem.isEmpty()) {
            roster.problems.push_back({row.line, problem});
            continue;
        }
        roster.players.push_back(player);
    }
    return roster;
}

RosterResult addRoster(Store& store, const RosterFile& roster) {
    const RosterPlan plan = planRoster(store, roster);
    RosterResult result;
    result.added = applyRosterPlan(store, plan);
    result.skipped = plan.skips;
    return result;
}

QByteArray exportRoster(const Store& store) {
    QString text = QStringLiteral("No,Name\r\n");
    for (int line = 1; line < store.players.size(); ++line) {
        const PlayerRecord player = PlayerRecord::parse(store.players.line(line));
        if (!player.flag.empty())
            continue;
        text += csvCell(fromCodePage(player.number)) + QLatin1Char(',') +
                csvCell(fromCodePage(player.name)) + QStringLiteral("\r\n");
    }
    return "\xEF\xBB\xBF" + text.toUtf8();
}

}  // namespace pny
