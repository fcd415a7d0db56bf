// The record a command acts on is the row the user sees highlighted, however the cursor got
// there: every key that moves it, and the mouse.
#include "main/main.h"

#include "modalscript.h"
#include "schedulefolder.h"
#include "testsupport.h"

#include "store/records.h"

#include <QApplication>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace pny;
using testsupport::writeScheduleFolder;

namespace {

QByteArray gameOn(int day) {
    GameRecord game = GameRecord::parse("");
    game.flag.clear();
    game.date = QStringLiteral("202406%1").arg(day, 2, 10, QLatin1Char('0')).toStdString();
    game.time = "1900";
    game.home = "1";
    game.away = "2";
    return QByteArray::fromStdString(game.build());
}

}  // namespace

class TestCurrentRow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::pinLocale(); }

    void movingTheCursorChoosesTheHighlightedGame_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("startRow");
        QTest::addColumn<bool>("fromKeyColumn");  // else from the column the view focuses
        // Ctrl+Home puts the cursor into the key column, and the arrows then move along it.
        QTest::newRow("Ctrl+Home") << int(Qt::Key_Home) << int(Qt::ControlModifier) << 5 << false;
        QTest::newRow("Down") << int(Qt::Key_Down) << int(Qt::NoModifier) << 2 << true;
        QTest::newRow("Up") << int(Qt::Key_Up) << int(Qt::NoModifier) << 2 << true;
        QTest::newRow("Page Down") << int(Qt::Key_PageDown) << int(Qt::NoModifier) << 0 << true;
        QTest::newRow("Page Up") << int(Qt::Key_PageUp) << int(Qt::NoModifier) << 11 << true;
        QTest::newRow("Ctrl+End") << int(Qt::Key_End) << int(Qt::ControlModifier) << 2 << true;
        // Home and End move along the row: the record stays the row's, whichever column.
        QTest::newRow("Home") << int(Qt::Key_Home) << int(Qt::NoModifier) << 4 << false;
        QTest::newRow("End") << int(Qt::Key_End) << int(Qt::NoModifier) << 4 << true;
    }
    // Ctrl+Home used to put the cursor into the key column, which chose no record: the next
    // Update or Ctrl+B opened the game chosen before, not the one highlighted. Ctrl+B, pressed
    // on the table, opens the box score sheet of the highlighted game, and the sheet names it.
    void movingTheCursorChoosesTheHighlightedGame() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, startRow);
        QFETCH(bool, fromKeyColumn);
        QTemporaryDir dir;
        QList<QByteArray> games;
        for (int day = 1; day <= 12; ++day)
            games << gameOn(day);
        writeScheduleFolder(dir.path(), games, {}, {},
                            [](LeagueRecord& league) { league.currentGame = "1"; });
        TMainForm form(dir.path());
        form.show();
        auto* table = form.findChild<QTableWidget*>("Table");
        QVERIFY(table);
        QCOMPARE(table->rowCount(), 12);
        table->setCurrentCell(startRow, fromKeyColumn ? 0 : table->currentColumn());
        QTest::keyClick(table, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        const int row = table->currentRow();
        QVERIFY(row >= 0);
        const QString highlighted = table->item(row, 0)->text().trimmed();
        QCOMPARE(QString::fromStdString(form.store().league.currentGame).trimmed(), highlighted);
        // The game read is that row's: game N is played on June N.
        QCOMPARE(QString::fromStdString(form.store().game.date),
                 QStringLiteral("202406%1").arg(highlighted.toInt(), 2, 10, QLatin1Char('0')));

        QString caption, title;
        ModalScript script;
        script.then("BoxScoreForm", [&](QWidget* sheet) {
            caption = sheet->findChild<QLabel*>("CaptionLabel")->text();
            title = sheet->windowTitle();
            sheet->findChild<QPushButton*>("CancelButton")->click();
        });
        script.start();
        // A window shortcut works in the active window only.
        form.activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&form));
        QTest::keyClick(table, Qt::Key_B, Qt::ControlModifier);
        QTRY_VERIFY(script.finished());
        const QDate day(2024, 6, highlighted.toInt());
        const QString expected =
            QStringLiteral("Box Score: Tigers at Eagles, %1 19:00")
                .arg(QLocale::c().toString(day, QStringLiteral("ddd yyyy-MM-dd")));
        QCOMPARE(caption, expected);
        QCOMPARE(title, expected);
        // Closing the sheet leaves the cursor where it was.
        QCOMPARE(table->currentRow(), row);
    }

    // A click anywhere in a row chooses that row's record.
    void clickingARowChoosesItsGame() {
        QTemporaryDir dir;
        writeScheduleFolder(dir.path(), {gameOn(1), gameOn(2), gameOn(3)}, {}, {},
                            [](LeagueRecord& league) { league.currentGame = "1"; });
        TMainForm form(dir.path());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* table = form.findChild<QTableWidget*>("Table");
        for (int row : {2, 1}) {
            for (int column : {1, table->columnCount() - 1}) {
                const QRect cell = table->visualRect(table->model()->index(row, column));
                QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
                QCOMPARE(table->currentRow(), row);
                QCOMPARE(QString::fromStdString(form.store().league.currentGame).trimmed(),
                         table->item(row, 0)->text().trimmed());
            }
        }
    }
};

QTEST_MAIN(TestCurrentRow)
#include "tst_currentrow.moc"
