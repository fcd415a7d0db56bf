// The main window opens as it was closed: maximised or not, and with the normal size it had
// before it was maximised, which the years file keeps.
#include "main/main.h"
#include "store/records.h"

#include "testsupport.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace testsupport;

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        pinLocale();
        QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
    }
    void reopensAsClosed_data();
    void reopensAsClosed();
};

void TestWindowPlacement::reopensAsClosed_data() {
    QTest::addColumn<QSize>("normal");    // the size the window is given
    QTest::addColumn<bool>("maximised");  // whether it is closed maximised
    QTest::addColumn<int>("runs");        // how many times it is opened and closed so

    QTest::newRow("closed maximised") << QSize(640, 400) << true << 1;
    QTest::newRow("closed maximised twice") << QSize(600, 380) << true << 2;
    QTest::newRow("closed normal") << QSize(700, 420) << false << 1;
}

void TestWindowPlacement::reopensAsClosed() {
    QFETCH(QSize, normal);
    QFETCH(bool, maximised);
    QFETCH(int, runs);

    QTemporaryDir dir;
    {
        TMainForm form(dir.path());
        form.show();
        form.resize(normal);
        QTRY_COMPARE(form.size(), normal);
        if (maximised) {
            form.showMaximized();
            QTRY_VERIFY(form.isMaximized());
            QTRY_COMPARE(form.frameGeometry(), form.screen()->availableGeometry());
        }
        QVERIFY(form.close());
    }
    for (int run = 2; run <= runs; ++run) {
        TMainForm form(dir.path());
        form.show();
        QTRY_COMPARE(form.isMaximized(), maximised);
        QVERIFY(form.close());
    }
    // The years file holds the normal size, never the maximised one.
    const pny::YearsHeader header = pny::YearsHeader::parse(
        readFile(dir.filePath("Baseball.Years")).split('\r').first().toStdString());
    QCOMPARE(QSize(std::stoi(header.width), std::stoi(header.height)), normal);

    TMainForm form(dir.path());
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_COMPARE(form.isMaximized(), maximised);
    if (maximised) {
        QTRY_COMPARE(form.frameGeometry(), form.screen()->availableGeometry());
        form.showNormal();
        QTRY_VERIFY(!form.isMaximized());
    }
    QTRY_COMPARE(form.size(), normal);
    QVERIFY(form.close());
}

QTEST_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
