#include "about/programversion.h"

namespace pny {

QString programVersion() {
    return QStringLiteral(PNY_VERSION);
}

}  // namespace pny
