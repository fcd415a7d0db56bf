#pragma once

#include "pitching/pitchrules.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;

// The league's pitch rules: whether it has any, the daily maximum and the rest table, typed as
// "21:1,36:2,51:3,66:4". OK saves them into the league's settings file.
class TPitchRulesForm : public QDialog {
    Q_OBJECT
public:
    explicit TPitchRulesForm(QWidget* parent = nullptr);

    // Shows `rules` for editing and, on OK, writes them to the settings file at `path`. Returns
    // whether they were saved; `rules` then holds them.
    bool EditRules(const QString& path, std::optional<pny::PitchRules>& rules);

public slots:
    void OkButtonClick();
    void HelpButtonClick();

private:
    void showDescription();

    QString path_;
    std::optional<pny::PitchRules> saved_;

    QCheckBox* checkRules_ = nullptr;
    QLineEdit* editMax_ = nullptr;
    QLineEdit* editRest_ = nullptr;
    QLabel* description_ = nullptr;
};
