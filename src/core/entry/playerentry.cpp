#include "entry/playerentry.h"

#include "store/linecodec.h"

namespace pny {
namespace {

// A thirds edit takes 2 characters so that a stored negative third ("-1") shows whole and a
// negative third can be typed to undo one.
constexpr int kThirdsLength = 2;
constexpr int kCountLength = static_cast<int>(width::kCount);

std::vector<PlayerEntryRow> makeRows() {
    using G = EntryGroup;
    const int n = kCountLength;
    return {
        {StatPA, G::Offense, "PA", "PA: Plate App. (All)", n},
        {Stat1B, G::Offense, "1B", "1B: Singles", n},
        {Stat2B, G::Offense, "2B", "2B: Doubles", n},
        {Stat3B, G::Offense, "3B", "3B: Triples", n},
        {StatHR, G::Offense, "HR", "HR: Home Runs", n},
        {StatBB, G::Offense, "BB", "BB: Bases on Balls", n},
        {StatHP, G::Offense, "HP", "HP: Hit by Pitches", n},
        {StatWCI, G::Offense, "WCI", "WCI: W Catcher Int", n},
        {StatSBnt, G::Offense, "SBnt", "SBnt: Sac Bunts", n},
        {StatSFly, G::Offense, "SFly", "SFly: Sac Flies", n},
        {StatRBI, G::Offense, "RBI", "RBI: Runs Batted In", n},
        {StatSO, G::Offense, "SO", "SO: Strike Outs", n},
        {StatRS, G::Offense, "RS", "RS: Runs Scored", n},
        {StatSB, G::Offense, "SB", "SB: Stolen Bases", n},
        {StatCS, G::Offense, "CS", "CS: Caught Stealing", n},
        {StatPkO, G::Offense, "PkO", "PkO: Picked Off", n},
        {StatG, G::Offense, "G", "G: Games Played", n},
        {StatGP, G::Pitching, "GP", "GP: Games Pitched", n},
        {StatIP, G::Pitching, "IP", "IP: Innings Pitched", n},
        {StatIP3, G::Pitching, "3IP", "Thirds of an IP (0-2)", kThirdsLength},
        {StatST, G::Pitching, "ST", "ST: Strikes Thrown", n},
        {StatBT, G::Pitching, "BT", "BT: Balls Thrown", n},
        {StatWP, G::Pitching, "WP", "WP: Wild Pitches", n},
        {StatBks, G::Pitching, "Bks", "Bks: Balks", n},
        {StatHA, G::Pitching, "HA", "HA: Hits Allowed", n},
        {StatWA, G::Pitching, "WA", "WA: Walks Allowed", n},
        {StatBH, G::Pitching, "BH", "BH: Batters Hit", n},
        {StatBSO, G::Pitching, "BSO", "BSO: Strike Outs", n},
        {StatRPO, G::Pitching, "RPO", "RPO: Rn Picked Off", n},
        {StatRA, G::Pitching, "RA", "RA: Runs Allowed", n},
        {StatER, G::Pitching, "ER", "ER: Earned Runs", n},
        {StatWon, G::Pitching, "Won", "Won: Games Won", n},
        {StatLost, G::Pitching, "Lost", "Lost: Games Lost", n},
        {StatSv, G::Pitching, "Sv", "Sv: Games Saved", n},
        {StatInn, G::Defense, "Inn", "Inn: Innings", n},
        {StatPB, G::Defense, "PB", "PB: Ps Balls", n},
        {StatPO, G::Defense, "PO", "PO: Put Outs", n},
        {StatA, G::Defense, "A", "A: Assists", n},
        {StatErr, G::Defense, "Err", "ERR: Errors", n},
        {StatC1, G::Custom, "C1", "", n},
        {StatC2, G::Custom, "C2", "", n},
        {StatC3, G::Custom, "C3", "", n},
        {StatC4, G::Custom, "C4", "", n},
    };
}

long long sum(const PlayerEntryTexts& texts, PlayerStat stat) {
    return static_cast<long long>(toNumber(texts.total[stat])) + toNumber(texts.add[stat]);
}

QString statisticName(const PlayerEntryRow& row, const PlayerEntryTexts& texts) {
    if (row.caption[0] != '\0')
        return QString::fromLatin1(row.caption);
    const int column = static_cast<int>(row.stat - StatC1);
    QString name = QStringLiteral("user column %1").arg(column + 1);
    const std::string& header = texts.headers[static_cast<std::size_t>(column)];
    if (!header.empty()) {
        name += QStringLiteral(" (%1)").arg(
            QString::fromLatin1(header.data(), static_cast<qsizetype>(header.size())));
    }
    return name;
}

}  // namespace

const std::vector<PlayerEntryRow>& playerEntryRows() {
    static const std::vector<PlayerEntryRow> rows = makeRows();
    return rows;
}

PlayerEntryTexts openingTexts(const PlayerRecord& player, const LeagueRecord& league) {
    PlayerEntryTexts texts;
    texts.total = player.stats;
    texts.headers = league.userHeaders;
    return texts;
}

std::string countText(long long value) {
    return value == 0 ? std::string() : numberText(value);
}

QString totalRefusal(const QString& statistic, long long value) {
    if (value >= kMinTotal && value <= kMaxTotal)
        return {};
    return QStringLiteral(
               "The total of %1 would be %2.\n"
               "A total must lie between %3 and %4; please correct the entry.")
        .arg(statistic)
        .arg(value)
        .arg(kMinTotal)
        .arg(kMaxTotal);
}

QString separatorRefusal(const QString& field, const std::string& text) {
    if (text.find(kSeparator) == std::string::npos)
        return {};
    return QStringLiteral("%1 must not contain the character \"|\".").arg(field);
}

PlayerEntryOutcome applyPlayerEntry(const PlayerRecord& player, const LeagueRecord& league,
                                    const PlayerEntryTexts& texts) {
    PlayerEntryOutcome out;
    PlayerRecord result = player;

    for (const PlayerEntryRow& row : playerEntryRows()) {
        if (row.stat == StatIP || row.stat == StatIP3)
            continue;
        const long long value = sum(texts, row.stat);
        out.refusal = totalRefusal(statisticName(row, texts), value);
        if (!out.refusal.isEmpty())
            return out;
        result.stat(row.stat) = countText(value);
    }

    // Innings pitched: every three thirds make one more whole inning. A negative sum of thirds is
    // left as it is, so an entry can be undone.
    long long innings = sum(texts, StatIP);
    long long thirds = sum(texts, StatIP3);
    if (thirds > 2) {
        innings += thirds / 3;
        thirds %= 3;
    }
    out.refusal = totalRefusal(QStringLiteral("IP: Innings Pitched"), innings);
    if (out.refusal.isEmpty()) {
        out.refusal = totalRefusal(QStringLiteral("Thirds of an IP (0-2)"), thirds);
    }
    if (!out.refusal.isEmpty())
        return out;
    result.stat(StatIP) = countText(innings);
    result.stat(StatIP3) = countText(thirds);

    // Batting order and position are texts, kept as typed.
    out.refusal = separatorRefusal(QStringLiteral("BO: Batting Order"), texts.total[StatBO]);
    if (out.refusal.isEmpty()) {
        out.refusal = separatorRefusal(QStringLiteral("Pos: Field Position"), texts.total[StatPos]);
    }
    for (std::size_t i = 0; i < texts.headers.size() && out.refusal.isEmpty(); ++i) {
        out.refusal = separatorRefusal(QStringLiteral("The header of user column %1").arg(i + 1),
                                       texts.headers[i]);
    }
    if (!out.refusal.isEmpty())
        return out;
    result.stat(StatBO) = cutTo(texts.total[StatBO], width::kCount);
    result.stat(StatPos) = cutTo(texts.total[StatPos], width::kCount);

    for (std::size_t i = 0; i < texts.headers.size(); ++i) {
        out.headers[i] = cutTo(texts.headers[i], width::kUserHeader);
        if (out.headers[i] != league.userHeaders[i])
            out.headersChanged = true;
    }
    if (!out.headersChanged)
        out.headers = league.userHeaders;

    out.player = result;
    out.accepted = true;
    return out;
}

}  // namespace pny
