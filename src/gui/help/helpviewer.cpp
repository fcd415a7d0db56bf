#include "help/helpviewer.h"

#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

// The manual lives in the windows library, a static library: its resources must be registered
// by hand before the first page is read.
static void registerManual() {
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    Q_INIT_RESOURCE(resources);
}

namespace {

QString& lastTopicText() {
    static QString topic;
    return topic;
}

}  // namespace

void HelpViewer::showTopic(const QString& topic) {
    lastTopicText() = topic;
    registerManual();
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
