#include "common/messages.h"
#include "help/helpviewer.h"
#include "print/backup.h"

#include "testsupport.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

using testsupport::readFile;
using testsupport::writeFile;

class TestBackupForm : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        testsupport::pinLocale();
        // The help pages are resources of the static windows library.
        Q_INIT_RESOURCE(resources);
    }
    void cleanup();
    void controlsAndStart();
    void backupCopiesAndCloses();
    void failureIsReportedAndDialogStays();
    void cancelCopiesNothing();
    void driveChoiceMovesTheTree();
};

void TestBackupForm::cleanup() {
    Messages::presetAnswers({});
    Messages::clearShown();
    while (QWidget* modal = QApplication::activeModalWidget())
        modal->close();
}

void TestBackupForm::controlsAndStart() {
    QTemporaryDir data;
    TBackupForm form;
    QCOMPARE(form.objectName(), QString("BackupForm"));
    QCOMPARE(form.windowTitle(), QString("PNY Backup to:"));
    for (const char* name : {"BackupBtn", "HelpBtn", "CancelBtn"})
        QVERIFY2(form.findChild<QPushButton*>(name), name);
    QVERIFY(form.findChild<QTreeView*>("DirectoryListBox"));
    auto* files = form.findChild<QListWidget*>("FileListBox");
    QVERIFY(files);
    auto* drives = form.findChild<QComboBox*>("DriveComboBox");
    QVERIFY(drives && drives->count() > 0);
    for (int i = 0; i < drives->count(); ++i)
        QCOMPARE(drives->itemText(i), drives->itemText(i).toUpper());

    QString label;
    bool listHidden = false;
    QTimer::singleShot(0, this, [&] {
        auto* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        label = modal->findChild<QLabel*>("DirLabel")->text();
        listHidden = !modal->findChild<QListWidget*>("FileListBox")->isVisible();
        modal->findChild<QPushButton*>("HelpBtn")->click();
        modal->findChild<QPushButton*>("CancelBtn")->click();
    });
    form.BackupAll(data.path());
    // The tree starts at the root of the data folder's drive.
    const QString root = QStorageInfo(data.path()).rootPath();
    QCOMPARE(form.destination(), QDir::cleanPath(root));
    QCOMPARE(label, QDir::toNativeSeparators(QDir::cleanPath(root)));
    QVERIFY(listHidden);
    QCOMPARE(HelpViewer::lastTopic(), QString("File_Button"));
    QVERIFY(HelpViewer::urlOfTopic("File_Button").endsWith("#File_Button"));
}

void TestBackupForm::backupCopiesAndCloses() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("Baseball.Years"), "Y|1|");
    writeFile(data.filePath("1999.leagues"), "L|\r\n");
    writeFile(data.filePath("notes.txt"), "x");
    TBackupForm form;
    QStringList listed;
    Messages::presetAnswers({QMessageBox::Ok, QMessageBox::Ok});
    QTimer::singleShot(0, this, [&] {
        auto* modal = qobject_cast<TBackupForm*>(QApplication::activeModalWidget());
        QVERIFY(modal);
        modal->setDestination(dest.path());
        QCOMPARE(modal->findChild<QLabel*>("DirLabel")->text(),
                 QDir::toNativeSeparators(dest.path()));
        modal->findChild<QPushButton*>("BackupBtn")->click();
    });
    form.BackupAll(data.path());
    QCOMPARE(form.result(), int(QDialog::Accepted));
    auto* files = form.findChild<QListWidget*>("FileListBox");
    for (int i = 0; i < files->count(); ++i)
        listed << files->item(i)->text();
    QCOMPARE(listed, (QStringList{"1999.leagues", "Baseball.Years"}));
    QVERIFY(!files->isVisibleTo(&form));
    QCOMPARE(readFile(dest.filePath("Baseball.Years")), QByteArray("Y|1|\r\n"));
    QCOMPARE(readFile(dest.filePath("1999.leagues")), QByteArray("L|\r\n"));
    QVERIFY(!QFile::exists(dest.filePath("notes.txt")));
    // Done, it says how many files went where.
    QCOMPARE(Messages::shownTexts(),
             QStringList{QString("2 files were copied to \"%1\".")
                             .arg(QDir::toNativeSeparators(QDir::cleanPath(dest.path())))});

    // The chosen folder stays for the next backup; a file saved meanwhile is in it.
    writeFile(data.filePath("2000.Leagues"), "L|\r\n|Majors|\r\n");
    QTimer::singleShot(0, this, [&] {
        QApplication::activeModalWidget()->findChild<QPushButton*>("BackupBtn")->click();
    });
    form.BackupAll(data.path());
    QCOMPARE(form.destination(), QDir::cleanPath(dest.path()));
    QCOMPARE(readFile(dest.filePath("2000.Leagues")), QByteArray("L|\r\n|Majors|\r\n"));
}

void TestBackupForm::failureIsReportedAndDialogStays() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("a.Teams"), "T|\r\n");
    writeFile(data.filePath("b.Teams"), "T|\r\n");
    QVERIFY(QDir(dest.path()).mkdir("b.Teams"));
    TBackupForm form;
    form.setDestination(dest.path());
    Messages::presetAnswers({QMessageBox::Ok});
    bool stillOpen = false;
    QTimer::singleShot(0, this, [&] {
        auto* modal = QApplication::activeModalWidget();
        modal->findChild<QPushButton*>("BackupBtn")->click();
        stillOpen = QApplication::activeModalWidget() == modal &&
                    !modal->findChild<QListWidget*>("FileListBox")->isVisible();
        modal->findChild<QPushButton*>("CancelBtn")->click();
    });
    form.BackupAll(data.path());
    QVERIFY(stillOpen);
    QCOMPARE(Messages::shownTexts().size(), 1);
    const QString message = Messages::shownTexts().first();
    QVERIFY2(message.contains("\"b.Teams\"") && message.contains("1 file was copied before it"),
             qPrintable(message));
    QCOMPARE(readFile(dest.filePath("a.Teams")), QByteArray("T|\r\n"));
}

void TestBackupForm::cancelCopiesNothing() {
    QTemporaryDir data;
    QTemporaryDir dest;
    writeFile(data.filePath("a.Teams"), "T|\r\n");
    TBackupForm form;
    form.setDestination(dest.path());
    QTimer::singleShot(0, this, [&] {
        QApplication::activeModalWidget()->findChild<QPushButton*>("CancelBtn")->click();
    });
    form.BackupAll(data.path());
    QCOMPARE(form.result(), int(QDialog::Rejected));
    QVERIFY(QDir(dest.path()).isEmpty());
}

void TestBackupForm::driveChoiceMovesTheTree() {
    QTemporaryDir dest;
    TBackupForm form;
    form.setDestination(dest.path());
    auto* drives = form.findChild<QComboBox*>("DriveComboBox");
    const int index = drives->findText(QDir::toNativeSeparators(QDir::rootPath()).toUpper());
    if (index < 0)
        QSKIP("the root folder is not a mounted volume here");
    form.DriveComboBoxChange(index);
    QCOMPARE(form.destination(), QDir::rootPath());
    QCOMPARE(form.findChild<QLabel*>("DirLabel")->text(),
             QDir::toNativeSeparators(QDir::rootPath()));
}

QTEST_MAIN(TestBackupForm)
#include "tst_backupform.moc"
