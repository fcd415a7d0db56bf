#include "gamelog/boxscorecsv.h"
#include "gamelog/boxscorewarnings.h"
#include "gamelog/dialoglog.h"
#include "gamelog/gamelog.h"
#include "gamelog/logbaseline.h"
#include "gamelog/nightentry.h"
#include "store/linecodec.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QLocale>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace pny;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Record fields of a player line: 4 + the statistic's place in the file.
int field(PlayerStat stat) {
    return 4 + static_cast<int>(stat);
}

// Two teams of three players and one game between them (home Otters, away Hawks). Ann has
// totals from before the log; Cy has pitched 5 2/3 innings.
void writeSeason(const QString& folder) {
    testsupport::writeLeagueFolder(
        folder, "|1|City|1|1|9|", {"|1|Otters|2|1||1|", "|2|Hawks|||||"},
        {playerLine("7", "Ann Lee", {{field(StatPA), "40"}, {field(Stat1B), "9"}}),
         playerLine("12", "Bo Diaz"),
         playerLine("21", "Cy Young", {{field(StatIP), "5"}, {field(StatIP3), "2"}})});
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + playerLine("1", "Dee Ray") + "\r\n" + playerLine("2", "Eli Fox") + "\r\n" +
                  playerLine("3", "Flo Kim", {{field(StatHR), "9999"}}) + "\r\n");
    writeFile(folder + "/Y1L1.Games", "G|\r\n|20240601|1830||1|2|||||||\r\n");
}

StatValues values(std::initializer_list<std::pair<PlayerStat, long long>> list) {
    StatValues v{};
    for (const auto& [stat, value] : list)
        v[stat] = value;
    return v;
}

// Otters 5, Hawks 3: Ann 4 PA 3 singles 2 RS, Bo 3 RS, Cy pitches 9 innings in two thirds.
Night sampleNight() {
    Night night;
    night.date = "20240601";
    night.time = "1830";
    night.game = 1;
    night.home.team = 1;
    night.home.score = 5;
    night.home.lines = {{1, values({{StatPA, 4}, {Stat1B, 3}, {StatRS, 2}})},
                        {2, values({{StatPA, 3}, {StatRS, 3}})},
                        {3, values({{StatIP, 8}, {StatIP3, 3}, {StatER, 2}, {StatRA, 3}})}};
    night.away.team = 2;
    night.away.score = 3;
    night.away.lines = {{1, values({{StatPA, 4}, {StatHR, 1}, {StatRS, 3}})},
                        {2, values({{StatIP, 8}})}};
    return night;
}

// A player line of the log: the common fields, the first values, and the rest of the 43 empty.
QByteArray playerText(const QByteArray& common, const QByteArray& first) {
    return common + first + QByteArray(43 - first.count('|'), '|');
}

// Every data file of the folder with its bytes.
std::map<QString, QByteArray> filesOf(const QString& folder) {
    std::map<QString, QByteArray> out;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        out[name] = readFile(folder + "/" + name);
    return out;
}

QString playerFile(const QString& folder, int team) {
    return QString::fromLatin1(
        readFile(QStringLiteral("%1/Y1L1T%2.Players").arg(folder).arg(team)));
}

PlayerRecord playerOf(const QString& folder, int team, int line) {
    const QStringList lines = playerFile(folder, team).split("\r\n");
    return PlayerRecord::parse(lines.value(line).toStdString());
}

TeamRecord teamOf(const QString& folder, int team) {
    const QStringList lines = QString::fromLatin1(readFile(folder + "/Y1L1.Teams")).split("\r\n");
    return TeamRecord::parse(lines.value(team).toStdString());
}

GameRecord gameOf(const QString& folder) {
    const QStringList lines = QString::fromLatin1(readFile(folder + "/Y1L1.Games")).split("\r\n");
    return GameRecord::parse(lines.value(1).toStdString());
}

GameLog logOf(Store& store) {
    GameLog log;
    QString error;
    if (!log.read(store, error))
        qWarning("%s", qPrintable(error));
    return log;
}

// Every player of both teams has totals equal to the sum of his log lines.
void verifyLogAddsUp(const QString& folder) {
    Store store(folder);
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    const GameLog log = logOf(store);
    for (int team = 1; team <= 2; ++team) {
        const QStringList lines = playerFile(folder, team).split("\r\n", Qt::SkipEmptyParts);
        for (int p = 1; p < lines.size(); ++p) {
            if (!log.hasLines(team, p))
                continue;
            const StatValues missing = missingFromLog(log, team, p, playerOf(folder, team, p));
            for (std::size_t s = 0; s < missing.size(); ++s)
                QVERIFY2(missing[s] == 0,
                         qPrintable(
                             QStringLiteral("team %1 player %2 stat %3").arg(team).arg(p).arg(s)));
        }
    }
}

}  // namespace

class TestGameLog : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void linesSurviveTheirText_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("night player") << playerText("3|N||20240601|1830|1|1|2|4|", "1||4|3|");
        QTest::newRow("team") << QByteArray("3|N||20240601|1830|1|1|2||1|||5||");
        QTest::newRow("removal") << QByteArray("9|R|3|20240601|1830|1|2|1||-1||||3|");
        QTest::newRow("dialog entry") << playerText("4|E|||||1||12|", "|||-2|");
        QTest::newRow("big values") << playerText("5|T|||||3||1|", "12345|-99999|");
    }
    void linesSurviveTheirText() {
        QFETCH(QByteArray, text);
        LogLine line;
        QVERIFY(LogLine::parse(text.toStdString(), line));
        QCOMPARE(QByteArray::fromStdString(line.build()), text);
    }

    void foreignLinesAreRefused_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("unknown kind") << QByteArray("3|Z||||||1||1||||||");
        QTest::newRow("entry 0") << QByteArray("0|N||||||1|||||||");
        QTest::newRow("no team") << QByteArray("3|N|||||||||||||");
        QTest::newRow("letter in a count") << QByteArray("3|N||20240601|1830|1|1|2||x|||5||");
        QTest::newRow("too few statistics") << QByteArray("3|N||||||1||4|1|2|");
        QTest::newRow("no closing separator") << QByteArray("3|N||||||1||1||||||x");
    }
    void foreignLinesAreRefused() {
        QFETCH(QByteArray, text);
        LogLine line;
        QVERIFY(!LogLine::parse(text.toStdString(), line));
    }

    void aNightReachesTotalsResultsScoreAndLog() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        const std::string currentPlayer = store.player.name;

        const NightOutcome outcome = addNight(store, sampleNight());
        QVERIFY2(outcome.accepted, qPrintable(outcome.refusal));
        // The selection is as it was.
        QCOMPARE(store.league.currentTeam, std::string("1"));
        QCOMPARE(store.player.name, currentPlayer);
        QVERIFY(store.commit());

        const PlayerRecord ann = playerOf(dir.path(), 1, 1);
        QCOMPARE(ann.stat(StatPA), std::string("44"));
        QCOMPARE(ann.stat(Stat1B), std::string("12"));
        QCOMPARE(ann.stat(StatRS), std::string("2"));
        // 5 2/3 + 8 3/3 innings: 14 innings and 2 thirds.
        const PlayerRecord cy = playerOf(dir.path(), 1, 3);
        QCOMPARE(cy.stat(StatIP), std::string("14"));
        QCOMPARE(cy.stat(StatIP3), std::string("2"));
        QCOMPARE(teamOf(dir.path(), 1).won, std::string("3"));
        QCOMPARE(teamOf(dir.path(), 2).won, std::string("0"));
        QCOMPARE(teamOf(dir.path(), 2).lost, std::string("1"));
        QCOMPARE(gameOf(dir.path()).homeScore, std::string("5"));
        QCOMPARE(gameOf(dir.path()).awayScore, std::string("3"));

        // The log: the totals from before (Ann, Cy and the Otters' record), then the night.
        const QByteArray log = readFile(dir.path() + "/Y1L1.Log");
        QVERIFY(log.startsWith("Log|\r\n1|B|||||1|||2|1||||\r\n"));
        QVERIFY(log.contains("\r\n2|N||20240601|1830|1|1|2||1|||5||\r\n"));
        QVERIFY(log.contains("\r\n2|N||20240601|1830|1|2|1|||1||3||\r\n"));
        QVERIFY(log.endsWith("\r\n"));
        verifyLogAddsUp(dir.path());
    }

    void removingANightRestoresEveryFileExactly() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        // A first night stays; the second is removed.
        Night first = sampleNight();
        first.game = 0;
        QVERIFY(addNight(store, first).accepted);
        QVERIFY(store.commit());
        std::map<QString, QByteArray> before = filesOf(dir.path());
        const QByteArray logBefore = before["Y1L1.Log"];
        before.erase("Y1L1.Log");

        const NightOutcome second = addNight(store, sampleNight());
        QVERIFY(second.accepted);
        QVERIFY(store.commit());
        QVERIFY(filesOf(dir.path())["Y1L1T1.Players"] != before["Y1L1T1.Players"]);

        const NightOutcome removal = removeNight(store, second.entry);
        QVERIFY2(removal.accepted, qPrintable(removal.refusal));
        QVERIFY(store.commit());
        std::map<QString, QByteArray> after = filesOf(dir.path());
        const QByteArray logAfter = after["Y1L1.Log"];
        after.erase("Y1L1.Log");
        QCOMPARE(after, before);
        // Nothing in the log was rewritten; the removal points at the night it undoes.
        QVERIFY(logAfter.startsWith(logBefore));
        QVERIFY(logAfter.contains(QByteArray::number(removal.entry) + "|R|" +
                                  QByteArray::number(second.entry) + "|"));
        GameLog log = logOf(store);
        QCOMPARE(log.nights(), std::vector<int>{2});
        QVERIFY(!nightOf(log, second.entry));
        verifyLogAddsUp(dir.path());

        // A removed night cannot be removed again.
        QVERIFY(!removeNight(store, second.entry).accepted);
    }

    void changingANightMovesTotalsByTheDifference() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        const NightOutcome night = addNight(store, sampleNight());
        QVERIFY(night.accepted);
        QVERIFY(store.commit());

        // Ann had 3 hits, not 2; and the Hawks won 6 to 5 after all.
        std::optional<Night> corrected = nightOf(logOf(store), night.entry);
        QVERIFY(corrected);
        QCOMPARE(corrected->home.lines.size(), std::size_t(3));
        corrected->home.lines[0].values[Stat1B] = 2;
        corrected->away.score = 6;
        const NightOutcome change = changeNight(store, night.entry, *corrected);
        QVERIFY2(change.accepted, qPrintable(change.refusal));
        QVERIFY(store.commit());

        QCOMPARE(playerOf(dir.path(), 1, 1).stat(Stat1B), std::string("11"));
        QCOMPARE(playerOf(dir.path(), 1, 1).stat(StatPA), std::string("44"));
        QCOMPARE(teamOf(dir.path(), 1).won, std::string("2"));
        QCOMPARE(teamOf(dir.path(), 1).lost, std::string("2"));
        QCOMPARE(teamOf(dir.path(), 2).won, std::string("1"));
        QCOMPARE(teamOf(dir.path(), 2).lost, std::string("0"));
        QCOMPARE(gameOf(dir.path()).awayScore, std::string("6"));
        const std::optional<Night> now = nightOf(logOf(store), night.entry);
        QCOMPARE(now->home.lines[0].values[Stat1B], 2LL);
        QCOMPARE(*now->away.score, 6LL);
        verifyLogAddsUp(dir.path());

        // Removing the changed night undoes the night and its change together.
        QVERIFY(removeNight(store, night.entry).accepted);
        QVERIFY(store.commit());
        QCOMPARE(playerOf(dir.path(), 1, 1).stat(Stat1B), std::string("9"));
        QCOMPARE(teamOf(dir.path(), 1).won, std::string("2"));
        QCOMPARE(teamOf(dir.path(), 2).won, std::string());
        QCOMPARE(gameOf(dir.path()).homeScore, std::string());
    }

    void aTotalOutOfRangeRefusesTheWholeNight() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        const std::map<QString, QByteArray> before = filesOf(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        Night night = sampleNight();
        night.away.lines.push_back({3, values({{StatHR, 1}})});  // Flo Kim has 9999 already
        const NightOutcome outcome = addNight(store, night);
        QVERIFY(!outcome.accepted);
        QVERIFY2(outcome.refusal.contains("Flo Kim") && outcome.refusal.contains("HR: Home Runs") &&
                     outcome.refusal.contains("10000"),
                 qPrintable(outcome.refusal));
        QVERIFY(!store.hasUnsavedChanges());
        QVERIFY(store.commit());
        QCOMPARE(filesOf(dir.path()), before);
    }

    void nightsAreRefusedForWrongTeamsAndGames_data() {
        QTest::addColumn<int>("home");
        QTest::addColumn<int>("away");
        QTest::addColumn<int>("game");
        QTest::addColumn<int>("player");
        QTest::newRow("same team twice") << 1 << 1 << 0 << 1;
        QTest::newRow("no such team") << 1 << 5 << 0 << 1;
        QTest::newRow("no such game") << 1 << 2 << 4 << 1;
        QTest::newRow("teams not the game's") << 2 << 1 << 1 << 1;
        QTest::newRow("no such player") << 1 << 2 << 0 << 9;
    }
    void nightsAreRefusedForWrongTeamsAndGames() {
        QFETCH(int, home);
        QFETCH(int, away);
        QFETCH(int, game);
        QFETCH(int, player);
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        Night night;
        night.date = "20240601";
        night.game = game;
        night.home.team = home;
        night.away.team = away;
        night.home.lines = {{player, values({{StatPA, 1}})}};
        const NightOutcome outcome = addNight(store, night);
        QVERIFY(!outcome.accepted);
        QVERIFY(!outcome.refusal.isEmpty());
        QVERIFY(!store.hasUnsavedChanges());
    }

    void aGameTakesOneNightAndOutlivesItsChanges() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        const NightOutcome night = addNight(store, sampleNight());
        QVERIFY(night.accepted);
        QVERIFY(store.commit());
        // A second night for the same game would count its results twice.
        const NightOutcome again = addNight(store, sampleNight());
        QVERIFY(!again.accepted);
        QVERIFY2(again.refusal.contains("already in the game log"), qPrintable(again.refusal));

        // The game is given other teams in the schedule: the night can still be removed, and the
        // game's score is left alone.
        QVERIFY(store.ensureGames());
        GameRecord game = GameRecord::parse(store.games.line(1));
        std::swap(game.home, game.away);
        store.games.setLine(1, game.build());
        store.changed.games = true;
        QVERIFY(store.commit());
        const QByteArray games = readFile(dir.path() + "/Y1L1.Games");
        const NightOutcome removal = removeNight(store, night.entry);
        QVERIFY2(removal.accepted, qPrintable(removal.refusal));
        QVERIFY(store.commit());
        QCOMPARE(readFile(dir.path() + "/Y1L1.Games"), games);
        QCOMPARE(playerOf(dir.path(), 1, 1).stat(StatPA), std::string("40"));
        QCOMPARE(teamOf(dir.path(), 1).won, std::string("2"));
    }

    void theDialogsLogTheirEntriesAndTheBaselineFirst() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        store.readPlayer(1);  // Ann: 40 PA, 9 singles before the log
        const PlayerRecord before = store.player;
        PlayerEntryTexts texts = openingTexts(before, store.league);
        texts.add[StatPA] = "4";
        texts.add[Stat1B] = "2";
        texts.total[StatSO] = "3";  // typed over the total
        const PlayerEntryOutcome entry = applyPlayerEntry(before, store.league, texts);
        QVERIFY(entry.accepted);
        store.player = entry.player;
        store.writePlayer();
        logPlayerDialog(store, before, texts, entry.player);
        QVERIFY(store.commit());

        const QByteArray log = readFile(dir.path() + "/Y1L1.Log");
        const QList<QByteArray> lines = log.split('\n');
        QCOMPARE(lines.size(), 5);  // header, baseline, entry, total, and the end
        QVERIFY(lines[1].startsWith("1|B|||||1||1|||40|9|"));
        QVERIFY(lines[2].startsWith("2|E|||||1||1|||4|2|"));
        QVERIFY(lines[3].startsWith("3|T|||||1||1||||||||3|"));
        verifyLogAddsUp(dir.path());

        // A team dialog: one more win is logged after the team's record before the log.
        store.readTeam(1);
        const TeamRecord team = store.team;
        store.team.won = "3";
        store.writeTeam();
        logTeamDialog(store, team, store.team);
        QVERIFY(store.commit());
        const QByteArray withTeam = readFile(dir.path() + "/Y1L1.Log");
        QVERIFY(withTeam.endsWith("\r\n4|B|||||1|||2|1||||\r\n5|E|||||1|||1|||||\r\n"));
    }

    void warningsFollowTheNumbers_data() {
        QTest::addColumn<int>("problem");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<int>("variant");
        // Variants: 0 the sample as it is; 1 Ann gets 5 hits in 4 PA; 2 Cy's ER over RA;
        // 3 the Otters' score is 6; 4 Cy pitches 8 innings; 5 Flo Kim hits a home run.
        for (int p = 0; p <= 4; ++p)
            QTest::addRow("sample has no %d", p) << p << false << 0;
        QTest::newRow("hits over at-bats")
            << static_cast<int>(BoxScoreProblem::HitsOverAtBats) << true << 1;
        QTest::newRow("earned over allowed")
            << static_cast<int>(BoxScoreProblem::EarnedOverAllowed) << true << 2;
        QTest::newRow("runs not score")
            << static_cast<int>(BoxScoreProblem::RunsNotScore) << true << 3;
        QTest::newRow("outs not innings")
            << static_cast<int>(BoxScoreProblem::OutsNotInnings) << true << 4;
        QTest::newRow("total out of range")
            << static_cast<int>(BoxScoreProblem::TotalOutOfRange) << true << 5;
    }
    void warningsFollowTheNumbers() {
        QFETCH(int, problem);
        QFETCH(bool, shown);
        QFETCH(int, variant);
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        Night night = sampleNight();
        if (variant == 1)
            night.home.lines[0].values[Stat1B] = 5;
        if (variant == 2)
            night.home.lines[2].values[StatER] = 4;
        if (variant == 3)
            night.home.score = 6;
        if (variant == 4)
            night.home.lines[2].values[StatIP3] = 0;
        if (variant == 5)
            night.away.lines.push_back({3, values({{StatHR, 1}})});
        int found = 0;
        for (const BoxScoreWarning& warning : boxScoreWarnings(store, night)) {
            if (static_cast<int>(warning.problem) == problem) {
                ++found;
                QVERIFY(!warning.text.isEmpty());
            }
        }
        QCOMPARE(found, shown ? 1 : 0);
    }

    void theVisitorsPitchFewerOutsWhenTheHomeTeamWins() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        Night night = sampleNight();  // the Hawks' pitcher has 8 innings: no warning
        for (long long innings : {7LL, 10LL}) {
            night.away.lines[1].values[StatIP] = innings;
            const auto warnings = boxScoreWarnings(store, night);
            QCOMPARE(std::count_if(warnings.begin(), warnings.end(),
                                   [](const BoxScoreWarning& w) {
                                       return w.problem == BoxScoreProblem::OutsNotInnings;
                                   }),
                     1L);
        }
    }

    void aCsvFileGivesTheSameNight() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        QVERIFY(store.ensureGames());
        const QByteArray csv =
            "Team,hawks,Score,3\r\n"
            "No,Name,PA,HR,RS,IP\r\n"
            "1,Dee Ray,4,1,3,\r\n"
            "2,Eli Fox,,,,8\r\n"
            "Team,1,Score,5\n"
            "#,pa,1b,rs,ip,3ip,er,ra\n"
            "7,4,3,2,,,,\n"
            "12,3,,3\n"
            "21,,,,8,3,2,3\n";
        Night night;
        QString error;
        QVERIFY2(readBoxScoreCsv(store, csv, 1, night, error), qPrintable(error));
        const Night expected = sampleNight();
        QCOMPARE(night.date, expected.date);
        QCOMPARE(night.game, 1);
        for (const auto& [got, want] : {std::make_pair(&night.home, &expected.home),
                                        std::make_pair(&night.away, &expected.away)}) {
            QCOMPARE(got->team, want->team);
            QCOMPARE(got->score, want->score);
            QCOMPARE(got->lines.size(), want->lines.size());
            for (std::size_t k = 0; k < got->lines.size(); ++k) {
                QCOMPARE(got->lines[k].player, want->lines[k].player);
                QVERIFY(got->lines[k].values == want->lines[k].values);
            }
        }
    }

    void badCsvFilesSayWhy_data() {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no team row") << QByteArray("No,PA\n7,4\n") << "begin with a \"Team\"";
        QTest::newRow("foreign team") << QByteArray("Team,Bears\n") << "neither team";
        QTest::newRow("unknown column")
            << QByteArray("Team,Otters\nNo,XYZ\n") << "names no statistic";
        QTest::newRow("no number column") << QByteArray("Team,Otters\nPA,1B\n") << "\"No\" column";
        QTest::newRow("unknown player")
            << QByteArray("Team,Otters\nNo,PA\n99,1\n") << "numbered \"99\"";
        QTest::newRow("letter") << QByteArray("Team,Otters\nNo,PA\n7,x\n") << "\"x\" is no count";
        QTest::newRow("one team only") << QByteArray("Team,Otters\nNo,PA\n7,1\n") << "each team";
        QTest::newRow("team twice")
            << QByteArray("Team,Otters\nNo,PA\nTeam,Otters\n") << "second block";
    }
    void badCsvFilesSayWhy() {
        QFETCH(QByteArray, csv);
        QFETCH(QString, reason);
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        QVERIFY(store.ensureGames());
        Night night;
        QString error;
        QVERIFY(!readBoxScoreCsv(store, csv, 1, night, error));
        QVERIFY2(error.contains(reason), qPrintable(error));
    }

    void manyNightsChangesAndRemovalsKeepTheLogAddingUp() {
        QTemporaryDir dir;
        writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        QRandomGenerator random(17);
        std::vector<int> nights;
        for (int step = 0; step < 40; ++step) {
            const int action = nights.empty() ? 0 : random.bounded(3);
            if (action == 0) {
                Night night = sampleNight();
                night.game = 0;
                night.home.lines[0].values[Stat2B] = random.bounded(3);
                night.home.lines[2].values[StatIP3] = random.bounded(6);
                night.away.score = random.bounded(8);
                const NightOutcome out = addNight(store, night);
                QVERIFY2(out.accepted, qPrintable(out.refusal));
                nights.push_back(out.entry);
            } else {
                const std::size_t pick = random.bounded(static_cast<quint32>(nights.size()));
                if (action == 1) {
                    std::optional<Night> night = nightOf(logOf(store), nights[pick]);
                    QVERIFY(night);
                    night->home.lines[1].values[Stat3B] = random.bounded(3);
                    night->home.score.reset();
                    QVERIFY(changeNight(store, nights[pick], *night).accepted);
                } else {
                    QVERIFY(removeNight(store, nights[pick]).accepted);
                    nights.erase(nights.begin() + static_cast<std::ptrdiff_t>(pick));
                }
            }
            QVERIFY(store.commit());
        }
        verifyLogAddsUp(dir.path());
        QCOMPARE(logOf(store).nights(), nights);
    }
};

QTEST_GUILESS_MAIN(TestGameLog)
#include "tst_gamelog.moc"
