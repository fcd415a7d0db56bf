#include "selectionfixture.h"

#include <QTest>

using namespace selectionfixture;

// The list dialog deleting and undeleting records, and picking from any list.
class TestListForm : public QObject, private SelectionFixture {
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
};

QTEST_MAIN(TestListForm)
#include "tst_listform.moc"
