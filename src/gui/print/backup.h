#pragma once

#include <QDialog>
#include <QString>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QListWidget;
class QPushButton;
class QTreeView;

// The backup dialog: copies every data and notes file of the data folder into the folder the
// user picks.
class TBackupForm : public QDialog {
    Q_OBJECT
public:
    explicit TBackupForm(QWidget* parent = nullptr);

    // Shows the dialog modally; "Backup" copies the files of `dataFolder`.
    void BackupAll(const QString& dataFolder);

    // The folder the files are copied into; setting it moves the folder tree there.
    QString destination() const { return destination_; }
    void setDestination(const QString& folder);

public slots:
    void BackupBtnClick();
    void HelpBtnClick();
    void DriveComboBoxChange(int index);

private:
    void fillDrives();
    void showDrive(const QString& root);

    QString dataFolder_;
    QString destination_;
    bool started_ = false;  // the tree was set to the data folder's drive

    QLabel* dirLabel_ = nullptr;
    QTreeView* directoryListBox_ = nullptr;
    QFileSystemModel* model_ = nullptr;
    QComboBox* driveComboBox_ = nullptr;
    QListWidget* fileListBox_ = nullptr;
};
