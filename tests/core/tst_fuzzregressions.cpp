// Inputs the fuzzers in fuzz/ found faults with, fed through the same paths under the ordinary
// test build, so that a fixed fault stays fixed. The seed corpus runs too.
#include "import/inifile.h"
#include "import/legacyimport.h"
#include "pitching/pitchrulesfile.h"
#include "store/recordlist.h"
#include "store/records.h"
#include "store/store.h"
#include "store/textfile.h"
#include "views/leaders.h"
#include "views/leadersexport.h"
#include "views/leadersettings.h"
#include "views/tableview.h"
#include "views/viewstate.h"

#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QTest>

using testsupport::writeFile;

namespace {

// What fuzz_views does: the input split at "\x01\x02" into the files of one league, a store on
// the folder, every tab and the league leaders built and everything saved.
void buildEveryTab(const QByteArray& input) {
    static const char* const names[] = {"Baseball.Years", "Y1.Leagues", "Y1L1.Teams",
                                        "Y1L1T1.Players", "Y1L1.Games", "Y1L1.Fields",
                                        "Y1L1.Umpires",   "Y1L1.Times", "Y1L1.Leaders"};
    QTemporaryDir dir;
    qsizetype start = 0;
    for (int i = 0; i < 9; ++i) {
        const qsizetype at = i < 8 ? input.indexOf("\x01\x02", start) : -1;
        writeFile(dir.filePath(names[i]), input.mid(start, at < 0 ? -1 : at - start));
        if (at < 0)
            break;
        start = at + 2;
    }
    pny::Store store(dir.path());
    store.loadYears();
    pny::ViewState state;
    for (int tab = 0; tab < 8; ++tab) {
        const pny::ViewGrid grid = pny::buildTable(store, state, tab);
        (void)grid;
    }
    pny::LeaderSettings settings;
    pny::LeagueLeaders leaders;
    QString error;
    (void)pny::readLeaderSettings(pny::leaderSettingsPath(store), settings, error);
    if (pny::buildLeagueLeaders(store, settings, leaders, error))
        (void)pny::exportLeadersHtml(leaders);
    // Pitch rules that read are written back as they read.
    std::optional<pny::PitchRules> rules;
    if (pny::readPitchRules(pny::pitchRulesPath(store), rules, error) && rules) {
        std::string problem;
        QCOMPARE(pny::parsePitchRulesLine(pny::pitchRulesLine(*rules), problem), rules);
    }
    store.saveAll();
}

// What fuzz_records and fuzz_recordlist do with one input.
void readAsEveryRecord(const QByteArray& input) {
    const std::string line(input.constData(), static_cast<std::size_t>(input.size()));
    const std::string built = pny::LeagueRecord::parse(line).build();
    QCOMPARE(pny::LeagueRecord::parse(built).build(), built);
    const std::string player = pny::PlayerRecord::parse(line).build();
    QCOMPARE(pny::PlayerRecord::parse(player).build(), player);
    pny::RecordList list('G');
    list.setLines(pny::splitLines(input));
    for (int i = -1; i <= list.size(); ++i)
        (void)pny::GameRecord::parse(list.line(i)).build();
}

void importInput(const QByteArray& input) {
    QTemporaryDir dir;
    writeFile(dir.filePath("in.PZS"), input);
    pny::Store store(dir.path());
    store.loadYears();
    pny::importLegacyFile(store, dir.filePath("in.PZS"));
    store.saveAll();
}

}  // namespace

class TestFuzzRegressions : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void views_data();
    void views();
    void records_data();
    void records();
    void import_data();
    void import();
};

static void addCorpus(const QString& target) {
    QTest::addColumn<QByteArray>("input");
    // The seeds sit beside the fixtures folder, in tests/fuzz-corpus.
    const QString corpus =
        QFileInfo(QStringLiteral(PNY_TEST_DATA)).absolutePath() + "/fuzz-corpus/";
    QVERIFY(QFileInfo(corpus + target).isDir());
    QDirIterator it(corpus + target, QDir::Files);
    while (it.hasNext()) {
        it.next();
        QTest::newRow(qPrintable("seed " + it.fileName())) << testsupport::readFile(it.filePath());
    }
}

void TestFuzzRegressions::views_data() {
    addCorpus("views");
}

void TestFuzzRegressions::views() {
    QFETCH(QByteArray, input);
    buildEveryTab(input);
}

void TestFuzzRegressions::records_data() {
    addCorpus("records");
}

void TestFuzzRegressions::records() {
    QFETCH(QByteArray, input);
    readAsEveryRecord(input);
}

void TestFuzzRegressions::import_data() {
    addCorpus("import");
}

void TestFuzzRegressions::import() {
    QFETCH(QByteArray, input);
    importInput(input);
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "tst_fuzzregressions.moc"
