#include "entry/playerentry.h"
#include "gamelog/boxscorecsv.h"
#include "store/store.h"

#include "proofsfolder.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;

namespace {

// "PA=8 1B=1 3IP=2": the counts by their captions in the player dialog; all others are 0.
StatValues countsOf(const QString& text) {
    StatValues v{};
    for (const QString& pair : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString caption = pair.section(QLatin1Char('='), 0, 0);
        bool found = false;
        for (const PlayerEntryRow& row : playerEntryRows()) {
            if (caption == QLatin1String(row.abbreviation)) {
                v[row.stat] = pair.section(QLatin1Char('='), 1).toLongLong();
                found = true;
            }
        }
        if (!found)
            qFatal("no statistic %s", qPrintable(caption));
    }
    return v;
}

QString differences(const StatValues& got, const StatValues& want) {
    QString out;
    for (const PlayerEntryRow& row : playerEntryRows()) {
        if (got[row.stat] != want[row.stat]) {
            out += QStringLiteral(" %1 %2 (want %3)")
                       .arg(QLatin1String(row.abbreviation))
                       .arg(got[row.stat])
                       .arg(want[row.stat]);
        }
    }
    return out;
}

}  // namespace

class TestBoxScoreCsvNames : public QObject {
    Q_OBJECT

private slots:
    // The Otters' block (after its Team row) with one player's row; his stored counts, or the
    // refusal. The Hawks' block is empty.
    void aRowInTheScorersNames_data() {
        QTest::addColumn<QByteArray>("otters");
        QTest::addColumn<QString>("counts");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("AB and H worked out as the sheet does")
            << QByteArray("No,Name,AB,R,H,2B,RBI,BB,SO,HBP,SH,SF\n7,Ann Lee,4,1,2,1,2,1,1,1,1,1\n")
            << "PA=8 RS=1 1B=1 2B=1 RBI=2 BB=1 SO=1 HP=1 SBnt=1 SFly=1 G=1" << QString();
        QTest::newRow("a pitcher in the box score's names")
            << QByteArray("No,IP,P.H,P.R,ER,P.BB,P.SO,P.HB,WP,BK,DEC\n21,5.2,6,3,2,1,4,1,1,1,w\n")
            << "GP=1 IP=5 3IP=2 HA=6 RA=3 ER=2 WA=1 BSO=4 BH=1 WP=1 Bks=1 Won=1" << QString();
        QTest::newRow("IP .1 and a save")
            << QByteArray("No,IP,DEC\n21,.1,S\n") << "GP=1 IP=0 3IP=1 Sv=1" << QString();
        QTest::newRow("a loss") << QByteArray("No,IP,DEC\n21,7.0,L\n") << "GP=1 IP=7 Lost=1"
                                << QString();
        QTest::newRow("fielding makes G, pitching GP")
            << QByteArray("No,IP,PO,A,E\n21,1,3,1,1\n") << "G=1 GP=1 IP=1 PO=3 A=1 Err=1"
            << QString();
        QTest::newRow("a 0 is a game played")
            << QByteArray("No,AB,H\n7,0,\n") << "G=1" << QString();
        QTest::newRow("G and GP named are as typed")
            << QByteArray("No,AB,G,IP,GP\n7,3,0,1,0\n") << "PA=3 IP=1" << QString();
        QTest::newRow("HB is the batter's")
            << QByteArray("No,AB,HB\n7,3,1\n") << "PA=4 HP=1 G=1" << QString();
        QTest::newRow("today's names the pitcher's already had")
            << QByteArray("No,AB,HA,RA,WA,BSO,BH\n7,3,1,2,3,4,5\n")
            << "PA=3 G=1 GP=1 HA=1 RA=2 WA=3 BSO=4 BH=5" << QString();
        QTest::newRow("HR without H or 1B counts as its own hit")
            << QByteArray("No,AB,HR\n7,4,1\n") << "PA=4 HR=1 G=1" << QString();
        QTest::newRow("pitches in the box score's names")
            << QByteArray("No,IP,NP,S,DEC\n21,6,80,50,W\n") << "GP=1 IP=6 ST=50 BT=30 Won=1"
            << QString();
        QTest::newRow("today's names are stored as typed")
            << QByteArray("No,PA,1B,HR,IP,3IP,Won\n21,3,1,1,2,1,1\n")
            << "PA=3 1B=1 HR=1 IP=2 3IP=1 Won=1" << QString();
        QTest::newRow("IP as 5.2 among today's names")
            << QByteArray("No,PA,IP\n21,3,2.1\n") << "PA=3 IP=2 3IP=1" << QString();

        QTest::newRow("a pitcher who bats: his rows make one line")
            << QByteArray("No,Name,AB,H\n21,Cy Young,3,1\nNo,Name,IP,DEC\n21,Cy Young,6,W\n")
            << "PA=3 1B=1 G=1 GP=1 IP=6 Won=1" << QString();
        QTest::newRow("a name both headers give is one column")
            << QByteArray("No,AB,ER\n21,3,\nNo,IP,ER\n21,6,2\n") << "PA=3 G=1 GP=1 IP=6 ER=2"
            << QString();

        QTest::newRow("the same cell in two rows")
            << QByteArray("No,AB\n21,3\nNo,AB,IP\n21,2,1\n") << QString()
            << "Line 5: player 21 has AB in two rows";
        QTest::newRow("a second row under one header")
            << QByteArray("No,AB\n21,3\n21,2\n") << QString()
            << "Line 4: player 21 has a second row";
        QTest::newRow("a statistic two ways in two headers")
            << QByteArray("No,AB\n7,3\nNo,PA\n") << QString()
            << "Line 4: the header names \"AB\" and \"PA\"";
        QTest::newRow("IP 4.3") << QByteArray("No,AB,IP\n21,,4.3\n") << QString()
                                << "Line 3: Cy Young: IP 4.3 is no number of innings";
        QTest::newRow("a decision without pitching")
            << QByteArray("No,AB,IP,DEC\n21,3,,W\n") << QString()
            << "Line 3: Cy Young: DEC W without pitching";
        QTest::newRow("H less than 2B + 3B + HR")
            << QByteArray("No,AB,H,2B,3B,HR\n7,4,2,1,1,1\n") << QString()
            << "Line 3: Ann Lee: H 2 is less than 2B + 3B + HR (3)";
        QTest::newRow("no decision") << QByteArray("No,IP,DEC\n21,1,X\n") << QString()
                                     << "Line 3: Cy Young: DEC X is no decision";
        QTest::newRow("AB and PA")
            << QByteArray("No,AB,PA\n") << QString() << "the header names \"AB\" and \"PA\"";
        QTest::newRow("H and 1B") << QByteArray("No,1B,Name,h\n") << QString()
                                  << "the header names \"1B\" and \"h\"";
        QTest::newRow("DEC and Sv")
            << QByteArray("No,Sv,DEC\n") << QString() << "the header names \"Sv\" and \"DEC\"";
        QTest::newRow("P.H and HA")
            << QByteArray("No,HA,P.H\n") << QString() << "the header names \"HA\" and \"P.H\"";
        QTest::newRow("R and RS") << QByteArray("No,RS,R\n") << QString()
                                  << "the header names \"RS\" and \"R\"";
        QTest::newRow("HBP and HP")
            << QByteArray("No,HP,HBP\n") << QString() << "the header names \"HP\" and \"HBP\"";
        QTest::newRow("NP and BT")
            << QByteArray("No,NP,BT\n") << QString() << "the header names \"NP\" and \"BT\"";
        QTest::newRow("IP and its thirds given twice")
            << QByteArray("No,IP,3IP,ip\n") << QString() << "the header names \"ip\" twice";
        QTest::newRow("an unknown name")
            << QByteArray("No,P.XX\n") << QString() << "\"P.XX\" names no statistic";
    }
    void aRowInTheScorersNames() {
        QFETCH(QByteArray, otters);
        QFETCH(QString, counts);
        QFETCH(QString, refusal);
        QTemporaryDir dir;
        proofsfolder::writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensureTeams());
        QVERIFY(store.ensureGames());
        Night night;
        QString error;
        const bool read =
            readBoxScoreCsv(store, "Team,Otters,Score,1\n" + otters + "Team,Hawks,Score,0\nNo,AB\n",
                            1, night, error);
        if (!refusal.isEmpty()) {
            QVERIFY(!read);
            QVERIFY2(error.contains(refusal), qPrintable(error));
            return;
        }
        QVERIFY2(read, qPrintable(error));
        QCOMPARE(night.home.lines.size(), std::size_t(1));
        const StatValues want = countsOf(counts);
        QVERIFY2(night.home.lines[0].values == want,
                 qPrintable(differences(night.home.lines[0].values, want)));
        QVERIFY(night.away.lines.empty());
    }

    // The same night in the box score's names and in the stored ones reads the same counts.
    void bothNamingsReadTheSameNight() {
        QTemporaryDir dir;
        proofsfolder::writeSeason(dir.path());
        Store store(dir.path());
        store.loadYears();
        QVERIFY(store.ensureTeams());
        QVERIFY(store.ensureGames());
        const QByteArray scorers =
            "Team,Otters,Score,2\n"
            "No,AB,R,H,2B,BB,SO,HBP,PO,IP,P.H,P.R,ER,P.BB,P.SO,DEC\n"
            "7,4,1,2,,,1,,14,,,,,,,\n"
            "12,2,1,1,,1,1,1,13,,,,,,,\n"
            "21,,,,,,,,,9,3,1,1,2,3,W\n"
            "Team,Hawks,Score,1\n"
            "No,AB,R,H,2B,BB,SO,PO,IP,P.H,P.R,ER,P.BB,P.SO,P.HB,DEC\n"
            "1,3,1,3,1,2,3,24,,,,,,,,\n"
            "2,,,,,,,,8,3,2,2,1,2,1,L\n";
        const QByteArray stored =
            "Team,Otters,Score,2\n"
            "No,PA,RS,1B,2B,BB,SO,HP,PO,G,GP,IP,3IP,HA,RA,ER,WA,BSO,Won\n"
            "7,4,1,2,,,1,,14,1\n"
            "12,4,1,1,,1,1,1,13,1\n"
            "21,,,,,,,,,,1,9,,3,1,1,2,3,1\n"
            "Team,Hawks,Score,1\n"
            "No,PA,RS,1B,2B,BB,SO,PO,G,GP,IP,HA,RA,ER,WA,BSO,BH,Lost\n"
            "1,5,1,2,1,2,3,24,1\n"
            "2,,,,,,,,,1,8,3,2,2,1,2,1,1\n";
        Night fromScorers;
        Night fromStored;
        QString error;
        bool namesPutouts = false;
        QVERIFY2(readBoxScoreCsv(store, scorers, 1, fromScorers, error, namesPutouts),
                 qPrintable(error));
        QVERIFY(namesPutouts);
        QVERIFY2(readBoxScoreCsv(store, stored, 1, fromStored, error), qPrintable(error));
        const Night proven = proofsfolder::provenNight();
        for (const Night* night : {&fromScorers, &fromStored}) {
            for (const auto& [got, want] : {std::make_pair(&night->home, &proven.home),
                                            std::make_pair(&night->away, &proven.away)}) {
                QCOMPARE(got->score, want->score);
                QCOMPARE(got->lines.size(), want->lines.size());
                for (std::size_t k = 0; k < got->lines.size(); ++k) {
                    QCOMPARE(got->lines[k].player, want->lines[k].player);
                    QVERIFY2(got->lines[k].values == want->lines[k].values,
                             qPrintable(differences(got->lines[k].values, want->lines[k].values)));
                }
            }
        }
        QVERIFY(readBoxScoreCsv(store, "Team,Otters\nNo,AB\nTeam,Hawks\nNo,AB\n", 1, fromStored,
                                error, namesPutouts));
        QVERIFY(!namesPutouts);
    }
};

QTEST_GUILESS_MAIN(TestBoxScoreCsvNames)
#include "tst_boxscorecsvnames.moc"
