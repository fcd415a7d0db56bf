#pragma once

#include <QUrl>
#include <QWidget>

class QLineEdit;
class QTextBrowser;

// The window that shows the manual: back, forward, contents and a search within the page.
class THelpWindow : public QWidget {
    Q_OBJECT
public:
    static THelpWindow* instance();
    void openUrl(const QUrl& url);

private:
    THelpWindow();
    void findNext();

    QTextBrowser* browser_;
    QLineEdit* search_;
};
