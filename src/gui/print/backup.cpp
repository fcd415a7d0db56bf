#include "print/backup.h"

#include "common/messages.h"
#include "help/helpviewer.h"
#include "print/backupcopy.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

TBackupForm::TBackupForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BackupForm"));
    setWindowTitle(QStringLiteral("PNY Backup to:"));

    dirLabel_ = new QLabel(this);
    dirLabel_->setObjectName(QStringLiteral("DirLabel"));
    dirLabel_->setAlignment(Qt::AlignCenter);

    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    directoryListBox_ = new QTreeView(this);
    directoryListBox_->setObjectName(QStringLiteral("DirectoryListBox"));
    directoryListBox_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        directoryListBox_->hideColumn(column);
    directoryListBox_->header()->hide();
    connect(directoryListBox_->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (current.isValid()) {
                    destination_ = model_->filePath(current);
                    dirLabel_->setText(QDir::toNativeSeparators(destination_));
                }
            });

    driveComboBox_ = new QComboBox(this);
    driveComboBox_->setObjectName(QStringLiteral("DriveComboBox"));
    fillDrives();
    connect(driveComboBox_, &QComboBox::activated, this, &TBackupForm::DriveComboBoxChange);

    auto* backupBtn = new QPushButton(QStringLiteral("Backup"), this);
    backupBtn->setObjectName(QStringLiteral("BackupBtn"));
    backupBtn->setDefault(true);
    auto* helpBtn = new QPushButton(QStringLiteral("&Help"), this);
    helpBtn->setObjectName(QStringLiteral("HelpBtn"));
    auto* cancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    cancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(backupBtn, &QPushButton::clicked, this, &TBackupForm::BackupBtnClick);
    connect(helpBtn, &QPushButton::clicked, this, &TBackupForm::HelpBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(driveComboBox_, 1);
    buttons->addWidget(backupBtn);
    buttons->addWidget(helpBtn);
    buttons->addWidget(cancelBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dirLabel_);
    layout->addWidget(directoryListBox_, 1);
    layout->addLayout(buttons);

    // Not in the layout: while a backup runs it covers the whole dialog.
    fileListBox_ = new QListWidget(this);
    fileListBox_->setObjectName(QStringLiteral("FileListBox"));
    fileListBox_->hide();

    resize(420, 360);
}

void TBackupForm::fillDrives() {
    driveComboBox_->clear();
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        driveComboBox_->addItem(QDir::toNativeSeparators(volume.rootPath()).toUpper(),
                                volume.rootPath());
    }
}

void TBackupForm::showDrive(const QString& root) {
    model_->setRootPath(root);
    directoryListBox_->setRootIndex(model_->index(root));
    const int at = driveComboBox_->findData(root);
    if (at < 0) {
        driveComboBox_->addItem(QDir::toNativeSeparators(root).toUpper(), root);
        driveComboBox_->setCurrentIndex(driveComboBox_->count() - 1);
    } else {
        driveComboBox_->setCurrentIndex(at);
    }
}

void TBackupForm::setDestination(const QString& folder) {
    started_ = true;
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    showDrive(QStorageInfo(path).isValid() ? QStorageInfo(path).rootPath() : QDir::rootPath());
    destination_ = path;
    const QModelIndex index = model_->index(path);
    if (index.isValid() && index != directoryListBox_->rootIndex())
        directoryListBox_->setCurrentIndex(index);
    destination_ = path;
    dirLabel_->setText(QDir::toNativeSeparators(destination_));
}

void TBackupForm::DriveComboBoxChange(int index) {
    const QString root = driveComboBox_->itemData(index).toString();
    if (!root.isEmpty())
        setDestination(root);
    directoryListBox_->setFocus();
}

void TBackupForm::BackupAll(const QString& dataFolder) {
    dataFolder_ = dataFolder;
    // The first time, the folder tree starts at the root of the data folder's drive.
    if (!started_)
        setDestination(QStorageInfo(dataFolder).rootPath());
    fileListBox_->hide();
    directoryListBox_->setFocus();
    exec();
}

void TBackupForm::BackupBtnClick() {
    if (destination_.isEmpty())
        return;
    const QStringList names = pny::backupFileNames(dataFolder_);
    fileListBox_->clear();
    fileListBox_->addItems(names);
    fileListBox_->setGeometry(rect());
    fileListBox_->raise();
    fileListBox_->show();
    fileListBox_->setFocus();
    const pny::BackupResult result =
        pny::backupAll(dataFolder_, destination_, names, [this](int i) {
            fileListBox_->setCurrentRow(i);
            fileListBox_->repaint();
        });
    fileListBox_->hide();
    if (!result.ok()) {
        // The dialog stays, so that another folder can be chosen.
        Messages::error(this, result.failureMessage());
        directoryListBox_->setFocus();
        return;
    }
    Messages::information(this, QStringLiteral("%1 %2 copied to \"%3\".")
                                    .arg(result.copied)
                                    .arg(result.copied == 1 ? QStringLiteral("file was")
                                                            : QStringLiteral("files were"))
                                    .arg(QDir::toNativeSeparators(destination_)));
    accept();
}

void TBackupForm::HelpBtnClick() {
    HelpViewer::showTopic(QStringLiteral("File_Button"));
    directoryListBox_->setFocus();
}
