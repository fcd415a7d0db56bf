#pragma once

#include <QDialog>

#include <string>

class QLineEdit;
class QPushButton;

// The number-and-name dialog: asks for the number and the name of a new or changed record.
class TNameForm : public QDialog {
    Q_OBJECT
public:
    explicit TNameForm(QWidget* parent = nullptr);

    // Shows the dialog modally with `caption` and the two boxes filled from the code page bytes
    // `number` and `name`, the focus in the number box. True when closed with OK; then
    // typedNumber() and typedName() hold the texts without surrounding blanks.
    bool Execute(const QString& caption, const std::string& number, const std::string& name);

    // The typed texts as code page bytes, taken when OK was pressed.
    const std::string& typedNumber() const { return number_; }
    const std::string& typedName() const { return name_; }

public slots:
    // Takes the two texts; a text that cannot be stored in a record is refused with a message and
    // the dialog stays open.
    void OkButtonClick();

private:
    bool takeField(QLineEdit* edit, const QString& what, std::string& bytes);

    QLineEdit* EditNo;
    QLineEdit* EditName;
    QPushButton* OkButton;
    QPushButton* CancelButton;
    std::string number_;
    std::string name_;
};
