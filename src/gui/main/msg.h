#pragma once

#include <QDialog>

class QProgressBar;

// The small "Reading Data..." window whose bar advances while the table is rebuilt.
class TMsgForm : public QDialog {
    Q_OBJECT
public:
    explicit TMsgForm(QWidget* parent = nullptr);

    void start();
    void advance(int value, int maximum);
    void finish();

private:
    QProgressBar* bar_;
};
