#pragma once

class QWidget;
class TFieldForm;
class TMakeForm;

namespace pny {
class Store;
}

// The game dialog's Make command: confirms, checks the fields and the team count, loads the
// league's time slots, lets the user set them in the field selection dialog and, when the user
// confirms there, appends one round-robin game per slot. Afterwards it tells which teams are
// booked twice at the same date and time. Returns true when games were added; the game dialog
// then closes with its schedule-made result.
bool MakeSchedule(QWidget* parent, pny::Store& store, TFieldForm& fieldForm, TMakeForm& makeForm);

// The most double bookings the message after generation lists by name.
constexpr int kDoubleBookingsListed = 5;
