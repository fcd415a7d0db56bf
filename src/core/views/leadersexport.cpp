#include "views/leadersexport.h"

#include "store/codepage.h"
#include "views/tableexport.h"

namespace pny {
namespace {

template <typename Line, typename Table>
QString joinBlocks(const LeagueLeaders& leaders, const QString& lineEnd, Line line, Table table) {
    QString out = line(fromCodePage(leaders.caption)) + lineEnd;
    for (const LeaderTable& block : leaders.tables) {
        out += lineEnd;
        out += line(QString::fromLatin1(leaderTableTitle(*block.category).c_str())) + lineEnd;
        if (!block.rule.empty())
            out += line(QString::fromLatin1(block.rule.c_str())) + lineEnd;
        out += table(leaderGrid(block));
    }
    return out;
}

}  // namespace

QString exportLeadersTsv(const LeagueLeaders& leaders) {
    return joinBlocks(
        leaders, QStringLiteral("\n"), [](const QString& text) { return text; }, exportTsv);
}

QString exportLeadersCsv(const LeagueLeaders& leaders) {
    return joinBlocks(leaders, QStringLiteral("\r\n"), csvCell, exportCsv);
}

QString exportLeadersHtml(const LeagueLeaders& leaders) {
    QString body;
    for (const LeaderTable& block : leaders.tables) {
        body += QStringLiteral("<h2>") +
                QString::fromLatin1(leaderTableTitle(*block.category).c_str()).toHtmlEscaped() +
                QStringLiteral("</h2>\n");
        if (!block.rule.empty()) {
            body += QStringLiteral("<p class=\"rule\">") +
                    QString::fromLatin1(block.rule.c_str()).toHtmlEscaped() +
                    QStringLiteral("</p>\n");
        }
        body += htmlTable(leaderGrid(block));
    }
    return htmlPage(leaders.caption, body);
}

}  // namespace pny
