#pragma once

#include <QColor>
#include <QDialog>
#include <QFont>

#include <optional>

class QFontDialog;
class QLabel;
class QPushButton;
class QWidget;

namespace pny {
class Store;
}

// The table font dialog: a font chooser with the text colour, bold and italic. Tests can answer
// it without showing it (presetChoice).
class TFontDialog : public QDialog {
    Q_OBJECT
public:
    explicit TFontDialog(QWidget* parent = nullptr);

    void setChoice(const QFont& font, const QColor& colour);
    QFont chosenFont() const;
    QColor chosenColour() const { return colour_; }

public slots:
    void ColourButtonClick();
    void HelpButtonClick();

private:
    void showColour();

    QFontDialog* fonts_ = nullptr;
    QLabel* sample_ = nullptr;
    QPushButton* colourButton_ = nullptr;
    QColor colour_;
};

// A font and colour chosen with OK.
struct FontChoice {
    QFont font;
    QColor colour;
};

// Lets the user choose the table's font, starting from the table's current font and text colour.
// On OK the table takes the font and colour and a row height of the font's height + 4, and the
// current league stores them (WriteLeague). Returns true on OK. `table` is the main window's
// table; its row height is set when it is a QTableView.
bool chooseTableFont(QWidget* parent, pny::Store& store, QWidget* table);

// Test hooks: the next calls of chooseTableFont take these answers in order instead of showing
// the dialog; an empty answer is Cancel.
void presetFontChoices(const QList<std::optional<FontChoice>>& answers);
