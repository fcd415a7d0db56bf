#include "help/helpviewer.h"

#include "help/helppages.h"
#include "help/helpwindow.h"

namespace {

QString& lastTopicText() {
    static QString topic;
    return topic;
}

}  // namespace

QString HelpViewer::urlOfTopic(const QString& topic) {
    return HelpPages::urlOfTopic(topic);
}

void HelpViewer::showTopic(const QString& topic) {
    lastTopicText() = topic;
    QString url = HelpPages::urlOfTopic(topic);
    if (url.isEmpty())
        url = HelpPages::urlOfTopic(QStringLiteral("Contents"));
    THelpWindow::instance()->openUrl(QUrl(url));
}

QString HelpViewer::lastTopic() {
    return lastTopicText();
}
