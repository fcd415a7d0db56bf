#include "store/store.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersettings.h"
#include "views/playerstats.h"

#include "leaderfixtures.h"
#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <initializer_list>
#include <utility>

using namespace pny;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

Q_DECLARE_METATYPE(pny::PlayerStat)
Q_DECLARE_METATYPE(pny::StatValues)

using namespace leaderfixtures;

class TestLeaders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void naiveLeaderIsNotQualified();
    void ties_data();
    void ties();
    void eraLowerIsBetterWithoutInnings();
    void teamWithoutGames();
    void negativeDivisorsRankNobody_data();
    void negativeDivisorsRankNobody();
    void ruleLine_data();
    void ruleLine();
    void defaultFactorsFollowInnings_data();
    void defaultFactorsFollowInnings();
    void shortGamesQualifyEveryRegular();
    void settingsFileKeepsTheUsersFactors_data();
    void settingsFileKeepsTheUsersFactors();
    void qualifyingThresholds_data();
    void qualifyingThresholds();
    void opsAndWhip_data();
    void opsAndWhip();
    void ratesMatchThePlayerViews();
    void factors_data();
    void factors();
};

void TestLeaders::naiveLeaderIsNotQualified() {
    const std::vector<LeaderTeam> teams{team(1, "Tigers", 10,
                                             {player(1, "Naive", {{StatPA, 1}, {Stat1B, 1}}),
                                              player(2, "Regular", {{StatPA, 31}, {Stat1B, 10}}),
                                              player(3, "Short", {{StatPA, 30}, {Stat1B, 15}})})};
    const std::vector<LeaderTable> tables = rankLeaders(teams, LeaderSettings(), 9);
    const LeaderTable& avg = tableOf(tables, "AVG");
    // 1 for 1 and 15 for 30 both top .322, but only 31 PA reach 3.1 per game after 10 games.
    QCOMPARE(rows(avg), QStringList{"1 Regular .322"});
    QCOMPARE(avg.rows[0].qualifying, std::string(" 31"));
    QCOMPARE(avg.rows[0].teamName, std::string(" Tigers"));
    QCOMPARE(avg.rule, std::string("Qualified: 3.1 PA per team game (31 PA after 10 games)"));
    // Counting categories need no qualification.
    QCOMPARE(rows(tableOf(tables, "H")), (QStringList{"1 Short 15", "2 Regular 10", "3 Naive 1"}));
    QCOMPARE(tableOf(tables, "H").rule, std::string());
    QCOMPARE(tableOf(tables, "H").rows[0].qualifying, std::string());
}

void TestLeaders::ties_data() {
    QTest::addColumn<int>("places");
    QTest::addColumn<QList<int>>("homeRuns");  // of players named A to H on lines 1 to 8
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("tie at first and last place")
        << 4 << QList<int>{3, 5, 4, 5, 3, 1, 3, 0}
        << QStringList{"1 b 5", "1 D 5", "3 c 4", "4 a 3", "4 e 3", "4 G 3"};
    QTest::newRow("no tie at the last place")
        << 3 << QList<int>{3, 5, 4, 5, 3, 1, 3, 0} << QStringList{"1 b 5", "1 D 5", "3 c 4"};
    QTest::newRow("everyone tied")
        << 1 << QList<int>{2, 2, 2, 0, 0, 0, 0, 0} << QStringList{"1 a 2", "1 b 2", "1 c 2"};
    QTest::newRow("fewer players than places")
        << 10 << QList<int>{0, 1, 0, 0, 0, 0, 0, 2} << QStringList{"1 H 2", "2 b 1"};
    QTest::newRow("nobody has a value") << 10 << QList<int>(8, 0) << QStringList{};
}

void TestLeaders::ties() {
    QFETCH(int, places);
    QFETCH(QList<int>, homeRuns);
    QFETCH(QStringList, expected);
    // Names in mixed case: ties are ordered by the collation, which ignores case.
    const char* const names[] = {"a", "b", "c", "D", "e", "F", "G", "H"};
    std::vector<LeaderPlayer> players;
    for (int i = 0; i < homeRuns.size(); ++i)
        players.push_back(player(i + 1, names[i], {{StatHR, homeRuns[i]}}));
    // Split over two teams, so that a tie crosses teams.
    std::vector<LeaderPlayer> second(players.begin() + 4, players.end());
    players.resize(4);
    const std::vector<LeaderTeam> teams{team(1, "Tigers", 5, players), team(2, "Lions", 5, second)};
    QCOMPARE(rows(tableOf(rankLeaders(teams, withPlaces(places), 9), "HR")), expected);
}

void TestLeaders::eraLowerIsBetterWithoutInnings() {
    LeaderSettings settings;
    settings.pitchingFactor = 0;  // everyone qualifies: only the zero divisor keeps a pitcher out
    const std::vector<LeaderTeam> teams{
        team(1, "Tigers", 9,
             {player(1, "Three", {{StatIP, 9}, {StatER, 3}, {StatWA, 2}, {StatHA, 10}}),
              player(2, "One", {{StatIP, 9}, {StatER, 1}, {StatWA, 1}, {StatHA, 5}}),
              player(3, "NoOuts", {{StatER, 2}, {StatWA, 3}, {StatWon, 1}}),
              player(4, "Two", {{StatIP, 4}, {StatIP3, 2}, {StatER, 1}, {StatHA, 1}})})};
    const std::vector<LeaderTable> tables = rankLeaders(teams, settings, 9);
    QCOMPARE(rows(tableOf(tables, "ERA")),
             (QStringList{"1 One 1.00", "2 Two 1.92", "3 Three 3.00"}));
    QCOMPARE(rows(tableOf(tables, "WHIP")),
             (QStringList{"1 Two 0.21", "2 One 0.66", "3 Three 1.33"}));
    QCOMPARE(tableOf(tables, "ERA").rows[1].qualifying, std::string("4.2"));
    // W% needs innings too: at factor 0 the pitcher without outs qualifies, and his 1-0 leads.
    QCOMPARE(rows(tableOf(tables, "WP")), (QStringList{"1 NoOuts 1.000"}));
    // With the default factor he is out of W% too.
    QCOMPARE(rows(tableOf(rankLeaders(teams, LeaderSettings(), 9), "WP")), QStringList{});
    QCOMPARE(rows(tableOf(tables, "IP")), (QStringList{"1 One 9.0", "1 Three 9.0", "3 Two 4.2"}));
}

void TestLeaders::teamWithoutGames() {
    LeaderSettings settings;
    settings.battingFactor = 0;
    settings.pitchingFactor = 0;
    settings.fieldingFactor = 0;
    const std::vector<LeaderTeam> teams{
        team(1, "New", 0,
             {player(
                 1, "Rookie",
                 {{StatG, 3}, {StatPA, 20}, {StatHR, 9}, {StatIP, 9}, {StatER, 1}, {StatPO, 5}})}),
        team(2, "Old", 5,
             {player(1, "Vet", {{StatG, 5}, {StatPA, 20}, {Stat1B, 2}, {StatHR, 1}})})};
    const std::vector<LeaderTable> tables = rankLeaders(teams, settings, 9);
    // Even at factor 0 a team without games puts no one among the rate leaders.
    QCOMPARE(rows(tableOf(tables, "AVG")), QStringList{"1 Vet .150"});
    QCOMPARE(rows(tableOf(tables, "ERA")), QStringList{});
    QCOMPARE(rows(tableOf(tables, "FP")), QStringList{});
    QCOMPARE(rows(tableOf(tables, "HR")), (QStringList{"1 Rookie 9", "2 Vet 1"}));
    QCOMPARE(rows(tableOf(tables, "PO")), QStringList{"1 Rookie 5"});
    // The rule counts only the teams that have played.
    QCOMPARE(tableOf(rankLeaders(teams, LeaderSettings(), 9), "AVG").rule,
             std::string("Qualified: 3.1 PA per team game (16 PA after 5 games)"));
    const std::vector<LeaderTeam> none{teams[0]};
    QCOMPARE(tableOf(rankLeaders(none, LeaderSettings(), 9), "ERA").rule,
             std::string("Qualified: 1.0 IP per team game (no team has played a game yet)"));
}

void TestLeaders::negativeDivisorsRankNobody_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<StatValues>("values");
    auto values = [](Stats stats) {
        StatValues v{};
        for (const auto& [stat, value] : stats)
            v[stat] = value;
        return v;
    };
    // Counts that only an inconsistent record gives: a divisor below zero. Such a player would
    // lead a table whose value is negative (ERA, WHIP) or be listed with a negative rate.
    QTest::newRow("AVG: more walks than PA")
        << QByteArray("AVG") << values({{StatPA, 30}, {StatBB, 35}, {Stat1B, 5}});
    QTest::newRow("SLG: more walks than PA")
        << QByteArray("SLG") << values({{StatPA, 30}, {StatBB, 35}, {StatHR, 2}});
    QTest::newRow("OB%: more sacrifices than PA")
        << QByteArray("OBP") << values({{StatPA, 30}, {StatSFly, 35}, {Stat1B, 5}});
    QTest::newRow("ERA: negative outs")
        << QByteArray("ERA") << values({{StatIP, -3}, {StatER, 2}, {StatPA, 30}});
    QTest::newRow("ERA: negative thirds")
        << QByteArray("ERA") << values({{StatIP3, -2}, {StatER, 1}, {StatPA, 30}});
    QTest::newRow("WHIP: negative outs")
        << QByteArray("WHIP") << values({{StatIP, -3}, {StatHA, 4}, {StatPA, 30}});
    QTest::newRow("W%: negative decisions")
        << QByteArray("WP") << values({{StatWon, 2}, {StatLost, -5}, {StatIP, 9}});
    QTest::newRow("F%: negative chances")
        << QByteArray("FP") << values({{StatPO, 2}, {StatErr, -5}, {StatG, 9}});
}

void TestLeaders::negativeDivisorsRankNobody() {
    QFETCH(QByteArray, category);
    QFETCH(StatValues, values);
    LeaderPlayer odd = player(2, "Odd", {});
    odd.values = values;
    const LeaderPlayer sound = player(1, "Sound",
                                      {{StatPA, 30},
                                       {Stat1B, 6},
                                       {StatBB, 2},
                                       {StatIP, 9},
                                       {StatER, 4},
                                       {StatHA, 5},
                                       {StatWon, 1},
                                       {StatLost, 1},
                                       {StatPO, 5},
                                       {StatErr, 1},
                                       {StatG, 9}});
    const std::vector<LeaderTeam> teams{team(1, "Tigers", 9, {sound, odd})};
    // Everyone qualifies, as an all-time table with a minimum of 0 lets everyone in.
    const std::vector<LeaderTable> tables = rankLeaders(
        teams, 10, 9,
        [](const LeaderTeam&, const LeaderPlayer&, const LeaderCategory&) { return true; },
        [](Qualifier) { return std::string(); });
    const LeaderTable& table = tableOf(tables, category);
    QCOMPARE(table.rows.size(), std::size_t(1));
    QCOMPARE(table.rows[0].playerName, std::string(" Sound"));
    QVERIFY(!leaderRankValue(table.category->stat, values, 9).has_value());
    // With the league's own qualification as well, where his plate appearances qualify him.
    LeaderSettings everyone;
    everyone.battingFactor = everyone.pitchingFactor = everyone.fieldingFactor = 0;
    QCOMPARE(rows(tableOf(rankLeaders(teams, everyone, 9), category)).size(), 1);
}

void TestLeaders::ruleLine_data() {
    QTest::addColumn<int>("qualifier");
    QTest::addColumn<int>("factor");
    QTest::addColumn<int>("fewest");
    QTest::addColumn<int>("most");
    QTest::addColumn<QString>("rule");
    const int pa = static_cast<int>(Qualifier::PlateAppearances);
    const int ip = static_cast<int>(Qualifier::Innings);
    const int g = static_cast<int>(Qualifier::Games);
    QTest::newRow("batting") << pa << 310 << 10 << 10
                             << "Qualified: 3.1 PA per team game (31 PA after 10 games)";
    QTest::newRow("rounded up") << pa << 310 << 7 << 7
                                << "Qualified: 3.1 PA per team game (22 PA after 7 games)";
    QTest::newRow("one game") << pa << 250 << 1 << 1
                              << "Qualified: 2.5 PA per team game (3 PA after 1 game)";
    QTest::newRow("games differ") << pa << 310 << 9 << 10
                                  << "Qualified: 3.1 PA per team game (28 PA after 9 games to "
                                     "31 PA after 10 games)";
    QTest::newRow("innings") << ip << 100 << 10 << 10
                             << "Qualified: 1.0 IP per team game (10.0 IP after 10 games)";
    QTest::newRow("innings in thirds")
        << ip << 80 << 7 << 7 << "Qualified: 0.8 IP per team game (5.2 IP after 7 games)";
    QTest::newRow("fielding") << g << 67 << 10 << 10
                              << "Qualified: 0.67 G per team game (7 G after 10 games)";
    QTest::newRow("no games") << g << 67 << 0 << 0
                              << "Qualified: 0.67 G per team game (no team has played a game yet)";
}

void TestLeaders::ruleLine() {
    QFETCH(int, qualifier);
    QFETCH(int, factor);
    QFETCH(int, fewest);
    QFETCH(int, most);
    QFETCH(QString, rule);
    LeaderSettings settings;
    settings.battingFactor = settings.pitchingFactor = settings.fieldingFactor = factor;
    QCOMPARE(QString::fromStdString(
                 qualificationRule(static_cast<Qualifier>(qualifier), settings, 9, fewest, most)),
             rule);
}

void TestLeaders::defaultFactorsFollowInnings_data() {
    QTest::addColumn<int>("innings");
    QTest::addColumn<int>("batting");   // the factor the user set, -1 for none
    QTest::addColumn<int>("pitching");  // the same
    QTest::addColumn<QString>("battingRule");
    QTest::addColumn<QString>("pitchingRule");
    // 3.1 x innings / 9 and 1.0 x innings / 9, to the nearest hundredth; 10 team games.
    QTest::newRow("nine innings") << 9 << -1 << -1
                                  << "Qualified: 3.1 PA per team game (31 PA after 10 games)"
                                  << "Qualified: 1.0 IP per team game (10.0 IP after 10 games)";
    QTest::newRow("seven innings")
        << 7 << -1 << -1 << "Qualified: 2.41 PA per team game (25 PA after 10 games)"
        << "Qualified: 0.78 IP per team game (8.0 IP after 10 games)";
    QTest::newRow("six innings") << 6 << -1 << -1
                                 << "Qualified: 2.07 PA per team game (21 PA after 10 games)"
                                 << "Qualified: 0.67 IP per team game (7.0 IP after 10 games)";
    QTest::newRow("five innings") << 5 << -1 << -1
                                  << "Qualified: 1.72 PA per team game (18 PA after 10 games)"
                                  << "Qualified: 0.56 IP per team game (5.2 IP after 10 games)";
    QTest::newRow("twelve innings")
        << 12 << -1 << -1 << "Qualified: 4.13 PA per team game (42 PA after 10 games)"
        << "Qualified: 1.33 IP per team game (13.1 IP after 10 games)";
    QTest::newRow("no sound innings count nine")
        << 0 << -1 << -1 << "Qualified: 3.1 PA per team game (31 PA after 10 games)"
        << "Qualified: 1.0 IP per team game (10.0 IP after 10 games)";
    // A factor the user set stays as set, whatever the innings.
    QTest::newRow("set in seven innings")
        << 7 << 310 << 100 << "Qualified: 3.1 PA per team game (31 PA after 10 games)"
        << "Qualified: 1.0 IP per team game (10.0 IP after 10 games)";
    QTest::newRow("one set, one default")
        << 7 << 200 << -1 << "Qualified: 2.0 PA per team game (20 PA after 10 games)"
        << "Qualified: 0.78 IP per team game (8.0 IP after 10 games)";
}

void TestLeaders::defaultFactorsFollowInnings() {
    QFETCH(int, innings);
    QFETCH(int, batting);
    QFETCH(int, pitching);
    QFETCH(QString, battingRule);
    QFETCH(QString, pitchingRule);
    LeaderSettings settings;
    if (batting >= 0)
        settings.battingFactor = batting;
    if (pitching >= 0)
        settings.pitchingFactor = pitching;
    // The rule above each table of a league whose teams played 10 games, and who qualifies.
    const std::vector<LeaderTeam> teams{team(1, "Tigers", 10, {})};
    for (const LeaderTable& table : rankLeaders(teams, settings, innings)) {
        if (table.category->qualifier == Qualifier::PlateAppearances)
            QCOMPARE(QString::fromStdString(table.rule), battingRule);
        if (table.category->qualifier == Qualifier::Innings)
            QCOMPARE(QString::fromStdString(table.rule), pitchingRule);
    }
    // The threshold the rule names is the one applied: its figure qualifies, one less does not.
    const auto needed = [](const QString& rule) { return rule.section('(', 1).section(' ', 0, 0); };
    const QString pa = needed(battingRule);
    StatValues v{};
    v[StatPA] = pa.toLongLong();
    QVERIFY(qualifiesFor(Qualifier::PlateAppearances, settings, innings, 10, v));
    --v[StatPA];
    QVERIFY(!qualifiesFor(Qualifier::PlateAppearances, settings, innings, 10, v));
    const QString ip = needed(pitchingRule);
    v[StatIP] = ip.section('.', 0, 0).toLongLong();
    v[StatIP3] = ip.section('.', 1).toLongLong();
    QVERIFY(qualifiesFor(Qualifier::Innings, settings, innings, 10, v));
    --v[StatIP3];
    QVERIFY(!qualifiesFor(Qualifier::Innings, settings, innings, 10, v));
    // Fielding counts games, which do not depend on innings.
    QCOMPARE(qualifyingFactor(Qualifier::Games, settings, innings), 67);
}

void TestLeaders::shortGamesQualifyEveryRegular() {
    // A seven-inning league after 7 games: a regular comes to the plate 2 to 3 times a game, far
    // below 3.1, and a starter's 6.0 IP falls short of 1.0 x 7.
    std::vector<LeaderPlayer> players;
    players.push_back(player(1, "Steady", {{StatPA, 18}, {Stat1B, 9}}));  // .500, 2.57 PA a game
    players.push_back(player(2, "Bench", {{StatPA, 16}, {Stat1B, 15}}));  // 16 of 17 needed
    players.push_back(player(3, "Starter", {{StatIP, 6}, {StatER, 1}}));  // 6.0 of 5.2 needed
    const std::vector<LeaderTeam> teams{team(1, "Owls", 7, players)};
    const std::vector<LeaderTable> seven = rankLeaders(teams, LeaderSettings(), 7);
    QCOMPARE(rows(tableOf(seven, "AVG")), QStringList{"1 Steady .500"});
    QCOMPARE(rows(tableOf(seven, "ERA")), QStringList{"1 Starter 1.16"});
    // Counted as nine-inning games, nobody would qualify.
    LeaderSettings nine;
    nine.battingFactor = kNineInningBattingFactor;
    nine.pitchingFactor = kNineInningPitchingFactor;
    const std::vector<LeaderTable> asNine = rankLeaders(teams, nine, 7);
    QVERIFY(tableOf(asNine, "AVG").rows.empty());
    QVERIFY(tableOf(asNine, "ERA").rows.empty());
}

void TestLeaders::settingsFileKeepsTheUsersFactors_data() {
    QTest::addColumn<QByteArray>("line");  // the settings line as stored
    QTest::addColumn<int>("batting");      // the factor read, -1 for the league's default
    QTest::addColumn<int>("pitching");
    QTest::addColumn<QString>("rule");  // the batting rule in a seven-inning league, 10 games
    // Written before the defaults followed the innings: the factors stored are the user's.
    QTest::newRow("older file") << QByteArray("3.1|1.0|0.67|10|") << 310 << 100
                                << "Qualified: 3.1 PA per team game (31 PA after 10 games)";
    QTest::newRow("older file, changed")
        << QByteArray("2.5|0.8|0.05|5|") << 250 << 80
        << "Qualified: 2.5 PA per team game (25 PA after 10 games)";
    QTest::newRow("defaults left") << QByteArray("||0.67|5|") << -1 << -1
                                   << "Qualified: 2.41 PA per team game (25 PA after 10 games)";
    QTest::newRow("defaults left, ten places")
        << QByteArray("||0.67|10|") << -1 << -1
        << "Qualified: 2.41 PA per team game (25 PA after 10 games)";
    QTest::newRow("only batting set") << QByteArray("2.0||0.67|10|") << 200 << -1
                                      << "Qualified: 2.0 PA per team game (20 PA after 10 games)";
    QTest::newRow("with career figures")
        << QByteArray("|0.5|0.67|10|100|0|30|") << -1 << 50
        << "Qualified: 2.41 PA per team game (25 PA after 10 games)";
}

void TestLeaders::settingsFileKeepsTheUsersFactors() {
    QFETCH(QByteArray, line);
    QFETCH(int, batting);
    QFETCH(int, pitching);
    QFETCH(QString, rule);
    const std::vector<std::string> lines{kLeadersHeader, line.toStdString()};
    const LeaderSettings read = parseLeaderSettings(lines);
    QCOMPARE(read.battingFactor.value_or(-1), batting);
    QCOMPARE(read.pitchingFactor.value_or(-1), pitching);
    QCOMPARE(
        QString::fromStdString(qualificationRule(Qualifier::PlateAppearances, read, 7, 10, 10)),
        rule);
    QVERIFY(leaderSettingsProblems(lines).empty());
    // Written back, the same bytes.
    QCOMPARE(QByteArray::fromStdString(leaderSettingsLines(read)[1]), line);
}

void TestLeaders::qualifyingThresholds_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<long long>("figureAtThreshold");  // just enough to qualify
    QTest::addColumn<PlayerStat>("figure");
    // 7 team games: 3.1 × 7 = 21.7 PA, so 22; 1.0 × 7 = 7 innings = 21 outs; 0.67 × 7 = 4.69
    // games, so 5.
    QTest::newRow("AVG") << QByteArray("AVG") << 22LL << StatPA;
    QTest::newRow("OB%") << QByteArray("OBP") << 22LL << StatPA;
    QTest::newRow("SLG") << QByteArray("SLG") << 22LL << StatPA;
    QTest::newRow("OPS") << QByteArray("OPS") << 22LL << StatPA;
    QTest::newRow("ERA") << QByteArray("ERA") << 21LL << StatIP3;
    QTest::newRow("WHIP") << QByteArray("WHIP") << 21LL << StatIP3;
    QTest::newRow("W%") << QByteArray("WP") << 21LL << StatIP3;
    QTest::newRow("F%") << QByteArray("FP") << 5LL << StatG;
}

void TestLeaders::qualifyingThresholds() {
    QFETCH(QByteArray, category);
    QFETCH(long long, figureAtThreshold);
    QFETCH(PlayerStat, figure);
    // Every player has a value in every rate; only the qualifying figure differs (thirds stand in
    // for innings, one out each).
    auto make = [&](int line, const char* name, long long value) {
        LeaderPlayer p =
            player(line, name, {{Stat1B, 5}, {StatER, 2}, {StatWA, 1}, {StatWon, 1}, {StatPO, 3}});
        p.values[figure] = value;
        if (figure != StatPA)
            p.values[StatPA] = 30;
        if (figure != StatIP3)
            p.values[StatIP] = 9;
        return p;
    };
    const std::vector<LeaderTeam> teams{
        team(1, "Tigers", 7,
             {make(1, "Enough", figureAtThreshold), make(2, "OneShort", figureAtThreshold - 1)})};
    const std::vector<LeaderTable> tables = rankLeaders(teams, LeaderSettings(), 9);
    const LeaderTable& table = tableOf(tables, category);
    QCOMPARE(table.rows.size(), std::size_t(1));
    QCOMPARE(table.rows[0].playerName, std::string(" Enough"));
}

void TestLeaders::opsAndWhip_data() {
    QTest::addColumn<QList<int>>("stats");  // PA, 1B, 2B, 3B, HR, BB, HP, SFly, IP, IP3, HA, WA
    QTest::addColumn<QString>("ops");
    QTest::addColumn<QString>("whip");
    // H 14, W 5, AB 34, TB 25: OB% 19/39 = .487, SLG 25/34 = .735, OPS 1.222.
    // 10 walks and hits in 6 2/3 innings (20 outs): 10 × 3 / 20 = 1.50.
    QTest::newRow("ordinary") << QList<int>{40, 8, 3, 1, 2, 4, 1, 1, 6, 2, 7, 3} << "1.222"
                              << " 1.50";
    // 1 for 10: .100 + .100.
    QTest::newRow("one hit") << QList<int>{10, 1, 0, 0, 0, 0, 0, 0, 9, 0, 1, 1} << " .200"
                             << " 0.22";
    // Each part truncated before adding: 1/3 = .333 twice is .666, not .667.
    QTest::newRow("truncated parts") << QList<int>{3, 1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 1} << " .666"
                                     << " 3.00";
    // Walks only: no at bats, so no slugging and no OPS.
    QTest::newRow("walks only") << QList<int>{3, 0, 0, 0, 0, 3, 0, 0, 0, 0, 0, 0} << "     "
                                << "     ";
    // 4 home runs in 1 at bat and 1 walk: 1.000 + 4.000; 40 walks in one out: capped.
    QTest::newRow("capped whip") << QList<int>{2, 0, 0, 0, 1, 1, 0, 0, 0, 1, 0, 40} << "5.000"
                                 << "99.99";
}

void TestLeaders::opsAndWhip() {
    QFETCH(QList<int>, stats);
    QFETCH(QString, ops);
    QFETCH(QString, whip);
    const PlayerStat fields[] = {StatPA, Stat1B,   Stat2B, Stat3B,  StatHR, StatBB,
                                 StatHP, StatSFly, StatIP, StatIP3, StatHA, StatWA};
    LeaderPlayer p = player(1, "Solo", {{StatG, 1}});
    for (int i = 0; i < 12; ++i)
        p.values[fields[i]] = stats[i];
    LeaderSettings settings;
    settings.battingFactor = settings.pitchingFactor = 0;
    const std::vector<LeaderTable> tables = rankLeaders({team(1, "Tigers", 1, {p})}, settings, 9);
    const LeaderTable& opsTable = tableOf(tables, "OPS");
    const LeaderTable& whipTable = tableOf(tables, "WHIP");
    // A value of five blanks never ranks.
    QCOMPARE(
        opsTable.rows.empty() ? QString("     ") : QString::fromStdString(opsTable.rows[0].value),
        ops);
    QCOMPARE(
        whipTable.rows.empty() ? QString("     ") : QString::fromStdString(whipTable.rows[0].value),
        whip);
}

void TestLeaders::ratesMatchThePlayerViews() {
    // The rate cells are the very texts the player tabs show for the same counts.
    const LeaderPlayer p = player(1, "Solo",
                                  {{StatG, 4},
                                   {StatPA, 17},
                                   {Stat1B, 3},
                                   {Stat2B, 2},
                                   {StatHR, 1},
                                   {StatBB, 2},
                                   {StatSBnt, 1},
                                   {StatIP, 5},
                                   {StatIP3, 1},
                                   {StatER, 2},
                                   {StatWon, 2},
                                   {StatLost, 1},
                                   {StatPO, 7},
                                   {StatA, 2},
                                   {StatErr, 1}});
    LeaderSettings settings;
    settings.battingFactor = settings.pitchingFactor = settings.fieldingFactor = 0;
    const std::vector<LeaderTable> tables = rankLeaders({team(1, "T", 3, {p})}, settings, 7);
    const DerivedTexts derived = deriveStats(p.values, 7);
    const std::pair<const char*, DerivedStat> pairs[] = {{"AVG", DerivedAvg}, {"OBP", DerivedOBP},
                                                         {"SLG", DerivedSlg}, {"ERA", DerivedERA},
                                                         {"WP", DerivedWP},   {"FP", DerivedFldP}};
    for (const auto& [id, stat] : pairs) {
        const LeaderTable& table = tableOf(tables, id);
        QVERIFY2(table.rows.size() == 1, id);
        QCOMPARE(table.rows[0].value, derived[stat]);
    }
    QCOMPARE(tableOf(tables, "H").rows[0].value, derived[DerivedH]);
}

void TestLeaders::factors_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("hundredths");  // -1: not a factor
    QTest::addColumn<QString>("shown");
    QTest::newRow("3.1") << "3.1" << 310 << "3.1";
    QTest::newRow("whole") << "2" << 200 << "2.0";
    QTest::newRow("two decimals") << "0.67" << 67 << "0.67";
    QTest::newRow("leading point") << ".5" << 50 << "0.5";
    QTest::newRow("trailing point") << "1." << 100 << "1.0";
    QTest::newRow("blanks around") << " 1.25 " << 125 << "1.25";
    QTest::newRow("small") << "0.05" << 5 << "0.05";
    QTest::newRow("zero") << "0" << 0 << "0.0";
    QTest::newRow("largest") << "99.99" << 9999 << "99.99";
    QTest::newRow("too large") << "100" << -1 << "";
    QTest::newRow("three decimals") << "0.675" << -1 << "";
    QTest::newRow("comma") << "3,1" << -1 << "";
    QTest::newRow("negative") << "-1" << -1 << "";
    QTest::newRow("empty") << "" << -1 << "";
    QTest::newRow("point only") << "." << -1 << "";
    QTest::newRow("two points") << "1.2.3" << -1 << "";
}

void TestLeaders::factors() {
    QFETCH(QString, text);
    QFETCH(int, hundredths);
    QFETCH(QString, shown);
    const std::optional<int> factor = parseFactor(text.toStdString());
    QCOMPARE(factor.value_or(-1), hundredths);
    if (factor)
        QCOMPARE(QString::fromStdString(formatFactor(*factor)), shown);
}

QTEST_GUILESS_MAIN(TestLeaders)
#include "tst_leaders.moc"
