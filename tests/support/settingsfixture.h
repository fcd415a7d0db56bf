#pragma once

#include "help/helpviewer.h"
#include "leaguefolder.h"
#include "main/list.h"
#include "main/name.h"
#include "modalscript.h"
#include "store/linecodec.h"
#include "store/records.h"
#include "store/store.h"
#include "testsupport.h"
#include "views/fontchooser.h"
#include "views/psort.h"
#include "views/setup.h"
#include "views/ssort.h"
#include "views/catalogues.h"
#include "views/tableview.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

// The settings dialogs as the program keeps them, a league folder of three teams, and the
// helpers that drive the dialogs and read the stored league line.
namespace settingsfixture {

using namespace pny;

// Runs `steps` on the modal dialog once it shows.
inline void whenShown(std::function<void(QWidget*)> steps) {
    QTimer::singleShot(0, [steps] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            steps(dialog);
    });
}

template <typename T = QAbstractButton>
inline T* child(QWidget* dialog, const QString& name) {
    return dialog->findChild<T*>(name);
}

inline void click(QWidget* dialog, const QString& name) {
    if (auto* button = child(dialog, name))
        button->click();
}

// Clicks a button that opens a nested dialog once the current step has returned, so that the
// script's timer can answer the nested dialog.
inline void clickLater(QWidget* dialog, const QString& name) {
    if (auto* button = child(dialog, name))
        QTimer::singleShot(0, button, &QAbstractButton::click);
}

inline QRadioButton* radio(QWidget* group, const QString& caption) {
    for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

// The text of field `n` (from 1) of a record line.
inline QString field(const std::string& line, int n) {
    return QString::fromLatin1(QByteArray::fromStdString(line)).section('|', n - 1, n - 1);
}

inline bool hasHeader(const ViewGrid& grid, const std::string& header) {
    return std::find(grid.headers.begin(), grid.headers.end(), header) != grid.headers.end();
}

inline int code(const std::string& text, int position) {
    return static_cast<unsigned char>(text[static_cast<std::size_t>(position - 1)]);
}

// The visible part of a list picker row: number and name.
inline int pickerRow(QWidget* picker, const QString& numberAndName) {
    auto* box = picker->findChild<QListWidget*>("ListBox");
    for (int i = 0; i < box->count(); ++i) {
        const QString text = box->item(i)->text();
        if (text.mid(1, 5).trimmed() + ' ' + text.mid(8, 40).trimmed() == numberAndName)
            return i;
    }
    return -1;
}

inline ModalScript::Action pick(const QString& numberAndName) {
    return [numberAndName](QWidget* picker) {
        const int row = pickerRow(picker, numberAndName);
        QVERIFY2(row >= 0, qPrintable(numberAndName));
        picker->findChild<QListWidget*>("ListBox")->setCurrentRow(row);
        click(picker, "OkButton");
    };
}

// The dialogs live for the whole run, as in the program; each case loads a league of its own.
class SettingsFixture {
protected:
    void makeDialogs() {
        setup_ = new TSetupForm;
        psort_ = new TPlayerSortForm;
        ssort_ = new TScheduleSortForm;
        nameForm_ = new TNameForm;
        listForm_ = new TListForm(*nameForm_);
    }
    void load(const LeagueRecord& league);
    static LeagueRecord freshLeague();

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Store> store_;
    TSetupForm* setup_ = nullptr;
    TPlayerSortForm* psort_ = nullptr;
    TScheduleSortForm* ssort_ = nullptr;
    TNameForm* nameForm_ = nullptr;
    TListForm* listForm_ = nullptr;
};

inline LeagueRecord SettingsFixture::freshLeague() {
    // A league made by the choice list: three fields until it is first written.
    return LeagueRecord::parse("|1|Majors|");
}

inline void SettingsFixture::load(const LeagueRecord& league) {
    LeagueRecord stored = league;
    stored.currentTeam = "1";
    testsupport::writeLeagueFolder(
        dir_->path(), QByteArray::fromStdString(stored.build()),
        {"|1|Eagles|3|1||1|", "|2|Tigers|2|2|||", "|3|Owls|1|3|||"},
        {testsupport::playerLine("7", "Lee", {{10, "2"}}), testsupport::playerLine("9", "Kim")});
    testsupport::writeFile(dir_->path() + "/Y1L1.Umpires", "U|\r\n|7|Blue|\r\n|8|Gray|\r\n");
    store_ = std::make_unique<Store>(dir_->path() + '/');
    store_->loadYears();
    QVERIFY(store_->ensureTeams());
    QVERIFY(store_->ensurePlayers());
    QVERIFY(store_->ensureGames());
    store_->ensureFields();
    store_->ensureUmpires();
    QCOMPARE(store_->team.name, std::string("Eagles"));
    store_->changed = {};
}

}  // namespace settingsfixture
