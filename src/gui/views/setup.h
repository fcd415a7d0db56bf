#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

namespace pny {
class Store;
}

// The team settings of the Teams tab: which standings columns show, and the innings per game
// the earned run average is computed with.
class TSetupForm : public QDialog {
    Q_OBJECT
public:
    explicit TSetupForm(QWidget* parent = nullptr);

    // Runs the dialog on the current league and, on OK, writes the league back. Returns true
    // when the settings changed: the main window then clears the derived statistics (the ERA
    // depends on the innings) and rebuilds the headers and the table.
    bool Execute(pny::Store& store);

public slots:
    void OkButtonClick();
    void HelpButtonClick();

private:
    QGroupBox* DisplayBox = nullptr;
    std::array<QCheckBox*, 8> CheckBoxes{};
    QSpinBox* SpinInning = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* HelpButton = nullptr;
    QPushButton* CancelButton = nullptr;
};
