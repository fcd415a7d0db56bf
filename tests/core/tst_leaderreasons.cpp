// Why a leader table is empty: nobody has the value yet, or nobody qualifies; the reason is
// worked out from the players' figures, and a table with rows has none.
#include "people/leaguehistory.h"
#include "views/leaderreasons.h"
#include "views/leaders.h"
#include "views/leadersettings.h"

#include "testsupport.h"

#include <QTest>

#include <utility>
#include <vector>

using namespace pny;

namespace {

using Figures = std::vector<std::pair<PlayerStat, long long>>;

// One team of `games` games whose players have the given figures.
std::vector<LeaderTeam> league(long long games, const std::vector<Figures>& players) {
    LeaderTeam team;
    team.line = 1;
    team.name = "Tigers";
    team.games = games;
    for (const Figures& figures : players) {
        LeaderPlayer player;
        player.line = static_cast<int>(team.players.size()) + 1;
        player.name = "Tess Fairweather";
        for (const auto& [stat, value] : figures)
            player.values[stat] = value;
        team.players.push_back(player);
    }
    return {team};
}

const LeaderTable& tableOf(const std::vector<LeaderTable>& tables, const QByteArray& id) {
    for (const LeaderTable& table : tables) {
        if (id == table.category->id)
            return table;
    }
    qFatal("no table %s", id.constData());
}

}  // namespace

class TestLeaderReasons : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void seasonTables_data();
    void seasonTables();
    void careerTables_data();
    void careerTables();
};

void TestLeaderReasons::seasonTables_data() {
    QTest::addColumn<std::vector<Figures>>("players");
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("reason");  // empty: the table lists someone

    const Figures pitcher{{StatIP, 12}, {StatER, 4}, {StatWon, 2}, {StatBSO, 9}};
    const Figures regular{{StatPA, 40}, {Stat1B, 10}, {StatPO, 20}, {StatG, 10}};
    const Figures rookie{{StatPA, 3}, {Stat1B, 1}, {StatG, 1}};
    QTest::newRow("no save") << std::vector<Figures>{pitcher} << QByteArray("Sv")
                             << "No pitcher has a save yet";
    QTest::newRow("a save") << std::vector<Figures>{pitcher, {{StatSv, 1}}} << QByteArray("Sv")
                            << "";
    QTest::newRow("no home run") << std::vector<Figures>{regular} << QByteArray("HR")
                                 << "No batter has a home run yet";
    QTest::newRow("no stolen base")
        << std::vector<Figures>{regular} << QByteArray("SB") << "No runner has a stolen base yet";
    QTest::newRow("no at-bat") << std::vector<Figures>{pitcher} << QByteArray("AVG")
                               << "No batter has an at-bat yet";
    QTest::newRow("at-bats too few to qualify") << std::vector<Figures>{rookie} << QByteArray("AVG")
                                                << "Nobody has enough PA to qualify yet";
    QTest::newRow("one qualifies")
        << std::vector<Figures>{rookie, regular} << QByteArray("AVG") << "";
    QTest::newRow("nobody pitched") << std::vector<Figures>{regular} << QByteArray("ERA")
                                    << "No pitcher has pitched an out yet";
    QTest::newRow("innings too few to qualify")
        << std::vector<Figures>{{{StatIP, 2}, {StatER, 1}}} << QByteArray("ERA")
        << "Nobody has enough IP to qualify yet";
    QTest::newRow("no decision") << std::vector<Figures>{{{StatIP, 20}}} << QByteArray("WP")
                                 << "No pitcher has a decision yet";
    QTest::newRow("no assist") << std::vector<Figures>{regular} << QByteArray("A")
                               << "No fielder has an assist yet";
    QTest::newRow("fielders too few games")
        << std::vector<Figures>{{{StatPO, 3}, {StatG, 1}}} << QByteArray("FP")
        << "Nobody has enough G to qualify yet";
    QTest::newRow("no player at all")
        << std::vector<Figures>{} << QByteArray("BSO") << "No pitcher has a strikeout yet";
}

void TestLeaderReasons::seasonTables() {
    QFETCH(std::vector<Figures>, players);
    QFETCH(QByteArray, table);
    QFETCH(QString, reason);

    const std::vector<LeaderTeam> teams = league(10, players);
    std::vector<LeaderTable> tables = rankLeaders(teams, LeaderSettings(), 9);
    explainEmptyTables(tables, teams, 9, seasonUnqualifiedReason);
    const LeaderTable& shown = tableOf(tables, table);
    QCOMPARE(QString::fromStdString(shown.emptyReason), reason);
    QCOMPARE(shown.rows.empty(), !reason.isEmpty());
    // Every table says why it is empty, and only an empty one.
    for (const LeaderTable& each : tables)
        QVERIFY2(each.rows.empty() != each.emptyReason.empty(), each.category->id);
}

void TestLeaderReasons::careerTables_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<int>("minimum");  // the career minimum of the table's figure
    QTest::addColumn<QString>("reason");

    QTest::newRow("batting") << QByteArray("AVG") << 100 << "Nobody has 100 PA in a career yet";
    QTest::newRow("pitching") << QByteArray("ERA") << 30 << "Nobody has 30 IP in a career yet";
    QTest::newRow("fielding") << QByteArray("FP") << 25 << "Nobody has 25 G in a career yet";
    QTest::newRow("no minimum") << QByteArray("AVG") << 0 << "";
}

void TestLeaderReasons::careerTables() {
    QFETCH(QByteArray, table);
    QFETCH(int, minimum);
    QFETCH(QString, reason);

    LeaderSettings settings;
    settings.careerPlateAppearances = settings.careerInnings = settings.careerGames = minimum;
    // One career with a few of every figure: values everywhere, below every minimum.
    const std::vector<LeaderTeam> careers = league(
        1, {{{StatPA, 20}, {Stat1B, 5}, {StatIP, 10}, {StatER, 3}, {StatPO, 9}, {StatG, 12}}});
    std::vector<LeaderTable> tables = rankLeaders(
        careers, settings.places, 1,
        [&settings](const LeaderTeam&, const LeaderPlayer& player, const LeaderCategory& category) {
            return careerQualifies(category.qualifier, settings, player.values);
        },
        [](Qualifier) { return std::string(); });
    explainEmptyTables(tables, careers, 1, [&settings](Qualifier qualifier) {
        return careerUnqualifiedReason(qualifier, settings);
    });
    QCOMPARE(QString::fromStdString(tableOf(tables, table).emptyReason), reason);
}

QTEST_MAIN(TestLeaderReasons)
#include "tst_leaderreasons.moc"
