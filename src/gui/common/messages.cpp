#include "common/messages.h"

#include <QAbstractButton>
#include <QApplication>

namespace {

QList<QMessageBox::StandardButton>& presets() {
    static QList<QMessageBox::StandardButton> answers;
    return answers;
}

QStringList& shown() {
    static QStringList texts;
    return texts;
}

}  // namespace

QMessageBox::StandardButton Messages::show(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    shown().append(text);
    if (!presets().isEmpty())
        return presets().takeFirst();
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    box.setObjectName(QStringLiteral("MessageBox"));
    box.setDefaultButton(defaultButton);
    // The program's Yes/No/All questions call the third answer simply "All".
    if (QAbstractButton* all = box.button(QMessageBox::YesToAll))
        all->setText(QStringLiteral("&All"));
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Messages::error(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Critical, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Messages::warning(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Warning, text, QMessageBox::Ok, QMessageBox::Ok);
}

void Messages::information(QWidget* parent, const QString& text) {
    show(parent, QMessageBox::Information, text, QMessageBox::Ok, QMessageBox::Ok);
}

bool Messages::question(QWidget* parent, const QString& text) {
    return show(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No,
                QMessageBox::Yes) == QMessageBox::Yes;
}

QMessageBox::StandardButton Messages::ask(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& text, QMessageBox::StandardButtons buttons,
                                          QMessageBox::StandardButton defaultButton) {
    return show(parent, icon, text, buttons, defaultButton);
}

void Messages::presetAnswers(const QList<QMessageBox::StandardButton>& answers) {
    presets() = answers;
}

QStringList Messages::shownTexts() {
    return shown();
}

void Messages::clearShown() {
    shown().clear();
}
