#include "common/messages.h"
#include "main/main.h"
#include "store/filecommit.h"
#include "store/textfile.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

using testsupport::readFile;
using testsupport::writeFile;

namespace {

// A league with two teams, a player, two games, a field and an umpire.
void writeGoodFolder(const QString& dir) {
    testsupport::writeLeagueFolder(dir, "|1|Majors|1|1|", {"|1|Tigers|2|1||1|", "|2|Eagles|1|2|||"},
                                   {"|23|Smith|5|4|10|"});
    writeFile(dir + "/Y1L1.Games",
              "G|\r\n|19960615|1830|1|1|2|1||||5|4|\r\n|19960616|1900|1|2|1|||||||\r\n");
    writeFile(dir + "/Y1L1.Fields", "F|\r\n|1|North Park|\r\n");
    writeFile(dir + "/Y1L1.Umpires", "U|\r\n|1|Jones|\r\n");
}

QByteArray repeated(const QByteArray& field, int count) {
    QByteArray line = "|";
    for (int i = 0; i < count; ++i)
        line += field + '|';
    return line;
}

QByteArray junk() {
    QByteArray bytes;
    quint32 x = 12345;
    for (int i = 0; i < 8192; ++i) {
        x = x * 1103515245u + 12345u;
        bytes.append(char(x >> 23));
    }
    return bytes;
}

const QList<QPair<QString, QByteArray>> kFiles{
    {"Baseball.Years", "Y|0||1|||"}, {"Y1.Leagues", "L|"}, {"Y1L1.Teams", "T|"},
    {"Y1L1T1.Players", "P|"},        {"Y1L1.Games", "G|"}, {"Y1L1.Fields", "F|"},
    {"Y1L1.Umpires", "U|"}};

}  // namespace

class TestDamagedFolders : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }
    void cleanup();
    void everyTabOfADamagedFolder_data();
    void everyTabOfADamagedFolder();
    void unreadableFileWithoutPermission();
    void fullDiskOnCloseOffersRetry();
};

void TestDamagedFolders::cleanup() {
    pny::setDiskSpaceHook({});
    Messages::presetAnswers({});
    Messages::clearShown();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestDamagedFolders::everyTabOfADamagedFolder_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");  // empty: a folder in the file's place
    for (const auto& f : kFiles) {
        const QByteArray head = f.second + "\r\n";
        const auto row = [&](const char* what, const QByteArray& content) {
            QTest::addRow("%s: %s", qPrintable(f.first), what) << f.first << content;
        };
        row("indexes past the end", head + repeated("99999", 48) + "\r\n" + repeated("2", 48));
        row("negative indexes", head + repeated("-7", 48) + "\r\n" + repeated("-2147483648", 48));
        row("text in number fields", head + repeated("abc", 48) + "\r\n" + repeated(" 1 x", 48));
        row("100,000 characters", head + "|1|" + QByteArray(100000, 'x') + "|1|\r\n" +
                                      QByteArray(100000, '|') + "\r\n" + QByteArray(100000, '9'));
        row("binary junk", junk());
        row("NUL in the middle", head + QByteArray("|1|Na") + '\0' + "me|1|1|1|\r\n|2|B|");
        row("no header, no line end", "|1|x|1|1|1|1|1");
        row("a folder", QByteArray());
    }
    QTest::newRow("header past every end")
        << "Baseball.Years" << QByteArray("Y|9|x|99999|-5|abc|z|\r\n");
    QTest::newRow("big window") << "Baseball.Years"
                                << QByteArray("Y|7||1|99999|99999||\r\n|1|S|1|\r\n");
}

void TestDamagedFolders::everyTabOfADamagedFolder() {
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    const bool folder = content.isEmpty();
    if (folder) {
        QFile::remove(dir.filePath(file));
        QVERIFY(QDir(dir.path()).mkdir(file));
    } else {
        writeFile(dir.filePath(file), content);
    }
    QList<QMessageBox::StandardButton> answers;
    for (int i = 0; i < 20; ++i)
        answers << QMessageBox::Discard;  // every message answered; the close discards
    Messages::presetAnswers(answers);
    {
        TMainForm form(dir.path());
        form.show();
        auto* tabs = form.findChild<QTabBar*>("BottomTab");
        auto* table = form.findChild<QTableWidget*>("Table");
        for (int tab = 0; tab < 8; ++tab) {
            tabs->setCurrentIndex(tab);
            QCOMPARE(tabs->currentIndex(), tab);
            QVERIFY(table->rowCount() >= 1);
            QVERIFY(table->columnCount() >= 1);
        }
        const QStringList shown = Messages::shownTexts();
        if (folder) {
            // Told once, with the file's name.
            QCOMPARE(shown.filter(file).size(), 1);
            QVERIFY2(shown.first().contains(file), qPrintable(shown.join('\n')));
        } else {
            // A file cut short by a NUL is named once; the schedule tab names a game date it
            // cannot read, as it does for any game; nothing else is a message.
            QVERIFY(shown.filter("NUL character").size() <= 1);
            if (content.contains('\0'))
                QCOMPARE(shown.filter("NUL character").size(), 1);
            for (const QString& text : shown) {
                const bool nul = text.contains("NUL character") && text.contains(file);
                const bool date =
                    file == "Y1L1.Games" && text.endsWith("is not a valid date and time");
                QVERIFY2(nul || date, qPrintable(text));
            }
        }
        form.close();
    }
    if (folder)
        QVERIFY(QFileInfo(dir.filePath(file)).isDir());
}

void TestDamagedFolders::unreadableFileWithoutPermission() {
    if (geteuid() == 0)
        QSKIP("permissions do not stop root from reading");
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    const QString path = dir.filePath("Y1L1.Teams");
    QVERIFY(QFile::setPermissions(path, QFileDevice::Permissions()));
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Discard, QMessageBox::Discard});
    {
        TMainForm form(dir.path());
        form.show();
        for (int tab = 0; tab < 8; ++tab)
            form.findChild<QTabBar*>("BottomTab")->setCurrentIndex(tab);
        QCOMPARE(Messages::shownTexts().filter("Y1L1.Teams").size(), 1);
        form.close();
    }
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(readFile(path), QByteArray("T|\r\n|1|Tigers|2|1||1|\r\n|2|Eagles|1|2|||\r\n"));
}

void TestDamagedFolders::fullDiskOnCloseOffersRetry() {
    QTemporaryDir dir;
    writeGoodFolder(dir.path());
    const QByteArray oldTeams = readFile(dir.filePath("Y1L1.Teams"));
    TMainForm form(dir.path());
    form.show();
    form.store().ensureTeams();
    form.store().team.name = "Renamed";
    form.store().writeTeam();
    pny::setDiskSpaceHook([](const QString& path, qint64 size) {
        return path.endsWith("Y1L1.Teams") ? size / 3 : size;
    });

    // Retry fails again; Cancel keeps the window and the change.
    Messages::presetAnswers({QMessageBox::Retry, QMessageBox::Cancel});
    QVERIFY(!form.close());
    QVERIFY(form.isVisible());
    const QStringList shown = Messages::shownTexts();
    QCOMPARE(shown.size(), 2);
    QVERIFY2(shown.at(0).contains("could not be saved") && shown.at(0).contains("Y1L1.Teams") &&
                 shown.at(0).contains("No space left"),
             qPrintable(shown.at(0)));
    QCOMPARE(readFile(dir.filePath("Y1L1.Teams")), oldTeams);
    QVERIFY(form.store().changed.teams);

    // With room again, closing saves the change it kept.
    pny::setDiskSpaceHook({});
    Messages::clearShown();
    QVERIFY(form.close());
    QVERIFY(Messages::shownTexts().isEmpty());
    QVERIFY(readFile(dir.filePath("Y1L1.Teams")).contains("|Renamed|"));
}

QTEST_MAIN(TestDamagedFolders)
#include "tst_damagedfolders.moc"
