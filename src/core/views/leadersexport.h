#pragma once

#include "views/leaders.h"

#include <QString>

namespace pny {

// The league's leaders as text to publish, one block per table: its title, the qualification rule
// of a rate table, then the table with its header row as the table exports write a view.

// Tab-separated: the caption, then per table an empty line, the title, the rule and the table's
// lines, each line ended by LF.
QString exportLeadersTsv(const LeagueLeaders& leaders);

// Comma-separated (RFC 4180): the same lines, the title and the rule as one-cell rows, every line
// ended by CR LF.
QString exportLeadersCsv(const LeagueLeaders& leaders);

// A standalone page: the caption as title and heading, then per table a heading, the rule and
// the table.
QString exportLeadersHtml(const LeagueLeaders& leaders);

// What a page shows in place of a table without rows: the reason the leaders gave ("No pitcher
// has a save yet."), else "Nobody qualifies yet." for a rate table and "Nobody yet." for a count.
QString emptyLeaderTableText(const LeaderTable& table);

// The blocks of the tables alone, for files that hold other tables before them: each block starts
// with an empty line (tsv, csv); the page's part is its body.
QString leaderBlocksTsv(const std::vector<LeaderTable>& tables);
QString leaderBlocksCsv(const std::vector<LeaderTable>& tables);
QString leaderBlocksHtml(const std::vector<LeaderTable>& tables);

}  // namespace pny
