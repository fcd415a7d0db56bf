#include "selectionfixture.h"

#include <QTest>

using namespace selectionfixture;

// Choosing and creating years, leagues and teams, and the name form's refusals.
class TestSelection : public QObject, private SelectionFixture {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }

    void init() {
        folder_ = std::make_unique<QTemporaryDir>();
        QVERIFY(folder_->isValid());
        Messages::presetAnswers({});
        Messages::clearShown();
        buildHeaders_ = refreshTable_ = clearCache_ = 0;
        notes_.clear();
    }

    void cleanup() {
        commands_.reset();
        listForm_.reset();
        nameForm_.reset();
        store_.reset();
        folder_.reset();
    }

    // A new user creates the whole path with the Player button alone; it survives a restart.
    void newUserCreatesThePath() {
        start();
        ModalScript script;
        script.add("NameForm", [](QWidget* d) { typeNumberAndName(d, "2026", "Summer"); });
        script.add("ListForm", [](QWidget* d) { click(d, "OkButton"); });
        script.add("NameForm", [](QWidget* d) { typeNumberAndName(d, "1", "Majors"); });
        script.add("ListForm", [](QWidget* d) { click(d, "OkButton"); });
        script.add("NameForm", [](QWidget* d) { typeNumberAndName(d, "5", "Tigers"); });
        script.add("ListForm", [](QWidget* d) { click(d, "OkButton"); });
        script.add("NameForm", [](QWidget* d) { typeNumberAndName(d, "12", "Casey"); });
        script.add("ListForm", [](QWidget* d) {
            QCOMPARE(selectedRow(d), QString("12 Casey"));
            click(d, "OkButton");
        });
        commands_->PlayerButtonClick();
        QVERIFY(script.finished());
        QVERIFY(!script.stuck());
        QCOMPARE(
            script.captions,
            QStringList({"Add New Baseball Year", "Year", "Add New Baseball League", "League",
                         "Add New Baseball Team", "Team", "Add New Baseball Player", "Player"}));

        QCOMPARE(store_->header.currentYear, std::string("1"));
        QCOMPARE(store_->year.currentLeague, std::string("1"));
        QCOMPARE(store_->league.currentTeam, std::string("1"));
        QCOMPARE(store_->team.currentPlayer, std::string("1"));
        QCOMPARE(store_->player.name, std::string("Casey"));
        QCOMPARE(buildHeaders_, 2);  // year and league
        QCOMPARE(refreshTable_, 2);  // team and player
        QCOMPARE(clearCache_, 1);

        QVERIFY(store_->saveAll());
        const QString dir = folder_->path() + "/";
        QVERIFY(testsupport::readFile(dir + "Baseball.Years").startsWith("Y|||1|"));
        QVERIFY(testsupport::readFile(dir + "Baseball.Years").contains("\r\n|2026|Summer|1|\r\n"));
        QVERIFY(testsupport::readFile(dir + "Y1.Leagues").contains("\r\n|1|Majors|1|"));
        QVERIFY(testsupport::readFile(dir + "Y1L1.Teams").contains("\r\n|5|Tigers|"));
        QVERIFY(testsupport::readFile(dir + "Y1L1.Teams").endsWith("|1|\r\n"));
        QCOMPARE(testsupport::readFile(dir + "Y1L1T1.Players"), QByteArray("P|\r\n|12|Casey|\r\n"));

        pny::Store again(folder_->path());
        again.loadYears();
        QVERIFY(again.ensurePlayers());
        QCOMPARE(again.year.name, std::string("Summer"));
        QCOMPARE(again.league.name, std::string("Majors"));
        QCOMPARE(again.team.name, std::string("Tigers"));
        QCOMPARE(again.player.name, std::string("Casey"));
    }

    // Each level remembers its last choice: another year brings back its own league.
    void changingTheYearBringsBackItsLeague() {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2025|Spring|2|\r\n|2026|Summer|1|\r\n");
        writeFile("Y1.Leagues", "L|\r\n|1|Old|\r\n|2|Spring League|\r\n");
        writeFile("Y2.Leagues", "L|\r\n|1|Summer League|\r\n");
        start();
        QCOMPARE(store_->year.name, std::string("Spring"));
        ModalScript script;
        script.add("ListForm", [](QWidget* d) {
            QCOMPARE(selectedRow(d), QString("2025 Spring"));
            selectRow(d, "2026 Summer");
            click(d, "OkButton");
        });
        commands_->YearButtonClick();
        QVERIFY(script.finished());
        QCOMPARE(store_->header.currentYear, std::string("2"));
        QCOMPARE(store_->league.name, std::string("Summer League"));
        QCOMPARE(buildHeaders_, 1);
    }

    void leaguesListInNumberOrder() {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|||\r\n");
        writeFile("Y1.Leagues", "L|\r\n|2|Two|\r\n|10|Ten|\r\n|1|One|\r\n");
        start();
        QStringList rows;
        ModalScript script;
        script.add("ListForm", [&rows](QWidget* d) {
            rows = shownRows(d);
            click(d, "HelpButton");  // opens help and leaves the list open
            QCOMPARE(HelpViewer::lastTopic(), QString("League_Button"));
            click(d, "CancelButton");
        });
        commands_->LeagueButtonClick();
        QVERIFY(script.finished());
        QCOMPARE(script.captions, QStringList({"League"}));
        QCOMPARE(rows, QStringList({"1 One", "2 Two", "10 Ten"}));
        QVERIFY(!store_->hasLeague());  // cancelled: still nothing chosen
        QCOMPARE(buildHeaders_ + refreshTable_, 0);
    }

    void editingALeagueKeepsItsSettings() {
        const QByteArray rest = QByteArray("3|7|7|255|Arial|12|1||") +
                                "\x81\x83\x81\x81\x81\x81\x81" + "|1 1|" + QByteArray(61, '\xbf') +
                                "| ****** *|********|U1|U2|||";
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|1|\r\n");
        writeFile("Y1.Leagues", "L|\r\n|1|Majors|" + rest + "\r\n");
        start();
        QString shownNumber, shownName;
        ModalScript script;
        script.add("ListForm", [](QWidget* d) { click(d, "EditButton"); });
        script.add("NameForm", [&](QWidget* d) {
            shownNumber = d->findChild<QLineEdit*>("EditNo")->text();
            shownName = d->findChild<QLineEdit*>("EditName")->text();
            typeNumberAndName(d, " 2 ", QString::fromUtf8("Minors \xc3\xa9t\xc3\xa9"));
        });
        script.add("ListForm", [](QWidget* d) {
            QCOMPARE(selectedRow(d), QString::fromUtf8("2 Minors \xc3\xa9t\xc3\xa9"));
            click(d, "OkButton");
        });
        commands_->LeagueButtonClick();
        QVERIFY(script.finished());
        QCOMPARE(script.captions, QStringList({"League", "Change Baseball League", "League"}));
        QCOMPARE(shownNumber, QString("1"));
        QCOMPARE(shownName, QString("Majors"));
        const QByteArray expected = "|2|Minors \xe9t\xe9|" + rest;
        QCOMPARE(QByteArray::fromStdString(store_->leagues.line(1)), expected);
        QCOMPARE(store_->league.name, std::string("Minors \xe9t\xe9"));
        QVERIFY(store_->changed.leagues);
        QCOMPARE(refreshTable_, 1);
        QVERIFY(store_->saveAll());
        QCOMPARE(testsupport::readFile(folder_->path() + "/Y1.Leagues"),
                 "L|\r\n" + expected + "\r\n");
    }

    void equalRecordsKeepTheirIndexes() {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|1|\r\n");
        writeFile("Y1.Leagues", "L|\r\n|1|Majors|1|\r\n");
        writeFile("Y1L1.Teams", "T|\r\n|5|Tigers|||||\r\n");
        writeFile("Y1L1T1.Players", "P|\r\n|7|Sam|1|\r\n|7|Sam|2|\r\n");
        start();
        QStringList indexes;
        ModalScript script;
        script.add("ListForm", [&](QWidget* d) {
            QCOMPARE(shownRows(d), QStringList({"7 Sam", "7 Sam"}));
            QListWidget* box = listBox(d);
            for (int i = 0; i < box->count(); ++i)
                indexes << box->item(i)->text().mid(69);
            box->setCurrentRow(indexes.indexOf("2"));
            click(d, "OkButton");
        });
        commands_->PlayerButtonClick();
        QVERIFY(script.finished());
        indexes.sort();
        QCOMPARE(indexes, QStringList({"1", "2"}));
        QCOMPARE(store_->team.currentPlayer, std::string("2"));
        QCOMPARE(store_->player.stat(pny::StatG), std::string("2"));
        QCOMPARE(store_->teams.line(1), std::string("|5|Tigers||||2|"));
        QCOMPARE(refreshTable_, 1);
        QCOMPARE(clearCache_, 0);  // nothing changed in the list
    }

    void cancelOnAnEmptyListLeavesTheLevelUnusable() {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|||\r\n");
        start();
        ModalScript script;
        script.add("NameForm", [](QWidget* d) { click(d, "CancelButton"); });
        // The Team button asks for the league again.
        script.add("NameForm", [](QWidget* d) { typeNumberAndName(d, "", ""); });
        commands_->LeagueButtonClick();
        QVERIFY(!store_->hasLeague());
        QCOMPARE(store_->year.currentLeague, std::string());
        commands_->TeamButtonClick();
        QVERIFY(script.finished());
        QVERIFY(!script.stuck());
        QCOMPARE(script.captions,
                 QStringList({"Add New Baseball League", "Add New Baseball League"}));
        QVERIFY(!store_->hasLeague());
        QCOMPARE(store_->leagues.size(), 1);  // two empty boxes add nothing
        QCOMPARE(buildHeaders_ + refreshTable_, 0);
        QVERIFY(!store_->changed.leagues);
    }

    void nameFormRefusals_data() {
        QTest::addColumn<QString>("number");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("bar in name") << "5"
                                     << "Red|Sox"
                                     << "The name cannot contain the character \"|\": it separates "
                                        "the fields of the data files.";
        QTest::newRow("bar in number")
            << "1|2"
            << "Sox"
            << "The number cannot contain the character \"|\": it separates the fields of the "
               "data files.";
        QTest::newRow("greek letter")
            << "5" << QString::fromUtf8("\xce\xa9mega")
            << QString::fromUtf8(
                   "The name cannot contain the character \"\xce\xa9\": the data "
                   "files cannot store it. Please use another character.");
    }
    void nameFormRefusals() {
        QFETCH(QString, number);
        QFETCH(QString, name);
        QFETCH(QString, message);
        writeLeagueFolder("T|\r\n", "");
        start();
        bool stayedOpen = false;
        ModalScript script;
        script.add("NameForm", [&](QWidget* d) {
            Messages::presetAnswers({QMessageBox::Ok});
            typeNumberAndName(d, number, name);
            stayedOpen = d->isVisible();
            typeNumberAndName(d, "5", QString::fromUtf8("Red Sox \xe2\x82\xac"));
        });
        script.add("ListForm", [](QWidget* d) { click(d, "OkButton"); });
        commands_->TeamButtonClick();
        QVERIFY(script.finished());
        QVERIFY(stayedOpen);
        QCOMPARE(Messages::shownTexts(), QStringList({message}));
        QCOMPARE(store_->teams.size(), 2);
        QCOMPARE(store_->teams.line(1), std::string("|5|Red Sox \x80|"));
        QCOMPARE(store_->team.name, std::string("Red Sox \x80"));
    }
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
