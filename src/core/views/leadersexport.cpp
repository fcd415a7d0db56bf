#include "views/leadersexport.h"

#include "store/codepage.h"
#include "views/tableexport.h"

namespace pny {
namespace {

template <typename Line, typename Table>
QString joinBlocks(const std::vector<LeaderTable>& tables, const QString& lineEnd, Line line,
                   Table table) {
    QString out;
    for (const LeaderTable& block : tables) {
        out += lineEnd;
        out += line(QString::fromLatin1(leaderTableTitle(*block.category).c_str())) + lineEnd;
        if (!block.rule.empty())
            out += line(QString::fromLatin1(block.rule.c_str())) + lineEnd;
        out += table(leaderGrid(block));
    }
    return out;
}

}  // namespace

QString emptyLeaderTableText(const LeaderTable& table) {
    // The reason the leaders worked out ("No pitcher has a save yet"), as the window shows it.
    if (!table.emptyReason.empty())
        return QString::fromStdString(table.emptyReason) + QLatin1Char('.');
    return table.category->qualifier != Qualifier::None ? QStringLiteral("Nobody qualifies yet.")
                                                        : QStringLiteral("Nobody yet.");
}

QString leaderBlocksTsv(const std::vector<LeaderTable>& tables) {
    return joinBlocks(
        tables, QStringLiteral("\n"), [](const QString& text) { return text; }, exportTsv);
}

QString leaderBlocksCsv(const std::vector<LeaderTable>& tables) {
    return joinBlocks(tables, QStringLiteral("\r\n"), csvCell, exportCsv);
}

QString leaderBlocksHtml(const std::vector<LeaderTable>& tables) {
    QString body;
    for (const LeaderTable& block : tables) {
        body += QStringLiteral("<h2>") +
                QString::fromLatin1(leaderTableTitle(*block.category).c_str()).toHtmlEscaped() +
                QStringLiteral("</h2>\n");
        if (!block.rule.empty()) {
            body += QStringLiteral("<p class=\"rule\">") +
                    QString::fromLatin1(block.rule.c_str()).toHtmlEscaped() +
                    QStringLiteral("</p>\n");
        }
        // A table of headers alone reads as a fault: say why it is empty.
        body += block.rows.empty() ? QStringLiteral("<p class=\"empty\">") +
                                         emptyLeaderTableText(block) + QStringLiteral("</p>\n")
                                   : htmlTable(leaderGrid(block));
    }
    return body;
}

QString exportLeadersTsv(const LeagueLeaders& leaders) {
    return fromCodePage(leaders.caption) + QStringLiteral("\n") + leaderBlocksTsv(leaders.tables);
}

QString exportLeadersCsv(const LeagueLeaders& leaders) {
    return csvCell(fromCodePage(leaders.caption)) + QStringLiteral("\r\n") +
           leaderBlocksCsv(leaders.tables);
}

QString exportLeadersHtml(const LeagueLeaders& leaders) {
    return htmlPage(leaders.caption, leaderBlocksHtml(leaders.tables));
}

}  // namespace pny
