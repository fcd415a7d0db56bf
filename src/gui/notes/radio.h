#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

// The choice of which notes of the current game to open: its field, the game itself, its home
// or away team, or one of its four umpires. The last choice stays chosen from one use to the next.
class TRadioNoteForm : public QDialog {
    Q_OBJECT
public:
    // The choices, in the order they are listed.
    static const QStringList& choiceTexts();

    explicit TRadioNoteForm(QWidget* parent = nullptr);

    // The lines beside the choices: the field line, the date line, the home and away lines and
    // the four umpire lines.
    void setLines(const QStringList& lines);
    QStringList lines() const;

    // The choice, 0 ("Field") to 7 ("Umpire #4").
    int choice() const;
    void setChoice(int choice);

    // Shows the dialog modally with the focus on the choices; true when closed with OK.
    bool choose();

public slots:
    void HelpButtonClick();

private:
    QGroupBox* RadioGroup;
    QButtonGroup* buttons_;
    QGroupBox* LabelGroup;
    QLabel* FNote;
    QLabel* GNote;
    QLabel* HNote;
    QLabel* ANote;
    QLabel* U1Note;
    QLabel* U2Note;
    QLabel* U3Note;
    QLabel* U4Note;
    std::array<QLabel*, 8> labels_{};
    QPushButton* OkButton;
    QPushButton* HelpButton;
    QPushButton* CancelButton;
};
