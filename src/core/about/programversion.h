#pragma once

#include <QString>

namespace pny {

// The program's version, "2.0.0", as the build names it (the project version of the CMake
// build), shared by the About box and pny --version.
QString programVersion();

}  // namespace pny
