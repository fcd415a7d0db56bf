#pragma once

#include "store/datacheck.h"

#include <QString>

#include <vector>

namespace pny {

// What an interrupted save, a program that ended without closing or a hostile hand left in a data
// folder: a journal (or something else where it belongs), a journal set aside because it could
// not be trusted, temporary files of whatever type, a lock nobody holds, and a lock file or its
// helper that is not an ordinary file that can be read. One finding each, in name order; nothing
// is opened that could block and nothing is written.
std::vector<CheckFinding> checkSaveLeftovers(const QString& folder);

}  // namespace pny
