#include "notes/notesfiles.h"
#include "store/store.h"

#include <QTemporaryDir>
#include <QTest>

using namespace pny;

class TestNotesFiles : public QObject {
    Q_OBJECT
private slots:
    void namesByKind_data();
    void namesByKind();
    void pathInTheDataFolder();
};

void TestNotesFiles::namesByKind_data() {
    QTest::addColumn<char>("kind");
    QTest::addColumn<QByteArray>("reference");
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("year") << 'Y' << QByteArray("2") << QByteArray("Y2");
    QTest::newRow("league") << 'L' << QByteArray("3") << QByteArray("Y2L3");
    QTest::newRow("team from the Teams tab") << 'T' << QByteArray("4") << QByteArray("Y2L3T4");
    QTest::newRow("team from a game, lower case") << 't' << QByteArray("4") << QByteArray("Y2L3T4");
    QTest::newRow("player") << 'P' << QByteArray("5") << QByteArray("Y2L3T4P5");
    QTest::newRow("field") << 'F' << QByteArray("1") << QByteArray("Y2L3F1");
    QTest::newRow("game") << 'G' << QByteArray("12") << QByteArray("Y2L3G12");
    QTest::newRow("umpire") << 'U' << QByteArray("2") << QByteArray("Y2L3U2");
    QTest::newRow("reference cut to 5")
        << 'P' << QByteArray("1234567") << QByteArray("Y2L3T4P12345");
    QTest::newRow("unknown kind") << 'X' << QByteArray("1") << QByteArray();
}

void TestNotesFiles::namesByKind() {
    QFETCH(char, kind);
    QFETCH(QByteArray, reference);
    QFETCH(QByteArray, name);
    const NotesNames names{"Y2", "Y2L3", "Y2L3T4", "Y2L3"};
    QCOMPARE(QByteArray::fromStdString(notesBaseName(names, kind, reference.toStdString())), name);
}

void TestNotesFiles::pathInTheDataFolder() {
    QTemporaryDir dir;
    Store store(dir.path());
    store.loaded.players = "Y10L10T10";
    QCOMPARE(notesPath(store, 'P', "12345"), dir.path() + "/Y10L10T10P12345.Notes");
    // The name before ".Notes" never exceeds 20 characters.
    store.loaded.players = "Y12345L12345T12345";
    QCOMPARE(notesPath(store, 'P', "12345"), dir.path() + "/Y12345L12345T12345P1.Notes");
}

QTEST_APPLESS_MAIN(TestNotesFiles)
#include "tst_notesfiles.moc"
