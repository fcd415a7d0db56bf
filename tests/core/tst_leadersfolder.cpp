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

using namespace leaderfixtures;

// Leaders read from a league's files, their settings stored beside them, and their exports.
class TestLeadersFolder : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void settingsStoredPerLeague();
    void damagedSettingsKeepDefaults();
    void readsEveryTeamWithoutDisturbingTheStore();
    void unreadableTeamFileIsReported();
    void selectLeaderMakesHimCurrent();
    void exports();
};

void TestLeadersFolder::settingsStoredPerLeague() {
    QTemporaryDir dir;
    writeFile(dir.filePath("Baseball.Years"), "Y|0||1|||\r\n|2024|Season|2|\r\n");
    const QByteArray leagues = "L|\r\n|1|Majors|||\r\n|2|Minors|||\r\n";
    writeFile(dir.filePath("Y1.Leagues"), leagues);
    Store store(dir.path());
    store.loadYears();
    store.ensureLeagues();
    QCOMPARE(leaderSettingsPath(store), dir.filePath("Y1L2.Leaders"));

    LeaderSettings changed;
    changed.battingFactor = 250;
    changed.pitchingFactor = 80;
    changed.fieldingFactor = 5;
    changed.places = 5;
    QString error;
    QVERIFY(writeLeaderSettings(leaderSettingsPath(store), changed, error));
    QCOMPARE(readFile(dir.filePath("Y1L2.Leaders")), QByteArray("Leaders|\r\n2.5|0.8|0.05|5|\r\n"));
    // The older files are not touched.
    QCOMPARE(readFile(dir.filePath("Y1.Leagues")), leagues);

    LeaderSettings read;
    QVERIFY(readLeaderSettings(leaderSettingsPath(store), read, error));
    QVERIFY(read == changed);

    // The other league keeps the defaults.
    store.year.currentLeague = "1";
    QVERIFY(readLeaderSettings(leaderSettingsPath(store), read, error));
    QVERIFY(read == LeaderSettings());
    QVERIFY(!QFileInfo::exists(dir.filePath("Y1L1.Leaders")));
}

void TestLeadersFolder::damagedSettingsKeepDefaults() {
    const LeaderSettings read =
        parseLeaderSettings({"Leaders|", "abc|1.5||0|"});  // only the pitching factor reads
    QVERIFY(!read.battingFactor);                          // the league's default
    QCOMPARE(read.pitchingFactor, 150);
    QCOMPARE(read.fieldingFactor, LeaderSettings().fieldingFactor);
    QCOMPARE(read.places, LeaderSettings().places);
    QVERIFY(parseLeaderSettings({"Leaders|"}) == LeaderSettings());
    QVERIFY(parseLeaderSettings(leaderSettingsLines(withPlaces(999))) == withPlaces(999));
}

void TestLeadersFolder::readsEveryTeamWithoutDisturbingTheStore() {
    QTemporaryDir dir;
    // Team 1 is current and loaded; team 2 was never visited; team 3 is deleted.
    testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|",
                                   {"|7|Tigers|6|2||1|", "|3|Lions|3|1|||", "X|9|Gone|5|5|||"},
                                   {playerLine("1", "Lee", {{6, "4"}, {7, "3"}}),
                                    playerLine("2", "Cut", {{6, "9"}, {10, "9"}}, "X")});
    writeFile(dir.filePath("Y1L1T2.Players"),
              "P|\r\n" + playerLine("5", "Diaz", {{6, "8"}, {10, "2"}}) + "\r\n");
    writeFile(dir.filePath("Y1L1T3.Players"),
              "P|\r\n" + playerLine("6", "Ghost", {{10, "30"}}) + "\r\n");
    const QByteArray onDisk = readFile(dir.filePath("Y1L1T1.Players"));

    Store store(dir.path());
    store.loadYears();
    store.ensurePlayers();
    // A change not yet saved counts.
    store.readPlayer(1);
    store.player.stat(StatHR) = "4";
    store.writePlayer();
    const std::vector<std::string> playersBefore = store.players.lines();

    std::vector<LeaderTeam> teams;
    QString error;
    QVERIFY(readLeagueTeams(store, teams, error));
    QCOMPARE(teams.size(), std::size_t(2));
    QCOMPARE(teams[0].line, 1);
    QCOMPARE(teams[0].games, 8LL);
    QCOMPARE(teams[0].players.size(), std::size_t(1));
    QCOMPARE(teams[0].players[0].values[StatHR], 4LL);
    QCOMPARE(teams[1].line, 2);
    QCOMPARE(teams[1].name, std::string("Lions"));
    QCOMPARE(teams[1].players[0].name, std::string("Diaz"));

    LeagueLeaders leaders;
    QVERIFY(buildLeagueLeaders(store, LeaderSettings(), leaders, error));
    QCOMPARE(leaders.caption, std::string("2024 Majors - League Leaders"));
    QCOMPARE(rows(tableOf(leaders.tables, "HR")), (QStringList{"1 Lee 4", "2 Diaz 2"}));
    QCOMPARE(leaders.tables.size(), leaderCategories().size());

    // The store is as it was: the same files loaded, the change still to be saved, nothing
    // written.
    QCOMPARE(store.loaded.players, std::string("Y1L1T1"));
    QCOMPARE(store.players.lines(), playersBefore);
    QVERIFY(store.changed.players);
    QCOMPARE(store.league.currentTeam, std::string("1"));
    QCOMPARE(readFile(dir.filePath("Y1L1T1.Players")), onDisk);
}

void TestLeadersFolder::unreadableTeamFileIsReported() {
    QTemporaryDir dir;
    testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|||||", "|3|Lions||||"});
    QDir(dir.path()).mkdir("Y1L1T2.Players");  // a folder where the file should be
    Store store(dir.path());
    store.loadYears();
    store.ensureLeagues();
    LeagueLeaders leaders;
    QString error;
    QVERIFY(!buildLeagueLeaders(store, LeaderSettings(), leaders, error));
    QVERIFY2(error.contains("Y1L1T2.Players"), qPrintable(error));
}

void TestLeadersFolder::selectLeaderMakesHimCurrent() {
    QTemporaryDir dir;
    testsupport::writeLeagueFolder(dir.path(), "|1|Majors|1|", {"|7|Tigers|||1|", "|3|Lions||||"},
                                   {playerLine("1", "Lee")});
    writeFile(dir.filePath("Y1L1T2.Players"),
              "P|\r\n" + playerLine("5", "Diaz") + "\r\n" + playerLine("6", "Eck") + "\r\n");
    Store store(dir.path());
    store.loadYears();
    store.ensurePlayers();
    QVERIFY(selectLeader(store, 2, 2));
    QCOMPARE(store.league.currentTeam, std::string("2"));
    QCOMPARE(store.loaded.players, std::string("Y1L1T2"));
    QCOMPARE(store.team.name, std::string("Lions"));
    QCOMPARE(store.team.currentPlayer, std::string("2"));
    QCOMPARE(store.player.name, std::string("Eck"));
    QCOMPARE(store.teams.line(2), std::string("|3|Lions||||2|"));
}

void TestLeadersFolder::exports() {
    const std::vector<LeaderTeam> teams{
        team(1, "Tigers, Inc.", 1,
             {player(1, "Lee", {{StatG, 1}, {StatPA, 4}, {Stat1B, 2}, {StatHR, 1}})})};
    LeagueLeaders leaders;
    leaders.caption = "2024 Majors - League Leaders";
    leaders.tables = rankLeaders(teams, LeaderSettings(), 9);

    const QString tsv = exportLeadersTsv(leaders);
    QVERIFY(
        tsv.startsWith("2024 Majors - League Leaders\n\nBatting Average (AVG)\n"
                       "Qualified: 3.1 PA per team game (4 PA after 1 game)\n"
                       " Rank\t Player\t Team\t AVG\t PA\n"
                       " 1\t Lee\t Tigers, Inc.\t .750\t 4\n\n"
                       "On-Base Percentage (OB%)\n"));
    // A counting table has no rule line and no qualifying column; an empty one keeps its header.
    QVERIFY(tsv.contains(
        "\nHome Runs (HR)\n Rank\t Player\t Team\t HR\n 1\t Lee\t Tigers, Inc.\t 1\n"));
    QVERIFY(tsv.contains("\nDoubles (2B)\n Rank\t Player\t Team\t 2B\n\nTriples (3B)\n"));
    QCOMPARE(tsv.count("Qualified: "), 8);

    const QString csv = exportLeadersCsv(leaders);
    QVERIFY(
        csv.startsWith("2024 Majors - League Leaders\r\n\r\nBatting Average (AVG)\r\n"
                       "Qualified: 3.1 PA per team game (4 PA after 1 game)\r\n"
                       "Rank,Player,Team,AVG,PA\r\n1,Lee,\"Tigers, Inc.\",.750,4\r\n"));

    const QString html = exportLeadersHtml(leaders);
    QVERIFY(html.contains("<title>2024 Majors - League Leaders</title>"));
    QVERIFY(
        html.contains("<h2>Walks and Hits per Inning (WHIP)</h2>\n<p class=\"rule\">"
                      "Qualified: 1.0 IP per team game (1.0 IP after 1 game)</p>\n"));
    // A table without rows says so instead of showing its header alone.
    qsizetype filled = 0;
    for (const LeaderTable& table : leaders.tables)
        filled += table.rows.empty() ? 0 : 1;
    QVERIFY(filled > 0 && filled < static_cast<qsizetype>(leaders.tables.size()));
    QCOMPARE(html.count("<table>"), filled);
    QCOMPARE(html.count("<p class=\"empty\">"),
             static_cast<qsizetype>(leaders.tables.size()) - filled);
}

QTEST_GUILESS_MAIN(TestLeadersFolder)
#include "tst_leadersfolder.moc"
