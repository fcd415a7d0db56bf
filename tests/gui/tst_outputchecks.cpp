#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"
#include "print/print.h"

#include "leaguefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace testsupport;

namespace {

// Every entry of a folder with its type and, for files, its checksum.
QStringList snapshot(const QString& folder) {
    QStringList entries;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        const QFileInfo info(dir.filePath(name));
        QString entry = name;
        if (info.isSymLink())
            entry += " -> " + info.symLinkTarget();
        else if (info.isFile())
            entry +=
                " " + QCryptographicHash::hash(readFile(info.filePath()), QCryptographicHash::Sha1)
                          .toHex();
        else
            entry += info.isDir() ? " folder" : " other";
        entries << entry;
    }
    return entries;
}

// Makes `path` a hostile entry: "fifo", "folder", "link" (to the data folder's teams file).
void makeEntry(const QString& path, const QString& kind, const QString& data) {
    if (kind == "fifo")
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0644) == 0);
    else if (kind == "folder")
        QVERIFY(QDir().mkdir(path));
    else if (kind == "link")
        QVERIFY(QFile::link(QDir(data).filePath("Y1L1.Teams"), path));
}

}  // namespace

// Every window that writes a file the user names refuses a data file of ours and anything that is
// not an ordinary file, says why, and leaves the data folder and the entry as they were.
class TestOutputChecks : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { pinLocale(); }
    void cleanup() {
        Messages::presetAnswers({});
        Messages::clearShown();
        FileDialogs::presetNames({});
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
    }
    void writersRefuseHostileTargets_data();
    void writersRefuseHostileTargets();
};

void TestOutputChecks::writersRefuseHostileTargets_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("target");  // a data file's name, or a kind of entry elsewhere
    QTest::addColumn<QString>("expected");
    const QString ours = "is a name Pennantry keeps its data under";
    // Export Table gives a name without a table format its format's extension, so only the
    // print and the hostile entries can meet a data file's name there.
    for (const char* name : {"Baseball.Years", "Y1L1T1.Players", "Y1L1.Log", "Y1L1.Teams"})
        QTest::addRow("print over %s", name) << "print" << QString(name) << ours;
    for (const char* writer : {"print", "export", "publish"}) {
        QTest::addRow("%s into a FIFO", writer) << writer << "fifo"
                                                << "is a FIFO";
        QTest::addRow("%s over a folder", writer) << writer << "folder"
                                                  << "is a folder";
        QTest::addRow("%s through a link", writer) << writer << "link"
                                                   << "is a symbolic link";
    }
}

void TestOutputChecks::writersRefuseHostileTargets() {
    QFETCH(QString, writer);
    QFETCH(QString, target);
    QFETCH(QString, expected);
    QTemporaryDir data;
    QTemporaryDir out;
    writeLeagueFolder(data.path(), "|1|Majors|1|1|", {"|7|Tigers|6|2|||", "|3|Lions|3|1|||"},
                      {playerLine("23", "Lee", {{6, "4"}, {7, "3"}})});
    writeFile(data.path() + "/Y1L1.Log", "Log|\r\n");
    const bool ours = !QStringList{"fifo", "folder", "link"}.contains(target);
    QString path;
    if (ours) {
        path = QDir(data.path()).filePath(target);
    } else if (writer == "publish") {
        QVERIFY(QDir(out.path()).mkdir("site"));
        path = out.path() + "/site/index.html";
    } else {
        path = out.path() + (writer == "print" ? "/table.pdf" : "/table.csv");
    }
    if (!ours)
        makeEntry(path, target, data.path());
    const QStringList dataBefore = snapshot(data.path());
    const QStringList outBefore = snapshot(QFileInfo(path).absolutePath());
    QStringList dataAfter;

    if (writer == "print") {
        QTableWidget table(2, 3);
        for (int r = 0; r < 2; ++r)
            for (int c = 0; c < 3; ++c)
                table.setItem(r, c, new QTableWidgetItem(QString("r%1c%2").arg(r).arg(c)));
        TPrintForm form;
        form.setOutputFileForTesting(path);
        form.setTable(&table, "1996 Majors");
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QPushButton*>("OkButton")->click();
        dataAfter = snapshot(data.path());
    } else {
        TMainForm form(data.path());
        form.show();
        FileDialogs::presetNames({writer == "publish" ? QFileInfo(path).absolutePath() : path});
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QAction*>(writer == "publish" ? "PublishItem" : "ExportItem")->trigger();
        dataAfter = snapshot(data.path());  // before the window saves its choices on closing
        QVERIFY(form.close());
    }

    QCOMPARE(Messages::shownTexts().size(), 1);
    const QString shown = Messages::shownTexts().front();
    QVERIFY2(shown.contains(QDir::toNativeSeparators(path) + "\" " + expected), qPrintable(shown));
    QCOMPARE(dataAfter, dataBefore);
    QCOMPARE(snapshot(QFileInfo(path).absolutePath()), outBefore);
}

QTEST_MAIN(TestOutputChecks)
#include "tst_outputchecks.moc"
