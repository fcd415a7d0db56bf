#pragma once

#include <QStringList>

namespace pny::cli {

extern const char* const kHistoryUsage;

// pny history: a league's standings leaders by season and its all-time leaders.
int runHistory(const QStringList& arguments);

}  // namespace pny::cli
