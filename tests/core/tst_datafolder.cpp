#include "about/startarguments.h"
#include "store/datafolder.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

// The data folder rule both programs share: the program folder when the user can write it and
// it is not a system-wide installation, else ~/Pennantry, made on first use; a named folder wins.
class TestDataFolder : public QObject {
    Q_OBJECT
private slots:
    void chosenFolder_data();
    void chosenFolder();
    void namedFolderIsTakenAsItIs();
    void homeFolderThatIsAFileIsReported();
    void readOnlyMountIsNotWritableEvenForRoot();
    void examplesFolderOfEachLayout();
    void startArguments_data();
    void startArguments();
};

namespace {

enum class Layout { Own, SharedBin, BinWithoutShare };

// Makes the program folder of a layout under `root` and returns it.
QString makeProgramFolder(const QString& root, Layout layout) {
    QString program = root + "/Pennantry";
    if (layout == Layout::SharedBin) {
        program = root + "/usr/bin";
        QDir().mkpath(root + "/usr/share/pennantry/examples");
    } else if (layout == Layout::BinWithoutShare) {
        program = root + "/opt/bin";
    }
    QDir().mkpath(program);
    return program;
}

}  // namespace

void TestDataFolder::chosenFolder_data() {
    QTest::addColumn<int>("layout");
    QTest::addColumn<bool>("writable");
    QTest::addColumn<bool>("inProgramFolder");
    QTest::newRow("own folder, writable") << int(Layout::Own) << true << true;
    QTest::newRow("own folder, read-only") << int(Layout::Own) << false << false;
    QTest::newRow("system bin, writable (root)") << int(Layout::SharedBin) << true << false;
    QTest::newRow("system bin, read-only") << int(Layout::SharedBin) << false << false;
    QTest::newRow("a bin folder of one's own") << int(Layout::BinWithoutShare) << true << true;
}

void TestDataFolder::chosenFolder() {
    QFETCH(int, layout);
    QFETCH(bool, writable);
    QFETCH(bool, inProgramFolder);
    QTemporaryDir root;
    const QString program = makeProgramFolder(root.path(), Layout(layout));
    const QString home = root.path() + "/home";
    QVERIFY(QDir().mkpath(home));
    QStringList asked;
    pny::DataFolderPlaces places{program, home, [&](const QString& folder) {
                                     asked << folder;
                                     return writable;
                                 }};

    QString error;
    const QString chosen = pny::chooseDataFolder(QString(), places, error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    const QString expected = inProgramFolder ? program : home + "/Pennantry";
    QCOMPARE(QFileInfo(chosen).absoluteFilePath(), QFileInfo(expected).absoluteFilePath());
    QVERIFY(QFileInfo(chosen).isDir());
    // The home folder is made only when it is chosen.
    QCOMPARE(QFileInfo::exists(home + "/Pennantry"), !inProgramFolder);
    if (Layout(layout) == Layout::Own)
        QCOMPARE(asked, QStringList{QDir(program).absolutePath()});
    // Chosen again, the made folder is simply taken.
    QCOMPARE(pny::chooseDataFolder(QString(), places, error), chosen);
    QVERIFY(error.isEmpty());
}

void TestDataFolder::namedFolderIsTakenAsItIs() {
    QTemporaryDir root;
    const QString home = root.path() + "/home";
    pny::DataFolderPlaces places{root.path() + "/ro", home, [](const QString&) { return false; }};
    QString error;
    QCOMPARE(pny::chooseDataFolder(root.path() + "/Stats", places, error), root.path() + "/Stats");
    QVERIFY(error.isEmpty());
    QVERIFY(!QFileInfo::exists(home + "/Pennantry"));
}

void TestDataFolder::homeFolderThatIsAFileIsReported() {
    QTemporaryDir root;
    testsupport::writeFile(root.path() + "/Pennantry", "not a folder");
    pny::DataFolderPlaces places{root.path() + "/ro", root.path(),
                                 [](const QString&) { return false; }};
    QString error;
    const QString chosen = pny::chooseDataFolder(QString(), places, error);
    QCOMPARE(chosen, root.path() + "/Pennantry");
    QVERIFY2(error.contains("is not a folder"), qPrintable(error));
    QCOMPARE(testsupport::readFile(chosen), QByteArray("not a folder"));

    // A home folder nobody can write into: the reason is given, nothing else happens.
    QVERIFY(QFile::remove(chosen));
    testsupport::writeFile(root.path() + "/locked-home", "");
    places.homeFolder = root.path() + "/locked-home";  // a file: nothing can be made under it
    pny::chooseDataFolder(QString(), places, error);
    QVERIFY2(error.contains("could not be made"), qPrintable(error));
}

void TestDataFolder::readOnlyMountIsNotWritableEvenForRoot() {
    const pny::DataFolderPlaces running = pny::runningProgramPlaces();
    QTemporaryDir writable;
    QVERIFY(running.canWrite(writable.path()));
    QVERIFY(!running.canWrite(writable.path() + "/missing"));
    if (::geteuid() != 0)
        QSKIP("mounting a read-only file system needs root");
    QTemporaryDir mount;
    if (QProcess::execute("mount", {"-t", "tmpfs", "-o", "ro,size=64k", "tmpfs", mount.path()}) !=
        0)
        QSKIP("no tmpfs can be mounted here");
    const auto unmount = qScopeGuard([&] { QProcess::execute("umount", {mount.path()}); });
    QVERIFY(!running.canWrite(mount.path()));

    // A program folder on it sends the data home, through the real check.
    QTemporaryDir home;
    const pny::DataFolderPlaces places{mount.path(), home.path(), running.canWrite};
    QString error;
    QCOMPARE(pny::chooseDataFolder(QString(), places, error), home.path() + "/Pennantry");
    QVERIFY(error.isEmpty());
    QVERIFY(QFileInfo(home.path() + "/Pennantry").isDir());
}

void TestDataFolder::examplesFolderOfEachLayout() {
    QTemporaryDir root;
    const QString own = makeProgramFolder(root.path(), Layout::Own);
    QCOMPARE(pny::installedExamplesFolder(own), QDir(own).absoluteFilePath("examples"));
    const QString shared = makeProgramFolder(root.path(), Layout::SharedBin);
    QCOMPARE(pny::installedExamplesFolder(shared), root.path() + "/usr/share/pennantry/examples");
    QVERIFY(pny::isSharedInstallation(shared));
    QVERIFY(!pny::isSharedInstallation(own));
    QVERIFY(!pny::isSharedInstallation(makeProgramFolder(root.path(), Layout::BinWithoutShare)));
}

void TestDataFolder::startArguments_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("importFile");
    QTest::addColumn<QString>("error");
    QTest::newRow("nothing") << QStringList{} << ""
                             << ""
                             << "";
    QTest::newRow("a folder") << QStringList{"@/data"} << "@/data"
                              << ""
                              << "";
    QTest::newRow("a file") << QStringList{"@/LEAGUE.PZS"} << ""
                            << "@/LEAGUE.PZS"
                            << "";
    QTest::newRow("folder and file") << QStringList{"@/LEAGUE.PZS", "@/data"} << "@/data"
                                     << "@/LEAGUE.PZS"
                                     << "";
    QTest::newRow("missing") << QStringList{"@/nothing"} << ""
                             << ""
                             << "no such folder or file";
    QTest::newRow("two folders") << QStringList{"@/data", "@"} << "@/data"
                                 << ""
                                 << "more than one data folder";
    QTest::newRow("unknown option") << QStringList{"--folder"} << ""
                                    << ""
                                    << "unknown option";
}

void TestDataFolder::startArguments() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, folder);
    QFETCH(QString, importFile);
    QFETCH(QString, error);
    QTemporaryDir root;
    QVERIFY(QDir().mkpath(root.path() + "/data"));
    testsupport::writeFile(root.path() + "/LEAGUE.PZS", "[Header]\n");
    arguments.replaceInStrings("@", root.path());
    const pny::StartArguments start = pny::readStartArguments(arguments);
    QCOMPARE(start.folder, folder.replace("@", root.path()));
    QCOMPARE(start.importFile, importFile.replace("@", root.path()));
    QVERIFY2(error.isEmpty() ? start.error.isEmpty() : start.error.contains(error),
             qPrintable(start.error));
}

QTEST_GUILESS_MAIN(TestDataFolder)
#include "tst_datafolder.moc"
