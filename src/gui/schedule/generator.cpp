#include "schedule/generator.h"

#include "common/messages.h"
#include "schedule/field.h"
#include "schedule/make.h"
#include "schedule/roundrobin.h"
#include "store/codepage.h"
#include "store/store.h"

#include <QStringList>

bool MakeSchedule(QWidget* parent, pny::Store& store, TFieldForm& fieldForm, TMakeForm& makeForm) {
    // The game dialog has these loaded already; from anywhere else they are loaded here.
    store.ensureTeams();
    store.ensureGames();
    store.ensureFields();

    const pny::SortedList teamOrder = pny::buildTeamOrder(store);
    const pny::SortedList fieldList = pny::buildFieldList(store);
    if (!Messages::question(parent, pny::generateConfirmation(fieldList.size(), teamOrder.size())))
        return false;
    const QString problem = pny::generateCheck(fieldList.size(), teamOrder.size());
    if (!problem.isEmpty()) {
        Messages::error(parent, problem);
        return false;
    }

    store.loadTimes();
    if (!fieldForm.SelectFields(store, pny::fieldRows(fieldList, store.times), makeForm))
        return false;

    // Making the same schedule twice would double every game: asked, No unless chosen.
    const int repeated = pny::countRepeatedGames(store, teamOrder);
    if (repeated > 0 &&
        Messages::ask(parent, QMessageBox::Warning,
                      pny::repeatedGamesMessage(repeated, store.times.size()) +
                          QStringLiteral("\n\nAdd them all the same?"),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::No) != QMessageBox::Yes)
        return false;

    const int firstNew = store.games.size();
    if (pny::generateGames(store, teamOrder) == 0)
        return false;

    const std::vector<pny::DoubleBooking> clashes = pny::findDoubleBookings(store, firstNew);
    if (!clashes.empty()) {
        QStringList lines;
        lines << QStringLiteral(
            "These teams are booked for more than one game at the same "
            "date and time:");
        for (std::size_t i = 0; i < clashes.size() && i < kDoubleBookingsListed; ++i)
            lines << pny::fromCodePage(pny::doubleBookingText(store, clashes[i]));
        if (clashes.size() > kDoubleBookingsListed) {
            lines << QStringLiteral("and %1 more.").arg(clashes.size() - kDoubleBookingsListed);
        }
        Messages::information(parent, lines.join(QLatin1Char('\n')));
    }
    return true;
}
