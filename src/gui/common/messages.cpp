#include "common/messages.h"

#include <QApplication>

namespace {

QList<QMessageBox::StandardButton>& presets() {
    static QList<QMessageBox::StandardButton> answers;
    return answers;
}

QStringList& texts() {
    static QStringList shown;
    return shown;
}

}  // namespace

QMessageBox::StandardButton Messages::ask(QWidget* parent, QMessageBox::Icon icon,
                                          const QString& text,
                                          QMessageBox::StandardButtons buttons) {
    texts().append(text);
    if (!presets().isEmpty())
        return presets().takeFirst();
    QMessageBox box(icon, QApplication::applicationDisplayName(), text, buttons, parent);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void Messages::error(QWidget* parent, const QString& text) {
    ask(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

void Messages::warning(QWidget* parent, const QString& text) {
    ask(parent, QMessageBox::Warning, text, QMessageBox::Ok);
}

void Messages::information(QWidget* parent, const QString& text) {
    ask(parent, QMessageBox::Information, text, QMessageBox::Ok);
}

bool Messages::question(QWidget* parent, const QString& text) {
    return ask(parent, QMessageBox::Question, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

void Messages::presetAnswers(QList<QMessageBox::StandardButton> answers) {
    presets() = std::move(answers);
}

QStringList Messages::shownTexts() {
    return texts();
}
