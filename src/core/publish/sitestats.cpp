#include "publish/sitestats.h"

#include "views/formats.h"

#include <QStringList>

namespace pny {
namespace {

QString cell(const std::string& text) {
    return QString::fromStdString(text).trimmed();
}

// A count as a cell: "0" for none, since a box score shows its zeros.
QString count(long long n) {
    return QString::number(n);
}

long long outsOf(const StatValues& v) {
    return 3 * v[StatIP] + v[StatIP3];
}

QString innings(const StatValues& v) {
    const long long outs = outsOf(v);
    return outs == 0 ? QStringLiteral("0.0") : cell(formatInnings(outs / 3, outs % 3));
}

std::vector<QString> headers(std::initializer_list<const char*> texts) {
    std::vector<QString> out;
    for (const char* text : texts)
        out.push_back(QString::fromLatin1(text));
    return out;
}

}  // namespace

const std::vector<QString>& battingHeaders() {
    static const std::vector<QString> kHeaders =
        headers({"G", "AB", "R", "H", "2B", "3B", "HR", "RBI", "BB", "SO", "SB", "AVG", "OBP",
                 "SLG", "OPS"});
    return kHeaders;
}

std::vector<QString> battingCells(const StatValues& v, long long inningsPerGame) {
    const DerivedTexts d = deriveStats(v, inningsPerGame);
    const long long hits = v[Stat1B] + v[Stat2B] + v[Stat3B] + v[StatHR];
    const long long walks = v[StatBB] + v[StatHP] + v[StatWCI];
    const long long atBats = v[StatPA] - (walks + v[StatSBnt] + v[StatSFly]);
    const long long bases = v[Stat1B] + 2 * v[Stat2B] + 3 * v[Stat3B] + 4 * v[StatHR];
    return {count(v[StatG]),
            count(atBats),
            count(v[StatRS]),
            count(hits),
            count(v[Stat2B]),
            count(v[Stat3B]),
            count(v[StatHR]),
            count(v[StatRBI]),
            count(v[StatBB]),
            count(v[StatSO]),
            count(v[StatSB]),
            cell(d[DerivedAvg]),
            cell(d[DerivedOBP]),
            cell(d[DerivedSlg]),
            cell(formatOps(hits + walks, atBats + walks, bases, atBats))};
}

const std::vector<QString>& pitchingHeaders() {
    static const std::vector<QString> kHeaders =
        headers({"G", "IP", "H", "R", "ER", "BB", "SO", "W", "L", "SV", "ERA", "WHIP"});
    return kHeaders;
}

std::vector<QString> pitchingCells(const StatValues& v, long long inningsPerGame) {
    const DerivedTexts d = deriveStats(v, inningsPerGame);
    return {
        count(v[StatGP]),  innings(v),          count(v[StatHA]),
        count(v[StatRA]),  count(v[StatER]),    count(v[StatWA]),
        count(v[StatBSO]), count(v[StatWon]),   count(v[StatLost]),
        count(v[StatSv]),  cell(d[DerivedERA]), cell(formatWhip(v[StatWA] + v[StatHA], outsOf(v)))};
}

const std::vector<QString>& fieldingHeaders() {
    static const std::vector<QString> kHeaders = headers({"G", "PO", "A", "E", "F%"});
    return kHeaders;
}

std::vector<QString> fieldingCells(const StatValues& v, long long inningsPerGame) {
    const DerivedTexts d = deriveStats(v, inningsPerGame);
    return {count(v[StatG]), count(v[StatPO]), count(v[StatA]), count(v[StatErr]),
            cell(d[DerivedFldP])};
}

const std::vector<QString>& nightBattingHeaders() {
    static const std::vector<QString> kHeaders =
        headers({"AB", "R", "H", "RBI", "BB", "SO", "AVG"});
    return kHeaders;
}

std::vector<QString> nightBattingCells(const StatValues& night, const StatValues& season,
                                       long long inningsPerGame) {
    const std::vector<QString> line = battingCells(night, inningsPerGame);
    return {line[1],
            line[2],
            line[3],
            line[7],
            line[8],
            line[9],
            battingAverage(season, inningsPerGame)};
}

const std::vector<QString>& nightPitchingHeaders() {
    static const std::vector<QString> kHeaders = headers({"IP", "H", "R", "ER", "BB", "SO", "Dec"});
    return kHeaders;
}

std::vector<QString> nightPitchingCells(const StatValues& v) {
    QStringList decision;
    if (v[StatWon] > 0)
        decision << QStringLiteral("W");
    if (v[StatLost] > 0)
        decision << QStringLiteral("L");
    if (v[StatSv] > 0)
        decision << QStringLiteral("S");
    return {innings(v),       count(v[StatHA]),  count(v[StatRA]),  count(v[StatER]),
            count(v[StatWA]), count(v[StatBSO]), decision.join(' ')};
}

bool hasPitched(const StatValues& v) {
    return v[StatGP] > 0 || outsOf(v) > 0;
}

bool hasFielding(const StatValues& v) {
    return v[StatPO] > 0 || v[StatA] > 0 || v[StatErr] > 0;
}

bool hasBatted(const StatValues& v) {
    return v[StatPA] > 0 || v[StatRS] > 0 || v[StatG] > 0;
}

QString battingAverage(const StatValues& v, long long inningsPerGame) {
    return cell(deriveStats(v, inningsPerGame)[DerivedAvg]);
}

}  // namespace pny
