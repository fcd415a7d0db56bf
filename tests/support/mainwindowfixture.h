#pragma once

#include "common/filedialogs.h"
#include "common/messages.h"
#include "main/main.h"

#include <QApplication>
#include <QTemporaryDir>

#include <functional>
#include <memory>

// A main window on a folder of its own, for the tests of the windows it opens from its menu.
// Every case starts with a folder `writeFolder` fills and no message shown, and ends with every
// dialog closed and nothing preset for the next case.
class MainWindowFixture {
protected:
    void openMainWindow(const std::function<void(const QString&)>& writeFolder) {
        dir_ = std::make_unique<QTemporaryDir>();
        writeFolder(dir_->path());
        Messages::clearShown();
        form_ = std::make_unique<TMainForm>(dir_->path());
        form_->show();
    }

    void closeMainWindow() {
        Messages::presetAnswers({});
        FileDialogs::presetNames({});
        while (QWidget* modal = QApplication::activeModalWidget())
            modal->close();
        if (form_)
            form_->close();
        form_.reset();
        dir_.reset();
    }

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<TMainForm> form_;
};
