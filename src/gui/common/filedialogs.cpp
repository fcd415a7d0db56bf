#include "common/filedialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QStringList& presets() {
    static QStringList names;
    return names;
}

QString& lastStartText() {
    static QString start;
    return start;
}

}  // namespace

bool FileDialogs::takePreset(const QString& start, QString& name) {
    lastStartText() = start;
    if (presets().isEmpty())
        return false;
    name = presets().takeFirst();
    return true;
}

QString FileDialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter) {
    QString name;
    if (takePreset(folder, name))
        return name;
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString FileDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter, QString* selectedFilter) {
    QString name;
    if (takePreset(folder, name))
        return name;
    return QFileDialog::getSaveFileName(parent, caption, folder, filter, selectedFilter);
}

QString FileDialogs::existingFolder(QWidget* parent, const QString& caption,
                                    const QString& folder) {
    QString name;
    if (takePreset(folder, name))
        return name;
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

QString FileDialogs::documentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

void FileDialogs::presetNames(const QStringList& names) {
    presets() = names;
}

QString FileDialogs::lastStart() {
    return lastStartText();
}
