#pragma once

#include "common/messages.h"
#include "help/helpviewer.h"
#include "main/list.h"
#include "main/name.h"
#include "main/selection.h"
#include "store/store.h"
#include "testsupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

// A store on a temporary folder with the list and name dialogs over it, and the helpers that
// answer those dialogs and read their rows.
namespace selectionfixture {

// Runs steps on modal dialogs as they come up: each step waits until the dialog with its object
// name is the active modal widget. A script that waits too long closes the dialog and is stuck.
class ModalScript : public QObject {
public:
    using Action = std::function<void(QWidget*)>;

    ModalScript() {
        connect(&timer_, &QTimer::timeout, this, &ModalScript::tick);
        timer_.start(5);
        sinceStep_.start();
    }
    void add(const QString& name, Action action) { steps_.append({name, std::move(action)}); }
    bool finished() const { return steps_.isEmpty(); }
    bool stuck() const { return stuck_; }
    // The captions of the dialogs the steps ran on, in order.
    QStringList captions;

private:
    void tick() {
        QWidget* modal = QApplication::activeModalWidget();
        if (steps_.isEmpty()) {
            if (modal && sinceStep_.elapsed() > 3000)
                giveUp(modal);
            return;
        }
        if (!modal || !modal->isVisible())
            return;
        if (modal->objectName() != steps_.first().name) {
            if (sinceStep_.elapsed() > 3000)
                giveUp(modal);
            return;
        }
        const Step step = steps_.takeFirst();
        sinceStep_.restart();
        captions << modal->windowTitle();
        step.action(modal);
    }
    void giveUp(QWidget* modal) {
        stuck_ = true;
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
        sinceStep_.restart();
    }

    struct Step {
        QString name;
        Action action;
    };
    QList<Step> steps_;
    QTimer timer_;
    QElapsedTimer sinceStep_;
    bool stuck_ = false;
};

inline void click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(QLatin1String(name));
    QVERIFY2(button, name);
    QVERIFY2(button->isEnabled(), name);
    button->click();
}

inline QListWidget* listBox(QWidget* dialog) {
    return dialog->findChild<QListWidget*>("ListBox");
}

// The visible part of each row: number and name.
inline QStringList shownRows(QWidget* dialog) {
    QStringList rows;
    QListWidget* box = listBox(dialog);
    for (int i = 0; i < box->count(); ++i) {
        const QString text = box->item(i)->text();
        rows << (text.mid(1, 5).trimmed() + QLatin1Char(' ') + text.mid(8, 40).trimmed());
    }
    return rows;
}

inline QString selectedRow(QWidget* dialog) {
    const int row = listBox(dialog)->currentRow();
    return row < 0 ? QString() : shownRows(dialog).value(row);
}

inline void selectRow(QWidget* dialog, const QString& numberAndName) {
    const int row = shownRows(dialog).indexOf(numberAndName);
    QVERIFY2(row >= 0, qPrintable(numberAndName));
    listBox(dialog)->setCurrentRow(row);
}

inline void typeNumberAndName(QWidget* dialog, const QString& number, const QString& name) {
    dialog->findChild<QLineEdit*>("EditNo")->setText(number);
    dialog->findChild<QLineEdit*>("EditName")->setText(name);
    click(dialog, "OkButton");
}

inline bool enabled(QWidget* dialog, const char* name) {
    return dialog->findChild<QPushButton*>(QLatin1String(name))->isEnabled();
}

// The folder, the store and the dialogs each case starts, and what the hooks were called for.
class SelectionFixture {
protected:
    void writeFile(const QString& name, const QByteArray& bytes) {
        testsupport::writeFile(folder_->path() + "/" + name, bytes);
    }
    // Year 1 with league 1, whose teams file is `teams` and current team `currentTeam`.
    void writeLeagueFolder(const QByteArray& teams, const QByteArray& currentTeam) {
        writeFile("Baseball.Years", "Y|0||1||||\r\n|2026|Summer|1|\r\n");
        writeFile("Y1.Leagues", "L|\r\n|1|Majors|" + currentTeam + "|\r\n");
        writeFile("Y1L1.Teams", teams);
    }
    void start() {
        store_ = std::make_unique<pny::Store>(folder_->path());
        store_->loadYears();
        nameForm_ = std::make_unique<TNameForm>();
        listForm_ = std::make_unique<TListForm>(*nameForm_);
        SelectionCommands::Hooks hooks;
        hooks.buildHeaders = [this] { ++buildHeaders_; };
        hooks.refreshTable = [this] { ++refreshTable_; };
        hooks.clearStatsCache = [this] { ++clearCache_; };
        commands_ = std::make_unique<SelectionCommands>(*store_, *listForm_, hooks);
    }

    std::unique_ptr<QTemporaryDir> folder_;
    std::unique_ptr<pny::Store> store_;
    std::unique_ptr<TNameForm> nameForm_;
    std::unique_ptr<TListForm> listForm_;
    std::unique_ptr<SelectionCommands> commands_;
    int buildHeaders_ = 0;
    int refreshTable_ = 0;
    int clearCache_ = 0;
    QStringList notes_;
};

}  // namespace selectionfixture
