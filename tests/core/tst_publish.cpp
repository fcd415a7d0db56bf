#include "gamelog/gamelog.h"
#include "gamelog/logline.h"
#include "publish/leaguesite.h"
#include "publish/sitecalendar.h"
#include "publish/sitewriter.h"
#include "store/filecommit.h"
#include "store/folderlock.h"
#include "store/store.h"
#include "views/leadersettings.h"

#include "leaguefolder.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include <QDir>
#include <QLocale>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <sys/stat.h>

using namespace pny;
using testsupport::listFile;
using testsupport::playerLine;
using testsupport::readFile;
using testsupport::writeFile;

namespace {

const QDate kToday(2025, 7, 1);

// Games: date, time, field, home, away, four umpires, home score, away score.
QByteArray game(const QByteArray& date, const QByteArray& time, const QByteArray& home,
                const QByteArray& away, const QByteArray& homeScore = "",
                const QByteArray& awayScore = "") {
    return "|" + date + "|" + time + "|1|" + home + "|" + away + "|||||" + homeScore + "|" +
           awayScore + "|";
}

const QList<QByteArray> kGames = {
    game("20250601", "1830", "1", "2", "5", "3"),
    game("20250608", "1830", "2", "3", "1", "4"),
    game("20250615", "1900", "3", "1"),
    game("20250622", "1900", "1", "2"),
};

// A league of three teams with players on the first, the games above and one field.
void writeSampleLeague(const QString& folder, const QList<QByteArray>& games = kGames) {
    testsupport::writeScheduleFolder(folder, games, {"|1|North Field|"});
    writeFile(folder + "/Y1L1T1.Players",
              listFile("P|", {playerLine("7", "Ann Lee", {{4, "3"}, {5, "3"}, {6, "12"}}),
                              playerLine("9", "Bo Diaz", {{4, "3"}, {5, "3"}, {6, "11"}})}));
}

std::vector<SiteFile> publish(const QString& folder, const QTimeZone& zone = QTimeZone("UTC")) {
    Store store(folder);
    store.loadYears();
    store.ensureLeagues();
    std::vector<SiteFile> files;
    QString error;
    if (!buildLeagueSite(store, LeaderSettings(), kToday, zone, files, error))
        qWarning() << error;
    return files;
}

QByteArray fileOf(const std::vector<SiteFile>& files, const QString& name) {
    for (const SiteFile& file : files) {
        if (file.name == name)
            return file.bytes;
    }
    return {};
}

// The UIDs of a calendar in order.
QList<QByteArray> uidsOf(const QByteArray& ics) {
    QList<QByteArray> uids;
    for (const QByteArray& line : ics.split('\n')) {
        if (line.startsWith("UID:"))
            uids << line.mid(4).trimmed();
    }
    return uids;
}

}  // namespace

class TestPublish : public QObject {
    Q_OBJECT

private slots:
    void teamPagesShowEligiblePitchers_data();
    void teamPagesShowEligiblePitchers();
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void everyPageIsWellFormedAndItsLinksResolve_data() {
        QTest::addColumn<QByteArray>("owls");
        QTest::newRow("three teams") << QByteArray("|30|Owls|||||");
        // A deleted team has no page, and its games link to none.
        QTest::newRow("a deleted team") << QByteArray("X|30|Owls|||||");
    }
    void everyPageIsWellFormedAndItsLinksResolve() {
        QFETCH(QByteArray, owls);
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        writeFile(dir.path() + "/Y1L1.Teams",
                  listFile("T|", {"|10|Eagles|||||", "|20|Tigers|||||", owls}));
        const std::vector<SiteFile> files = publish(dir.path());
        const bool deleted = owls.startsWith('X');
        QSet<QString> names;
        for (const SiteFile& file : files)
            names << file.name;
        for (const char* name : {"index.html", "schedule.html", "leaders.html", "schedule.ics",
                                 "style.css", "team-1.html", "team-2.html"}) {
            QVERIFY2(names.contains(QLatin1String(name)), name);
        }
        QCOMPARE(names.contains(QStringLiteral("team-3.html")), !deleted);
        QVERIFY(fileOf(files, QStringLiteral("schedule.html")).contains("Owls"));
        const QRegularExpression link(QStringLiteral("(?:href|src)=\"([^\"#]*)"));
        for (const SiteFile& file : files) {
            if (!file.name.endsWith(QLatin1String(".html")))
                continue;
            QXmlStreamReader reader(file.bytes);
            while (!reader.atEnd())
                reader.readNext();
            QVERIFY2(!reader.hasError(), qPrintable(file.name + ": " + reader.errorString()));
            for (const QRegularExpressionMatch& m :
                 link.globalMatch(QString::fromUtf8(file.bytes))) {
                QVERIFY2(names.contains(m.captured(1)),
                         qPrintable(file.name + " -> " + m.captured(1)));
            }
            QVERIFY(file.bytes.contains("<link rel=\"stylesheet\" href=\"style.css\"/>"));
            QVERIFY(!file.bytes.contains("<script"));
        }
        const QByteArray team1 = fileOf(files, QStringLiteral("team-1.html"));
        QVERIFY(team1.contains("Ann Lee"));
        QVERIFY(team1.contains("Record: "));
        QVERIFY(team1.contains("id=\"games\""));
        const QByteArray index = fileOf(files, QStringLiteral("index.html"));
        QVERIFY(index.contains("href=\"team-2.html\">Tigers</a>"));
        QVERIFY(index.contains("Batting Average"));
    }

    void textsAreEscapedAndConvertedFromTheCodePage() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        writeFile(dir.path() + "/Y1L1.Teams",
                  listFile("T|", {"|10|<b>&\"x|||||", "|20|Caf\xe9|||||", "|30|Owls|||||"}));
        const std::vector<SiteFile> files = publish(dir.path());
        for (const QString& name : {QStringLiteral("index.html"), QStringLiteral("schedule.html"),
                                    QStringLiteral("team-1.html")}) {
            const QByteArray page = fileOf(files, name);
            QVERIFY2(page.contains("&lt;b&gt;&amp;&quot;x"), qPrintable(name));
            QVERIFY2(!page.contains("<b>&"), qPrintable(name));
            QVERIFY2(page.contains("Caf\xc3\xa9"), qPrintable(name));
        }
        QVERIFY(fileOf(files, QStringLiteral("schedule.ics")).contains("Caf\xc3\xa9"));
    }

    void theSameDataGiveTheSameBytes() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> first = publish(dir.path());
        QTest::qWait(1100);  // a time stamp of the second would show now
        const std::vector<SiteFile> second = publish(dir.path());
        QCOMPARE(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i) {
            QCOMPARE(first[i].name, second[i].name);
            QVERIFY2(first[i].bytes == second[i].bytes, qPrintable(first[i].name));
        }
    }

    void asOfIsTheLastGameWithAResultOrToday_data() {
        QTest::addColumn<QList<QByteArray>>("games");
        QTest::addColumn<QByteArray>("asOf");
        QTest::newRow("results") << kGames << QByteArray("Sunday, June 8, 2025");
        QTest::newRow("none") << QList<QByteArray>{game("20250801", "1830", "1", "2")}
                              << QByteArray("Tuesday, July 1, 2025");
        QTest::newRow("no games") << QList<QByteArray>{} << QByteArray("Tuesday, July 1, 2025");
    }
    void asOfIsTheLastGameWithAResultOrToday() {
        QFETCH(QList<QByteArray>, games);
        QFETCH(QByteArray, asOf);
        QTemporaryDir dir;
        writeSampleLeague(dir.path(), games);
        const std::vector<SiteFile> files = publish(dir.path());
        QVERIFY(fileOf(files, QStringLiteral("index.html")).contains("As of " + asOf));
    }

    void theDataFolderIsNotChanged() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        QMap<QString, QByteArray> before;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            before[name] = readFile(dir.path() + '/' + name);
        QVERIFY(!publish(dir.path()).empty());
        QMap<QString, QByteArray> after;
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files))
            after[name] = readFile(dir.path() + '/' + name);
        QCOMPARE(after, before);
    }

    void theCalendarIsFoldedWithCrLfAndATimeZone() {
        QTemporaryDir dir;
        const QByteArray longHome = "The Long Named Municipal Ground Oaks";
        const QByteArray longAway = "Caf\xe9 Rosengarten Twilight Sluggers Club";
        testsupport::writeScheduleFolder(dir.path(), kGames, {"|1|North Field|"});
        writeFile(dir.path() + "/Y1L1.Teams",
                  listFile("T|", {"|10|" + longHome + "|||||", "|20|" + longAway + "|||||"}));
        const QTimeZone berlin("Europe/Berlin");
        if (!berlin.isValid())
            QSKIP("no time zone data on this machine");
        const QByteArray ics = fileOf(publish(dir.path(), berlin), QStringLiteral("schedule.ics"));
        QVERIFY(ics.endsWith("END:VCALENDAR\r\n"));
        QVERIFY(!ics.contains("\n\n"));
        for (const QByteArray& line : ics.split('\n')) {
            if (line.isEmpty())
                continue;
            QVERIFY2(line.endsWith('\r'), line.constData());
            QVERIFY2(line.size() - 1 <= 75, line.constData());
        }
        QVERIFY(ics.contains("BEGIN:VTIMEZONE\r\nTZID:Europe/Berlin\r\n"));
        QVERIFY(
            ics.contains("BEGIN:DAYLIGHT\r\nDTSTART:20250330T020000\r\nTZOFFSETFROM:+0100\r\n"
                         "TZOFFSETTO:+0200\r\n"));
        QVERIFY(ics.contains("DTSTART;TZID=Europe/Berlin:20250601T183000\r\n"));
        QVERIFY(ics.contains("DTEND;TZID=Europe/Berlin:20250601T203000\r\n"));
        QVERIFY(ics.contains("DTSTAMP:20250608T000000Z\r\n"));
        // The long summary comes back whole when the folding is undone.
        QByteArray unfolded = ics;
        unfolded.replace("\r\n ", "");
        QVERIFY(unfolded.contains("SUMMARY:Caf\xc3\xa9 Rosengarten Twilight Sluggers Club at " +
                                  longHome + "\r\n"));
        QVERIFY(ics.contains("\r\n "));
        QCOMPARE(ics.count("BEGIN:VEVENT"), 4);
    }

    void uidsStayWhenAnEarlierGameIsDeleted() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const QList<QByteArray> all =
            uidsOf(fileOf(publish(dir.path()), QStringLiteral("schedule.ics")));
        QCOMPARE(all.size(), 4);
        QCOMPARE(QSet<QByteArray>(all.begin(), all.end()).size(), 4);

        // Removed from the file (the later lines move up), and flagged as deleted.
        writeSampleLeague(dir.path(), kGames.mid(1));
        QCOMPARE(uidsOf(fileOf(publish(dir.path()), QStringLiteral("schedule.ics"))), all.mid(1));
        QList<QByteArray> flagged = kGames;
        flagged[0] = "*" + flagged[0].mid(0);
        writeSampleLeague(dir.path(), flagged);
        QCOMPARE(uidsOf(fileOf(publish(dir.path()), QStringLiteral("schedule.ics"))), all.mid(1));
    }

    void twoGamesAlikeHaveTwoUids() {
        SiteGame a;
        a.start = QDateTime(QDate(2025, 6, 1), QTime(18, 30));
        a.home = 1;
        a.away = 2;
        const std::vector<QByteArray> uids = gameUids(QStringLiteral("2024 City"), {a, a});
        QCOMPARE(uids.size(), std::size_t(2));
        QVERIFY(uids[0] != uids[1]);
        QVERIFY(uids[0] != gameUids(QStringLiteral("2024 Other"), {a}).front());
    }

    void theWriterRefusesTheDataFolderAndKeepsUnchangedFiles() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> files = publish(dir.path());
        QString error;
        QVERIFY(!writeSite(dir.path(), dir.path(), files, error));
        QVERIFY(error.contains(QLatin1String("data folder")));
        QVERIFY(!writeSite(dir.path() + "/site", dir.path(), files, error));
        QVERIFY(!QFileInfo::exists(dir.path() + "/index.html"));
        QVERIFY(!QFileInfo::exists(dir.path() + "/site"));

        QTemporaryDir out;
        const QString site = out.path() + "/web";
        QVERIFY2(writeSite(site, dir.path(), files, error), qPrintable(error));
        QCOMPARE(QDir(site).entryList(QDir::Files).size(), int(files.size()));
        QCOMPARE(readFile(site + "/index.html"), fileOf(files, QStringLiteral("index.html")));
        const QDateTime written = QFileInfo(site + "/style.css").lastModified();
        QTest::qWait(20);
        QVERIFY(writeSite(site, dir.path(), files, error));
        QCOMPARE(QFileInfo(site + "/style.css").lastModified(), written);

        QVERIFY(!writeSite(site, dir.path(), {{QStringLiteral("../x.html"), "x"}}, error));
        QVERIFY(!QFileInfo::exists(out.path() + "/x.html"));
    }

    // Something not ours in the place of a page: a FIFO or a folder is refused before any file is
    // written (and never waited on); a link is replaced by the page, its target left alone.
    void theWriterHandlesWhatStandsInTheWay_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("a FIFO") << QStringLiteral("fifo") << false;
        QTest::newRow("a folder") << QStringLiteral("folder") << false;
        // A link is refused like every output the user names: it would write where it leads.
        QTest::newRow("a link to a file with the same bytes") << QStringLiteral("same") << false;
        QTest::newRow("a link to another file") << QStringLiteral("link") << false;
    }
    void theWriterHandlesWhatStandsInTheWay() {
        QFETCH(QString, kind);
        QFETCH(bool, accepted);
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> files = publish(dir.path());
        QTemporaryDir out;
        const QString site = out.path() + "/web";
        QVERIFY(QDir().mkpath(site));
        const QString page = site + "/index.html";
        const QString outside = out.path() + "/outside.html";
        const QByteArray outsideBytes =
            kind == "same" ? fileOf(files, QStringLiteral("index.html")) : QByteArray("theirs");
        writeFile(outside, outsideBytes);
        if (kind == "fifo")
            QCOMPARE(::mkfifo(QFile::encodeName(page).constData(), 0600), 0);
        else if (kind == "folder")
            QVERIFY(QDir().mkpath(page));
        else
            QVERIFY(QFile::link(outside, page));
        QString error;
        QCOMPARE(writeSite(site, dir.path(), files, error), accepted);
        QCOMPARE(readFile(outside), outsideBytes);
        if (accepted) {
            QVERIFY(!QFileInfo(page).isSymLink());
            QCOMPARE(readFile(page), fileOf(files, QStringLiteral("index.html")));
        } else {
            QVERIFY2(error.contains(QLatin1String("index.html")), qPrintable(error));
            QVERIFY(!QFileInfo::exists(site + "/style.css"));
        }
    }

    // A disk that fills up halfway through leaves the site as it was, every page old, and says so.
    void aFullDiskLeavesTheOldSite() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> before = publish(dir.path());
        QTemporaryDir out;
        const QString site = out.path() + "/web";
        QString error;
        QVERIFY2(writeSite(site, dir.path(), before, error), qPrintable(error));

        writeFile(dir.path() + "/Y1L1.Teams",
                  listFile("T|", {"|10|Renamed|||||", "|20|Tigers|||||", "|30|Owls|||||"}));
        const std::vector<SiteFile> after = publish(dir.path());
        int written = 0;
        setDiskSpaceHook([&written](const QString&, qint64 size) {
            return ++written > 2 ? size / 2 : size;  // the third file finds the disk full
        });
        const bool ok = writeSite(site, dir.path(), after, error);
        setDiskSpaceHook({});
        QVERIFY(!ok);
        QVERIFY2(error.contains(QLatin1String("No space left")), qPrintable(error));
        QVERIFY(written > 2);
        for (const SiteFile& file : before)
            QVERIFY2(readFile(site + '/' + file.name) == file.bytes, qPrintable(file.name));
        QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden).size(), int(before.size()));

        QVERIFY2(writeSite(site, dir.path(), after, error), qPrintable(error));
        QVERIFY(readFile(site + "/index.html").contains("Renamed"));
    }

    // A publish killed halfway, before or after its journal, is finished or undone by the next
    // one, which leaves nothing of it behind.
    void aKilledPublishIsSetRightByTheNext_data() {
        QTest::addColumn<int>("step");
        QTest::newRow("writing the pages") << int(CommitStep::WriteTemp);
        QTest::newRow("renaming the pages") << int(CommitStep::Rename);
    }
    void aKilledPublishIsSetRightByTheNext() {
        QFETCH(int, step);
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> files = publish(dir.path());
        QTemporaryDir out;
        const QString site = out.path() + "/web";
        QString error;
        int renames = 0;
        setCommitFaultHook([&](CommitStep at, const QString&) {
            return at == CommitStep(step) && ++renames == 2 ? FaultAction::Crash
                                                            : FaultAction::Continue;
        });
        QVERIFY(!writeSite(site, dir.path(), files, error));
        setCommitFaultHook({});
        QVERIFY2(writeSite(site, dir.path(), files, error), qPrintable(error));
        QStringList expected;
        for (const SiteFile& file : files)
            expected << file.name;
        expected.sort();
        QCOMPARE(QDir(site).entryList(QDir::Files | QDir::Hidden, QDir::Name), expected);
        for (const SiteFile& file : files)
            QVERIFY2(readFile(site + '/' + file.name) == file.bytes, qPrintable(file.name));
    }

    // A second publish into a folder that another one is writing is refused and writes nothing.
    void aSecondPublishIntoTheSameFolderIsRefused() {
        QTemporaryDir dir;
        writeSampleLeague(dir.path());
        const std::vector<SiteFile> files = publish(dir.path());
        QTemporaryDir out;
        FolderLock first(out.path());
        QString message;
        QCOMPARE(first.acquire(message), FolderLock::Result::Acquired);
        QString error;
        QVERIFY(!writeSite(out.path(), dir.path(), files, error));
        QVERIFY2(error.contains(QLatin1String("cannot publish into")), qPrintable(error));
        QVERIFY(!QFileInfo::exists(out.path() + "/index.html"));
        first.release();
        QVERIFY2(writeSite(out.path(), dir.path(), files, error), qPrintable(error));
    }
};

void TestPublish::teamPagesShowEligiblePitchers_data() {
    QTest::addColumn<QByteArray>("settings");   // the league's settings file; empty: none
    QTest::addColumn<QStringList>("expected");  // what team-1.html holds of the pitchers
    // Ann threw 50 on 2025-06-14: two days of rest, so not on the next game date, 2025-06-15.
    QTest::newRow("rules") << QByteArray(
                                  "Leaders|\r\n3.1|1.0|0.67|10|\r\nPitches|85|21:1|36:2|"
                                  "51:3|66:4|\r\n")
                           << QStringList{"Eligible Pitchers on ", "2025-06-17", "Ann Lee"};
    QTest::newRow("no rules") << QByteArray() << QStringList{};
    QTest::newRow("leader settings only")
        << QByteArray("Leaders|\r\n3.1|1.0|0.67|10|\r\n") << QStringList{};
}

void TestPublish::teamPagesShowEligiblePitchers() {
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, expected);
    QTemporaryDir dir;
    writeSampleLeague(dir.path());
    GameLog log;
    LogLine line;
    line.entry = 1;
    line.date = "20250614";
    line.team = 1;
    line.opponent = 2;
    log.append(line);
    line.player = 1;
    line.values[StatIP] = 5;
    line.values[StatST] = 30;
    line.values[StatBT] = 20;
    log.append(line);
    QByteArray text;
    for (const std::string& each : log.fileLines())
        text += QByteArray::fromStdString(each) + "\r\n";
    writeFile(dir.filePath("Y1L1.Log"), text);
    if (!settings.isEmpty())
        writeFile(dir.filePath("Y1L1.Leaders"), settings);
    const QString page = QString::fromUtf8(fileOf(publish(dir.path()), "team-1.html"));
    QVERIFY(page.contains("Ann Lee"));  // the batting table, whatever the rules
    QCOMPARE(page.contains("Eligible Pitchers"), !expected.isEmpty());
    const qsizetype table = page.indexOf("Eligible Pitchers");
    for (const QString& text : expected)
        QVERIFY2(page.indexOf(text, table) >= 0, qPrintable(text));
    // The other teams' pitchers are not on this team's page.
    QCOMPARE(fileOf(publish(dir.path()), "team-2.html").contains("Ann Lee"), false);
}

QTEST_GUILESS_MAIN(TestPublish)
#include "tst_publish.moc"
