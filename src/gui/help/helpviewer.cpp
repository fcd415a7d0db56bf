#include "help/helpviewer.h"

#include "help/helpwindow.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString& lastTopicText() {
    static QString topic;
    return topic;
}

}  // namespace

// The pages live in the windows library, which is linked statically: register them before use.
static void initHelpResources() {
    Q_INIT_RESOURCE(resources);
}

QString HelpViewer::urlOfTopic(const QString& topic) {
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

void HelpViewer::showTopic(const QString& topic) {
    lastTopicText() = topic;
    QString url = urlOfTopic(topic);
    if (url.isEmpty())
        url = urlOfTopic(QStringLiteral("Contents"));
    THelpWindow::instance()->openUrl(QUrl(url));
}

QString HelpViewer::lastTopic() {
    return lastTopicText();
}
