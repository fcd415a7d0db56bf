// The website of a league with a game log: its values against the tabs, the night pages against
// the log, the player pages, the standings' form, the feed, the links and the escaping.
#include "gamelog/nightentry.h"
#include "publish/leaguesite.h"
#include "publish/sitefeed.h"
#include "publish/sitestandings.h"
#include "publish/sitewriter.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/formats.h"
#include "views/leadersettings.h"
#include "views/tableview.h"

#include "leaguefolder.h"
#include "seasonsfolder.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <map>

using namespace pny;
using testsupport::playerLine;
using testsupport::writeFile;

namespace {

int field(PlayerStat stat) {
    return 4 + static_cast<int>(stat);
}

StatValues values(std::initializer_list<std::pair<PlayerStat, long long>> list) {
    StatValues v{};
    for (const auto& [stat, value] : list)
        v[stat] = value;
    return v;
}

// Two teams: the Otters (Ann with totals from before the log, Bo, Cy a pitcher) and the Hawks
// (Dee, Eli a pitcher), named by `annName`, with two games between them.
void writeSeason(const QString& folder, const QByteArray& annName = "Ann Lee",
                 const QByteArray& hawks = "Hawks") {
    testsupport::writeLeagueFolder(
        folder, "|1|City|1|1|9|", {"|1|Otters|||||", "|2|" + hawks + "|||||"},
        {playerLine("7", annName, {{field(StatPA), "40"}, {field(Stat1B), "9"}}),
         playerLine("12", "Bo Diaz"), playerLine("21", "Cy Young")});
    writeFile(folder + "/Y1L1T2.Players",
              "P|\r\n" + playerLine("1", "Dee Ray") + "\r\n" + playerLine("2", "Eli Fox") + "\r\n");
    writeFile(folder + "/Y1L1.Games",
              "G|\r\n|20240601|1830||1|2|||||||\r\n|20240608|1830||2|1|||||||\r\n");
}

// Game 1, Otters 5, Hawks 3: Ann 4 PA 3 singles, Bo 3 PA, Cy pitches 9 innings and wins.
Night firstNight() {
    Night night;
    night.date = "20240601";
    night.time = "1830";
    night.game = 1;
    night.home.team = 1;
    night.home.score = 5;
    night.home.lines = {{1, values({{StatPA, 4}, {Stat1B, 3}, {StatRS, 2}, {StatRBI, 2}})},
                        {2, values({{StatPA, 3}, {StatRS, 3}, {StatSO, 1}})},
                        {3, values({{StatIP, 9}, {StatER, 2}, {StatRA, 3}, {StatWon, 1}})}};
    night.away.team = 2;
    night.away.score = 3;
    night.away.lines = {{1, values({{StatPA, 4}, {StatHR, 1}, {StatRS, 3}})},
                        {2, values({{StatIP, 8}, {StatLost, 1}, {StatBSO, 4}})}};
    return night;
}

// Game 2 at the Hawks, Hawks 2, Otters 1: Ann 4 PA 1 double.
Night secondNight() {
    Night night;
    night.date = "20240608";
    night.time = "1830";
    night.game = 2;
    night.home.team = 2;
    night.home.score = 2;
    night.home.lines = {{1, values({{StatPA, 4}, {Stat1B, 2}, {StatRS, 2}})}};
    night.away.team = 1;
    night.away.score = 1;
    night.away.lines = {{1, values({{StatPA, 4}, {Stat2B, 1}, {StatRS, 1}})}};
    return night;
}

std::vector<SiteFile> publish(const QString& folder) {
    Store store(folder);
    store.loadYears();
    store.ensureLeagues();
    std::vector<SiteFile> files;
    QString error;
    if (!buildLeagueSite(store, LeaderSettings(), QDate(2024, 7, 1), QTimeZone("UTC"), files,
                         error)) {
        qWarning() << error;
    }
    return files;
}

QByteArray fileOf(const std::vector<SiteFile>& files, const QString& name) {
    for (const SiteFile& file : files) {
        if (file.name == name)
            return file.bytes;
    }
    return {};
}

// The tables of a page by their captions: each row's cell texts, the header row first.
using Table = std::vector<QStringList>;
std::map<QString, Table> tablesOf(const QByteArray& page) {
    std::map<QString, Table> tables;
    QXmlStreamReader reader(page);
    QString caption;
    Table* table = nullptr;
    while (!reader.atEnd()) {
        reader.readNext();
        if (!reader.isStartElement())
            continue;
        if (reader.name() == QLatin1String("caption")) {
            caption = reader.readElementText(QXmlStreamReader::IncludeChildElements);
            table = &tables[caption];
        } else if (reader.name() == QLatin1String("tr") && table) {
            table->emplace_back();
        } else if ((reader.name() == QLatin1String("td") || reader.name() == QLatin1String("th")) &&
                   table) {
            table->back() << reader.readElementText(QXmlStreamReader::IncludeChildElements);
        }
    }
    return tables;
}

// The cell of the row named `name` under `header`; a null string when there is none.
QString cellOf(const Table& table, const QString& name, const QString& header) {
    if (table.empty())
        return {};
    const int column = table.front().indexOf(header);
    for (const QStringList& row : table) {
        if (!row.isEmpty() && row.front() == name && column >= 0 && column < row.size())
            return row.at(column);
    }
    return {};
}

// The cell of the window's grid in the row holding `name` under `header`.
QString gridCell(const ViewGrid& grid, const std::string& name, const std::string& header) {
    std::size_t column = 0;
    while (column < grid.headers.size() && grid.headers[column] != header)
        ++column;
    for (const std::vector<std::string>& row : grid.rows) {
        for (const std::string& text : row) {
            if (QString::fromStdString(text).trimmed() == QString::fromStdString(name) &&
                column < row.size()) {
                return QString::fromStdString(row[column]).trimmed();
            }
        }
    }
    return {};
}

// "x / y" as the site shows a rate: three decimals, truncated, no leading zero.
QString rate(long long x, long long y) {
    return QString::fromStdString(formatRate(x, y)).trimmed();
}

struct Season {
    QTemporaryDir dir;
    int firstEntry = 0;
    int secondEntry = 0;
};

// The season with both nights committed.
bool playBoth(Season& season, const QByteArray& annName = "Ann Lee",
              const QByteArray& hawks = "Hawks") {
    writeSeason(season.dir.path(), annName, hawks);
    Store store(season.dir.path());
    store.loadYears();
    if (!store.ensurePlayers())
        return false;
    const NightOutcome first = addNight(store, firstNight());
    const NightOutcome second = addNight(store, secondNight());
    season.firstEntry = first.entry;
    season.secondEntry = second.entry;
    return first.accepted && second.accepted && store.commit();
}

}  // namespace

class TestPublishNights : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { testsupport::pinLocale(); }

    // A player's AVG and a team's W-L on the site are the window's.
    void valuesAreThoseOfTheTabs() {
        Season season;
        QVERIFY(playBoth(season));
        const std::vector<SiteFile> files = publish(season.dir.path());
        Store store(season.dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        ViewState teamsState;
        const ViewGrid teams = buildTable(store, teamsState, kTeamsTab);
        const auto standings = tablesOf(fileOf(files, QStringLiteral("index.html")));
        const Table& table = standings.at(QStringLiteral("Standings"));
        for (const char* team : {"Otters", "Hawks"}) {
            QVERIFY(!gridCell(teams, team, " Won").isEmpty());
            QVERIFY(!gridCell(teams, team, " Pct.").isEmpty());
            QCOMPARE(cellOf(table, team, QStringLiteral("W")), gridCell(teams, team, " Won"));
            QCOMPARE(cellOf(table, team, QStringLiteral("L")), gridCell(teams, team, " Lost"));
            QCOMPARE(cellOf(table, team, QStringLiteral("PCT")), gridCell(teams, team, " Pct."));
        }
        // Each team's Avg from the first player tab that shows it.
        const std::pair<int, std::vector<std::string>> rosters[] = {{1, {"Ann Lee", "Bo Diaz"}},
                                                                    {2, {"Dee Ray"}}};
        for (const auto& [team, players] : rosters) {
            selectRecord(store, kTeamsTab, std::to_string(team));
            ViewGrid grid;
            for (int tab = kFirstPlayerTab; tab <= kLastPlayerTab && grid.rows.empty(); ++tab) {
                ViewState state;
                ViewGrid candidate = buildTable(store, state, tab);
                if (std::count(candidate.headers.begin(), candidate.headers.end(), " Avg"))
                    grid = candidate;
            }
            QVERIFY(!grid.rows.empty());
            const auto page = tablesOf(fileOf(files, QStringLiteral("team-%1.html").arg(team)));
            const QString teamName = team == 1 ? QStringLiteral("Otters") : QStringLiteral("Hawks");
            const Table& batting = page.at(teamName + QStringLiteral(" batting"));
            for (const std::string& player : players) {
                const QString name = QString::fromStdString(player);
                const QString avg = cellOf(batting, name, QStringLiteral("AVG"));
                QVERIFY2(!avg.isEmpty(), player.c_str());
                QCOMPARE(avg, gridCell(grid, player, " Avg"));
            }
        }
        // Ann: 40 PA and 9 singles before the log, then 4 PA 3 singles and 4 PA 1 double.
        const auto ann = tablesOf(fileOf(files, QStringLiteral("player-1-1.html")));
        QCOMPARE(cellOf(ann.at(QStringLiteral("Ann Lee batting this season")),
                        QStringLiteral("Batting"), QStringLiteral("AVG")),
                 rate(9 + 3 + 1, 40 + 4 + 4));
    }

    // Pitching lists only the players who pitched, batting every player.
    void pitchingListsThoseWhoPitched() {
        Season season;
        QVERIFY(playBoth(season));
        const auto page =
            tablesOf(fileOf(publish(season.dir.path()), QStringLiteral("team-1.html")));
        const Table& pitching = page.at(QStringLiteral("Otters pitching"));
        QCOMPARE(int(pitching.size()), 1 + 1 + 1);  // header, Cy, totals
        QCOMPARE(pitching.at(1).front(), QStringLiteral("Cy Young"));
        QCOMPARE(cellOf(pitching, QStringLiteral("Cy Young"), QStringLiteral("IP")),
                 QStringLiteral("9.0"));
        QCOMPARE(cellOf(pitching, QStringLiteral("Cy Young"), QStringLiteral("W")),
                 QStringLiteral("1"));
        QCOMPARE(int(page.at(QStringLiteral("Otters batting")).size()), 1 + 3 + 1);
    }

    // The night page shows the night as corrected, with each batter's season AVG after it.
    void aNightPageShowsTheNightAsCorrected_data() {
        QTest::addColumn<bool>("corrected");
        QTest::newRow("as first entered") << false;
        QTest::newRow("corrected later") << true;
    }
    void aNightPageShowsTheNightAsCorrected() {
        QFETCH(bool, corrected);
        Season season;
        QVERIFY(playBoth(season));
        int annHits = 3;
        if (corrected) {
            Store store(season.dir.path());
            store.loadYears();
            QVERIFY(store.ensurePlayers());
            Night night = firstNight();
            night.home.lines[0].values[Stat1B] = 2;
            night.home.score = 4;
            annHits = 2;
            QVERIFY(changeNight(store, season.firstEntry, night).accepted);
            QVERIFY(store.commit());
        }
        const std::vector<SiteFile> files = publish(season.dir.path());
        const QByteArray page =
            fileOf(files, QStringLiteral("night-%1.html").arg(season.firstEntry));
        QVERIFY(!page.isEmpty());
        QVERIFY(page.contains(corrected ? "Final: Hawks 3, Otters 4" : "Final: Hawks 3, Otters 5"));
        QVERIFY(page.contains("Sat Jun 1, 2024, 6:30 PM"));
        const auto tables = tablesOf(page);
        const Table& batters = tables.at(QStringLiteral("Otters batters"));
        QCOMPARE(cellOf(batters, QStringLiteral("Ann Lee"), QStringLiteral("AB")),
                 QStringLiteral("4"));
        QCOMPARE(cellOf(batters, QStringLiteral("Ann Lee"), QStringLiteral("H")),
                 QString::number(annHits));
        // After the first night: 40 + 4 at bats, 9 + her hits; the second night not yet.
        QCOMPARE(cellOf(batters, QStringLiteral("Ann Lee"), QStringLiteral("AVG")),
                 rate(9 + annHits, 44));
        const Table& pitchers = tables.at(QStringLiteral("Hawks pitchers"));
        QCOMPARE(int(pitchers.size()), 2);
        QCOMPARE(cellOf(pitchers, QStringLiteral("Eli Fox"), QStringLiteral("Dec")),
                 QStringLiteral("L"));
        QCOMPARE(cellOf(pitchers, QStringLiteral("Eli Fox"), QStringLiteral("SO")),
                 QStringLiteral("4"));
        // The player's game log: both nights, his AVG to date after each.
        const auto annPage = tablesOf(fileOf(files, QStringLiteral("player-1-1.html")));
        const Table& log = annPage.at(QStringLiteral("Ann Lee game log"));
        QCOMPARE(int(log.size()), 3);
        QCOMPARE(log.at(1).at(1), QStringLiteral("vs Hawks"));
        QCOMPARE(log.at(2).at(1), QStringLiteral("at Hawks"));
        QCOMPARE(log.at(1).last(), rate(9 + annHits, 44));
        QCOMPARE(log.at(2).last(), rate(9 + annHits + 1, 48));
    }

    // Published again after a night was removed, the folder loses that night's page and keeps
    // whatever else is there that is not a page of ours.
    void aRemovedNightsPageLeavesThePublishedSite() {
        Season season;
        QVERIFY(playBoth(season));
        QTemporaryDir out;
        const QString site = out.path() + "/web";
        QString error;
        QVERIFY2(writeSite(site, season.dir.path(), publish(season.dir.path()), error),
                 qPrintable(error));
        const QString page = site + QStringLiteral("/night-%1.html").arg(season.firstEntry);
        QVERIFY(QFileInfo::exists(page));
        const QStringList theirs = {"night-notes.html", "night-1.html.bak", "photo.jpg"};
        for (const QString& name : theirs)
            writeFile(site + '/' + name, "theirs");
        {
            Store store(season.dir.path());
            store.loadYears();
            QVERIFY(store.ensurePlayers());
            QVERIFY(removeNight(store, season.firstEntry).accepted);
            QVERIFY(store.commit());
        }
        QVERIFY2(writeSite(site, season.dir.path(), publish(season.dir.path()), error),
                 qPrintable(error));
        QVERIFY(!QFileInfo::exists(page));
        QVERIFY(QFileInfo::exists(site + QStringLiteral("/night-%1.html").arg(season.secondEntry)));
        for (const QString& name : theirs)
            QCOMPARE(testsupport::readFile(site + '/' + name), QByteArray("theirs"));
    }

    void aRemovedNightHasNoPage() {
        Season season;
        QVERIFY(playBoth(season));
        Store store(season.dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        QVERIFY(removeNight(store, season.firstEntry).accepted);
        QVERIFY(store.commit());
        const std::vector<SiteFile> files = publish(season.dir.path());
        QVERIFY(fileOf(files, QStringLiteral("night-%1.html").arg(season.firstEntry)).isEmpty());
        QVERIFY(!fileOf(files, QStringLiteral("night-%1.html").arg(season.secondEntry)).isEmpty());
        const auto annPage = tablesOf(fileOf(files, QStringLiteral("player-1-1.html")));
        const Table& log = annPage.at(QStringLiteral("Ann Lee game log"));
        QCOMPARE(int(log.size()), 2);
        QCOMPARE(log.at(1).last(), rate(9 + 1, 44));
    }

    // Every page is well-formed, every link resolves, every player name links to his page and
    // the nights are linked from the schedule, the team pages and the front page.
    void linksResolveAndNamesAreEscaped_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("escaped");
        QTest::addColumn<QByteArray>("hawks");
        QTest::addColumn<QByteArray>("hawksEscaped");
        QTest::newRow("plain") << QByteArray("Ann Lee") << QByteArray("Ann Lee")
                               << QByteArray("Hawks") << QByteArray("Hawks");
        QTest::newRow("markup") << QByteArray("<i>Ann & \"Lee\"")
                                << QByteArray("&lt;i&gt;Ann &amp; &quot;Lee&quot;")
                                << QByteArray("<Hawks> & 'Co'")
                                << QByteArray("&lt;Hawks&gt; &amp; 'Co'");
    }
    void linksResolveAndNamesAreEscaped() {
        QFETCH(QByteArray, name);
        QFETCH(QByteArray, escaped);
        QFETCH(QByteArray, hawks);
        QFETCH(QByteArray, hawksEscaped);
        Season season;
        QVERIFY(playBoth(season, name, hawks));
        const std::vector<SiteFile> files = publish(season.dir.path());
        QSet<QString> names;
        for (const SiteFile& file : files)
            names << file.name;
        const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
        QSet<QString> linked;
        for (const SiteFile& file : files) {
            if (!file.name.endsWith(QLatin1String(".html")) && file.name != "feed.xml")
                continue;
            QXmlStreamReader reader(file.bytes);
            while (!reader.atEnd())
                reader.readNext();
            QVERIFY2(!reader.hasError(), qPrintable(file.name + ": " + reader.errorString()));
            for (const QRegularExpressionMatch& m :
                 link.globalMatch(QString::fromUtf8(file.bytes))) {
                QVERIFY2(names.contains(m.captured(1)),
                         qPrintable(file.name + " -> " + m.captured(1)));
                linked << m.captured(1);
            }
            QVERIFY2(!file.bytes.contains("<i>Ann"), qPrintable(file.name));
        }
        for (const char* page : {"player-1-1.html", "player-1-3.html", "player-2-2.html"})
            QVERIFY2(linked.contains(QLatin1String(page)), page);
        const QString night = QStringLiteral("night-%1.html").arg(season.firstEntry);
        for (const char* page : {"index.html", "schedule.html", "team-1.html", "team-2.html"}) {
            QVERIFY2(fileOf(files, QLatin1String(page)).contains("href=\"" + night.toUtf8() + "\""),
                     page);
        }
        const QByteArray anchor = "<a href=\"player-1-1.html\">" + escaped + "</a>";
        for (const QString& page :
             {QStringLiteral("team-1.html"), night, QStringLiteral("index.html")})
            QVERIFY2(fileOf(files, page).contains(anchor), qPrintable(page));
        QVERIFY(
            fileOf(files, QStringLiteral("player-1-1.html")).contains("<h1>" + escaped + "</h1>"));
        // The team's name in the night's title, its heading and the feed.
        const QByteArray title = hawksEscaped + " 3 at Otters 5";
        QVERIFY(fileOf(files, night).contains("<h1>" + title + "</h1>"));
        QVERIFY(fileOf(files, QStringLiteral("feed.xml")).contains("<title>" + title + "</title>"));
    }

    // The form of the schedule's scores: runs, the streak, the last ten, home and away.
    void theFormComesFromTheScores_data() {
        QTest::addColumn<QList<QByteArray>>("games");  // "home away homeScore awayScore"
        QTest::addColumn<QString>("expected");         // RS RA STRK L10 HOME AWAY of team 1
        QTest::newRow("no results") << QList<QByteArray>{"1 2 - -"} << "0 0 - - 0-0 0-0";
        QTest::newRow("a win at home, a loss away")
            << QList<QByteArray>{"1 2 5 3", "2 1 4 1"} << "6 7 L1 1-1 1-0 0-1";
        QTest::newRow("three wins running")
            << QList<QByteArray>{"2 1 9 0", "1 2 2 1", "2 1 0 3", "1 3 4 2"}
            << "9 12 W3 3-1 2-0 1-1";
        QTest::newRow("a tie ends a streak")
            << QList<QByteArray>{"1 2 2 1", "1 2 3 3"} << "5 4 T1 1-0-1 1-0-1 0-0";
        QTest::newRow("games of others and unplayed games do not count")
            << QList<QByteArray>{"2 3 8 0", "1 2 1 0", "1 3 x 2"} << "1 0 W1 1-0 1-0 0-0";
        QList<QByteArray> twelve;
        for (int i = 0; i < 12; ++i)
            twelve << (i < 4 ? "1 2 0 1" : "1 2 1 0");
        QTest::newRow("only the last ten") << twelve << "8 4 W8 8-2 8-4 0-0";
    }
    void theFormComesFromTheScores() {
        QFETCH(QList<QByteArray>, games);
        QFETCH(QString, expected);
        std::vector<SiteGame> schedule;
        for (const QByteArray& text : games) {
            const QList<QByteArray> parts = text.split(' ');
            SiteGame game;
            game.home = parts[0].toInt();
            game.away = parts[1].toInt();
            game.homeScore = parts[2] == "-" ? QString() : QString::fromLatin1(parts[2]);
            game.awayScore = parts[3] == "-" ? QString() : QString::fromLatin1(parts[3]);
            schedule.push_back(game);
        }
        const TeamForm form = teamForm(1, schedule);
        const QString actual = QStringLiteral("%1 %2 %3 %4 %5 %6")
                                   .arg(form.runsScored)
                                   .arg(form.runsAllowed)
                                   .arg(form.streak.isEmpty() ? QStringLiteral("-") : form.streak)
                                   .arg(form.lastTen.isEmpty() ? QStringLiteral("-") : form.lastTen)
                                   .arg(form.home, form.away);
        QCOMPARE(actual, expected);
    }

    // A night keeps its feed id when nights are added or it is corrected, and the newest comes
    // first.
    void feedIdsStay() {
        Season season;
        QVERIFY(playBoth(season));
        const QByteArray feed = fileOf(publish(season.dir.path()), QStringLiteral("feed.xml"));
        QXmlStreamReader reader(feed);
        QStringList ids;
        bool inEntry = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isStartElement() && reader.name() == QLatin1String("entry"))
                inEntry = true;
            else if (reader.isStartElement() && reader.name() == QLatin1String("id") && inEntry)
                ids << reader.readElementText();
        }
        QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
        const QString league = QStringLiteral("2024 City");
        QCOMPARE(ids, (QStringList{QString::fromLatin1(nightEntryId(league, season.secondEntry)),
                                   QString::fromLatin1(nightEntryId(league, season.firstEntry))}));
        QVERIFY(ids[0] != ids[1]);
        QVERIFY(nightEntryId(league, 2) != nightEntryId(QStringLiteral("2024 Other"), 2));
        QVERIFY(feed.contains("<link rel=\"alternate\" type=\"text/html\" href=\"night-"));
        QVERIFY(feed.contains("<updated>2024-06-08T18:30:00Z</updated>"));
    }

    // Where Link Players joined a player's seasons, his page has his career: a row per season
    // and the sums; a player of one season has none.
    void aLinkedPlayerHasHisCareer_data() {
        QTest::addColumn<bool>("linked");
        QTest::newRow("linked") << true;
        QTest::newRow("not linked") << false;
    }
    void aLinkedPlayerHasHisCareer() {
        QFETCH(bool, linked);
        QTemporaryDir dir;
        testsupport::writeThreeSeasons(dir.path());
        if (linked) {
            writeFile(dir.path() + "/Pennantry.People",
                      "People|\r\nP|1|Y1L1T1P1|\r\nP|1|Y2L1T2P1|\r\nP|1|Y3L1T2P1|\r\n");
        }
        const std::vector<SiteFile> files = publish(dir.path());
        const QByteArray page = fileOf(files, QStringLiteral("player-2-1.html"));
        QVERIFY(page.contains("<h1>Ann Lee</h1>"));
        QCOMPARE(page.contains("<h2>Career</h2>"), linked);
        if (!linked)
            return;
        const auto tables = tablesOf(page);
        const Table& career = tables.at(QStringLiteral("Ann Lee career batting"));
        QCOMPARE(int(career.size()), 1 + 3 + 1);
        // 5 for 18, 9 for 30 and 4 for 25.
        QCOMPARE(cellOf(career, QStringLiteral("2022"), QStringLiteral("AVG")), rate(5, 18));
        QCOMPARE(cellOf(career, QStringLiteral("2023"), QStringLiteral("AVG")), rate(9, 30));
        QCOMPARE(cellOf(career, QStringLiteral("2023"), QStringLiteral("Team")),
                 QStringLiteral("Tigers"));
        QCOMPARE(cellOf(career, QStringLiteral("Career"), QStringLiteral("AVG")),
                 rate(5 + 9 + 4, 18 + 30 + 25));
        QCOMPARE(cellOf(career, QStringLiteral("Career"), QStringLiteral("AB")),
                 QString::number(18 + 30 + 25));
    }
};

QTEST_GUILESS_MAIN(TestPublishNights)
#include "tst_publishnights.moc"
