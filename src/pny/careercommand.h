#pragma once

#include <QStringList>

namespace pny::cli {

extern const char* const kCareerUsage;

// pny career: a player's seasons with his career totals, as the Career window shows them.
int runCareer(const QStringList& arguments);

}  // namespace pny::cli
