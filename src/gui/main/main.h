#pragma once

#include <QWidget>

class TMainForm : public QWidget {
    Q_OBJECT
public:
    explicit TMainForm(const QString& dataFolder, QWidget* parent = nullptr);
};
