#include "gamelog/boxscorewarnings.h"
#include "gamelog/nightdecisions.h"
#include "gamelog/nightentry.h"
#include "store/store.h"

#include "proofsfolder.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <map>

using namespace pny;
using proofsfolder::provenNight;

namespace {

using Change = std::function<void(Night&)>;

StatValues& homeLine(Night& night, int k) {
    return night.home.lines[static_cast<std::size_t>(k)].values;
}

StatValues& awayLine(Night& night, int k) {
    return night.away.lines[static_cast<std::size_t>(k)].values;
}

std::map<QString, QByteArray> filesOf(const QString& folder) {
    std::map<QString, QByteArray> out;
    for (const QString& name : QDir(folder).entryList(QDir::Files))
        out[name] = testsupport::readFile(folder + QLatin1Char('/') + name);
    return out;
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class TestBoxScoreProofs : public QObject {
    Q_OBJECT

private slots:
    void aNightThatAgreesHasNoWarning() {
        QTemporaryDir dir;
        proofsfolder::writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        for (bool fielding : {true, false}) {
            const auto warnings = boxScoreWarnings(store, provenNight(), fielding);
            for (const BoxScoreWarning& warning : warnings)
                qWarning("%s", qPrintable(warning.text));
            QVERIFY(warnings.empty());
        }
    }

    // Each change breaks one proof; the warning names both numbers, sits on the team (or the
    // pitcher) it concerns and never refuses. The proven night above is each one put right.
    void eachProofWarnsWithBothNumbers_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("fielding");
        QTest::addColumn<int>("problem");
        QTest::addColumn<bool>("home");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");  // empty: no warning of that kind
        using P = BoxScoreProblem;
        QTest::newRow("a hit the pitchers did not allow")
            << Change([](Night& n) { homeLine(n, 0)[Stat1B] = 3; }) << true
            << int(P::HitsNotAllowed) << true << -1
            << QStringLiteral("H 4, the Hawks' pitchers allowed 3");
        QTest::newRow("an extra-base hit counts as a hit")
            << Change([](Night& n) { awayLine(n, 0)[StatHR] = 1; }) << true
            << int(P::HitsNotAllowed) << false << -1
            << QStringLiteral("H 4, the Otters' pitchers allowed 3");
        QTest::newRow("runs the pitchers allowed")
            << Change([](Night& n) { awayLine(n, 1)[StatRA] = 3; }) << true
            << int(P::RunsNotAllowed) << true << -1
            << QStringLiteral("R 2, the Hawks' pitchers allowed 3");
        QTest::newRow("walks") << Change([](Night& n) { homeLine(n, 2)[StatWA] = 1; }) << true
                               << int(P::WalksNotAllowed) << false << -1
                               << QStringLiteral("BB 2, the Otters' pitchers walked 1");
        QTest::newRow("strikeouts") << Change([](Night& n) { homeLine(n, 2)[StatBSO] = 4; }) << true
                                    << int(P::StrikeoutsNotAllowed) << false << -1
                                    << QStringLiteral("SO 3, the Otters' pitchers struck out 4");
        QTest::newRow("hit batters") << Change([](Night& n) { awayLine(n, 1)[StatBH] = 0; }) << true
                                     << int(P::HitBattersNotAllowed) << true << -1
                                     << QStringLiteral("HBP 1, the Hawks' pitchers hit 0");
        QTest::newRow("no pitching lines: nothing to compare the batting with")
            << Change([](Night& n) { n.away.lines.pop_back(); }) << true << int(P::HitsNotAllowed)
            << true << -1 << QString();
        QTest::newRow("no batting lines: nothing to compare") << Change([](Night& n) {
            n.home.lines.erase(n.home.lines.begin(), n.home.lines.begin() + 2);
            n.home.score.reset();
        }) << true << int(P::RunsNotAllowed) << true << -1 << QString();
        QTest::newRow("putouts not the outs")
            << Change([](Night& n) { homeLine(n, 0)[StatPO] = 13; }) << true
            << int(P::PutoutsNotOuts) << true << -1
            << QStringLiteral("PO 26, its pitchers recorded 27 outs");
        QTest::newRow("putouts with thirds")
            << Change([](Night& n) {
                   awayLine(n, 1)[StatIP] = 7;
                   awayLine(n, 1)[StatIP3] = 4;
               })
            << true << int(P::PutoutsNotOuts) << false << -1
            << QStringLiteral("PO 24, its pitchers recorded 25 outs");
        QTest::newRow("putouts where fielding is not shown")
            << Change([](Night& n) { homeLine(n, 0)[StatPO] = 13; }) << false
            << int(P::PutoutsNotOuts) << true << -1 << QString();
        QTest::newRow("no putouts and no outs: nothing to compare") << Change([](Night& n) {
            n.away.lines.pop_back();
            awayLine(n, 0)[StatPO] = 0;
        }) << true << int(P::PutoutsNotOuts) << false << -1 << QString();
        QTest::newRow("earned runs over runs")
            << Change([](Night& n) { homeLine(n, 2)[StatER] = 2; }) << true
            << int(P::EarnedOverAllowed) << true << 2
            << QStringLiteral("2 earned runs of 1 allowed");
        QTest::newRow("runs not the runs box")
            << Change([](Night& n) { n.home.score = 3; }) << true << int(P::RunsNotScore) << true
            << -1 << QStringLiteral("Runs scored add up to 2, the score is 3");
        QTest::newRow("outs not the innings")
            << Change([](Night& n) { homeLine(n, 2)[StatIP] = 8; }) << true
            << int(P::OutsNotInnings) << true << -1
            << QStringLiteral("8.0 innings pitched, a game has 9");
    }
    void eachProofWarnsWithBothNumbers() {
        QFETCH(Change, change);
        QFETCH(bool, fielding);
        QFETCH(int, problem);
        QFETCH(bool, home);
        QFETCH(int, line);
        QFETCH(QString, text);
        QTemporaryDir dir;
        proofsfolder::writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        Night night = provenNight();
        change(night);
        std::vector<BoxScoreWarning> found;
        for (const BoxScoreWarning& warning : boxScoreWarnings(store, night, fielding)) {
            QVERIFY2(!warning.refuses, qPrintable(warning.text));
            if (int(warning.problem) == problem)
                found.push_back(warning);
        }
        if (text.isEmpty()) {
            QVERIFY2(found.empty(), found.empty() ? "" : qPrintable(found.front().text));
            return;
        }
        QCOMPARE(found.size(), std::size_t(1));
        QCOMPARE(found[0].text, text);
        QCOMPARE(found[0].home, home);
        QCOMPARE(found[0].line, line);
        // A warning never stops the night.
        QVERIFY2(addNight(store, night).accepted, "a night with warnings was refused");
    }

    void decisionsNoGameCanHaveAreRefused_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<bool>("home");  // the row of the second pitcher named
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("text");  // empty: the decisions are sound
        QTest::newRow("a winner and a loser")
            << Change([](Night& n) { awayLine(n, 0)[StatSv] = 0; }) << true << -1 << QString();
        QTest::newRow("two winning pitchers")
            << Change([](Night& n) {
                   awayLine(n, 1)[StatLost] = 0;
                   awayLine(n, 1)[StatWon] = 1;
               })
            << false << 1
            << QStringLiteral(
                   "Two winning pitchers in one game: Cy Young (Otters) and Eli Fox (Hawks).");
        QTest::newRow("one pitcher with two wins")
            << Change([](Night& n) { homeLine(n, 2)[StatWon] = 2; }) << true << 2
            << QStringLiteral("Two winning pitchers in one game: Cy Young (Otters) has Won 2.");
        QTest::newRow("two losing pitchers")
            << Change([](Night& n) { awayLine(n, 0)[StatLost] = 1; }) << false << 1
            << QStringLiteral(
                   "Two losing pitchers in one game: Dee Ray (Hawks) and Eli Fox (Hawks).");
        QTest::newRow("two saves")
            << Change([](Night& n) {
                   homeLine(n, 1)[StatSv] = 1;
                   awayLine(n, 0)[StatSv] = 1;
               })
            << false << 0
            << QStringLiteral("Two saves in one game: Bo Diaz (Otters) and Dee Ray (Hawks).");
        QTest::newRow("winner and loser on one team")
            << Change([](Night& n) {
                   awayLine(n, 1)[StatLost] = 0;
                   homeLine(n, 1)[StatLost] = 1;
               })
            << true << 1
            << QStringLiteral(
                   "The winning and the losing pitcher on one team: Cy Young "
                   "(Otters) and Bo Diaz (Otters).");
        QTest::newRow("one pitcher won and lost") << Change([](Night& n) {
            awayLine(n, 1)[StatLost] = 0;
            homeLine(n, 2)[StatLost] = 1;
        }) << true << 2 << QStringLiteral("One pitcher both won and lost: Cy Young (Otters).");
    }
    void decisionsNoGameCanHaveAreRefused() {
        QFETCH(Change, change);
        QFETCH(bool, home);
        QFETCH(int, line);
        QFETCH(QString, text);
        QTemporaryDir dir;
        proofsfolder::writeSeason(dir.path());
        Night night = provenNight();
        awayLine(night, 0)[StatSv] = 1;  // a save for the losing side: sound, if rare
        change(night);

        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensurePlayers());
        // The sheet's warning: on the second pitcher's row, refusing.
        std::vector<BoxScoreWarning> decisions;
        for (const BoxScoreWarning& warning : boxScoreWarnings(store, night)) {
            if (warning.problem == BoxScoreProblem::Decisions)
                decisions.push_back(warning);
        }
        if (text.isEmpty()) {
            QVERIFY(decisions.empty());
            QVERIFY(decisionClashes(store, night).empty());
        } else {
            QCOMPARE(decisions.size(), std::size_t(1));
            QCOMPARE(decisions[0].text, text);
            QCOMPARE(decisions[0].home, home);
            QCOMPARE(decisions[0].line, line);
            QVERIFY(decisions[0].refuses);
        }

        // Adding it: refused with the same words, nothing written.
        const auto before = filesOf(dir.path());
        const NightOutcome added = addNight(store, night);
        QCOMPARE(added.accepted, text.isEmpty());
        QCOMPARE(added.refusal, text);
        if (!text.isEmpty()) {
            store.commit();  // nothing was staged
            QVERIFY(filesOf(dir.path()) == before);
            // A past night cannot be changed into one either.
            const NightOutcome sound = addNight(store, provenNight());
            QVERIFY2(sound.accepted, qPrintable(sound.refusal));
            QVERIFY(store.commit());
            const auto logged = filesOf(dir.path());
            const NightOutcome changed = changeNight(store, sound.entry, night);
            QVERIFY(!changed.accepted);
            QCOMPARE(changed.refusal, text);
            store.commit();
            QVERIFY(filesOf(dir.path()) == logged);
        }
    }
};

QTEST_GUILESS_MAIN(TestBoxScoreProofs)
#include "tst_boxscoreproofs.moc"
