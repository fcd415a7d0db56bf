#pragma once

#include <QObject>

// F1 in any dialog presses its Help button, so every dialog answers F1 with its own topic.
class HelpKey : public QObject {
    Q_OBJECT
public:
    // Installs the key for the whole application.
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
