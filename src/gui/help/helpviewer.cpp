#include "help/helpviewer.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace {

QString& lastTopicText() {
    static QString topic;
    return topic;
}

}  // namespace

void HelpViewer::showTopic(const QString& topic) {
    lastTopicText() = topic;
    static QPointer<QTextBrowser> browser;
    if (!browser) {
        browser = new QTextBrowser;
        browser->setObjectName(QStringLiteral("HelpViewer"));
        browser->setAttribute(Qt::WA_DeleteOnClose);
        browser->setOpenExternalLinks(true);
        browser->setWindowTitle(QStringLiteral("Pennantry Help"));
        browser->resize(640, 480);
    }
    QUrl url(QStringLiteral("qrc:/help/index.html"));
    url.setFragment(topic);
    browser->setSource(url);
    browser->show();
    browser->raise();
    browser->activateWindow();
}

QString HelpViewer::lastTopic() {
    return lastTopicText();
}
