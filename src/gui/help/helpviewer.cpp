#include "help/helpviewer.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>

namespace {

QString& lastTopicText() {
    static QString topic;
    return topic;
}

}  // namespace

QString HelpViewer::urlOfTopic(const QString& topic) {
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
        url = QStringLiteral("qrc:/help/index.html#Contents");
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser;
        window->setObjectName(QStringLiteral("HelpWindow"));
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setWindowTitle(QStringLiteral("Pennantry Help"));
        window->resize(600, 500);
    }
    window->setSource(QUrl(url));
    window->show();
    window->raise();
}

QString HelpViewer::lastTopic() {
    return lastTopicText();
}
