#include "settingsfixture.h"

#include <QTest>

using namespace pny;
using namespace settingsfixture;

// The table font and colour the league keeps, and the settings dialogs' help topics.
class TestFontSettings : public QObject, private SettingsFixture {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void fontStored_data();
    void fontStored();
    void fontCancelledChangesNothing();
    void fontDialogChoosesColour();
    void helpTopics();
};

void TestFontSettings::initTestCase() {
    testsupport::pinLocale();
    makeDialogs();
}

void TestFontSettings::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestFontSettings::cleanup() {
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
    presetFontChoices({});
    store_.reset();
    dir_.reset();
}

void TestFontSettings::fontStored_data() {
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("italic");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("fields");  // fields 7 to 11

    QTest::newRow("black") << "Sans Serif" << 10 << false << false << QColor(Qt::black)
                           << "|Sans Serif|10||";
    QTest::newRow("red bold") << "Serif" << 12 << true << false << QColor(255, 0, 0)
                              << "255|Serif|12|1|";
    QTest::newRow("blue italic") << "Monospace" << 8 << false << true << QColor(0, 0, 255)
                                 << "16711680|Monospace|8||1";
}

void TestFontSettings::fontStored() {
    QFETCH(QString, family);
    QFETCH(int, points);
    QFETCH(bool, bold);
    QFETCH(bool, italic);
    QFETCH(QColor, colour);
    QFETCH(QString, fields);
    LeagueRecord league = freshLeague();
    league.fontColor = "65280";
    league.bold = "1";
    load(league);
    QTableWidget table;
    QFont font(family, points);
    font.setBold(bold);
    font.setItalic(italic);
    presetFontChoices({FontChoice{font, colour}});
    QVERIFY(chooseTableFont(nullptr, *store_, &table));
    QCOMPARE(field(store_->leagues.line(1), 7) + '|' + field(store_->leagues.line(1), 8) + '|' +
                 field(store_->leagues.line(1), 9) + '|' + field(store_->leagues.line(1), 10) +
                 '|' + field(store_->leagues.line(1), 11),
             fields);
    QCOMPARE(table.font().pointSize(), points);
    QCOMPARE(table.font().bold(), bold);
    QCOMPARE(table.palette().color(QPalette::Text), colour);
    QCOMPARE(table.verticalHeader()->defaultSectionSize(), QFontMetrics(font).height() + 4);
    QVERIFY(store_->changed.leagues);
}

void TestFontSettings::fontCancelledChangesNothing() {
    load(freshLeague());
    QTableWidget table;
    const QFont before = table.font();
    const std::string line = store_->leagues.line(1);
    presetFontChoices({std::nullopt});
    QVERIFY(!chooseTableFont(nullptr, *store_, &table));
    QCOMPARE(table.font(), before);
    QCOMPARE(store_->leagues.line(1), line);
    QVERIFY(!store_->changed.leagues);
}

void TestFontSettings::fontDialogChoosesColour() {
    load(freshLeague());
    QTableWidget table;
    QFont start(QStringLiteral("Serif"), 9);
    table.setFont(start);
    QPalette palette = table.palette();
    palette.setColor(QPalette::Text, QColor(0, 128, 0));
    table.setPalette(palette);
    QColor startColour;
    int startSize = 0;
    whenShown([&](QWidget* d) {
        auto* dialog = qobject_cast<TFontDialog*>(d);
        QVERIFY(dialog);
        QCOMPARE(d->objectName(), QStringLiteral("FontDialog"));
        startColour = dialog->chosenColour();
        startSize = dialog->chosenFont().pointSize();
        QFont chosen(QStringLiteral("Serif"), 14);
        chosen.setItalic(true);
        dialog->setChoice(chosen, QColor(0, 0, 128));
        click(d, "OkButton");
    });
    QVERIFY(chooseTableFont(nullptr, *store_, &table));
    QCOMPARE(startColour, QColor(0, 128, 0));
    QCOMPARE(startSize, 9);
    QCOMPARE(field(store_->leagues.line(1), 7), QStringLiteral("8388608"));
    QCOMPARE(field(store_->leagues.line(1), 9), QStringLiteral("14"));
    QCOMPARE(field(store_->leagues.line(1), 11), QStringLiteral("1"));
    QCOMPARE(table.palette().color(QPalette::Text), QColor(0, 0, 128));
}

void TestFontSettings::helpTopics() {
    for (const char* topic : {"Sort_Button", "Player_Statistics", "Font_Button"})
        QVERIFY2(HelpViewer::urlOfTopic(QLatin1String(topic)).contains("settings.html"), topic);
    load(freshLeague());
    whenShown([](QWidget* d) {
        click(d, "HelpButton");
        QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Sort_Button"));
        click(d, "CancelButton");
    });
    setup_->Execute(*store_);
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Sort_Button"));
    whenShown([](QWidget* d) {
        click(d, "HelpButton");
        QVERIFY(QApplication::activeModalWidget() == d);
        click(d, "CancelButton");
    });
    psort_->Execute(*store_, 3, QStringLiteral("Running"));
    QCOMPARE(HelpViewer::lastTopic(), QStringLiteral("Player_Statistics"));
}

QTEST_MAIN(TestFontSettings)
#include "tst_fontsettings.moc"
