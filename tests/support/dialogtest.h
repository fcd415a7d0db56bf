#pragma once

#include <QApplication>
#include <QByteArray>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace testsupport {

// The text of a data file holding these record lines.
inline QByteArray recordLines(const std::vector<std::string>& records) {
    QByteArray text;
    for (const std::string& line : records)
        text += QByteArray::fromStdString(line) + "\r\n";
    return text;
}

// Runs `steps` on the modal dialog as soon as it shows.
inline void whenShown(std::function<void(QDialog*)> steps) {
    QTimer::singleShot(0, [steps] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog)
            steps(dialog);
    });
}

}  // namespace testsupport
