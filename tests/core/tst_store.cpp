#include "store/store.h"

#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

class TestStore : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void freshFolder();
    void firstSaveWritesOnlyTheYearsHeader();
    void saveWithoutChangesWritesOnlyTheYearsFile();
    void switchingYearsSavesTheOldYearFirst();
    void listLoadedFromMissingFileLeavesNoFile();
    void fileNamesFollowTheSelection();
    void indexPastTheEndReadsAsNoItem_data();
    void indexPastTheEndReadsAsNoItem();
    void writeWithIndexPastTheEndChangesNothing();
    void addOperationsStoreTheNewIndexInTheParent();
    void failedSaveKeepsItsChangesAndReportsTheFile();
    void failedCommitKeepsTheListsItLeft();
    void unreadableFileIsNeverOverwritten();
    void fileChangedElsewhereIsNotOverwrittenUnasked();
    void emptyFileGetsAHeaderLine();
    void linesAreWrittenWithCrLf();
    void timesAreSavedUnderTheGamesName();

private:
    static QString path(const QTemporaryDir& dir, const char* name) { return dir.filePath(name); }
};

void TestStore::freshFolder() {
    QTemporaryDir dir;
    Store store(dir.path());
    store.loadYears();
    QCOMPARE(store.years.size(), 1);
    QCOMPARE(store.years.line(0), std::string("Y|"));
    QCOMPARE(store.year.flag, std::string("Y"));
    QVERIFY(!store.hasYear());
}

void TestStore::firstSaveWritesOnlyTheYearsHeader() {
    QTemporaryDir dir;
    Store store(dir.path());
    store.loadYears();
    store.ensureLeagues();
    store.ensureTeams();
    store.header.tab = "0";
    store.header.height = "365";
    store.header.width = "556";
    QVERIFY(store.saveAll());
    QCOMPARE(readFile(path(dir, "Baseball.Years")), QByteArray("Y|0|||365|556||\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Baseball.Years"});
}

void TestStore::saveWithoutChangesWritesOnlyTheYearsFile() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1996|Summer|1|\r\n");
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Majors|\r\n");
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensureLeagues());
    QVERIFY(store.ensureTeams());
    QVERIFY(store.saveAll());
    // The league was only read, so its file is untouched (still without display fields).
    QCOMPARE(readFile(path(dir, "Y1.Leagues")), QByteArray("L|\r\n|1|Majors|\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
}

void TestStore::switchingYearsSavesTheOldYearFirst() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n|2|Two|1|\r\n");
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Majors|1|\r\n");
    writeFile(path(dir, "Y2.Leagues"), "L|\r\n|1|Minors|\r\n");
    Store store(dir.path());
    store.loadYears();
    QVERIFY(store.ensurePlayers());
    QVERIFY(store.ensureGames());
    store.ensureFields();
    store.ensureUmpires();
    store.team.name = "Tigers";
    store.writeTeam();  // current team 1 does not exist yet: nothing replaced, flag set
    store.teams.append("|1|Tigers|");
    store.players.append("|7|Lee|");
    store.changed.players = true;
    store.games.append("|19960615|1830|||||||||");
    store.changed.games = true;
    store.times.insert("3|19960615|1830|");
    store.changed.times = true;
    store.league.name = "Majors!";
    store.writeLeague();

    store.header.currentYear = "2";
    store.readYear(2);
    QVERIFY(store.ensureLeagues());
    QCOMPARE(store.league.name, std::string("Minors"));
    QVERIFY(store.commit());
    QCOMPARE(readFile(path(dir, "Y1L1T1.Players")), QByteArray("P|\r\n|7|Lee|\r\n"));
    QCOMPARE(readFile(path(dir, "Y1L1.Teams")), QByteArray("T|\r\n|1|Tigers|\r\n"));
    QCOMPARE(readFile(path(dir, "Y1L1.Games")), QByteArray("G|\r\n|19960615|1830|||||||||\r\n"));
    QCOMPARE(readFile(path(dir, "Y1L1.Times")), QByteArray("3|19960615|1830|\r\n"));
    QVERIFY(readFile(path(dir, "Y1.Leagues")).contains("|1|Majors!|1|"));
    QVERIFY(!store.hasUnsavedChanges());
    // Fields and umpires were never changed, so they got no file.
    QVERIFY(!QFile::exists(path(dir, "Y1L1.Fields")));
}

void TestStore::listLoadedFromMissingFileLeavesNoFile() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    Store store(dir.path());
    store.loadYears();
    store.ensurePlayers();
    store.ensureGames();
    store.ensureFields();
    store.ensureUmpires();
    QCOMPARE(store.teams.line(0), std::string("T|"));
    QVERIFY(store.saveAll());
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"Baseball.Years"});
}

void TestStore::fileNamesFollowTheSelection() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||2|||\r\n|1|One||\r\n|2|Two|1|\r\n");
    writeFile(path(dir, "Y2.Leagues"), "L|\r\n|1|Majors|3|\r\n");
    Store store(dir.path());
    store.loadYears();
    store.ensurePlayers();
    QCOMPARE(store.loaded.leagues, std::string("Y2"));
    QCOMPARE(store.loaded.teams, std::string("Y2L1"));
    QCOMPARE(store.loaded.players, std::string("Y2L1T3"));
    QCOMPARE(store.pathOf(store.loaded.players, ".Players"), dir.path() + "/Y2L1T3.Players");
    // An empty current-year field gives the base name "Y".
    store.header.currentYear.clear();
    QCOMPARE(store.leaguesBaseName(), std::string("Y"));
}

void TestStore::indexPastTheEndReadsAsNoItem_data() {
    QTest::addColumn<QByteArray>("currentYear");
    QTest::newRow("past the end") << QByteArray("9");
    QTest::newRow("negative") << QByteArray("-1");
    QTest::newRow("not a number") << QByteArray("x");
    QTest::newRow("empty") << QByteArray("");
}

void TestStore::indexPastTheEndReadsAsNoItem() {
    QFETCH(QByteArray, currentYear);
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||" + currentYear + "|||\r\n|1|One|1|\r\n");
    Store store(dir.path());
    store.loadYears();
    QVERIFY(!store.hasYear());
    store.readLeague(77);
    QVERIFY(!store.hasLeague());
    store.readTeam(-3);
    QVERIFY(!store.hasTeam());
}

void TestStore::writeWithIndexPastTheEndChangesNothing() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Majors|9|\r\n");
    Store store(dir.path());
    store.loadYears();
    store.ensureTeams();
    store.team.name = "Ghost";
    store.writeTeam();
    QCOMPARE(store.teams.size(), 1);
    QCOMPARE(store.teams.line(0), std::string("T|"));
}

void TestStore::addOperationsStoreTheNewIndexInTheParent() {
    QTemporaryDir dir;
    Store store(dir.path());
    store.loadYears();
    store.year = YearRecord{"", "2026", "Summer", ""};
    store.addYear();
    QCOMPARE(store.header.currentYear, std::string("1"));
    store.ensureLeagues();
    store.league = LeagueRecord::parse("|1|Majors|");
    store.addLeague();
    QCOMPARE(store.year.currentLeague, std::string("1"));
    QCOMPARE(store.years.line(1), std::string("|2026|Summer|1|"));
    store.ensureTeams();
    store.team = TeamRecord::parse("|5|Tigers|");
    store.addTeam();
    store.team = TeamRecord::parse("|6|Lions|");
    store.addTeam();
    QCOMPARE(store.league.currentTeam, std::string("2"));
    QVERIFY(store.leagues.line(1).rfind("|1|Majors|2|", 0) == 0);
    store.ensurePlayers();
    QCOMPARE(store.loaded.players, std::string("Y1L1T2"));
    store.player = PlayerRecord::parse("|9|Lee|");
    store.addPlayer();
    QCOMPARE(store.teams.line(2), std::string("|6|Lions||||1|"));
    QVERIFY(store.saveAll());
    QVERIFY(QFile::exists(path(dir, "Y1L1T2.Players")));
    QVERIFY(readFile(path(dir, "Baseball.Years")).startsWith("Y|||1||||\r\n|2026|Summer|1|\r\n"));
}

void TestStore::failedSaveKeepsItsChangesAndReportsTheFile() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    Store store(dir.path());
    QStringList errors;
    store.onFileError = [&errors](const QString& message) { errors << message; };
    store.loadYears();
    store.ensureTeams();
    store.team = TeamRecord::parse("|5|Tigers|");
    store.addTeam();
    // A folder in the way of the teams file makes its save fail, whoever runs the test.
    QVERIFY(QDir(dir.path()).mkdir("Y1L1.Teams"));
    QVERIFY(!store.saveAll());
    QVERIFY(store.changed.teams);
    QVERIFY(!errors.isEmpty());
    QVERIFY(errors.join(' ').contains("Y1L1.Teams"));
    // All or nothing: the other lists were not written either.
    QVERIFY(!QFile::exists(path(dir, "Y1.Leagues")));
    QVERIFY(!QFile::exists(path(dir, "Y1L1T1.Players")));
    QVERIFY(QDir(dir.path()).rmdir("Y1L1.Teams"));
    QVERIFY(store.saveAll());
    QVERIFY(!store.changed.teams);
    QCOMPARE(readFile(path(dir, "Y1L1.Teams")), QByteArray("T|\r\n|5|Tigers|||||\r\n"));
}

void TestStore::failedCommitKeepsTheListsItLeft() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Majors|1|\r\n");
    Store store(dir.path());
    store.onFileError = [](const QString&) {};
    store.loadYears();
    store.ensurePlayers();
    store.players.append("|7|Lee|");
    store.changed.players = true;
    QVERIFY(QDir(dir.path()).mkdir("Y1L1T1.Players"));
    store.league.currentTeam = "2";
    QVERIFY(store.ensurePlayers());
    QVERIFY(!store.commit());
    QVERIFY(store.hasUnsavedChanges());
    // Nothing was thrown away: back on the first team the unsaved player is there.
    store.league.currentTeam = "1";
    QVERIFY(store.ensurePlayers());
    QCOMPARE(store.loaded.players, std::string("Y1L1T1"));
    QCOMPARE(store.players.line(1), std::string("|7|Lee|"));
}

void TestStore::fileChangedElsewhereIsNotOverwrittenUnasked() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Majors|1|\r\n");
    Store store(dir.path());
    QStringList errors;
    store.onFileError = [&errors](const QString& message) { errors << message; };
    store.loadYears();
    store.ensureTeams();
    store.league.name = "Ours";
    store.writeLeague();
    QTest::qWait(20);
    writeFile(path(dir, "Y1.Leagues"), "L|\r\n|1|Theirs|1|\r\n");
    // Without anybody to ask, nothing is written and the change stays.
    QVERIFY(!store.commit());
    QCOMPARE(errors.size(), 1);
    QVERIFY2(errors.first().contains("Y1.Leagues") && errors.first().contains("another program"),
             qPrintable(errors.first()));
    QCOMPARE(readFile(path(dir, "Y1.Leagues")), QByteArray("L|\r\n|1|Theirs|1|\r\n"));
    QVERIFY(store.changed.leagues);
    // Asked, keeping ours writes it; from then on the file is ours again.
    QStringList asked;
    store.onConflict = [&asked](const QStringList& files) {
        asked = files;
        return Store::ConflictChoice::KeepMine;
    };
    QVERIFY(store.commit());
    QCOMPARE(asked.size(), 1);
    QVERIFY(readFile(path(dir, "Y1.Leagues")).contains("|1|Ours|"));
    store.league.name = "Again";
    store.writeLeague();
    asked.clear();
    QVERIFY(store.commit());
    QVERIFY(asked.isEmpty());
}

void TestStore::unreadableFileIsNeverOverwritten() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Baseball.Years"));
    Store store(dir.path());
    QStringList errors;
    store.onFileError = [&errors](const QString& message) { errors << message; };
    store.loadYears();
    QCOMPARE(errors.size(), 1);
    QVERIFY(errors.first().contains("Baseball.Years"));
    QVERIFY(!store.saveAll());
    QVERIFY(QFileInfo(path(dir, "Baseball.Years")).isDir());
}

void TestStore::emptyFileGetsAHeaderLine() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "");
    Store store(dir.path());
    store.loadYears();
    QCOMPARE(store.years.size(), 1);
    QVERIFY(!store.hasYear());
}

void TestStore::linesAreWrittenWithCrLf() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|1||1|||\n|1|One|1|\r|2|Two||");
    Store store(dir.path());
    store.loadYears();
    QCOMPARE(store.years.size(), 3);
    QVERIFY(store.saveAll());
    QCOMPARE(readFile(path(dir, "Baseball.Years")),
             QByteArray("Y|1||1||||\r\n|1|One|1|\r\n|2|Two||\r\n"));
}

void TestStore::timesAreSavedUnderTheGamesName() {
    QTemporaryDir dir;
    writeFile(path(dir, "Baseball.Years"), "Y|0||1|||\r\n|1|One|1|\r\n");
    writeFile(path(dir, "Y1L1.Times"), "2|19960615|1830|\r\n1|19960615|1830|\r\n");
    Store store(dir.path());
    store.loadYears();
    store.ensureGames();
    store.loadTimes();
    QCOMPARE(store.times.size(), 2);
    QCOMPARE(store.times.at(0), std::string("1|19960615|1830|"));
    QVERIFY(!store.times.insert("1|19960615|1830|"));
    store.times.insert("10|19960701|0900|");
    store.changed.times = true;
    QVERIFY(store.saveSchedule());
    QVERIFY(store.commit());
    QCOMPARE(readFile(path(dir, "Y1L1.Times")),
             QByteArray("1|19960615|1830|\r\n10|19960701|0900|\r\n2|19960615|1830|\r\n"));
}

QTEST_GUILESS_MAIN(TestStore)
#include "tst_store.moc"
