#include "schedule/fieldtimes.h"
#include "schedule/roundrobin.h"
#include "store/store.h"

#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// A data folder with one year and one league holding the given teams and fields.
void writeLeague(const QTemporaryDir& dir, const QByteArray& teams, const QByteArray& fields,
                 const QByteArray& games = "G|\r\n", const QByteArray& times = {}) {
    writeFile(dir.filePath("Baseball.Years"), "Y|7||1|||\r\n|1996|Summer|1|\r\n");
    writeFile(dir.filePath("Y1.Leagues"), "L|\r\n|1|Majors|||\r\n");
    writeFile(dir.filePath("Y1L1.Teams"), "T|\r\n" + teams);
    writeFile(dir.filePath("Y1L1.Fields"), "F|\r\n" + fields);
    writeFile(dir.filePath("Y1L1.Games"), games);
    if (!times.isEmpty())
        writeFile(dir.filePath("Y1L1.Times"), times);
}

void openLeague(Store& store) {
    store.loadYears();
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();
    store.loadTimes();
}

SlotRequest single(const char* y, const char* m, const char* d, const char* h, const char* n,
                   bool pm = true) {
    SlotRequest r;
    r.startYear = y;
    r.startMonth = m;
    r.startDay = d;
    r.hour = h;
    r.minute = n;
    r.pm = pm;
    return r;
}

// "home-away" of every game from `first` on, the teams written as their numbers.
QStringList pairingsFrom(const Store& store, int first) {
    QStringList out;
    for (int i = first; i < store.games.size(); ++i) {
        const GameRecord g = GameRecord::parse(store.games.line(i));
        const auto number = [&store](const std::string& index) {
            return QString::fromStdString(
                TeamRecord::parse(store.teams.line(std::stoi(index))).number);
        };
        out << number(g.home) + "-" + number(g.away);
    }
    return out;
}

}  // namespace

class TestSchedule : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void slotTexts_data();
    void slotTexts();
    void singleGameTakesTheWeekdayOfItsDate();
    void weeklySeries();
    void wrongBoxes_data();
    void wrongBoxes();
    void changeAndDeleteTime();
    void fieldKeysCompareAsText();
    void rowBoxesFindTheirSlot();
    void teamAndFieldOrder();
    void confirmationAndChecks();
    void fourTeamsTwoPasses();
    void threeTeamsAtOneTimeAreDoubleBooked();
    void twoRunsAppendTwoSetsAndReportTheClash();
    void slotChangesStayUntilTheLeagueChanges();
};

void TestSchedule::slotTexts_data() {
    QTest::addColumn<QString>("hourBox");
    QTest::addColumn<QString>("minuteBox");
    QTest::addColumn<bool>("pm");
    QTest::addColumn<QString>("shownHour");
    QTest::addColumn<QString>("shownMinute");
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("timeText");
    QTest::newRow("07:5 pm") << "07"
                             << "5" << true << " 7"
                             << "05"
                             << "1996060419051"
                             << " 7:05pm";
    QTest::newRow("12 am is midnight") << "12"
                                       << "0" << false << "12"
                                       << "00"
                                       << "1996060400001"
                                       << "12:00am";
    QTest::newRow("12 pm is noon") << "12"
                                   << "30" << true << "12"
                                   << "30"
                                   << "1996060412301"
                                   << "12:30pm";
    QTest::newRow("blanks inside") << " 6"
                                   << "3 0" << true << " 6"
                                   << "30"
                                   << "1996060418301"
                                   << " 6:30pm";
}

void TestSchedule::slotTexts() {
    QFETCH(QString, hourBox);
    QFETCH(QString, minuteBox);
    QFETCH(bool, pm);
    SortedList times;
    bool changed = false;
    int current = -1;
    const SlotOutcome out = addSlots(
        times, changed, single("1996", "6", "4", qPrintable(hourBox), qPrintable(minuteBox), pm),
        "1", false, current);
    QCOMPARE(out.error, SlotError::None);
    QTEST(QString::fromStdString(out.hourBox), "shownHour");
    QTEST(QString::fromStdString(out.minuteBox), "shownMinute");
    QCOMPARE(times.size(), 1);
    QTEST(QString::fromStdString(times.at(0)), "line");
    QTEST(QString::fromStdString(slotTimeText(times.at(0))), "timeText");
    QCOMPARE(current, 0);
    QVERIFY(changed);
}

void TestSchedule::singleGameTakesTheWeekdayOfItsDate() {
    SortedList times;
    bool changed = false;
    int current = -1;
    SlotRequest r = single("1996", "06", "15", "6", "30");  // a Saturday
    r.weekday = 3;
    r.endYear = "1996";  // ignored for a single game
    r.endMonth = "1";
    r.endDay = "1";
    const SlotOutcome out = addSlots(times, changed, r, "2", false, current);
    QCOMPARE(out.error, SlotError::None);
    QCOMPARE(out.weekday, 6);
    QCOMPARE(out.added, 1);
    QCOMPARE(times.lines(), std::vector<std::string>{"1996061518302"});
    // The same slot again adds nothing and points at the one there.
    QCOMPARE(addSlots(times, changed, r, "2", false, current).added, 0);
    QCOMPARE(times.size(), 1);
    QCOMPARE(current, 0);
}

void TestSchedule::weeklySeries() {
    SortedList times;
    times.insert("1996010112001");  // an earlier slot, so positions are not all 0
    bool changed = false;
    int current = -1;
    SlotRequest r = single("1996", "6", "3", "7", "0");  // Monday 3 June
    r.every = true;
    r.weekday = 3;  // Wednesday
    r.endYear = "1996";
    r.endMonth = "6";
    r.endDay = "24";  // the Monday three weeks later
    const SlotOutcome out = addSlots(times, changed, r, "1", false, current);
    QCOMPARE(out.error, SlotError::None);
    QCOMPARE(out.added, 3);
    QCOMPARE(out.weekday, 3);
    QCOMPARE(times.lines(), (std::vector<std::string>{"1996010112001", "1996060519001",
                                                      "1996061219001", "1996061919001"}));
    QCOMPARE(current, 1);  // the earliest of the series

    // A range without a Wednesday adds nothing but still counts as a change.
    changed = false;
    r.startDay = "6";
    r.endDay = "11";
    const SlotOutcome none = addSlots(times, changed, r, "1", false, current);
    QCOMPARE(none.error, SlotError::None);
    QCOMPARE(none.added, 0);
    QVERIFY(changed);
    QCOMPARE(times.size(), 4);
    QCOMPARE(current, 1);

    // An end before the start.
    changed = false;
    r.endDay = "2";
    QCOMPARE(addSlots(times, changed, r, "1", false, current).error, SlotError::EndBeforeStart);
    QVERIFY(!changed);
    QCOMPARE(QString(slotErrorText(SlotError::EndBeforeStart)),
             QString("Ending Date Before Starting"));
}

void TestSchedule::wrongBoxes_data() {
    QTest::addColumn<QString>("hour");
    QTest::addColumn<QString>("minute");
    QTest::addColumn<bool>("pm");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("shownHour");
    QTest::newRow("hour 0 am") << "0"
                               << "00" << false << "15"
                               << " 0";
    QTest::newRow("hour 0 pm") << "0"
                               << "00" << true << "15"
                               << " 0";
    QTest::newRow("hour 13 am") << "13"
                                << "00" << false << "15"
                                << "13";
    QTest::newRow("hour 13 pm") << "13"
                                << "00" << true << "15"
                                << "13";
    QTest::newRow("minute 60") << "6"
                               << "60" << true << "15"
                               << " 6";
    QTest::newRow("hour not a number") << "x"
                                       << "00" << true << "15"
                                       << " 0";
    QTest::newRow("31 June") << "6"
                             << "00" << true << "31"
                             << " 6";
    QTest::newRow("no day") << "6"
                            << "00" << true << ""
                            << " 6";
}

void TestSchedule::wrongBoxes() {
    QFETCH(QString, hour);
    QFETCH(QString, minute);
    QFETCH(bool, pm);
    QFETCH(QString, day);
    SortedList times;
    bool changed = false;
    int current = 5;
    const SlotOutcome out =
        addSlots(times, changed,
                 single("1996", "6", qPrintable(day), qPrintable(hour), qPrintable(minute), pm),
                 "1", false, current);
    QCOMPARE(out.error, SlotError::BadDateTime);
    QCOMPARE(QString(slotErrorText(out.error)), QString("Enter Correct Date and Time"));
    QTEST(QString::fromStdString(out.hourBox), "shownHour");
    QCOMPARE(times.size(), 0);
    QVERIFY(!changed);
    QCOMPARE(current, 5);
}

void TestSchedule::changeAndDeleteTime() {
    SortedList times;
    times.insertAll({"1996060118001", "1996060218001", "1996060218002"});
    bool changed = false;
    int current = 1;
    // Change the 2 June slot of field 1 to 3 June: it leaves its place and the new one is current.
    addSlots(times, changed, single("1996", "6", "3", "6", "0"), "1", true, current);
    QCOMPARE(times.lines(),
             (std::vector<std::string>{"1996060118001", "1996060218002", "1996060318001"}));
    QCOMPARE(current, 2);
    // Wrong boxes change nothing, not even for Change Time.
    addSlots(times, changed, single("1996", "6", "3", "13", "0"), "1", true, current);
    QCOMPARE(times.size(), 3);
    changed = false;
    QVERIFY(removeSlot(times, changed, 0));
    QVERIFY(changed);
    QVERIFY(!removeSlot(times, changed, 7));
    QCOMPARE(times.size(), 2);
    clearSlots(times, changed);
    QCOMPARE(times.size(), 0);
}

void TestSchedule::fieldKeysCompareAsText() {
    SortedList times;
    times.insertAll({"1996060118003", "1996060118001", "19960601180012", "1996053118003"});
    QCOMPARE(times.lines(), (std::vector<std::string>{"1996053118003", "1996060118001",
                                                      "19960601180012", "1996060118003"}));
    QCOMPARE(slotCount(times, "1"), 1);
    QCOMPARE(slotCount(times, "12"), 1);
    QCOMPARE(slotCount(times, "3"), 2);
    const std::vector<SlotRow> rows = slotRows(times, "3");
    QCOMPARE(static_cast<int>(rows.size()), 2);
    QCOMPARE(rows[1].position, 3);
    QCOMPARE(rows[1].month, std::string("06"));
    QCOMPARE(rows[1].time, std::string(" 6:00pm"));
}

void TestSchedule::rowBoxesFindTheirSlot() {
    SortedList times;
    times.insertAll({"1996061500157", "1996061519307"});
    const std::vector<SlotRow> rows = slotRows(times, "7");
    const SlotBoxes first = boxesOfRow(rows[0]);
    QCOMPARE(first.hour, std::string("12"));
    QCOMPARE(first.minute, std::string("15"));
    QVERIFY(!first.pm);
    QCOMPARE(first.weekday, 6);
    QCOMPARE(slotPosition(times, lineOfBoxes(first, "7")), 0);
    const SlotBoxes second = boxesOfRow(rows[1]);
    QCOMPARE(second.hour, std::string(" 7"));
    QVERIFY(second.pm);
    QCOMPARE(slotPosition(times, lineOfBoxes(second, "7")), 1);
}

void TestSchedule::teamAndFieldOrder() {
    QTemporaryDir dir;
    writeLeague(dir,
                "|10|Tens|\r\n|2|Twos|\r\nX|1|Gone|\r\n||Blank|\r\n|7|Sevens|\r\n+|0|Hidden|\r\n",
                "|3|North|\r\n|12|South|\r\nX|1|Old|\r\n| 2|East|\r\n");
    Store store(dir.path());
    openLeague(store);
    const SortedList order = buildTeamOrder(store);
    // An empty No. sorts first; deleted and hidden teams are left out.
    QCOMPARE(order.lines(), (std::vector<std::string>{"     4", "    22", "    75", "   101"}));
    QCOMPARE(teamIndexOfEntry(order.at(3)), std::string("1"));
    const std::vector<FieldRow> rows = fieldRows(buildFieldList(store), store.times);
    QCOMPARE(static_cast<int>(rows.size()), 3);
    QCOMPARE(rows[0].index, std::string("4"));
    QCOMPARE(rows[0].number, std::string("    2"));
    QCOMPARE(rows[1].number, std::string("    3"));
    QCOMPARE(rows[1].name, std::string("North"));
    QCOMPARE(rows[2].index, std::string("2"));
}

void TestSchedule::confirmationAndChecks() {
    QCOMPARE(generateConfirmation(2, 21),
             QString("To change the baseball fields available or the number of teams to schedule, "
                     "respond \"No\" to this message, then select the \"Field\" or \"Home Tm\" "
                     "buttons. You have 2 fields available and 21 teams to schedule. You don't "
                     "have to use all the fields. Continue?"));
    QCOMPARE(generateCheck(0, 5), QString("No fields to schedule"));
    QCOMPARE(generateCheck(1, 2), QString("Number of teams must be from 3 to 20"));
    QCOMPARE(generateCheck(1, 21), QString("Number of teams must be from 3 to 20"));
    QCOMPARE(generateCheck(1, 3), QString());
    QCOMPARE(generateCheck(1, 20), QString());
}

void TestSchedule::fourTeamsTwoPasses() {
    QTemporaryDir dir;
    QByteArray times;
    for (int day = 1; day <= 8; ++day)
        times +=
            QByteArray("199606") + (day < 10 ? "0" : "") + QByteArray::number(day) + "18301\r\n";
    writeLeague(dir, "|10|A|\r\n|2|B|\r\n|7|C|\r\n|30|D|\r\n", "|1|Park|\r\n",
                "G|\r\n|19960501|1200|1|1|2||||||5|4|\r\n", times);
    Store store(dir.path());
    openLeague(store);
    const SortedList order = buildTeamOrder(store);
    QCOMPARE(generateGames(store, order), 8);
    // Teams 2, 7, 10, 30 are positions 1 to 4.
    QCOMPARE(pairingsFrom(store, 2),
             (QStringList{"2-7", "10-30", "10-2", "30-7", "7-10", "2-30", "7-2", "30-10"}));
    const GameRecord last = GameRecord::parse(store.games.line(9));
    QCOMPARE(last.date, std::string("19960608"));
    QCOMPARE(last.time, std::string("1830"));
    QCOMPARE(last.field, std::string("1"));
    QVERIFY(last.umpires[0].empty() && last.homeScore.empty() && last.awayScore.empty());
    QCOMPARE(store.league.currentGame, std::string("9"));
    QVERIFY(store.changed.games);
    // The game that was there is untouched.
    QCOMPARE(store.games.line(1), std::string("|19960501|1200|1|1|2||||||5|4|"));
    QVERIFY(findDoubleBookings(store, 2).empty());
    QVERIFY(store.saveAll());
    QVERIFY(readFile(dir.filePath("Y1L1.Games")).endsWith("|19960608|1830|1|4|1|||||||\r\n"));
}

void TestSchedule::threeTeamsAtOneTimeAreDoubleBooked() {
    QTemporaryDir dir;
    writeLeague(dir, "|1|A|\r\n|2|B|\r\n|3|C|\r\n", "|1|N|\r\n|2|S|\r\n|3|E|\r\n", "G|\r\n",
                "1996061518301\r\n1996061518302\r\n1996061518303\r\n");
    Store store(dir.path());
    openLeague(store);
    QCOMPARE(generateGames(store, buildTeamOrder(store)), 3);
    QCOMPARE(pairingsFrom(store, 1), (QStringList{"1-2", "3-1", "2-3"}));
    const std::vector<DoubleBooking> clashes = findDoubleBookings(store, 1);
    QCOMPARE(static_cast<int>(clashes.size()), 3);
    QCOMPARE(clashes[0].team, std::string("1"));
    QCOMPARE(clashes[0].games, 2);
    QCOMPARE(doubleBookingText(store, clashes[2]),
             std::string("1996/06/15 6:30 pm: team 3 C has 2 games"));
}

void TestSchedule::twoRunsAppendTwoSetsAndReportTheClash() {
    QTemporaryDir dir;
    writeLeague(dir, "|1|A|\r\n|2|B|\r\n|3|C|\r\n", "|1|N|\r\n", "G|\r\n",
                "1996061518301\r\n1996062218301\r\n");
    Store store(dir.path());
    openLeague(store);
    QCOMPARE(generateGames(store, buildTeamOrder(store)), 2);
    QVERIFY(findDoubleBookings(store, 1).empty());
    QCOMPARE(generateGames(store, buildTeamOrder(store)), 2);
    QCOMPARE(store.games.line(3), store.games.line(1));
    QCOMPARE(store.games.line(4), store.games.line(2));
    // The second set meets the first: every team of it plays twice at once.
    QCOMPARE(static_cast<int>(findDoubleBookings(store, 3).size()), 4);
    // A deleted game does not count.
    GameRecord deleted = GameRecord::parse(store.games.line(1));
    deleted.flag = "X";
    store.games.setLine(1, deleted.build());
    QCOMPARE(static_cast<int>(findDoubleBookings(store, 3).size()), 2);
}

void TestSchedule::slotChangesStayUntilTheLeagueChanges() {
    QTemporaryDir dir;
    writeLeague(dir, "|1|A|\r\n", "|1|N|\r\n", "G|\r\n", "1996061518301\r\n");
    writeFile(dir.filePath("Y1.Leagues"), "L|\r\n|1|Majors|||\r\n|2|Minors|||\r\n");
    Store store(dir.path());
    openLeague(store);
    bool& changed = store.changed.times;
    int current = -1;
    addSlots(store.times, changed, single("1996", "6", "22", "6", "30"), "1", false, current);
    store.loadTimes();  // the generator opens again for the same league
    QCOMPARE(store.times.size(), 2);
    QVERIFY(changed);
    QCOMPARE(readFile(dir.filePath("Y1L1.Times")), QByteArray("1996061518301\r\n"));

    // Another league: the first one's slots are written before its games are left.
    store.year.currentLeague = "2";
    QVERIFY(store.ensureGames());
    QVERIFY(store.commit());
    QCOMPARE(readFile(dir.filePath("Y1L1.Times")),
             QByteArray("1996061518301\r\n1996062218301\r\n"));
    store.loadTimes();
    QCOMPARE(store.times.size(), 0);
    QVERIFY(!changed);
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
