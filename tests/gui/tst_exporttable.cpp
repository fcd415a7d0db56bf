// Export Table writes what pny export writes: the schedule's calendar (the website's, with its
// time zone and UIDs, only the games shown) and the standalone page in the website's frame.
#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include "schedulefolder.h"
#include "testsupport.h"

#include <QAction>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

namespace {

QByteArray runPny(const QStringList& arguments) {
    QProcess pny;
    pny.start(QStringLiteral(PNY_CLI), arguments);
    if (!pny.waitForFinished(30000) || pny.exitCode() != 0)
        return "pny failed: " + pny.readAllStandardError();
    return pny.readAllStandardOutput();
}

}  // namespace

class TestExportTable : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void writesWhatPnyWrites_data();
    void writesWhatPnyWrites();
};

void TestExportTable::initTestCase() {
    pinLocale();
    // A zone with summer time, for the window and the pny it starts alike.
    qputenv("TZ", "America/Chicago");
}

void TestExportTable::cleanup() {
    Messages::presetAnswers({});
    FileDialogs::presetNames({});
}

void TestExportTable::writesWhatPnyWrites_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("holds");  // a line the file must hold
    QTest::newRow("calendar") << "games.ics"
                              << "ics"
                              << QByteArray("DTSTART;TZID=America/Chicago:20260611T183000\r\n");
    QTest::newRow("web page") << "games.html"
                              << "html" << QByteArray("<html lang=\"en\">\n");
    QTest::newRow("csv") << "games.csv"
                         << "csv" << QByteArray("Riverside Park");
}

void TestExportTable::writesWhatPnyWrites() {
    QFETCH(QString, file);
    QFETCH(QString, format);
    QFETCH(QByteArray, holds);
    QTemporaryDir dir;
    writeScheduleFolder(dir.path(),
                        {"|20260611|1830|1|1|2|1|2|3|4|12|7|", "X|20260612|1000|2|3|1|4|3|2|1||",
                         "|20260618|1830|1|2|3|||||", "|20260619|2015|2|1|3|2||||3|3|"},
                        {"|1|Riverside Park|", "|2|Cooper Meadow North|"}, {});
    QTemporaryDir out;
    const QString path = out.filePath(file);
    {
        TMainForm form(dir.path());
        form.show();
        QCOMPARE(form.currentTab(), 7);
        FileDialogs::presetNames({path});
        Messages::presetAnswers({QMessageBox::Ok});
        form.findChild<QAction*>("ExportItem")->trigger();
        QVERIFY(form.close());
    }
    const QByteArray written = readFile(path);
    QVERIFY2(written.contains(holds), written.left(400).constData());
    QCOMPARE(written,
             runPny({"export", "--folder", dir.path(), "--tab", "Schedule", "--format", format}));
}

QTEST_MAIN(TestExportTable)
#include "tst_exporttable.moc"
