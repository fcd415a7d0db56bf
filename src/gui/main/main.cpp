#include "main/main.h"

TMainForm::TMainForm(const QString& dataFolder, QWidget* parent) : QWidget(parent) {
    Q_UNUSED(dataFolder);
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Pennantry"));
}
