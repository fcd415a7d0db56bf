#pragma once

#include "store/store.h"
#include "views/grid.h"

#include <QString>
#include <QWidget>

#include <functional>

class TListForm;
class TMsgForm;

// What a command unit needs from the window that runs it: the store, the widget its dialogs
// belong to, the shared pickers and the table's hooks. A test fills it without a main window.
// A new command joins the unit of its theme (or a new unit on this host); the main window only
// gains its slot, which forwards and then ends the command, and its button or menu line.
struct CommandHost {
    explicit CommandHost(pny::Store& store) : store(store) {}

    pny::Store& store;
    QWidget* window = nullptr;  // the parent of the dialogs; its title heads notes and prints
    std::function<TListForm&()> listForm;
    TMsgForm* progress = nullptr;  // the progress window long commands report to, if any

    // The selection commands: each asks for one missing level of the current selection.
    std::function<void()> askLeague;
    std::function<void()> askTeam;
    std::function<void()> askPlayer;

    std::function<int()> currentTab;
    std::function<QString(int tab)> tabCaption;
    std::function<void(int tab)> showTab;
    std::function<const pny::ViewGrid&()> grid;  // the view the table shows

    std::function<void()> buildHeaders;     // rebuild the column headers and the table
    std::function<void()> refreshTable;     // refresh the table
    std::function<void()> clearStatsCache;  // forget the derived player statistics
    // Says in the window itself what the command did ("Added: game 16, ..."), without a box to
    // close; it stays until the next command. May be left empty.
    std::function<void(const QString&)> confirm;
};

// The dialog in `form`, made with `make` when it is not made yet; the parent widget owns it.
template <class Form, class Make>
Form& madeOnFirstUse(Form*& form, Make make) {
    if (!form)
        form = make();
    return *form;
}

// The window's dialog of type Form: the one made before, else a new one the window owns.
template <class Form>
Form& windowDialog(QWidget* window) {
    auto* form = window->findChild<Form*>();
    return form ? *form : *new Form(window);
}
