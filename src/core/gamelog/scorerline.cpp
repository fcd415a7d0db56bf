#include "gamelog/scorerline.h"

#include "pitching/pitchcount.h"
#include "store/codepage.h"

#include <QRegularExpression>

#include <algorithm>

namespace pny {
namespace {

bool givesDirectly(const std::vector<BoxScoreColumn>& columns, PlayerStat stat) {
    return std::any_of(columns.begin(), columns.end(), [stat](const BoxScoreColumn& column) {
        return column.cell == SheetCell::Count && column.stat == stat;
    });
}

bool hasCell(const std::vector<BoxScoreColumn>& columns, SheetCell cell) {
    return std::any_of(columns.begin(), columns.end(),
                       [cell](const BoxScoreColumn& column) { return column.cell == cell; });
}

std::optional<long long> countOf(const std::string& text) {
    static const QRegularExpression count(QStringLiteral("^-?[0-9]{1,9}$"));
    const QString trimmed = QString::fromLatin1(text.c_str()).trimmed();
    if (!count.match(trimmed).hasMatch())
        return std::nullopt;
    return trimmed.toLongLong();
}

QString captionOf(const BoxScoreColumn& column) {
    return fromCodePage(column.caption).trimmed();
}

long long walksAndSacrifices(const StatValues& v) {
    return v[StatBB] + v[StatHP] + v[StatWCI] + v[StatSBnt] + v[StatSFly];
}

long long extraBaseHits(const StatValues& v) {
    return v[Stat2B] + v[Stat3B] + v[StatHR];
}

std::string countCell(long long value) {
    return value == 0 ? std::string() : std::to_string(value);
}

// "W", "L" or "S" (any case) as the statistic it gives; nothing for any other text.
std::optional<PlayerStat> decisionOf(const std::string& text) {
    const QString t = QString::fromLatin1(text.c_str()).trimmed().toUpper();
    if (t == QLatin1String("W"))
        return StatWon;
    if (t == QLatin1String("L"))
        return StatLost;
    if (t == QLatin1String("S"))
        return StatSv;
    return std::nullopt;
}

}  // namespace

std::optional<long long> outsOfInnings(const std::string& text) {
    static const QRegularExpression innings(QStringLiteral("^([0-9]{0,4})(\\.([0-9]?))?$"));
    const QRegularExpressionMatch match =
        innings.match(QString::fromLatin1(text.c_str()).trimmed());
    if (!match.hasMatch() || (match.captured(1).isEmpty() && match.captured(3).isEmpty()))
        return std::nullopt;
    const long long whole = match.captured(1).toLongLong();
    const long long thirds = match.captured(3).toLongLong();
    if (thirds > 2)
        return std::nullopt;
    return 3 * whole + thirds;
}

std::string inningsText(long long outs) {
    if (outs < 0)
        return "-" + inningsText(-outs);
    return std::to_string(outs / 3) + (outs % 3 ? "." + std::to_string(outs % 3) : "");
}

ScorerLine scorerLine(const std::vector<BoxScoreColumn>& columns,
                      const std::vector<std::string>& cells) {
    ScorerLine line;
    StatValues& v = line.values;
    std::optional<long long> atBats;
    std::optional<long long> hits;
    std::optional<long long> pitches;
    std::optional<long long> strikes;
    bool played = false;
    bool pitched = false;
    bool pitchedBeyondDecision = false;
    QString decision;
    const auto fail = [&line](const QString& problem) {
        if (line.problem.isEmpty())
            line.problem = problem;
    };
    for (std::size_t c = 0; c < columns.size() && c < cells.size(); ++c) {
        const BoxScoreColumn& column = columns[c];
        const std::string& text = cells[c];
        if (QString::fromLatin1(text.c_str()).trimmed().isEmpty())
            continue;
        line.typed = true;
        if (column.group == EntryGroup::Pitching) {
            pitched = true;
            pitchedBeyondDecision = pitchedBeyondDecision || column.cell != SheetCell::Decision;
        } else {
            played = true;
        }
        if (column.cell == SheetCell::Innings) {
            const std::optional<long long> outs = outsOfInnings(text);
            if (!outs) {
                fail(QStringLiteral("IP %1 is no number of innings: type 5.2 for five innings "
                                    "and two outs (only .0, .1 and .2)")
                         .arg(QString::fromLatin1(text.c_str())));
                continue;
            }
            v[StatIP] = *outs / 3;
            v[StatIP3] = *outs % 3;
            continue;
        }
        if (column.cell == SheetCell::Decision) {
            const std::optional<PlayerStat> stat = decisionOf(text);
            if (!stat) {
                fail(QStringLiteral("DEC %1 is no decision: type W, L or S")
                         .arg(QString::fromLatin1(text.c_str())));
                continue;
            }
            v[*stat] = 1;
            decision = QString::fromLatin1(text.c_str()).trimmed().toUpper();
            continue;
        }
        const std::optional<long long> value = countOf(text);
        if (!value) {
            fail(QStringLiteral("%1 \"%2\" is no count")
                     .arg(captionOf(column), QString::fromLatin1(text.c_str())));
            continue;
        }
        switch (column.cell) {
            case SheetCell::AtBats:
                atBats = *value;
                break;
            case SheetCell::Hits:
                hits = *value;
                break;
            case SheetCell::Pitches:
                pitches = *value;
                break;
            default:
                if (column.stat == StatST && hasCell(columns, SheetCell::Pitches))
                    strikes = *value;
                else
                    v[column.stat] = *value;
        }
    }
    if (!givesDirectly(columns, StatPA))
        v[StatPA] = atBats.value_or(0) + walksAndSacrifices(v);
    if (!givesDirectly(columns, Stat1B)) {
        v[Stat1B] = hits.value_or(0) - extraBaseHits(v);
        if (v[Stat1B] < 0) {
            fail(QStringLiteral("H %1 is less than 2B + 3B + HR (%2)")
                     .arg(hits.value_or(0))
                     .arg(extraBaseHits(v)));
        }
    }
    if (hasCell(columns, SheetCell::Pitches)) {
        QString problem;
        if (const std::optional<PitchCount> count = pitchCountOf(pitches, strikes, problem)) {
            v[StatST] = count->strikes;
            v[StatBT] = count->balls;
        } else {
            fail(problem);
        }
    }
    if (!givesDirectly(columns, StatG))
        v[StatG] = played ? 1 : 0;
    if (!givesDirectly(columns, StatGP))
        v[StatGP] = pitched ? 1 : 0;
    if (!decision.isEmpty() && !pitchedBeyondDecision)
        fail(QStringLiteral("DEC %1 without pitching: type his IP too").arg(decision));
    return line;
}

std::string totalsCell(const BoxScoreColumn& column, const StatValues& totals) {
    switch (column.cell) {
        case SheetCell::AtBats:
            return countCell(totals[StatPA] - walksAndSacrifices(totals));
        case SheetCell::Hits:
            return countCell(totals[Stat1B] + extraBaseHits(totals));
        case SheetCell::Innings: {
            const long long outs = 3 * totals[StatIP] + totals[StatIP3];
            return outs == 0 ? std::string() : inningsText(outs);
        }
        case SheetCell::Decision:
            return {};
        case SheetCell::Pitches:
            return countCell(totals[StatST] + totals[StatBT]);
        case SheetCell::Count:
            break;
    }
    return countCell(totals[column.stat]);
}

bool scorerCells(const std::vector<BoxScoreColumn>& columns, const StatValues& values,
                 std::vector<std::string>& cells) {
    cells.assign(columns.size(), std::string());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        const BoxScoreColumn& column = columns[c];
        if (column.cell == SheetCell::Decision) {
            for (PlayerStat stat : {StatWon, StatLost, StatSv}) {
                if (values[stat] != 0)
                    cells[c] += stat == StatWon ? "W" : stat == StatLost ? "L" : "S";
            }
            continue;
        }
        cells[c] = totalsCell(column, values);
    }
    // A player in the game with nothing to show is a 0 in the first column of his part.
    const auto markPlayed = [&](bool pitching) {
        bool any = false;
        std::size_t first = columns.size();
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if ((columns[c].group == EntryGroup::Pitching) != pitching)
                continue;
            any = any || !cells[c].empty();
            if (first == columns.size() && columns[c].cell != SheetCell::Decision)
                first = c;
        }
        if (!any && first < columns.size())
            cells[first] = "0";
    };
    if (!givesDirectly(columns, StatG) && values[StatG] == 1)
        markPlayed(false);
    if (!givesDirectly(columns, StatGP) && values[StatGP] == 1)
        markPlayed(true);
    const ScorerLine back = scorerLine(columns, cells);
    return back.problem.isEmpty() && back.values == values;
}

}  // namespace pny
