#include "help/helpwindow.h"

#include "help/helppages.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

THelpWindow* THelpWindow::instance() {
    static THelpWindow* window = new THelpWindow();
    return window;
}

THelpWindow::THelpWindow() {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pennantry Help"));
    // The help must be usable while a dialog that opened it is still up.
    setWindowModality(Qt::ApplicationModal);
    setAttribute(Qt::WA_QuitOnClose, false);
    resize(640, 520);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);

    auto* back = new QPushButton(tr("&Back"), this);
    back->setObjectName(QStringLiteral("BackButton"));
    auto* forward = new QPushButton(tr("&Forward"), this);
    forward->setObjectName(QStringLiteral("ForwardButton"));
    auto* contents = new QPushButton(tr("&Contents"), this);
    contents->setObjectName(QStringLiteral("ContentsButton"));
    search_ = new QLineEdit(this);
    search_->setObjectName(QStringLiteral("SearchEdit"));
    search_->setPlaceholderText(tr("Find in page"));
    auto* close = new QPushButton(tr("Close"), this);
    close->setObjectName(QStringLiteral("CloseButton"));

    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(contents, &QPushButton::clicked, this,
            [this] { openUrl(QUrl(HelpPages::urlOfTopic(QStringLiteral("Contents")))); });
    connect(search_, &QLineEdit::returnPressed, this, &THelpWindow::findNext);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);

    auto* bar = new QHBoxLayout;
    bar->addWidget(back);
    bar->addWidget(forward);
    bar->addWidget(contents);
    bar->addWidget(search_, 1);
    bar->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(browser_, 1);
}

void THelpWindow::openUrl(const QUrl& url) {
    browser_->setSource(url);
    if (url.hasFragment())
        browser_->scrollToAnchor(url.fragment());
    show();
    raise();
    activateWindow();
}

void THelpWindow::findNext() {
    const QString text = search_->text();
    if (text.isEmpty())
        return;
    if (!browser_->find(text)) {
        // Start again from the top of the page.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(text);
    }
}
