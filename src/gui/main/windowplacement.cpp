#include "main/windowplacement.h"

#include "store/linecodec.h"

#include <QDir>
#include <QScreen>
#include <QSettings>
#include <QWidget>

#include <algorithm>

namespace windowplacement {
namespace {

// The settings key of a folder: its absolute path, whose separators QSettings would read as
// groups, kept in one key by percent-encoding it.
QString keyOf(const QString& dataFolder) {
    const QString path = QDir(dataFolder).absolutePath();
    return QStringLiteral("MainWindowMaximised/") +
           QString::fromLatin1(path.toUtf8().toPercentEncoding());
}

QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Pennantry"),
                     QStringLiteral("Pennantry"));
}

}  // namespace

bool wasMaximised(const QString& dataFolder) {
    return settings().value(keyOf(dataFolder), false).toBool();
}

void rememberMaximised(const QString& dataFolder, bool maximised) {
    QSettings stored = settings();
    if (maximised) {
        stored.setValue(keyOf(dataFolder), true);
    } else {
        stored.remove(keyOf(dataFolder));
    }
}

void applyStoredSize(QWidget& window, const pny::YearsHeader& header) {
    QSize size = window.size();
    if (pny::toNumber(header.height) > 0)
        size.setHeight(pny::toNumber(header.height));
    if (pny::toNumber(header.width) > 0)
        size.setWidth(pny::toNumber(header.width));
    // A size stored on a larger screen, or at another scale, is cut to this screen, so that the
    // whole window with its frame shows; the window is then placed on the screen.
    const QScreen* screen = window.screen();
    if (!screen) {
        window.resize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    const QSize frame = window.frameGeometry().size() - window.size();
    size = size.boundedTo(available.size() - frame);
    window.resize(size);
    QRect placed(QPoint(0, 0), size + frame);
    placed.moveCenter(available.center());
    placed.moveTopLeft(
        QPoint(std::max(placed.left(), available.left()), std::max(placed.top(), available.top())));
    window.move(placed.topLeft());
}

void rememberSize(const QWidget& window, pny::YearsHeader& header) {
    // Only the normal size is remembered, so the next start restores the last normal size.
    QSize size = window.size();
    if (window.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) {
        if (!header.width.empty() || !window.normalGeometry().isValid())
            return;
        size = window.normalGeometry().size();
    }
    header.height = pny::numberText(size.height()).substr(0, 5);
    header.width = pny::numberText(size.width()).substr(0, 5);
}

}  // namespace windowplacement
