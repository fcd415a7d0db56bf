#include "help/helppages.h"

#include <QDir>
#include <QFile>

// The pages live in the windows library, which is linked statically: register them before use.
static void initHelpResources() {
    Q_INIT_RESOURCE(resources);
}

QString HelpPages::urlOfTopic(const QString& topic) {
    static const bool registered = (initHelpResources(), true);
    Q_UNUSED(registered);
    const QDir pages(QStringLiteral(":/help"));
    const QString anchor = QStringLiteral("name=\"%1\"").arg(topic);
    for (const QString& name :
         pages.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        QFile file(pages.filePath(name));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        if (QString::fromUtf8(file.readAll()).contains(anchor)) {
            return QStringLiteral("qrc:/help/%1#%2").arg(name, topic);
        }
    }
    return {};
}
