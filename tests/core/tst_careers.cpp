#include "people/career.h"
#include "people/leaguehistory.h"
#include "people/linkproposals.h"
#include "people/peoplelinks.h"
#include "people/seasonleagues.h"
#include "print/backupcopy.h"
#include "store/datacheck.h"
#include "store/datafiles.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "views/formats.h"
#include "views/leadersettings.h"

#include "leaguefolder.h"
#include "seasonsfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace pny;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const PlayerKey kAnn1{1, 1, 1, 1}, kAnn2{2, 1, 2, 1}, kAnn3{3, 1, 2, 1};
const PlayerKey kBo1{1, 1, 1, 2}, kBo2{2, 1, 1, 1}, kBo3{3, 1, 1, 1};
const PlayerKey kChris1{1, 1, 2, 1}, kChris2{2, 1, 2, 2}, kChris3{3, 1, 2, 2};

std::map<QString, QByteArray> filesOf(const QString& folder) {
    std::map<QString, QByteArray> files;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        files[name] = readFile(folder + '/' + name);
    return files;
}

// The cell of `row` under the header `header`.
std::string cellOf(const ViewGrid& grid, std::size_t row, const std::string& header) {
    for (std::size_t c = 0; c < grid.headers.size(); ++c) {
        if (grid.headers[c] == header)
            return grid.rows.at(row).at(c);
    }
    qFatal("no column %s", header.c_str());
}

// A league that shows every column on every player tab.
LeagueRecord everyColumn() {
    LeagueRecord league = LeagueRecord::parse("|1|City League|1||9|");
    league.playerMask = std::string(61, static_cast<char>(128 + 63));
    return league;
}

const LeaderTable& tableOf(const std::vector<LeaderTable>& tables, const char* id) {
    for (const LeaderTable& table : tables) {
        if (QByteArray(table.category->id) == id)
            return table;
    }
    qFatal("no table %s", id);
}

QStringList names(const LeaderTable& table) {
    QStringList out;
    for (const LeaderRow& row : table.rows)
        out << QString::fromStdString(row.playerName).trimmed();
    return out;
}

}  // namespace

class TestCareers : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();

    void playerKeys_data();
    void playerKeys();
    void linksJoinAndUndo();
    void peopleFileRoundTripAndProblems();
    void careerOverThreeSeasonsAndTwoTeams();
    void careerEraWeighsEachSeasonsInnings();
    void careerOfAnUnlinkedPlayerIsOneSeason();
    void careerCarriesThirds_data();
    void careerCarriesThirds();
    void proposals();
    void rejectedProposalIsNotMadeAgain();
    void namesAlike_data();
    void namesAlike();
    void historyChampionsAndAllTimeLeaders();
    void qualifierKeepsOutShortCareers();
    void linkedLeagueJoinsTheHistory();
    void careerSettingsKeepOlderFiles();
    void linkingLeavesOlderFilesByteIdentical();
    void peopleFileIsKnownToBackupAndCheck();

private:
    QTemporaryDir dir_;
};

void TestCareers::init() {
    QVERIFY(dir_.isValid());
    for (const QString& name : QDir(dir_.path()).entryList(QDir::Files))
        QFile::remove(dir_.filePath(name));
    testsupport::writeThreeSeasons(dir_.path());
}

void TestCareers::playerKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::newRow("plain") << "Y1L2T3P4" << true;
    QTest::newRow("wide") << "Y12L1T99999P10" << true;
    QTest::newRow("zero") << "Y0L1T1P1" << false;
    QTest::newRow("leading zero") << "Y01L1T1P1" << false;
    QTest::newRow("missing part") << "Y1L1P1" << false;
    QTest::newRow("trailing text") << "Y1L1T1P1x" << false;
    QTest::newRow("blank") << "Y1L1T1P 1" << false;
    QTest::newRow("six digits") << "Y1L1T1P123456" << false;
}

void TestCareers::playerKeys() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    const std::optional<PlayerKey> key = parsePlayerKey(text.toStdString());
    QCOMPARE(key.has_value(), valid);
    if (valid)
        QCOMPARE(QString::fromStdString(playerKeyText(*key)), text);
}

void TestCareers::linksJoinAndUndo() {
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn3, kAnn2);
    QCOMPARE(people.recordsOf(kAnn3), (std::vector<PlayerKey>{kAnn1, kAnn2, kAnn3}));
    // Two people joined into one.
    people.link(kBo1, kBo2);
    people.link(kBo2, kAnn1);
    QCOMPARE(people.recordsOf(kBo1).size(), std::size_t(5));
    people.unlink(kBo1);
    people.unlink(kBo2);
    QCOMPARE(people.recordsOf(kAnn1), (std::vector<PlayerKey>{kAnn1, kAnn2, kAnn3}));
    QCOMPARE(people.recordsOf(kBo1), std::vector<PlayerKey>{kBo1});
    // Undoing one of two links leaves nobody linked.
    people.unlink(kAnn3);
    people.unlink(kAnn2);
    QCOMPARE(people.personOf(kAnn1), 0);
    QVERIFY(people.links().empty());
}

void TestCareers::peopleFileRoundTripAndProblems() {
    PeopleLinks people;
    people.link(kBo2, kBo3);
    people.link(kAnn1, kAnn2);
    people.reject(kChris1, kAnn3);
    const std::vector<std::string> lines = people.lines();
    // People numbered in the order of their first record.
    QCOMPARE(lines,
             (std::vector<std::string>{"People|", "P|1|Y1L1T1P1|", "P|1|Y2L1T2P1|", "P|2|Y2L1T1P1|",
                                       "P|2|Y3L1T1P1|", "N|Y1L1T2P1|Y3L1T2P1|"}));
    QVERIFY(PeopleLinks::parse(lines) == people);
    QVERIFY(PeopleLinks::parse(lines).isRejected(kAnn3, kChris1));
    // Leagues linked across seasons follow the people.
    people.linkLeagues({2, 2}, {1, 1});
    QCOMPARE(people.lines().back(), std::string("L|1|Y2L2|"));
    QVERIFY(PeopleLinks::parse(people.lines()) == people);
    QCOMPARE(PeopleLinks::parse(people.lines()).leaguesWith({1, 1}),
             (std::vector<LeagueKey>{{1, 1}, {2, 2}}));
    people.unlinkLeague({2, 2});
    QCOMPARE(people.leaguesWith({1, 1}), (std::vector<LeagueKey>{LeagueKey{1, 1}}));

    const auto exists = [](const PlayerKey& key) { return key.year < 9; };
    const auto leagueExists = [](const LeagueKey& key) { return key.league < 3; };
    const auto problems =
        peopleFileProblems({"Pople|", "P|1|Y1L1T1P1|", "P|1|Y9L1T1P1|", "P|x|Y1L1T1P2|", "Q|1|",
                            "P|2|Y1L1T1P3", "P|3|Y1L1T1P1|", "L|1|Y1L2|", "L|1|Y2L3|", "L|1|Y2T3|"},
                           exists, leagueExists);
    QStringList found;
    for (const auto& [line, message] : problems)
        found << QStringLiteral("%1 %2").arg(line).arg(QString::fromStdString(message));
    QCOMPARE(found.size(), 8);
    QVERIFY(found[0].startsWith("1 the header line"));
    QVERIFY(found[1].startsWith("3 Y9L1T1P1 is no player"));
    QVERIFY(found[2].startsWith("4 person \"x\""));
    QVERIFY(found[3].startsWith("5 neither a link"));
    QVERIFY(found[4].startsWith("6 the line does not end"));
    QVERIFY(found[5].startsWith("7 Y1L1T1P1 is linked on line 2"));
    QVERIFY(found[6].startsWith("9 Y2L3 is no league"));
    QVERIFY(found[7].startsWith("10 \"Y2T3\" does not name a league"));
    // Unreadable lines are left out; a person of one record links nothing.
    const PeopleLinks read = PeopleLinks::parse({"People|", "P|1|Y1L1T1P1|", "P|x|Y1L1T1P2|"});
    QVERIFY(read.links().empty());
}

void TestCareers::careerOverThreeSeasonsAndTwoTeams() {
    Store store(dir_.path());
    store.loadYears();
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn2, kAnn3);
    Career career;
    QString error;
    QVERIFY(readCareer(store, people.recordsOf(kAnn2), career, error));
    QCOMPARE(career.seasons.size(), std::size_t(3));
    QCOMPARE(career.name, std::string("Ann Lee"));
    QCOMPARE(career.seasons[1].team, std::string("Tigers"));

    const ViewGrid grid = careerGrid(career, everyColumn(), 2);
    QCOMPARE(grid.rows.size(), std::size_t(4));
    QCOMPARE(grid.caption, std::string("Career - Ann Lee"));
    QCOMPARE(cellOf(grid, 0, " Year"), std::string(" 2022"));
    QCOMPARE(cellOf(grid, 1, " Team"), std::string(" Tigers"));
    QCOMPARE(cellOf(grid, 3, " Year"), std::string(" 3 seasons"));
    // Each season with its own average; the career's from the summed hits and at bats.
    QCOMPARE(cellOf(grid, 0, " Avg"), std::string(" .277"));
    QCOMPARE(cellOf(grid, 1, " Avg"), std::string(" .300"));
    QCOMPARE(cellOf(grid, 2, " Avg"), std::string(" .160"));
    QCOMPARE(cellOf(grid, 3, " Avg"), std::string(" .246"));
    QCOMPARE(cellOf(grid, 3, " AB"), std::string(" 73"));
    QCOMPARE(cellOf(grid, 3, " H"), std::string(" 18"));
    QCOMPARE(cellOf(grid, 3, " G"), std::string(" 24"));
    // The career row's counts are the sums of the season rows.
    for (const char* header : {" PA", " 1B", " 2B", " BB"}) {
        long long sum = 0;
        for (std::size_t r = 0; r < 3; ++r)
            sum += toNumber(cellOf(grid, r, header));
        QCOMPARE(toNumber(cellOf(grid, 3, header)), sum);
    }
}

void TestCareers::careerEraWeighsEachSeasonsInnings() {
    Store store(dir_.path());
    store.loadYears();
    PeopleLinks people;
    people.link(kBo1, kBo2);
    people.link(kBo1, kBo3);
    Career career;
    QString error;
    QVERIFY(readCareer(store, people.recordsOf(kBo3), career, error));
    QCOMPARE(career.seasons.size(), std::size_t(3));
    QCOMPARE(career.seasons[1].inningsPerGame, 7LL);
    // 3 ER in 9 IP at 9 innings, 2 ER in 7 IP at 7, none in 9 IP at 9: (27 + 14) x 300 / 75.
    QCOMPARE(career.sums.earnedRunInnings, 41LL);
    const ViewGrid grid = careerGrid(career, everyColumn(), 4);
    QCOMPARE(cellOf(grid, 1, " ERA"), std::string(" 2.00"));  // the 7-inning season's own
    QCOMPARE(cellOf(grid, 3, " ERA"), std::string(" 1.64"));
    QCOMPARE(cellOf(grid, 3, " ER"), std::string(" 5"));
    QCOMPARE(cellOf(grid, 3, " IP"), std::string("25.0"));
    QCOMPARE(cellOf(grid, 3, " GP"), std::string(" 8"));
    // Counted as if every season had 9 innings it would be 1.80.
    QCOMPARE(formatEra(5, 75, 9), std::string(" 1.80"));
}

void TestCareers::careerCarriesThirds_data() {
    QTest::addColumn<QList<int>>("seasons");  // innings and thirds, season after season
    QTest::addColumn<QString>("shown");
    QTest::newRow("1.2 and 2.2") << QList<int>{1, 2, 2, 2} << "4.1";
    QTest::newRow("0.1 three times") << QList<int>{0, 1, 0, 1, 0, 1} << "1.0";
    QTest::newRow("0.2 twice") << QList<int>{0, 2, 0, 2} << "1.1";
    QTest::newRow("whole innings") << QList<int>{7, 0, 9, 0} << "16.0";
    QTest::newRow("thirds that stay") << QList<int>{3, 1, 0, 0} << "3.1";
}

void TestCareers::careerCarriesThirds() {
    QFETCH(QList<int>, seasons);
    QFETCH(QString, shown);
    Career career;
    career.name = "Bo";
    for (int i = 0; i + 1 < seasons.size(); i += 2) {
        CareerSeason season;
        season.key = PlayerKey{i / 2 + 1, 1, 1, 1};
        season.season = std::to_string(2020 + i / 2);
        season.record = PlayerRecord::parse(playerLine("20", "Bo",
                                                       {{4, "3"},
                                                        {23, "3"},
                                                        {24, QByteArray::number(seasons[i])},
                                                        {25, QByteArray::number(seasons[i + 1])},
                                                        {36, "1"}})
                                                .toStdString());
        QCOMPARE(season.record.value(StatIP), seasons[i]);
        QCOMPARE(season.record.value(StatIP3), seasons[i + 1]);
        StatValues values{};
        for (int stat = 0; stat < PlayerStatCount; ++stat)
            values[stat] = season.record.value(static_cast<PlayerStat>(stat));
        career.sums.add(values, 9);
        career.seasons.push_back(season);
    }
    const ViewGrid grid = careerGrid(career, everyColumn(), 4);
    QCOMPARE(QString::fromStdString(cellOf(grid, career.seasons.size(), " IP")).trimmed(), shown);
    // The rates use the carried innings too: one earned run a season.
    const long long outs = 3 * career.sums.carried()[StatIP] + career.sums.carried()[StatIP3];
    QCOMPARE(cellOf(grid, career.seasons.size(), " ERA"),
             formatEra(static_cast<long long>(career.seasons.size()), outs, 9));
}

void TestCareers::careerOfAnUnlinkedPlayerIsOneSeason() {
    Store store(dir_.path());
    store.loadYears();
    const PeopleLinks people;
    Career career;
    QString error;
    QVERIFY(readCareer(store, people.recordsOf(kAnn3), career, error));
    QCOMPARE(career.seasons.size(), std::size_t(1));
    const ViewGrid grid = careerGrid(career, everyColumn(), 2);
    QCOMPARE(cellOf(grid, 1, " Year"), std::string(" 1 season"));
    QCOMPARE(cellOf(grid, 1, " Avg"), cellOf(grid, 0, " Avg"));
    // A key that points at no record is left out.
    QVERIFY(readCareer(store, {PlayerKey{3, 1, 2, 9}, PlayerKey{7, 1, 1, 1}}, career, error));
    QVERIFY(career.seasons.empty());
}

void TestCareers::proposals() {
    Store store(dir_.path());
    store.loadYears();
    std::vector<PlayerEntry> players;
    QString error;
    QVERIFY(readAllPlayers(store, players, error));
    QCOMPARE(players.size(), std::size_t(10));
    QStringList made;
    for (const LinkProposal& p : proposeLinks(players, PeopleLinks())) {
        made << QStringLiteral("%1 %2 %3")
                    .arg(QString::fromStdString(playerKeyText(players[p.first].key)),
                         QString::fromStdString(playerKeyText(players[p.second].key)),
                         proposalReasonText(p.reason));
    }
    made.sort();
    // Equal names across a changed team and letter case; Bo every season; Chris Dee in two
    // seasons by name and "Chris Dees" by his number and team; Zed (number 12 of the Eagles) is
    // no one's.
    QCOMPARE(made, (QStringList{"Y1L1T1P1 Y2L1T2P1 same name", "Y1L1T1P2 Y2L1T1P1 same name",
                                "Y1L1T2P1 Y2L1T2P2 same name", "Y2L1T1P1 Y3L1T1P1 same name",
                                "Y2L1T2P1 Y3L1T2P1 same name",
                                "Y2L1T2P2 Y3L1T2P2 same number and team"}));
    // Linked records are not proposed again.
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn2, kAnn3);
    for (const LinkProposal& p : proposeLinks(players, people))
        QVERIFY(players[p.first].name.find("nn") == std::string::npos);
}

void TestCareers::rejectedProposalIsNotMadeAgain() {
    Store store(dir_.path());
    store.loadYears();
    std::vector<PlayerEntry> players;
    QString error;
    QVERIFY(readAllPlayers(store, players, error));
    PeopleLinks people;
    people.reject(kChris2, kChris3);
    // Chris Dees may still be his first season's Chris Dee, never the second's.
    for (const LinkProposal& p : proposeLinks(players, people))
        QVERIFY(!(players[p.first].key == kChris2 && players[p.second].key == kChris3));
    // Linking by hand undoes the rejection.
    people.link(kChris2, kChris3);
    QVERIFY(!people.isRejected(kChris2, kChris3));
}

void TestCareers::namesAlike_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("alike");
    QTest::newRow("one letter more") << "Chris Dee"
                                     << "Chris Dees" << true;
    QTest::newRow("same last word") << "Robert Smith"
                                    << "Bob Smith" << true;
    QTest::newRow("case and blanks") << "jon  DOE"
                                     << "Jon Doe" << true;
    QTest::newRow("two letters changed") << "Mia Ruiz"
                                         << "Mya Ruis" << true;
    QTest::newRow("different") << "Chris Dee"
                               << "Zed" << false;
    QTest::newRow("three changes") << "Ann Lee"
                                   << "Ian Lex" << false;
    QTest::newRow("empty") << ""
                           << "" << false;
}

void TestCareers::namesAlike() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, alike);
    QCOMPARE(pny::namesAlike(a, b), alike);
}

void TestCareers::historyChampionsAndAllTimeLeaders() {
    Store store(dir_.path());
    store.loadYears();
    store.ensureLeagues();
    store.readLeague(1);
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn2, kAnn3);
    LeaderSettings settings;
    settings.careerPlateAppearances = 0;
    LeagueHistory history;
    QString error;
    QVERIFY(buildLeagueHistory(store, people, settings, history, error));
    QCOMPARE(history.caption, std::string("CITY LEAGUE - League History"));
    // "CITY LEAGUE" of the third season is the same league; "Other" is not.
    QCOMPARE(history.leagues.size(), std::size_t(3));
    const ViewGrid champions = championsGrid(history);
    QCOMPARE(champions.rows.size(), std::size_t(3));
    QCOMPARE(cellOf(champions, 0, " Team"), std::string(" Eagles"));
    QCOMPARE(cellOf(champions, 1, " Team"), std::string(" Tigers"));
    QCOMPARE(cellOf(champions, 1, " Pct"), std::string(" .750"));

    // Ann's three seasons count as one career of 18 hits; Chris Dee's two linked by nobody.
    const LeaderTable& hits = tableOf(history.leaders, "H");
    QCOMPARE(names(hits), (QStringList{"Chris Dee", "Ann Lee", "Chris Dees", "Chris Dee"}));
    QCOMPARE(QString::fromStdString(hits.rows[1].value).trimmed(), QStringLiteral("18"));
    QCOMPARE(tableOf(history.leaders, "AVG").rule,
             std::string("Qualified: every player (no career minimum)"));

    // Bo's ERA over the three seasons uses each season's innings.
    settings.careerInnings = 25;
    QVERIFY(buildLeagueHistory(store, PeopleLinks(), settings, history, error));
    QVERIFY(tableOf(history.leaders, "ERA").rows.empty());  // unlinked: 9, 7 and 9 innings
    QCOMPARE(tableOf(history.leaders, "ERA").emptyReason,
             std::string("Nobody has 25 IP in a career yet"));
    PeopleLinks bo;
    bo.link(kBo1, kBo2);
    bo.link(kBo1, kBo3);
    QVERIFY(buildLeagueHistory(store, bo, settings, history, error));
    const LeaderTable& era = tableOf(history.leaders, "ERA");
    QCOMPARE(era.rows.size(), std::size_t(1));
    QCOMPARE(era.rows[0].value, std::string(" 1.64"));
    QCOMPARE(era.rule, std::string("Qualified: at least 25 IP in a career"));
}

void TestCareers::qualifierKeepsOutShortCareers() {
    Store store(dir_.path());
    store.loadYears();
    store.ensureLeagues();
    store.readLeague(1);
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn2, kAnn3);
    LeagueHistory history;
    QString error;
    // With the default 100 PA only Chris Dee (90 + 10 PA, linked) qualifies.
    people.link(kChris1, kChris2);
    QVERIFY(buildLeagueHistory(store, people, LeaderSettings(), history, error));
    QCOMPARE(names(tableOf(history.leaders, "AVG")), QStringList{"Chris Dee"});
    QCOMPARE(tableOf(history.leaders, "AVG").rule,
             std::string("Qualified: at least 100 PA in a career"));
    // Without the qualifier Zed's 0 for 2 and every other batter with an at bat are ranked.
    LeaderSettings everyone;
    everyone.careerPlateAppearances = 0;
    QVERIFY(buildLeagueHistory(store, people, everyone, history, error));
    QCOMPARE(names(tableOf(history.leaders, "AVG")),
             (QStringList{"Chris Dees", "Chris Dee", "Ann Lee", "Zed"}));
    // Qualifying figures of a rate table are the career's.
    QCOMPARE(tableOf(history.leaders, "AVG").rows[2].qualifying, std::string(" 75"));
}

void TestCareers::linkedLeagueJoinsTheHistory() {
    Store store(dir_.path());
    store.loadYears();
    std::vector<SeasonLeague> all;
    QString error;
    QVERIFY(readSeasonLeagues(store, all, error));
    QCOMPARE(all.size(), std::size_t(6));
    PeopleLinks people;
    QCOMPARE(historyLeagues(all, {3, 1}, people).size(), std::size_t(3));
    // "Other" of 2023 linked to the City League brings in the "Other" leagues of the other
    // seasons, which share its name.
    people.linkLeagues({2, 2}, {3, 1});
    QStringList keys;
    for (const SeasonLeague& league : historyLeagues(all, {3, 1}, people))
        keys << QString::fromStdString(league.baseName());
    QCOMPARE(keys, (QStringList{"Y1L1", "Y1L2", "Y2L1", "Y2L2", "Y3L1", "Y3L2"}));
    // Seen from "Other", the same history.
    QCOMPARE(historyLeagues(all, {1, 2}, people).size(), std::size_t(6));
    QCOMPARE(historyLeagues(all, {1, 2}, PeopleLinks()).size(), std::size_t(3));
}

void TestCareers::careerSettingsKeepOlderFiles() {
    // A file written before the career figures reads them as the defaults, and a file with the
    // defaults is written as before.
    const LeaderSettings old = parseLeaderSettings({"Leaders|", "2.5|0.8|0.05|5|"});
    QCOMPARE(old.careerPlateAppearances, 100);
    QCOMPARE(old.careerInnings, 30);
    QCOMPARE(old.places, 5);
    QCOMPARE(leaderSettingsLines(old)[1], std::string("2.5|0.8|0.05|5|"));
    LeaderSettings changed = old;
    changed.careerInnings = 0;
    const std::vector<std::string> lines = leaderSettingsLines(changed);
    QCOMPARE(lines[1], std::string("2.5|0.8|0.05|5|100|0|30|"));
    QVERIFY(parseLeaderSettings(lines) == changed);
    QVERIFY(leaderSettingsProblems(lines).empty());
    const auto problems = leaderSettingsProblems({"Leaders|", "3.1|1.0|0.67|10|abc|12345||"});
    QCOMPARE(problems.size(), std::size_t(2));
    QVERIFY(QString::fromStdString(problems[0].second).startsWith("career PA \"abc\""));
}

void TestCareers::linkingLeavesOlderFilesByteIdentical() {
    const std::map<QString, QByteArray> before = filesOf(dir_.path());
    Store store(dir_.path());
    store.loadYears();
    PeopleLinks people;
    people.link(kAnn1, kAnn2);
    people.link(kAnn2, kAnn3);
    stagePeople(store, people);
    QVERIFY(store.commit());
    std::map<QString, QByteArray> after = filesOf(dir_.path());
    QCOMPARE(after.count("Pennantry.People"), std::size_t(1));
    QCOMPARE(after["Pennantry.People"],
             QByteArray("People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n"));
    after.erase("Pennantry.People");
    for (const auto& [name, bytes] : before)
        QVERIFY2(after[name] == bytes, qPrintable(name + ": " + after[name]));
    QVERIFY(after == before);

    // Undoing a link is a commit of its own, read back as it was left.
    Store again(dir_.path());
    again.loadYears();
    PeopleLinks read;
    QString error;
    QVERIFY(readPeople(again, read, error));
    QVERIFY(read == people);
    read.unlink(kAnn3);
    stagePeople(again, read);
    QVERIFY(again.commit());
    QVERIFY(readPeople(again, people, error));
    QCOMPARE(people.recordsOf(kAnn1), (std::vector<PlayerKey>{kAnn1, kAnn2}));
    after = filesOf(dir_.path());
    after.erase("Pennantry.People");
    QVERIFY(after == before);
}

void TestCareers::peopleFileIsKnownToBackupAndCheck() {
    QVERIFY(isDataFileName("Pennantry.People"));
    QVERIFY(isDataFileName("pennantry.people"));
    QVERIFY(!backupFileNames(dir_.path()).contains("Pennantry.People"));
    writeFile(dir_.filePath("Pennantry.People"),
              "People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P9|\r\nP|1|Y3L1T2P1\r\n");
    QVERIFY(backupFileNames(dir_.path()).contains("Pennantry.People"));
    QStringList found;
    for (const CheckFinding& finding : checkDataFolder(dir_.path()))
        found << QString::fromStdString(finding.text());
    QCOMPARE(found,
             (QStringList{"Pennantry.People:3: Y2L1T2P9 is no player: the link points at nothing",
                          "Pennantry.People:4: the line does not end with a separator (a cut "
                          "line?): the line is never read"}));
}

QTEST_GUILESS_MAIN(TestCareers)
#include "tst_careers.moc"
