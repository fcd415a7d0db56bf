#include "printoutput.h"

#include "exitstatus.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace pny::cli {

int printOutput(const QString& command, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    const auto size = static_cast<std::size_t>(bytes.size());
    if (std::fwrite(bytes.constData(), 1, size, stdout) != size || std::fflush(stdout) != 0) {
        return failure(command, QStringLiteral("cannot write to standard output: %1")
                                    .arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
    return exitStatus(Outcome::Success);
}

}  // namespace pny::cli
