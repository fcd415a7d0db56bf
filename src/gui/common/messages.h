#pragma once

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

// Every message box of the program goes through here, so that tests can answer them: an answer
// queued with presetAnswers() is taken instead of showing a box, and every text is recorded.
class Messages {
public:
    static void error(QWidget* parent, const QString& text);
    static void warning(QWidget* parent, const QString& text);
    static void information(QWidget* parent, const QString& text);
    // A confirmation with Yes and No; true for Yes.
    static bool question(QWidget* parent, const QString& text);
    // A question with the given buttons; returns the button chosen. QMessageBox::YesToAll is
    // shown as "All".
    static QMessageBox::StandardButton ask(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);

    // Test hooks.
    static void presetAnswers(const QList<QMessageBox::StandardButton>& answers);
    static QStringList shownTexts();
    static void clearShown();

private:
    static QMessageBox::StandardButton show(QWidget* parent, QMessageBox::Icon icon,
                                            const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
};
