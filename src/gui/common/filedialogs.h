#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file dialog of the program goes through here, so that tests can preset the next answer:
// a queued name is taken instead of showing a dialog (an empty name stands for Cancel).
class FileDialogs {
public:
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter, QString* selectedFilter = nullptr);
    static QString existingFolder(QWidget* parent, const QString& caption, const QString& folder);

    // Where a file of the user's starts out: the documents folder, or the home folder where
    // there is no documents folder; never the data folder.
    static QString documentsFolder();

    // Test hooks: the next answers, in order; the folder or file name the last dialog was
    // opened at.
    static void presetNames(const QStringList& names);
    static QString lastStart();

private:
    static bool takePreset(const QString& start, QString& name);
};
