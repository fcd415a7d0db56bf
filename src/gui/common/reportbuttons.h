#pragma once

#include "common/dialogbutton.h"

#include <QDialog>
#include <QHBoxLayout>

// The button row of a window that shows a report: Print and Export on the left, Help and Close on
// the right, found by their object names. Close rejects the dialog; the others call the form's
// handlers.
template <typename Form>
QHBoxLayout* reportButtonRow(Form* form, void (Form::*print)(), void (Form::*exportTable)(),
                             void (Form::*help)()) {
    auto* printButton = dialogButton(form, QStringLiteral("PrintButton"), QStringLiteral("P&rint"),
                                     QStyle::SP_FileDialogDetailedView);
    auto* exportButton = dialogButton(form, QStringLiteral("ExportButton"),
                                      QStringLiteral("&Export..."), QStyle::SP_DialogSaveButton);
    auto* helpButton = dialogButton(form, QStringLiteral("HelpButton"), QStringLiteral("&Help"),
                                    QStyle::SP_DialogHelpButton);
    auto* closeButton = dialogButton(form, QStringLiteral("CloseButton"), QStringLiteral("&Close"),
                                     QStyle::SP_DialogCloseButton);
    QObject::connect(printButton, &QPushButton::clicked, form, print);
    QObject::connect(exportButton, &QPushButton::clicked, form, exportTable);
    QObject::connect(helpButton, &QPushButton::clicked, form, help);
    QObject::connect(closeButton, &QPushButton::clicked, form, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(printButton);
    buttons->addWidget(exportButton);
    buttons->addStretch(1);
    buttons->addWidget(helpButton);
    buttons->addWidget(closeButton);
    return buttons;
}
