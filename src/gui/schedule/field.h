#pragma once

#include "schedule/roundrobin.h"

#include <QDialog>

#include <vector>

class QTableWidget;
class TMakeForm;

namespace pny {
class Store;
}

// The field selection dialog: the league's fields with the number of time slots each has. From
// here the user sets a field's slots (the availability dialog), clears them all, or confirms that
// the schedule is to be made.
class TFieldForm : public QDialog {
    Q_OBJECT
public:
    explicit TFieldForm(QWidget* parent = nullptr);

    // Fills the grid with `rows`, selects the first and runs the dialog. True only when the user
    // confirmed "Add n Games to Schedule?".
    bool SelectFields(pny::Store& store, const std::vector<pny::FieldRow>& rows,
                      TMakeForm& makeForm);

public slots:
    void SetButtonClick();
    void ResetButtonClick();
    void AddButtonClick();

private:
    QTableWidget* grid_ = nullptr;
    pny::Store* store_ = nullptr;
    TMakeForm* makeForm_ = nullptr;
};
