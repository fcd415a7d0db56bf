#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/list.h"
#include "main/name.h"
#include "main/selection.h"
#include "store/store.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// Runs steps on modal dialogs as they come up: each step waits until the dialog with its object
// name is the active modal widget. A script that waits too long closes the dialog and is stuck.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    ModalScript() {
        connect(&timer_, &QTimer::timeout, this, &ModalScript::tick);
        timer_.start(5);
        sinceStep_.start();
    }
    void add(const QString& name, Action action) { steps_.append({name, std::move(action)}); }
    bool finished() const { return steps_.isEmpty(); }
    bool stuck() const { return stuck_; }
    // The captions of the dialogs the steps ran on, in order.
    QStringList captions;

private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (steps_.isEmpty()) {
            if (modal && sinceStep_.elapsed() > 3000)
                giveUp(modal);
            return;
        }
        if (!modal || !modal->isVisible())
            return;
        if (modal->objectName() != steps_.first().name) {
            if (sinceStep_.elapsed() > 3000)
                giveUp(modal);
            return;
        }
        const Step step = steps_.takeFirst();
        sinceStep_.restart();
        captions << modal->windowTitle();
        step.action(modal);
    }
    void giveUp(QWidget* modal) {
        stuck_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        sinceStep_.restart();
    }

    struct Step {
        QString name;
        Action action;
    };
    QList<Step> steps_;
    QTimer timer_;
    QElapsedTimer sinceStep_;
    bool stuck_ = false;
};

void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

QListWidget* listBox(QWidget* dialog) {
    return dialog->findChild<QListWidget*>("ListBox");
}

// The visible part of each row: number and name.
QStringList shownRows(QWidget* dialog) {
    QStringList rows;
    QListWidget* box = listBox(dialog);
    for (int i = 0; i < box->count(); ++i) {
        const QString text = box->item(i)->text();
        rows << (text.mid(1, 5).trimmed() + QLatin1Char(' ') + text.mid(8, 40).trimmed());
    }
    return rows;
}

QString selectedRow(QWidget* dialog) {
    const int row = listBox(dialog)->currentRow();
    return row < 0 ? QString() : shownRows(dialog).value(row);
}

void selectRow(QWidget* dialog, const QString& numberAndName) {
    const int row = shownRows(dialog).indexOf(numberAndName);
    QVERIFY2(row >= 0, qPrintable(numberAndName));
    listBox(dialog)->setCurrentRow(row);
}

void typeNumberAndName(QWidget* dialog, const QString& number, const QString& name) {
    dialog->findChild<QLineEdit*>("EditNo")->setText(number);
    dialog->findChild<QLineEdit*>("EditName")->setText(name);
    click(dialog, "OkButton");
}

bool enabled(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name))->isEnabled();
}

}  // namespace

class TestSelection : public QObject {
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

    void deletingTheOnlyTeam() {
        writeLeagueFolder("T|\r\n|5|Tigers|||||\r\n", "1");
        start();
        QVERIFY(store_->ensureTeams());
        QVERIFY(store_->hasTeam());
        ModalScript script;
        Messages::presetAnswers({QMessageBox::Yes});
        script.add("ListForm", [](QWidget* d) { click(d, "DeleteButton"); });
        commands_->TeamButtonClick();  // returns at once after the delete
        QVERIFY(script.finished());
        QCOMPARE(Messages::shownTexts(), QStringList({"Delete Team: 5 Tigers"}));
        QCOMPARE(store_->league.currentTeam, std::string("1"));
        QCOMPARE(store_->team.flag, std::string("X"));
        QCOMPARE(store_->teams.line(1), std::string("X|5|Tigers|||||"));
        QVERIFY(store_->changed.teams);
        QCOMPARE(refreshTable_, 1);

        // The Player button asks for a team, and the empty team list opens straight into New.
        ModalScript again;
        again.add("NameForm", [](QWidget* d) { click(d, "CancelButton"); });
        commands_->PlayerButtonClick();
        QVERIFY(again.finished());
        QVERIFY(!again.stuck());
        QCOMPARE(again.captions, QStringList({"Add New Baseball Team"}));
        QVERIFY(!store_->hasTeam());

        QVERIFY(store_->saveAll());
        QVERIFY(testsupport::readFile(folder_->path() + "/Y1L1.Teams").contains("X|5|Tigers|"));
    }

    void deleteThenCancel_data() {
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("selectedAtClose");
        QTest::addColumn<QString>("expected");
        // The current team deleted: the item selected when the dialog closed is returned.
        QTest::newRow("current deleted") << "2 B"
                                         << "3 C"
                                         << "3";
        // Another team deleted: Cancel keeps the current team.
        QTest::newRow("other deleted") << "1 A"
                                       << "3 C"
                                       << "2";
    }
    void deleteThenCancel() {
        QFETCH(QString, deleted);
        QFETCH(QString, selectedAtClose);
        QFETCH(QString, expected);
        writeLeagueFolder("T|\r\n|1|A|\r\n|2|B|\r\n|3|C|\r\n", "2");
        start();
        Messages::presetAnswers({QMessageBox::Yes});
        QStringList rowsAfter;
        QString selectedAfter;
        ModalScript script;
        script.add("ListForm", [&](QWidget* d) {
            QCOMPARE(selectedRow(d), QString("2 B"));
            selectRow(d, deleted);
            click(d, "DeleteButton");
        });
        script.add("ListForm", [&](QWidget* d) {
            rowsAfter = shownRows(d);
            selectedAfter = selectedRow(d);
            selectRow(d, selectedAtClose);
            click(d, "CancelButton");
        });
        commands_->TeamButtonClick();
        QVERIFY(script.finished());
        QVERIFY(!rowsAfter.contains(deleted));
        QCOMPARE(rowsAfter.size(), 2);
        QCOMPARE(selectedAfter, deleted == "2 B" ? QString("1 A") : QString("2 B"));
        QCOMPARE(store_->league.currentTeam, expected.toStdString());
        QCOMPARE(store_->team.number, expected.toStdString());  // numbers equal indexes here
        QVERIFY(store_->changed.teams);
    }

    void undeleteRestores() {
        writeLeagueFolder("T|\r\n|1|A|\r\nX|2|B|4|\r\n", "1");
        start();
        QStringList undeleteRows;
        QStringList rowsAfter;
        bool undeleteAfter = true;
        bool editInUndelete = true;
        ModalScript script;
        script.add("ListForm", [&](QWidget* d) {
            QVERIFY(enabled(d, "UndeleteButton"));
            click(d, "UndeleteButton");
        });
        script.add("ListForm", [&](QWidget* d) {
            undeleteRows = shownRows(d);
            editInUndelete = enabled(d, "NewButton") || enabled(d, "EditButton") ||
                             enabled(d, "DeleteButton") || enabled(d, "UndeleteButton");
            click(d, "HelpButton");
            QCOMPARE(HelpViewer::lastTopic(), QString("Undelete"));
            click(d, "OkButton");
        });
        script.add("ListForm", [&](QWidget* d) {
            rowsAfter = shownRows(d);
            undeleteAfter = enabled(d, "UndeleteButton");
            click(d, "CancelButton");
        });
        commands_->TeamButtonClick();
        QVERIFY(script.finished());
        QCOMPARE(script.captions, QStringList({"Team", "Undelete Team", "Team"}));
        QCOMPARE(undeleteRows, QStringList({"2 B"}));
        QVERIFY(!editInUndelete);
        QCOMPARE(rowsAfter, QStringList({"1 A", "2 B"}));
        QVERIFY(!undeleteAfter);
        QCOMPARE(store_->teams.line(2), std::string("|2|B|4|"));
        QCOMPARE(store_->league.currentTeam, std::string("1"));
        QVERIFY(store_->changed.teams);
        QCOMPARE(refreshTable_, 1);
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

    // The picker works on any list: a field list with its notes and its size.
    void pickerOnAFieldList() {
        start();
        QWidget main;
        main.setGeometry(100, 80, 556, 365);
        main.show();
        listForm_->setMainWindow(&main);
        listForm_->setOpenNotes([this](const QString& heading, const std::string& reference) {
            notes_ << heading + " @" + QString::fromStdString(reference);
        });
        pny::RecordList fields('F');
        fields.append("|1|North|");
        fields.append("|3|Riverside Park|");
        fields.append("|2|South|");
        int height = 0;
        int expectedTop = 0;
        ModalScript script;
        script.add("ListForm", [&](QWidget* d) {
            height = d->height();
            expectedTop = main.frameGeometry().top() +
                          (main.frameGeometry().height() - d->frameGeometry().height()) / 2;
            QCOMPARE(d->frameGeometry().top(), expectedTop);
            selectRow(d, "3 Riverside Park");
            click(d, "NoteButton");
        });
        script.add("ListForm", [&](QWidget* d) {
            QCOMPARE(selectedRow(d), QString("3 Riverside Park"));
            click(d, "OkButton");
        });
        bool changed = true;
        const std::string chosen = listForm_->ListPicker(fields, "Field", "1", changed);
        QVERIFY(script.finished());
        QCOMPARE(script.captions, QStringList({"Field", "Field"}));
        QCOMPARE(chosen, std::string("2"));
        QVERIFY(!changed);
        QCOMPARE(notes_, QStringList({"Field: 3 Riverside Park @2"}));
        // Three items plus two, sixteen pixels each, and the two button panels.
        QCOMPARE(height, 5 * TListForm::kItemHeight + 44 + 49);

        // A long list is no taller than the main window.
        for (int i = 0; i < 40; ++i)
            fields.append("|9|More|");
        ModalScript tall;
        tall.add("ListForm", [&](QWidget* d) {
            height = d->height();
            QCOMPARE(d->windowTitle(), QString("Umpire"));  // the kind word is six characters
            click(d, "CancelButton");
        });
        QCOMPARE(listForm_->ListPicker(fields, "Umpires", "1", changed), std::string("1"));
        QVERIFY(tall.finished());
        QCOMPARE(height, main.height());
    }

    // The picker is as wide as its longest item and both rows of buttons need in their fonts,
    // in every mode; the index after the name stays out of sight.
    void pickerWideEnoughForItsItemsAndButtons() {
        start();
        const QString name = "Tuesday Night Major League of Riverbends";
        QCOMPARE(name.size(), 40);  // the longest name the name dialog takes
        pny::RecordList leagues('L');
        leagues.append("|12345|" + name.toStdString() + "|");
        leagues.append("|2|Short|");
        leagues.append("X|3|Deleted|");
        auto check = [](QWidget* d) {
            QListWidget* box = listBox(d);
            const QFontMetrics metrics(box->font());
            for (int i = 0; i < box->count(); ++i) {
                const QString shown = box->item(i)->text().left(48).trimmed();
                QVERIFY2(box->viewport()->width() >= metrics.horizontalAdvance(" " + shown),
                         qPrintable(shown));
                // The index, from character 70 on, is beyond the visible width.
                QVERIFY(box->viewport()->width() <
                        metrics.horizontalAdvance(box->item(i)->text().left(69)));
            }
            for (QPushButton* button : d->findChildren<QPushButton*>()) {
                QVERIFY2(button->width() >= button->sizeHint().width(),
                         qPrintable(button->objectName()));
                QVERIFY(d->rect().contains(
                    button->geometry().translated(button->parentWidget()->mapTo(d, QPoint(0, 0)))));
            }
        };
        int width = 0;
        ModalScript script;
        script.add("ListForm", [&](QWidget* d) {
            check(d);
            width = d->width();
            click(d, "UndeleteButton");
        });
        script.add("ListForm", [&](QWidget* d) {
            check(d);
            click(d, "CancelButton");
        });
        script.add("ListForm", [&](QWidget* d) { click(d, "CancelButton"); });
        bool changed = false;
        listForm_->ListPicker(leagues, "League", "1", changed);
        QVERIFY(script.finished());
        QVERIFY2(width > 205, qPrintable(QString::number(width)));
    }

private:
    void writeFile(const QString& name, const QByteArray& bytes) {
        testsupport::writeFile(folder_->path() + "/" + name, bytes);
    }
    // Year 1 with league 1, whose teams file is `teams` and current team `currentTeam`.
    void writeLeagueFolder(const QByteArray& teams, const QByteArray& currentTeam) {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|1|\r\n");
        writeFile("Y1.Leagues", "L|\r\n|1|Majors|" + currentTeam + "|\r\n");
        writeFile("Y1L1.Teams", teams);
    }
    void start() {
        store_ = std::make_unique<pny::Store>(folder_->path());
        store_->loadYears();
        nameForm_ = std::make_unique<TNameForm>();
        listForm_ = std::make_unique<TListForm>(*nameForm_);
        SelectionCommands::Hooks hooks;
        hooks.buildHeaders = [this] { ++buildHeaders_; };
        hooks.refreshTable = [this] { ++refreshTable_; };
        hooks.clearStatsCache = [this] { ++clearCache_; };
        commands_ = std::make_unique<SelectionCommands>(*store_, *listForm_, hooks);
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<pny::Store> store_;
    std::unique_ptr<TNameForm> nameForm_;
    std::unique_ptr<TListForm> listForm_;
    std::unique_ptr<SelectionCommands> commands_;
    int buildHeaders_ = 0;
    int refreshTable_ = 0;
    int clearCache_ = 0;
    QStringList notes_;
};

QTEST_MAIN(TestSelection)
#include "tst_selection.moc"
