#include "store/listitems.h"
#include "store/recordlist.h"
#include "testsupport.h"

#include <QTest>

using namespace pny;

class TestListItems : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }

    void itemText_data() {
        QTest::addColumn<QByteArray>("number");
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<int>("index");
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("short") << QByteArray("12") << QByteArray("Tigers") << 7
                               << QByteArray("    12  Tigers") + QByteArray(55, ' ') + "7";
        QTest::newRow("empty number") << QByteArray() << QByteArray("Lions") << 12
                                      << QByteArray("        Lions") + QByteArray(56, ' ') + "12";
        QTest::newRow("full widths")
            << QByteArray("ABCDE") << QByteArray(40, 'n') << 12345
            << QByteArray(" ABCDE  ") + QByteArray(40, 'n') + QByteArray(21, ' ') + "12345";
        QTest::newRow("too long is cut")
            << QByteArray("1234567") << QByteArray(45, 'm') << 3
            << QByteArray(" 12345  ") + QByteArray(40, 'm') + QByteArray(21, ' ') + "3";
    }
    void itemText() {
        QFETCH(QByteArray, number);
        QFETCH(QByteArray, name);
        QFETCH(int, index);
        QFETCH(QByteArray, text);
        const std::string built = listItemText(number.toStdString(), name.toStdString(), index);
        QCOMPARE(QByteArray::fromStdString(built), text);
        // The index starts at character 70, beyond the visible part.
        QCOMPARE(QByteArray::fromStdString(built.substr(kListItemIndexColumn - 1)),
                 QByteArray::number(index));
        const ListItem item = parseListItem(built);
        QCOMPARE(QByteArray::fromStdString(item.number), number.left(5).trimmed());
        QCOMPARE(QByteArray::fromStdString(item.name), name.left(40));
        QCOMPARE(QByteArray::fromStdString(item.index), QByteArray::number(index));
    }

    void parseKeepsInnerBlanks() {
        const ListItem item = parseListItem(listItemText("1 2", "Big  Red", 4));
        QCOMPARE(item.number, std::string("1 2"));
        QCOMPARE(item.name, std::string("Big  Red"));
        QCOMPARE(item.index, std::string("4"));
        QCOMPARE(parseListItem("   5").index, std::string());  // short text: no index
    }

    void listedRecordsAndOrder() {
        RecordList leagues('L');
        leagues.append("|2|Beta|");      // 1
        leagues.append("|10|Alpha|");    // 2
        leagues.append("|1|gamma|");     // 3
        leagues.append("X|0|Deleted|");  // 4
        leagues.append("+|0|Hidden|");   // 5
        leagues.append("|1|Gamma|");     // 6: same text apart from case
        leagues.append("|1|delta|");     // 7

        const ListItems active = listItemsOf(leagues, false);
        QVERIFY(active.hasDeleted);
        QStringList order;
        for (const std::string& text : active.texts) {
            const ListItem item = parseListItem(text);
            order << QString::fromStdString(item.number + " " + item.name + " #" + item.index);
        }
        // Numbers in numeric order thanks to the right alignment, then names ignoring case.
        QCOMPARE(order, QStringList({"1 delta #7", "1 gamma #3", "1 Gamma #6", "2 Beta #1",
                                     "10 Alpha #2"}));

        const ListItems deleted = listItemsOf(leagues, true);
        QCOMPARE(deleted.texts.size(), std::size_t(1));
        QCOMPARE(parseListItem(deleted.texts[0]).index, std::string("4"));

        RecordList none('T');
        none.append("|1|A|");
        QVERIFY(!listItemsOf(none, false).hasDeleted);
        QVERIFY(listItemsOf(none, true).texts.empty());
    }

    void equalRecordsKeepTheirIndexes() {
        RecordList players('P');
        players.append("|7|Sam|");
        players.append("|7|Sam|");
        const ListItems items = listItemsOf(players, false);
        QCOMPARE(items.texts.size(), std::size_t(2));
        QStringList indexes;
        for (const std::string& text : items.texts) {
            indexes << QString::fromStdString(parseListItem(text).index);
        }
        indexes.sort();
        QCOMPARE(indexes, QStringList({"1", "2"}));
    }

    void renamedLine_data() {
        QTest::addColumn<QByteArray>("oldLine");
        QTest::addColumn<QByteArray>("expected");
        const QByteArray rest = QByteArray("2|3|7|255|Arial|12|1||") +
                                "\x81\x82\x81\x81\x81\x81\x81" + "|1 1|" + QByteArray(61, '\xbf') +
                                "|* **|****||AB|||x|";
        QTest::newRow("league keeps its settings")
            << QByteArray("|1|Majors|") + rest << QByteArray("|9|Minors|") + rest;
        QTest::newRow("three fields") << QByteArray("|1|Majors|") << QByteArray("|9|Minors|");
        QTest::newRow("two fields") << QByteArray("|1|") << QByteArray("|9|Minors|");
        QTest::newRow("flag cleared") << QByteArray("X|1|Old|5|") << QByteArray("|9|Minors|5|");
    }
    void renamedLine() {
        QFETCH(QByteArray, oldLine);
        QFETCH(QByteArray, expected);
        QCOMPARE(QByteArray::fromStdString(renamedRecordLine(oldLine.toStdString(), "9", "Minors")),
                 expected);
    }

    void deleteAndRestore() {
        RecordList teams('T');
        teams.append("|5|Tigers|1|2||");
        QVERIFY(markDeleted(teams, 1));
        QCOMPARE(teams.line(1), std::string("X|5|Tigers|1|2||"));
        QVERIFY(markRestored(teams, 1));
        QCOMPARE(teams.line(1), std::string("|5|Tigers|1|2||"));
        QVERIFY(!markRestored(teams, 1));  // not deleted: nothing is cut off
        QCOMPARE(teams.line(1), std::string("|5|Tigers|1|2||"));
        QVERIFY(!markDeleted(teams, 0));  // the header is no record
        QVERIFY(!markDeleted(teams, 2));
        QVERIFY(!markDeleted(teams, -1));
        QCOMPARE(teams.line(0), std::string("T|"));
    }

    void typedText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("problem");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("offending");
        using P = TypedTextProblem;
        QTest::newRow("plain, trimmed")
            << " Tigers  " << int(P::None) << QByteArray("Tigers") << "";
        QTest::newRow("latin") << QString::fromUtf8("Jos\xc3\xa9") << int(P::None)
                               << QByteArray("Jos\xe9") << "";
        QTest::newRow("euro sign") << QString::fromUtf8(
                                          "\xe2\x82\xac"
                                          "5")
                                   << int(P::None)
                                   << QByteArray(
                                          "\x80"
                                          "5")
                                   << "";
        QTest::newRow("separator") << "A|B" << int(P::Separator) << QByteArray() << "|";
        QTest::newRow("line break") << "A\nB" << int(P::ControlCharacter) << QByteArray() << "\n";
        QTest::newRow("tab") << "A\tB" << int(P::ControlCharacter) << QByteArray() << "\t";
        QTest::newRow("greek") << QString::fromUtf8("\xce\xa9mega") << int(P::NotInCodePage)
                               << QByteArray() << QString::fromUtf8("\xce\xa9");
        QTest::newRow("beyond 16 bits")
            << QString::fromUtf8("Go \xf0\x9f\x8e\x89") << int(P::NotInCodePage) << QByteArray()
            << QString::fromUtf8("\xf0\x9f\x8e\x89");
    }
    void typedText() {
        QFETCH(QString, typed);
        QFETCH(int, problem);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, offending);
        std::string out = "junk";
        QString bad;
        QCOMPARE(int(typedFieldBytes(typed, out, bad)), problem);
        QCOMPARE(QByteArray::fromStdString(out), bytes);
        QCOMPARE(bad, offending);
    }
};

QTEST_GUILESS_MAIN(TestListItems)
#include "tst_listitems.moc"
