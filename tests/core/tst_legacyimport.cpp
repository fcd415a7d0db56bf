#include "import/legacyimport.h"

#include "store/linecodec.h"
#include "store/store.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// Builds a legacy statistics file section by section.
struct Pzs {
    QByteArray text;
    Pzs& section(const QByteArray& name, const QList<QByteArray>& values = {}) {
        text += "[" + name + "]\r\n";
        for (const QByteArray& v : values)
            text += v + "\r\n";
        return *this;
    }
};

std::string stat(const Store& store, int playerIndex, PlayerStat s) {
    return PlayerRecord::parse(store.players.line(playerIndex)).stat(s);
}

}  // namespace

class TestLegacyImport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void init();
    void onlyNamedYearsBecomeSeasons();
    void unnamedTeamKeepsItsPlaceForTheGames();
    void everyLeagueGetsEveryFieldAndUmpire();
    void plateAppearances_data();
    void plateAppearances();
    void playersOfAnUnnamedTeam();
    void teamReferenceCutToEightCharacters();
    void notesCopiedUnderTheirNames();
    void notesOutsideTheFolderAreNotFollowed();
    void strayFileOfANewSeasonStopsTheImport_data();
    void strayFileOfANewSeasonStopsTheImport();
    void missingOrUnreadableFileAddsNothing();
    void hugeCountsReadAsTheSectionsPresent();
    void randomFilesNeverCrash();
    void progressAgainstFileSizeOverEight();
    void largeFileImportsInLinearTime();

private:
    ImportResult runOn(const QByteArray& pzs, const QString& name = "old.PZS");
    std::unique_ptr<QTemporaryDir> dir_;
    QString data_;    // the data folder
    QString legacy_;  // the folder of the legacy files
    std::unique_ptr<Store> store_;
};

void TestLegacyImport::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    data_ = dir_->filePath("data");
    legacy_ = dir_->filePath("legacy");
    QDir().mkpath(data_);
    QDir().mkpath(legacy_);
    // A season already kept, which the import must leave as it is.
    testsupport::writeLeagueFolder(data_, "|1|Old League|1||", {"|1|Old Team||||"});
    store_ = std::make_unique<Store>(data_);
    store_->loadYears();
    QVERIFY(store_->ensurePlayers());
}

ImportResult TestLegacyImport::runOn(const QByteArray& pzs, const QString& name) {
    const QString path = legacy_ + "/" + name;
    writeFile(path, pzs);
    return importLegacyFile(*store_, path);
}

void TestLegacyImport::onlyNamedYearsBecomeSeasons() {
    Pzs f;
    f.section("Init", {"Last=2"}).section("Y1", {"Last=1"}).section("Y1L1", {"Name=Lost"});
    f.section("Y2", {"Name=1996xyz", "Last=1"}).section("Y2L1", {"Name=Majors", "Inn=7"});
    const ImportResult r = runOn(f.text);
    QVERIFY2(r.ok(), qPrintable(r.error));
    QCOMPARE(r.counts.seasons, 1);
    QCOMPARE(r.counts.leagues, 1);
    QCOMPARE(store_->years.size(), 3);
    QCOMPARE(store_->years.line(1), std::string("|2024|Season|1|"));
    QCOMPARE(store_->years.line(2), std::string("|1996x|Imported from PZS file|1|"));
    QCOMPARE(store_->header.currentYear, std::string("2"));
    QCOMPARE(store_->loaded.leagues, std::string("Y2"));
    // The league takes its name and innings; everything else as a new leagues file reads it.
    LeagueRecord expected = LeagueRecord::parse("L|");
    expected.flag.clear();
    expected.name = "Majors";
    expected.innings = "7";
    QCOMPARE(store_->leagues.line(1), expected.build());
    QVERIFY(store_->changed.leagues);
    // The season kept before is untouched on disk once everything is saved.
    QVERIFY(store_->saveAll());
    QCOMPARE(readFile(data_ + "/Y1.Leagues"), QByteArray("L|\r\n|1|Old League|1||\r\n"));
    QVERIFY(readFile(data_ + "/Y2.Leagues").contains("||Majors|||7|"));
}

void TestLegacyImport::unnamedTeamKeepsItsPlaceForTheGames() {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=3"});
    f.section("Y1L1T1", {"Name=Tigers", "No=12", "Won=5", "Lost=3"});
    f.section("Y1L1T2", {"No=99", "Won=1"});
    f.section("Y1L1T3", {"Name=Eagles"});
    f.section("Y1L1S", {"Last=3"});
    f.section("Y1L1G1", {"D=19960615", "T=1830", "F=F2", "H=Y1L1T3", "A=Y1L1T1", "U1=U1", "U3=U2",
                         "HTS=5", "ATS=4"});
    f.section("Y1L1G2", {"T=1900", "H=Y1L1T1"});  // no date: skipped
    f.section("Y1L1G3", {"D=19960616", "H=Y1L1T1", "A=Y1L1T3"});
    const ImportResult r = runOn(f.text);
    QVERIFY(r.ok());
    QCOMPARE(r.counts.teams, 3);
    QCOMPARE(r.counts.games, 2);
    QCOMPARE(store_->teams.size(), 4);
    QCOMPARE(store_->teams.line(1), std::string("|12|Tigers|5|3|||"));
    QCOMPARE(store_->teams.line(2), std::string("+|99||1||||"));
    QCOMPARE(store_->teams.line(3), std::string("||Eagles|||||"));
    QCOMPARE(store_->games.size(), 3);
    QCOMPARE(store_->games.line(1), std::string("|19960615|1830|2|3|1|1||2||5|4|"));
    QCOMPARE(store_->games.line(2), std::string("|19960616|||1|3|||||||"));
    // The last team and the last game are the current ones.
    QCOMPARE(store_->league.currentTeam, std::string("3"));
    QCOMPARE(store_->league.currentGame, std::string("2"));
    QCOMPARE(store_->leagues.line(1), store_->league.build());
    QVERIFY(store_->changed.teams && store_->changed.games);
}

void TestLegacyImport::everyLeagueGetsEveryFieldAndUmpire() {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=2"});
    f.section("Y1L1", {"Name=Majors"}).section("Y1L2", {"Name=Minors"});
    f.section("Fields", {"Last=3"}).section("F1", {"Name=North Park", "No=3"});
    f.section("F3", {"Name=South"});  // F2 is missing: a hidden placeholder
    f.section("Umpires", {"Last=1"}).section("U1", {"Name=Blue", "No=7"});
    const ImportResult r = runOn(f.text);
    QVERIFY(r.ok());
    QCOMPARE(r.counts.fields, 6);
    QCOMPARE(r.counts.umpires, 2);
    QVERIFY(store_->saveAll());
    for (const char* league : {"Y2L1", "Y2L2"}) {
        QCOMPARE(readFile(data_ + "/" + league + ".Fields"),
                 QByteArray("F|\r\n|3|North Park|\r\n+|||\r\n||South|\r\n"));
        QCOMPARE(readFile(data_ + "/" + league + ".Umpires"), QByteArray("U|\r\n|7|Blue|\r\n"));
    }
    QCOMPARE(store_->year.currentLeague, std::string("2"));
}

void TestLegacyImport::plateAppearances_data() {
    QTest::addColumn<QList<QByteArray>>("values");
    QTest::addColumn<QByteArray>("pa");
    QTest::newRow("AB 10, BB 2, HP 1")
        << QList<QByteArray>{"AB=10", "BB=2", "HP=1"} << QByteArray("13");
    QTest::newRow("all four summands")
        << QList<QByteArray>{"AB=10", "BB=2", "HP=1", "SBnt=3", "SFly=4"} << QByteArray("20");
    QTest::newRow("hexadecimal at bats")
        << QList<QByteArray>{"AB=0x10", "BB= 1"} << QByteArray("17");
    QTest::newRow("nothing") << QList<QByteArray>{} << QByteArray("");
    QTest::newRow("not numbers") << QList<QByteArray>{"AB=ten", "BB=2x"} << QByteArray("");
    QTest::newRow("cut to four") << QList<QByteArray>{"AB=123456"} << QByteArray("1234");
    QTest::newRow("summand cut to four first")
        << QList<QByteArray>{"AB=1", "BB=12345"} << QByteArray("1235");
}

void TestLegacyImport::plateAppearances() {
    QFETCH(QList<QByteArray>, values);
    QFETCH(QByteArray, pa);
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=1"}).section("Y1L1T1", {"Name=Tigers", "Last=1"});
    f.section("Y1L1T1P1", QList<QByteArray>{"Name=Smith", "No=23"} + values);
    QVERIFY(runOn(f.text).ok());
    QCOMPARE(QByteArray::fromStdString(stat(*store_, 1, StatPA)), pa);
}

void TestLegacyImport::playersOfAnUnnamedTeam() {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=2"}).section("Y1L1T1", {"Name=Tigers"});
    f.section("Y1L1T2", {"Last=3"});
    f.section("Y1L1T2P1",
              {"Name=Smith", "No=23",  "G=10",  "1B=5",   "2B=2",  "3B=1",  "HR=3",  "SO=4",
               "R=6",        "RBI=7",  "SB=8",  "CS=1",   "BO=3",  "GP=2",  "IP=9",  "3IP=2",
               "HA=11",      "WA=3",   "HB=1",  "BSO=12", "RA=5",  "ER=4",  "Won=2", "Lost=1",
               "Sv=1",       "Pos=SS", "PO=20", "A=15",   "Err=2", "Inn=99"});
    f.section("Y1L1T2P2", {"No=5"});  // unnamed: skipped
    f.section("Y1L1T2P3", {"Name=Jones"});
    const ImportResult r = runOn(f.text);
    QCOMPARE(r.counts.players, 2);
    QCOMPARE(store_->loaded.players, std::string("Y2L1T2"));
    QCOMPARE(store_->teams.line(2), std::string("+||||||2|"));
    QCOMPARE(store_->players.size(), 3);
    // Every statistic in its field; PA from the four summands, Inn not read.
    QCOMPARE(store_->players.line(1),
             std::string("|23|Smith|10|||5|2|1|3|4||||||7|6||8|1|3|2|9|2|||||11|3|1|12||5|4|2|1|1|"
                         "SS||20|15|2|||||"));
    QCOMPARE(stat(*store_, 2, StatG), std::string());
}

void TestLegacyImport::teamReferenceCutToEightCharacters() {
    Pzs f;
    f.section("Init", {"Last=10"});
    for (int y = 1; y <= 9; ++y)
        f.section("Y" + QByteArray::number(y));
    f.section("Y10", {"Name=2005", "Last=10"});
    f.section("Y10L10", {"Name=Tens"});
    f.section("Y10L10T12");  // so that the tenth league's "T" sections have a number
    f.section("Y10L10S", {"Last=1"});
    f.section("Y10L10G1", {"D=20050501", "H=Y10L10T12", "A=Y10L10T123456"});
    const ImportResult r = runOn(f.text);
    QCOMPARE(r.counts.seasons, 1);
    QCOMPARE(r.counts.games, 1);
    QCOMPARE(GameRecord::parse(store_->games.line(1)).home, std::string("1"));
    QCOMPARE(GameRecord::parse(store_->games.line(1)).away, std::string("1"));
}

void TestLegacyImport::notesCopiedUnderTheirNames() {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=2", "Note=lg"});
    f.section("Y1L1T1", {"Name=Tigers", "Note=Team1"});
    f.section("Y1L1T2", {"Name=Eagles", "Last=2", "Note=gone"});  // no such notes file
    f.section("Y1L1T2P1", {"Name=Smith"}).section("Y1L1T2P2", {"Name=Jones", "Note=PLAYER2X"});
    f.section("Y1L1S", {"Last=1"}).section("Y1L1G1", {"D=19960615", "Note=game"});
    f.section("Fields", {"Last=1"}).section("F1", {"Name=North", "Note=field"});
    f.section("Umpires", {"Last=2"}).section("U1").section("U2", {"Name=Blue", "Note=ump"});
    writeFile(legacy_ + "/LG.PZN", "league\r\nnotes");  // matched without letter case
    writeFile(legacy_ + "/Team1.PZN", "team\n");
    writeFile(legacy_ + "/PLAYER2X.PZN", "player \xe9\r\n");
    writeFile(legacy_ + "/game.pzn", "game\r\n");
    writeFile(legacy_ + "/field.PZN", "");
    writeFile(legacy_ + "/ump.PZN", "umpire\r\n");
    const ImportResult r = runOn(f.text);
    QVERIFY(r.ok());
    QCOMPARE(r.counts.notes, 6);
    QVERIFY(r.warnings.isEmpty());
    QVERIFY(store_->saveAll());
    QCOMPARE(readFile(data_ + "/Y2L1.Notes"), QByteArray("league\r\nnotes\r\n"));
    QCOMPARE(readFile(data_ + "/Y2L1T1.Notes"), QByteArray("team\r\n"));
    QVERIFY(!QFile::exists(data_ + "/Y2L1T2.Notes"));
    QCOMPARE(readFile(data_ + "/Y2L1T2P2.Notes"), QByteArray("player \xe9\r\n"));
    QCOMPARE(readFile(data_ + "/Y2L1G1.Notes"), QByteArray("game\r\n"));
    QVERIFY(QFile::exists(data_ + "/Y2L1F1.Notes"));
    QCOMPARE(readFile(data_ + "/Y2L1U2.Notes"), QByteArray("umpire\r\n"));
    QVERIFY(!QFile::exists(data_ + "/Y2L1U1.Notes"));
}

void TestLegacyImport::notesOutsideTheFolderAreNotFollowed() {
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=4", "Note=../sec"});
    f.section("Y1L1T1", {"Name=A", "Note=sub/in"}).section("Y1L1T2", {"Name=B", "Note=..\\sec"});
    f.section("Y1L1T3", {"Name=C", "Note=/tmp/x"}).section("Y1L1T4", {"Name=D", "Note=plain"});
    writeFile(dir_->filePath("sec.PZN"), "secret\r\n");
    QDir().mkpath(legacy_ + "/sub");
    writeFile(legacy_ + "/sub/in.PZN", "inside a sub folder\r\n");
    writeFile(legacy_ + "/plain.PZN", "plain\r\n");
    const ImportResult r = runOn(f.text);
    QCOMPARE(r.counts.teams, 4);
    QCOMPARE(r.counts.notes, 1);
    QVERIFY(store_->saveAll());
    QCOMPARE(readFile(data_ + "/Y2L1T4.Notes"), QByteArray("plain\r\n"));
    for (const char* name : {"Y2L1", "Y2L1T1", "Y2L1T2", "Y2L1T3"})
        QVERIFY2(!QFile::exists(data_ + "/" + name + ".Notes"), name);
}

void TestLegacyImport::strayFileOfANewSeasonStopsTheImport_data() {
    QTest::addColumn<QString>("stray");
    QTest::addColumn<bool>("refused");
    QTest::newRow("leagues") << "Y2.Leagues" << true;
    QTest::newRow("players") << "Y2L1T3.Players" << true;
    QTest::newRow("notes") << "Y2L1T1.Notes" << true;
    QTest::newRow("season notes") << "Y2.Notes" << true;
    QTest::newRow("past the new seasons") << "Y3.Leagues" << false;
    QTest::newRow("another kind of name") << "Y2backup.txt" << false;
}

void TestLegacyImport::strayFileOfANewSeasonStopsTheImport() {
    // A file left by an import that was interrupted in older days would be read as the new
    // season's own and the import would add to it.
    QFETCH(QString, stray);
    QFETCH(bool, refused);
    writeFile(data_ + "/" + stray, "L|\r\n|1|Left over|\r\n");
    Pzs f;
    f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
    f.section("Y1L1", {"Name=Majors", "Last=1"}).section("Y1L1T1", {"Name=Tigers"});
    const std::vector<std::string> yearsBefore = store_->years.lines();
    const ImportResult r = runOn(f.text);
    if (!refused) {
        QVERIFY2(r.ok(), qPrintable(r.error));
        return;
    }
    QVERIFY(!r.ok());
    QVERIFY2(r.error.contains(stray) && r.error.contains("Nothing was imported"),
             qPrintable(r.error));
    QCOMPARE(r.counts.seasons, 0);
    QCOMPARE(store_->years.lines(), yearsBefore);
    QVERIFY(!store_->hasUnsavedChanges());
}

void TestLegacyImport::missingOrUnreadableFileAddsNothing() {
    const std::vector<std::string> yearsBefore = store_->years.lines();
    const QString missing = legacy_ + "/missing.PZS";
    ImportResult r = importLegacyFile(*store_, missing);
    QVERIFY(!r.ok());
    QVERIFY2(r.error.contains(missing) && r.error.contains("does not exist"), qPrintable(r.error));
    QDir().mkpath(legacy_ + "/folder.PZS");
    r = importLegacyFile(*store_, legacy_ + "/folder.PZS");
    QVERIFY2(r.error.contains("folder.PZS") && r.error.contains("cannot be read"),
             qPrintable(r.error));
    QCOMPARE(r.counts.seasons, 0);
    QCOMPARE(store_->years.lines(), yearsBefore);
    QCOMPARE(store_->header.currentYear, std::string("1"));
    QVERIFY(!store_->hasUnsavedChanges());
}

void TestLegacyImport::hugeCountsReadAsTheSectionsPresent() {
    Pzs f;
    f.section("Init", {"Last=2000000000"}).section("Y1", {"Name=1996", "Last=0x7fffffff"});
    f.section("Y1L1", {"Name=Majors", "Last=2000000000"});
    f.section("Y1L1T1", {"Name=Tigers", "Last=2000000000"});
    f.section("Y1L1T1P1", {"Name=Smith", "this line has no equals sign"});
    f.section("Y1L1S", {"Last=2000000000"}).section("Y1L1G1", {"D=19960615"});
    f.section("Fields", {"Last=2000000000"}).section("Umpires", {"Last=-5"});
    f.text += QByteArray("\x00\xff\xfe[\x01junk=\x02\r\n", 12);
    QElapsedTimer timer;
    timer.start();
    const ImportResult r = runOn(f.text);
    QVERIFY(timer.elapsed() < 5000);
    QVERIFY(r.ok());
    QCOMPARE(r.counts.seasons, 1);
    QCOMPARE(r.counts.teams, 1);
    QCOMPARE(r.counts.players, 1);
    QCOMPARE(r.counts.games, 1);
    QCOMPARE(r.counts.fields, 0);
    QCOMPARE(r.counts.umpires, 0);
}

// Files made of the sections and keys the import reads, with random names, counts and values,
// and files of random bytes: every import ends, and every list it built is a well-formed list.
void TestLegacyImport::randomFilesNeverCrash() {
    QRandomGenerator random(7349);
    const QList<QByteArray> keys = {"Name", "Last", "Note", "No", "D",   "H",  "A",
                                    "F",    "U1",   "AB",   "BB", "Inn", "Won"};
    const QList<QByteArray> values = {"",   "1",      "3",      "2000000000",
                                      "-1", "0x10",   "Y1L1T2", "../x",
                                      "n",  "Tigers", "abc",    QByteArray(300, 'z')};
    for (int round = 0; round < 60; ++round) {
        QByteArray text;
        if (round % 3 == 0) {
            text.resize(static_cast<int>(random.bounded(3000)));
            for (char& c : text)
                c = static_cast<char>(random.bounded(256));
        } else {
            const int sections = static_cast<int>(random.bounded(60));
            for (int s = 0; s < sections; ++s) {
                QByteArray name = random.bounded(4) == 0
                                      ? "Init"
                                      : "Y" + QByteArray::number(random.bounded(1, 3));
                for (const char* level : {"L", "T", "P"}) {
                    if (random.bounded(2))
                        break;
                    name += level + QByteArray::number(random.bounded(1, 4));
                }
                if (random.bounded(8) == 0)
                    name =
                        QList<QByteArray>{
                            "Fields", "F1", "Umpires", "U2", "Y1L1S", "Y1L1G1"}[static_cast<int>(
                            random.bounded(6))];
                text += "[" + name + "]\r\n";
                const int count = static_cast<int>(random.bounded(6));
                for (int k = 0; k < count; ++k) {
                    text += keys[static_cast<int>(random.bounded(keys.size()))] + "=" +
                            values[static_cast<int>(random.bounded(values.size()))] + "\r\n";
                }
            }
        }
        const ImportResult r = runOn(text, QString("fuzz%1.PZS").arg(round));
        QVERIFY(r.ok());
        for (const RecordList* list : {&store_->leagues, &store_->teams, &store_->players,
                                       &store_->games, &store_->fields, &store_->umpires}) {
            QVERIFY(list->size() >= 1);
            for (const std::string& line : list->lines())
                QVERIFY(line.size() <= 255);
        }
    }
    QVERIFY(store_->saveAll());
}

void TestLegacyImport::progressAgainstFileSizeOverEight() {
    Pzs f;
    f.section("Init", {"Last=2"}).section("Y1").section("Y2", {"Name=1996", "Last=1"});
    f.section("Y2L1", {"Name=Majors", "Last=1"}).section("Y2L1T1", {"Name=T"});
    f.text += QByteArray(400, ' ');  // room for every step
    const QString path = legacy_ + "/old.PZS";
    writeFile(path, f.text);
    QList<int> values;
    int maximum = -1;
    importLegacyFile(*store_, path, [&](int value, int max) {
        values.append(value);
        maximum = max;
    });
    QCOMPARE(maximum, f.text.size() / 8);
    // Init, Y1 (skipped), Y2, Y2L1, Y2L1T1, Y2L1S, Fields, Umpires.
    QCOMPARE(values.last(), 8);
    QCOMPARE(values.first(), 0);
}

void TestLegacyImport::largeFileImportsInLinearTime() {
    // Two files, the second four times the first: the time must grow about fourfold, not sixteen.
    const auto makeFile = [](int teams) {
        Pzs f;
        f.section("Init", {"Last=1"}).section("Y1", {"Name=1996", "Last=1"});
        f.section("Y1L1", {"Name=Majors", "Last=" + QByteArray::number(teams)});
        for (int t = 1; t <= teams; ++t) {
            const QByteArray team = "Y1L1T" + QByteArray::number(t);
            f.section(team, {"Name=Team", "Last=20"});
            for (int p = 1; p <= 20; ++p)
                f.section(team + "P" + QByteArray::number(p),
                          {"Name=Player", "AB=10", "BB=1", "G=3", "1B=2", "HR=1"});
        }
        return f.text;
    };
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(runOn(makeFile(50)).counts.players, 1000);
    const qint64 small = std::max<qint64>(timer.restart(), 20);
    QCOMPARE(runOn(makeFile(200)).counts.players, 4000);
    const qint64 large = timer.elapsed();
    QVERIFY2(large < small * 10, qPrintable(QString("%1 ms against %2 ms").arg(large).arg(small)));
}

QTEST_GUILESS_MAIN(TestLegacyImport)
#include "tst_legacyimport.moc"
