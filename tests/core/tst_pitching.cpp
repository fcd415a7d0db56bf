#include "gamelog/boxscorecsv.h"
#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "gamelog/night.h"
#include "pitching/eligibility.h"
#include "pitching/eligiblepitchers.h"
#include "pitching/pitchrules.h"
#include "pitching/pitchcount.h"
#include "pitching/pitchrulesfile.h"
#include "gamelog/scorerline.h"
#include "pitching/pitchsheet.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// The rules of a youth league: 85 a day; 1-20: 0, 21-35: 1, 36-50: 2, 51-65: 3, 66 and more: 4.
PitchRules youthRules() {
    PitchRules rules;
    rules.dailyMax = 85;
    rules.rest = {{21, 1}, {36, 2}, {51, 3}, {66, 4}};
    return rules;
}

QDate day(const char* iso) {
    return QDate::fromString(QString::fromLatin1(iso), Qt::ISODate);
}

// A pitcher's line of a night: strikes and balls thrown, and one inning.
struct Pitched {
    int team;
    int player;
    long long strikes;
    long long balls;
    long long innings = 1;
};

// A hand-built log: each night is the home team's line (Otters 1 against Hawks 2), then the
// pitchers' lines; changes and removals point at the night they correct.
class LogBuilder {
public:
    int night(const std::string& date, const std::vector<Pitched>& pitchers) {
        return add(LogKind::Night, 0, date, pitchers);
    }
    void change(int corrected, const std::vector<Pitched>& difference) {
        add(LogKind::Change, corrected, dateOf_[corrected], difference);
    }
    void remove(int corrected, const std::vector<Pitched>& undone) {
        add(LogKind::Removal, corrected, dateOf_[corrected], undone);
    }
    GameLog log;

private:
    int add(LogKind kind, int corrects, const std::string& date,
            const std::vector<Pitched>& pitchers) {
        const int entry = log.nextEntry();
        dateOf_[entry] = date;
        LogLine team;
        team.entry = entry;
        team.kind = kind;
        team.corrects = corrects;
        team.date = date;
        team.team = 1;
        team.opponent = 2;
        log.append(team);
        for (const Pitched& p : pitchers) {
            LogLine line = team;
            line.team = p.team;
            line.opponent = p.team == 1 ? 2 : 1;
            line.player = p.player;
            line.values[StatIP] = p.innings;
            line.values[StatST] = p.strikes;
            line.values[StatBT] = p.balls;
            log.append(line);
        }
        return entry;
    }
    std::map<int, std::string> dateOf_;
};

PitcherStatus statusOf(const GameLog& log, const PitchRules& rules, int team, int player,
                       const QDate& date) {
    const auto days = pitchingDays(pitchedNights(log));
    const auto his = days.find({team, player});
    return his == days.end() ? PitcherStatus() : pitcherStatus(rules, his->second, date);
}

// Otters (Ann, Bo, Cy) and Hawks (Dee, Eli), and two games in the schedule.
void writeSeason(const QString& folder) {
    testsupport::writeLeagueFolder(
        folder, "|1|City|1|1|9|", {"|1|Otters|||||", "|2|Hawks|||||"},
        {playerLine("7", "Ann Lee"), playerLine("12", "Bo Diaz"), playerLine("21", "Cy Young")});
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + playerLine("1", "Dee Ray") + "\r\n" + playerLine("2", "Eli Fox") + "\r\n");
    writeFile(folder + "/Y1L1.Games",
              "G|\r\n|20260520|1830||1|2|||||||\r\n|20260512|1830||2|1|||||||\r\n");
}

QStringList rowTexts(const ViewGrid& grid) {
    QStringList rows;
    for (const auto& row : grid.rows) {
        QStringList cells;
        for (std::size_t c = 1; c < row.size(); ++c)
            cells << QString::fromStdString(row[c]).trimmed();
        rows << cells.join('|');
    }
    return rows;
}

}  // namespace

class TestPitching : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void thresholdEdges_data();
    void thresholdEdges();
    void restIsCalendarDays();
    void twoNightsInARow();
    void doubleheaderAddsUpTheDay();
    void correctionAndRemovalCountAtOnce();
    void pitchersAreTheNightsAsCorrected();
    void nightsWithoutCountsAreUnknown_data();
    void nightsWithoutCountsAreUnknown();
    void warningsNameTheEarlierNight();
    void tableOfTheLeague();
    void leagueWithoutRules();
    void npAndStrikes_data();
    void npAndStrikes();
    void sheetColumnsTakeNpAndS();
    void csvReadsNpAndS_data();
    void csvReadsNpAndS();
};

void TestPitching::thresholdEdges_data() {
    QTest::addColumn<int>("strikes");
    QTest::addColumn<int>("balls");
    QTest::addColumn<int>("restDays");
    QTest::addColumn<QString>("eligibleFrom");
    // Pitched on Friday 2026-05-08.
    QTest::newRow("1 pitch") << 1 << 0 << 0 << "2026-05-09";
    QTest::newRow("20 pitches") << 12 << 8 << 0 << "2026-05-09";
    QTest::newRow("21 pitches") << 12 << 9 << 1 << "2026-05-10";
    QTest::newRow("35 pitches") << 20 << 15 << 1 << "2026-05-10";
    QTest::newRow("36 pitches") << 20 << 16 << 2 << "2026-05-11";
    QTest::newRow("50 pitches") << 30 << 20 << 2 << "2026-05-11";
    QTest::newRow("51 pitches") << 30 << 21 << 3 << "2026-05-12";
    QTest::newRow("65 pitches") << 40 << 25 << 3 << "2026-05-12";
    QTest::newRow("66 pitches") << 40 << 26 << 4 << "2026-05-13";
    QTest::newRow("120 pitches") << 80 << 40 << 4 << "2026-05-13";
}

void TestPitching::thresholdEdges() {
    QFETCH(int, strikes);
    QFETCH(int, balls);
    QFETCH(int, restDays);
    QFETCH(QString, eligibleFrom);
    LogBuilder b;
    b.night("20260508", {{1, 3, strikes, balls}});
    const QDate from = day(qPrintable(eligibleFrom));
    const PitcherStatus onTheDay = statusOf(b.log, youthRules(), 1, 3, from);
    QCOMPARE(onTheDay.restDays, std::optional<int>(restDays));
    QCOMPARE(onTheDay.eligibleFrom, std::optional<QDate>(from));
    QCOMPARE(onTheDay.last->pitches, std::optional<long long>(strikes + balls));
    QCOMPARE(onTheDay.eligible, Eligible::Yes);
    const PitcherStatus dayBefore = statusOf(b.log, youthRules(), 1, 3, from.addDays(-1));
    // The day before he may pitch is his last day of rest, or the night itself for no rest.
    QCOMPARE(dayBefore.eligible, restDays == 0 ? Eligible::Yes : Eligible::No);
    QCOMPARE(dayBefore.last.has_value(), restDays > 0);
}

void TestPitching::restIsCalendarDays() {
    // 4 days of rest after Monday means eligible on Saturday.
    LogBuilder b;
    b.night("20260504", {{2, 1, 50, 30}});
    QCOMPARE(day("2026-05-04").dayOfWeek(), 1);
    const PitcherStatus friday = statusOf(b.log, youthRules(), 2, 1, day("2026-05-08"));
    QCOMPARE(friday.eligible, Eligible::No);
    QCOMPARE(friday.eligibleFrom->dayOfWeek(), 6);
    QCOMPARE(statusOf(b.log, youthRules(), 2, 1, day("2026-05-09")).eligible, Eligible::Yes);
}

void TestPitching::twoNightsInARow() {
    // 30 pitches on Monday need a day of rest; he pitched on Tuesday all the same with 10.
    LogBuilder b;
    b.night("20260504", {{1, 2, 20, 10}});
    b.night("20260505", {{1, 2, 6, 4}});
    const PitcherStatus wednesday = statusOf(b.log, youthRules(), 1, 2, day("2026-05-06"));
    QCOMPARE(wednesday.last->date, day("2026-05-05"));
    QCOMPARE(wednesday.last->pitches, std::optional<long long>(10));
    QCOMPARE(wednesday.eligible, Eligible::Yes);
    QCOMPARE(wednesday.eligibleFrom, std::optional<QDate>(day("2026-05-06")));
    // Asked for Tuesday, only Monday counts: he was not eligible.
    const PitcherStatus tuesday = statusOf(b.log, youthRules(), 1, 2, day("2026-05-05"));
    QCOMPARE(tuesday.eligible, Eligible::No);
    QCOMPARE(tuesday.blocking->date, day("2026-05-04"));
}

void TestPitching::doubleheaderAddsUpTheDay() {
    // 30 and 25 on the same date are 55 for the day: 3 days of rest, not 1.
    LogBuilder b;
    b.night("20260509", {{2, 2, 20, 10}});
    b.night("20260509", {{2, 2, 15, 10}});
    const PitcherStatus status = statusOf(b.log, youthRules(), 2, 2, day("2026-05-11"));
    QCOMPARE(status.last->pitches, std::optional<long long>(55));
    QCOMPARE(status.last->nights, (std::vector<int>{1, 2}));
    QCOMPARE(status.restDays, std::optional<int>(3));
    QCOMPARE(status.eligibleFrom, std::optional<QDate>(day("2026-05-13")));
    QCOMPARE(status.eligible, Eligible::No);
}

void TestPitching::correctionAndRemovalCountAtOnce() {
    LogBuilder b;
    const int first = b.night("20260510", {{1, 1, 50, 20}});
    const int second = b.night("20260510", {{2, 1, 30, 20}});
    QCOMPARE(statusOf(b.log, youthRules(), 1, 1, day("2026-05-12")).eligible, Eligible::No);
    // The 70 were 20 after all: eligible the next day.
    b.change(first, {{1, 1, -40, -10}});
    const PitcherStatus corrected = statusOf(b.log, youthRules(), 1, 1, day("2026-05-11"));
    QCOMPARE(corrected.last->pitches, std::optional<long long>(20));
    QCOMPARE(corrected.eligible, Eligible::Yes);
    // A removed night is no night: its pitcher never pitched.
    QVERIFY(statusOf(b.log, youthRules(), 2, 1, day("2026-05-12")).last.has_value());
    b.remove(second, {{2, 1, -30, -20, -1}});
    QVERIFY(!statusOf(b.log, youthRules(), 2, 1, day("2026-05-12")).last.has_value());
}

void TestPitching::pitchersAreTheNightsAsCorrected() {
    // The one pass over the log gives each night's pitchers as nightOf gives the night.
    LogBuilder b;
    const int first = b.night("20260501", {{1, 1, 30, 20}, {2, 1, 10, 10}});
    const int second = b.night("20260502", {{1, 2, 40, 0}});
    b.night("20260503", {{2, 2, 0, 0, 3}});
    b.change(first, {{1, 1, -30, -20, -1}, {1, 2, 5, 5}});  // the pitches were Bo's, not Ann's
    b.remove(second, {{1, 2, -40, 0, -1}});
    b.change(first, {{2, 1, 1, 0}});
    const auto texts = [](const std::vector<PitchedNight>& nights) {
        QStringList out;
        for (const PitchedNight& n : nights) {
            out << QStringLiteral("%1 %2 %3.%4 %5")
                       .arg(n.night)
                       .arg(isoDate(n.date))
                       .arg(n.team)
                       .arg(n.player)
                       .arg(n.pitches ? QString::number(*n.pitches) : QStringLiteral("?"));
        }
        out.sort();
        return out;
    };
    std::vector<PitchedNight> fromNights;
    for (int night : b.log.nights()) {
        if (const std::optional<Night> corrected = nightOf(b.log, night)) {
            for (const PitchedNight& pitched : nightPitchers(*corrected, night))
                fromNights.push_back(pitched);
        }
    }
    QCOMPARE(texts(pitchedNights(b.log)), texts(fromNights));
    QCOMPARE(texts(pitchedNights(b.log)),
             (QStringList{"1 2026-05-01 1.2 10", "1 2026-05-01 2.1 21", "3 2026-05-03 2.2 ?"}));
    // Leaving out the night being changed.
    QCOMPARE(texts(pitchedNights(b.log, first)), QStringList{"3 2026-05-03 2.2 ?"});
}

void TestPitching::nightsWithoutCountsAreUnknown_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<int>("eligible");
    // An inning pitched on 2026-05-10 without a count: up to 4 days of rest.
    QTest::newRow("next day") << "2026-05-11" << int(Eligible::Unknown);
    QTest::newRow("last day the table could require") << "2026-05-14" << int(Eligible::Unknown);
    QTest::newRow("past the longest rest") << "2026-05-15" << int(Eligible::Yes);
}

void TestPitching::nightsWithoutCountsAreUnknown() {
    QFETCH(QString, asked);
    QFETCH(int, eligible);
    LogBuilder b;
    b.night("20260510", {{1, 3, 0, 0, 2}});
    const PitcherStatus status = statusOf(b.log, youthRules(), 1, 3, day(qPrintable(asked)));
    QCOMPARE(int(status.eligible), eligible);
    QVERIFY(!status.last->pitches.has_value());
    QVERIFY(!status.restDays.has_value());
    QVERIFY(!status.eligibleFrom.has_value());
    // A known night later the same day keeps the day unknown, not 30.
    b.night("20260510", {{1, 3, 20, 10}});
    QVERIFY(!statusOf(b.log, youthRules(), 1, 3, day(qPrintable(asked))).last->pitches);
}

void TestPitching::warningsNameTheEarlierNight() {
    QTemporaryDir dir;
    writeSeason(dir.path());
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensureTeams());
    LogBuilder b;
    b.night("20260504", {{1, 3, 40, 30}});  // 70: eligible from Saturday 2026-05-09
    b.night("20260507", {{2, 1, 40, 20}});  // 60 earlier the same day

    Night night;
    night.date = "20260507";
    night.home.team = 1;
    night.away.team = 2;
    StatValues cy{};
    cy[StatIP] = 2;
    cy[StatST] = 10;
    cy[StatBT] = 5;
    StatValues dee{};
    dee[StatIP] = 1;
    dee[StatST] = 20;
    dee[StatBT] = 10;
    night.home.lines = {{3, cy}};
    night.away.lines = {{1, dee}};
    QStringList warnings;
    for (const PitchWarning& warning : pitchWarnings(store, b.log, youthRules(), night))
        warnings << QString::number(warning.team) + '.' + QString::number(warning.player) + ' ' +
                        warning.text;
    QCOMPARE(
        warnings,
        (QStringList{"1.3 Cy Young was not eligible to pitch on 2026-05-07: he threw 70 pitches on "
                     "2026-05-04 (night 1) and was eligible from 2026-05-09.",
                     "2.1 Dee Ray threw 90 pitches on 2026-05-07, over the daily maximum of 85."}));
    // Changing the second night itself: its own 60 no longer count twice.
    night.home.lines.clear();
    QVERIFY(pitchWarnings(store, b.log, youthRules(), night, 2).empty());
}

void TestPitching::tableOfTheLeague() {
    QTemporaryDir dir;
    writeSeason(dir.path());
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensureTeams());
    QVERIFY(store.ensureGames());
    LogBuilder b;
    b.night("20260420", {{1, 1, 60, 40}});  // more than 14 days before: not listed
    b.night("20260508", {{1, 3, 30, 20}, {2, 2, 0, 0}});
    b.night("20260509", {{2, 1, 10, 5}});

    QCOMPARE(nextGameDate(store, day("2026-05-10")), day("2026-05-12"));
    QCOMPARE(nextGameDate(store, day("2026-05-13")), day("2026-05-20"));
    QCOMPARE(nextGameDate(store, day("2026-06-01")), day("2026-06-01"));

    const ViewGrid grid = eligiblePitchers(store, b.log, youthRules(), day("2026-05-10"));
    QCOMPARE(grid.caption, std::string("Eligible Pitchers - 2026-05-10"));
    QCOMPARE(rowTexts(grid),
             (QStringList{"Otters|Cy Young|2026-05-08|50|2|2026-05-11|No",
                          "Hawks|Dee Ray|2026-05-09|15|0|2026-05-10|Yes",
                          "Hawks|Eli Fox|2026-05-08|unknown|unknown|unknown|Unknown"}));
    QCOMPARE(rowTexts(eligiblePitchers(store, b.log, youthRules(), day("2026-05-10"), 1)),
             QStringList{"Otters|Cy Young|2026-05-08|50|2|2026-05-11|No"});
}

void TestPitching::leagueWithoutRules() {
    QTemporaryDir dir;
    writeSeason(dir.path());
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensureTeams());
    LogBuilder b;
    b.night("20260508", {{1, 3, 50, 30}});
    const ViewGrid grid = eligiblePitchers(store, b.log, std::nullopt, day("2026-05-09"));
    QCOMPARE(grid.headers.size(), std::size_t(5));
    QCOMPARE(rowTexts(grid), QStringList{"Otters|Cy Young|2026-05-08|80"});
    QVERIFY(grid.caption.find("no pitch rules") != std::string::npos);
    // The settings file of a league without rules holds none.
    std::optional<PitchRules> rules = youthRules();
    QString error;
    QVERIFY(readPitchRules(pitchRulesPath(store), rules, error));
    QVERIFY(!rules);
}

void TestPitching::npAndStrikes_data() {
    QTest::addColumn<QString>("np");  // empty: not typed
    QTest::addColumn<QString>("s");
    QTest::addColumn<int>("st");  // -1: refused
    QTest::addColumn<int>("bt");
    QTest::newRow("both") << "66"
                          << "40" << 40 << 26;
    QTest::newRow("S empty: all balls, pitches right") << "20"
                                                       << "" << 0 << 20;
    QTest::newRow("all strikes") << "9"
                                 << "9" << 9 << 0;
    QTest::newRow("neither") << ""
                             << "" << 0 << 0;
    QTest::newRow("S more than NP") << "10"
                                    << "11" << -1 << 0;
    QTest::newRow("S without NP") << ""
                                  << "5" << -1 << 0;
    QTest::newRow("negative NP") << "-5"
                                 << "" << -1 << 0;
}

void TestPitching::npAndStrikes() {
    QFETCH(QString, np);
    QFETCH(QString, s);
    QFETCH(int, st);
    QFETCH(int, bt);
    const auto typed = [](const QString& text) {
        return text.isEmpty() ? std::nullopt : std::optional<long long>(text.toLongLong());
    };
    QString problem;
    const std::optional<PitchCount> count = pitchCountOf(typed(np), typed(s), problem);
    QCOMPARE(count.has_value(), st >= 0);
    QCOMPARE(problem.isEmpty(), st >= 0);
    if (!count)
        return;
    QCOMPARE(count->strikes, static_cast<long long>(st));
    QCOMPARE(count->balls, static_cast<long long>(bt));
}

void TestPitching::sheetColumnsTakeNpAndS() {
    LeagueRecord league;
    const std::vector<BoxScoreColumn> plain = boxScoreColumns(league);
    QCOMPARE(sheetColumns(plain, false).size(), plain.size());
    const std::vector<BoxScoreColumn> counted = sheetColumns(plain, true);
    QStringList captions;
    for (std::size_t c = 0; c < plain.size(); ++c) {
        if (counted[c].caption != plain[c].caption)
            captions << QString::fromStdString(plain[c].caption + ">" + counted[c].caption);
    }
    QCOMPARE(captions, (QStringList{"ST>NP", "BT>S"}));
    // 66 pitches, 40 strikes typed: stored as 40 strikes and 26 balls, shown again as typed.
    std::vector<std::string> cells(counted.size());
    for (std::size_t c = 0; c < counted.size(); ++c) {
        if (counted[c].caption == "NP")
            cells[c] = "66";
        else if (counted[c].caption == "S")
            cells[c] = "40";
    }
    const ScorerLine typed = scorerLine(counted, cells);
    QVERIFY(typed.problem.isEmpty());
    QCOMPARE(typed.values[StatST], 40LL);
    QCOMPARE(typed.values[StatBT], 26LL);
    std::vector<std::string> shown;
    QVERIFY(scorerCells(counted, typed.values, shown));
    QCOMPARE(shown, cells);
    // Without pitch counts the typed ST and BT are stored as they are.
    std::vector<std::string> plainCells(plain.size());
    for (std::size_t c = 0; c < plain.size(); ++c) {
        if (plain[c].stat == StatST)
            plainCells[c] = "40";
        else if (plain[c].stat == StatBT)
            plainCells[c] = "26";
    }
    QCOMPARE(scorerLine(plain, plainCells).values[StatBT], 26LL);
}

void TestPitching::csvReadsNpAndS_data() {
    QTest::addColumn<QByteArray>("otters");  // the Otters' block after its Team row
    QTest::addColumn<int>("strikes");        // Cy's ST; -1: the file is refused
    QTest::addColumn<int>("balls");
    QTest::newRow("NP and S") << QByteArray("No,IP,NP,S\n21,5,66,40\n") << 40 << 26;
    QTest::newRow("S empty") << QByteArray("No,IP,NP,S\n21,5,20,\n") << 0 << 20;
    QTest::newRow("NP alone") << QByteArray("No,np,IP\n21,35,5\n") << 0 << 35;
    QTest::newRow("ST and BT as before") << QByteArray("No,ST,BT\n21,30,20\n") << 30 << 20;
    QTest::newRow("S more than NP") << QByteArray("No,NP,S\n21,10,11\n") << -1 << 0;
    QTest::newRow("both ways at once") << QByteArray("No,NP,ST\n21,10,5\n") << -1 << 0;
    QTest::newRow("NP not a count") << QByteArray("No,NP,S\n21,ten,5\n") << -1 << 0;
}

void TestPitching::csvReadsNpAndS() {
    QFETCH(QByteArray, otters);
    QFETCH(int, strikes);
    QFETCH(int, balls);
    QTemporaryDir dir;
    writeSeason(dir.path());
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensureTeams());
    QVERIFY(store.ensureGames());
    Night night;
    QString error;
    const bool read =
        readBoxScoreCsv(store, "Team,Otters\n" + otters + "Team,Hawks\nNo,PA\n", 2, night, error);
    QCOMPARE(read, strikes >= 0);
    QCOMPARE(error.isEmpty(), strikes >= 0);
    if (!read)
        return;
    const BoxScoreTeam& side = night.home.team == 1 ? night.home : night.away;
    QCOMPARE(side.lines.size(), std::size_t(1));
    QCOMPARE(side.lines[0].player, 3);
    QCOMPARE(side.lines[0].values[StatST], static_cast<long long>(strikes));
    QCOMPARE(side.lines[0].values[StatBT], static_cast<long long>(balls));
}

QTEST_GUILESS_MAIN(TestPitching)
#include "tst_pitching.moc"
