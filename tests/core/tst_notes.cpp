#include "leaguefolder.h"
#include "notes/noteheadings.h"
#include "notes/notesfile.h"
#include "store/linecodec.h"
#include "store/store.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

// One league whose current team is Bears (line 2) and whose current game is line 1: Tigers at
// home against Bears on Saturday 11 May 1996 at 19:30 on field 3 Riverside, umpire 4 Jones first.
void writeSchedule(const QString& folder, const QByteArray& games) {
    testsupport::writeLeagueFolder(folder, "|1|Majors|2|1|",
                                   {"|7|Tigers|||||", "|9|Bears|1|2||1|"});
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + testsupport::playerLine("12", "Ann Lee") + "\r\n");
    writeFile(folder + "/Y1L1.Games", "G|\r\n" + games);
    writeFile(folder + "/Y1L1.Fields", "F|\r\n|3|Riverside|\r\n");
    writeFile(folder + "/Y1L1.Umpires", "U|\r\n|1|Smith|\r\n|4|Jones|\r\n");
}

void loadAll(Store& store) {
    store.loadYears();
    store.ensureTeams();
    store.readTeam(toNumber(store.league.currentTeam));
    store.ensurePlayers();
    store.readPlayer(toNumber(store.team.currentPlayer));
    store.ensureGames();
    store.ensureFields();
    store.ensureUmpires();
}

QByteArray bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

}  // namespace

class TestNotes : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void teamAndPlayerTabs();
    void gameChoices_data();
    void gameChoices();
    void gameLinesGiveTheCurrentTeamBack();
    void emptyScheduleHasNoDateLine();
    void headingsAndReferencesAreCut();
    void linesRoundTrip_data();
    void linesRoundTrip();
    void refusesWhatTheCodePageCannotHold_data();
    void refusesWhatTheCodePageCannotHold();
    void largeNoteLoads();
    void failedSaveNamesTheFile();
};

void TestNotes::teamAndPlayerTabs() {
    QTemporaryDir dir;
    writeSchedule(dir.path(), "");
    Store store(dir.path());
    loadAll(store);
    const NoteTarget team = teamNoteTarget(store);
    QCOMPARE(bytes(team.heading), QByteArray("TEAM: Bears"));
    QCOMPARE(bytes(team.reference), QByteArray("2"));
    const NoteTarget player = playerNoteTarget(store);
    QCOMPARE(bytes(player.heading), QByteArray("PLAYER:Ann Lee"));
    QCOMPARE(bytes(player.reference), QByteArray("1"));
}

void TestNotes::gameChoices_data() {
    QTest::addColumn<int>("choice");
    QTest::addColumn<QByteArray>("heading");
    QTest::addColumn<QByteArray>("reference");
    QTest::newRow("field") << 0 << QByteArray("Field: 3 Riverside") << QByteArray("1");
    QTest::newRow("game") << 1
                          << QByteArray(
                                 "Game: 7 Tigers vs 9 Bears  Sat 5-11 at 7:30 pm at "
                                 "3 Riverside")
                          << QByteArray("1");
    QTest::newRow("home team") << 2 << QByteArray("Team: 7 Tigers") << QByteArray("1");
    QTest::newRow("away team") << 3 << QByteArray("Team: 9 Bears") << QByteArray("2");
    QTest::newRow("umpire 1") << 4 << QByteArray("Umpire: 4 Jones") << QByteArray("2");
    QTest::newRow("umpire 2, none") << 5 << QByteArray("Umpire:  ") << QByteArray();
    QTest::newRow("umpire 3, past the list") << 6 << QByteArray("Umpire:  ") << QByteArray("9");
    QTest::newRow("umpire 4") << 7 << QByteArray("Umpire: 1 Smith") << QByteArray("1");
}

void TestNotes::gameChoices() {
    QFETCH(int, choice);
    QFETCH(QByteArray, heading);
    QFETCH(QByteArray, reference);
    QTemporaryDir dir;
    writeSchedule(dir.path(), "|19960511|1930|1|1|2|2||9|1|||\r\n");
    Store store(dir.path());
    loadAll(store);
    const GameNoteLines lines = readGameNoteLines(store);
    QVERIFY(!lines.dateError);
    QCOMPARE(bytes(lines.date), QByteArray("Sat 5-11 at 7:30 pm"));
    const NoteTarget target = gameNoteTarget(store, lines, static_cast<GameNoteChoice>(choice));
    QCOMPARE(bytes(target.heading), heading);
    QCOMPARE(bytes(target.reference), reference);
}

void TestNotes::gameLinesGiveTheCurrentTeamBack() {
    QTemporaryDir dir;
    writeSchedule(dir.path(), "|19960511|1930|1|1|2|||||||\r\n");
    Store store(dir.path());
    loadAll(store);
    store.readTeam(1);  // whatever the buffer held, the current team comes back
    const GameNoteLines lines = readGameNoteLines(store);
    QCOMPARE(bytes(lines.home), QByteArray("7 Tigers"));
    QCOMPARE(bytes(store.team.name), QByteArray("Bears"));
    QCOMPARE(bytes(store.team.currentPlayer), QByteArray("1"));
    QCOMPARE(bytes(lines.umpires[0]), QByteArray(" "));
}

void TestNotes::emptyScheduleHasNoDateLine() {
    QTemporaryDir dir;
    writeSchedule(dir.path(), "");
    Store store(dir.path());
    loadAll(store);
    const GameNoteLines lines = readGameNoteLines(store);
    QVERIFY(lines.dateError.has_value());
    QCOMPARE(bytes(*lines.dateError), QByteArray("'// :' is not a valid date and time"));
    QCOMPARE(bytes(store.team.name), QByteArray("Bears"));
}

void TestNotes::headingsAndReferencesAreCut() {
    const std::string name40(40, 'N');
    QTemporaryDir dir;
    writeSchedule(dir.path(), "|19960511|1930|1|1|2|||||||\r\n");
    writeFile(dir.path() + "/Y1L1.Teams", "T|\r\n|12345|" + QByteArray::fromStdString(name40) +
                                              "|||||\r\n|9|Bears|1|2||1|\r\n");
    Store store(dir.path());
    loadAll(store);
    const GameNoteLines lines = readGameNoteLines(store);
    const NoteTarget game = gameNoteTarget(store, lines, GameNoteChoice::Game);
    QCOMPARE(game.heading.size(), std::size_t(80));
    QCOMPARE(bytes(game.heading), bytes("Game: 12345 " + name40 + " vs 9 Bears  Sat 5-11 at 7:3"));
    const NoteTarget cut = noteTarget("Team: 1 A", "1234567");
    QCOMPARE(bytes(cut.reference), QByteArray("12345"));
}

void TestNotes::linesRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("file");
    QTest::newRow("two lines") << QString("Caption\nTEAM: Bears")
                               << QByteArray("Caption\r\nTEAM: Bears\r\n");
    QTest::newRow("empty line at the end") << QString("a\n") << QByteArray("a\r\n\r\n");
    QTest::newRow("blank lines kept") << QString("a\n\n\nb") << QByteArray("a\r\n\r\n\r\nb\r\n");
    QTest::newRow("empty note") << QString() << QByteArray();
    QTest::newRow("code page letters")
        << QString::fromUtf8("Café – 5€") << QByteArray("Caf\xe9 \x96 5\x80\r\n");
}

void TestNotes::linesRoundTrip() {
    QFETCH(QString, text);
    QFETCH(QByteArray, file);
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1.Notes");
    std::vector<std::string> lines;
    QString refused;
    QVERIFY(noteLines(text, lines, refused));
    QString error;
    QVERIFY2(saveNoteLines(path, lines, error), qPrintable(error));
    QCOMPARE(readFile(path), file);
    std::vector<std::string> back;
    QVERIFY(loadNoteLines(path, back, error));
    QCOMPARE(noteText(back), text);
}

void TestNotes::refusesWhatTheCodePageCannotHold_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("refused");
    QTest::newRow("greek") << QString::fromUtf8("ok\nαβ") << QString::fromUtf8("α");
    QTest::newRow("emoji, two UTF-16 units")
        << QString::fromUtf8("rain 🌧 out") << QString::fromUtf8("🌧");
    QTest::newRow("NUL") << QString(QChar(0)) << QString(QChar(0));
}

void TestNotes::refusesWhatTheCodePageCannotHold() {
    QFETCH(QString, text);
    QFETCH(QString, refused);
    std::vector<std::string> lines{"old"};
    QString found;
    QVERIFY(!noteLines(text, lines, found));
    QCOMPARE(found, refused);
    QVERIFY(lines.empty());
    const QString message = refusedCharacterMessage("/data/Y1.Notes", found);
    QVERIFY(message.contains("/data/Y1.Notes"));
    QVERIFY(message.contains(refused == QString(QChar(0)) ? QString("NUL") : refused));
}

void TestNotes::largeNoteLoads() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Y1.Notes");
    QByteArray big;
    while (big.size() < 40000)
        big += QByteArray(78, 'x') + "\r\n";
    writeFile(path, big);
    std::vector<std::string> lines;
    QString error;
    QVERIFY(loadNoteLines(path, lines, error));
    QCOMPARE(lines.size(), std::size_t(big.size() / 80));
    // A missing file is an empty note, not an error.
    QVERIFY(loadNoteLines(dir.filePath("Y2.Notes"), lines, error));
    QVERIFY(lines.empty());
}

void TestNotes::failedSaveNamesTheFile() {
    QTemporaryDir dir;
    const QString path = dir.filePath("missing/Y1.Notes");
    QString error;
    QVERIFY(!saveNoteLines(path, {"a"}, error));
    QVERIFY(error.contains(path));
}

QTEST_GUILESS_MAIN(TestNotes)
#include "tst_notes.moc"
