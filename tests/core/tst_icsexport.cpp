#include "publish/leaguesite.h"
#include "publish/sitecalendar.h"
#include "publish/sitegames.h"
#include "store/store.h"
#include "views/catalogues.h"
#include "views/icsexport.h"
#include "views/tableview.h"

#include "schedulefolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;

namespace {

// One parsed event: property name to its unescaped value, under its name alone and under its name
// with its parameters ("DTSTART;TZID=Europe/Berlin").
using Event = QMap<QString, QString>;

QString unescape(const QString& value) {
    QString text;
    for (int i = 0; i < value.size(); ++i) {
        if (value[i] == '\\' && i + 1 < value.size()) {
            ++i;
            text += value[i] == 'n' || value[i] == 'N' ? QChar('\n') : value[i];
        } else {
            text += value[i];
        }
    }
    return text;
}

// Parses an iCalendar text back as a reader would, checking the line rules on the way.
QList<Event> parseIcs(const QByteArray& ics) {
    QList<Event> events;
    if (!ics.endsWith("\r\n")) {
        qWarning("the file does not end in CR LF");
        return {};
    }
    QList<QByteArray> physical = ics.split('\n');
    physical.removeLast();  // the empty text after the last line end
    QList<QByteArray> logical;
    for (QByteArray line : physical) {
        if (!line.endsWith('\r')) {
            qWarning("a line without CR");
            return {};
        }
        line.chop(1);
        if (line.size() > 75) {
            qWarning("a line longer than 75 octets");
            return {};
        }
        if (line.startsWith(' ') && !logical.isEmpty())
            logical.last() += line.mid(1);
        else
            logical << line;
    }
    QStringList stack;
    Event event;
    for (const QByteArray& bytes : logical) {
        const QString line = QString::fromUtf8(bytes);
        const int colon = line.indexOf(':');
        const QString name = line.left(colon).section(';', 0, 0);
        const QString value = line.mid(colon + 1);
        if (name == "BEGIN") {
            stack << value;
            event.clear();
        } else if (name == "END") {
            if (stack.isEmpty() || stack.takeLast() != value)
                return {};
            if (value == "VEVENT")
                events << event;
        } else if (stack.size() == 2) {
            event[name] = unescape(value);
            event[line.left(colon)] = unescape(value);
        }
    }
    return stack.isEmpty() ? events : QList<Event>{};
}

}  // namespace

class TestIcsExport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void eventsOfTheView();
    void wholeScheduleIsTheSitesCalendar();
    void folding_data();
    void folding();
    void escaping();
};

namespace {

void writeGames(const QString& folder) {
    testsupport::writeScheduleFolder(
        folder,
        {"|19960615|2300|1|1|2|||||5|4|", "X|19960614|1800|2|2|3|||||||",
         "|19960614|1800|2||3|||||||", "|19960616|0930|3|3|1|||||||"},
        {"|3|North Park, Lot \"B\"|", "|1|South Field|",
         "|4|A very long field name of forty chars|"},
        {});
}

// The site's UID of the game at `line`.
QString siteUid(const Store& store, int line) {
    const std::vector<SiteGame> games = readSiteGames(store);
    const std::vector<QByteArray> uids = gameUids(siteLeagueName(store), games);
    for (std::size_t i = 0; i < games.size(); ++i) {
        if (games[i].line == line)
            return QString::fromLatin1(uids[i]);
    }
    return {};
}

}  // namespace

void TestIcsExport::eventsOfTheView() {
    QTemporaryDir dir;
    writeGames(dir.path());
    Store store(dir.path());
    store.loadYears();
    store.ensureGames();  // loading the games clears the filters
    store.teamFilter = "3";
    ViewState state;
    const ViewGrid grid = buildTable(store, state, kScheduleTab);

    const QTimeZone chicago("America/Chicago");
    const QDate today(2026, 3, 1);
    const QByteArray ics = exportIcs(store, grid, chicago, today);
    const QList<Event> events = parseIcs(ics);
    // The filter leaves out line 1; the deleted line 2 is never shown; the order is the view's.
    QCOMPARE(events.size(), 2);
    const Event& first = events[0];
    QCOMPARE(first["UID"], siteUid(store, 3));
    QVERIFY(first["UID"] != siteUid(store, 4));
    // Dated as the site: the day of the last result.
    QCOMPARE(first["DTSTAMP"], QStringLiteral("19960615T000000Z"));
    // Times in the league's zone, which the calendar describes.
    QCOMPARE(first["DTSTART;TZID=America/Chicago"], QStringLiteral("19960614T180000"));
    QCOMPARE(first["DTEND;TZID=America/Chicago"], QStringLiteral("19960614T200000"));
    QVERIFY(ics.contains("BEGIN:VTIMEZONE\r\nTZID:America/Chicago\r\n"));
    QVERIFY(ics.contains("TZOFFSETTO:-0500\r\n"));  // summer time in June
    QCOMPARE(first["SUMMARY"], QStringLiteral("Owls at ?"));
    QCOMPARE(first["LOCATION"], QStringLiteral("South Field"));
    QVERIFY(!first.contains("DESCRIPTION"));
    const Event& second = events[1];
    QCOMPARE(second["UID"], siteUid(store, 4));
    QCOMPARE(second["SUMMARY"], QStringLiteral("Eagles at Owls"));
    QCOMPARE(second["LOCATION"], QStringLiteral("A very long field name of forty chars"));

    // Without the filter: the late game ends after midnight, and its text is escaped.
    store.teamFilter.clear();
    const ViewGrid all = buildTable(store, state, kScheduleTab);
    const QList<Event> allEvents = parseIcs(exportIcs(store, all, chicago, today));
    QCOMPARE(allEvents.size(), 3);
    const Event& late = allEvents[1];
    QCOMPARE(late["DTSTART;TZID=America/Chicago"], QStringLiteral("19960615T230000"));
    QCOMPARE(late["DTEND;TZID=America/Chicago"], QStringLiteral("19960616T010000"));
    QCOMPARE(late["LOCATION"], QStringLiteral("North Park, Lot \"B\""));
    QCOMPARE(late["SUMMARY"], QStringLiteral("Tigers at Eagles"));
    QCOMPARE(late["DESCRIPTION"], QStringLiteral("Final: Tigers 4\nEagles 5"));
    // The same game keeps its UID from one export to the next, filtered or not.
    QCOMPARE(allEvents[0]["UID"], first["UID"]);
    QVERIFY(exportIcs(store, all, chicago, today).contains("LOCATION:North Park\\, Lot \"B\"\r\n"));
}

void TestIcsExport::wholeScheduleIsTheSitesCalendar() {
    QTemporaryDir dir;
    writeGames(dir.path());
    const QDate today(2026, 3, 1);
    for (const QByteArray zoneId :
         {"Europe/Berlin", "UTC", "Australia/Adelaide", "Nowhere/Bogus"}) {
        const QTimeZone zone(zoneId);
        Store store(dir.path());
        store.loadYears();
        store.ensureLeagues();
        std::vector<SiteFile> files;
        QString error;
        QVERIFY2(buildLeagueSite(store, LeaderSettings(), today, zone, files, error),
                 qPrintable(error));
        QByteArray site;
        for (const SiteFile& file : files) {
            if (file.name == QLatin1String("schedule.ics"))
                site = file.bytes;
        }
        QVERIFY(!site.isEmpty());
        store.ensureGames();
        ViewState state;
        const ViewGrid all = buildTable(store, state, kScheduleTab);
        // The view and the site order the games alike here, so the bytes are the same.
        QCOMPARE(exportIcs(store, all, zone, today), site);
        const QList<Event> events = parseIcs(site);
        QCOMPARE(events.size(), 3);
        // A zone nobody knows is written as UTC, never as an empty TZID.
        const QByteArray tzid = zone.isValid() ? zoneId : QByteArray("UTC");
        QVERIFY2(site.contains("\r\nTZID:" + tzid + "\r\n"), zoneId.constData());
        QCOMPARE(events[0]["DTSTART;TZID=" + QString::fromLatin1(tzid)],
                 QStringLiteral("19960614T180000"));
    }
}

void TestIcsExport::folding_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << "SUMMARY:Owls at Eagles";
    QTest::newRow("exactly 75") << "SUMMARY:" + QString(67, 'x');
    QTest::newRow("76") << "SUMMARY:" + QString(68, 'x');
    QTest::newRow("long") << "DESCRIPTION:" + QString(300, 'y');
    QTest::newRow("multibyte at the fold")
        << "SUMMARY:" + QString(66, 'x') + QString(40, QChar(0xfc));
}

void TestIcsExport::folding() {
    QFETCH(QString, text);
    const QByteArray bytes = text.toUtf8();
    const QByteArray folded = foldIcsLine(bytes);
    QVERIFY(folded.endsWith("\r\n"));
    QByteArray unfolded;
    const QList<QByteArray> lines = folded.chopped(2).split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (i + 1 < lines.size()) {
            QVERIFY(line.endsWith('\r'));
            line.chop(1);
        }
        QVERIFY2(line.size() <= 75, line.constData());
        if (i > 0) {
            QVERIFY(line.startsWith(' '));
            line.remove(0, 1);
        }
        // Every piece is whole UTF-8 text.
        QVERIFY(QString::fromUtf8(line).toUtf8() == line);
        unfolded += line;
    }
    QCOMPARE(unfolded, bytes);
    QCOMPARE(lines.size() > 1, bytes.size() > 75);
}

void TestIcsExport::escaping() {
    QCOMPARE(escapeIcsText(QStringLiteral("a,b;c\\d\r\ne")), QByteArray("a\\,b\\;c\\\\d\\ne"));
    QCOMPARE(escapeIcsText(QString::fromUtf8("M\xc3\xbcller")), QByteArray("M\xc3\xbcller"));
}

QTEST_GUILESS_MAIN(TestIcsExport)
#include "tst_icsexport.moc"
