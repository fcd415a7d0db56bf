#include "store/filecommit.h"

#include "testsupport.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <vector>

using pny::CommitStep;
using pny::FaultAction;
using pny::SyncScope;
using testsupport::writeFile;

namespace {

// What happened during a save, in order: the steps the commit announced and the syncs that really
// ran (a step is announced whether or not its work is then done, so only the syncs prove it was).
struct Event {
    bool isSync = false;
    CommitStep step = CommitStep::WriteTemp;
    SyncScope scope = SyncScope::File;
    QString path;
};

QString clean(const QString& path) {
    return QFileInfo(path).absoluteFilePath();
}

// Records every event; at the first rename also notes which temporary files and journal stand in
// the folder, as each of them must be on the disk by then.
struct Recorder {
    std::vector<Event> events;
    int firstRename = -1;
    QStringList waiting;  // the temporary files and the journal at the first rename

    explicit Recorder(const QString& folder) {
        pny::setSyncHook([this](SyncScope scope, const QString& path) {
            events.push_back({true, CommitStep::WriteTemp, scope, clean(path)});
        });
        pny::setCommitFaultHook([this, folder](CommitStep step, const QString& path) {
            if (step == CommitStep::Rename && firstRename < 0) {
                firstRename = static_cast<int>(events.size());
                const QDir dir(folder);
                for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
                    if (pny::isCommitTempName(name) || name == QLatin1String(pny::kJournalName))
                        waiting << clean(dir.filePath(name));
                }
            }
            events.push_back({false, step, SyncScope::File, clean(path)});
            return FaultAction::Continue;
        });
    }
    ~Recorder() {
        pny::setSyncHook({});
        pny::setCommitFaultHook({});
    }

    // The event that last wrote `file` (a temporary file or the journal) before the first rename.
    int writtenAt(const QString& file) const {
        int at = -1;
        const QString name = QFileInfo(file).fileName();
        for (int i = 0; i < firstRename; ++i) {
            const Event& e = events[static_cast<std::size_t>(i)];
            if (e.isSync)
                continue;
            const QString target = QFileInfo(e.path).fileName();
            const bool writes = (e.step == CommitStep::WriteTemp &&
                                 name.startsWith(target + QLatin1String(".~pny"))) ||
                                (e.step == CommitStep::WriteJournal && name == target);
            if (writes)
                at = i;
        }
        return at;
    }

    // True when a sync that ran after `file` was written and before the first rename covers it.
    bool syncedBeforeRename(const QString& file) const {
        const QString folder = QFileInfo(file).absolutePath();
        for (int i = writtenAt(file) + 1; i < firstRename; ++i) {
            const Event& e = events[static_cast<std::size_t>(i)];
            if (!e.isSync)
                continue;
            if ((e.scope == SyncScope::File && e.path == file) ||
                (e.scope == SyncScope::FileSystem && e.path == folder))
                return true;
        }
        return false;
    }

    // True when the folder's entries were synced after the last rename.
    bool folderSyncedAfterRenames(const QString& folder) const {
        int lastRename = -1;
        for (int i = 0; i < static_cast<int>(events.size()); ++i) {
            const Event& e = events[static_cast<std::size_t>(i)];
            if (!e.isSync && e.step == CommitStep::Rename)
                lastRename = i;
        }
        for (int i = lastRename + 1; i < static_cast<int>(events.size()); ++i) {
            const Event& e = events[static_cast<std::size_t>(i)];
            if (e.isSync && e.scope != SyncScope::File && e.path == clean(folder))
                return true;
        }
        return false;
    }
};

}  // namespace

class TestCommitSync : public QObject {
    Q_OBJECT
private slots:
    void everythingIsSyncedBeforeTheFirstRename_data();
    void everythingIsSyncedBeforeTheFirstRename();
};

void TestCommitSync::everythingIsSyncedBeforeTheFirstRename_data() {
    QTest::addColumn<QStringList>("existing");  // files in the folder before the save
    QTest::addColumn<QStringList>("written");   // the files the save writes
    QTest::addColumn<bool>("single");           // one file written alone rather than a commit
    QTest::newRow("one new file") << QStringList{} << QStringList{"Baseball.Years"} << false;
    QTest::newRow("three files, two replaced")
        << QStringList{"Baseball.Years", "Y1.Leagues"}
        << QStringList{"Baseball.Years", "Y1.Leagues", "Y2.Leagues"} << false;
    QTest::newRow("a journal left before")
        << QStringList{"Pennantry.Journal"} << QStringList{"Y1L1.Teams", "Y1L1T1.Players"} << false;
    QTest::newRow("one file alone, new") << QStringList{} << QStringList{"Y1L1.Log"} << true;
    QTest::newRow("one file alone, replaced")
        << QStringList{"Pennantry.People"} << QStringList{"Pennantry.People"} << true;
}

void TestCommitSync::everythingIsSyncedBeforeTheFirstRename() {
    QFETCH(QStringList, existing);
    QFETCH(QStringList, written);
    QFETCH(bool, single);
    QTemporaryDir dir;
    for (const QString& name : existing)
        writeFile(dir.filePath(name), "old\r\n");  // a journal cut short: undone first
    Recorder recorder(dir.path());
    QString error;
    if (single) {
        QVERIFY2(pny::writeFileAtomically(dir.filePath(written.first()), "new\r\n", error),
                 qPrintable(error));
    } else {
        pny::FileCommit commit;
        for (const QString& name : written)
            commit.add(dir.filePath(name), "new " + name.toLatin1() + "\r\n");
        QVERIFY2(commit.run(error), qPrintable(error));
    }
    QVERIFY(recorder.firstRename >= 0);
    // Every temporary file, and the journal of a commit, waits at the first rename.
    QCOMPARE(recorder.waiting.size(), written.size() + (single ? 0 : 1));
    for (const QString& file : recorder.waiting)
        QVERIFY2(recorder.syncedBeforeRename(file), qPrintable(file + " was not synced"));
    QVERIFY(recorder.folderSyncedAfterRenames(dir.path()));
    for (const QString& name : written)
        QVERIFY(QFileInfo(dir.filePath(name)).isFile());
}

QTEST_GUILESS_MAIN(TestCommitSync)
#include "tst_commitsync.moc"
